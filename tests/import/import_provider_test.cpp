// The import provider: file and stream checks, the header skip, and what an
// import leaves behind when it fails.
#include <gtest/gtest.h>

#include "host/HostRegistration.h"
#include "host/ISession.h"
#include "host/MemoryStream.h"
#include "host/ObjectModel.h"
#include "import/QXTImportProvider.h"
#include "plugin/OptionsFlags.h"
#include "tests/support/ImportFixture.h"

namespace {

std::string Utf16(const std::u16string& text) {
  std::string bytes;
  for (const char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

class ImportProviderTest : public ImportFixture {
 protected:
  int32 CheckStream(const std::string& bytes) {
    MemoryReadStream stream(std::vector<uchar>(bytes.begin(), bytes.end()));
    return Provider()->CanImportThisStream(&stream);
  }
  int32 EncodingKind() const { return static_cast<QXTImportProvider*>(Provider())->EncodingKind(); }
};

TEST_F(ImportProviderTest, FileCheckAcceptsTypeTextOrExtensionXtg) {
  const struct {
    IDFile file;
    int32 answer;
  } cases[] = {
      {IDFile("story.xtg"), IImportProvider::kFullImport},
      {IDFile("story.txt", MakeFourCharCode("TEXT")), IImportProvider::kFullImport},
      {IDFile("story.txt"), IImportProvider::kCannotImport},
      {IDFile("story.XTG"), IImportProvider::kCannotImport},
      {IDFile("xtg"), IImportProvider::kCannotImport},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.GetPath());
    EXPECT_EQ(Provider()->CanImportThisFile(c.file), c.answer);
  }
}

TEST_F(ImportProviderTest, StreamCheckRecordsTheEncodingKind) {
  EXPECT_EQ(EncodingKind(), 0);
  EXPECT_EQ(CheckStream(Utf16(u"<v1.70><e1>\r")), IImportProvider::kFullImport);
  EXPECT_EQ(EncodingKind(), 2);
  // A failed check keeps the kind of the last successful one.
  for (const std::string& refused : {std::string("<"), std::string(""), std::string("\xFF\xFE<\0v\0", 6),
                                     std::string("v<hello")}) {
    SCOPED_TRACE(refused);
    EXPECT_EQ(CheckStream(refused), IImportProvider::kCannotImport);
    EXPECT_EQ(EncodingKind(), 2);
  }
  EXPECT_EQ(CheckStream("<v1.70><e1>\r"), IImportProvider::kFullImport);
  EXPECT_EQ(EncodingKind(), 1);
}

TEST_F(ImportProviderTest, EightBitInputIsMacCentralEuropeanAfterATwelveByteHeader) {
  const Result result = ImportBytes("<v1.70><e1>\rZa\x88\x9Bk\r");  // Mac CE 0x88 is ą, 0x9B õ
  EXPECT_EQ(TextOf(result), "Za\xC4\x85\xC3\xB5k\r\r");
}

TEST_F(ImportProviderTest, Utf16InputSkipsTwentyFourBytes) {
  const Result result = ImportBytes(Utf16(u"<v1.70><e1>\rZa\u017C\u00F3\u0142\u0107"));
  EXPECT_EQ(TextOf(result), "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r");
}

TEST_F(ImportProviderTest, ForcedMacCEEncodingSkipsOnlyTwelveBytesOfUtf16) {
  gForceMacCEEncoding = true;
  const Result result = ImportBytes(Utf16(u"<v1.70><e1>\rabc"));
  gForceMacCEEncoding = false;
  // Only "<v1.70" is skipped: the rest of the header is read as input, the
  // '>' as text and "<e1>" as a tag.
  EXPECT_EQ(TextOf(result), ">\rabc\r");
}

TEST_F(ImportProviderTest, FullInterfaceImportGoesOnWithoutADialog) {
  const Result result = ImportBytes(kHeader + "text", IImportProvider::kFullUI);
  EXPECT_EQ(result.errorCode, kSuccess);
  EXPECT_EQ(result.diagnostics, "Could not create the dialog.\n");
  EXPECT_EQ(TextOf(result), "text\r");
}

TEST_F(ImportProviderTest, SuccessfulImportMarksTheStoryComplete) {
  const Result result = ImportBody("text");
  InterfacePtr<IStoryOptions> options(result.story, UseDefaultIID());
  ASSERT_TRUE(options);
  EXPECT_EQ(options->IsBeingPlaced(), kFalse);
}

TEST_F(ImportProviderTest, FailedScanLeavesNoStoryAndErrorCodeOne) {
  // A story class without text commands makes the scan fail after the
  // story was made.
  ObjectModel::Instance().DefineClass(kTextStoryBoss, kInvalidClass,
                                      {{IID_ITEXTMODEL, ImplementationID(0x3C10)},
                                       {IID_ISTORYOPTIONS, ImplementationID(0x3C12)},
                                       {IID_ISTORYCMDS, ImplementationID(0x3C13)}});
  const std::vector<UID> before = DataBase()->LiveUIDs();
  const Result result = ImportBody("text");
  RegisterTextStoryClasses(ObjectModel::Instance());
  EXPECT_EQ(result.errorCode, kFailure);
  EXPECT_EQ(result.story, UIDRef::gNull);
  // Nothing is left of the import: no story in the list or the database.
  InterfacePtr<IStoryList> stories(Document().Document(), UseDefaultIID());
  EXPECT_TRUE(stories->GetStories().empty());
  EXPECT_EQ(DataBase()->LiveUIDs(), before);
}

TEST_F(ImportProviderTest, MissingWorkspaceFailsBeforeAnyStory) {
  GetExecutionContextSession()->GetActiveContext()->SetContext(Document().Document(), nullptr);
  const Result result = ImportBody("text");
  EXPECT_EQ(result.errorCode, kFailure);
  EXPECT_EQ(result.diagnostics, "no ws\n");
  EXPECT_TRUE(Alerts().empty());
}

}  // namespace
