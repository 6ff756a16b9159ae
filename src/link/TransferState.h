#pragma once

#include <cstdint>
#include <string>

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
};

}  // namespace mox
