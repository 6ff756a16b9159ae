#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "image/ChannelTable.h"
#include "support/ScriptedPrompter.h"

namespace mox::test {

// An application state on band "400 - 480 MHz" with a recording prompter and views.
class ImageFixture : public ::testing::Test {
protected:
    ImageFixture() {
        state.Prompts = &prompter;
        state.Redraw = &views;
        state.Image.fill(0xFF);
    }

    ChannelRecord& Add(int number, const std::string& rx) {
        return *AppendDefaultChannel(state.Data.Channels, state.Model, number, rx);
    }

    std::vector<std::uint8_t> Bytes(int address, int count) const {
        return {state.Image.begin() + address, state.Image.begin() + address + count};
    }

    AppState state;
    ScriptedPrompter prompter;
    RecordingViews views;
};

}  // namespace mox::test
