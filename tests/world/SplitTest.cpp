#include "world/Split.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    std::string text;
    char separator;
    std::vector<std::string> tokens;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.text);
}

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, CutsAtEverySeparator) {
    EXPECT_EQ(split(GetParam().text, GetParam().separator), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    ::testing::Values(SplitCase{"", ',', {}},                                  // empty text: no tokens
                      SplitCase{"abc", ',', {"abc"}},                          // no separator: the whole text
                      SplitCase{"a,b,c", ',', {"a", "b", "c"}},
                      SplitCase{"a,,b", ',', {"a", "", "b"}},                  // empty token between two
                      SplitCase{",a", ',', {"", "a"}},                         // leading separator
                      SplitCase{"a,", ',', {"a"}},                             // trailing: nothing after it
                      SplitCase{"a,,", ',', {"a", ""}},                        // only the very last is dropped
                      SplitCase{",", ',', {""}},
                      SplitCase{" a , b ", ',', {" a ", " b "}},               // nothing trimmed
                      SplitCase{"L,1\r\nS,x\r\n", '\n', {"L,1\r", "S,x\r"}},   // CR stays in the line
                      SplitCase{"B,0<S,1<n", '<', {"B,0", "S,1", "n"}},
                      SplitCase{"a@@b", '@', {"a", "", "b"}}));

} // namespace
