#include <gtest/gtest.h>

#include "host/PMString.h"
#include "host/WideString.h"

TEST(PMStringTest, GetAsDoubleReadsTheLeadingNumber) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"12.5", 12.5}, {"-3", -3.0}, {"+3", 3.0},  {"", 0.0},      {"-", 0.0},       {"50%", 50.0},
      {"T6", 0.0},    {" 7 ", 7.0}, {"1\r", 1.0}, {".5", 0.5},    {"2e3", 2000.0},  {"2e", 2.0},
      {"nan", 0.0},   {"inf", 0.0}, {"0x10", 0.0}, {"1e999", 1.7976931348623157e308}, {"-1e999", -1.7976931348623157e308},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(PMString(c.text).GetAsDouble(), c.expected);
  }
}

TEST(PMStringTest, CompareIsExactWhenCaseSensitive) {
  EXPECT_EQ(PMString("Normal").Compare(kTrue, PMString("Normal")), 0);
  EXPECT_NE(PMString("Normal").Compare(kTrue, PMString("normal")), 0);
  EXPECT_EQ(PMString("Normal").Compare(kFalse, PMString("nORMAL")), 0);
  EXPECT_NE(PMString("Normal ").Compare(kTrue, PMString("Normal")), 0);
}

TEST(PMStringTest, StripWhiteSpaceTrimsBothEnds) {
  PMString s(" \t 0 \r\n");
  s.StripWhiteSpace();
  EXPECT_EQ(s, PMString("0"));
}

TEST(WideStringTest, UTF8RoundTripAndSurrogates) {
  WideString w = WideString::FromUTF8("Zażółć \xF0\x9F\x98\x80");
  EXPECT_EQ(w.Length(), 9);  // the emoji is a surrogate pair
  EXPECT_EQ(w.ToUTF8(), "Zażółć \xF0\x9F\x98\x80");
  WideString a;
  a.AppendUTF32TextChar(0x1F600);
  EXPECT_EQ(a.Length(), 2);
  EXPECT_EQ(a[0], 0xD83D);
  EXPECT_EQ(a.CharAt(5), 0);
}

TEST(WideStringTest, MalformedUTF8BecomesReplacementCharacters) {
  EXPECT_EQ(DecodeUTF8("a\xC3"), (std::u16string{u'a', 0xFFFD}));
  EXPECT_EQ(DecodeUTF8("\xC0\x80z"), (std::u16string{0xFFFD, u'z'}));  // overlong form of NUL
  EXPECT_EQ(EncodeUTF8(std::u16string{0xD800}), "\xEF\xBF\xBD");
}
