#pragma once

// The channel editor's stores and frequency texts: each control of the editor changes its channel
// through SetChannelField, as the channel list does.

#include <string>

#include "app/AppState.h"

namespace mox {

// The receive frequency is stored formatted as a committed cell shows it ("435.125" as "435.12500").
void StoreEditorRx(AppState& state, int number, const std::string& text);
// A transmit text that is no number is not stored (false); the refresh then shows the stored value.
bool StoreEditorTx(AppState& state, int number, const std::string& text);
// A list stores the value offered at the chosen entry, a check box 1 or 0.
void StoreEditorChoice(AppState& state, int number, int list, int storedValue);
void StoreEditorCheck(AppState& state, int number, int check, bool checked);

// The receive frequency and the transmit frequency (or, while the shift is shown, the signed shift)
// of a channel as its text boxes show them.
struct FrequencyTexts {
    std::string Rx;
    std::string Tx;
};
FrequencyTexts FrequencyTextsOf(AppState& state, const ChannelRecord& record);

}  // namespace mox
