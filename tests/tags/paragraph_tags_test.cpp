// Paragraph attribute elements of tags: alignment, keep with next, paragraph
// formats and rules, and the paragraph they land on.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <string>
#include <variant>

#include "host/ISwatches.h"
#include "host/StoryText.h"
#include "host/TextAttributes.h"
#include "tests/support/AttributeText.h"
#include "tests/support/ImportFixture.h"

namespace {

class ParagraphTagsTest : public ImportFixture {
 protected:
  // The local overrides of the paragraph of position, by key.
  Overrides ParagraphOverridesAt(const Result& result, TextIndex position) const {
    return OverridesByKey(DataBase(), *Story(result)->ParagraphAttributesAt(position).overrides);
  }
};

TEST_F(ParagraphTagsTest, EachElementSetsItsAttributes) {
  const struct {
    const char* body;
    Overrides expected;  // of the paragraph of the "x" after the tag
  } cases[] = {
      {"<*L>x", {{"alignment", "0"}}},
      {"<*C>x", {{"alignment", "1"}}},
      {"<*R>x", {{"alignment", "2"}}},
      {"<*F>x", {{"alignment", "3"}}},
      {"<*J>x", {{"alignment", "4"}}},
      {"<*kn1>x", {{"keepWithNext", "1"}}},
      {"<*kn0>x", {{"keepWithNext", "1"}}},
      {"<*p(10,-5,0,14,0,0,g,x)>x",
       {{"leftIndent", "10"}, {"firstLineIndent", "-5"}, {"rightIndent", "0"}, {"leading", "14"}}},
      // A leading of 0 leaves the leading alone.
      {"<*p(0,0,0,0,0,0,g,x)>x", {{"leftIndent", "0"}, {"firstLineIndent", "0"}, {"rightIndent", "0"}}},
      {"<*p(1.5,2,3,+2,0,0,g,x)>x",
       {{"leftIndent", "1.5"}, {"firstLineIndent", "2"}, {"rightIndent", "3"}, {"leading", "2"}}},
      // Fewer than eight items change nothing.
      {"<*p(0,0,0,12,0,0,g)>x", {}},
      {"<*p(10,-5,0,14,0,0,g,x)*p(1,2,3,4)>x",
       {{"leftIndent", "10"}, {"firstLineIndent", "-5"}, {"rightIndent", "0"}, {"leading", "14"}}},
      {"<*rb(2,\"1\",\"Cyan\",100,T6,6,50%)>x",
       {{"ruleBelowOn", "true"},
        {"ruleBelowWeight", "2"},
        {"ruleBelowColor", "swatch Cyan"},
        {"ruleBelowLeftIndent", "6"},
        {"ruleBelowMode", "2"},
        {"ruleBelowRightIndent", "6"},
        {"ruleBelowOffset", "50"}}},
      {"<*ra(2,\"1\",\"Magenta\",100,T6,6,50%)>x",
       {{"ruleAboveOn", "true"},
        {"ruleAboveWeight", "2"},
        {"ruleAboveColor", "swatch Magenta"},
        {"ruleAboveLeftIndent", "6"},
        {"ruleAboveMode", "2"},
        {"ruleAboveRightIndent", "6"},
        {"ruleAboveOffset", "50"}}},
      // Without a T the width mode stays; zeros are not set; an unknown
      // colour name gives 100% black.
      {"<*rb(0.5,\"1\",\"No such colour\",100,3,0,0%)>x",
       {{"ruleBelowOn", "true"},
        {"ruleBelowWeight", "0.5"},
        {"ruleBelowColor", "swatch Black"},
        {"ruleBelowLeftIndent", "3"}}},
      {"<*rb(1,\"1\",\"Cyan\",100,T0)>x",
       {{"ruleBelowOn", "true"}, {"ruleBelowWeight", "1"}, {"ruleBelowColor", "swatch Cyan"}, {"ruleBelowMode", "2"}}},
      // The colour of an empty name is 100% black as well.
      {"<*ra(1)>x", {{"ruleAboveOn", "true"}, {"ruleAboveWeight", "1"}, {"ruleAboveColor", "swatch Black"}}},
      {"<*ra0>x", {{"ruleAboveOn", "true"}, {"ruleAboveWeight", "0"}, {"ruleAboveColor", "swatch Black"}}},
      {"<*rb0>x", {{"ruleBelowOn", "true"}, {"ruleBelowWeight", "0"}, {"ruleBelowColor", "swatch Black"}}},
      // Elements without effect.
      {"<*t(0,0,\"1 \")>x", {}},
      {"<*h\"Standard\">x", {}},
      {"<*kt(2,2)>x", {}},
      {"<*ktA>x", {}},
      {"<[1,2]>x", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    ASSERT_EQ(TextOf(result), "x\r");
    EXPECT_EQ(ParagraphOverridesAt(result, 0), c.expected);
    EXPECT_EQ(result.diagnostics, "");
  }
}

TEST_F(ParagraphTagsTest, AttributesLandOnTheParagraphOfTheNextText) {
  const Result result = ImportBody("a\r\n<*C*kn0>b\r\nc\r\n<*R>");
  ASSERT_EQ(TextOf(result), "a\rb\rc\r\r");
  EXPECT_EQ(ParagraphOverridesAt(result, 0), Overrides{});
  EXPECT_EQ(ParagraphOverridesAt(result, 2), (Overrides{{"alignment", "1"}, {"keepWithNext", "1"}}));
  // A paragraph end splits the paragraph; both halves keep its attributes.
  EXPECT_EQ(ParagraphOverridesAt(result, 4), (Overrides{{"alignment", "1"}, {"keepWithNext", "1"}}));
  // A tag at the end of the input changes the story's last paragraph.
  EXPECT_EQ(ParagraphOverridesAt(result, 6), (Overrides{{"alignment", "2"}, {"keepWithNext", "1"}}));
}

TEST_F(ParagraphTagsTest, ParagraphAttributesDoNotBecomeCharacterAttributes) {
  const Result result = ImportBody("<*C*p(1,2,3,4,0,0,g,x)*rb(1)>x");
  EXPECT_TRUE(Story(result)->CharacterAttributesAt(0).overrides->IsEmpty());
}

}  // namespace
