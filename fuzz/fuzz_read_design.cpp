// libFuzzer target: readDesign on arbitrary bytes and, for a design it accepts, its pictures
// decoded and drawn into the corner preview as opening a design does. Any failure must be an
// AppError; crashes, leaks, hangs and sanitizer reports are findings.
// tests/design/FuzzDesignCorpusTest.cpp replays fuzz/design-corpus in every test run.
#include "ReadDesignInput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readAndDecodeDesign(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
