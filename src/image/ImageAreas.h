#pragma once

// What each address of the radio image holds, in words a user knows from the editors, so that a
// byte the radio kept wrongly can be named.

namespace mox {

struct ImageArea {
    // The language text that names the area.
    int Text = 0;
    // 1-based channel, DTMF slot, test-frequency pair or message line; 0 where the area is one of a
    // kind.
    int Index = 0;
    // Within a channel slot: the text naming the field of that byte; 0 elsewhere.
    int FieldText = 0;
};

// The area of an address 0..2831; Text 0 for an address outside the image.
ImageArea ImageAreaOf(int address);

}  // namespace mox
