#include "DialogSeam.h"

namespace fw {

DialogSeam::OpenFileAnswerer DialogSeam::openFile;
DialogSeam::PrinterAnswerer DialogSeam::pageSetup;
DialogSeam::PrinterAnswerer DialogSeam::print;
DialogSeam::MessageAnswerer DialogSeam::message;

void DialogSeam::reset()
{
    openFile = nullptr;
    pageSetup = nullptr;
    print = nullptr;
    message = nullptr;
}

} // namespace fw
