#include <gtest/gtest.h>

#include "base/Trim.h"

TEST(Trim, RemovesEachOfTheSixBlanksFromBothEnds) {
    EXPECT_EQ("abc", trim(" \f\n\r\t\vabc \f\n\r\t\v"));
    EXPECT_EQ("a \t b", trim("\t a \t b \n"));
    EXPECT_EQ("", trim(" \t\r\n\f\v "));
    EXPECT_EQ("", trim(""));
    EXPECT_EQ("x", trim("x"));
}

TEST(Trim, KeepsOtherCharacters) {
    // Non-breaking space (0xA0) and NUL are not blanks here.
    EXPECT_EQ("\xA0" "a\xA0", trim(" \xA0" "a\xA0 "));
    EXPECT_EQ(std::string("a\0", 2), trim(std::string(" a\0 ", 4)));
    EXPECT_EQ("P\xE1gina", trim("\tP\xE1gina\t"));
}
