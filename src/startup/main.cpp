#include "Runtime.h"
#include "Startup.h"

int main(int argc, char* argv[])
{
    fw::RuntimeInit(argc, argv);
    InitializeStatics();
    Main();
    FinalizeStatics();
    return fw::RuntimeExit();
}
