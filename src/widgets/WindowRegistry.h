#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mox {

// How the windows reach each other. The main window keeps this registry: the windows the program
// offers, by window name ("frmCommChInfo", "FrmCHInfoEdit", "FrmScan", ...), and the child windows
// that are open. A window's folder never includes another window's folder nor the main window's:
//
// - Each ui folder registers its windows in one function (RegisterEditorWindows, ...) that takes this
//   registry and the program's state; the main window calls them when it is built.
// - A window that opens, brings forward or closes another one calls ShowOrFocusWindow or
//   CloseWindowByName with that window's name; FindWindow gives an open one, or nullptr.
// - After the core changed records, it tells the open windows through the Views interface of the
//   services (ChannelChanged, ChannelReferencesChanged); the main window forwards each call to the
//   open window concerned by its slot (reShowGrid, SetGridEditData, ReshowByCh).
class WindowRegistry {
public:
    // Creates one window; the main window makes it a child window.
    using WindowFactory = std::function<QWidget*()>;

    // Offers the window of this name; the commands that open it become available.
    virtual void RegisterWindow(const QString& name, WindowFactory factory) = 0;
    // Brings an open window of this name to the front; otherwise opens it as a child window and
    // cascades all child windows. Returns the window, or nullptr when no such window is offered.
    virtual QWidget* ShowOrFocusWindow(const QString& name) = 0;
    virtual void CloseWindowByName(const QString& name) = 0;
    virtual QWidget* FindWindow(const QString& name) const = 0;

protected:
    ~WindowRegistry() = default;
};

}  // namespace mox
