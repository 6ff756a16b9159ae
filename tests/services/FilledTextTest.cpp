#include <gtest/gtest.h>

#include "services/FilledText.h"

namespace mox::test {
namespace {

TEST(FilledTextTest, EachPlaceholderTakesItsValueOnceWhateverTheValuesHold) {
    EXPECT_EQ(FilledText("at {0} ({1}) it holds {2} where {3} was written", {"2700", "line 1", "AA", "55"}),
              "at 2700 (line 1) it holds AA where 55 was written");
    // A value holding a placeholder stays as it is; a placeholder without a value stays too.
    EXPECT_EQ(FilledText("{1} and {0} and {2}", {"{1}", "b"}), "b and {1} and {2}");
    EXPECT_EQ(FilledText("{0}", {}), "{0}");
    EXPECT_EQ(FilledText("end {", {"x"}), "end {");
    const std::vector<std::string> values = {"a", "b"};
    EXPECT_EQ(FilledText("{1}{0}{1}", values), "bab");
}

}  // namespace
}  // namespace mox::test
