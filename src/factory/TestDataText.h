#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mox {

// The test data dialog shows bytes 0 to 10 of the record, each in a box of its own.
constexpr int kShownTestDataBytes = 11;
constexpr int kTestDataBoxLength = 3;

// A box's text after every change: what is not a whole number (an empty box included) becomes "0", a
// number above 255 becomes "255", and any other number is shown plainly (leading zeros dropped).
std::string CheckTestDataText(std::string_view text);
// The byte a checked box stands for.
std::uint8_t TestDataByteOf(std::string_view text);

// The dialog's texts, fixed in the program in each language.
struct TestDataTexts {
    std::string Window;
    std::string Load;
    std::string Save;
    // The filter of the open and save dialogs: "description (*.ted)|*.ted".
    std::string FileFilter;
};
TestDataTexts TestDataDialogTexts(int language);
// The label of a shown byte: what the calibration value adjusts.
std::string TestDataLabel(int byte);

}  // namespace mox
