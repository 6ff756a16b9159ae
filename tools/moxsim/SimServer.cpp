#include "SimServer.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

namespace mox::sim {
namespace {

// 9600 baud with a start bit, 8 data bits and a stop bit: 10 bits a byte.
constexpr long long kByteNs = 10LL * 1000000000LL / 9600;
// A request whose rest does not come within this time is forgotten, as the radio does.
constexpr int kQuietMs = 100;
constexpr long long kSpinNs = 200000;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SimServer::SimServer(SimRadio& radio, PseudoTerminal& line, bool emulateBaud, std::ostream* transcript,
                     bool timestamps)
    : m_radio(radio),
      m_line(line),
      m_emulateBaud(emulateBaud),
      m_transcript(transcript),
      m_timestamps(timestamps),
      m_startNs(NowNs()) {}

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
        WriteTranscript(NowNs(), NowNs());
        return true;
    }
    const long long readNs = NowNs();
    mox::Bytes request = m_line.ReadAvailable();
    if (request.empty()) {
        // Woken without anything to read (a hang-up in between): do not spin.
        if (ready > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return true;
    }
    Pace(request.size(), readNs);
    if (!m_radio.AcceptsSettings(m_line.StopBits(), m_line.Handshaking())) {
        // Wrong stop bits or handshaking garble every byte: the radio understands nothing.
        m_radio.DiscardPartialRequest();
        if (m_transcript != nullptr)
            *m_transcript << "> (" << request.size() << " bytes at other line settings, not understood)\n";
        return true;
    }
    mox::Bytes reply = m_radio.Receive(request);
    if (!reply.empty()) {
        // The answer follows the request on the line at once: a late wake-up from the wait above must
        // not count as line time.
        Pace(reply.size(), m_lineFreeNs);
        m_line.Write(reply);
    }
    WriteTranscript(readNs, NowNs());
    if (m_radio.Vanished()) {
        m_line.Close();
        return false;
    }
    return true;
}

// Holds the bytes back until the line would have carried them: they start at `startNs` or when the
// line is free, whichever is later.
void SimServer::Pace(std::size_t byteCount, long long startNs) {
    if (!m_emulateBaud)
        return;
    m_lineFreeNs = std::max(m_lineFreeNs, startNs) + static_cast<long long>(byteCount) * kByteNs;
    // Sleep most of the way and spin the rest: a sleeper wakes late by a scheduler tick's fraction,
    // and over the 360 waits of a transfer that would add up to a slower line than 9600 baud.
    const long long wait = m_lineFreeNs - kSpinNs - NowNs();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
    while (NowNs() < m_lineFreeNs) {
    }
}

void SimServer::WriteTranscript(long long readNs, long long sentNs) {
    // Taken even without a transcript file: the radio would otherwise keep every line of a long run.
    const std::vector<std::string> lines = m_radio.TakeTranscript();
    if (m_transcript == nullptr)
        return;
    for (const std::string& line : lines) {
        if (m_timestamps) {
            // Microseconds as milliseconds with three decimals, without the locale's help.
            const long long us = ((line[0] == '<' ? sentNs : readNs) - m_startNs) / 1000;
            const std::string fraction = std::to_string(1000 + us % 1000).substr(1);
            *m_transcript << us / 1000 << '.' << fraction << ' ';
        }
        *m_transcript << line << '\n';
    }
    m_transcript->flush();
}

}  // namespace mox::sim
