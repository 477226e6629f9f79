// libFuzzer target: the code-file reader on any file contents.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SetUpReaders();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::RunCheck(fuzz::CheckCodeFile, data, size);
}
