#include "services/Texts.h"

#include "services/IniFile.h"
#include "services/NumberText.h"

namespace mox {

// The language file as last read and parsed. Every lookup reads the file again and parses it only
// when its bytes differ, so a file rewritten while the program runs takes effect at once, even when
// its size and modification time stayed the same.
struct TextCache {
    std::filesystem::path File;
    std::string Bytes;
    IniContent Content;
};

namespace {

struct SectionRange {
    int First;
    const char* Name;
};

// The first row whose range holds the number decides; numbers below 9000 and from 30000 on are valid.
constexpr SectionRange kSections[] = {
    {9000, "Msg"},      {10000, "Menu"},        {11000, "ToolBar"},     {12000, "Main"},
    {13000, "Model"},   {14000, "ChannelInfo"}, {15000, "ChannelEdit"}, {16000, "Option"},
    {17000, "Radio"},   {18000, "DTMF"},        {19000, "TestFre"},     {20000, "EMG"},
    {21000, "Local"},   {22000, "Port"},        {23000, "Lang"},        {24000, "About"},
    {25000, "KeySet"},  {26000, "ScanSet"},     {27000, "AlertSet"},    {28000, "CHEdit"},
    {29000, "CHBatch"}, {30000, "Others"},
};

struct ButtonCaption {
    std::string_view Control;
    int Number;
};

constexpr ButtonCaption kButtonCaptions[] = {
    {"CommandOK", 9017},
    {"CommandCancel", 9018},
    {"CommandClose", 9023},
    {"CommandHelp", 9025},
};

// The text buffer holds 255 bytes with the terminating NUL.
constexpr std::size_t kTextBuffer = 255;

const IniContent* CurrentContent(const LanguageState& language, const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes))
        return nullptr;
    auto& cache = language.Cache;
    if (!cache || cache->File != file || cache->Bytes != bytes) {
        auto fresh = std::make_shared<TextCache>();
        fresh->File = file;
        fresh->Content = ParseIni(bytes);
        fresh->Bytes = std::move(bytes);
        cache = std::move(fresh);
    }
    return &cache->Content;
}

// Cutting to the buffer can leave a blank at the end, which the lookup removes as well.
std::string TrimBlanks(std::string text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

const char* LanguageSectionOf(int number) {
    const char* section = "OTHER";
    for (const SectionRange& range : kSections) {
        if (number >= range.First)
            section = range.Name;
    }
    return section;
}

std::string GetLanguageText(const Messages& messages, int number) {
    const std::filesystem::path file = messages.Paths.ProgramFolder / "language" / messages.Language.FileName;
    const IniContent* content = CurrentContent(messages.Language, file);
    if (content == nullptr)
        return {};
    return TrimBlanks(
        IniValue(*content, LanguageSectionOf(number), WholeNumberText(number), {}, kTextBuffer));
}

std::string CommandCaption(const Messages& messages, std::string_view controlName) {
    for (const ButtonCaption& button : kButtonCaptions) {
        if (button.Control == controlName)
            return GetLanguageText(messages, button.Number);
    }
    return {};
}

MsgAnswer ShowMessage(const Messages& messages, int number, MsgButtons buttons, MsgIcon icon) {
    return ShowText(messages, GetLanguageText(messages, number), buttons, icon, number);
}

MsgAnswer ShowText(const Messages& messages, const std::string& text, MsgButtons buttons, MsgIcon icon,
                   int number) {
    Prompt prompt;
    prompt.TextNumber = number;
    prompt.Text = text;
    prompt.Buttons = buttons;
    prompt.Icon = icon;
    return messages.Prompts->Ask(prompt);
}

}  // namespace mox
