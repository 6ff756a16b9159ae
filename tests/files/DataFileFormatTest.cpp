#include <gmock/gmock.h>

#include <functional>

#include "app/ProgramVersion.h"
#include "files/DataChanged.h"
#include "files/DataFile.h"
#include "files/FileTestSupport.h"
#include "image/Models.h"
#include "services/Versions.h"

namespace mox::test {
namespace {

using ::testing::ElementsAre;

TEST(DataFileLayoutTest, FieldsCoverTheRecordWithoutGapsOrOverlaps) {
    std::size_t next = 0;
    for (const FileField& field : DataFileFields()) {
        ASSERT_EQ(field.Offset, next);
        next += field.Size;
    }
    EXPECT_EQ(next, kDataFileSize);
}

// Where each field of RadioData sits in the file. A round trip cannot see two fields that trade places
// in both directions at once, so each field is set alone and must change exactly its own bytes.
struct FileSpot {
    std::size_t Offset;
    std::string Bytes;  // what the field must put there
    std::function<void(RadioData&)> Set;
};

template <typename Record>
using Part = std::function<Record&(RadioData&)>;

// Fields of one record that follow each other in the file from `offset` on, in this order: 16-bit
// numbers little-endian, bytes as they are, each set to a value no default holds.
template <typename Record, typename Value>
void AddRun(std::vector<FileSpot>& spots, std::size_t offset, Part<Record> record,
            std::initializer_list<Value Record::*> fields) {
    for (Value Record::*field : fields) {
        const auto value = static_cast<Value>(0x4180 + offset % 0x7F);
        std::string bytes(1, static_cast<char>(value & 0xFF));
        if constexpr (sizeof(Value) == 2)
            bytes += static_cast<char>((value >> 8) & 0xFF);
        spots.push_back({offset, bytes, [=](RadioData& d) { record(d).*field = value; }});
        offset += sizeof(Value);
    }
}

// A text field, filled whole.
void AddText(std::vector<FileSpot>& spots, std::size_t offset, std::size_t size,
             std::function<char*(RadioData&)> field) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += static_cast<char>('a' + (offset + i) % 26);
    spots.push_back({offset, text, [=](RadioData& d) { std::copy(text.begin(), text.end(), field(d)); }});
}

using C = ChannelRecord;
using D = DtmfSettings;
using O = OptionSettings;
using K = KeySettings;
using A = AlertSettings;
using S = ScanSettings;

void AddChannelRecord(std::vector<FileSpot>& spots, std::size_t i) {
    const std::size_t base = 6 + 60 * i;
    const Part<C> channel = [i](RadioData& d) -> C& { return d.Channels.Records[i]; };
    AddRun<C, std::int16_t>(spots, base, channel, {&C::Number, &C::IsEmpty});
    AddText(spots, base + 4, 8, [=](RadioData& d) { return channel(d).RxDigits.data(); });
    AddRun<C, std::uint8_t>(spots, base + 12, channel, {&C::ShiftDirection});
    AddText(spots, base + 13, 7, [=](RadioData& d) { return channel(d).ShiftDigits.data(); });
    AddRun<C, std::int16_t>(spots, base + 20, channel, {&C::RxTone,        &C::TxTone,
                                                        &C::RxStepClass,   &C::TxStepClass,
                                                        &C::TxInhibit,     &C::ReverseOrTalkaround,
                                                        &C::VoiceScramble, &C::BusyLock,
                                                        &C::Talkaround,    &C::SignallingRelation,
                                                        &C::Whisper,       &C::PttId,
                                                        &C::Spacing,       &C::OptionalSignalling,
                                                        &C::Compander,     &C::Reverse,
                                                        &C::TxPower,       &C::AutoDial1,
                                                        &C::AutoDial2,     &C::ScanSkip});
}

void AddDtmfCode(std::vector<FileSpot>& spots, std::size_t offset, Part<DtmfCode> code) {
    AddRun<DtmfCode, std::int16_t>(spots, offset, code, {&DtmfCode::Count});
    AddText(spots, offset + 2, 16, [=](RadioData& d) { return code(d).Digits.data(); });
}

void AddFunctionSettings(std::vector<FileSpot>& spots) {
    const Part<FunctionSettings> functions = [](RadioData& d) -> FunctionSettings& { return d.Functions; };
    const Part<D> dtmf = [](RadioData& d) -> D& { return d.Functions.Dtmf; };
    AddRun<O, std::int16_t>(
        spots, 8071, [](RadioData& d) -> O& { return d.Functions.Options; },
        {&O::SquelchLevel, &O::VoicePrompt, &O::VoiceVolume, &O::TailEliminationMode, &O::BatterySave,
         &O::VoxEnable, &O::VoxTone, &O::ChannelLock, &O::GroupSelect, &O::TotPreAlert, &O::WiredClone,
         &O::TailEliminationNoSignalling, &O::TimeOutTimer, &O::TotRekeyTime, &O::TotResetTime,
         &O::VoxSensitivity, &O::VoxDelay, &O::ChannelGroup});
    AddRun<D, std::int16_t>(
        spots, 8107, dtmf,
        {&D::DtmfRate, &D::FirstDigitTime, &D::FirstDigitDelay, &D::StarHashTime, &D::DKeySetting,
         &D::Sidetone, &D::CallAlert, &D::GroupCode, &D::AutoResetTimer});
    AddText(spots, 8125, 10, [=](RadioData& d) { return dtmf(d).IdCode.data(); });
    AddRun<D, std::int16_t>(spots, 8135, dtmf, {&D::IdLength});
    std::size_t offset = 8137;
    for (DtmfCode D::*code : {&D::BotCode, &D::EotCode, &D::StunCode, &D::KillCode}) {
        AddDtmfCode(spots, offset, [=](RadioData& d) -> DtmfCode& { return dtmf(d).*code; });
        offset += 18;
    }
    for (std::size_t m = 0; m < 16; ++m)
        AddDtmfCode(spots, 8209 + 18 * m, [=](RadioData& d) -> DtmfCode& { return dtmf(d).AutoDial[m]; });
    for (std::size_t line = 0; line < 4; ++line)
        AddText(spots, 8497 + 16 * line, 16,
                [=](RadioData& d) { return d.Functions.Message.Lines[line].data(); });
    AddRun<K, std::int16_t>(spots, 8561, [](RadioData& d) -> K& { return d.Functions.Keys; },
                            {&K::LongPressTime, &K::EmergencyLongPressTime, &K::Pf1Long, &K::Pf1Short,
                             &K::Pf2Long, &K::Pf2Short});
    AddRun<A, std::uint8_t>(
        spots, 8573, [](RadioData& d) -> A& { return d.Functions.Alert; },
        {&A::EmergencyAlarm, &A::EmergencyIdType, &A::EmergencyIdMemory, &A::AlarmTime, &A::AlarmTxTime,
         &A::AlarmRxTime, &A::ChannelSelect, &A::EmergencyGroup, &A::EmergencyChannel, &A::AlarmCycle});
    AddRun<S, std::uint8_t>(spots, 8583, [](RadioData& d) -> S& { return d.Functions.Scan; },
                            {&S::ScanMode, &S::PriorityMode, &S::ReturnChannel, &S::LookBackA, &S::LookBackB,
                             &S::RxResumeDelay, &S::TxResumeDelay, &S::ScanEntryTone, &S::Priority1Group,
                             &S::Priority1Channel, &S::Priority2Group, &S::Priority2Channel});
    AddRun<FunctionSettings, std::int16_t>(spots, 8595, functions, {&FunctionSettings::ResetProhibit});
}

// Every field of the file; of the channel records the first two and the last.
std::vector<FileSpot> DataFileSpots() {
    std::vector<FileSpot> spots;
    AddText(spots, 0, 4, [](RadioData& d) { return d.FormatTag.data(); });
    AddRun<ChannelTable, std::int16_t>(spots, 4, [](RadioData& d) -> ChannelTable& { return d.Channels; },
                                       {&ChannelTable::Count});
    for (std::size_t i : {0u, 1u, 127u})
        AddChannelRecord(spots, i);
    for (std::size_t i = 0; i < 20; ++i) {
        AddRun<FmPreset, std::int16_t>(spots, 7686 + 10 * i,
                                       [i](RadioData& d) -> FmPreset& { return d.FmPresets[i]; },
                                       {&FmPreset::PresetEmpty});
        AddText(spots, 7688 + 10 * i, 8, [i](RadioData& d) { return d.FmPresets[i].FmDigits.data(); });
    }
    for (std::size_t i = 0; i < 11; ++i) {
        AddText(spots, 7886 + 16 * i, 8, [i](RadioData& d) { return d.TestFrequencies[i].First.data(); });
        AddText(spots, 7894 + 16 * i, 8, [i](RadioData& d) { return d.TestFrequencies[i].Second.data(); });
    }
    AddText(spots, 8062, 7, [](RadioData& d) { return d.Model.ModelCode.data(); });
    AddRun<ModelRecord, std::int16_t>(spots, 8069, [](RadioData& d) -> ModelRecord& { return d.Model; },
                                      {&ModelRecord::BandCode});
    AddFunctionSettings(spots);
    return spots;
}

TEST(DataFileLayoutTest, EachFieldWritesOnlyItsOwnBytes) {
    const std::vector<FileSpot> spots = DataFileSpots();
    // The table leaves out only the channel records between the second and the last.
    std::vector<bool> covered(kDataFileSize, false);
    std::fill(covered.begin() + 6 + 2 * 60, covered.begin() + 6 + 127 * 60, true);
    for (const FileSpot& spot : spots)
        std::fill_n(covered.begin() + spot.Offset, spot.Bytes.size(), true);
    ASSERT_EQ(std::find(covered.begin(), covered.end(), false), covered.end());

    const RadioData base;
    const std::vector<std::uint8_t> baseBytes = EncodeDataRecord(base);
    for (const FileSpot& spot : spots) {
        SCOPED_TRACE(spot.Offset);
        RadioData data = base;
        spot.Set(data);
        std::vector<std::uint8_t> expected = baseBytes;
        std::copy(spot.Bytes.begin(), spot.Bytes.end(), expected.begin() + spot.Offset);

        const std::vector<std::uint8_t> bytes = EncodeDataRecord(data);
        const auto differ = std::mismatch(bytes.begin(), bytes.end(), expected.begin());
        EXPECT_EQ(differ.first, bytes.end()) << "first wrong byte at " << differ.first - bytes.begin();
    }
}

class DataFileFormatTest : public FileTest {};

TEST_F(DataFileFormatTest, SaveWritesEveryPartAtItsOffset) {
    SetBandLimits(state.Model, "430 - 480 MHz");
    RadioData& data = state.Data;
    data.Channels.Count = 2;
    SetFixedText(data.Channels.Records[0].RxDigits, "43512500");
    data.FmPresets[0].PresetEmpty = 0;
    SetFixedText(data.FmPresets[0].FmDigits, "08750000");
    SetFixedText(data.TestFrequencies[0].First, "43600000");
    data.Functions.Options.SquelchLevel = 0x0102;
    data.Functions.Keys.Pf2Short = -2;
    data.Functions.Scan.Priority2Channel = 0xAB;
    data.Functions.ResetProhibit = 1;
    state.Companion.AlarmMode = 0;
    state.Document.CurrentPath = PathOf("golden.dat");

    ASSERT_TRUE(SaveDataFile(state, windows));

    const std::string file = TempFolder::ReadFile(PathOf("golden.dat"));
    ASSERT_EQ(file.size(), 8597u);
    EXPECT_EQ(file.substr(0, 4), "V200");
    EXPECT_EQ(file.substr(4, 2), std::string("\x02\x00", 2));
    EXPECT_EQ(file.substr(6, 2), std::string("\x01\x00", 2));  // Number of the first record
    EXPECT_EQ(file.substr(10, 8), "43512500");
    EXPECT_EQ(file.substr(7686, 10), std::string("\x00\x00", 2) + "08750000");
    EXPECT_EQ(file.substr(7886, 8), "43600000");
    EXPECT_EQ(file.substr(8062, 9), std::string("RB516\0\0\x07\x00", 9));
    EXPECT_EQ(file.substr(8071, 2), "\x02\x01");
    EXPECT_EQ(file.substr(8125, 3), "000");  // IdCode
    EXPECT_EQ(file.substr(8571, 2), "\xFE\xFF");
    EXPECT_EQ(file.substr(8594, 3), std::string("\xAB\x01\x00", 3));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("golden.NVD")), std::string("V200\x00", 5));
    EXPECT_FALSE(state.Document.IsNew);
    EXPECT_FALSE(IsDataChanged(state));
}

