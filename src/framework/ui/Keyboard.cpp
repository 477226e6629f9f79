#include "Keyboard.h"

#include <QApplication>
#include <QWidget>

namespace fw {

bool Keyboard::OSKey()
{
    return QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}

void ClearFocus()
{
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus();
    }
}

} // namespace fw
