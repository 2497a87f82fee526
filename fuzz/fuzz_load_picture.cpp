// libFuzzer target: the picture reader on arbitrary bytes (the file's content decides its
// format: JPEG, HEIC, AVIF, WebP, TIFF, BMP, PNG, GIF), at full size and reduced for a small
// box, and a picture that loads drawn into the corner preview as the program does. Any failure
// must be an AppError; crashes, leaks, hangs, greedy inputs and sanitizer reports are findings.
// Run with -timeout=2 -rss_limit_mb=1024 so that slow and greedy inputs count.
// tests/back/FuzzCorpusTest.cpp replays fuzz/corpus in every test run.
#include "LoadPictureInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir;
    static const QString name = dir.filePath(QStringLiteral("input"));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        __builtin_trap(); // the harness itself failed, not the code under test
    file.close();
    loadAndPreviewPicture(name);
    return 0;
}
