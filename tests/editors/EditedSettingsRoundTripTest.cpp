#include <gtest/gtest.h>

#include "editors/DtmfFields.h"
#include "editors/MessageLines.h"
#include "editors/OptionFields.h"
#include "image/FunctionPacking.h"
#include "image/RadioImagePacking.h"
#include "records/RadioRecords.h"

namespace mox {
namespace {

// What the editors store is what the radio gets: the settings edited through the editors' rules come
// back unchanged from the radio image.
TEST(EditedSettingsRoundTripTest, EditedSettingsComeBackFromTheRadioImage) {
    RadioRecords radio;
    FunctionSettings& edited = radio.Data.Functions;
    OpenOptFeatures(edited);
    SaveOptFeat(edited, 4, 16);  // time-out timer 240 s
    SaveOptFeat(edited, 9, 9);   // VOX delay 5.0 s
    SaveOptFeat(edited, 10, 7);  // group 8
    SaveOptFeat(edited, 11, 4);  // volume 5
    SaveOptFeat(edited, 20, 1);  // VOX
    SaveOptFeat(edited, 26, 1);  // prohibit initialisation
    OpenDtmf(edited.Dtmf);
    SaveDtmfList(edited.Dtmf, DtmfList::Rate, 9);
    SaveDtmfList(edited.Dtmf, DtmfList::StarHashTime, 3);
    SaveDtmfList(edited.Dtmf, DtmfList::GroupCode, 6);
    CheckIdCode(edited.Dtmf, "0012345678");
    StoreDtmfCode(edited.Dtmf.BotCode, "12ab*#");
    StoreDtmfCode(edited.Dtmf.AutoDial[15], "0123456789ABCD*#");
    StoreDtmfCode(edited.Dtmf.StunCode, "");
    StoreMessageLine(edited.Message, 0, "ABCDEFGHIJKLMNOP");
    StoreMessageLine(edited.Message, 1, "HI THERE");
    StoreMessageLine(edited.Message, 3, "");
    const FunctionSettings sent = edited;

    EraseRadioImage(radio.Image, false);
    PackFunctionSettings(radio);
    ResetFunctionSettings(radio.Data.Functions);
    UnpackFunctionSettings(radio);

    const FunctionSettings& back = radio.Data.Functions;
    EXPECT_EQ(back.Options, sent.Options);
    EXPECT_EQ(back.ResetProhibit, 1);
    for (int i = 0; i < kDtmfListCount; ++i)
        EXPECT_EQ(DtmfListIndex(back.Dtmf, DtmfList(i)), DtmfListIndex(sent.Dtmf, DtmfList(i))) << i;
    EXPECT_EQ(ShownIdCode(back.Dtmf), "0012345678");
    EXPECT_EQ(back.Dtmf.IdLength, 10);
    for (int box = 0; box < kDtmfCodeBoxCount; ++box) {
        DtmfSettings copy = back.Dtmf;
        DtmfSettings original = sent.Dtmf;
        EXPECT_EQ(ShownDtmfCode(DtmfCodeOfBox(copy, box)), ShownDtmfCode(DtmfCodeOfBox(original, box)))
            << box;
    }
    for (int line = 0; line < kMessageLineCount; ++line)
        EXPECT_EQ(ShownMessageLine(back.Message, line), ShownMessageLine(sent.Message, line)) << line;
}

}  // namespace
}  // namespace mox
