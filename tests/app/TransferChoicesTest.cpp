#include <gtest/gtest.h>

#include "app/TransferChoices.h"

namespace mox::test {
namespace {

class SilentRecorder : public TrafficRecorder {
public:
    void TransferStarted(TransferKind) override {}
    void Sent(const Bytes&) override {}
    void Received(const Bytes&) override {}
    void TransferEnded(bool) override {}
};

TEST(TransferChoicesTest, VerifyingAndTracingAreOffUntilChosenAndBackupsGoToTheUserDataFolder) {
    MemorySettingsStore store;
    SilentRecorder recorder;
    const std::filesystem::path userData = "/home/radio/.local/share/moxcps";

    TransferOptions options = ChosenTransferOptions(store, userData, recorder);
    EXPECT_FALSE(options.VerifyAfterWrite);
    EXPECT_EQ(options.Recorder, nullptr);
    EXPECT_EQ(options.BackupFolder, "/home/radio/.local/share/moxcps/backups");

    SetVerifyAfterWriting(store, true);
    SetRecordSerialTraffic(store, true);
    options = ChosenTransferOptions(store, userData, recorder);
    EXPECT_TRUE(options.VerifyAfterWrite);
    EXPECT_EQ(options.Recorder, &recorder);
    EXPECT_EQ(TraceFolderOf(userData), "/home/radio/.local/share/moxcps/traces");

    SetVerifyAfterWriting(store, false);
    EXPECT_FALSE(VerifyAfterWriting(store));
    EXPECT_TRUE(RecordSerialTraffic(store));

    // A program without a per-user data folder keeps nothing.
    options = ChosenTransferOptions(store, {}, recorder);
    EXPECT_TRUE(options.BackupFolder.empty());
    EXPECT_EQ(options.Recorder, nullptr);
}

}  // namespace
}  // namespace mox::test
