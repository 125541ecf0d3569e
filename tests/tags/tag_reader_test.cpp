#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "host/WideString.h"
#include "tags/TagCode.h"
#include "tags/TagReader.h"

namespace {

std::string CodeName(TagCode code) {
  switch (code) {
    case ParaAlign: return "ParaAlign";
    case HyphenationName: return "HyphenationName";
    case KeepWithNext: return "KeepWithNext";
    case KeepTogether: return "KeepTogether";
    case RuleAbove: return "RuleAbove";
    case RuleBelow: return "RuleBelow";
    case DropCap: return "DropCap";
    case ParaFormats: return "ParaFormats";
    case BracketList: return "BracketList";
    case Tabs: return "Tabs";
    case Plain: return "Plain";
    case Bold: return "Bold";
    case Italic: return "Italic";
    case Underline: return "Underline";
    case AllCaps: return "AllCaps";
    case SmallCaps: return "SmallCaps";
    case Superscript: return "Superscript";
    case Subscript: return "Subscript";
    case Strikethrough: return "Strikethrough";
    case FontName: return "FontName";
    case Size: return "Size";
    case Shade: return "Shade";
    case HorizontalScale: return "HorizontalScale";
    case VerticalScale: return "VerticalScale";
    case Kern: return "Kern";
    case Track: return "Track";
    case BaselineShift: return "BaselineShift";
    case FontRevert: return "FontRevert";
    case SizeRevert: return "SizeRevert";
    case ColorRevert: return "ColorRevert";
    case ShadeRevert: return "ShadeRevert";
    case HorizontalScaleRevert: return "HorizontalScaleRevert";
    case KernRevert: return "KernRevert";
    case TrackRevert: return "TrackRevert";
    case BaselineShiftRevert: return "BaselineShiftRevert";
    case VerticalScaleRevert: return "VerticalScaleRevert";
    case StyleRevert: return "StyleRevert";
    case ColorName: return "ColorName";
    case ColorLetter: return "ColorLetter";
    case SpecialChar: return "SpecialChar";
    case CharStyle: return "CharStyle";
    case CharStyleParagraph: return "CharStyleParagraph";
    case CharStyleNone: return "CharStyleNone";
    case Unrecognised: return "Unrecognised";
    case End: return "End";
  }
  return "code " + std::to_string(static_cast<int>(code));
}

// Printable ASCII as itself, anything else as U+XXXX.
std::string CharText(UTF16TextChar c) {
  if (c > 0x20 && c < 0x7F) return std::string(1, static_cast<char>(c));
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

// One element as "Code" or "Code(argument)"; list items are written as
// "[item]" each, so that an empty list and one empty item differ.
std::string Describe(const TagReader& reader, TagCode code) {
  const std::string name = CodeName(code);
  switch (code) {
    case ParaAlign:
    case KeepWithNext:
    case ColorLetter:
    case SpecialChar:
      return name + "(" + CharText(reader.charArgument) + ")";
    case Size:
    case Shade:
    case HorizontalScale:
    case VerticalScale:
    case Kern:
    case Track:
    case BaselineShift: {
      std::ostringstream number;
      number << reader.numberArgument;
      return name + "(" + number.str() + ")";
    }
    case HyphenationName:
    case FontName:
    case ColorName:
    case CharStyle:
    case CharStyleParagraph:
    case CharStyleNone:
      return name + "(" + reader.nameArgument.ToUTF8() + ")";
    case KeepTogether:
    case RuleAbove:
    case RuleBelow:
    case DropCap:
    case ParaFormats:
    case BracketList:
    case Tabs: {
      std::string items;
      for (const PMString& item : reader.listArgument) items += "[" + item.GetUTF8String() + "]";
      return name + items;
    }
    default:
      return name;
  }
}

// Reads a whole text as TagInterpreter does and describes every element
// before End. Fails when the reading does not end within one element per
// character (plus End), or when the cursor leaves the text.
std::vector<std::string> ReadAll(const WideString& text) {
  TagReader reader;
  reader.SetText(text);
  std::vector<std::string> elements;
  for (int32 calls = 0;; ++calls) {
    if (calls > text.Length()) {
      ADD_FAILURE() << "no End after " << calls << " elements";
      break;
    }
    const TagCode code = reader.NextTag();
    EXPECT_LE(reader.position, text.Length());
    if (code == End) {
      const int32 endPosition = reader.position;
      EXPECT_EQ(reader.NextTag(), End);
      EXPECT_EQ(reader.position, endPosition);
      break;
    }
    elements.push_back(Describe(reader, code));
  }
  return elements;
}

std::vector<std::string> ReadAll(const char* utf8) { return ReadAll(WideString::FromUTF8(utf8)); }

struct Case {
  const char* text;
  std::vector<std::string> expected;
};

void CheckCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadAll(c.text), c.expected);
  }
}

