#include "channels/ChannelEditorView.h"

#include "image/ChannelTable.h"

namespace mox {

namespace {

void ShowLists(ChannelEditorContents& shown, const ChannelRecord& record, const DtmfSettings& dtmf) {
    for (std::size_t i = 0; i < kEditorListCount; ++i) {
        const EditorList& list = EditorLists()[i];
        shown.Offered[i] = OfferedValues(list, record, dtmf);
        shown.ShownEntry[i] = EntryOfValue(shown.Offered[i], record.*list.Field);
    }
}

// Reverse and talkaround exclude each other: the list decides which of the two check boxes applies.
void ShowChecks(ChannelEditorContents& shown, const ChannelRecord& record) {
    for (std::size_t i = 0; i < kEditorCheckCount; ++i) {
        shown.Checked[i] = record.*EditorChecks()[i].Field != 0;
        shown.CheckEnabled[i] = true;
    }
    const bool talkaround = shown.ShownEntry[kReverseOrTalkaroundList] == 1;
    shown.CheckEnabled[kTalkaroundCheck] = talkaround;
    shown.CheckEnabled[kReverseCheck] = !talkaround;
}

}  // namespace

int EditorChannelNumber(int groupIndex, int position) {
    return kPositionsPerGroup * groupIndex + position;
}

ChannelEditorContents ShowChannelInEditor(ChannelTable& table, const DtmfSettings& dtmf, int number) {
    ChannelEditorContents shown;
    ChannelRecord* record = FindChannel(table, number);
    if (record == nullptr) {
        shown.ShownEntry.fill(-1);
        return shown;
    }
    shown.Exists = true;
    SettleBusyLock(*record);
    ShowLists(shown, *record, dtmf);
    ShowChecks(shown, *record);
    return shown;
}

int TakeEditorChoosers(ChannelEditState& edit, Views& views, int groupIndex, int position) {
    if (groupIndex != edit.EditGroup) {
        edit.EditGroup = groupIndex;
        views.EditGroupChanged();
    }
    edit.EditRow = position < 1 ? 1 : position;
    return EditorChannelNumber(groupIndex, edit.EditRow);
}

}  // namespace mox
