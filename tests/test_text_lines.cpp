#include "learning/TextLines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zelpa {
namespace {

using ::testing::ElementsAreArray;

struct TSplitCase {
    std::string_view text;
    std::vector<std::string> lines;
};

class SplitLinesTest : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(SplitLinesTest, SplitsAsATextControl) {
    EXPECT_THAT(SplitLines(GetParam().text), ElementsAreArray(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitLinesTest,
                         ::testing::Values(TSplitCase{"", {}}, TSplitCase{"a", {"a"}},
                                           TSplitCase{"a\n", {"a"}}, TSplitCase{"a\r\n", {"a"}},
                                           TSplitCase{"a\r", {"a"}}, TSplitCase{"a\n\n", {"a", ""}},
                                           TSplitCase{"\n", {""}},
                                           TSplitCase{"a\nb\r\nc\rd", {"a", "b", "c", "d"}},
                                           TSplitCase{"a\n\rb", {"a", "", "b"}},
                                           TSplitCase{"a\r\rb", {"a", "", "b"}},
                                           TSplitCase{" a \t\n", {" a \t"}}));

}  // namespace
}  // namespace zelpa
