// The import report: one alert naming the definitions that were skipped
// because the document already had the style.
#include <gtest/gtest.h>

#include "host/ISession.h"
#include "tests/support/ImportFixture.h"

namespace {

class ImportReportTest : public ImportFixture {};

const std::string kHeaderSentence =
    "Could not add one or more of the following styles because they already exist in this document. Imported text "
    "is using the existing (old) styles. If you want to add them, please remove them first and repeat the import "
    "process. Offendig styles:";

TEST_F(ImportReportTest, NoConflictsShowNoAlert) {
  ImportBody("@Emph=<I>\r\n@Body=[S\"\",\"\",\"\"]\r\ntext");
  EXPECT_TRUE(Alerts().empty());
}

TEST_F(ImportReportTest, SecondImportListsEveryDefinitionInInputOrder) {
  const std::string body = "@Emph=<I>\r\n@Strong=<B>\r\n@Body=[S\"\",\"\",\"\"]\r\n@Emph=<U>\r\ntext";
  ImportBody(body);
  ASSERT_EQ(Alerts(), std::vector<std::string>{kHeaderSentence + "\r\rCharacter styles: Emph"});
  ImportBody(body);
  ASSERT_EQ(Alerts().size(), 2u);
  EXPECT_EQ(Alerts()[1], kHeaderSentence + "\r\rCharacter styles: Emph, Strong, Emph\r\rParagraph styles: Body");
}

TEST_F(ImportReportTest, AFailedScanShowsNoAlert) {
  ImportBody("@Emph=<I>\r\ntext");
  GetExecutionContextSession()->GetActiveContext()->SetContext(Document().Document(), nullptr);
  ImportBody("@Emph=<I>\r\ntext");
  EXPECT_TRUE(Alerts().empty());
}

}  // namespace
