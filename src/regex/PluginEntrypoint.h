#pragma once

#include <type_traits>
#include <typeinfo>

/// @brief One entry of a separately loaded component: a function pointer of any shape,
/// or nothing.
///
/// The entry remembers the function type it was made from, so a caller that expects
/// another shape (an entry stored in the wrong slot) gets nullptr instead of a call
/// through the wrong type.
class PluginEntrypoint {
  public:
    PluginEntrypoint() = default;

    template <typename Fn>
    requires std::is_function_v<Fn>
    explicit PluginEntrypoint(Fn* function)
        : function_(reinterpret_cast<Erased>(function)),
          type_(function != nullptr ? &typeid(Fn) : nullptr)
    {
    }

    bool IsEmpty() const { return function_ == nullptr; }

    /// The function, or nullptr when the entry is empty or holds another function type.
    template <typename Fn>
    requires std::is_function_v<Fn> Fn* As() const
    {
        if (function_ == nullptr || *type_ != typeid(Fn)) {
            return nullptr;
        }
        return reinterpret_cast<Fn*>(function_);
    }

  private:
    // Converting to void(*)() and back to the original type is well defined.
    using Erased = void (*)();

    Erased function_ = nullptr;
    const std::type_info* type_ = nullptr;
};