TEST_F(DataFileFormatTest, OpenReadsBackWhatSaveWrote) {
    state.Data.Channels.Count = 3;
    state.Data.Channels.Records[2].RxTone = 282;
    state.Data.Functions.Dtmf.AutoDial[15].Count = 16;
    SetFixedText(state.Data.Functions.Message.Lines[3], "HELLO");
    state.Companion.AlarmMode = 0;
    state.Document.CurrentPath = PathOf("round.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    const RadioData saved = state.Data;
    BuildNewRadioData(state, Today{});

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("round.dat")));

    EXPECT_EQ(state.Data, saved);
    EXPECT_EQ(state.Companion.AlarmMode, 0);
    EXPECT_FALSE(IsDataChanged(state));
    EXPECT_EQ(state.Document.CurrentPath, PathOf("round.dat"));
    EXPECT_THAT(windows.Calls, ElementsAre("caption", "channels", "caption", "language", "cascade"));
}

TEST_F(DataFileFormatTest, ShortFileOpensWithResetProhibitOff) {
    RadioData data = state.Data;
    data.Functions.ResetProhibit = 1;
    data.Functions.Scan.Priority2Channel = 5;
    WriteDataFile(PathOf("old.dat"), data, 8595);

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("old.dat")));

    EXPECT_EQ(state.Data.Functions.Scan.Priority2Channel, 5);
    EXPECT_EQ(state.Data.Functions.ResetProhibit, 0);
}

