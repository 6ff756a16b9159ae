#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <sstream>

#include "PseudoTerminal.h"
#include "SimServer.h"

namespace mox::sim {
namespace {

// The program's end of the line: the slave device, raw, with the stop bits given.
class ProgramSide {
public:
    ProgramSide(const std::string& path, int stopBits) {
        m_fd = open(path.c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(m_fd, &t);
        cfmakeraw(&t);
        if (stopBits == 2)
            t.c_cflag |= CSTOPB;
        tcsetattr(m_fd, TCSANOW, &t);
    }
    ~ProgramSide() { close(m_fd); }
    void Send(const mox::Bytes& bytes) {
        ASSERT_EQ(write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    mox::Bytes Receive(int waitMs) {
        pollfd p{m_fd, POLLIN, 0};
        mox::Bytes bytes(64);
        if (poll(&p, 1, waitMs) <= 0)
            return {};
        ssize_t n = read(m_fd, bytes.data(), bytes.size());
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return bytes;
    }

private:
    int m_fd = -1;
};

const mox::Bytes kProgram = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};

TEST(SimServer, AnswersOverThePseudoTerminalAndWritesTheTranscript) {
    PseudoTerminal line;
    ASSERT_TRUE(line.IsOpen()) << line.Error();
    SimRadio radio;
    std::ostringstream transcript;
    SimServer server(radio, line, false, &transcript);
    ProgramSide program(line.SlavePath(), 1);
    program.Send(kProgram);
    ASSERT_TRUE(server.ServeOnce(1000));
    EXPECT_EQ(program.Receive(1000), (mox::Bytes{'R', 'B', 0x06}));
    EXPECT_EQ(transcript.str(), "> 50 52 4F 47 52 41 4D\n< 52 42 06\n");
}

TEST(SimServer, KeepsNoRequestsOrRepliesInMemory) {
    PseudoTerminal line;
    SimRadio radio;
    std::ostringstream transcript;
    for (std::ostream* file :
         {static_cast<std::ostream*>(nullptr), static_cast<std::ostream*>(&transcript)}) {
        SimServer server(radio, line, false, file);
        ProgramSide program(line.SlavePath(), 1);
        for (int request = 0; request < 3; ++request) {
            program.Send(kProgram);
            ASSERT_TRUE(server.ServeOnce(1000));
            EXPECT_EQ(program.Receive(1000).size(), 3u);
        }
        EXPECT_TRUE(radio.Transcript().empty());
    }
    const std::string written = transcript.str();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 6);
}

TEST(SimServer, StaysSilentAtOtherStopBits) {
    PseudoTerminal line;
    SimConfig config;
    config.StopBits = 2;
    SimRadio radio(config);
    SimServer server(radio, line, false, nullptr);
    {
        ProgramSide program(line.SlavePath(), 1);
        program.Send(kProgram);
        server.ServeOnce(1000);
        EXPECT_TRUE(program.Receive(50).empty());
    }
    ProgramSide program(line.SlavePath(), 2);
    program.Send(kProgram);
    server.ServeOnce(1000);
    EXPECT_EQ(program.Receive(1000).size(), 3u);
}

TEST(SimServer, TakesAsLongAsA9600BaudLineForRequestAndReply) {
    PseudoTerminal line;
    SimRadio radio;
    SimServer server(radio, line, true, nullptr);
    ProgramSide program(line.SlavePath(), 1);
    const auto start = std::chrono::steady_clock::now();
    program.Send(kProgram);
    server.ServeOnce(1000);
    ASSERT_EQ(program.Receive(1000).size(), 3u);
    const auto took = std::chrono::steady_clock::now() - start;
    // Ten bytes of ten bits at 9600 baud: 10.4 ms.
    EXPECT_GE(took, std::chrono::microseconds(10400));
    EXPECT_LT(took, std::chrono::milliseconds(1000));
}

TEST(SimServer, ClosesTheLineWhenTheRadioVanishes) {
    PseudoTerminal line;
    SimConfig config;
    config.Faults.VanishAfterRequest = 1;
    SimRadio radio(config);
    SimServer server(radio, line, false, nullptr);
    ProgramSide program(line.SlavePath(), 1);
    program.Send(kProgram);
    EXPECT_FALSE(server.ServeOnce(1000));
    EXPECT_FALSE(line.IsOpen());
}

}  // namespace
}  // namespace mox::sim
