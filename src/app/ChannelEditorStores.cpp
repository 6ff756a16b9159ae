#include "app/ChannelEditorStores.h"

#include "app/ChannelFieldCommand.h"
#include "channels/ChannelEditorFields.h"
#include "codecs/Frequency.h"
#include "codecs/TypedFrequency.h"

namespace mox {

namespace {

constexpr int kRxColumn = 1;
constexpr int kTxColumn = 2;

}  // namespace

void StoreEditorRx(AppState& state, int number, const std::string& text) {
    SetChannelField(state, number, kRxColumn, FormatTypedFrequency(text));
}

bool StoreEditorTx(AppState& state, int number, const std::string& text) {
    if (!IsNumericText(text))
        return false;
    SetChannelField(state, number, kTxColumn, text);
    return true;
}

void StoreEditorChoice(AppState& state, int number, int list, int storedValue) {
    SetChannelField(state, number, EditorLists()[static_cast<std::size_t>(list)].Column,
                    std::to_string(storedValue));
}

void StoreEditorCheck(AppState& state, int number, int check, bool checked) {
    SetChannelField(state, number, EditorChecks()[static_cast<std::size_t>(check)].Column,
                    checked ? "1" : "0");
}

FrequencyTexts FrequencyTextsOf(AppState& state, const ChannelRecord& record) {
    const std::string rx = CutFixedText(record.RxDigits);
    return {DigitsToDisplay(state.Model, state, rx),
            TxDisplay(state.Model, state, rx, CutFixedText(record.ShiftDigits), record.ShiftDirection,
                      state.Habit.ShowTxAsShift)};
}

}  // namespace mox
