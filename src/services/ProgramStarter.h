#pragma once

#include <filesystem>

namespace mox {

// Starts another installed program version and ends this process at once, without the usual
// shutdown. The GUI closes the serial port first.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started; this program then goes on.
    virtual bool StartAndExit(const std::filesystem::path& executable) = 0;
};

class NoProgramStarter : public ProgramStarter {
public:
    bool StartAndExit(const std::filesystem::path&) override { return false; }
};

}  // namespace mox
