#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mox {

enum class TransferKind { None = 0, ReadImage = 1, WriteImage = 2, ReadRadioInfo = 3, SettingsSearch = 9 };

enum class TransferStep {
    Idle,
    ProgramSent,
    IdentifySent,
    PasswordBlockSent,
    WritingBlocks,
    ReadingBlocks,
    EndSent
};

// What the radio said of itself in its identification reply.
struct RadioIdentity {
    std::string ModelCode;
    std::uint8_t BandCode = 0;
    std::string Version;
    std::uint8_t FeatureByte = 0;
};

struct TransferState {
    TransferKind Kind = TransferKind::None;
    TransferStep Step = TransferStep::Idle;
    RadioIdentity Identity;

    // Parameters of the running transfer, set when the port is opened for it.
    int BlockLength = 16;
    int CurrentAddress = -16;
    int LastAddress = 2831;

    // Counters of the running transfer.
    int ProgramAttempts = 0;
    int IdentifyRetries = 3;
    int PasswordBlockRetries = 3;
    // One entry per 16-byte block, index = address / 16.
    std::vector<int> BlockRetries;
    // The factory test block has no address in the image, so it keeps its own count.
    int TestBlockRetries = 3;
    bool TestBlockInFlight = false;
    int ShownPercent = 0;

    // Replies are taken only while this is set: from "PROGRAM" until the transfer ends or the failure
    // question is asked.
    bool Waiting = false;
    // The length of the reply the last request asked for.
    std::size_t ExpectedReplyLength = 1;
};

}  // namespace mox
