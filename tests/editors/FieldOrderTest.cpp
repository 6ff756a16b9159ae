#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "editors/AlertFields.h"
#include "editors/KeyFields.h"
#include "editors/ScanFields.h"
#include "image/ChannelTable.h"
#include "image/FunctionSettingTable.h"

namespace mox {
namespace {

// The key, scan and alert fields are numbered in record order, so that the command line pairs each
// window's setter with the setting at the same place of the table of settings. Setting a field to
// another value the window offers shows that value at that place.
struct Window {
    SettingGroup Group;
    int Count;
    std::function<std::vector<int>(RadioData&, CompanionRecord&, int field)> Values;
    std::function<bool(RadioData&, CompanionRecord&, int field, int value)> Set;
};

// Fields reached, for a window whose fields are offered in the state `prepare` leaves.
std::set<int> CheckOrder(const Window& window, const std::function<void(RadioData&)>& prepare) {
    std::set<int> reached;
    const std::vector<const FunctionSetting*> settings = SettingsOfGroup(window.Group);
    for (int field = 0; field < window.Count; ++field) {
        RadioData data;
        CompanionRecord companion;
        for (const int number : {17, 18, 33})
            AppendDefaultChannel(data.Channels, ModelState{}, number, "");
        prepare(data);
        const SettingSources sources{data.Functions, companion};
        const FunctionSetting& setting = *settings[static_cast<std::size_t>(field)];
        for (const int value : window.Values(data, companion, field)) {
            if (value == setting.Number(sources) || !window.Set(data, companion, field, value))
                continue;
            EXPECT_EQ(setting.Number(sources), value) << SettingName(setting);
            reached.insert(field);
            break;
        }
    }
    return reached;
}

TEST(FieldOrderTest, KeyScanAndAlertFieldsStandInRecordOrder) {
    const Window keys{
        SettingGroup::Keys, kKeyFieldCount,
        [](RadioData& d, CompanionRecord&, int f) { return KeyFieldValues(d.Functions, KeyField(f)); },
        [](RadioData& d, CompanionRecord&, int f, int v) {
            return SetKeyField(d.Functions, KeyField(f), v);
        }};
    const Window scan{SettingGroup::Scan, kScanFieldCount,
                      [](RadioData& d, CompanionRecord&, int f) {
                          return ScanFieldValues(d.Functions, d.Channels, ScanField(f));
                      },
                      [](RadioData& d, CompanionRecord&, int f, int v) {
                          return SetScanField(d.Functions, d.Channels, ScanField(f), v);
                      }};
    const Window alert{SettingGroup::Alert, kAlertListCount,
                       [](RadioData& d, CompanionRecord& c, int f) {
                           return AllowedAlertValues(AlertRecordsOf(d, c), AlertField(f));
                       },
                       [](RadioData& d, CompanionRecord& c, int f, int v) {
                           return SetAlertField(AlertRecordsOf(d, c), AlertField(f), v);
                       }};
    EXPECT_EQ(CheckOrder(keys, [](RadioData&) {}).size(), std::size_t{kKeyFieldCount});
    EXPECT_EQ(CheckOrder(scan,
                         [](RadioData& d) {
                             d.Functions.Scan.ScanMode = 1;
                             d.Functions.Scan.PriorityMode = 3;
                             d.Functions.Scan.Priority1Group = 2;
                             d.Functions.Scan.Priority2Group = 2;
                         })
                  .size(),
              std::size_t{kScanFieldCount});
    // The alarm time is offered without an ID, the ID fields and times with one, the ID memories from
    // the auto-dial memories that hold digits.
    std::set<int> alerts = CheckOrder(alert, [](RadioData&) {});
    alerts.merge(CheckOrder(alert, [](RadioData& d) {
        d.Functions.Alert.EmergencyAlarm = 1;
        d.Functions.Alert.EmergencyIdType = 1;
        for (const std::size_t memory : {0, 1}) {
            d.Functions.Dtmf.AutoDial[memory].Count = 1;
            d.Functions.Dtmf.AutoDial[memory].Digits[0] = '5';
        }
    }));
    EXPECT_EQ(alerts.size(), std::size_t{kAlertListCount});
}

}  // namespace
}  // namespace mox
