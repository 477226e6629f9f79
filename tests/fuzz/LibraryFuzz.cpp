// libFuzzer target: the library reader on any file contents.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SetUpReaders();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::RunCheck(fuzz::CheckLibrary, data, size);
}
