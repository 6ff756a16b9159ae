#include "SimServer.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace mox::sim {
namespace {

// 9600 baud with a start bit, 8 data bits and a stop bit: 10 bits a byte.
constexpr long long kByteNs = 10LL * 1000000000LL / 9600;
// A request whose rest does not come within this time is forgotten, as the radio does.
constexpr int kQuietMs = 100;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SimServer::SimServer(SimRadio& radio, PseudoTerminal& line, bool emulateBaud, std::ostream* transcript)
    : m_radio(radio), m_line(line), m_emulateBaud(emulateBaud), m_transcript(transcript) {}

void SimServer::Serve(const volatile std::sig_atomic_t& stop) {
    while (stop == 0 && ServeOnce(kQuietMs)) {
    }
}

bool SimServer::ServeOnce(int waitMilliseconds) {
    if (!m_line.IsOpen())
        return false;
    pollfd waiting{m_line.MasterFd(), POLLIN, 0};
    int ready = poll(&waiting, 1, waitMilliseconds);
    if (ready == 0) {
        m_radio.DiscardPartialRequest();
        WriteTranscript();
        return true;
    }
    mox::Bytes request = m_line.ReadAvailable();
    if (request.empty()) {
        // Woken without anything to read (a hang-up in between): do not spin.
        if (ready > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return true;
    }
    Pace(request.size());
    if (!m_radio.AcceptsSettings(m_line.StopBits(), m_line.Handshaking())) {
        // Wrong stop bits or handshaking garble every byte: the radio understands nothing.
        m_radio.DiscardPartialRequest();
        if (m_transcript != nullptr)
            *m_transcript << "> (" << request.size() << " bytes at other line settings, not understood)\n";
        return true;
    }
    mox::Bytes reply = m_radio.Receive(request);
    if (!reply.empty()) {
        Pace(reply.size());
        m_line.Write(reply);
    }
    WriteTranscript();
    if (m_radio.Vanished()) {
        m_line.Close();
        return false;
    }
    return true;
}

// Holds the bytes back until the line would have carried them: they follow what is on the line already.
void SimServer::Pace(std::size_t byteCount) {
    if (!m_emulateBaud)
        return;
    m_lineFreeNs = std::max(m_lineFreeNs, NowNs()) + static_cast<long long>(byteCount) * kByteNs;
    long long wait = m_lineFreeNs - NowNs();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
}

void SimServer::WriteTranscript() {
    const auto& lines = m_radio.Transcript();
    if (m_transcript == nullptr) {
        m_transcribed = lines.size();
        return;
    }
    for (; m_transcribed < lines.size(); ++m_transcribed)
        *m_transcript << lines[m_transcribed] << '\n';
    m_transcript->flush();
}

}  // namespace mox::sim
