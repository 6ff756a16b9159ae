#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "files/DataFileLayout.h"
#include "image/FunctionSettingTable.h"

namespace mox::test {
namespace {

// Every setting's value as reports show it, a code's count beside its digits.
std::vector<std::string> Values(const RadioData& data, const CompanionRecord& companion) {
    const SettingSources sources{data.Functions, companion};
    std::vector<std::string> values;
    for (const FunctionSetting& setting : FunctionSettingTable()) {
        std::string value = SettingValueText(setting, sources);
        if (setting.Kind == SettingKind::Code)
            value += "/" + std::to_string(setting.Code(sources).Count);
        values.push_back(value);
    }
    return values;
}

TEST(FunctionSettingTableTest, EachGroupHoldsItsRecordsFieldsUnderNamesOfTheirOwn) {
    const std::vector<std::pair<SettingGroup, std::size_t>> counts = {
        {SettingGroup::Options, 18},     {SettingGroup::Dtmf, 31},  {SettingGroup::Message, 4},
        {SettingGroup::Keys, 6},         {SettingGroup::Alert, 11}, {SettingGroup::Scan, 12},
        {SettingGroup::ResetProhibit, 1}};
    for (const auto& [group, count] : counts)
        EXPECT_EQ(SettingsOfGroup(group).size(), count) << SettingRecordName(group);
    EXPECT_EQ(FunctionSettingTable().size(), 83u);

    std::set<std::string> names;
    for (const FunctionSetting& setting : FunctionSettingTable())
        EXPECT_TRUE(names.insert(SettingName(setting)).second) << SettingName(setting);
    EXPECT_EQ(SettingName(*SettingsOfGroup(SettingGroup::Dtmf).back()), "AutoDial[16]");
    EXPECT_EQ(SettingName(*SettingsOfGroup(SettingGroup::Message).front()), "EmbeddedMessage[1]");
    EXPECT_EQ(SettingName(*SettingsOfGroup(SettingGroup::Alert).back()), "AlarmMode");
    EXPECT_EQ(SettingRecordName(SettingGroup::Scan), "ScanSettings");
    EXPECT_EQ(SettingRecordName(SettingGroup::Message), "");
}

// A change of any one field of the radio-wide settings in a data file shows in exactly one setting, and
// every setting but the alarm mode (kept in the companion record) is reached so: no field is read twice
// or left out.
TEST(FunctionSettingTableTest, EveryFieldOfTheRecordIsReadByExactlyOneSetting) {
    const RadioData base;
    const CompanionRecord companion;
    const std::vector<std::uint8_t> baseBytes = EncodeDataRecord(base);
    const std::vector<std::string> baseValues = Values(base, companion);
    std::set<std::size_t> reached;
    for (const FileField& field : DataFileFields()) {
        if (field.Member < offsetof(RadioData, Functions))
            continue;
        std::vector<std::uint8_t> bytes = baseBytes;
        bytes[field.Offset] = field.Type == FileFieldType::Text ? 'X' : bytes[field.Offset] + 1;
        RadioData changed;
        DecodeDataRecord(bytes, changed);
        const std::vector<std::string> values = Values(changed, companion);
        std::vector<std::size_t> differing;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i] != baseValues[i])
                differing.push_back(i);
        }
        ASSERT_EQ(differing.size(), 1u) << "file offset " << field.Offset;
        reached.insert(differing.front());
    }
    EXPECT_EQ(reached.size(), FunctionSettingTable().size() - 1);

    CompanionRecord otherMode;
    otherMode.AlarmMode = 0;
    const std::vector<std::string> values = Values(base, otherMode);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i] != baseValues[i], SettingName(FunctionSettingTable()[i]) == "AlarmMode") << i;
}

}  // namespace
}  // namespace mox::test
