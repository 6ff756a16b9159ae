#include "SimOptions.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "SimMemory.h"

namespace mox::sim {
namespace {

// Decimal, or hexadecimal with 0x in front (addresses read more easily that way).
std::optional<int> ParseNumber(const std::string& text, int low, int high) {
    int base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data() + start, end, value, base);
    if (start == text.size() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        std::size_t next = text.find(separator, start);
        items.push_back(text.substr(start, next - start));
        if (next == std::string::npos)
            return items;
        start = next + 1;
    }
}

bool ParseSet(const std::string& text, int low, int high, std::set<int>& out) {
    for (const std::string& item : SplitList(text, ',')) {
        std::optional<int> n = ParseNumber(item, low, high);
        if (!n)
            return false;
        out.insert(*n);
    }
    return true;
}

bool ParseResends(const std::string& text, std::map<int, int>& out) {
    for (const std::string& item : SplitList(text, ',')) {
        std::vector<std::string> pair = SplitList(item, ':');
        if (pair.size() != 2)
            return false;
        std::optional<int> address = ParseNumber(pair[0], 0, kSimMemorySize - 1);
        std::optional<int> count = ParseNumber(pair[1], 0, 1000000);
        if (!address || !count)
            return false;
        out[*address] = *count;
    }
    return true;
}

bool SetNumber(const std::string& text, int low, int high, int& out) {
    std::optional<int> n = ParseNumber(text, low, high);
    if (n)
        out = *n;
    return n.has_value();
}

bool SetText(const std::string& text, std::size_t longest, std::string& out) {
    out = text;
    return text.size() <= longest;
}

using ValueOption = std::function<bool(SimOptions&, const std::string&)>;

const std::map<std::string, ValueOption>& ValueOptions() {
    static const std::map<std::string, ValueOption> options = {
        {"--link", [](SimOptions& o, const std::string& v) { return SetText(v, 4096, o.LinkPath); }},
        {"--image", [](SimOptions& o, const std::string& v) { return SetText(v, 4096, o.ImageFile); }},
        {"--info", [](SimOptions& o, const std::string& v) { return SetText(v, 4096, o.InfoFile); }},
        {"--transcript",
         [](SimOptions& o, const std::string& v) { return SetText(v, 4096, o.TranscriptFile); }},
        {"--save", [](SimOptions& o, const std::string& v) { return SetText(v, 4096, o.SaveFile); }},
        {"--model", [](SimOptions& o,
                       const std::string& v) { return o.ModelGiven = SetText(v, 7, o.Config.ModelCode); }},
        {"--band",
         [](SimOptions& o, const std::string& v) {
             return o.BandGiven = SetNumber(v, 0, 255, o.Config.BandCode);
         }},
        {"--version", [](SimOptions& o,
                         const std::string& v) { return o.VersionGiven = SetText(v, 4, o.Config.Version); }},
        {"--feature",
         [](SimOptions& o, const std::string& v) {
             int feature = 0;
             o.FeatureGiven = SetNumber(v, 0, 255, feature);
             o.Config.FeatureByte = static_cast<std::uint8_t>(feature);
             return o.FeatureGiven;
         }},
        {"--password",
         [](SimOptions& o, const std::string& v) {
             return o.PasswordGiven = SetText(v, 4, o.Config.Password);
         }},
        {"--stop-bits",
         [](SimOptions& o, const std::string& v) { return SetNumber(v, 1, 2, o.Config.StopBits); }},
        {"--handshaking",
         [](SimOptions& o, const std::string& v) { return SetNumber(v, 0, 3, o.Config.Handshaking); }},
        {"--drop", [](SimOptions& o,
                      const std::string& v) { return ParseSet(v, 1, 1 << 30, o.Config.Faults.DropReplies); }},
        {"--bad-checksum",
         [](SimOptions& o, const std::string& v) {
             return ParseSet(v, 0, kSimMemorySize - 1, o.Config.Faults.BadChecksumAddresses);
         }},
        {"--wrong-address",
         [](SimOptions& o, const std::string& v) {
             return ParseSet(v, 0, kSimMemorySize - 1, o.Config.Faults.WrongAddressAddresses);
         }},
        {"--resend", [](SimOptions& o,
                        const std::string& v) { return ParseResends(v, o.Config.Faults.ResendAddresses); }},
        {"--store-wrong",
         [](SimOptions& o, const std::string& v) {
             return ParseSet(v, 0, kSimMemorySize - 1, o.Config.Faults.StoreWrongAddresses);
         }},
        {"--garbage-at",
         [](SimOptions& o, const std::string& v) {
             return ParseSet(v, 1, 1 << 30, o.Config.Faults.GarbageReplies);
         }},
        {"--garbage-from",
         [](SimOptions& o, const std::string& v) {
             return SetNumber(v, 1, 1 << 30, o.Config.Faults.GarbageFromRequest);
         }},
        {"--vanish-after",
         [](SimOptions& o, const std::string& v) {
             return SetNumber(v, 1, 1 << 30, o.Config.Faults.VanishAfterRequest);
         }},
    };
    return options;
}

bool SetFlag(SimOptions& o, const std::string& name) {
    if (name == "--baud")
        o.EmulateBaud = true;
    else if (name == "--timestamps")
        o.Timestamps = true;
    else if (name == "--noise")
        o.Config.Faults.Noise = true;
    else if (name == "--no-end-ack")
        o.Config.Faults.NoEndAck = true;
    else if (name == "--help" || name == "-h")
        o.Help = true;
    else
        return false;
    return true;
}

std::string LoadInto(const std::string& path, std::vector<std::uint8_t>& memory, int address, int size) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot open " + path;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (static_cast<int>(bytes.size()) != size)
        return path + " holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(size);
    std::copy(bytes.begin(), bytes.end(), memory.begin() + address);
    return {};
}

}  // namespace

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args) {
    SimOptionsResult result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (SetFlag(result.Options, name))
            continue;
        auto option = ValueOptions().find(name);
        if (option == ValueOptions().end()) {
            result.Error = "unknown option " + name;
            return result;
        }
        if (i + 1 >= args.size()) {
            result.Error = name + " needs a value";
            return result;
        }
        if (!option->second(result.Options, args[++i])) {
            result.Error = "bad value for " + name + ": " + args[i];
            return result;
        }
    }
    if (result.Options.LinkPath.empty() && !result.Options.Help)
        result.Error = "--link PATH is required";
    return result;
}

