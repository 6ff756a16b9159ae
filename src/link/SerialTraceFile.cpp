#include "link/SerialTraceFile.h"

#include <chrono>
#include <string>
#include <system_error>

#include "services/NewestFiles.h"

namespace mox {

namespace {

const char* KindName(TransferKind kind) {
    switch (kind) {
        case TransferKind::ReadImage:
            return "read";
        case TransferKind::WriteImage:
            return "write";
        case TransferKind::ReadRadioInfo:
            return "info";
        default:
            return "search";
    }
}

std::string NowStamp() {
    return TimeStampText(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

}  // namespace

SerialTraceFile SerialTraceFile::ToFile(const Clock& clock, const std::filesystem::path& file) {
    SerialTraceFile trace(clock);
    trace.m_path = file;
    trace.m_out.open(file, std::ios::binary | std::ios::trunc);
    return trace;
}

SerialTraceFile SerialTraceFile::InFolder(const Clock& clock, const std::filesystem::path& folder) {
    SerialTraceFile trace(clock);
    trace.m_folder = folder;
    return trace;
}

void SerialTraceFile::TransferStarted(TransferKind kind) {
    const std::string stamp = NowStamp();
    if (!m_folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(m_folder, error);
        m_out.close();
        m_out.clear();
        m_path = FreeFileName(m_folder, stamp + "-" + KindName(kind), ".txt");
        m_out.open(m_path, std::ios::binary | std::ios::trunc);
        KeepNewestFiles(m_folder, ".txt", kTracesKept);
    }
    m_start = m_clock->NowMilliseconds();
    m_out << "# " << KindName(kind) << ' ' << stamp << '\n';
}

void SerialTraceFile::Sent(const Bytes& bytes) {
    WriteLine("->", bytes);
}

void SerialTraceFile::Received(const Bytes& bytes) {
    WriteLine("<-", bytes);
}

void SerialTraceFile::TransferEnded(bool success) {
    m_out << "# " << (success ? "done" : "failed") << '\n';
    m_out.flush();
    if (!m_folder.empty())
        m_out.close();
}

void SerialTraceFile::WriteLine(const char* direction, const Bytes& bytes) {
    if (!m_out.is_open())
        return;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line = std::to_string(m_clock->NowMilliseconds() - m_start);
    line.insert(0, line.size() < 6 ? 6 - line.size() : 0, ' ');
    line += ' ';
    line += direction;
    for (const std::uint8_t byte : bytes) {
        line += ' ';
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    }
    line += '\n';
    m_out << line;
}

}  // namespace mox
