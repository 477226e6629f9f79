#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace fw {

QString Clipboard::Text() const { return QGuiApplication::clipboard()->text(); }

void Clipboard::Text(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void Clipboard::SetText(const QString& text) { Text(text); }

} // namespace fw
