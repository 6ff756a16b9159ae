#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "cli/CliFixture.h"

namespace mox::test {
namespace {

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QJsonObject ParsedJson(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

const QStringList kRecords = {"OptionSettings", "DtmfSettings", "EmbeddedMessage", "KeySettings",
                              "AlertSettings",  "ScanSettings", "ResetProhibit"};

// The settings of the JSON spelled as the text lines name them: a code by its digits, a list entry
// with its number in brackets.
std::map<std::string, std::string> FlatSettings(const QJsonObject& json) {
    std::map<std::string, std::string> flat;
    const auto add = [&flat](const QString& name, const QJsonValue& value) {
        const QJsonValue shown = value.isObject() ? value.toObject()["Digits"] : value;
        flat[name.toStdString()] =
            shown.isString() ? shown.toString().toStdString() : std::to_string(shown.toInt());
    };
    for (const QString& record : kRecords) {
        const QJsonValue value = json[record];
        if (value.isArray()) {
            for (int i = 0; i < value.toArray().size(); ++i)
                add(QString("%1[%2]").arg(record).arg(i + 1), value.toArray()[i]);
            continue;
        }
        if (!value.isObject()) {
            add(record, value);
            continue;
        }
        const QJsonObject fields = value.toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            if (!it.value().isArray()) {
                add(it.key(), it.value());
                continue;
            }
            for (int i = 0; i < it.value().toArray().size(); ++i)
                add(QString("%1[%2]").arg(it.key()).arg(i + 1), it.value().toArray()[i]);
        }
    }
    return flat;
}

std::map<std::string, std::string> Lines(const std::string& text) {
    std::map<std::string, std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        const std::string line = text.substr(start, end - start);
        lines[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        start = end + 1;
    }
    return lines;
}

// Radio-wide settings of a new data file for band 400 - 480 MHz.
class CliSettingsTest : public CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        ASSERT_EQ(RunCli({"new", "--band", "0", Path(File("a.dat"))}).ExitCode, 0);
    }
    CliResult Settings(const QStringList& pairs) {
        return RunCli(QStringList{"settings", Path(File("a.dat"))} + pairs);
    }
    // The settings as show reports them after opening the saved file again.
    QJsonObject Shown() { return ParsedJson(RunCli({"show", "--json", Path(File("a.dat"))}).Out); }
    std::string FileBytes() { return TempFolder::ReadFile(File("a.dat")); }
};

TEST_F(CliSettingsTest, PrintsEverySettingUnderItsRecordNameAsShowHasIt) {
    ASSERT_EQ(
        Settings({"BotCode=12", "AutoDial[2]=345", "EmbeddedMessage[3]=HI THERE", "VoiceVolume=4"}).ExitCode,
        0);
    const CliResult text = Settings({});
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    const CliResult json = RunCli({"settings", "--json", Path(File("a.dat"))});
    ASSERT_EQ(json.ExitCode, 0) << json.Err;

    const QJsonObject settings = ParsedJson(json.Out);
    const QJsonObject shown = Shown();
    EXPECT_EQ(QStringList(settings.keys()), [] {
        QStringList sorted = kRecords;
        sorted.sort();
        return sorted;
    }());
    for (const QString& record : kRecords)
        EXPECT_EQ(settings[record], shown[record]) << record.toStdString();

    const std::map<std::string, std::string> lines = Lines(text.Out);
    EXPECT_EQ(lines, FlatSettings(settings));
    EXPECT_EQ(lines.size(), 83u);
    EXPECT_EQ(lines.at("AutoDial[2]"), "345");
    EXPECT_EQ(lines.at("EmbeddedMessage[3]"), "HI THERE");
    EXPECT_EQ(lines.at("AlarmMode"), "1");
    EXPECT_EQ(lines.at("LongPressTime"), "10");
    EXPECT_EQ(text.Out.substr(0, 15), "SquelchLevel=0\n");
}

