#include "MsgBox.h"

#include "DialogSeam.h"

#include <QApplication>
#include <QMessageBox>

namespace fw {

void MsgBox(const QString& title, const QString& text, QWidget* parent)
{
    if (DialogSeam::message) {
        DialogSeam::message(title, text);
        return;
    }
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok,
                    parent != nullptr ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.exec();
}

} // namespace fw
