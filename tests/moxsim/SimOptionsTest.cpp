#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SimOptions.h"
#include "support/TempFolder.h"

namespace mox::sim {
namespace {

SimOptionsResult Parse(std::vector<std::string> args) {
    return ParseSimOptions(args);
}

TEST(SimOptions, ReadsFaultsAndLineSettings) {
    SimOptionsResult r =
        Parse({"--link", "/tmp/radio", "--stop-bits", "2", "--handshaking", "3", "--drop", "3,7",
               "--bad-checksum", "0x20,48", "--resend", "0x0B00:2", "--baud", "--store-wrong", "2700,0x10"});
    ASSERT_EQ(r.Error, "");
    EXPECT_EQ(r.Options.Config.StopBits, 2);
    EXPECT_EQ(r.Options.Config.Handshaking, 3);
    EXPECT_EQ(r.Options.Config.Faults.DropReplies, (std::set<int>{3, 7}));
    EXPECT_EQ(r.Options.Config.Faults.BadChecksumAddresses, (std::set<int>{32, 48}));
    EXPECT_EQ(r.Options.Config.Faults.ResendAddresses.at(2816), 2);
    EXPECT_EQ(r.Options.Config.Faults.StoreWrongAddresses, (std::set<int>{16, 2700}));
    EXPECT_TRUE(r.Options.EmulateBaud);

    r = Parse({"--link", "/tmp/radio", "--garbage-at", "1,40", "--garbage-from", "90"});
    ASSERT_EQ(r.Error, "");
    EXPECT_EQ(r.Options.Config.Faults.GarbageReplies, (std::set<int>{1, 40}));
    EXPECT_EQ(r.Options.Config.Faults.GarbageFromRequest, 90);
    EXPECT_NE(Parse({"--link", "x", "--garbage-from", "0"}).Error, "");
}

TEST(SimOptions, RejectsWhatTheRadioCannotBe) {
    EXPECT_NE(Parse({}).Error, "");
    EXPECT_NE(Parse({"--link"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--stop-bits", "3"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--handshaking", "4"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--model", "RB516GXX"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--password", "12345"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--resend", "16"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--drop", "2,,3"}).Error, "");
    EXPECT_NE(Parse({"--link", "x", "--frobnicate"}).Error, "");
    EXPECT_EQ(Parse({"--help"}).Error, "");
}

TEST(SimOptions, ALoadedImageKeepsItsIdentityUnlessTheCommandLineNamesOne) {
    test::TempFolder folder;
    std::vector<std::uint8_t> image(kSimImageSize, 0x11);
    const std::string model = "RB516G";
    std::copy(model.begin(), model.end(), image.begin() + 2816);
    image[2822] = 0;
    image[2823] = 9;
    std::filesystem::path file = folder.Root() / "radio.img";
    test::TempFolder::WriteFile(file, std::string(image.begin(), image.end()));

    SimOptionsResult r = Parse({"--link", "x", "--image", file.string(), "--band", "4", "--password", "7"});
    ASSERT_EQ(r.Error, "");
    SimRadio radio(r.Options.Config);
    ASSERT_EQ(LoadSimMemory(r.Options, radio), "");
    const auto& m = radio.Memory();
    EXPECT_EQ(m[0], 0x11);
    EXPECT_EQ(std::string(m.begin() + 2816, m.begin() + 2822), "RB516G");
    EXPECT_EQ(m[2823], 4);
    EXPECT_EQ(m[2876], '7');

    std::filesystem::path saved = folder.Root() / "saved.img";
    ASSERT_EQ(SaveSimImage(radio, saved.string()), "");
    EXPECT_EQ(std::filesystem::file_size(saved), static_cast<std::uintmax_t>(kSimImageSize));
}

TEST(SimOptions, RefusesAnImageOfTheWrongSize) {
    test::TempFolder folder;
    std::filesystem::path file = folder.Root() / "short.img";
    test::TempFolder::WriteFile(file, std::string(100, '\0'));
    SimOptionsResult r = Parse({"--link", "x", "--image", file.string()});
    SimRadio radio;
    EXPECT_NE(LoadSimMemory(r.Options, radio), "");
}

}  // namespace
}  // namespace mox::sim
