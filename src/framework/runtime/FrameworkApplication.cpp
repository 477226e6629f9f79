#include "FrameworkApplication.h"

#include "AppObject.h"
#include "EventScope.h"
#include "ExceptionReport.h"
#include "FolderItem.h"

#include <QFileOpenEvent>

namespace fw::detail {

FrameworkApplication::FrameworkApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool FrameworkApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        EventScope reporting; // no window goes away under the event's receiver
        UnhandledException(std::current_exception());
        return false;
    }
}

bool FrameworkApplication::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        RequestOpenDocument(FolderItem::FromPath(static_cast<QFileOpenEvent*>(event)->file()));
        return true;
    }
    return QApplication::event(event);
}

} // namespace fw::detail
