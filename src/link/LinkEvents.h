#pragma once

#include <deque>
#include <functional>

namespace mox {

// The link's events (a reply, the reply timer, a lost port, the read-done timer) one at a time. A
// handler that asks the user something runs a nested event loop, and everything the port and the
// timers report meanwhile waits here until that handler has returned: no handler ever runs inside
// another one.
class LinkEvents {
public:
    // Runs the event now, or after the handler that is running and every event queued before it.
    void Post(std::function<void()> event);
    // A handler runs, or events wait for it.
    bool Busy() const { return m_running; }

private:
    bool m_running = false;
    std::deque<std::function<void()>> m_waiting;
};

}  // namespace mox
