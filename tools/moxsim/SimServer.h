#pragma once

#include <csignal>
#include <cstddef>
#include <ostream>

#include "PseudoTerminal.h"
#include "SimRadio.h"

namespace mox::sim {

// Serves the radio on a pseudo-terminal: takes what the program sends, answers as the radio does,
// paces both directions like a 9600-baud line when asked, and stays silent when the program's stop
// bits or handshaking are not the radio's.
class SimServer {
public:
    // With `timestamps` every transcript line starts with the milliseconds since the server started:
    // requests when they were read, replies when they were sent.
    SimServer(SimRadio& radio, PseudoTerminal& line, bool emulateBaud, std::ostream* transcript,
              bool timestamps = false);

    // Runs until stop becomes non-zero or the radio vanishes (then the line is closed).
    void Serve(const volatile std::sig_atomic_t& stop);
    // One round: waits up to the given time for bytes and answers them. False once the radio is gone.
    bool ServeOnce(int waitMilliseconds);

private:
    void Pace(std::size_t byteCount, long long startNs);
    void WriteTranscript(long long readNs, long long sentNs);

    SimRadio& m_radio;
    PseudoTerminal& m_line;
    bool m_emulateBaud;
    std::ostream* m_transcript;
    bool m_timestamps;
    long long m_startNs;
    long long m_lineFreeNs = 0;
};

}  // namespace mox::sim
