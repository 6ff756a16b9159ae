#include "cli/CliArgs.h"

#include <charconv>
#include <map>
#include <set>

namespace mox::cli {
namespace {

struct CommandShape {
    CliCommandKind Kind;
    std::set<std::string> Options;  // allowed options, those with a value end in "="
    bool NeedsFile;
    bool TakesEdits = false;     // after the file: a channel and field/value pairs
    bool TakesPairs = false;     // after the file: NAME=VALUE pairs
    std::size_t Positions = 0;   // after the file: this many channel numbers or directions
    bool TakesTwoFiles = false;  // after the file: a second file
};

const std::map<std::string, CommandShape>& Commands() {
    static const std::map<std::string, CommandShape> commands = {
        {"read",
         {CliCommandKind::Read, {"--port=", "--password=", "--yes", "--no-backup", "--trace="}, true}},
        {"write",
         {CliCommandKind::Write,
          {"--port=", "--password=", "--yes", "--verify", "--no-backup", "--trace=", "--repeat",
           "--count=", "--report="},
          true}},
        {"info", {CliCommandKind::Info, {"--port=", "--json", "--trace="}, false}},
        {"new", {CliCommandKind::New, {"--model=", "--band="}, true}},
        {"show", {CliCommandKind::Show, {"--json"}, true}},
        {"ports", {CliCommandKind::Ports, {}, false}},
        {"set", {CliCommandKind::Set, {"--shift"}, true, true}},
        {"settings", {CliCommandKind::Settings, {"--json"}, true, false, true}},
        {"backups", {CliCommandKind::Backups, {}, false}},
        {"copy", {CliCommandKind::Copy, {}, true, false, false, 2}},
        {"insert", {CliCommandKind::Insert, {"--close-gap", "--keep-gap"}, true, false, false, 1}},
        {"delete", {CliCommandKind::Delete, {"--close-gap", "--keep-gap"}, true, false, false, 1}},
        {"move", {CliCommandKind::Move, {"--close-gap", "--keep-gap"}, true, false, false, 2}},
        {"export", {CliCommandKind::Export, {}, true, false, false, 0, true}},
        {"import",
         {CliCommandKind::Import,
          {"--keep-locations", "--merge", "--strict", "--out="},
          true,
          false,
          false,
          0,
          true}},
        {"diff", {CliCommandKind::Diff, {}, true, false, false, 0, true}},
        {"print", {CliCommandKind::Print, {}, true, false, false, 0, true}},
        {"batch",
         {CliCommandKind::Batch,
          {"--from=", "--to=", "--rx=", "--rx-step=", "--down",
           "--tx-offset=", "--tx=", "--tx-step=", "--tx-down", "--rxtone=", "--rxtone-step=", "--rxtone-down",
           "--rxtone-random", "--txtone=", "--txtone-step=", "--power=", "--set=", "--clear-outside"},
          true}},
    };
    return commands;
}

bool ParseBand(const std::string& text, int& band) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), band);
    return error == std::errc() && end == text.data() + text.size() && band >= 0 && band <= 255;
}

bool ParseCount(const std::string& text, int& count) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count >= 1;
}

std::string SetOption(CliCommand& command, const std::string& name, const std::string& value) {
    if (command.Kind == CliCommandKind::Batch)
        command.BatchOptions.emplace_back(name, value);
    else if (name == "--port") {
        if (command.Ports.empty())
            command.Port = value;
        command.Ports.push_back(value);
    } else if (name == "--count") {
        if (!ParseCount(value, command.Count))
            return "bad radio count: " + value;
        command.Repeat = true;
    } else if (name == "--report")
        command.ReportFile = value;
    else if (name == "--password") {
        if (value.size() > 4)
            return "a password has at most 4 characters";
        command.Password = value;
        command.PasswordGiven = true;
    } else if (name == "--trace")
        command.TraceFile = value;
    else if (name == "--model")
        command.ModelCode = value;
    else if (name == "--band" && !ParseBand(value, command.BandCode))
        return "bad band number: " + value;
    else if (name == "--out")
        command.OutFile = value;
    return {};
}

void SetFlag(CliCommand& command, const std::string& name) {
    if (command.Kind == CliCommandKind::Batch)
        command.BatchOptions.emplace_back(name, "");
    else if (name == "--yes")
        command.Yes = true;
    else if (name == "--json")
        command.Json = true;
    else if (name == "--shift")
        command.Shift = true;
    else if (name == "--repeat")
        command.Repeat = true;
    else if (name == "--verify")
        command.Verify = true;
    else if (name == "--no-backup")
        command.NoBackup = true;
    else if (name == "--close-gap")
        command.CloseGap = true;
    else if (name == "--keep-gap")
        command.KeepGap = true;
    else if (name == "--keep-locations")
        command.KeepLocations = true;
    else if (name == "--merge")
        command.Merge = true;
    else if (name == "--strict")
        command.Strict = true;
}

