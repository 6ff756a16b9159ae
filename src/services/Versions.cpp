#include "services/Versions.h"

#include <algorithm>

#include "services/FixedText.h"
#include "services/IniFile.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox {

namespace {

// Each value is read into a 512-byte buffer, so at most 511 bytes of it count.
constexpr std::size_t kValueBuffer = 512;
// The counts are 16-bit numbers; a larger one cannot name more entries.
constexpr int kMaxCount = 32767;

std::string RecordValue(const IniContent& content, std::string_view section, const std::string& key) {
    return CutFixedText(IniValue(content, section, key, {}, kValueBuffer));
}

int RecordCount(const IniContent& content, const std::string& key) {
    const int count = ParseWholeNumber(RecordValue(content, "Version", key)).value_or(0);
    return std::clamp(count, 0, kMaxCount);
}

bool HasKey(const IniContent& content, std::string_view section, const std::string& key) {
    const auto s = content.find(AsciiLower(section));
    return s != content.end() && s->second.count(AsciiLower(key)) != 0;
}

// A pair is the first four characters (the program version) and the last four (the version it
// handles). A value shorter than eight characters gives a handled text of what follows the first four,
// shorter than a tag, so it matches none.
std::pair<std::string, std::string> FirmPair(const std::string& value) {
    const std::string rest = value.size() > 4 ? value.substr(4) : std::string();
    return {value.substr(0, 4), rest.size() > 4 ? rest.substr(rest.size() - 4) : rest};
}

}  // namespace

VersionRecords ReadVersionRecords(const std::filesystem::path& rootFolder) {
    VersionRecords records;
    std::string text;
    const IniContent content =
        ReadFileBytes(rootFolder / "Version.ini", text) ? ParseIni(text) : IniContent{};
    records.CurrentVersion = RecordValue(content, "Version", "CurrentVersion");
    const int softCount = RecordCount(content, "SoftVersionCount");
    for (int i = 0; i < softCount; ++i)
        records.SoftVersions.push_back(RecordValue(content, "Soft", "Version" + WholeNumberText(i)));
    const int firmCount = RecordCount(content, "FirmVersionCount");
    for (int i = 0; i < firmCount; ++i) {
        const std::string key = "Firm" + WholeNumberText(i);
        if (HasKey(content, "Firm", key))
            records.Firm.push_back(FirmPair(RecordValue(content, "Firm", key)));
    }
    return records;
}

bool IsVersionTag(std::string_view text) {
    const std::string tag = CutFixedText(text);
    if (tag.size() != 4 || tag[0] != 'V')
        return false;
    return std::all_of(tag.begin() + 1, tag.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHandledVersion(const VersionRecords& versions, std::string_view program, std::string_view other) {
    for (const auto& [programVersion, handled] : versions.Firm) {
        if (programVersion == program && handled == other)
            return true;
    }
    return false;
}

std::string ProgramForVersion(const VersionRecords& versions, std::string_view other) {
    for (const auto& [programVersion, handled] : versions.Firm) {
        if (handled == other)
            return programVersion;
    }
    return {};
}

std::string ShownVersion(std::string_view tag) {
    const std::string_view head = tag.substr(0, 2);
    const std::string_view tail = tag.size() > 2 ? tag.substr(tag.size() - 2) : tag;
    return std::string(head) + "." + std::string(tail);
}

std::string VersionQuestion(const Messages& messages, std::string_view program, std::string_view other,
                            int kind) {
    std::string text = GetLanguageText(messages, 9062);
    if (kind == 0 || kind == 1)
        text += "\r\n" + GetLanguageText(messages, kind == 0 ? 9060 : 9064) + " ";
    text += ShownVersion(other) + "\r\n" + GetLanguageText(messages, 9061) + " " + ShownVersion(program);
    return text;
}

bool SwitchToVersion(const ProgramServices& program, std::string_view other) {
    // Only a folder name of the version form is started: a path in Version.ini could otherwise start
    // any program on the computer.
    const std::string version = ProgramForVersion(program.Versions, other);
    if (!IsVersionTag(version) ||
        !program.Starter->StartAndExit(program.Paths.VersionsFolder / version / program.ExecutableName)) {
        ShowMessage(program, 9063, MsgButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace mox