TEST(TagReaderTest, FlagsRevertsAndUnrecognisedCharacters) {
  CheckCases({
      {"", {}},
      {"BI", {"Bold", "Italic"}},
      {"B I", {"Bold", "Unrecognised", "Italic"}},
      {"PBIUKH+-/",
       {"Plain", "Bold", "Italic", "Underline", "AllCaps", "SmallCaps", "Superscript", "Subscript", "Strikethrough"}},
      {"HB", {"SmallCaps", "Bold"}},
      {"ip", {"Unrecognised", "Unrecognised"}},  // element letters are case-sensitive
      {"<BI", {"Unrecognised", "Bold", "Italic"}},
      {"B>I", {"Bold"}},
      // The character after `$` or an `a` form is the next element.
      {"$B", {"StyleRevert", "Bold"}},
      {"a", {"StyleRevert"}},
      {"aB", {"StyleRevert", "Bold"}},
      {"a$B", {"StyleRevert", "Bold"}},
      {"a$$B", {"StyleRevert", "Bold"}},
      {"a$$$", {"StyleRevert", "StyleRevert"}},
  });
}

TEST(TagReaderTest, Numbers) {
  CheckCases({
      {"z12,5", {"Size(12.5)"}},
      {"z12.5", {"Size(12.5)"}},
      {"z+3", {"Size(3)"}},
      {"z-3", {"Size(-3)"}},
      {"k-1,5", {"Kern(-1.5)"}},
      {"z,5", {"Size(0.5)"}},
      {"z12.", {"Size(12)"}},
      {"z", {"Size(0)"}},
      {"z-", {"Size(0)"}},
      {"z 12", {"Size(0)", "Unrecognised", "Unrecognised", "Unrecognised"}},
      {"z--3", {"Size(0)", "Subscript", "Unrecognised"}},
      {"z1.2.3", {"Size(1.2)", "Unrecognised", "Unrecognised"}},
      {"z1e5", {"Size(1)", "Unrecognised", "Unrecognised"}},  // no exponents
      {"z12B", {"Size(12)", "Bold"}},
      {"b2h3k4s5t6y7z8",
       {"BaselineShift(2)", "HorizontalScale(3)", "Kern(4)", "Shade(5)", "Track(6)", "VerticalScale(7)", "Size(8)"}},
      {"b$h$k$s$t$y$z$f$c$",
       {"BaselineShiftRevert", "HorizontalScaleRevert", "KernRevert", "ShadeRevert", "TrackRevert",
        "VerticalScaleRevert", "SizeRevert", "FontRevert", "ColorRevert"}},
      {"z$5", {"SizeRevert", "Unrecognised"}},
  });
}

TEST(TagReaderTest, QuotedNamesAndColourLetters) {
  CheckCases({
      {"f\"Helvetica\"", {"FontName(Helvetica)"}},
      {"f \"Times New\"B", {"FontName(Times New)", "Bold"}},
      {"f\"A\\\"B\"", {"FontName(A\"B)"}},
      {"f\"a\\\\b\"", {"FontName(a\\b)"}},
      {"f\"Zażółć\"", {"FontName(Zażółć)"}},
      {"f\"\"B", {"FontName()", "Bold"}},
      {"f\"open", {"FontName(open)"}},
      {"f\"x\\", {"FontName(x)"}},
      {"fB", {"FontName()"}},  // everything up to the opening quotation mark is skipped
      {"*h\"Standard\"", {"HyphenationName(Standard)"}},
      {"c\"Red, dark\"", {"ColorName(Red, dark)"}},
      {"cK", {"ColorLetter(K)"}},
      {"cKB", {"ColorLetter(K)", "Bold"}},
      {"c", {"ColorLetter(U+0000)"}},
  });
}