// A file followed by the channel numbers (and the direction of a move) the command needs.
std::string TakePositions(CliCommand& command, std::vector<std::string>& words, std::size_t count,
                          const std::string& verb) {
    if (words.size() != count + 1) {
        if (verb == "copy")
            return "copy needs a file, the channel to copy and the channel to put it on";
        if (verb == "move")
            return "move needs a file, a channel and up or down";
        return verb + " needs a file and a channel";
    }
    if (command.CloseGap && command.KeepGap)
        return "--close-gap and --keep-gap exclude each other";
    command.Edits.assign(words.begin() + 1, words.end());
    words.resize(1);
    return {};
}

// A file, a channel and at least one field with its value.
std::string TakeEdits(CliCommand& command, std::vector<std::string>& words) {
    if (words.size() < 4 || words.size() % 2 != 0)
        return "set needs a file, a channel and field value pairs";
    command.Edits.assign(words.begin() + 1, words.end());
    words.resize(1);
    return {};
}

// A file, then any number of NAME=VALUE pairs.
std::string TakePairs(CliCommand& command, std::vector<std::string>& words) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i].find('=') == std::string::npos || words[i].front() == '=')
            return "settings takes NAME=VALUE pairs after the file, not " + words[i];
    }
    if (words.size() > 1) {
        command.Edits.assign(words.begin() + 1, words.end());
        words.resize(1);
    }
    return {};
}

// One trace file cannot tell the traffic of several ports apart.
std::string CheckFleetOptions(const CliCommand& command) {
    const bool fleet = command.Ports.size() > 1 || command.Repeat;
    if (fleet && !command.TraceFile.empty())
        return "--trace takes one port and one radio";
    if (!command.ReportFile.empty() && !fleet)
        return "--report needs several ports or --repeat";
    return {};
}

}  // namespace

CliParseResult ParseCliArgs(const std::vector<std::string>& args) {
    CliParseResult result;
    CliCommand& command = result.Command;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return result;
    }
    if (args.empty()) {
        result.Error = "no command given";
        return result;
    }
    auto shape = Commands().find(args[0]);
    if (shape == Commands().end()) {
        result.Error = "unknown command " + args[0];
        return result;
    }
    command.Kind = shape->second.Kind;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            files.push_back(arg);
            continue;
        }
        const auto& allowed = shape->second.Options;
        if (allowed.count(arg) != 0) {
            SetFlag(command, arg);
            continue;
        }
        if (allowed.count(arg + "=") == 0) {
            result.Error = "unknown option " + arg + " for " + args[0];
            return result;
        }
        if (i + 1 >= args.size()) {
            result.Error = arg + " needs a value";
            return result;
        }
        result.Error = SetOption(command, arg, args[++i]);
        if (!result.Error.empty())
            return result;
    }
    if (shape->second.TakesEdits || shape->second.TakesPairs) {
        result.Error = shape->second.TakesEdits ? TakeEdits(command, files) : TakePairs(command, files);
        if (!result.Error.empty())
            return result;
    }
    if (shape->second.Positions > 0) {
        result.Error = TakePositions(command, files, shape->second.Positions, args[0]);
        if (!result.Error.empty())
            return result;
    }
    if (shape->second.TakesTwoFiles) {
        if (files.size() != 2) {
            result.Error = args[0] + " needs exactly two files";
            return result;
        }
        command.OtherFile = files[1];
        files.resize(1);
    }
    if (files.size() != (shape->second.NeedsFile ? 1u : 0u)) {
        result.Error =
            shape->second.NeedsFile ? args[0] + " needs exactly one file" : "unexpected " + files[0];
        return result;
    }
    if (!files.empty())
        command.File = files[0];
    result.Error = CheckFleetOptions(command);
    return result;
}

