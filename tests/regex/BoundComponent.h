#pragma once

#include "PluginEntrypoints.h"
#include "RegExEntrypoints.h"

#include <gtest/gtest.h>

/// Binds the component as start-up does: a table of 19 slots, each filled with what the
/// look-up returns for its signature.
inline PluginEntrypoints& BindRegExComponent()
{
    PluginEntrypoints& table = AllocatePluginEntrypointsTable(RegExEntryCount);
    for (int i = 0; i < RegExEntryCount; ++i) {
        table.Set(i, LookupPluginEntrypoint(RegExEntrySignatures[static_cast<std::size_t>(i)]));
    }
    return table;
}

class BoundComponent : public ::testing::Test {
  protected:
    void SetUp() override { BindRegExComponent(); }
    void TearDown() override { BindRegExComponent(); }
};
