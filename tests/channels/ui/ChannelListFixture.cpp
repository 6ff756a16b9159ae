#include "ChannelListFixture.h"

namespace mox::test {

void RecordingChannelEditor::SetGridEditData(bool rIsGridChange) {
    if (rIsGridChange)
        Followed.emplace_back(m_state.ChannelEdit.EditGroup, m_state.ChannelEdit.EditRow);
}

}  // namespace mox::test
