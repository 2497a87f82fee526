// libFuzzer target: readAddressList on arbitrary bytes (CSV and vCard) and, for a list it
// accepts, each record's address. Any failure must be an AppError; crashes, leaks, hangs and
// sanitizer reports are findings. tests/addresses replays fuzz/address-corpus in every test run.
#include "ReadAddressesInput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readAddressesInput(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
