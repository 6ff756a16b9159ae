#include "channels/ChannelCommandQuestion.h"

namespace mox {

bool AsksFirst(const Habits& habits, ConfirmKind kind) {
    return kind == ConfirmKind::Paste ? !habits.PasteNoPrompt : !habits.DeleteNoPrompt;
}

int ConfirmQuestionText(ConfirmKind kind) {
    return kind == ConfirmKind::Paste ? 28001 : 28002;
}

void TakeConfirmAnswer(Habits& habits, ConfirmKind kind, ConfirmAnswer answer) {
    if (kind == ConfirmKind::Paste) {
        habits.PasteInserts = answer.Yes;
        habits.PasteNoPrompt = answer.DoNotAskAgain;
    } else {
        habits.DeleteRemoves = answer.Yes;
        habits.DeleteNoPrompt = answer.DoNotAskAgain;
    }
}

}  // namespace mox
