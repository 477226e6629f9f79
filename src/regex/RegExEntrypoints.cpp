#include "RegExEntrypoints.h"

#include "RegExException.h"

#include <string>

PluginEntrypoints& BindRegExEntrypoints()
{
    PluginEntrypoints& table = AllocatePluginEntrypointsTable(RegExEntryCount);
    for (int i = 0; i < RegExEntryCount; ++i) {
        table.Set(i, LookupPluginEntrypoint(RegExEntrySignatures[static_cast<std::size_t>(i)]));
    }
    return table;
}

void ThrowUnboundRegExEntry(RegExEntry entry)
{
    const auto index = static_cast<int>(entry);
    const std::string signature(RegExEntrySignatures.at(static_cast<std::size_t>(index)));
    const bool empty = PluginEntrypointsTable().Get(index).IsEmpty();
    throw RegExException("regular-expression operation \"" + signature + "\" " +
                         (empty ? "is not bound (its entry point is empty)"
                                : "is bound to an entry point of another type"));
}
