#include "app/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace mox {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool ReadWholeFile(const std::filesystem::path& file, std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
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

// Cuts to at most `limit` bytes without splitting a UTF-8 character.
std::string CutToBytes(std::string value, std::size_t limit) {
    if (value.size() <= limit)
        return value;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    value.resize(end);
    return value;
}

}  // namespace

IniContent ParseIni(std::string_view text) {
    IniContent content;
    std::string section;
    bool inSection = false;
    for (const std::string& line : SplitLines(std::string(text))) {
        std::string name, key, value;
        if (SectionName(line, name)) {
            section = Lower(name);
            inSection = true;
            content.try_emplace(section);
        } else if (inSection && KeyValue(line, key, value)) {
            content[section].try_emplace(Lower(key), value);
        }
    }
    return content;
}

std::string ReadIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) {
    std::string text;
    std::string result(defaultValue);
    if (ReadWholeFile(file, text)) {
        const IniContent content = ParseIni(text);
        const auto s = content.find(Lower(section));
        if (s != content.end()) {
            const auto k = s->second.find(Lower(key));
            if (k != s->second.end())
                result = k->second;
        }
    }
    return CutToBytes(result, bufferSize == 0 ? 0 : bufferSize - 1);
}

std::vector<std::pair<std::string, std::string>> ReadIniSection(const std::filesystem::path& file,
                                                                std::string_view section) {
    std::vector<std::pair<std::string, std::string>> result;
    std::string text;
    if (!ReadWholeFile(file, text))
        return result;
    const std::string wanted = Lower(section);
    bool inWanted = false;
    bool seen = false;
    for (const std::string& line : SplitLines(text)) {
        std::string name, key, value;
        if (SectionName(line, name)) {
            inWanted = !seen && Lower(name) == wanted;
            seen = seen || inWanted;
        } else if (inWanted && KeyValue(line, key, value)) {
            result.emplace_back(key, value);
        }
    }
    return result;
}

bool WriteIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                    std::string_view value) {
    std::string text;
    ReadWholeFile(file, text);
    std::vector<std::string> lines = SplitLines(text);
    const std::string wantedSection = Lower(section);
    const std::string wantedKey = Lower(key);
    const std::string entry = std::string(key) + "=" + std::string(value);

    int sectionLine = -1;
    int lastKeyLine = -1;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        std::string name, k, v;
        if (SectionName(lines[i], name)) {
            if (sectionLine >= 0)
                break;
            if (Lower(name) == wantedSection)
                sectionLine = lastKeyLine = i;
        } else if (sectionLine >= 0 && KeyValue(lines[i], k, v)) {
            if (Lower(k) == wantedKey) {
                lines[i] = entry;
                sectionLine = -2;
                break;
            }
            lastKeyLine = i;
        }
    }
    if (sectionLine >= 0) {
        lines.insert(lines.begin() + lastKeyLine + 1, entry);
    } else if (sectionLine == -1) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const std::string& line : lines)
        out << line << "\n";
    return static_cast<bool>(out.flush());
}

}  // namespace mox
