// Writes the default data files that New starts from, one per model for band 0, into the folder
// given on the command line (the program folder's Init folder).

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "app/AppState.h"
#include "app/NewRadioData.h"
#include "codecs/Frequency.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"
#include "image/ChannelTable.h"
#include "image/Today.h"

namespace {

// A dealer starts from four simplex channels of group 1 around the middle of band 0, 25 kHz apart;
// New keeps only channel 1, the Initialise command all four.
constexpr const char* kDealerChannels[] = {"440.00000", "440.02500", "440.05000", "440.07500"};

bool WriteDefaults(const std::filesystem::path& folder, const std::string& modelCode) {
    mox::AppState state;
    state.Model.ModelCode = modelCode;
    mox::BuildNewRadioData(state, mox::TodayFromSystemClock());
    state.Data.Channels.Count = 0;
    int number = 1;
    for (const char* frequency : kDealerChannels) {
        if (mox::ChannelRecord* channel =
                mox::AppendDefaultChannel(state.Data.Channels, state.Model, number++, frequency))
            mox::SettleStepClasses(state.Model, state, *channel);
    }
    state.Document.CurrentPath = (folder / (modelCode + "_0.dat")).string();
    mox::NoDocumentWindows windows;
    if (mox::SaveDataFile(state, windows))
        return true;
    std::cerr << "moxinit: cannot write " << state.Document.CurrentPath << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: moxinit <Init folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "moxinit: cannot create " << folder.string() << ": " << error.message() << "\n";
        return 1;
    }
    const bool written = WriteDefaults(folder, "RB516") && WriteDefaults(folder, "RB516G");
    return written ? 0 : 1;
}