TEST_F(DataFileFormatTest, UnusableFilesAreRefusedAndChangeNothing) {
    folder.InstallLanguageFiles();
    RadioData tooMany = state.Data;
    tooMany.Channels.Count = 129;
    RadioData negative = state.Data;
    negative.Channels.Count = -1;
    RadioData noBand = state.Data;
    noBand.Model.BandCode = 15;
    RadioData noText = state.Data;
    noText.Model.ModelCode = {'\xFF', '\xFE', '\0', 'R', 'B', '5', '1'};
    RadioData withTab = state.Data;
    SetFixedText(withTab.Model.ModelCode, "RB\t516");
    WriteDataFile(PathOf("8596.dat"), state.Data, 8596);
    WriteDataFile(PathOf("9000.dat"), state.Data, 9000);
    WriteDataFile(PathOf("many.dat"), tooMany);
    WriteDataFile(PathOf("negative.dat"), negative);
    WriteDataFile(PathOf("noband.dat"), noBand);
    WriteDataFile(PathOf("notext.dat"), noText);
    WriteDataFile(PathOf("tab.dat"), withTab);
    state.Data.Functions.Options.SquelchLevel = 4;
    const RadioData before = state.Data;

    for (const char* name :
         {"8596.dat", "9000.dat", "many.dat", "negative.dat", "noband.dat", "notext.dat", "tab.dat"})
        EXPECT_FALSE(OpenDataFile(state, windows, PathOf(name))) << name;

    // A wrong length has its own text; a damaged content says what is damaged.
    EXPECT_THAT(prompts.Numbers(), ElementsAre(9033, 9033, 30020, 30020, 30021, 30022, 30022));
    EXPECT_EQ(prompts.Prompts[2].Text.rfind("The file is damaged: ", 0), 0u);
    EXPECT_EQ(state.Data, before);
    EXPECT_EQ(state.Document.CurrentPath, "new.dat");
    EXPECT_TRUE(windows.Calls.empty());
}

