// The two small files beside a data file, on any bytes: the companion file (radio1.NVD: the format tag
// and the alarm mode) and, in factory test mode, the test data file (radio1.ted: 16 bytes). Opening
// takes each only when it has the length it must have, keeps the defaults otherwise, and saving then
// writes them so that they read back the same.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "factory/TestDataFile.h"
#include "files/CompanionFile.h"
#include "files/DataFile.h"
#include "files/DataFileLayout.h"
#include "fuzz/DocumentFixture.h"
#include "fuzz/FuzzInput.h"

namespace {

using namespace mox;
using mox::fuzz::DocumentFixture;
using mox::fuzz::FuzzInput;

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

// The input: the companion file's length in the first byte, its bytes, then the test data file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const test::TempFolder folder;
    const std::filesystem::path file = folder.Root() / "radio1.dat";
    FuzzInput input(data, size);
    const std::vector<std::uint8_t> companion = input.Bytes(input.Byte());
    const std::vector<std::uint8_t> testData = input.Bytes(size);

    DocumentFixture fixture(folder);
    AppState& state = fixture.state;
    state.FactoryTestMode = true;
    const TestData testBefore = state.WorkingTestData;
    const std::vector<std::uint8_t> record = EncodeDataRecord(state.Data);
    test::TempFolder::WriteFile(file, Text(record));
    test::TempFolder::WriteFile(folder.Root() / "radio1.NVD", Text(companion));
    test::TempFolder::WriteFile(folder.Root() / "radio1.ted", Text(testData));

    FUZZ_CHECK(OpenDataFile(state, fixture.windows, file));
    CompanionRecord expected;
    if (companion.size() == kCompanionFileSize) {
        std::copy_n(companion.begin(), expected.Tag.size(), expected.Tag.begin());
        expected.AlarmMode = companion[4];
    }
    FUZZ_CHECK(state.Companion == expected);
    TestData expectedTest = testBefore;
    if (testData.size() >= expectedTest.size())
        std::copy_n(testData.begin(), expectedTest.size(), expectedTest.begin());
    FUZZ_CHECK(state.WorkingTestData == expectedTest);

    FUZZ_CHECK(SaveDataFile(state, fixture.windows));
    const CompanionRecord saved = ReadCompanionFile(file);
    FUZZ_CHECK(CutFixedText(saved.Tag) == "V200" && saved.AlarmMode == state.Companion.AlarmMode);
    TestData savedTest{};
    FUZZ_CHECK(LoadTestDataFile(folder.Root() / "radio1.ted", savedTest));
    FUZZ_CHECK(savedTest == state.WorkingTestData);
    return 0;
}
