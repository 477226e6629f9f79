#include "PluginEntrypoints.h"

#include "RegExComponent.h"

#include <stdexcept>
#include <string>

namespace {

PluginEntrypoints& processTable()
{
    static PluginEntrypoints table;
    return table;
}

} // namespace

PluginEntrypoints::PluginEntrypoints(int count)
{
    if (count < 0) {
        throw std::invalid_argument("plug-in entry-point table: negative size " +
                                    std::to_string(count));
    }
    entries_.resize(static_cast<std::size_t>(count));
}

void PluginEntrypoints::Set(int index, PluginEntrypoint entry)
{
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("plug-in entry-point table: index " + std::to_string(index) +
                                " outside 0.." + std::to_string(Count() - 1));
    }
    entries_[static_cast<std::size_t>(index)] = entry;
}

const PluginEntrypoint& PluginEntrypoints::Get(int index) const
{
    static const PluginEntrypoint empty;
    if (index < 0 || index >= Count()) {
        return empty;
    }
    return entries_[static_cast<std::size_t>(index)];
}

PluginEntrypoints& AllocatePluginEntrypointsTable(int count)
{
    processTable() = PluginEntrypoints(count);
    return processTable();
}

const PluginEntrypoints& PluginEntrypointsTable() { return processTable(); }

PluginEntrypoint LookupPluginEntrypoint(std::string_view signature)
{
    // The regular-expression component is the only one the program loads.
    return regex::LookupEntrypoint(signature);
}