TEST_F(DataFileFormatTest, PrintableUnknownModelCodeOpensAsItIs) {
    RadioData other = state.Data;
    SetFixedText(other.Model.ModelCode, "ZX-9 A", '\0');
    WriteDataFile(PathOf("other.dat"), other);

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("other.dat")));

    EXPECT_TRUE(prompts.Prompts.empty());
    EXPECT_EQ(state.Model.ModelCode, "ZX-9 A");
    EXPECT_EQ(ModelDisplayName(state.Model.ModelCode), "ZX-9 A");
}

TEST_F(DataFileFormatTest, TagIsCheckedBeforeTheLength) {
    TempFolder::WriteFile(PathOf("bad.dat"), "X200 and far too short");
    TempFolder::WriteFile(PathOf("short.dat"), "V2");

    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("bad.dat")));
    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("short.dat")));
    EXPECT_FALSE(OpenDataFile(state, windows, PathOf("missing.dat")));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9065, 9065, 9002));
}

TEST_F(DataFileFormatTest, CompanionOfAnyOtherLengthGivesTheDefaults) {
    WriteDataFile(PathOf("a.dat"), state.Data);
    for (const std::string& companion : {std::string("V20\x00", 4), std::string("V200\x00\x00", 6)}) {
        TempFolder::WriteFile(PathOf("a.NVD"), companion);
        ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
        EXPECT_EQ(state.Companion.AlarmMode, 1) << companion.size();
    }

    TempFolder::WriteFile(PathOf("a.NVD"), std::string("V200\x00", 5));
    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("a.dat")));
    EXPECT_EQ(state.Companion.AlarmMode, 0);
}

