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
};

class NoViews : public Views {
public:
    void ChannelChanged(int) override {}
    void ChannelReferencesChanged() override {}
};

}  // namespace mox
