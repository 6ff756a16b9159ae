#pragma once

namespace mox {

// The windows that must follow a change of the records. The core calls these after it changed
// channels; the main window forwards each call to the open window concerned and ignores it when that
// window is closed.
class Views {
public:
    virtual ~Views() = default;
    // The channel grid redraws the row of this channel; the channel editor reloads its values.
    virtual void ChannelChanged(int number) = 0;
    // The scan and alert windows show their channel choices again (ReshowByCh).
    virtual void ChannelReferencesChanged() = 0;

    // The channel list and the channel editor stay in step through the shared edit position
    // (ChannelEditState). Whoever has nothing to follow ignores these.
    //
    // The channel list entered a cell or showed another group: the channel editor shows the channel
    // at EditGroup and EditRow (SetGridEditData(true)).
    virtual void EditPositionChanged() {}
    // The channel editor chose another group: the channel list shows group EditGroup (ChangeGroup).
    virtual void EditGroupChanged() {}
    // The undo or redo steps changed: the Edit menu names the next ones.
    virtual void HistoryChanged() {}
};

class NoViews : public Views {
public:
    void ChannelChanged(int) override {}
    void ChannelReferencesChanged() override {}
};

}  // namespace mox
