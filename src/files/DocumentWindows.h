#pragma once

namespace mox {

// What the file commands ask of the main window. The GUI forwards each call to frmMain; the
// command-line tool has no windows and ignores them.
class DocumentWindows {
public:
    virtual ~DocumentWindows() = default;
    // CloseCurAllWindows: every window but the main window.
    virtual void CloseAllChildWindows() = 0;
    virtual void OpenChannelList() = 0;
    // The caption with the model, band and current file name.
    virtual void ShowMainTxt() = 0;
    // Change_Language: all texts of the main window again.
    virtual void ChangeLanguage() = 0;
    virtual void ArrangeCascade() = 0;
    // Closes the child windows and creates new data once they are gone (NewDocTimer).
    virtual void LoadNewDoc() = 0;
};

class NoDocumentWindows : public DocumentWindows {
public:
    void CloseAllChildWindows() override {}
    void OpenChannelList() override {}
    void ShowMainTxt() override {}
    void ChangeLanguage() override {}
    void ArrangeCascade() override {}
    void LoadNewDoc() override {}
};

}  // namespace mox
