#pragma once

// The question before a paste or a delete (FrmMsgConfirm) and what its answer does to the habits.

#include "channels/ChannelEditState.h"

namespace mox {

enum class ConfirmKind { Paste = 1, Delete = 2 };

// Yes or no, and the "do not ask again" box.
struct ConfirmAnswer {
    bool Yes = false;
    bool DoNotAskAgain = false;
};

// True unless the habits say to go on without asking.
bool AsksFirst(const Habits& habits, ConfirmKind kind);
// The text of the question: paste asks whether to insert, delete whether to close the gap.
int ConfirmQuestionText(ConfirmKind kind);
// Yes makes paste insert (or delete close the gap) and no makes it overwrite (or leave a gap); the box
// decides whether the question comes again. The caller then writes Habit.ini.
void TakeConfirmAnswer(Habits& habits, ConfirmKind kind, ConfirmAnswer answer);

}  // namespace mox
