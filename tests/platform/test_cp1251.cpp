#include "platform/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Cp1251, CharactersAndTheirBytes) {
  struct Case { const char* utf8; int byte; };
  for (const Case& c : {Case{"А", 0xC0}, Case{"я", 0xFF}, Case{"Ё", 0xA8}, Case{"ё", 0xB8},
                        Case{"№", 0xB9}, Case{"°", 0xB0}, Case{"«", 0xAB}, Case{"»", 0xBB},
                        Case{"–", 0x96}, Case{"—", 0x97}, Case{"€", 0x88}, Case{"Ђ", 0x80},
                        Case{"џ", 0x9F}, Case{"\u00A0", 0xA0}, Case{"Ї", 0xAF}}) {
    EXPECT_EQ(Utf8ToCp1251(c.utf8), Byte(c.byte)) << c.utf8;
    EXPECT_EQ(Cp1251ToUtf8(Byte(c.byte)), c.utf8) << c.utf8;
  }
  EXPECT_EQ(Utf8ToCp1251("T = 25 °C\t"), "T = 25 " + Byte(0xB0) + "C\t");
}

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += Byte(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, WhatItCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1251("a✓b"), "a?b");         // one character outside the code page
  EXPECT_EQ(Utf8ToCp1251("😀"), "?");             // four bytes, one character
  EXPECT_EQ(Utf8ToCp1251("\xC3\xA9"), "?");       // é is not in Windows-1251
  // Malformed UTF-8: one "?" per bad byte.
  EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");           // truncated
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82" "A"), "??A");
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");      // overlong '/'
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???"); // a surrogate
}

}  // namespace
