#pragma once

#include "widgets/WindowRegistry.h"

class QMenu;

namespace mox {

// The main window as the channel list sees it: the registry of windows, and the tree and the channel
// commands that follow the channel list.
class ChannelListHost : public WindowRegistry {
public:
    // Rebuilds the navigation tree.
    virtual void LoadTree() = 0;
    // Shows or hides the channel edit menu and the channel command buttons of the tool bar.
    virtual void ShowCHInfo(bool rShow) = 0;
    // The channel edit menu, which the channel list also shows as a pop-up.
    virtual QMenu* ChannelEditMenu() const = 0;
    // Enables the channel commands for the channel at the channel list's current position.
    virtual void UpdateChannelCommandEnabling(int number) = 0;

protected:
    ~ChannelListHost() = default;
};

}  // namespace mox
