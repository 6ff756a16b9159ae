#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/NewRadioData.h"
#include "files/DataFileLayout.h"
#include "files/DocumentWindows.h"
#include "files/FileDialogs.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

namespace mox::test {

// Answers the file dialogs from a script; nothing (cancel) once the script is used up.
class ScriptedDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFileName(const std::string&, const std::string& folder) override {
        Folders.push_back(folder);
        return Next();
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string& proposed) override {
        Proposed.push_back(proposed);
        return Next();
    }

    std::deque<std::optional<std::string>> Answers;
    std::vector<std::string> Folders;  // where the open dialogs started
    std::vector<std::string> Proposed;
    int Shown = 0;

private:
    std::optional<std::string> Next() {
        ++Shown;
        if (Answers.empty())
            return std::nullopt;
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class RecordingWindows : public DocumentWindows {
public:
    void CloseAllChildWindows() override { Calls.push_back("close"); }
    void OpenChannelList() override { Calls.push_back("channels"); }
    void ShowMainTxt() override { Calls.push_back("caption"); }
    void ChangeLanguage() override { Calls.push_back("language"); }
    void ArrangeCascade() override { Calls.push_back("cascade"); }
    void LoadNewDoc() override { Calls.push_back("new"); }

    std::vector<std::string> Calls;
};

// A state on a temporary installation that handles "V200" files, holding new data made on a fixed day.
class FileTest : public ::testing::Test {
protected:
    FileTest() {
        state.Paths = folder.Paths();
        state.Prompts = &prompts;
        state.Versions.Firm = {{"V200", "V200"}};
        BuildNewRadioData(state, Today{"2024-07-09", 7});
    }

    std::string PathOf(const std::string& name) const { return (folder.Root() / name).string(); }

    // A data file holding `data`, cut or padded to `size` bytes.
    void WriteDataFile(const std::string& path, const RadioData& data,
                       std::size_t size = kDataFileSize) const {
        std::vector<std::uint8_t> bytes = EncodeDataRecord(data);
        bytes.resize(size, 0);
        TempFolder::WriteFile(path, std::string(bytes.begin(), bytes.end()));
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompter prompts;
    ScriptedDialogs dialogs;
    RecordingWindows windows;
};

}  // namespace mox::test
