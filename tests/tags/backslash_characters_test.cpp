// Special characters: backslash elements insert one character each, where
// the next text goes, in the order they are written.
#include <gtest/gtest.h>

#include "tests/support/ImportFixture.h"

namespace {

class BackslashCharactersTest : public ImportFixture {};

TEST_F(BackslashCharactersTest, EachElementInsertsItsCharacter) {
  const struct {
    const char* body;
    std::u16string text;
  } cases[] = {
      {"a<\\<>b", u"a<b\r"},
      {"<\\>>", u">\r"},
      {"<\\\\\\@>", u"\\@\r"},
      {"<\\!s>", u"\u00A0\r"},
      {"<\\!-\\!h>", u"\u2011\u2011\r"},
      {"<\\!m>", u"\uFE32\r"},
      {"<\\n\\d\\s\\f\\p\\-\\m>", u"\n\n \uFEFF\u2008\u2010\u2012\r"},
      {"<\\t\\h\\i\\3>", u"\u0008\u00AD\u0007\u0018\r"},
      {"<\\c\\b\\2\\4>", u"\uE00B\uE00D\uE023\uE022\r"},
      {"<\\#65>", u"#\r"},   // no numeric character element: the digits are unrecognised
      {"<\\!q>", u"\r"},     // unrecognised, then 'q' unrecognised as well
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const Result result = ImportBody(c.body);
    EXPECT_EQ(Story(result)->Text(), c.text);
  }
}

TEST_F(BackslashCharactersTest, ElementsOfOneTagActInOrder) {
  // Bold, then the tab character, then italic: the tab is bold, not italic.
  const Result result = ImportBody("<f\"Liberation Sans\"B\\tI>x");
  const StoryText* story = Story(result);
  ASSERT_EQ(story->Text(), u"\u0008x\r");
  const auto face = [&](TextIndex at) {
    const AttributeValue* value = story->CharacterAttributesAt(at).overrides->Find(ClassID(0x1B02));
    return value ? std::get<PMString>(*value).GetUTF8String() : std::string("-");
  };
  EXPECT_EQ(face(0), "Bold");
  EXPECT_EQ(face(1), "Bold Italic");
}

TEST_F(BackslashCharactersTest, DefinitionsInsertTheirSpecialCharactersToo) {
  // The attribute text of a definition is read without its backslashes, so
  // the element has to be escaped twice.
  EXPECT_EQ(Story(ImportBody("@E=<\\\\t>\r\nx"))->Text(), u"\u0008x\r");
}

}  // namespace