TEST(TagReaderTest, ParagraphElements) {
  CheckCases({
      {"*C*F*J*L*R", {"ParaAlign(C)", "ParaAlign(F)", "ParaAlign(J)", "ParaAlign(L)", "ParaAlign(R)"}},
      {"*kn1", {"KeepWithNext(1)"}},
      {"*kn", {"KeepWithNext(U+0000)"}},
      {"*ktA", {"Unrecognised"}},
      {"*kt0B", {"Unrecognised", "Bold"}},
      {"*kt(1,2)", {"KeepTogether[1][2]"}},
      {"*ra0B", {"RuleAbove", "Bold"}},
      {"*rb(0,1)", {"RuleBelow[0][1]"}},
      {"*d0", {"DropCap"}},
      {"*d(1,3)", {"DropCap[1][3]"}},
      {"*t(10,L, \" \")", {"Tabs[10][L][\" \"]"}},
      {"*p(0, 0,0,12,0,0,g,x)", {"ParaFormats[0][0][0][12][0][0][g][x]"}},
      {"*ra(12,0,\"Dark, Blue\",100,T0,0,0)", {"RuleAbove[12][0][\"Dark, Blue\"][100][T0][0][0]"}},
      // The failing character after `*`, `*k` or `*r` is read again.
      {"*", {"Unrecognised"}},
      {"*B", {"Unrecognised", "Bold"}},
      {"*kB", {"Unrecognised", "Bold"}},
      {"*rB", {"Unrecognised", "Bold"}},
      {"*r", {"Unrecognised"}},
  });
}

TEST(TagReaderTest, BracketedLists) {
  CheckCases({
      {"[1,2]B", {"BracketList[1][2]", "Bold"}},
      {"*p()B", {"ParaFormats", "Bold"}},
      {"*p(a,)", {"ParaFormats[a]"}},
      {"*p(,)", {"ParaFormats[]"}},
      {"*p(\t1 ,  2\t)", {"ParaFormats[1][2]"}},
      {"*p (1)B", {"ParaFormats[1]", "Bold"}},
      {"*pB(1)", {"ParaFormats[1]"}},
      {"*pB", {"ParaFormats"}},
      {"*p(\"T,0\", x)", {"ParaFormats[\"T,0\"][x]"}},
      {"*p(a\\,b,c\\)d)", {"ParaFormats[a\\,b][c\\)d]"}},
      // Unterminated lists, quotations and escapes end with the text.
      {"*p(", {"ParaFormats"}},
      {"*p(1,2", {"ParaFormats[1][2]"}},
      {"*p(\"a,b", {"ParaFormats[\"a,b]"}},
      {"*p(a\\", {"ParaFormats[a\\]"}},
      // A closing bracket inside quotation marks ends the item and the list.
      {"*p(\"9)9\",1)",
       {"ParaFormats[\"9]", "Unrecognised", "Unrecognised", "Unrecognised", "Unrecognised", "Unrecognised"}},
      {"[\"]\"]", {"BracketList[\"]", "Unrecognised", "Unrecognised"}},
  });
}

TEST(TagReaderTest, CharacterStyles) {
  CheckCases({
      {"@Body Text", {"CharStyle(Body Text)"}},
      {"@$", {"CharStyle(Normal)"}},
      {"@$B", {"CharStyle(Normal)", "Bold"}},
      {"@$p", {"CharStyleParagraph()"}},
      {"@", {"Unrecognised"}},
      {"@>B", {"CharStyleNone()"}},
      {"@A\\>B", {"CharStyle(A>B)"}},
      {"@Name>B", {"CharStyle(Name)", "Bold"}},
      {"@Na\\", {"CharStyle(Na)"}},
      {"@A>@$p", {"CharStyle(A)", "CharStyleParagraph()"}},
      {"xAHeading", {"CharStyle(Heading)"}},
      {"xA$", {"CharStyleParagraph()"}},
      {"xA$pB", {"CharStyleParagraph()", "Bold"}},
      {"xA>B", {"Unrecognised", "Bold"}},
      {"x", {"Unrecognised"}},
      {"x$", {"Unrecognised"}},
  });
}

TEST(TagReaderTest, BackslashEscapes) {
  const struct {
    const char* text;
    UTF16TextChar expected;
  } table[] = {
      {"\\n", 0x000A},  {"\\d", 0x000A},   {"\\s", 0x0020},  {"\\f", 0xFEFF},  {"\\p", 0x2008},  {"\\-", 0x2010},
      {"\\m", 0x2012},  {"\\t", 0x0008},   {"\\h", 0x00AD},  {"\\c", 0xE00B},  {"\\b", 0xE00D},  {"\\2", 0xE023},
      {"\\3", 0x0018},  {"\\4", 0xE022},   {"\\i", 0x0007},  {"\\!s", 0x00A0}, {"\\!-", 0x2011}, {"\\!h", 0x2011},
      {"\\!m", 0xFE32}, {"\\q", u'q'},     {"\\<", u'<'},    {"\\>", u'>'},    {"\\\\", u'\\'},  {"\\@", u'@'},
      {"\\\"", u'"'},   {"\\1", u'1'},     {"\\ ", u' '},
  };
  for (const auto& entry : table) {
    SCOPED_TRACE(entry.text);
    EXPECT_EQ(ReadAll(entry.text), std::vector<std::string>{"SpecialChar(" + CharText(entry.expected) + ")"});
  }
  CheckCases({
      {"B\\tI", {"Bold", "SpecialChar(U+0008)", "Italic"}},
      {"\\#65", {"SpecialChar(#)", "Unrecognised", "Unrecognised"}},
      {"\\!q", {"Unrecognised", "Unrecognised"}},
      {"\\!B", {"Unrecognised", "Bold"}},
      {"\\!", {"Unrecognised"}},
      // A backslash at the end stands for no character (not for U+0000).
      {"\\", {"Unrecognised"}},
      {"B\\", {"Bold", "Unrecognised"}},
  });
}

