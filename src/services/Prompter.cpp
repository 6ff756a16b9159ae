#include "services/Prompter.h"

namespace mox {

MsgAnswer SafeAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Cancel;
    }
}

MsgAnswer SilentPrompter::Ask(const Prompt& prompt) {
    return SafeAnswer(prompt.Buttons);
}

}  // namespace mox
