#include <sstream>

#include "link/SerialTraceFile.h"
#include "services/NewestFiles.h"
#include "support/LinkFixture.h"

namespace mox::test {
namespace {

struct TraceLine {
    std::int64_t Ms = 0;
    std::string Direction;
    Bytes Data;
};

// The packet lines of a trace; "#" lines are notes.
std::vector<TraceLine> PacketLines(const std::string& text) {
    std::vector<TraceLine> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        TraceLine packet;
        words >> packet.Ms >> packet.Direction;
        std::string hex;
        while (words >> hex)
            packet.Data.push_back(static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16)));
        lines.push_back(packet);
    }
    return lines;
}

Bytes Joined(const std::vector<Bytes>& packets) {
    Bytes all;
    for (const Bytes& packet : packets)
        all.insert(all.end(), packet.begin(), packet.end());
    return all;
}

using SerialTraceTest = LinkFixture;

TEST_F(SerialTraceTest, AFullReadIsRecordedByteForByteInBothDirectionsInOrder) {
    std::vector<Bytes> replies;
    port.Answering = [&](const Bytes&, const Bytes& reply) {
        replies.push_back(reply);
        return reply;
    };
    time.RunFor(1000);  // times count from the transfer's start, not from the program's
    const std::filesystem::path file = folder.Root() / "read.trace";
    SerialTraceFile trace = SerialTraceFile::ToFile(time, file);
    TransferOptions options;
    options.Recorder = &trace;
    Engine().SetOptions(options);
    Read();

    const std::vector<TraceLine> lines = PacketLines(TempFolder::ReadFile(file));
    std::vector<Bytes> sent;
    Bytes received;
    std::string order;
    std::int64_t previous = 0;
    for (const TraceLine& line : lines) {
        EXPECT_GE(line.Ms, previous);
        previous = line.Ms;
        if (line.Direction == "->")
            sent.push_back(line.Data);
        else
            received.insert(received.end(), line.Data.begin(), line.Data.end());
        order += line.Direction == "->" ? 'S' : 'R';
    }
    EXPECT_EQ(sent, port.Written);
    EXPECT_EQ(received, Joined(replies));
    // Every request but the last (the end request) is followed by its reply on a line of its own.
    EXPECT_EQ(order.find("SS"), std::string::npos);
    EXPECT_EQ(lines.front().Ms, 0);
    EXPECT_LT(lines.back().Ms, 20000);
    // A full read: "PROGRAM", identify, the password block, 177 blocks and the end request.
    EXPECT_EQ(sent.size(), 181u);
    EXPECT_EQ(lines.size(), 362u);
}

TEST_F(SerialTraceTest, EachTransferGetsAFileOfItsOwnAndOnlyTheNewestAreKept) {
    const std::filesystem::path traces = folder.Root() / "traces";
    std::filesystem::create_directories(traces);
    for (int i = 0; i < 60; ++i)
        TempFolder::WriteFile(traces / ("20200101-0000" + std::to_string(10 + i) + "-read.txt"), "old");
    SerialTraceFile trace = SerialTraceFile::InFolder(time, traces);
    TransferOptions options;
    options.Recorder = &trace;
    Engine().SetOptions(options);
    Read();
    time.RunFor(500);
    Engine().ReadRMGDataFromRadio();
    ASSERT_TRUE(RunUntilIdle());

    const std::vector<std::filesystem::path> files = FilesNewestFirst(traces, ".txt");
    ASSERT_EQ(files.size(), kTracesKept);
    EXPECT_EQ(files[0], trace.Path());
    EXPECT_NE(files[0].filename().string().find("-info"), std::string::npos);
    EXPECT_NE(files[1].filename().string().find("-read"), std::string::npos);
    EXPECT_EQ(PacketLines(TempFolder::ReadFile(files[1])).size(), 362u);
    EXPECT_FALSE(std::filesystem::exists(traces / "20200101-000010-read.txt"));
}

}  // namespace
}  // namespace mox::test
