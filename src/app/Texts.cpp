#include "app/Texts.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "app/IniFile.h"

namespace mox {

// The language file parsed once; parsed again when its size or modification time changes, so an
// edited file takes effect at the next lookup.
struct TextCache {
    std::filesystem::path File;
    std::filesystem::file_time_type Modified{};
    std::uintmax_t Size = 0;
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

const IniContent* LoadCached(const LanguageState& language, const std::filesystem::path& file) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error)
        return nullptr;
    const auto size = std::filesystem::file_size(file, error);
    if (error)
        return nullptr;
    auto& cache = language.Cache;
    if (!cache || cache->File != file || cache->Modified != modified || cache->Size != size) {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            return nullptr;
        std::ostringstream text;
        text << in.rdbuf();
        auto fresh = std::make_shared<TextCache>();
        fresh->File = file;
        fresh->Modified = modified;
        fresh->Size = size;
        fresh->Content = ParseIni(text.str());
        cache = std::move(fresh);
    }
    return &cache->Content;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A value is at most 254 bytes, cut at a character boundary.
std::string CutTo254(std::string value) {
    if (value.size() <= 254)
        return value;
    std::size_t end = 254;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    value.resize(end);
    return value;
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

std::string GetLanguageText(const AppState& state, int number) {
    const std::filesystem::path file = state.ProgramFolder / "language" / state.Language.FileName;
    const IniContent* content = LoadCached(state.Language, file);
    if (content == nullptr)
        return {};
    const auto section = content->find(Lower(LanguageSectionOf(number)));
    if (section == content->end())
        return {};
    const auto value = section->second.find(std::to_string(number));
    return value == section->second.end() ? std::string() : CutTo254(value->second);
}

MsgAnswer ShowMessage(AppState& state, int number, MsgButtons buttons, MsgIcon icon) {
    return ShowText(state, GetLanguageText(state, number), buttons, icon, number);
}

MsgAnswer ShowText(AppState& state, const std::string& text, MsgButtons buttons, MsgIcon icon, int number) {
    Prompt prompt;
    prompt.TextNumber = number;
    prompt.Text = text;
    prompt.Buttons = buttons;
    prompt.Icon = icon;
    return state.Prompts->Ask(prompt);
}

}  // namespace mox
