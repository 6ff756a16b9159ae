#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "IncludeFloors.h"
#include "support/BuildPaths.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(LayeringTest, TheSourceKeepsItsFloors) {
    const std::vector<IncludeLine> includes = ReadIncludes(SourceTree() / "src");
    ASSERT_GT(includes.size(), 100u);
    EXPECT_THAT(FloorFaults(includes), IsEmpty());
}

TEST(LayeringTest, IncludesDownwardsWithinAndAcrossFloorsPass) {
    const std::vector<IncludeLine> includes = {
        {"image/ChannelPacking.cpp", 3, "codecs/Frequency.h", false},
        {"image/ChannelPacking.cpp", 4, "image/ChannelPacking.h", false},
        {"files/DataFile.cpp", 5, "factory/TestDataFile.h", false},
        {"link/ui/FrmLink.cpp", 2, "QLabel", true},
        {"link/ui/FrmLink.cpp", 3, "widgets/ButtonRow.h", false},
        {"app/ui/frmMain.cpp", 7, "editors/ui/EditorWindows.h", false},
        {"codecs/Frequency.cpp", 1, "string", true},
    };
    EXPECT_THAT(FloorFaults(includes), IsEmpty());
}

TEST(LayeringTest, AnIncludeOfAFloorAboveIsNamedByFileAndLine) {
    const std::vector<IncludeLine> includes = {
        {"codecs/Frequency.h", 12, "app/AppState.h", false},
        {"editors/ui/FrmRadioInfo.cpp", 8, "app/ui/frmMain.h", false},
        {"link/LinkChannel.cpp", 4, "platform/QtTimers.h", false},
    };
    EXPECT_THAT(FloorFaults(includes),
                ElementsAre("src/codecs/Frequency.h:12: codecs includes app, a floor above it",
                            "src/editors/ui/FrmRadioInfo.cpp:8: editors/ui includes app/ui, a floor above it",
                            "src/link/LinkChannel.cpp:4: link includes platform, a floor above it"));
}

TEST(LayeringTest, FoldersOnOneFloorMustNotIncludeEachOtherAroundACircle) {
    const std::vector<IncludeLine> includes = {
        {"channels/ui/frmCommChInfo.cpp", 6, "editors/ui/FrmScan.h", false},
        {"editors/ui/FrmScan.cpp", 9, "channels/ui/frmCommChInfo.h", false},
        {"files/DataFile.cpp", 5, "factory/TestDataFile.h", false},
    };
    const std::vector<std::string> faults = FloorFaults(includes);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_THAT(faults[0], HasSubstr("around a circle"));
    EXPECT_THAT(faults[0], HasSubstr("channels/ui -> editors/ui (src/channels/ui/frmCommChInfo.cpp:6)"));
    EXPECT_THAT(faults[0], HasSubstr("editors/ui -> channels/ui (src/editors/ui/FrmScan.cpp:9)"));
}

TEST(LayeringTest, QtInACoreFolderIsNamed) {
    const std::vector<IncludeLine> includes = {
        {"link/TransferEngine.cpp", 2, "QTimer", true},
        {"app/Startup.cpp", 3, "QtCore/QString", true},
        {"platform/QtTimers.h", 3, "QTimer", true},
    };
    EXPECT_THAT(FloorFaults(includes),
                ElementsAre("src/link/TransferEngine.cpp:2: the core folder link includes Qt (<QTimer>)",
                            "src/app/Startup.cpp:3: the core folder app includes Qt (<QtCore/QString>)"));
}

TEST(LayeringTest, AFolderWithoutAFloorIsNamed) {
    const std::vector<IncludeLine> includes = {
        {"reports/Summary.cpp", 1, "services/Texts.h", false},
        {"reports/Summary.cpp", 2, "image/Models.h", false},
        {"cli/CliCommands.cpp", 7, "reports/Summary.h", false},
    };
    EXPECT_THAT(FloorFaults(includes), ElementsAre("src/reports/Summary.cpp: the folder reports has no floor",
                                                   "src/cli/CliCommands.cpp:7: reports has no floor"));
}

}  // namespace
}  // namespace mox::test
