#include "NameOnlyFileDialogScope.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>

namespace fw {

NameOnlyFileDialogScope::NameOnlyFileDialogScope() { qApp->installEventFilter(this); }

NameOnlyFileDialogScope::~NameOnlyFileDialogScope() { qApp->removeEventFilter(this); }

bool NameOnlyFileDialogScope::eventFilter(QObject* watched, QEvent* event)
{
    // A file dialog describes the files it lists only once its event loop runs, after it
    // shows, so a provider set here is the one that describes them.
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QFileDialog*>(watched);
        if (dialog != nullptr && dialog->iconProvider() != &icons_) {
            dialog->setIconProvider(&icons_);
        }
    }
    return false;
}

} // namespace fw
