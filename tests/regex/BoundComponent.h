#pragma once

#include "RegExEntrypoints.h"

#include <gtest/gtest.h>

/// Binds the component as start-up does before each test, and again after it, so that a test
/// that empties or swaps slots leaves a whole table to the next.
class BoundComponent : public ::testing::Test {
  protected:
    void SetUp() override { BindRegExEntrypoints(); }
    void TearDown() override { BindRegExEntrypoints(); }
};