std::string SimUsage() {
    return "usage: moxsim --link PATH [--image FILE] [--info FILE] [--model CODE] [--band N]\n"
           "              [--version TAG] [--feature N] [--password PW] [--baud] [--stop-bits N]\n"
           "              [--handshaking N] [--drop N,...] [--bad-checksum ADDR,...]\n"
           "              [--wrong-address ADDR,...] [--resend ADDR:COUNT,...] [--vanish-after N]\n"
           "              [--store-wrong ADDR,...] [--garbage-at N,...] [--garbage-from N]\n"
           "              [--noise] [--no-end-ack] [--transcript FILE] [--timestamps] [--save FILE]\n"
           "Plays a MOX-5HK radio on a pseudo-terminal linked at PATH until it is stopped.\n"
           "Numbers may be written in hexadecimal with 0x in front.\n";
}

std::string LoadSimMemory(const SimOptions& options, SimRadio& radio) {
    std::vector<std::uint8_t>& memory = radio.Memory();
    if (!options.ImageFile.empty()) {
        std::string error = LoadInto(options.ImageFile, memory, 0, kSimImageSize);
        if (!error.empty())
            return error;
    }
    if (!options.InfoFile.empty()) {
        std::string error = LoadInto(options.InfoFile, memory, kSimImageSize, kSimInfoSize);
        if (!error.empty())
            return error;
    }
    // What the command line names wins over the files; the rest of the files' identity stays.
    std::vector<std::uint8_t> loaded(memory.begin() + kSimModelBlockAddress,
                                     memory.begin() + kSimModelBlockAddress + 13);
    StoreIdentity(memory, options.Config);
    auto keep = [&](int offset, int count) {
        std::copy(loaded.begin() + offset, loaded.begin() + offset + count,
                  memory.begin() + kSimModelBlockAddress + offset);
    };
    if (!options.ModelGiven)
        keep(0, 7);
    if (!options.BandGiven)
        keep(7, 1);
    if (!options.VersionGiven)
        keep(8, 4);
    if (!options.FeatureGiven)
        keep(12, 1);
    if (options.PasswordGiven)
        StorePassword(memory, options.Config.Password);
    return {};
}

std::string SaveSimImage(const SimRadio& radio, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto& memory = radio.Memory();
    out.write(reinterpret_cast<const char*>(memory.data()), kSimImageSize);
    return out ? std::string() : "cannot write " + path;
}

}  // namespace mox::sim