TEST(TagReaderTest, ArgumentsKeepTheirValuesUntilOverwritten) {
  TagReader reader;
  reader.SetText(WideString::FromUTF8("z12*p(1,2)f\"Arial\"B*ra0*ktA"));
  EXPECT_EQ(reader.NextTag(), Size);
  EXPECT_EQ(reader.NextTag(), ParaFormats);
  EXPECT_EQ(reader.NextTag(), FontName);
  EXPECT_EQ(reader.NextTag(), Bold);
  EXPECT_EQ(reader.numberArgument, 12.0);
  EXPECT_EQ(reader.nameArgument.ToUTF8(), "Arial");
  EXPECT_EQ(reader.NextTag(), RuleAbove);  // *ra0 empties the name and leaves the list
  EXPECT_TRUE(reader.nameArgument.IsEmpty());
  ASSERT_EQ(reader.listArgument.size(), 2u);
  EXPECT_EQ(reader.listArgument[1], PMString("2"));
  EXPECT_EQ(reader.NextTag(), Unrecognised);
  EXPECT_EQ(reader.charArgument, u'A');
  EXPECT_EQ(reader.NextTag(), End);

  // A new text starts at its first character.
  reader.SetText(WideString::FromUTF8("I"));
  EXPECT_EQ(reader.current, u'I');
  EXPECT_EQ(reader.position, 1);
  EXPECT_EQ(reader.NextTag(), Italic);
  EXPECT_EQ(reader.current, 0);
  EXPECT_EQ(reader.NextTag(), End);
}

// U+0000 inside the text ends the tag wherever it stands; lone surrogates are
// ordinary characters.
TEST(TagReaderTest, NulAndLoneSurrogates) {
  const struct {
    std::u16string text;
    std::vector<std::string> expected;
  } cases[] = {
      {std::u16string(u"B\0I", 3), {"Bold"}},
      {std::u16string(u"f\"a\0b\"I", 7), {"FontName(a)"}},
      {std::u16string(u"*p(1\0,2)", 8), {"ParaFormats[1]"}},
      {std::u16string(u"*p\0(1)", 6), {"ParaFormats"}},
      {std::u16string(u"@A\0B", 4), {"CharStyle(A)"}},
      {std::u16string(u"\\\0B", 3), {"Unrecognised"}},
      {std::u16string(u"x\0B", 3), {"Unrecognised"}},
      {std::u16string(u"c\0B", 3), {"ColorLetter(U+0000)"}},
      {std::u16string(u"*kn\0B", 5), {"KeepWithNext(U+0000)"}},
      {u"\xD800" u"B", {"Unrecognised", "Bold"}},
      {u"\\\xDC00" u"B", {"SpecialChar(U+DC00)", "Bold"}},
      {u"c\xD83D\xDE00", {"ColorLetter(U+D83D)", "Unrecognised"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(EncodeUTF8(c.text));
    EXPECT_EQ(ReadAll(WideString(c.text)), c.expected);
  }
}

// Every prefix of texts that mix all element kinds reads to End in time (ReadAll
// checks the bound), whatever element it cuts through.
TEST(TagReaderTest, EveryPrefixReadsToEnd) {
  const char* texts[] = {
      "<BIz12,5*C*kn1*ktA*kt(1)*ra(12,0,\"Dark, \\\"Blue)\",T0)*rb0*d(1,3)*p(0, 0)*t(1)[a,\"b]\"]f\"A\\\"\"c\"C\"cK"
      "@Body\\>Text>@$p@$@>xA$pxB>xCname\\!s\\!q\\-\\*h\"H\"a$$$h$y-1.5",
      "*p(\"(\\\"\\\\,)\\,\"(\"", "f\"\\\"\\", "[[[\"]]\"]\\[",
  };
  for (const char* full : texts) {
    const std::u16string units = DecodeUTF8(full);
    for (std::size_t length = 0; length <= units.size(); ++length) {
      SCOPED_TRACE(EncodeUTF8(units.substr(0, length)));
      ReadAll(WideString(units.substr(0, length)));
    }
  }
}

}  // namespace
