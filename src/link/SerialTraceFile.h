#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>

#include "link/Timer.h"
#include "link/TrafficRecorder.h"

namespace mox {

constexpr std::size_t kTracesKept = 50;

// The serial traffic as text, one packet per line: milliseconds since the transfer started, "->" for
// what the program sent or "<-" for what it received, and the bytes in hexadecimal. Lines go through
// the stream's buffer and reach the disk when the transfer ends, so recording costs the transfer no
// time on the line.
class SerialTraceFile : public TrafficRecorder {
public:
    // Every transfer into this one file, which is begun anew now.
    static SerialTraceFile ToFile(const Clock& clock, const std::filesystem::path& file);
    // Each transfer into a file of its own in the folder, "YYYYMMDD-HHMMSS-<kind>.txt"; the newest
    // kTracesKept are kept.
    static SerialTraceFile InFolder(const Clock& clock, const std::filesystem::path& folder);

    // False when the file could not be made.
    bool IsGood() const { return m_folder.empty() ? m_out.good() : true; }
    // The file of the last transfer.
    const std::filesystem::path& Path() const { return m_path; }

    void TransferStarted(TransferKind kind) override;
    void Sent(const Bytes& bytes) override;
    void Received(const Bytes& bytes) override;
    void TransferEnded(bool success) override;

private:
    explicit SerialTraceFile(const Clock& clock) : m_clock(&clock) {}
    void WriteLine(const char* direction, const Bytes& bytes);

    const Clock* m_clock;
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
    std::ofstream m_out;
    std::int64_t m_start = 0;
};

}  // namespace mox
