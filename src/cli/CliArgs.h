#pragma once

#include <string>
#include <utility>
#include <vector>

namespace mox::cli {

enum class CliCommandKind {
    Help,
    Read,
    Write,
    Info,
    New,
    Show,
    Ports,
    Set,
    Settings,
    Copy,
    Insert,
    Delete,
    Move,
    Backups,
    Export,
    Import,
    Diff,
    Print,
    Batch
};

// One command line of moxcps-cli.
struct CliCommand {
    CliCommandKind Kind = CliCommandKind::Help;
    std::string Port;  // a port number of the port map or a device path; empty: the link settings'
    // read and write: every --port given, in order; with more than one, all radios at once.
    std::vector<std::string> Ports;
    std::string Password;  // the programming password, when given
    bool PasswordGiven = false;
    bool Yes = false;
    bool Json = false;
    std::string ModelCode = "RB516";
    int BandCode = 0;
    std::string File;
    // set: the channel, then field and value pairs, as given; --shift: a tx value is a signed shift.
    // settings: the NAME=VALUE pairs, as given.
    std::vector<std::string> Edits;
    bool Shift = false;
    // read and write: --verify reads the radio back after a write; --no-backup keeps no backup;
    // --trace records the serial traffic into a file.
    bool Verify = false;
    bool NoBackup = false;
    std::string TraceFile;
    // copy, insert, delete, move: --close-gap or --keep-gap instead of the DeleteRemoves habit.
    bool CloseGap = false;
    bool KeepGap = false;
    // export, import, diff and print: the second file (OUT.csv, IN.csv, B.dat, OUT.pdf).
    std::string OtherFile;
    // import: where the changed data go when not back to File, and how the rows are taken.
    std::string OutFile;
    bool KeepLocations = false;
    bool Merge = false;
    bool Strict = false;
    // write: --repeat waits for the next radio on each port after writing one, until Ctrl+C or --count N
    // radios (which implies --repeat); --report writes one CSV line per radio.
    bool Repeat = false;
    int Count = 0;
    std::string ReportFile;
    // batch: its options in the order given, each with its value (empty for a flag).
    std::vector<std::pair<std::string, std::string>> BatchOptions;
};

struct CliParseResult {
    CliCommand Command;
    std::string Error;  // empty when the command line is good
};

CliParseResult ParseCliArgs(const std::vector<std::string>& args);
std::string CliUsage();

}  // namespace mox::cli
