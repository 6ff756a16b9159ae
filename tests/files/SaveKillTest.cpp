#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "files/DataFile.h"
#include "files/FileTestSupport.h"

namespace mox::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A disk syncs slowly, so most kills meet a save there while it waits for the disk; in memory they
// meet it anywhere.
constexpr int kRoundsOnDisk = 30;
constexpr int kRoundsInMemory = 120;
// A child whose parent has gone away does not save for ever.
constexpr auto kLongestChildLife = std::chrono::seconds(20);

struct Version {
    RadioData Data;
    CompanionRecord Companion;
};

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

class SaveKillTest : public FileTest {
protected:
    SaveKillTest() {
        first = {state.Data, state.Companion};
        second = first;
        second.Data.Channels.Count = 0;
        second.Data.Functions.Options.SquelchLevel = 9;
        second.Companion.AlarmMode = 0;
    }

    void SaveVersion(const Version& version) {
        state.Data = version.Data;
        state.Companion = version.Companion;
        SaveDataFile(state, windows);
    }

    // Saves the two versions in turn until killed; tells the parent through `ready` once it runs.
    [[noreturn]] void SaveForEver(int ready, unsigned parity) {
        const auto end = Clock::now() + kLongestChildLife;
        const char started = 1;
        if (::write(ready, &started, 1) != 1)
            std::_Exit(2);
        for (unsigned i = parity; Clock::now() < end; ++i)
            SaveVersion(i % 2 == 0 ? first : second);
        std::_Exit(0);
    }

    // The microseconds one save takes on this disk.
    long SaveDuration() {
        const auto start = Clock::now();
        for (int i = 0; i < 20; ++i)
            SaveVersion(i % 2 == 0 ? first : second);
        return std::max<long>(
            1, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count() / 20);
    }

    // Starts a saving child and kills it after `delayUs`.
    void KillWhileSaving(long delayUs, unsigned parity) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            SaveForEver(pipe[1], parity);
        }
        ::close(pipe[1]);
        char started = 0;
        ASSERT_EQ(::read(pipe[0], &started, 1), 1);
        ::close(pipe[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended before it was killed";
    }

    // A temporary file of a save that was killed before its rename stays; it is not part of the data.
    void RemoveLeftTemporaries(const fs::path& where) {
        for (const auto& entry : fs::directory_iterator(where)) {
            if (entry.path().filename().string().starts_with(".moxcps-save.")) {
                fs::remove(entry.path());
                ++leftTemporaries;
            }
        }
    }

    // Kills a saving child `rounds` times in `where` and checks the files after each kill.
    void KillRounds(const fs::path& where, int rounds) {
        state.Document.CurrentPath = (where / "radio.dat").string();
        const std::string dataA = Bytes(EncodeDataRecord(first.Data));
        const std::string dataB = Bytes(EncodeDataRecord(second.Data));
        const std::string companionA = std::string("V200") + static_cast<char>(first.Companion.AlarmMode);
        const std::string companionB = std::string("V200") + static_cast<char>(second.Companion.AlarmMode);
        ASSERT_NE(dataA, dataB);
        const long saveUs = SaveDuration();
        std::mt19937 random(20261210);
        std::uniform_int_distribution<long> delay(0, 2 * saveUs);
        int seenA = 0;
        int seenB = 0;

        for (int round = 0; round < rounds; ++round) {
            KillWhileSaving(delay(random), static_cast<unsigned>(round));
            RemoveLeftTemporaries(where);

            const std::string data = TempFolder::ReadFile(where / "radio.dat");
            const std::string companion = TempFolder::ReadFile(where / "radio.NVD");
            ASSERT_TRUE(data == dataA || data == dataB) << where << " round " << round << ": " << data.size();
            ASSERT_TRUE(companion == companionA || companion == companionB) << where << " round " << round;
            (data == dataA ? seenA : seenB) += 1;
        }

        // The kills met the child at different moments, not always before or after the same save.
        EXPECT_GT(seenA, 0) << where;
        EXPECT_GT(seenB, 0) << where;
        RecordProperty(where == folder.Root() ? "SaveMicrosecondsOnDisk" : "SaveMicrosecondsInMemory",
                       static_cast<int>(saveUs));
    }

    Version first;
    Version second;
    int leftTemporaries = 0;
};

TEST_F(SaveKillTest, FileIsAlwaysTheOldOrTheNewNeverAMix) {
    KillRounds(folder.Root(), kRoundsOnDisk);
    std::string memory = "/dev/shm/moxcps-kill.XXXXXX";
    if (fs::is_directory("/dev/shm") && ::mkdtemp(memory.data()) != nullptr) {
        KillRounds(memory, kRoundsInMemory);
        fs::remove_all(memory);
    }
    RecordProperty("TemporariesLeftByKills", leftTemporaries);
}

}  // namespace
}  // namespace mox::test
