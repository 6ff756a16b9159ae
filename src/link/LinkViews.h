#pragma once

#include <functional>
#include <string>

namespace mox {

// The modal progress window of a read or a write (FrmProgress).
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Shows the window modally with its caption, the bar at 0 and the label "0%", and calls `onShown`
    // once it is on screen: that starts the transfer. The GUI returns when the window has closed.
    virtual void OpenModal(const std::string& caption, std::function<void()> onShown) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The bar takes the percentage and the label reads it followed by "%".
    virtual void SetPercent(int percent) = 0;
    virtual void Close() = 0;
};

// What the link asks of the main window.
class LinkShell {
public:
    virtual ~LinkShell() = default;
    // Before a read: the channel list commits the value being edited.
    virtual void CommitChannelEdit() = 0;
    // Before a write: every open editor commits the value being edited.
    virtual void CommitAllEditors() = 0;
    virtual void CloseCurAllWindows() = 0;
    // After a read has been unpacked: re-caption the main window and its tree, open the channel list
    // and cascade the child windows.
    virtual void ShowReadData() = 0;
    virtual void ShowRadioInfoWindow() = 0;
    // Panel 3 of the status bar.
    virtual void ShowPortStatus(const std::string& text) = 0;
};

}  // namespace mox
