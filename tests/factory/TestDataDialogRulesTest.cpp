#include <gtest/gtest.h>

#include <deque>

#include "factory/TestDataText.h"
#include "files/TestDataCommands.h"
#include "support/TempFolder.h"

namespace mox {
namespace {

using test::TempFolder;

TEST(TestDataTextTest, ABoxHoldsOnlyANumberFrom0To255) {
    const std::pair<const char*, const char*> cases[] = {
        {"300", "255"}, {"256", "255"}, {"255", "255"}, {"", "0"},    {"007", "7"},    {"000", "0"},
        {"12a", "0"},   {"-5", "0"},    {" 5", "0"},    {"1.5", "0"}, {"9999", "255"},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(CheckTestDataText(typed), shown) << '"' << typed << '"';
        EXPECT_EQ(TestDataByteOf(typed), std::stoi(shown)) << '"' << typed << '"';
    }
}

// Answers the file dialogs from a script and keeps what they were asked.
class FakeFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string&) override {
        Filters.push_back(filter);
        return Next();
    }
    std::optional<std::string> SaveFileName(const std::string& filter, const std::string& proposed) override {
        Filters.push_back(filter);
        Proposed.push_back(proposed);
        return Next();
    }

    std::deque<std::optional<std::string>> Answers;
    std::vector<std::string> Filters;
    std::vector<std::string> Proposed;

private:
    std::optional<std::string> Next() {
        if (Answers.empty())
            return std::nullopt;
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class TestDataCommandsTest : public ::testing::Test {
protected:
    TestDataCommandsTest() { state.Paths = folder.Paths(); }

    std::string PathOf(const std::string& name) const { return (folder.Root() / name).string(); }

    TempFolder folder;
    DocumentContext state;
    FakeFileDialogs dialogs;
};

TEST_F(TestDataCommandsTest, SaveProposesTheDocumentsNameWithTedAndNeverTheDataFile) {
    TestData copy{};
    copy[0] = 200;
    state.Document.CurrentPath = PathOf("abc.dat");
    dialogs.Answers = {PathOf("abc.ted")};
    ASSERT_TRUE(SaveTestDataCommand(state, dialogs, copy));
    EXPECT_EQ(dialogs.Proposed.back(), PathOf("abc.ted"));
    EXPECT_EQ(dialogs.Filters.back(), "Test Data File (*.ted)|*.ted");
    EXPECT_EQ(TempFolder::ReadFile(PathOf("abc.ted")), "\xC8" + std::string(15, '\0'));

    // A document that is itself called *.ted gets no name proposed, only its folder.
    state.Document.CurrentPath = PathOf("odd.ted");
    EXPECT_FALSE(SaveTestDataCommand(state, dialogs, copy));
    EXPECT_EQ(dialogs.Proposed.back(), folder.Root().string());

    // New data proposes new.ted.
    state.Document.CurrentPath = "new.dat";
    SaveTestDataCommand(state, dialogs, copy);
    EXPECT_TRUE(dialogs.Proposed.back().ends_with("new.ted")) << dialogs.Proposed.back();
}

TEST_F(TestDataCommandsTest, LoadTakesAFileOf16BytesAndNothingElse) {
    TestData copy{};
    copy[3] = 9;
    TempFolder::WriteFile(PathOf("short.ted"), "short");
    dialogs.Answers = {std::nullopt, PathOf("missing.ted"), PathOf("short.ted")};
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(LoadTestDataCommand(state, dialogs, copy));
    EXPECT_EQ(copy[3], 9);

    TempFolder::WriteFile(PathOf("cal.ted"), std::string(16, '\x07'));
    dialogs.Answers = {PathOf("cal.ted")};
    ASSERT_TRUE(LoadTestDataCommand(state, dialogs, copy));
    EXPECT_EQ(copy[3], 7);
    EXPECT_EQ(copy[15], 7);
}

}  // namespace
}  // namespace mox
