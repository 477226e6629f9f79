#pragma once

#include "Runtime.h"

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QtGlobal>

#include <functional>

/// Makes the framework's Qt application that fonts, printers and dialogs need, unless one
/// exists. It lives as long as the test program: Qt objects of one test may outlive it.
inline void EnsureApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "framework_tests";
        static char* argv[] = {name, nullptr};
        fw::RuntimeInit(argc, argv);
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

/// The Qt warnings and errors that @p action prints.
inline QStringList QtWarningsDuring(const std::function<void()>& action)
{
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg) {
                messages.append(text);
            }
        });
    action();
    qInstallMessageHandler(previous);
    return messages;
}
