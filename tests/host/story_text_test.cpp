#include "host/StoryText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const ClassID kSize{0x1B03};
const ClassID kAlign{0x1B7E};

RunAttributes With(const RunAttributes& base, ClassID cls, AttributeValue value) {
  return RunAttributes{base.style, OverrideSet::With(base.overrides, {{cls, std::move(value)}})};
}

StoryText::Change Set(ClassID cls, AttributeValue value) {
  return [=](const RunAttributes& a) { return With(a, cls, value); };
}

// The text of each character run, with its size override (or "-").
std::string DescribeRuns(const StoryText& story) {
  std::string out;
  int32 at = 0;
  for (const auto& run : story.CharacterRuns()) {
    const AttributeValue* size = run.attributes.overrides->Find(kSize);
    out += "[" + EncodeUTF8(story.Text().substr(at, run.length)) + ":" +
           (size ? std::to_string(static_cast<int>(std::get<double>(*size))) : "-") + "]";
    at += run.length;
  }
  return out;
}

void InsertAtEnd(StoryText& story, std::u16string_view units) { story.Insert(story.TotalLength() - 1, units); }

}  // namespace

TEST(StoryTextTest, NewStoryIsOneParagraphEnd) {
  StoryText story({}, {});
  EXPECT_EQ(story.Text(), u"\r");
  EXPECT_EQ(story.ParagraphRuns().size(), 1u);
}

TEST(StoryTextTest, ParagraphEndsSplitParagraphsAndBothHalvesKeepAttributes) {
  StoryText story({}, {});
  story.ChangeParagraphs(0, 0, Set(kAlign, int32{1}));
  InsertAtEnd(story, u"ab\rcd");
  story.Insert(1, u"X\r");
  EXPECT_EQ(story.Text(), u"aX\rb\rcd\r");
  ASSERT_EQ(story.ParagraphRuns().size(), 3u);
  for (const auto& p : story.ParagraphRuns()) EXPECT_NE(p.attributes.overrides->Find(kAlign), nullptr);
  EXPECT_EQ(story.ParagraphRuns()[0].length, 3);
  EXPECT_EQ(story.ParagraphRuns()[1].length, 2);
  EXPECT_EQ(story.ParagraphRuns()[2].length, 3);
}

TEST(StoryTextTest, InsertionPointKeepsWhatAnEmptyRangeChangeLeft) {
  StoryText story({}, {});
  InsertAtEnd(story, u"ab");
  story.ChangeCharacters(2, 0, Set(kSize, 12.0));
  story.ChangeCharacters(2, 0, Set(kAlign, int32{2}));  // a second change adds to the first
  InsertAtEnd(story, u"cd");
  EXPECT_EQ(DescribeRuns(story), "[ab:-][cd:12][\r:-]");
  EXPECT_NE(story.CharacterAttributesAt(2).overrides->Find(kAlign), nullptr);
  InsertAtEnd(story, u"e");  // with nothing pending, text takes the character before it
  EXPECT_EQ(DescribeRuns(story), "[ab:-][cde:12][\r:-]");
}

TEST(StoryTextTest, PlaceholderApplyAndDeleteLeavesAttributesForTheNextText) {
  // The way an importer applies attributes at the end of a story.
  StoryText story({}, {});
  InsertAtEnd(story, u"ab");
  const TextIndex end = story.TotalLength() - 1;
  story.Insert(end, u"d");
  story.ChangeCharacters(end, 1, Set(kSize, 9.0));
  story.Delete(end, 1);
  EXPECT_EQ(story.Text(), u"ab\r");
  EXPECT_EQ(DescribeRuns(story), "[ab\r:-]");
  InsertAtEnd(story, u"c");
  EXPECT_EQ(DescribeRuns(story), "[ab:-][c:9][\r:-]");
}

TEST(StoryTextTest, DeletingParagraphEndsJoinsParagraphsWithTheFirstOnesAttributes) {
  StoryText story({}, {});
  InsertAtEnd(story, u"a\rb\rc");
  story.ChangeParagraphs(0, 0, Set(kAlign, int32{3}));
  story.Delete(1, 3);  // "\rb\r"
  EXPECT_EQ(story.Text(), u"ac\r");
  ASSERT_EQ(story.ParagraphRuns().size(), 1u);
  EXPECT_EQ(story.ParagraphRuns()[0].length, 3);
  EXPECT_NE(story.ParagraphRuns()[0].attributes.overrides->Find(kAlign), nullptr);
}

TEST(StoryTextTest, ChangesSplitAndMergeRuns) {
  StoryText story({}, {});
  InsertAtEnd(story, u"abcdef");
  story.ChangeCharacters(1, 4, Set(kSize, 10.0));
  EXPECT_EQ(DescribeRuns(story), "[a:-][bcde:10][f\r:-]");
  story.ChangeCharacters(0, 1, Set(kSize, 10.0));
  story.ChangeCharacters(5, 1, Set(kSize, 10.0));
  EXPECT_EQ(DescribeRuns(story), "[abcdef:10][\r:-]");
  story.Delete(2, 2);
  EXPECT_EQ(DescribeRuns(story), "[abef:10][\r:-]");
}

TEST(StoryTextTest, ParagraphChangeOverARangeTouchesEveryParagraphInIt) {
  StoryText story({}, {});
  InsertAtEnd(story, u"a\rb\rc\rd");
  story.ChangeParagraphs(2, 3, Set(kAlign, int32{4}));  // "b\rc" touches the 2nd and 3rd paragraphs
  const auto& p = story.ParagraphRuns();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].attributes.overrides->Find(kAlign), nullptr);
  EXPECT_NE(p[1].attributes.overrides->Find(kAlign), nullptr);
  EXPECT_NE(p[2].attributes.overrides->Find(kAlign), nullptr);
  EXPECT_EQ(p[3].attributes.overrides->Find(kAlign), nullptr);
}
