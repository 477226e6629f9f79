#include "ExceptionReport.h"

#include "DialogSeam.h"
#include "EventScope.h"
#include "RuntimeException.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace fw {
namespace {

QString demangled(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type.name());
}

bool showingReport = false;

void showReport(const QString& title, const QString& text)
{
    qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
    if (DialogSeam::message) {
        DialogSeam::message(title, text);
        return;
    }
    if (showingReport || QCoreApplication::instance() == nullptr) {
        return;
    }
    showingReport = true;
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("UnhandledExceptionReport"));
    box.exec();
    showingReport = false;
}

} // namespace

QString ExceptionTypeName(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return e.TypeName();
    } catch (const std::exception& e) {
        return demangled(typeid(e));
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

QString ExceptionMessage(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return {};
    }
}

void UnhandledException(std::exception_ptr exception)
{
    if (!exception) {
        return;
    }
    if (PaintScope::Painting() && QCoreApplication::instance() != nullptr) {
        // A modal box inside a paint event would re-enter painting: report afterwards.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [exception] { UnhandledException(exception); },
            Qt::QueuedConnection);
        return;
    }
    const QString message = ExceptionMessage(exception);
    QString text = QStringLiteral("An exception of class %1 was not handled.")
                       .arg(ExceptionTypeName(exception));
    if (!message.isEmpty()) {
        text += QStringLiteral("\n\n") + message;
    }
    showReport(QStringLiteral("Unhandled Exception"), text);
}

} // namespace fw
