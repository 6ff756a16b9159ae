#include <gtest/gtest.h>

#include "codecs/Tones.h"
#include "exchange/CsvTones.h"

namespace mox::test {
namespace {

constexpr int k67 = 1;      // 67.0 Hz
constexpr int k88 = 9;      // 88.5 Hz
constexpr int k023N = 52;   // DCS 023 normal
constexpr int k023I = 168;  // DCS 023 inverted
constexpr int k754N = 165;  // DCS 754 normal

// Every pair of tone codes the radio holds goes out as one set of columns and comes back as the same
// pair.
TEST(CsvTonesTest, EveryPairOfTonesComesBackFromItsColumns) {
    for (int rx = 0; rx < kToneCount; ++rx) {
        for (int tx = 0; tx < kToneCount; ++tx) {
            const CsvTones back = TonesOfColumns(ToneColumnsOf(rx, tx));
            ASSERT_EQ(back.Fault, ToneFault::None) << rx << " " << tx;
            ASSERT_EQ(back.RxTone, rx) << tx;
            ASSERT_EQ(back.TxTone, tx) << rx;
        }
    }
}

TEST(CsvTonesTest, EachPairTakesTheModeOtherProgramsUseForIt) {
    struct Case {
        int Rx, Tx;
        CsvToneColumns Expected;
    };
    const Case cases[] = {
        {0, 0, {"", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
        {0, k67, {"Tone", "67.0", "88.5", "023", "NN", "023", "Tone->Tone"}},
        {k67, k67, {"TSQL", "88.5", "67.0", "023", "NN", "023", "Tone->Tone"}},
        {k023I, k023N, {"DTCS", "88.5", "88.5", "023", "NR", "023", "Tone->Tone"}},
        {k88, k67, {"Cross", "67.0", "88.5", "023", "NN", "023", "Tone->Tone"}},
        {k754N, k67, {"Cross", "67.0", "88.5", "023", "NN", "754", "Tone->DTCS"}},
        {k67, k023I, {"Cross", "88.5", "67.0", "023", "RN", "023", "DTCS->Tone"}},
        {k67, 0, {"Cross", "88.5", "67.0", "023", "NN", "023", "->Tone"}},
        {k754N, 0, {"Cross", "88.5", "88.5", "023", "NN", "754", "->DTCS"}},
        {0, k754N, {"Cross", "88.5", "88.5", "754", "NN", "023", "DTCS->"}},
        {k754N, k023N, {"Cross", "88.5", "88.5", "023", "NN", "754", "DTCS->DTCS"}},
    };
    for (const Case& c : cases) {
        const CsvToneColumns got = ToneColumnsOf(c.Rx, c.Tx);
        const auto fields = [](const CsvToneColumns& t) {
            return std::vector<std::string>{t.Tone,         t.RToneFreq,  t.CToneFreq, t.DtcsCode,
                                            t.DtcsPolarity, t.RxDtcsCode, t.CrossMode};
        };
        EXPECT_EQ(fields(got), fields(c.Expected)) << c.Rx << " " << c.Tx;
    }
}

TEST(CsvTonesTest, ColumnsFromOtherProgramsReadAsTheirModeSays) {
    CsvToneColumns none;
    none.Tone = "";
    none.RToneFreq = "100.0";
    EXPECT_EQ(TonesOfColumns(none).TxTone, 0) << "an empty Tone means no tones";

    // A DTCS row keeps its code in DtcsCode; RxDtcsCode keeps the default that only Cross reads.
    CsvToneColumns dtcs;
    dtcs.Tone = "DTCS";
    dtcs.DtcsCode = "754";
    dtcs.DtcsPolarity = "RN";
    const CsvTones read = TonesOfColumns(dtcs);
    EXPECT_EQ(read.TxTone, k754N + 116);
    EXPECT_EQ(read.RxTone, k754N);

    CsvToneColumns shortCode;
    shortCode.Tone = "Cross";
    shortCode.CrossMode = "->DTCS";
    shortCode.RxDtcsCode = "23";
    EXPECT_EQ(TonesOfColumns(shortCode).RxTone, k023N);

    CsvToneColumns tsql;
    tsql.Tone = "TSQL";
    tsql.CToneFreq = "88.50";
    EXPECT_EQ(TonesOfColumns(tsql).RxTone, k88);
}

TEST(CsvTonesTest, ToneThatTheRadioLacksIsAFaultNamingIt) {
    struct Case {
        CsvToneColumns Columns;
        ToneFault Fault;
        std::string Text;
    };
    CsvToneColumns base;
    const auto with = [&](auto change) {
        CsvToneColumns c = base;
        change(c);
        return c;
    };
    const Case cases[] = {
        {with([](auto& c) { c.Tone = "Tone", c.RToneFreq = "69.4"; }), ToneFault::CtcssNotInList, "69.4"},
        {with([](auto& c) { c.Tone = "TSQL", c.CToneFreq = "abc"; }), ToneFault::CtcssNotInList, "abc"},
        {with([](auto& c) { c.Tone = "DTCS", c.DtcsCode = "024"; }), ToneFault::DcsNotInList, "024"},
        {with([](auto& c) { c.Tone = "DTCS", c.DtcsCode = "0023"; }), ToneFault::DcsNotInList, "0023"},
        {with([](auto& c) { c.Tone = "DTCS-R"; }), ToneFault::UnknownMode, "DTCS-R"},
        {with([](auto& c) { c.Tone = "Cross", c.CrossMode = "Tone->"; }), ToneFault::UnknownCrossMode,
         "Tone->"},
        {with([](auto& c) { c.Tone = "Cross", c.CrossMode = "->"; }), ToneFault::UnknownCrossMode, "->"},
        {with([](auto& c) { c.Tone = "DTCS", c.DtcsPolarity = "NX"; }), ToneFault::BadPolarity, "NX"},
    };
    for (const Case& c : cases) {
        const CsvTones read = TonesOfColumns(c.Columns);
        EXPECT_EQ(read.Fault, c.Fault) << c.Text;
        EXPECT_EQ(read.Text, c.Text);
    }
}

}  // namespace
}  // namespace mox::test
