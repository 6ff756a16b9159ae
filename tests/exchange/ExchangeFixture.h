#pragma once

#include <gtest/gtest.h>

#include <string>

#include "codecs/DecimalText.h"
#include "codecs/Frequency.h"
#include "image/ChannelTable.h"
#include "records/ModelState.h"
#include "records/RadioData.h"
#include "services/Messages.h"

namespace mox::test {

// Data on band "400 - 480 MHz" and channels made the way the channel list makes them.
class ExchangeFixture : public ::testing::Test {
protected:
    // A channel on `rx`, simplex, then shifted by `shift` MHz ("+5", "-0.6") when one is given.
    ChannelRecord& Add(RadioData& into, int number, const std::string& rx, const std::string& shift = "") {
        ChannelRecord& c = *AppendDefaultChannel(into.Channels, model, number, rx);
        if (!shift.empty()) {
            c.ShiftDirection = shift[0] == '-' ? 1 : 2;
            SetFixedText(c.ShiftDigits, UnitsToShiftDigits(ParseUnits(shift.substr(1))->Floor));
        }
        SettleStepClasses(model, messages, c);
        return c;
    }

    ModelState model;
    Messages messages;
    RadioData data;
};

}  // namespace mox::test