std::string CliUsage() {
    return "usage: moxcps-cli read [--port P] [--password PW] [--yes] [--no-backup] [--trace FILE] OUT.dat\n"
           "       moxcps-cli write [--port P] [--password PW] [--yes] [--verify] [--no-backup]\n"
           "                        [--trace FILE] IN.dat\n"
           "       moxcps-cli write --port P --port P [--port ...] [--verify] [--yes] IN.dat\n"
           "       moxcps-cli write --repeat [--count N] [--report FILE.csv] [--port P ...] IN.dat\n"
           "       moxcps-cli read --port P --port P [--port ...] [--yes] OUT.dat\n"
           "       moxcps-cli info [--port P] [--json] [--trace FILE]\n"
           "       moxcps-cli new [--model CODE] [--band N] OUT.dat\n"
           "       moxcps-cli show [--json] FILE.dat\n"
           "       moxcps-cli ports\n"
           "       moxcps-cli set [--shift] FILE.dat CHANNEL FIELD VALUE [FIELD VALUE ...]\n"
           "       moxcps-cli settings [--json] FILE.dat [NAME=VALUE ...]\n"
           "       moxcps-cli backups\n"
           "       moxcps-cli copy FILE.dat FROM TO\n"
           "       moxcps-cli insert [--close-gap|--keep-gap] FILE.dat AT\n"
           "       moxcps-cli delete [--close-gap|--keep-gap] FILE.dat AT\n"
           "       moxcps-cli move [--close-gap|--keep-gap] FILE.dat AT up|down\n"
           "       moxcps-cli export FILE.dat OUT.csv\n"
           "       moxcps-cli import FILE.dat IN.csv [--keep-locations] [--merge] [--strict] [--out "
           "NEW.dat]\n"
           "       moxcps-cli diff A.dat B.dat\n"
           "       moxcps-cli print FILE.dat OUT.pdf\n"
           "       moxcps-cli batch FILE.dat [--from N --to M] [--rx START --rx-step KHZ [--down]]\n"
           "                  [--tx-offset +MHZ|-MHZ] [--tx START --tx-step KHZ [--tx-down]]\n"
           "                  [--rxtone T --rxtone-step K [--rxtone-down|--rxtone-random]]\n"
           "                  [--txtone T --txtone-step K | --txtone same] [--power P]\n"
           "                  [--set FIELD=VALUE ...] [--clear-outside]\n"
           "P is a port number (as `ports` lists them) or a device path. --yes answers the questions\n"
           "before a transfer with OK or Yes; without it they are asked on a terminal and refused\n"
           "otherwise. set changes channel CHANNEL (1..128) as the channel list does and prints its\n"
           "row; FIELD is rx, tx, rxtone, txtone, power, skip, signalling, spacing or a field of the\n"
           "channel editor (PttId, BusyLock, ReverseOrTalkaround, AutoDial1, SignallingRelation,\n"
           "AutoDial2, VoiceScramble, TxInhibit, Talkaround, Reverse, Whisper, Compander). VALUE is a\n"
           "frequency (with --shift a tx of \"+5\" or \"-5\" is a shift), a tone (\"67.0\", \"023N\",\n"
           "\"023I\", \"off\"), a list entry's English text or index, or the editor's stored number.\n"
           "settings prints the radio-wide settings as NAME=VALUE lines (the names of show's records:\n"
           "SquelchLevel, DtmfRate, BotCode, AutoDial[3], EmbeddedMessage[1], ...); with pairs it sets\n"
           "them as the editor windows do (a list by its stored number, a check box 0 or 1, codes as\n"
           "DTMF digits, message lines as text), saves the file and prints what changed.\n"
           "A read or write keeps a backup of its data in the per-user backups folder unless\n"
           "--no-backup; backups lists them (path, date, read or write), newest first. --verify reads\n"
           "the radio back after writing and fails on the first byte that differs. --trace FILE\n"
           "records every byte sent and received.\n"
           "copy puts channel FROM over channel TO; insert empties channel AT and moves the later\n"
           "channels of its group of 16 down (the last one is lost); delete empties channel AT and,\n"
           "following the habit of Habit.ini or --close-gap, moves the later channels of its group up;\n"
           "move swaps channel AT with the one above or below it, from 1 to 16 of its group and back.\n"
           "Each saves the file and prints the channels it changed (a channel left empty as its number).\n"
           "export writes the channel list as CSV in the columns other radio programs exchange (OUT \"-\"\n"
           "is standard output). import reads such a CSV into FILE.dat (or --out NEW.dat): rows go to\n"
           "channels 1, 2, 3, ... and replace the list; --keep-locations takes the Location column as the\n"
           "channel, --merge keeps the channels the file does not name; it prints which rows were skipped\n"
           "or changed and why, exits 1 with --strict when any was (writing nothing) and 2 for a file\n"
           "without Location and Frequency columns. diff prints what differs from A.dat to B.dat, exit 0\n"
           "when nothing does, 1 when something does, 2 when a file cannot be read. print writes the\n"
           "channel list and the settings as a PDF.\n"
           "batch sets the given items on channels N..M (all channels without a range) as the batch\n"
           "set-up does and prints the rows of the channels it changed; only --rx creates channels.\n"
           "Steps are in kHz and snap to 5 or 6.25 kHz; P is 0, 1 or 2; --set takes any other item by\n"
           "its channel field name and stored value (BusyLock=2, ScanSkip=1, AutoDial1=3, ...).\n"
           "With several --port, write writes the same data to the radios on all of them at once and\n"
           "read saves each radio as OUT-COMn.dat; each port has a progress line, and a table lists per\n"
           "radio its model, band and version, the result (written, verified, read, failed and why) and\n"
           "the time. --yes agrees to the same band family question for all radios; any other question\n"
           "stops that radio alone. --repeat writes a radio, then waits on its port for the next one\n"
           "(taken off, another put on), until Ctrl+C (which ends after the radio being written) or\n"
           "--count N radios; --report FILE.csv lists them (time, port, model, band, version, result).\n"
           "Exit status: 0 success, 1 failed or cancelled, 2 usage error.\n";
}

}  // namespace mox::cli
