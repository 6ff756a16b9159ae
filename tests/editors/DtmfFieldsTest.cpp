#include <gtest/gtest.h>

#include "editors/DtmfFields.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

DtmfCode Code(std::int16_t count, std::string_view digits) {
    DtmfCode code;
    code.Count = count;
    SetFixedText(code.Digits, digits);
    return code;
}

struct ListCase {
    DtmfList List;
    std::int16_t DtmfSettings::*Field;
    std::int16_t Stored;
    int ShownIndex;
    std::int16_t WrittenBack;
};

TEST(DtmfFieldsTest, OpeningShowsEachListEntryAndWritesItsValueBack) {
    const ListCase cases[] = {
        {DtmfList::Rate, &DtmfSettings::DtmfRate, 2, 1, 2},
        {DtmfList::Rate, &DtmfSettings::DtmfRate, 0, 0, 1},                  // no 0 ms entry
        {DtmfList::FirstDigitTime, &DtmfSettings::FirstDigitTime, 3, 0, 0},  // 150 ms has no entry
        {DtmfList::FirstDigitTime, &DtmfSettings::FirstDigitTime, 20, 10, 20},
        {DtmfList::FirstDigitDelay, &DtmfSettings::FirstDigitDelay, 50, 24, 50},
        {DtmfList::FirstDigitDelay, &DtmfSettings::FirstDigitDelay, 3, 0, 2},
        {DtmfList::StarHashTime, &DtmfSettings::StarHashTime, 20, 3, 20},
        {DtmfList::StarHashTime, &DtmfSettings::StarHashTime, 4, 0, 0},
        {DtmfList::DKey, &DtmfSettings::DKeySetting, 16, 16, 16},
        {DtmfList::DKey, &DtmfSettings::DKeySetting, 17, 0, 0},
        {DtmfList::CallAlert, &DtmfSettings::CallAlert, 3, 0, 0},
        {DtmfList::GroupCode, &DtmfSettings::GroupCode, 6, 6, 6},
        {DtmfList::AutoReset, &DtmfSettings::AutoResetTimer, -1, 0, 0},
    };
    for (const ListCase& c : cases) {
        DtmfSettings settings;
        settings.*c.Field = c.Stored;
        const DtmfView view = OpenDtmf(settings);
        const int list = static_cast<int>(c.List);
        EXPECT_EQ(view.ListIndex[list], c.ShownIndex) << "list " << list << " value " << c.Stored;
        EXPECT_EQ(settings.*c.Field, c.WrittenBack) << "list " << list << " value " << c.Stored;
    }
}

TEST(DtmfFieldsTest, ListEntriesAndChoices) {
    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    EXPECT_EQ(DtmfListEntries(messages, DtmfList::StarHashTime),
              (std::vector<std::string>{"0", "100", "500", "1000"}));
    EXPECT_EQ(DtmfListEntries(messages, DtmfList::Rate).back(), "500");
    EXPECT_EQ(DtmfListEntries(messages, DtmfList::FirstDigitDelay).size(), 25u);
    const auto dKey = DtmfListEntries(messages, DtmfList::DKey);
    ASSERT_EQ(dKey.size(), 17u);
    EXPECT_EQ(dKey[0], GetLanguageText(messages, 18040));
    EXPECT_EQ(dKey[16], "16s");
    EXPECT_EQ(DtmfListEntries(messages, DtmfList::GroupCode)[6], "#");
    EXPECT_EQ(DtmfListEntries(messages, DtmfList::AutoReset).size(), 16u);

    DtmfSettings settings;
    SaveDtmfList(settings, DtmfList::Rate, 9);
    EXPECT_EQ(settings.DtmfRate, 10);
    SaveDtmfList(settings, DtmfList::FirstDigitDelay, 0);
    EXPECT_EQ(settings.FirstDigitDelay, 2);
    SaveDtmfList(settings, DtmfList::GroupCode, 5);
    EXPECT_EQ(settings.GroupCode, 5);
}

