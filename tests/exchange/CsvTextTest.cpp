#include <gtest/gtest.h>

#include "exchange/CsvText.h"

namespace mox::test {
namespace {

using Records = std::vector<CsvRecord>;

TEST(CsvTextTest, ReadsWhatSpreadsheetsWrite) {
    struct Case {
        const char* Name;
        std::string Bytes;
        Records Expected;
    };
    const Case cases[] = {
        {"plain LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"CRLF and a trailing empty line", "a,b\r\n1,2\r\n\r\n", {{"a", "b"}, {"1", "2"}}},
        {"lone CR", "a,b\r1,2", {{"a", "b"}, {"1", "2"}}},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "Location,b\n",
         {{"Location", "b"}}},
        {"quotes around commas, line ends and doubled quotes",
         "\"x,y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n",
         {{"x,y", "say \"hi\"", "two\r\nlines"}}},
        {"empty fields", ",,\n", {{"", "", ""}}},
        {"blank lines between records", "a\n\n\nb\n", {{"a"}, {"b"}}},
        {"a quote left open runs to the end", "a,\"b\nc", {{"a", "b\nc"}}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadCsvRecords(c.Bytes), c.Expected) << c.Name;
}

TEST(CsvTextTest, AFieldWrittenReadsBackAsItWas) {
    for (const std::string text : {"plain", "", "a,b", "he said \"no\"", "line\r\nend", "\"", ","}) {
        const Records read = ReadCsvRecords(CsvField(text) + "," + CsvField(text) + "\r\n");
        ASSERT_EQ(read.size(), text.empty() ? 1u : 1u) << text;
        EXPECT_EQ(read[0], (CsvRecord{text, text})) << text;
    }
    EXPECT_EQ(CsvField("435.125000"), "435.125000");
}

}  // namespace
}  // namespace mox::test
