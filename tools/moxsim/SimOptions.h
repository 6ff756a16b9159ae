#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SimRadio.h"

namespace mox::sim {

// The command line of the moxsim front end.
struct SimOptions {
    SimConfig Config;
    std::string LinkPath;
    std::string ImageFile;
    std::string InfoFile;
    std::string TranscriptFile;
    std::string SaveFile;
    bool EmulateBaud = false;
    bool Timestamps = false;
    bool Help = false;
    // Which parts of the identity were given, so that they win over a loaded image.
    bool ModelGiven = false;
    bool BandGiven = false;
    bool VersionGiven = false;
    bool FeatureGiven = false;
    bool PasswordGiven = false;
};

struct SimOptionsResult {
    SimOptions Options;
    std::string Error;  // empty when the command line is good
};

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();

// Loads --image (2832 bytes) and --info (496 bytes) into the radio's memory, then stores the identity
// and password given on the command line over them. Returns an error text, empty on success.
std::string LoadSimMemory(const SimOptions& options, SimRadio& radio);
// Saves the image part of the memory (2832 bytes) to the file. Returns an error text, empty on success.
std::string SaveSimImage(const SimRadio& radio, const std::string& path);

}  // namespace mox::sim
