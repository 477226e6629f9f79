#pragma once

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QtGlobal>

#include <functional>

/// Makes the one QApplication that fonts, printers and dialogs need, unless one exists.
/// It is never destroyed: Qt objects made by the tests may outlive any test.
inline void EnsureApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "framework_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

/// Bounding box of the pixels of @p image that differ from @p background.
inline QRect InkBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

/// Counts the Qt warnings and errors that @p action prints.
inline int QtWarningsDuring(const std::function<void()>& action)
{
    static int count = 0;
    count = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            if (type != QtDebugMsg && type != QtInfoMsg) {
                ++count;
            }
        });
    action();
    qInstallMessageHandler(previous);
    return count;
}
