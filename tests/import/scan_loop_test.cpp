// The scan loop: what running text, tags, constructs and line ends put into
// the story, and what they consume.
#include <gtest/gtest.h>

#include "tests/support/ImportFixture.h"

namespace {

class ScanLoopTest : public ImportFixture {};

TEST_F(ScanLoopTest, TextAndConstructsBecomeTheRightStoryText) {
  const struct {
    const char* name;
    std::string body;
    std::string text;  // the story's text, "\r" for paragraph ends
  } cases[] = {
      {"empty input", "", "\r"},
      {"a tag is consumed", "A<B>b", "Ab\r"},
      {"an escaped < in a tag is a character", "<\\<>", "<\r"},
      {"an escaped > does not close the tag", "x<\\>>y", "x>y\r"},
      {"an unclosed tag runs to the end", "ab<Bcd", "ab\r"},
      {"@ inside a word is text", "user@host", "user@host\r"},
      {"@ after a digit is text", "user1@host:x", "user1@host:x\r"},
      {"@ after punctuation starts a construct", "(@x:y", "(y\r"},
      {"an application consumes name and colon", "@Heading:Title", "Title\r"},
      {"an empty application leaves the @", "@:text", "@text\r"},
      {"@ without an ending keeps the rest of the input", "a @abc def", "a @abc def\r"},
      {"two unfinished constructs", "@a @b", "@a @b\r"},
      {"text characters that the syntax uses elsewhere", "a\\b\"c>d[e:f=g", "a\\b\"c>d[e:f=g\r"},
      {"CR LF is one paragraph end", "one\r\ntwo", "one\rtwo\r"},
      {"a lone LF ends a paragraph", "one\ntwo\nthree", "one\rtwo\rthree\r"},
      {"LF CR keeps the LF", "one\n\rtwo", "one\n\rtwo\r"},
      {"an LF right after the header completes its line end", "\ntext", "text\r"},
      {"a character style definition inserts nothing", "@Emph=<I>\r\ntext", "text\r"},
      {"a paragraph style definition inserts nothing", "@Body=[S\"\",\"\",\"\"]<*L>\r\ntext", "text\r"},
      {"a colour definition inserts nothing", "@Red=[C]<\"CMYK\",a,b,c,0,1,1,x,0>\r\ntext", "text\r"},
      // "[C", the character after it and the one after that are consumed.
      {"an abandoned colour definition leaves the @", "@X=[Cqrest", "@est\r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = ImportBody(c.body);
    EXPECT_EQ(result.errorCode, kSuccess);
    EXPECT_EQ(TextOf(result), c.text);
  }
}

TEST_F(ScanLoopTest, ApplicationsApplyParagraphStylesByName) {
  const Result result = ImportBody("@Heading:Title\r\n@$:Body\r\n@A\\:B:x");
  ASSERT_EQ(TextOf(result), "Title\rBody\rx\r");
  EXPECT_EQ(ParagraphStyleAt(result, 0), "Heading");
  EXPECT_EQ(ParagraphStyleAt(result, 6), "Normal");
  EXPECT_EQ(ParagraphStyleAt(result, 11), "A:B");
}

TEST_F(ScanLoopTest, NameOfAnApplicationKeepsAnEqualsSign) {
  const Result result = ImportBody("@a=b:x");
  EXPECT_EQ(TextOf(result), "x\r");
  EXPECT_EQ(ParagraphStyleAt(result, 0), "a=b");
}

TEST_F(ScanLoopTest, EmptyInputGetsTheDefaultStyles) {
  const Result result = ImportBody("");
  EXPECT_EQ(TextOf(result), "\r");
  EXPECT_EQ(StyleNames(true), (std::vector<std::string>{"", "Normal"}));
  EXPECT_EQ(StyleNames(false), (std::vector<std::string>{"", "Normal"}));
  EXPECT_EQ(ParagraphStyleAt(result, 0), "Normal");
}

TEST_F(ScanLoopTest, NulCharactersAreDroppedWithOneLine) {
  const Result result = ImportBody(std::string("ab\0c\0d", 6));
  EXPECT_EQ(TextOf(result), "abcd\r");
  EXPECT_EQ(result.diagnostics, "Dropped 2 NUL character(s) found before the end of the input.\n");
}

TEST_F(ScanLoopTest, PreScanReportsMissingDefinitionsInTheFirstLines) {
  const struct {
    const char* name;
    std::string body;
    std::string diagnostics;
  } cases[] = {
      {"no definitions", "1\r2\r3\r4\r5", "nie mamy naszych styli...\nnie mamy naszych styli...\n"},
      {"a character definition only", "@E=<I>\r2\r3\r4\r5", "nie mamy naszych styli...\n"},
      {"a paragraph definition", "@P=[S\"\",\"\",\"\"]\r2\r3\r4\r5", "nie mamy naszych styli...\n"},
      {"both", "@Q=[S\"\",\"\",\"\"]\r@F=<I>\r3\r4\r5", ""},
      {"short input", "1\r2\r3", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ImportBody(c.body).diagnostics, c.diagnostics);
  }
}

TEST_F(ScanLoopTest, RegressionLineFeedOnlyFileKeepsItsParagraphs) {
  const Result result = ImportBytes(ReadTestData("lf_line_ends_lost_paragraphs.xtg"));
  EXPECT_EQ(TextOf(result), "First paragraph.\rSecond paragraph.\rThird paragraph.\r");
}

TEST_F(ScanLoopTest, ManyUnfinishedConstructsStayLinear) {
  // Each '@' would search to the end of the input again; a million of them
  // must still finish promptly (a quadratic search would not).
  std::string body;
  for (int i = 0; i < 200000; ++i) body += " @x=";
  const Result result = ImportBody(body);
  EXPECT_EQ(TextOf(result), body + "\r");
}

TEST_F(ScanLoopTest, PreScanLookAheadsEndingAtAColonStayLinear) {
  // A paragraph definition keeps the pre-scan going; then every '@' looks
  // ahead to the same far ':'.
  std::string body = "@P=[S\"\",\"\",\"\"]\r";
  body += std::string(200000, '@') + ":";
  const Result result = ImportBody(body);
  EXPECT_EQ(result.errorCode, kSuccess);
  // The main loop then reads one application of a style named by the rest.
  EXPECT_EQ(TextOf(result), "\r");
  EXPECT_EQ(ParagraphStyleAt(result, 0), std::string(199999, '@'));
}

}  // namespace
