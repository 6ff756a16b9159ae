#include "link/LinkEvents.h"

#include <utility>

namespace mox {

void LinkEvents::Post(std::function<void()> event) {
    m_waiting.push_back(std::move(event));
    if (m_running)
        return;
    m_running = true;
    // A handler that throws must not leave every later event waiting for ever.
    struct Done {
        bool& Running;
        ~Done() { Running = false; }
    } done{m_running};
    while (!m_waiting.empty()) {
        const std::function<void()> next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
}

}  // namespace mox
