// libFuzzer target: the text stream on any bytes, in blocks of 1 to 8 bytes against one block.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::AbortOnProblem(fuzz::CheckTextStream(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
}
