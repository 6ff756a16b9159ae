// The INI reader on any bytes: the settings files and language files are edited by hand and by other
// programs. Whatever the file holds, every value read is trimmed and cut to the reader's buffer
// without splitting a character, reading through the file gives what parsing the text gives, and a
// write changes its one key and leaves every other entry as it was.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "fuzz/FuzzInput.h"
#include "services/IniFile.h"
#include "support/TempFolder.h"

namespace {

using namespace mox;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Trimmed(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// Well-formed UTF-8: each lead byte followed by as many continuation bytes as it announces.
bool IsUtf8(const std::string& text) {
    std::size_t pending = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (pending > 0) {
            if ((byte & 0xC0) != 0x80)
                return false;
            --pending;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            pending = 3;
        } else if (byte >= 0xE0) {
            pending = byte <= 0xEF ? 2 : 0;
            if (byte > 0xEF)
                return false;
        } else if (byte >= 0xC2) {
            pending = 1;
        } else if (byte >= 0x80) {
            return false;
        }
    }
    return pending == 0;
}

void CheckParsed(const IniContent& content, std::size_t buffer) {
    for (const auto& [section, keys] : content) {
        FUZZ_CHECK(AsciiLower(section) == section);
        for (const auto& [key, value] : keys) {
            FUZZ_CHECK(!key.empty() && AsciiLower(key) == key);
            FUZZ_CHECK(Trimmed(value) == value);
            const std::string read = IniValue(content, section, key, {}, buffer);
            FUZZ_CHECK(read.size() < buffer || (buffer == 0 && read.empty()));
            FUZZ_CHECK(value.compare(0, read.size(), read) == 0);
            // The cut never leaves the first bytes of a character behind (of a value that is UTF-8).
            FUZZ_CHECK(read.size() == value.size() || !IsUtf8(value) ||
                       (static_cast<unsigned char>(value[read.size()]) & 0xC0) != 0x80);
        }
    }
}

void CheckWrite(const std::filesystem::path& file, const IniContent& before, const std::string& value) {
    const bool written = WriteIniString(file, "Fuzz", "Key", value);
    if (value.find_first_of("\r\n") != std::string::npos) {
        FUZZ_CHECK(!written);
        return;
    }
    FUZZ_CHECK(written);
    std::string text;
    FUZZ_CHECK(ReadFileBytes(file, text));
    IniContent after = ParseIni(text);
    FUZZ_CHECK(IniValue(after, "fuzz", "key", {}, text.size() + value.size() + 1) == Trimmed(value));
    after["fuzz"].erase("key");
    IniContent expected = before;
    expected["fuzz"].erase("key");
    // A section the write added is empty apart from the key.
    if (expected["fuzz"].empty())
        expected.erase("fuzz");
    if (after["fuzz"].empty())
        after.erase("fuzz");
    FUZZ_CHECK(after == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const mox::test::TempFolder folder;
    // The input is the file as it is, so that any settings or language file is a seed; its length picks
    // the reader's buffer and the value written.
    static const char* const kValues[] = {"COM3", "  padded value\t", "two\nlines", "中文", "", "a=b;[c]"};
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t buffer = size % 300;
    const std::string value = kValues[size % std::size(kValues)];

    const IniContent content = ParseIni(text);
    CheckParsed(content, buffer);

    const std::filesystem::path file = folder.Root() / "fuzz.ini";
    mox::test::TempFolder::WriteFile(file, text);
    // Reading through the file parses it again for every key: a few keys of each section tell enough.
    for (const auto& [section, keys] : content) {
        int looked = 0;
        for (const auto& [key, parsed] : keys) {
            if (looked++ == 3)
                break;
            FUZZ_CHECK(ReadIniString(file, section, key, {}, text.size() + 1) == parsed);
        }
        for (const auto& [key, parsed] : ReadIniSection(file, section))
            FUZZ_CHECK(keys.contains(AsciiLower(key)));
    }
    CheckWrite(file, content, value);
    return 0;
}
