// Character attribute elements of tags: what each one leaves as local
// overrides on the text that follows, the toggles, the reverts, bold and
// italic through the faces of the current family, fonts and character styles.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <string>
#include <variant>

#include "host/IFonts.h"
#include "host/ISwatches.h"
#include "host/StoryText.h"
#include "host/TextAttributes.h"
#include "tests/support/AttributeText.h"
#include "tests/support/ImportFixture.h"

namespace {

class CharacterTagsTest : public ImportFixture {
 protected:
  // The local character overrides of the character at position, by key.
  Overrides CharacterOverridesAt(const Result& result, TextIndex position) const {
    return OverridesByKey(DataBase(), *Story(result)->CharacterAttributesAt(position).overrides);
  }

  // The overrides of each character of a story's text (without its final
  // paragraph end).
  std::vector<Overrides> OverridesPerCharacter(const Result& result) const {
    std::vector<Overrides> out;
    for (TextIndex i = 0; i + 1 < Story(result)->TotalLength(); ++i) out.push_back(CharacterOverridesAt(result, i));
    return out;
  }
};

TEST_F(CharacterTagsTest, EachElementSetsItsAttribute) {
  const struct {
    const char* body;
    Overrides expected;  // the overrides of the "x" after the tag
  } cases[] = {
      {"<U>x", {{"underline", "1"}}},
      {"<K>x", {{"capitalization", "2"}}},
      {"<H>x", {{"capitalization", "1"}}},
      {"<*d(1,2)>x", {{"capitalization", "3"}}},
      {"<*d0>x", {{"capitalization", "3"}}},
      {"</>x", {{"strikethrough", "true"}}},
      {"<+>x", {{"position", "1"}}},
      {"<->x", {{"position", "2"}}},
      {"<z10>x", {{"pointSize", "10"}}},
      {"<z0>x", {{"pointSize", "0"}}},
      {"<z12,5>x", {{"pointSize", "12.5"}}},
      {"<h50>x", {{"horizontalScale", "0.5"}}},
      {"<y80>x", {{"verticalScale", "0.8"}}},
      {"<k20>x", {{"kerning", "0.1"}}},
      {"<t-10>x", {{"tracking", "-0.05"}}},
      {"<t10>x", {{"tracking", "0.05"}}},
      {"<b3>x", {{"baselineShift", "3"}}},
      {"<b-1.5>x", {{"baselineShift", "-1.5"}}},
      {"<c\"Cyan\">x", {{"fillColor", "swatch Cyan"}}},
      {"<cM>x", {{"fillColor", "swatch Magenta"}}},
      // K is no swatch name and no process letter: 100% black, found by value.
      {"<cK>x", {{"fillColor", "swatch Black"}}},
      {"<c\"No such colour\">x", {{"fillColor", "swatch Black"}}},
      {"<f\"DejaVu Sans\">x", {{"fontFamily", "family DejaVu Sans"}}},
      // The document's default font is Liberation Serif Regular.
      {"<B>x", {{"fontStyle", "Bold"}}},
      {"<I>x", {{"fontStyle", "Italic"}}},
      {"<BI>x", {{"fontStyle", "Bold Italic"}}},
      {"<Uz9h120>x", {{"underline", "1"}, {"pointSize", "9"}, {"horizontalScale", "1.2"}}},
      // Elements without effect.
      {"<P>x", {}},
      {"<s50>x", {}},
      {"<s$>x", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    ASSERT_EQ(TextOf(result), "x\r");
    EXPECT_EQ(CharacterOverridesAt(result, 0), c.expected);
    EXPECT_EQ(result.diagnostics, "");
  }
}

TEST_F(CharacterTagsTest, TogglesAlternateAndShareTheCapitalisationAttribute) {
  const struct {
    const char* body;
    const char* key;
    std::vector<std::string> values;  // per character
  } cases[] = {
      {"<U>a<U>b<U>c", "underline", {"1", "0", "1"}},
      {"<K>a<K>b<K>c", "capitalization", {"2", "0", "2"}},
      {"<H>a<H>b", "capitalization", {"1", "0"}},
      {"<*d0>a<*d0>b", "capitalization", {"3", "0"}},
      {"</>a</>b</>c", "strikethrough", {"true", "false", "true"}},
      // Small caps replace all caps, and the next K turns all caps off.
      {"<K>a<H>b<K>c", "capitalization", {"2", "1", "0"}},
      // Each kind keeps its own state.
      {"<U>a</>b<U>c</>d", "underline", {"1", "1", "0", "0"}},
      // <$> clears the attributes but not the states.
      {"<U>a<$>b<U>c", "underline", {"1", "", "0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    const std::vector<Overrides> overrides = OverridesPerCharacter(result);
    ASSERT_EQ(overrides.size(), c.values.size());
    for (std::size_t i = 0; i < overrides.size(); ++i) {
      SCOPED_TRACE(i);
      const auto it = overrides[i].find(c.key);
      EXPECT_EQ(it == overrides[i].end() ? "" : it->second, c.values[i]);
    }
  }
}

TEST_F(CharacterTagsTest, ToggleInCharacterStyleDefinitionInvertsTheStateForRunningText) {
  const Result result = ImportBody("@Caps=<K>\r\n<K>x");
  ASSERT_EQ(TextOf(result), "x\r");
  EXPECT_EQ(CharacterOverridesAt(result, 0), (Overrides{{"capitalization", "0"}}));
}

TEST_F(CharacterTagsTest, RevertAllRemovesEveryLocalOverride) {
  const struct {
    const char* body;
    std::vector<Overrides> expected;
  } cases[] = {
      {"<+>a<+>b<$>c", {{{"position", "1"}}, {{"position", "1"}}, {}}},
      {"<+><$>x", {{}}},
      {"<Bf\"DejaVu Sans\"Uz10cCk20t10b3h50y80+>a<$>b",
       {{{"fontFamily", "family DejaVu Sans"},
         {"fontStyle", "Bold"},
         {"underline", "1"},
         {"pointSize", "10"},
         {"fillColor", "swatch Cyan"},
         {"kerning", "0.1"},
         {"tracking", "0.05"},
         {"baselineShift", "3"},
         {"horizontalScale", "0.5"},
         {"verticalScale", "0.8"},
         {"position", "1"}},
        {}}},
      {"<z10>a<a>b", {{{"pointSize", "10"}}, {}}},
      {"<z10>a<a$>b", {{{"pointSize", "10"}}, {}}},
      {"<z10>a<a$$>b", {{{"pointSize", "10"}}, {}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    EXPECT_EQ(OverridesPerCharacter(ImportBody(c.body)), c.expected);
  }
}

TEST_F(CharacterTagsTest, SingleRevertsRemoveOnlyTheirClass) {
  const Overrides all = {{"fontFamily", "family DejaVu Sans"},
                         {"pointSize", "10"},
                         {"fillColor", "swatch Cyan"},
                         {"kerning", "0.1"},
                         {"tracking", "0.05"},
                         {"baselineShift", "3"},
                         {"horizontalScale", "0.5"}};
  const struct {
    const char* revert;
    const char* key;
  } cases[] = {
      {"f$", "fontFamily"}, {"z$", "pointSize"}, {"c$", "fillColor"},
      {"k$", "kerning"},    {"t$", "tracking"},  {"b$", "baselineShift"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.revert);
    const Result result = ImportBody(std::string("<f\"DejaVu Sans\"z10cCk20t10b3h50>a<") + c.revert + ">b");
    ASSERT_EQ(TextOf(result), "ab\r");
    EXPECT_EQ(CharacterOverridesAt(result, 0), all);
    Overrides expected = all;
    expected.erase(c.key);
    EXPECT_EQ(CharacterOverridesAt(result, 1), expected);
  }
}

TEST_F(CharacterTagsTest, ScaleRevertsRevertTheScaleSetLast) {
  const struct {
    const char* body;
    Overrides expected;  // of the "b"
  } cases[] = {
      {"<h50>a<y80>a<h$>b", {{"horizontalScale", "0.5"}}},
      {"<h50y80>a<y$>b", {{"horizontalScale", "0.5"}}},
      {"<y80h50>a<y$>b", {{"verticalScale", "0.8"}}},
      {"<y80h50>a<h$>b", {{"verticalScale", "0.8"}}},
      {"<h50>a<y$>b", {}},
      // The scale set last is no longer overridden: nothing is reverted.
      {"<h50y80>a<y$>a<h$>b", {{"horizontalScale", "0.5"}}},
      {"<z10>a<h$>b", {{"pointSize", "10"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    const TextIndex last = Story(result)->TotalLength() - 2;
    EXPECT_EQ(CharacterOverridesAt(result, last), c.expected);
  }
}

TEST_F(CharacterTagsTest, BoldAndItalicExchangeTheFacesOfTheCurrentFamily) {
  const struct {
    const char* body;
    std::vector<std::string> faces;  // per character
  } cases[] = {
      {"<B>a<B>b", {"Bold", "Regular"}},
      {"<I>a<I>b", {"Italic", "Regular"}},
      {"<B>a<I>b", {"Bold", "Bold Italic"}},
      {"<I>a<B>b", {"Italic", "Bold Italic"}},
      // A bold-italic face becomes the bold face under B and the italic
      // face under I.
      {"<BI>a<B>b", {"Bold Italic", "Bold"}},
      {"<BI>a<I>b", {"Bold Italic", "Italic"}},
      // DejaVu Sans: Book, Oblique, Bold, Bold Oblique. The family changes
      // alone, so the first B starts from Liberation's "Regular", which is
      // none of DejaVu Sans' faces.
      {"<f\"DejaVu Sans\">a<B>b<I>c<B>d<I>e<I>f", {"", "Bold", "Bold Oblique", "Bold", "Bold Oblique", "Oblique"}},
      {"<f\"DejaVu Sans\"I>a<I>b", {"Oblique", "Book"}},
      // The font element keeps the face Bold, which DejaVu Sans has.
      {"<Bf\"DejaVu Sans\">a<I>b<I>c", {"Bold", "Bold Oblique", "Oblique"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const std::vector<Overrides> overrides = OverridesPerCharacter(ImportBody(c.body));
    ASSERT_EQ(overrides.size(), c.faces.size());
    for (std::size_t i = 0; i < overrides.size(); ++i) {
      SCOPED_TRACE(i);
      const auto it = overrides[i].find("fontStyle");
      EXPECT_EQ(it == overrides[i].end() ? "" : it->second, c.faces[i]);
    }
  }
}

TEST_F(CharacterTagsTest, BoldInADefinitionTakesTheFaceFromTheStory) {
  const struct {
    const char* body;
    const char* face;  // in force at the last character
  } cases[] = {
      {"@Strong=<B>\r\n<@Strong>x", "Bold"},
      // The story's face is Bold when the definition is read: B there means
      // the plain face.
      {"<B>a\r\n@Strong2=<B>\r\n<@Strong2>x", "Regular"},
      // The face that the style gives counts for the next B.
      {"@Strong3=<B>\r\n<@Strong3>a<B>x", "Regular"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    InterfacePtr<ITextAttributeReport> report(result.story, UseDefaultIID());
    ASSERT_TRUE(report);
    PMString face;
    ASSERT_TRUE(report->GetFontAt(Story(result)->TotalLength() - 2, &face, nullptr, nullptr));
    EXPECT_EQ(face.GetUTF8String(), c.face);
  }
}

TEST_F(CharacterTagsTest, FontSetsTheFamilyAndKeepsTheFace) {
  const Result result = ImportBody("<B>a<f\"DejaVu Serif\">b");
  EXPECT_EQ(CharacterOverridesAt(result, 1), (Overrides{{"fontStyle", "Bold"}, {"fontFamily", "family DejaVu Serif"}}));
}

TEST_F(CharacterTagsTest, UnknownFontIsReportedOncePerImport) {
  const std::string body = "<f\"No Such Font\">a<z9f\"No Such Font\">b<f\"DejaVu Sans\">c<f\"No Such Font\">d";
  const Result first = ImportBody(body);
  EXPECT_EQ(first.diagnostics, "no such font name No Such Font\n");
  EXPECT_EQ(CharacterOverridesAt(first, 0), Overrides{});
  EXPECT_EQ(CharacterOverridesAt(first, 1), (Overrides{{"pointSize", "9"}}));
  EXPECT_EQ(CharacterOverridesAt(first, 3), (Overrides{{"pointSize", "9"}, {"fontFamily", "family DejaVu Sans"}}));
  // Names are compared exactly.
  EXPECT_EQ(ImportBody("<f\"dejavu sans\">x").diagnostics, "no such font name dejavu sans\n");
  // A new import reports the name again.
  EXPECT_EQ(ImportBody(body).diagnostics, "no such font name No Such Font\n");
}

TEST_F(CharacterTagsTest, CharacterStylesApplyToTheTextThatFollows) {
  const Result result = ImportBody("<@Emph>a<@$>b<@Emph>c<@$p>d<@Body Text>e");
  ASSERT_EQ(TextOf(result), "abcde\r");
  EXPECT_EQ(CharacterStyleAt(result, 0), "Emph");
  EXPECT_EQ(CharacterStyleAt(result, 1), "Normal");
  EXPECT_EQ(CharacterStyleAt(result, 2), "Emph");
  EXPECT_EQ(CharacterStyleAt(result, 3), "");
  EXPECT_EQ(CharacterStyleAt(result, 4), "Body Text");
  EXPECT_EQ(StyleNames(false), (std::vector<std::string>{"", "Normal", "Emph", "Body Text"}));
  EXPECT_EQ(result.diagnostics, "");
}

TEST_F(CharacterTagsTest, NormalCharacterStyleIsMadeWhenMissing) {
  // With a character style definition in the input the import makes no
  // "Normal" character style of its own; <@$> makes it.
  const Result result = ImportBody("@Emph=<I>\r\n<@$>x");
  EXPECT_EQ(CharacterStyleAt(result, 0), "Normal");
  EXPECT_EQ(StyleNames(false), (std::vector<std::string>{"", "Emph", "Normal"}));
}

TEST_F(CharacterTagsTest, CharacterStyleReplacesLocalOverrides) {
  const Result result = ImportBody("<Uz9>a<@Emph>b");
  EXPECT_EQ(CharacterOverridesAt(result, 1), Overrides{});
  EXPECT_EQ(CharacterStyleAt(result, 1), "Emph");
}

}  // namespace
