#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = mox::test::SourceTree();

const char* const kSections[] = {"OTHER",       "Msg",         "Menu",   "ToolBar", "Main",  "Model",
                                 "ChannelInfo", "ChannelEdit", "Option", "Radio",   "DTMF",  "TestFre",
                                 "EMG",         "Local",       "Port",   "Lang",    "About", "KeySet",
                                 "ScanSet",     "AlertSet",    "CHEdit", "CHBatch", "Others"};

// Every text number the windows and messages of the program ask for.
const std::pair<int, int> kNumbersInUse[] = {
    {9001, 9010},   {9012, 9012},   {9014, 9014},   {9016, 9019},   {9021, 9021},   {9023, 9023},
    {9025, 9033},   {9050, 9054},   {9060, 9065},   {10000, 10006}, {10100, 10101}, {10200, 10212},
    {10300, 10303}, {10400, 10403}, {10500, 10503}, {10600, 10602}, {10700, 10702}, {10800, 10808},
    {11000, 11007}, {11010, 11016}, {12000, 12002}, {12004, 12004}, {12006, 12013}, {13000, 13002},
    {14001, 14023}, {14050, 14050}, {14100, 14100}, {15000, 15003}, {15005, 15020}, {15022, 15022},
    {15029, 15035}, {15037, 15046}, {15050, 15051}, {15100, 15100}, {16000, 16012}, {16020, 16025},
    {16036, 16036}, {16040, 16040}, {16042, 16048}, {16300, 16301}, {18000, 18000}, {18002, 18009},
    {18011, 18011}, {18014, 18019}, {18022, 18022}, {18030, 18030}, {18040, 18040}, {18043, 18045},
    {19000, 19005}, {20000, 20000}, {21000, 21016}, {22000, 22002}, {23000, 23003}, {23100, 23101},
    {24000, 24005}, {25000, 25006}, {25040, 25062}, {26000, 26010}, {26030, 26035}, {27000, 27011},
    {27030, 27038}, {28000, 28011}, {29000, 29030}, {29040, 29046}, {29050, 29056}, {29099, 29099},
    {30001, 30001}, {30020, 30022}, {31400, 31406}, {31410, 31426}, {31450, 31454}, {31460, 31468}};

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

struct LanguageFile {
    std::map<int, std::string> Texts;
    std::vector<std::string> Faults;
};

// Reads a language file strictly: every line is blank, a "; comment", a known "[Section]" or
// "number=text" with the number in its section's range, above the number before it.
LanguageFile ReadLanguageFile(const std::string& name) {
    static const std::regex kSectionLine(R"(\[(\w+)\])");
    static const std::regex kTextLine(R"((\d+)=(.*))");
    LanguageFile file;
    std::istringstream lines(ReadAll(kSourceDir / "dist" / "language" / name));
    std::string line, section;
    int previous = -1;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        const std::string where = name + ":" + std::to_string(lineNumber) + ": ";
        std::smatch match;
        if (line.empty() || line[0] == ';')
            continue;
        if (std::regex_match(line, match, kSectionLine)) {
            section = match[1];
            if (std::find(std::begin(kSections), std::end(kSections), section) == std::end(kSections))
                file.Faults.push_back(where + "unknown section " + section);
        } else if (std::regex_match(line, match, kTextLine)) {
            const int number = std::stoi(match[1]);
            const std::string text = match[2];
            if (section != LanguageSectionOf(number))
                file.Faults.push_back(where + std::to_string(number) + " is not a number of [" + section +
                                      "]");
            if (number <= previous)
                file.Faults.push_back(where + std::to_string(number) + " is out of order or repeated");
            if (text.empty() || text.size() > 254 || !IsValidUtf8(text) || text.front() == ' ' ||
                text.back() == ' ')
                file.Faults.push_back(where + "the text must be 1..254 bytes of UTF-8 without outer blanks");
            previous = number;
            file.Texts[number] = text;
        } else {
            file.Faults.push_back(where + "neither a comment, a section nor number=text");
        }
    }
    return file;
}

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Text numbers the code names as literals: GetLanguageText(state, N), UiText(state, N),
// ShowMessage(state, N...), Text(N), Tr(N), and every number of an initializer list on a line
// marked "// texts". Each call form is matched only where its name stands, which keeps the scan of
// the whole source tree fast.
std::set<int> TextNumbersUsedIn(const std::string& source) {
    static const std::string arg = R"([^(),;]*(?:\([^()]*\)[^(),;]*)*)";
    static const std::pair<std::string, std::regex> calls[] = {
        {"GetLanguageText", std::regex(R"(GetLanguageText\s*\()" + arg + R"(,\s*(\d+)\s*\))")},
        {"UiText", std::regex(R"(UiText\s*\()" + arg + R"(,\s*(\d+)\s*\))")},
        {"ShowMessage", std::regex(R"(ShowMessage\s*\()" + arg + R"(,\s*(\d+)\s*[,)])")},
        {"Text", std::regex(R"(Text\s*\(\s*(\d+)\s*\))")},
        {"Tr", std::regex(R"(Tr\s*\(\s*(\d+)\s*\))")},
    };
    static const std::regex number(R"(\b\d+\b)");
    std::set<int> used;
    for (const auto& [name, call] : calls) {
        for (std::size_t at = source.find(name); at != std::string::npos; at = source.find(name, at + 1)) {
            if (at > 0 && IsIdentifierChar(source[at - 1]))
                continue;
            const std::string snippet = source.substr(at, 300);
            std::smatch match;
            if (std::regex_search(snippet, match, call, std::regex_constants::match_continuous))
                used.insert(std::stoi(match[1]));
        }
    }
    std::istringstream lines(source);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t marker = line.find("// texts");
        const std::size_t open = line.find('{');
        const std::size_t close = line.rfind('}', marker);
        if (marker == std::string::npos || open == std::string::npos || close == std::string::npos ||
            close < open)
            continue;
        const std::string list = line.substr(open, close - open);
        for (std::sregex_iterator it(list.begin(), list.end(), number), end; it != end; ++it)
            used.insert(std::stoi(it->str()));
    }
    return used;
}

