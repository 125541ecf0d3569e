// Faults found while fuzzing the whole import (fuzz/import_fuzz.cpp) and
// timing it on growing inputs, each with its input in tests/data. The inputs
// named *_quadratic.xtg are small files whose body is repeated with every '#'
// replaced by the number of the copy, so that each copy makes new names:
// lookups among the names made so far searched them all, which made such
// imports quadratic. How the import grows with many names is measured by the
// "names" benchmark; these tests check that every name is made and found.
#include <gtest/gtest.h>

#include <string>

#include "resources/ColourSwatches.h"
#include "tests/support/ImportFixture.h"

namespace {

class ImportRegressionsTest : public ImportFixture {
 protected:
  // The body of a test data file (what follows its header line), copied
  // count times, with each '#' replaced by the number of the copy.
  static std::string Numbered(const std::string& file, int count) {
    const std::string body = file.substr(file.find('\n') + 1);
    std::string out;
    for (int i = 0; i < count; ++i) {
      for (const char c : body) {
        if (c == '#') {
          out += std::to_string(i);
        } else {
          out += c;
        }
      }
    }
    return out;
  }
  static constexpr int kCopies = 2000;
};

TEST_F(ImportRegressionsTest, ManyStyleNamesAreAllMadeAndFound) {
  const std::string file = ReadTestData("style_name_lookup_quadratic.xtg");
  const Result one = ImportBytes(file);
  ASSERT_EQ(TextOf(one), "x\r\r");
  EXPECT_EQ(ParagraphStyleAt(one, 0), "Para#");
  EXPECT_EQ(CharacterStyleAt(one, 0), "Char#");

  const Result many = ImportBody(Numbered(file, kCopies));
  EXPECT_EQ(many.errorCode, kSuccess);
  const StoryText* story = Story(many);
  ASSERT_EQ(story->TotalLength(), 2 * kCopies + 1);  // "x" and a paragraph end a copy
  for (const int copy : {0, kCopies / 2, kCopies - 1}) {
    SCOPED_TRACE(copy);
    EXPECT_EQ(ParagraphStyleAt(many, 2 * copy), "Para" + std::to_string(copy));
    EXPECT_EQ(CharacterStyleAt(many, 2 * copy), "Char" + std::to_string(copy));
  }
  EXPECT_EQ(StyleNames(true).size(), 1u + 1u + kCopies);  // the root, "Para#" and the copies
}

TEST_F(ImportRegressionsTest, ManyColourNamesAreAllMadeAndFound) {
  const std::string file = ReadTestData("colour_name_lookup_quadratic.xtg");
  const Result one = ImportBytes(file);
  EXPECT_EQ(TextOf(one), "x\r\r");
  EXPECT_NE(FindSwatchByName(PMString("Red#")), kInvalidUID);

  const Result many = ImportBody(Numbered(file, kCopies));
  EXPECT_EQ(many.errorCode, kSuccess);
  EXPECT_TRUE(Alerts().empty());  // no name was taken for an existing one
  for (const int copy : {0, kCopies / 2, kCopies - 1}) {
    SCOPED_TRACE(copy);
    const UID swatch = FindSwatchByName(PMString(("Red" + std::to_string(copy)).c_str()));
    ASSERT_NE(swatch, kInvalidUID);
    // The text of the copy has the copy's own swatch.
    const AttributeValue* colour = Story(many)->CharacterAttributesAt(2 * copy).overrides->Find(ClassID(0x1B01));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(std::get<UID>(*colour), swatch);
  }
}

TEST_F(ImportRegressionsTest, ManyMissingFontNamesAreEachReportedOnce) {
  const std::string file = ReadTestData("missing_font_list_quadratic.xtg");
  const Result one = ImportBytes(file);
  EXPECT_EQ(TextOf(one), "x\r\r");
  EXPECT_EQ(one.diagnostics, "no such font name Missing#\n");

  // Every name twice: each is reported the first time only.
  const Result many = ImportBody(Numbered(file, kCopies) + Numbered(file, kCopies));
  std::string expected = "nie mamy naszych styli...\nnie mamy naszych styli...\n";  // no definitions
  for (int i = 0; i < kCopies; ++i) expected += "no such font name Missing" + std::to_string(i) + "\n";
  EXPECT_TRUE(many.diagnostics == expected) << "the first lines: " << many.diagnostics.substr(0, 200);
}

}  // namespace
