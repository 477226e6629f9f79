#include "RuntimeException.h"

namespace fw {

RuntimeException::RuntimeException(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

} // namespace fw
