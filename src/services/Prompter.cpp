#include "services/Prompter.h"

namespace mox {

MsgAnswer SilentPrompter::Ask(const Prompt& prompt) {
    switch (prompt.Buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Cancel;
    }
}

}  // namespace mox