// Each value a list stores, stored by choosing its entry, shows at that entry again.
TEST(DtmfFieldsTest, EachValueAListOffersShowsAtItsOwnEntry) {
    Messages messages;
    messages.Paths.ProgramFolder = test::SourceTree() / "dist";
    for (int i = 0; i < kDtmfListCount; ++i) {
        const auto list = static_cast<DtmfList>(i);
        const std::vector<int> values = DtmfListValues(list);
        EXPECT_EQ(values.size(), DtmfListEntries(messages, list).size()) << "list " << i;
        for (int index = 0; index < static_cast<int>(values.size()); ++index) {
            DtmfSettings settings;
            SaveDtmfList(settings, list, index);
            EXPECT_EQ(DtmfListValue(settings, list), values[static_cast<std::size_t>(index)]) << "list " << i;
            EXPECT_EQ(DtmfListIndex(settings, list), index) << "list " << i;
        }
    }
    EXPECT_EQ(DtmfListValues(DtmfList::StarHashTime), (std::vector<int>{0, 2, 10, 20}));
}

TEST(DtmfFieldsTest, TypedKeysBecomeDtmfDigits) {
    std::string typed;
    for (const char key : std::string("12ab*#x")) {
        if (const int kept = DtmfCodeKey(key))
            typed.push_back(static_cast<char>(kept));
    }
    EXPECT_EQ(typed, "12AB*#");
    EXPECT_EQ(DtmfCodeKey('D'), 'D');
    EXPECT_EQ(DtmfCodeKey('e'), 0);
    EXPECT_EQ(DtmfCodeKey(8), 8);  // Backspace
    for (const int refused : {3, 22, 24, 200})
        EXPECT_EQ(DtmfCodeKey(refused), 0) << refused;
    EXPECT_EQ(IdCodeKey('7'), '7');
    EXPECT_EQ(IdCodeKey('A'), 0);
    EXPECT_EQ(IdCodeKey(22), 0);
    EXPECT_EQ(IdCodeKey(8), 8);
}

TEST(DtmfFieldsTest, PastedTextKeepsOnlyWhatTheRadioCanHold) {
    DtmfCode code;
    EXPECT_EQ(StoreDtmfCode(code, "12-ab e\t*#9 "), "12AB*#9");
    EXPECT_EQ(code, Code(7, "12AB*#9"));
    EXPECT_EQ(StoreDtmfCode(code, "0123456789ABCD*#12"), "0123456789ABCD*#");
    EXPECT_EQ(code.Count, 16);
    EXPECT_EQ(CleanIdCodeText("1.5e3\xC3\xA9"), "153");
}

TEST(DtmfFieldsTest, CodesShowTheirCountedDigitsAndBadCountsBecomeEmpty) {
    DtmfSettings settings;
    settings.BotCode = Code(3, "12345");
    settings.KillCode = Code(20, "999");
    settings.AutoDial[2] = Code(-2, "55");
    settings.AutoDial[5] = Code(4, "1x 9");  // from a damaged file
    const DtmfView view = OpenDtmf(settings);
    EXPECT_EQ(view.Codes[0], "123");
    EXPECT_EQ(settings.BotCode, Code(3, "123"));
    EXPECT_EQ(view.Codes[3], "");
    EXPECT_EQ(settings.KillCode, Code(0, ""));
    EXPECT_EQ(settings.AutoDial[2].Count, 0);
    EXPECT_EQ(view.Codes[9], "19");
    EXPECT_EQ(settings.AutoDial[5], Code(2, "19"));
}

TEST(DtmfFieldsTest, TheIdCodeHoldsThreeToTenDigits) {
    const std::pair<std::string, std::string> cases[] = {
        {"12", "000"},  {"0012", "0012"}, {"1234567890", "1234567890"}, {"12345678901", "000"}, {"", "000"},
        {"1.5", "000"}, {"12a", "000"},
    };
    for (const auto& [typed, kept] : cases) {
        DtmfSettings settings;
        EXPECT_EQ(CheckIdCode(settings, typed), kept) << typed;
        EXPECT_EQ(settings.IdLength, static_cast<int>(kept.size())) << typed;
        EXPECT_EQ(CutFixedText(settings.IdCode), kept) << typed;
    }
}

TEST(DtmfFieldsTest, TheIdCodeShowsItsLengthButIsStoredOnlyWhenChecked) {
    DtmfSettings settings;
    SetFixedText(settings.IdCode, "0012345");
    settings.IdLength = 4;
    EXPECT_EQ(OpenDtmf(settings).IdCode, "0012");
    settings.IdLength = 11;
    EXPECT_EQ(OpenDtmf(settings).IdCode, "001");
    EXPECT_EQ(settings.IdLength, 11);
    settings.Sidetone = 2;
    EXPECT_FALSE(OpenDtmf(settings).SidetoneTicked);
    EXPECT_EQ(settings.Sidetone, 2);
}

}  // namespace
}  // namespace mox
