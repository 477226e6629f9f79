#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace fw {

/// @brief The menu handlers one object (a window or the application) has bound, by item
/// Name; names match regardless of letter case. A handler returns True when it handled the
/// command.
class MenuHandlers {
  public:
    using Handler = std::function<bool()>;

    /// @brief Binds @p handler under @p name, replacing an earlier binding of that name.
    void Add(const QString& name, Handler handler);
    bool Has(const QString& name) const;
    /// @brief The handler bound under @p name, or nullptr.
    const Handler* Find(const QString& name) const;

  private:
    QHash<QString, Handler> handlers_;
};

} // namespace fw