TEST_F(CliSettingsTest, OneFieldOfEachWindowIsSavedAndTheFileReopensWithIt) {
    const CliResult set = Settings({"TimeOutTimer=45", "DtmfRate=10", "EmbeddedMessage[2]=HELLO"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(set.Out, "TimeOutTimer=45\nDtmfRate=10\nEmbeddedMessage[2]=HELLO\n");
    const QJsonObject shown = Shown();
    EXPECT_EQ(shown["OptionSettings"]["TimeOutTimer"].toInt(), 45);
    EXPECT_EQ(shown["DtmfSettings"]["DtmfRate"].toInt(), 10);
    EXPECT_EQ(shown["EmbeddedMessage"][1].toString(), "HELLO");
    EXPECT_EQ(Lines(Settings({}).Out).at("TimeOutTimer"), "45");
}

// Every list and check box of the two list windows, each to a value other than its default, reaches its
// own record field.
TEST_F(CliSettingsTest, EveryOptionAndDtmfFieldReachesItsOwnRecordField) {
    const std::vector<std::tuple<const char*, const char*, int>> fields = {
        {"OptionSettings", "SquelchLevel", 9},
        {"OptionSettings", "VoicePrompt", 2},
        {"OptionSettings", "VoiceVolume", 5},
        {"OptionSettings", "TailEliminationMode", 1},
        {"OptionSettings", "BatterySave", 3},
        {"OptionSettings", "VoxEnable", 1},
        {"OptionSettings", "VoxTone", 1},
        {"OptionSettings", "ChannelLock", 1},
        {"OptionSettings", "GroupSelect", 1},
        {"OptionSettings", "TotPreAlert", 10},
        {"OptionSettings", "WiredClone", 1},
        {"OptionSettings", "TailEliminationNoSignalling", 1},
        {"OptionSettings", "TimeOutTimer", 240},
        {"OptionSettings", "TotRekeyTime", 60},
        {"OptionSettings", "TotResetTime", 30},
        {"OptionSettings", "VoxSensitivity", 6},
        {"OptionSettings", "VoxDelay", 9},
        {"OptionSettings", "ChannelGroup", 8},
        {"", "ResetProhibit", 1},
        {"DtmfSettings", "DtmfRate", 7},
        {"DtmfSettings", "FirstDigitTime", 20},
        {"DtmfSettings", "FirstDigitDelay", 50},
        {"DtmfSettings", "StarHashTime", 10},
        {"DtmfSettings", "DKeySetting", 16},
        {"DtmfSettings", "Sidetone", 1},
        {"DtmfSettings", "CallAlert", 2},
        {"DtmfSettings", "GroupCode", 6},
        {"DtmfSettings", "AutoResetTimer", 15},
    };
    QStringList pairs;
    for (const auto& [record, name, value] : fields)
        pairs << QString("%1=%2").arg(name).arg(value);
    pairs << "IdCode=0012"
          << "EotCode=9"
          << "StunCode=*"
          << "KillCode=#0"
          << "AutoDial[16]=D";
    const CliResult set = Settings(pairs);
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    const QJsonObject shown = Shown();
    for (const auto& [record, name, value] : fields) {
        const QJsonValue stored = *record ? shown[record][name] : shown[name];
        EXPECT_EQ(stored.toInt(), value) << name;
    }
    const QJsonValue dtmf = shown["DtmfSettings"];
    EXPECT_EQ(dtmf["IdCode"].toString(), "0012");
    EXPECT_EQ(dtmf["IdLength"].toInt(), 4);  // follows the ID code
    EXPECT_EQ(dtmf["EotCode"]["Digits"].toString(), "9");
    EXPECT_EQ(dtmf["StunCode"]["Digits"].toString(), "*");
    EXPECT_EQ(dtmf["KillCode"]["Digits"].toString(), "#0");
    EXPECT_EQ(dtmf["AutoDial"][15]["Digits"].toString(), "D");
}

TEST_F(CliSettingsTest, AValueTheWindowCouldNotProduceIsRefusedAndTheFileLeftAsItWas) {
    const std::string before = FileBytes();
    const std::vector<std::pair<QStringList, std::string>> refusals = {
        {{"VoiceVolume=0"}, "VoiceVolume does not take \"0\": it takes 1..5"},
        {{"TimeOutTimer=22"}, "TimeOutTimer does not take \"22\": it takes 0, 15, 30, 45, 60,"},
        {{"StarHashTime=3"}, "StarHashTime does not take \"3\": it takes 0, 2, 10, 20"},
        {{"ChannelGroup=9"}, "ChannelGroup does not take \"9\": it takes 1..8"},
        {{"VoxEnable=2"}, "VoxEnable does not take \"2\": it takes 0 or 1"},
        {{"SquelchLevel="}, "SquelchLevel does not take \"\": it takes 0..9"},
        {{"SquelchLevel=+3"}, "SquelchLevel does not take \"+3\""},
        {{"IdCode=12"}, "IdCode does not take \"12\": it takes 3 to 10 digits"},
        {{"IdCode=12345678901"}, "IdCode does not take"},
        {{"IdCode=12A4"}, "IdCode does not take"},
        {{"IdLength=4"}, "IdLength does not take \"4\": it is the number of digits of IdCode"},
        {{"KillCode=12x"},
         "KillCode does not take \"12x\": it takes up to 16 of the digits 0-9, A-D, * and #"},
        {{"AutoDial[1]=12345678901234567"}, "AutoDial[1] does not take"},
        {{"EmbeddedMessage[1]=ABCDEFGHIJKLMNOPQ"},
         "EmbeddedMessage[1] does not take \"ABCDEFGHIJKLMNOPQ\": it "
         "takes up to 16 printable ASCII characters"},
        {{"EmbeddedMessage[1]=Gr\u00fc\u00dfe"}, "EmbeddedMessage[1] does not take"},
        {{"ScanMode=2"}, "ScanMode does not take \"2\": it takes 0 or 1"},
        {{"LongPressTime=30"}, "LongPressTime does not take \"30\": it takes 10..25"},
        {{"AlarmMode=2"}, "AlarmMode does not take \"2\": it takes 0 or 1"},
        {{"AlarmTime=0"}, "AlarmTime does not take \"0\": it takes 1..255"},
        {{"Colour=red"}, "no setting Colour"},
        // A refusal after a good pair saves neither.
        {{"SquelchLevel=3", "VoiceVolume=6"}, "VoiceVolume does not take \"6\""},
    };
    for (const auto& [pairs, message] : refusals) {
        const CliResult set = Settings(pairs);
        EXPECT_EQ(set.ExitCode, 2) << pairs.join(' ').toStdString();
        EXPECT_NE(set.Err.find("moxcps-cli: " + message), std::string::npos) << set.Err;
        EXPECT_EQ(set.Out, "");
    }
    EXPECT_EQ(Settings({"novalue"}).ExitCode, 2);
    EXPECT_EQ(Settings({"=3"}).ExitCode, 2);
    EXPECT_EQ(FileBytes(), before);
}

// The alert fields follow the alert window: the ID memories are the DTMF memories in use, the groups and
// positions those of the channels, and a list the window disables is refused.
TEST_F(CliSettingsTest, AlertFieldsFollowTheAlertWindowsRules) {
    const std::string before = FileBytes();
    const std::vector<std::pair<QStringList, std::string>> refusals = {
        {{"EmergencyIdType=1"},
         "EmergencyIdType does not take \"1\": it is set only while AlarmMode is 1 and "
         "EmergencyAlarm is 1..3 (then it takes 0 or 1)"},
        {{"EmergencyAlarm=1", "EmergencyIdType=1", "EmergencyIdMemory=3"},
         "EmergencyIdMemory does not take \"3\": it takes 4"},
        {{"EmergencyGroup=2"}, "EmergencyGroup does not take \"2\": it takes 1"},
        {{"AlarmMode=0", "AlarmCycle=2"},
         "AlarmCycle does not take \"2\": it is set only while AlarmMode is 1"},
    };
    ASSERT_EQ(Settings({"AutoDial[4]=123"}).ExitCode, 0);
    const std::string withMemory = FileBytes();
    for (const auto& [pairs, message] : refusals) {
        const CliResult set = Settings(pairs);
        EXPECT_EQ(set.ExitCode, 2) << pairs.join(' ').toStdString();
        EXPECT_NE(set.Err.find("moxcps-cli: " + message), std::string::npos) << set.Err;
    }
    EXPECT_EQ(FileBytes(), withMemory);
    EXPECT_NE(FileBytes(), before);

    const CliResult set = Settings({"EmergencyAlarm=2", "EmergencyIdType=1", "AlarmTxTime=30", "AlarmCycle=0",
                                    "ChannelSelect=1", "AlarmMode=0"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    // Every field that changed, the ID memory that follows the ID type among them, in record order.
    EXPECT_EQ(set.Out,
              "EmergencyAlarm=2\nEmergencyIdType=1\nEmergencyIdMemory=4\nAlarmTxTime=30\nChannelSelect=1\n"
              "AlarmCycle=0\nAlarmMode=0\n");
    const std::map<std::string, std::string> lines = Lines(Settings({}).Out);
    EXPECT_EQ(lines.at("EmergencyIdMemory"), "4");  // the first memory in use, as the window shows it
    EXPECT_EQ(lines.at("AlarmTxTime"), "30");
    EXPECT_EQ(lines.at("AlarmMode"), "0");
    const QJsonObject shown = Shown();
    EXPECT_EQ(shown["AlertSettings"]["EmergencyAlarm"].toInt(), 2);
}

// Keys and scan settings take what their windows offer, with the windows' follow-on rules.
TEST_F(CliSettingsTest, KeyAndScanFieldsFollowTheirWindows) {
    const CliResult scanKey = Settings({"Pf1Long=8"});
    EXPECT_EQ(scanKey.ExitCode, 2);
    EXPECT_NE(
        scanKey.Err.find("Pf1Long does not take \"8\": it takes 0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, "
                         "14, 15, 16, 17, 18, 19, 20 (8 needs ScanMode 1, 22 needs VoxEnable 1)"),
        std::string::npos)
        << scanKey.Err;
    const CliResult waiting = Settings({"LookBackA=20"});
    EXPECT_EQ(waiting.ExitCode, 2);
    EXPECT_NE(waiting.Err.find("LookBackA does not take \"20\": it is set only while ScanMode is 1 (then it "
                               "takes 5..50)"),
              std::string::npos)
        << waiting.Err;
    EXPECT_NE(Settings({"ScanMode=1", "Priority1Group=9"}).Err.find("Priority1Group does not take \"9\""),
              std::string::npos);

    const CliResult set = Settings({"ScanMode=1", "PriorityMode=1", "ReturnChannel=6", "LookBackA=20",
                                    "Pf1Long=8", "Pf2Short=3", "LongPressTime=25"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    const QJsonObject shown = Shown();
    EXPECT_EQ(shown["ScanSettings"]["ReturnChannel"].toInt(), 6);
    EXPECT_EQ(shown["ScanSettings"]["LookBackA"].toInt(), 20);
    EXPECT_EQ(shown["KeySettings"]["Pf1Long"].toInt(), 8);
    EXPECT_EQ(shown["KeySettings"]["Pf2Short"].toInt(), 3);
    EXPECT_EQ(shown["KeySettings"]["LongPressTime"].toInt(), 25);

    // Return channel 6 is not offered in priority mode 2; the first scan mode takes 8 off the keys.
    ASSERT_EQ(Settings({"PriorityMode=2"}).ExitCode, 0);
    ASSERT_EQ(Settings({"ScanMode=0"}).ExitCode, 0);
    const QJsonObject after = Shown();
    EXPECT_EQ(after["ScanSettings"]["ReturnChannel"].toInt(), 0);
    EXPECT_EQ(after["KeySettings"]["Pf1Long"].toInt(), 0);
    EXPECT_EQ(after["KeySettings"]["Pf2Short"].toInt(), 3);
}

// VOX tone, sensitivity and delay can be changed only while VOX is on, as in the window; switching VOX off
// keeps them.
TEST_F(CliSettingsTest, TheVoxControlsFollowVox) {
    EXPECT_EQ(Settings({"VoxTone=1"}).ExitCode, 2);
    const CliResult refused = Settings({"VoxDelay=3", "VoxEnable=1"});
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_NE(refused.Err.find(
                  "VoxDelay does not take \"3\": it is set only while VoxEnable is 1 (then it takes 0..9)"),
              std::string::npos)
        << refused.Err;
    ASSERT_EQ(Settings({"VoxEnable=1", "VoxTone=1", "VoxSensitivity=3", "VoxDelay=3"}).ExitCode, 0);
    const CliResult off = Settings({"VoxEnable=0"});
    ASSERT_EQ(off.ExitCode, 0) << off.Err;
    EXPECT_EQ(off.Out, "VoxEnable=0\n");
    const QJsonValue options = Shown()["OptionSettings"];
    EXPECT_EQ(options["VoxTone"].toInt(), 1);
    EXPECT_EQ(options["VoxSensitivity"].toInt(), 3);
    EXPECT_EQ(options["VoxDelay"].toInt(), 3);
    EXPECT_EQ(Settings({"VoxSensitivity=2"}).ExitCode, 2);
}

TEST_F(CliSettingsTest, DtmfCodesAreDigitStringsWithLettersInCapitals) {
    const CliResult set = Settings({"BotCode=12ab*#", "AutoDial[3]=0123456789ABCD*#"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(set.Out, "BotCode=12AB*#\nAutoDial[3]=0123456789ABCD*#\n");
    QJsonValue dtmf = Shown()["DtmfSettings"];
    EXPECT_EQ(dtmf["BotCode"]["Count"].toInt(), 6);
    EXPECT_EQ(dtmf["BotCode"]["Digits"].toString(), "12AB*#");
    EXPECT_EQ(dtmf["AutoDial"][2]["Count"].toInt(), 16);
    ASSERT_EQ(Settings({"BotCode="}).ExitCode, 0);
    dtmf = Shown()["DtmfSettings"];
    EXPECT_EQ(dtmf["BotCode"]["Count"].toInt(), 0);
    EXPECT_EQ(dtmf["BotCode"]["Digits"].toString(), "");
}

TEST_F(CliSettingsTest, TheEmbeddedMessageIsTextOfUpToSixteenCharacters) {
    ASSERT_EQ(
        Settings({"EmbeddedMessage[1]=0123456789ABCDEF", "EmbeddedMessage[4]=0123456789abcde"}).ExitCode, 0);
    const std::string bytes = FileBytes();
    // Sixteen characters fill the line; a shorter one ends with a NUL and blanks.
    EXPECT_NE(bytes.find("0123456789ABCDEF"), std::string::npos);
    EXPECT_NE(bytes.find(std::string("0123456789abcde\0", 16)), std::string::npos);
    const QJsonValue message = Shown()["EmbeddedMessage"];
    EXPECT_EQ(message[0].toString(), "0123456789ABCDEF");
    EXPECT_EQ(message[3].toString(), "0123456789abcde");
    ASSERT_EQ(Settings({"EmbeddedMessage[1]=Hi there!"}).ExitCode, 0);
    EXPECT_EQ(Shown()["EmbeddedMessage"][0].toString(), "Hi there!");
}

TEST_F(CliSettingsTest, NamesAreTakenWithoutRegardToCaseWithOrWithoutRecordAndBrackets) {
    const CliResult set = Settings(
        {"optionsettings.squelchlevel=4", "AUTODIAL3=1", "DtmfSettings.AutoDial[4]=2", "embeddedmessage4=Z"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(set.Out, "SquelchLevel=4\nAutoDial[3]=1\nAutoDial[4]=2\nEmbeddedMessage[4]=Z\n");
}

TEST_F(CliSettingsTest, AFileThatCannotBeReadFailsWithOne) {
    EXPECT_EQ(RunCli({"settings", Path(File("missing.dat"))}).ExitCode, 1);
    EXPECT_EQ(RunCli({"settings", Path(File("missing.dat")), "SquelchLevel=1"}).ExitCode, 1);
    EXPECT_EQ(RunCli({"settings"}).ExitCode, 2);
    EXPECT_NE(RunCli({"--help"}).Out.find("moxcps-cli settings [--json] FILE.dat [NAME=VALUE ...]"),
              std::string::npos);
}

}  // namespace
}  // namespace mox::test