class LanguageFiles : public ::testing::Test {
protected:
    LanguageFile English = ReadLanguageFile("english.ini");
    LanguageFile Chinese = ReadLanguageFile("chinese.ini");
};

TEST_F(LanguageFiles, EveryLineIsWellFormedAndEveryNumberInItsSection) {
    for (const LanguageFile* file : {&English, &Chinese}) {
        EXPECT_FALSE(file->Texts.empty());
        for (const std::string& fault : file->Faults)
            ADD_FAILURE() << fault;
    }
}

TEST_F(LanguageFiles, BothLanguagesHoldTheSameNumbersAndPlaceholders) {
    for (const auto& [number, text] : English.Texts) {
        const auto other = Chinese.Texts.find(number);
        if (other == Chinese.Texts.end()) {
            ADD_FAILURE() << number << " is missing in chinese.ini";
            continue;
        }
        EXPECT_EQ(text.find("{0}") != std::string::npos, other->second.find("{0}") != std::string::npos)
            << number;
    }
    for (const auto& [number, text] : Chinese.Texts)
        EXPECT_TRUE(English.Texts.count(number)) << number << " is missing in english.ini";
}

TEST_F(LanguageFiles, HoldEveryNumberTheWindowsAndMessagesAskFor) {
    for (const auto& [first, last] : kNumbersInUse) {
        for (int number = first; number <= last; ++number) {
            EXPECT_TRUE(English.Texts.count(number)) << number << " is missing in english.ini";
            EXPECT_TRUE(Chinese.Texts.count(number)) << number << " is missing in chinese.ini";
        }
    }
}

TEST_F(LanguageFiles, TheProgramReadsEveryTextAsWritten) {
    AppState state;
    state.Paths = PortablePaths(kSourceDir / "dist");
    for (const auto& [fileName, file] :
         {std::pair{"english.ini", &English}, std::pair{"chinese.ini", &Chinese}}) {
        state.Language.FileName = fileName;
        for (const auto& [number, text] : file->Texts)
            EXPECT_EQ(GetLanguageText(state, number), text) << fileName << " " << number;
    }
    state.Language.FileName = "english.ini";
    EXPECT_EQ(GetLanguageText(state, 12000), "MOX-5HK CPS");
}

TEST(TextNumberScan, FindsTheNumbersOfEveryMarkedForm) {
    const std::string source =
        "ShowMessage(state, 9004, MsgButtons::OkCancel);\n"
        "label->setText(UiText(*m_state, 14050));\n"
        "title = GetLanguageText(m_app.State(),\n    12000) + GetLanguageText(state, 9026 + kind);\n"
        "ok->setText(Tr(9017)); close->setText(Text( 9023 ));\n"
        "constexpr int kPower[] = {14014, 14015, 14016};  // texts\n"
        "constexpr int kSizes[] = {11800, 6400};\n"
        "Resize(state, 500);\n";
    EXPECT_EQ(TextNumbersUsedIn(source),
              (std::set<int>{9004, 9017, 9023, 12000, 14014, 14015, 14016, 14050}));
}

TEST(TextNumberScan, EveryNumberTheCodeUsesHasATextInBothLanguages) {
    const LanguageFile english = ReadLanguageFile("english.ini");
    const LanguageFile chinese = ReadLanguageFile("chinese.ini");
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
            continue;
        for (int number : TextNumbersUsedIn(ReadAll(entry.path()))) {
            EXPECT_TRUE(english.Texts.count(number) && chinese.Texts.count(number))
                << entry.path().lexically_relative(kSourceDir).string() << " uses text " << number
                << ", which a language file lacks";
        }
    }
}

}  // namespace
}  // namespace mox
