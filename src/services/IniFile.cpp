#include "services/IniFile.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "services/FileReplace.h"

namespace mox {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Editors on other systems often save text files with a byte-order mark; without removing it the
// first section header would not be recognised.
std::string_view WithoutBom(std::string_view text) {
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        text.remove_prefix(kUtf8Bom.size());
    return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in{std::string(text)};
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// "[name]" gives name; anything else gives nothing.
bool SectionName(std::string_view line, std::string& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = std::string(Trim(line.substr(1, close - 1)));
    return true;
}

bool KeyValue(std::string_view line, std::string& key, std::string& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = std::string(Trim(line.substr(0, eq)));
    value = std::string(Trim(line.substr(eq + 1)));
    return !key.empty() && key.front() != ';';
}

// Replaces the key's line inside the first section of that name, or adds the key at the end of that
// section, or adds the section at the end of the file.
void SetEntry(std::vector<std::string>& lines, std::string_view section, std::string_view key,
              std::string_view value) {
    const std::string wantedSection = AsciiLower(section);
    const std::string wantedKey = AsciiLower(key);
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::ptrdiff_t sectionLine = -1;
    std::ptrdiff_t lastKeyLine = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name, k, v;
        if (SectionName(lines[i], name)) {
            if (sectionLine >= 0)
                break;
            if (AsciiLower(name) == wantedSection)
                sectionLine = lastKeyLine = static_cast<std::ptrdiff_t>(i);
        } else if (sectionLine >= 0 && KeyValue(lines[i], k, v)) {
            if (AsciiLower(k) == wantedKey) {
                lines[i] = entry;
                return;
            }
            lastKeyLine = static_cast<std::ptrdiff_t>(i);
        }
    }
    if (sectionLine >= 0) {
        lines.insert(lines.begin() + lastKeyLine + 1, entry);
        return;
    }
    if (!lines.empty() && !Trim(lines.back()).empty())
        lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
}

}  // namespace

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string CutToBytes(std::string value, std::size_t limit) {
    if (value.size() <= limit)
        return value;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    value.resize(end);
    return value;
}

bool ReadFileBytes(const std::filesystem::path& file, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    bytes = buffer.str();
    return true;
}

IniContent ParseIni(std::string_view text) {
    IniContent content;
    std::string section;
    bool inSection = false;
    for (const std::string& line : SplitLines(WithoutBom(text))) {
        std::string name, key, value;
        if (SectionName(line, name)) {
            // Only the first section of a name counts; a repeated one is skipped whole.
            section = AsciiLower(name);
            inSection = content.try_emplace(section).second;
        } else if (inSection && KeyValue(line, key, value)) {
            content[section].try_emplace(AsciiLower(key), value);
        }
    }
    return content;
}

std::string IniValue(const IniContent& content, std::string_view section, std::string_view key,
                     std::string_view defaultValue, std::size_t bufferSize) {
    std::string result(defaultValue);
    const auto s = content.find(AsciiLower(section));
    if (s != content.end()) {
        const auto k = s->second.find(AsciiLower(key));
        if (k != s->second.end())
            result = k->second;
    }
    return CutToBytes(result, bufferSize == 0 ? 0 : bufferSize - 1);
}

std::string ReadIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) {
    std::string text;
    const IniContent content = ReadFileBytes(file, text) ? ParseIni(text) : IniContent{};
    return IniValue(content, section, key, defaultValue, bufferSize);
}

std::vector<std::pair<std::string, std::string>> ReadIniSection(const std::filesystem::path& file,
                                                                std::string_view section) {
    std::vector<std::pair<std::string, std::string>> result;
    std::string text;
    if (!ReadFileBytes(file, text))
        return result;
    const std::string wanted = AsciiLower(section);
    bool inWanted = false;
    bool seen = false;
    for (const std::string& line : SplitLines(WithoutBom(text))) {
        std::string name, key, value;
        if (SectionName(line, name)) {
            inWanted = !seen && AsciiLower(name) == wanted;
            seen = seen || inWanted;
        } else if (inWanted && KeyValue(line, key, value)) {
            result.emplace_back(key, value);
        }
    }
    return result;
}

bool WriteIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                    std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::string text;
    std::error_code error;
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (std::filesystem::exists(file, error) && !ReadFileBytes(file, text))
        return false;
    const bool hadBom = WithoutBom(text).size() != text.size();
    const std::string_view lineEnd = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines = SplitLines(WithoutBom(text));
    SetEntry(lines, section, key, value);

    std::string updated = hadBom ? std::string(kUtf8Bom) : std::string();
    for (const std::string& line : lines)
        updated.append(line).append(lineEnd);
    return ReplaceFileContent(file, updated);
}

}  // namespace mox
