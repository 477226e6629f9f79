#include "Glycan.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    Glycan::InitializeState();
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Tamberlo");
    window.show();
    return application.exec();
}
