#include "editors/ScanFields.h"

#include "editors/ChoiceLists.h"
#include "editors/KeyFields.h"
#include "services/Texts.h"

namespace mox {

namespace {

// A list whose entries stand for consecutive stored values: stored value = index + Offset.
struct PlainList {
    std::uint8_t ScanSettings::*Field;
    int Count;
    int Offset;
};

constexpr PlainList kModeList = {&ScanSettings::ScanMode, 2, 0};
constexpr PlainList kPriorityModeList = {&ScanSettings::PriorityMode, 4, 0};
// Look-back times 0.5 to 5.0 seconds, resume delays 0.1 to 5.0 seconds, in tenths.
constexpr PlainList kTimeLists[4] = {{&ScanSettings::LookBackA, 46, 5},
                                     {&ScanSettings::LookBackB, 46, 5},
                                     {&ScanSettings::RxResumeDelay, 50, 1},
                                     {&ScanSettings::TxResumeDelay, 50, 1}};

const PlainList* PlainListOf(ScanField field) {
    switch (field) {
        case ScanField::ScanMode:
            return &kModeList;
        case ScanField::PriorityMode:
            return &kPriorityModeList;
        case ScanField::LookBackA:
            return &kTimeLists[0];
        case ScanField::LookBackB:
            return &kTimeLists[1];
        case ScanField::RxResumeDelay:
            return &kTimeLists[2];
        case ScanField::TxResumeDelay:
            return &kTimeLists[3];
        default:
            return nullptr;
    }
}

int PlainIndex(const ScanSettings& scan, const PlainList& list) {
    const int index = scan.*list.Field - list.Offset;
    return index >= 0 && index < list.Count ? index : 0;
}

void StorePlain(ScanSettings& scan, const PlainList& list, int index) {
    scan.*list.Field = static_cast<std::uint8_t>(index + list.Offset);
}

struct PriorityFields {
    std::uint8_t ScanSettings::*Group;
    std::uint8_t ScanSettings::*Channel;
};

constexpr PriorityFields kPriorities[2] = {{&ScanSettings::Priority1Group, &ScanSettings::Priority1Channel},
                                           {&ScanSettings::Priority2Group, &ScanSettings::Priority2Channel}};

const PriorityFields& PriorityOf(int priority) {
    return kPriorities[priority == 2 ? 1 : 0];
}

// Which priority channel (1 or 2) a group or position field belongs to, 0 for the other fields.
int PriorityOfField(ScanField field) {
    switch (field) {
        case ScanField::Priority1Group:
        case ScanField::Priority1Channel:
            return 1;
        case ScanField::Priority2Group:
        case ScanField::Priority2Channel:
            return 2;
        default:
            return 0;
    }
}

bool IsGroupField(ScanField field) {
    return field == ScanField::Priority1Group || field == ScanField::Priority2Group;
}

int ReturnChannelEntry(const ScanSettings& scan) {
    const int entry = EntryOf(ReturnChannelChoices(scan.PriorityMode), scan.ReturnChannel);
    return entry >= 0 ? entry : 0;
}

std::vector<int> Range(int first, int count) {
    std::vector<int> values;
    for (int value = first; value < first + count; ++value)
        values.push_back(value);
    return values;
}

// A list that is empty can only leave 0 stored.
std::vector<int> OrNone(std::vector<int> values) {
    return values.empty() ? std::vector<int>{0} : values;
}

}  // namespace

std::vector<std::string> ScanListEntries(const Messages& messages, ScanField field) {
    const std::string off = GetLanguageText(messages, 26030);
    const std::string priority1 = GetLanguageText(messages, 26002) + "1";
    const std::string priority2 = GetLanguageText(messages, 26002) + "2";
    const std::string talkback = " + " + GetLanguageText(messages, 26033);
    const std::string selected = GetLanguageText(messages, 26032);
    switch (field) {
        case ScanField::ScanMode:
            return {off, GetLanguageText(messages, 26031)};
        case ScanField::PriorityMode:
            return {off, priority1, priority2, priority1 + " + " + priority2};
        case ScanField::ReturnChannel:
            return {selected,
                    selected + talkback,
                    priority1,
                    priority2,
                    GetLanguageText(messages, 26034),
                    GetLanguageText(messages, 26035),
                    priority1 + talkback,
                    priority2 + talkback};
        default:
            break;
    }
    const PlainList* list = PlainListOf(field);
    return list == nullptr ? std::vector<std::string>{}
                           : TenthsOfSecondEntries(list->Offset, list->Offset + list->Count - 1);
}

std::vector<int> ReturnChannelChoices(int priorityMode) {
    switch (priorityMode) {
        case 1:
            return {0, 1, 2, 4, 5, 6};
        case 2:
            return {0, 1, 3, 4, 5, 7};
        case 3:
            return Range(0, kReturnChannelChoiceCount);
        default:
            return {0, 1, 4, 5};
    }
}

void SelectScanMode(FunctionSettings& settings, int index) {
    StorePlain(settings.Scan, kModeList, index == 1 ? 1 : 0);
    if (settings.Scan.ScanMode == 0)
        ClearScanKeyFunctions(settings.Keys);
}

int SelectPriorityMode(ScanSettings& scan, int index) {
    StorePlain(scan, kPriorityModeList, index >= 0 && index < kPriorityModeList.Count ? index : 0);
    const int entry = ReturnChannelEntry(scan);
    SelectReturnChannel(scan, entry);
    return entry;
}

void SelectReturnChannel(ScanSettings& scan, int entry) {
    const std::vector<int> choices = ReturnChannelChoices(scan.PriorityMode);
    scan.ReturnChannel = static_cast<std::uint8_t>(
        entry >= 0 && entry < static_cast<int>(choices.size()) ? choices[entry] : choices.front());
}

void SelectScanEntry(ScanSettings& scan, ScanField field, int index) {
    if (field == ScanField::ScanEntryTone) {
        scan.ScanEntryTone = index == 1 ? 1 : 0;
    } else if (const PlainList* list = PlainListOf(field)) {
        StorePlain(scan, *list, index >= 0 && index < list->Count ? index : 0);
    }
}

int SelectPriorityGroup(ScanSettings& scan, const ChannelTable& table, int priority, int group) {
    const PriorityFields& fields = PriorityOf(priority);
    scan.*fields.Group = static_cast<std::uint8_t>(group >= 0 && group <= kGroupCount ? group : 0);
    scan.*fields.Channel = static_cast<std::uint8_t>(
        ShownNumber(ChannelPositions(table, scan.*fields.Group), scan.*fields.Channel));
    return scan.*fields.Channel;
}

void SelectPriorityChannel(ScanSettings& scan, int priority, int position) {
    scan.*PriorityOf(priority).Channel =
        static_cast<std::uint8_t>(position >= 0 && position <= kPositionsPerGroup ? position : 0);
}

ScanChannelLists ReshowScanChannels(ScanSettings& scan, const ChannelTable& table) {
    ScanChannelLists lists;
    lists.Groups = ChannelGroups(table);
    for (int p = 0; p < 2; ++p) {
        ShowChannelChoice(table, scan.*kPriorities[p].Group, scan.*kPriorities[p].Channel);
        lists.Positions[p] = ChannelPositions(table, scan.*kPriorities[p].Group);
    }
    return lists;
}

ScanView OpenScan(FunctionSettings& settings, const ChannelTable& table) {
    ScanSettings& scan = settings.Scan;
    ScanView view;
    auto& shown = view.Shown;
    auto at = [&shown](ScanField field) -> int& { return shown[static_cast<int>(field)]; };
    at(ScanField::ScanMode) = PlainIndex(scan, kModeList);
    SelectScanMode(settings, at(ScanField::ScanMode));
    at(ScanField::PriorityMode) = PlainIndex(scan, kPriorityModeList);
    at(ScanField::ReturnChannel) = SelectPriorityMode(scan, at(ScanField::PriorityMode));
    view.ReturnChoices = ReturnChannelChoices(scan.PriorityMode);
    view.Channels = ReshowScanChannels(scan, table);
    at(ScanField::Priority1Group) = scan.Priority1Group;
    at(ScanField::Priority1Channel) = scan.Priority1Channel;
    at(ScanField::Priority2Group) = scan.Priority2Group;
    at(ScanField::Priority2Channel) = scan.Priority2Channel;
    for (ScanField field :
         {ScanField::LookBackA, ScanField::LookBackB, ScanField::RxResumeDelay, ScanField::TxResumeDelay}) {
        const PlainList& list = *PlainListOf(field);
        at(field) = PlainIndex(scan, list);
        StorePlain(scan, list, at(field));
    }
    if (scan.ScanEntryTone > 1)
        scan.ScanEntryTone = 0;
    at(ScanField::ScanEntryTone) = scan.ScanEntryTone;
    return view;
}

bool ScanControlEnabled(const ScanSettings& scan, ScanField field) {
    if (field == ScanField::ScanMode)
        return true;
    if (scan.ScanMode != 1)
        return false;
    const int priority = PriorityOfField(field);
    return priority == 0 || scan.PriorityMode == 3 || scan.PriorityMode == priority;
}

std::vector<int> ScanFieldValues(const FunctionSettings& settings, const ChannelTable& table,
                                 ScanField field) {
    const ScanSettings& scan = settings.Scan;
    if (const PlainList* list = PlainListOf(field))
        return Range(list->Offset, list->Count);
    switch (field) {
        case ScanField::ReturnChannel:
            return ReturnChannelChoices(scan.PriorityMode);
        case ScanField::ScanEntryTone:
            return {0, 1};
        default:
            break;
    }
    const int priority = PriorityOfField(field);
    if (IsGroupField(field))
        return OrNone(ChannelGroups(table));
    return OrNone(ChannelPositions(table, scan.*PriorityOf(priority).Group));
}

bool SetScanField(FunctionSettings& settings, const ChannelTable& table, ScanField field, int value) {
    if (!ScanControlEnabled(settings.Scan, field) ||
        EntryOf(ScanFieldValues(settings, table, field), value) < 0)
        return false;
    ScanSettings& scan = settings.Scan;
    const int priority = PriorityOfField(field);
    switch (field) {
        case ScanField::ScanMode:
            SelectScanMode(settings, value);
            break;
        case ScanField::PriorityMode:
            SelectPriorityMode(scan, value);
            break;
        case ScanField::ReturnChannel:
            SelectReturnChannel(scan, EntryOf(ReturnChannelChoices(scan.PriorityMode), value));
            break;
        case ScanField::ScanEntryTone:
            SelectScanEntry(scan, field, value);
            break;
        case ScanField::Priority1Group:
        case ScanField::Priority2Group:
            SelectPriorityGroup(scan, table, priority, value);
            break;
        case ScanField::Priority1Channel:
        case ScanField::Priority2Channel:
            SelectPriorityChannel(scan, priority, value);
            break;
        default:
            SelectScanEntry(scan, field, value - PlainListOf(field)->Offset);
            break;
    }
    return true;
}

}  // namespace mox
