#include "Shortcut.h"

#include <QStringList>

namespace fw {

QKeySequence KeySequenceFromShortcut(const QString& shortcut)
{
    if (shortcut.trimmed().isEmpty()) {
        return {};
    }
    QStringList parts = shortcut.split(QLatin1Char('+'));
    // "Cmd++" names the plus key itself.
    if (shortcut.endsWith(QLatin1String("++"))) {
        parts.removeLast();
        parts.last() = QStringLiteral("+");
    }
    const QString keyName = parts.takeLast().trimmed();
    Qt::KeyboardModifiers modifiers;
    for (const QString& raw : parts) {
        const QString part = raw.trimmed().toLower();
        if (part == QLatin1String("cmd") || part == QLatin1String("command") ||
            part == QLatin1String("ctrl")) {
            modifiers |= Qt::ControlModifier;
        } else if (part == QLatin1String("option") || part == QLatin1String("alt")) {
            modifiers |= Qt::AltModifier;
        } else if (part == QLatin1String("shift")) {
            modifiers |= Qt::ShiftModifier;
        } else if (part == QLatin1String("control")) {
            modifiers |= Qt::MetaModifier;
        } else {
            return {};
        }
    }
    const QKeySequence key =
        QKeySequence::fromString(keyName.size() == 1 ? keyName.toUpper() : keyName);
    if (key.count() != 1 || key[0].keyboardModifiers() != Qt::NoModifier) {
        return {};
    }
    return QKeySequence(QKeyCombination(modifiers, key[0].key()));
}

} // namespace fw
