#pragma once

#include <QString>

#include <exception>

namespace fw {

/// @brief The framework's report of an exception that no handler caught.
///
/// Shows a message box (through DialogSeam::message when a test answers it) naming the
/// exception's class and message, then returns so the program goes on. While a window is
/// painting the report waits until the painting is over; while a real report box is open, a
/// further report is only written to the error output.
void UnhandledException(std::exception_ptr exception);

/// @brief The class name the report shows for @p exception.
QString ExceptionTypeName(std::exception_ptr exception);
/// @brief The message the report shows for @p exception ("" when it has none).
QString ExceptionMessage(std::exception_ptr exception);

} // namespace fw
