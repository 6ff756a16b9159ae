#pragma once

// Settings and text files with Windows INI semantics: section and key names match without regard to
// case, values are trimmed of surrounding blanks and cut to the reader's buffer, and a write changes
// one key and keeps the rest of the file.

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace mox {

// The value of `key` in `section`, trimmed and cut to bufferSize - 1 bytes (never inside a UTF-8
// character); `defaultValue` when the file, section or key is missing.
std::string ReadIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}, std::size_t bufferSize = 255);

// Sets one key, creating the file and the section when they are missing; the file is saved as every
// save is (ReplaceFileContent). False when the file cannot be read or written, or when the value holds
// a line break (it would split the entry).
bool WriteIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                    std::string_view value);

// The keys of a section with their trimmed values, in file order.
std::vector<std::pair<std::string, std::string>> ReadIniSection(const std::filesystem::path& file,
                                                                std::string_view section);

// A parsed INI file: section (lower case) -> key (lower case) -> trimmed value; the first of
// duplicate sections and keys wins, as the Windows reader does.
using IniContent = std::map<std::string, std::map<std::string, std::string>>;
IniContent ParseIni(std::string_view text);

// One value of parsed content, looked up and cut as ReadIniString does.
std::string IniValue(const IniContent& content, std::string_view section, std::string_view key,
                     std::string_view defaultValue = {}, std::size_t bufferSize = 255);

// The whole file as bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& file, std::string& bytes);

// Cuts to at most `limit` bytes without splitting a UTF-8 character.
std::string CutToBytes(std::string value, std::size_t limit);

// Lower case of the ASCII letters only, whatever the locale, so that UTF-8 names stay intact.
std::string AsciiLower(std::string_view text);

}  // namespace mox
