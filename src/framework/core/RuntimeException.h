#pragma once

#include <QString>

#include <stdexcept>

namespace fw {

/// @brief The framework's run-time errors; each class names itself in the exception report.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const QString& message = {});
    /// @brief The class name shown in the report of an unhandled exception.
    virtual QString TypeName() const { return QStringLiteral("RuntimeException"); }
    QString Message() const { return QString::fromStdString(what()); }
};

/// @brief Use of an object reference that is Nil.
class NilObjectException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    QString TypeName() const override { return QStringLiteral("NilObjectException"); }
};

/// @brief An index outside the bounds of an array or list.
class OutOfBoundsException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    QString TypeName() const override { return QStringLiteral("OutOfBoundsException"); }
};

/// @brief A file or stream operation that failed.
class IOException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    QString TypeName() const override { return QStringLiteral("IOException"); }
};

/// @brief A cast of an object to a class it is not.
class TypeMismatchException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    QString TypeName() const override { return QStringLiteral("TypeMismatchException"); }
};

/// @brief Returns *p, or raises NilObjectException when @p p is null: the framework's implicit
/// test before a member of an object reference is used.
// cppcheck-suppress constParameter ; T itself may be const, and T& is returned from it
template <class T> T& NotNil(T* p, const char* what = nullptr)
{
    if (p == nullptr) {
        throw NilObjectException(what ? QString::fromUtf8(what) : QString());
    }
    return *p;
}

/// @brief Casts @p p to T, raising NilObjectException for null and TypeMismatchException when
/// the object is of another class.
template <class T, class U> T& CastTo(U* p, const char* what = nullptr)
{
    auto* cast = dynamic_cast<T*>(&NotNil(p, what));
    if (cast == nullptr) {
        throw TypeMismatchException(what ? QString::fromUtf8(what) : QString());
    }
    return *cast;
}

} // namespace fw
