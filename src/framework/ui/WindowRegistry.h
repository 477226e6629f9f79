#pragma once

#include <QString>

class QObject;

#include <memory>
#include <typeindex>
#include <vector>

namespace fw {

class Window;

/// @brief Owns every window and knows the live one of each window class.
///
/// A closed window stops being live at once (its accessor makes a new one) but is deleted
/// only when no event scope is open, that is when no handler of the program is running.
class WindowRegistry {
  public:
    /// @brief The live window of class @p type, or nullptr.
    static Window* Live(std::type_index type);
    /// @brief Takes ownership of @p window and makes it the live window of @p type.
    static void Adopt(std::unique_ptr<Window> window, std::type_index type);
    /// @brief The window stops being live; it is deleted once no handler runs.
    static void Retire(const Window* window);
    /// @brief The open (not closed) windows, oldest first.
    static std::vector<Window*> OpenWindows();
    /// @brief Brings every open window's menu bar up to date (after the application's menu
    /// bar or its handlers changed).
    static void MenusChanged();
    /// @brief Deletes every window, open or closed, and what waits for DeleteWhenIdle, without
    /// raising events.
    static void DestroyAll();
    /// @brief Deletes @p object (a widget of a window) when the closed windows are deleted.
    static void DeleteWhenIdle(QObject* object);
    /// @brief Deletes the closed windows now, when no handler runs.
    static void DeleteRetired();

    /// @brief The unqualified class name of @p type, as "Window1".
    static QString ClassName(const std::type_info& type);
};

} // namespace fw
