// libFuzzer target: LoadPictureFile on arbitrary bytes, read once under a JPEG name and once
// under a BMP name, and a picture that loads drawn into the corner preview as the program
// does. Any failure must be an AppError; crashes, leaks, hangs and sanitizer reports are
// findings. tests/back/FuzzCorpusTest.cpp replays fuzz/corpus in every test run.
#include "LoadPictureInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir;
    static const QString names[] = {dir.filePath(QStringLiteral("input.jpg")),
                                    dir.filePath(QStringLiteral("input.bmp"))};
    for (const QString& name : names) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            __builtin_trap(); // the harness itself failed, not the code under test
        file.close();
        LoadAndPreviewPicture(name);
    }
    return 0;
}
