#include "cycle/cut_token.h"

#include <gtest/gtest.h>

namespace {

TEST(CutToken, CutsAtTheFirstDelimiter) {
  struct Case { std::string source, delimiter, token, rest; };
  for (const Case& c : {
           Case{"03:27\t183\t176", "\t", "03:27", "183\t176"},
           Case{"2024.03.15 14.05.09", " ", "2024.03.15", "14.05.09"},
           Case{"\tlead", "\t", "", "lead"},            // empty token, source still cut
           Case{"a<>b<>c", "<>", "a", "b<>c"},          // several characters
           Case{"tail\t", "\t", "tail", ""},
       }) {
    std::string source = c.source;
    EXPECT_EQ(CutToken(source, c.delimiter), c.token) << c.source;
    EXPECT_EQ(source, c.rest) << c.source;
  }
}

TEST(CutToken, WithoutTheDelimiterNothingChanges) {
  for (const std::string delimiter : {"\t", ""}) {
    std::string source = "150";
    EXPECT_EQ(CutToken(source, delimiter), "");
    EXPECT_EQ(source, "150");
  }
}

TEST(CutToken, KeepsAtMost2000CharactersAfterTheCut) {
  std::string source = "head\t" + std::string(1999, 'a') + "bc";
  EXPECT_EQ(CutToken(source, "\t"), "head");
  EXPECT_EQ(source, std::string(1999, 'a') + "b");

  std::string exact = "h\t" + std::string(2000, 'z');
  CutToken(exact, "\t");
  EXPECT_EQ(exact.size(), 2000u);
}

}  // namespace
