// Counted handles, the log writer and the small UTF-16 helpers.
#include <gtest/gtest.h>

#include <string>

#include "host/CountedHandle.h"
#include "resources/LogWriter.h"
#include "resources/TextUtilities.h"

namespace {

struct Tracked {
  explicit Tracked(int* alive) : alive(alive) { ++*alive; }
  ~Tracked() { --*alive; }
  int* alive;
};

TEST(CountedHandleTest, TheLastHandleDestroysTheObject) {
  int alive = 0;
  {
    CountedHandle<Tracked> first(new Tracked(&alive));
    {
      CountedHandle<Tracked> copy = first;
      EXPECT_EQ(first.use_count(), 2);
    }
    EXPECT_EQ(alive, 1);  // releasing an earlier copy leaves it for the rest
    EXPECT_EQ(first.use_count(), 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(CountedHandleTest, ResetReleasesTheOldObjectButNotTheSameOne) {
  int alive = 0;
  CountedHandle<Tracked> handle(new Tracked(&alive));
  Tracked* same = handle.get();
  handle.reset(same);
  EXPECT_EQ(alive, 1);
  EXPECT_EQ(handle.get(), same);
  CountedHandle<Tracked> other = handle;
  handle.reset(new Tracked(&alive));
  EXPECT_EQ(alive, 2);  // the old object lives on in other
  other.reset();
  EXPECT_EQ(alive, 1);
  EXPECT_EQ(handle.use_count(), 1);
}

TEST(Utf16LengthTest, CountsUnitsBeforeTheFirstZero) {
  EXPECT_EQ(Utf16Length(nullptr), 0);
  EXPECT_EQ(Utf16Length(u""), 0);
  EXPECT_EQ(Utf16Length(u"ab\0c"), 2);
}

class RecordingSink : public ILogSink {
 public:
  void AppendUnit(UTF16TextChar unit) override { text += unit; }
  void EndLine() override { ++lines; }
  std::u16string text;
  int lines = 0;
};

TEST(LogWriterTest, WritesNothingWithoutASink) {
  InstallLogSink(nullptr, true);
  testing::internal::CaptureStdout();
  LogMessage("Znaleziono swatch o nazwie \"%s\" i zostanie on uzyty.", "Red");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_FALSE(LogWasUsed());
}

TEST(LogWriterTest, AnEnabledSinkGetsTheLineAndStandardOutputItsEcho) {
  RecordingSink sink;
  InstallLogSink(&sink, true);
  testing::internal::CaptureStdout();
  LogMessage("swatch \"%s\"", "Red");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "swatch \"Red\"\n");
  InstallLogSink(nullptr, false);
  EXPECT_EQ(sink.text, u"swatch \"Red\"\r");
  EXPECT_EQ(sink.lines, 1);
  EXPECT_TRUE(LogSinkWasWritten());
}

TEST(LogWriterTest, ALineLongerThanTheBufferIsCutAtAWholeCharacter) {
  RecordingSink sink;
  InstallLogSink(&sink, true);
  std::string polish;
  for (int i = 0; i < 9000; ++i) polish += "\xC5\x82";  // 'ł', two bytes each: 18000 bytes
  testing::internal::CaptureStdout();
  LogMessage("%s", polish.c_str());
  const std::string echoed = testing::internal::GetCapturedStdout();
  InstallLogSink(nullptr, false);
  EXPECT_EQ(echoed.size(), 15998u + 1u);  // 7999 whole characters and the line end
  EXPECT_EQ(sink.text.size(), 7999u + 1u);
  EXPECT_EQ(sink.text.find(u'\xFFFD'), std::u16string::npos);
}

}  // namespace
