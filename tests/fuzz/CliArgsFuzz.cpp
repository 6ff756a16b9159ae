// The command-line tool's argument parser on any words: scripts pass file names and values from
// anywhere. The input is the argument list, the words separated by NUL bytes. A command line is
// either refused with a reason or gives a command whose values keep the tool's limits.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "fuzz/FuzzInput.h"

namespace {

using namespace mox::cli;

std::vector<std::string> Words(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 0)
        words.push_back(word);
    return words;
}

bool Has(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin() + (words.empty() ? 0 : 1), words.end(), word) != words.end();
}

void CheckCommand(const std::vector<std::string>& args, const CliCommand& command) {
    FUZZ_CHECK(command.Password.size() <= 4);
    FUZZ_CHECK(command.PasswordGiven || command.Password.empty());
    FUZZ_CHECK(command.BandCode >= 0 && command.BandCode <= 255);
    FUZZ_CHECK(!(command.CloseGap && command.KeepGap));
    // A flag is set only by its own word.
    FUZZ_CHECK(!command.Yes || Has(args, "--yes"));
    FUZZ_CHECK(!command.Verify || Has(args, "--verify"));
    FUZZ_CHECK(!command.NoBackup || Has(args, "--no-backup"));
    FUZZ_CHECK(!command.Merge || Has(args, "--merge"));
    FUZZ_CHECK(!command.Strict || Has(args, "--strict"));
    FUZZ_CHECK(!command.KeepLocations || Has(args, "--keep-locations"));
    FUZZ_CHECK(!command.Json || Has(args, "--json"));
    FUZZ_CHECK(!command.Shift || Has(args, "--shift"));
    // The files and values are words of the command line.
    FUZZ_CHECK(command.File.empty() || Has(args, command.File));
    FUZZ_CHECK(command.OtherFile.empty() || Has(args, command.OtherFile));
    for (const std::string& edit : command.Edits)
        FUZZ_CHECK(Has(args, edit));
    for (const auto& [name, value] : command.BatchOptions)
        FUZZ_CHECK(Has(args, name) && (value.empty() || Has(args, value)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = Words(data, size);
    const CliParseResult result = ParseCliArgs(args);
    if (Has(args, "--help") || Has(args, "-h") ||
        (!args.empty() && (args[0] == "--help" || args[0] == "-h"))) {
        FUZZ_CHECK(result.Error.empty() && result.Command.Kind == CliCommandKind::Help);
        return 0;
    }
    if (args.empty()) {
        FUZZ_CHECK(!result.Error.empty());
        return 0;
    }
    if (result.Error.empty())
        CheckCommand(args, result.Command);
    // The same words give the same answer.
    const CliParseResult again = ParseCliArgs(args);
    FUZZ_CHECK(again.Error == result.Error && again.Command.File == result.Command.File &&
               again.Command.Edits == result.Command.Edits);
    return 0;
}
