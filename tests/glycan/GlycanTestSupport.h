#pragma once

#include "Glycan.h"
#include "RecordingGraphics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Trace = std::vector<std::string>;

/// Runs @p draw on a fresh recording surface and returns the calls it made.
template <typename Draw> Trace Record(Draw draw)
{
    RecordingGraphics g;
    draw(&g);
    return g.calls();
}

/// Gives the module state its start-up values before every test, since it is shared.
class GlycanStateTest : public ::testing::Test {
  protected:
    void SetUp() override { Glycan::InitializeState(); }
};
