// moxsim: plays a MOX-5HK radio on a pseudo-terminal for the programming software.
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "SimServer.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void RequestStop(int) {
    g_stop = 1;
}

// Without SA_RESTART, so that a signal wakes the server from its wait at once.
void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

bool MakeLink(const std::string& linkPath, const std::string& devicePath) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(linkPath, error)))
        std::filesystem::remove(linkPath, error);
    std::filesystem::create_symlink(devicePath, linkPath, error);
    if (error)
        std::cerr << "moxsim: cannot link " << linkPath << ": " << error.message() << '\n';
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace mox::sim;
    SimOptionsResult parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.Options.Help) {
        std::cout << SimUsage();
        return 0;
    }
    if (!parsed.Error.empty()) {
        std::cerr << "moxsim: " << parsed.Error << '\n' << SimUsage();
        return 2;
    }
    const SimOptions& options = parsed.Options;
    SimRadio radio(options.Config);
    std::string error = LoadSimMemory(options, radio);
    if (!error.empty()) {
        std::cerr << "moxsim: " << error << '\n';
        return 1;
    }
    std::unique_ptr<std::ofstream> transcript;
    if (!options.TranscriptFile.empty())
        transcript = std::make_unique<std::ofstream>(options.TranscriptFile, std::ios::app);

    InstallStopHandlers();
    PseudoTerminal line;
    if (!line.IsOpen()) {
        std::cerr << "moxsim: cannot open a pseudo-terminal: " << line.Error() << '\n';
        return 1;
    }
    if (!MakeLink(options.LinkPath, line.SlavePath()))
        return 1;
    std::cout << line.SlavePath() << std::endl;

    SimServer server(radio, line, options.EmulateBaud, transcript.get(), options.Timestamps);
    server.Serve(g_stop);

    std::error_code ignored;
    std::filesystem::remove(options.LinkPath, ignored);
    line.Close();
    if (!options.SaveFile.empty()) {
        error = SaveSimImage(radio, options.SaveFile);
        if (!error.empty()) {
            std::cerr << "moxsim: " << error << '\n';
            return 1;
        }
    }
    return 0;
}
