#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/LinkSettings.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "link/Timer.h"
#include "services/ProgramServices.h"

namespace mox {

// The first-run window (`LoadFrmLink`) as the core sees it.
class FirstRunView {
public:
    virtual ~FirstRunView() = default;
    // The drop-down list of ports ("COM" and the number, then the device behind it) and the selected
    // entry, -1 for none.
    virtual void ShowPortEntries(const std::vector<std::string>& entries, int selected) = 0;
    virtual void CloseWindow() = 0;
};

// The first-run link search: the user picks the port of the cable, OK calls the radio there with
// "PROGRAM" up to four times, and the first acknowledgement clears the first-run flag and closes the
// window. The window has a port object of its own; the port chosen becomes the link settings' port.
class FirstRunSearch {
public:
    FirstRunSearch(const ProgramServices& program, LinkSettings& link, SerialPort& port, TimerFactory& timers,
                   PortMap& ports, FirstRunView& view);
    ~FirstRunSearch();
    FirstRunSearch(const FirstRunSearch&) = delete;
    FirstRunSearch& operator=(const FirstRunSearch&) = delete;

    // The instructions of the window, one per line.
    static std::string Instructions(const Messages& messages);

    // The window opens: the port list and its selection; the list is refreshed every second.
    void Load();
    // The user picked an entry (-1: the selection was cleared).
    void SelectEntry(int index);
    void OkClicked();
    // The window closes in any way, Cancel included.
    void Closed();

    const std::vector<std::string>& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }

private:
    void RefreshList();
    void SendProgram();
    void OnLinkWait();
    void OnBytesArrived();
    void OnEnd();
    void OnPortLost();

    const ProgramServices& m_program;
    LinkSettings& m_link;
    SerialPort& m_port;
    PortMap& m_ports;
    FirstRunView& m_view;
    std::unique_ptr<OneShotTimer> m_reCommTimer;
    std::unique_ptr<OneShotTimer> m_linkWaitTimer;
    std::unique_ptr<OneShotTimer> m_endTimer;
    std::vector<std::string> m_entries;
    std::vector<int> m_numbers;
    int m_selected = -1;
    int m_attempts = 0;
};

}  // namespace mox
