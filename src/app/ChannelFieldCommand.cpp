#include "app/ChannelFieldCommand.h"

#include "app/EditSteps.h"
#include "files/DocumentEdits.h"

namespace mox {

ChannelFieldContext ChannelFieldsOf(AppState& state) {
    return {state.Data, state.Model, state.Habit.ShowTxAsShift, state, *state.Redraw};
}

void SetChannelField(AppState& state, int number, int column, const std::string& value) {
    SetChannelField(ChannelFieldsOf(state), number, column, value);
    RecordEdit(state, ChannelFieldStep(number, column));
}

}  // namespace mox
