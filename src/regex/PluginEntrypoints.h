#pragma once

#include "PluginEntrypoint.h"

#include <string_view>
#include <vector>

/// @brief The program's table of plug-in entry points, filled once at start-up.
///
/// Slot i holds whatever the look-up returned for the i-th signature, stored without a
/// test; callers check an entry when they use it.
class PluginEntrypoints {
  public:
    explicit PluginEntrypoints(int count = 0);

    int Count() const { return static_cast<int>(entries_.size()); }

    /// Stores an entry; throws std::out_of_range for an index outside the table.
    void Set(int index, PluginEntrypoint entry);

    /// The entry at index; an empty entry for an index outside the table.
    const PluginEntrypoint& Get(int index) const;

  private:
    std::vector<PluginEntrypoint> entries_;
};

/// @brief Replaces the process's table with one of count empty slots and returns it.
///
/// Throws std::invalid_argument for a negative count.
PluginEntrypoints& AllocatePluginEntrypointsTable(int count);

/// @brief The process's table; empty until AllocatePluginEntrypointsTable.
const PluginEntrypoints& PluginEntrypointsTable();

/// @brief The loaded components' entry point for a signature, or an empty entry.
PluginEntrypoint LookupPluginEntrypoint(std::string_view signature);