// Open takes a file of any version this program handles and makes it its own.
TEST_F(DataFileFormatTest, FileOfAnotherHandledVersionIsSavedBackAsV200) {
    TempFolder::WriteFile(folder.Root() / "Version.ini",
                          "[Version]\nFirmVersionCount=2\n[Firm]\nFirm0=V200V200\nFirm1=V200V100\n");
    LoadVersionRecords(state);
    RadioData old = state.Data;
    old.FormatTag = MakeFixedText<4>("V100");
    WriteDataFile(PathOf("old.dat"), old);

    ASSERT_TRUE(OpenDataFile(state, windows, PathOf("old.dat")));
    EXPECT_FALSE(IsDataChanged(state));
    ASSERT_TRUE(SaveDataFile(state, windows));

    EXPECT_EQ(TempFolder::ReadFile(PathOf("old.dat")).substr(0, 4), "V200");
    EXPECT_TRUE(prompts.Prompts.empty());
}

TEST_F(DataFileFormatTest, SaveLeavesExactlyTheRecordWhateverWasThere) {
    TempFolder::WriteFile(PathOf("long.dat"), std::string(9000, 'x'));
    state.Document.CurrentPath = PathOf("long.dat");
    ASSERT_TRUE(SaveDataFile(state, windows));
    // A data file named like its own companion must not be overwritten by the companion.
    state.Document.CurrentPath = PathOf("odd.NVD");
    ASSERT_TRUE(SaveDataFile(state, windows));

    EXPECT_EQ(TempFolder::ReadFile(PathOf("long.dat")).size(), 8597u);
    EXPECT_EQ(TempFolder::ReadFile(PathOf("odd.NVD")).size(), 8597u);
}

TEST_F(DataFileFormatTest, FailedSaveKeepsTheOldFileAndTheChanges) {
    TempFolder::WriteFile(PathOf("keep.dat"), "old content");
    std::filesystem::permissions(PathOf("keep.dat"), std::filesystem::perms::owner_read);
    state.Document.CurrentPath = PathOf("keep.dat");
    state.Data.Functions.Options.SquelchLevel = 3;

    EXPECT_FALSE(SaveDataFile(state, windows));
    state.Document.CurrentPath = PathOf("no-such-folder/x.dat");
    EXPECT_FALSE(SaveDataFile(state, windows));

    EXPECT_THAT(prompts.Numbers(), ElementsAre(9002, 9002));
    EXPECT_EQ(TempFolder::ReadFile(PathOf("keep.dat")), "old content");
    EXPECT_TRUE(IsDataChanged(state));
    EXPECT_TRUE(state.Document.IsNew);
}

}  // namespace
}  // namespace mox::test
