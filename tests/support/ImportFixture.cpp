#include "tests/support/ImportFixture.h"

#include <fstream>
#include <sstream>

#include "host/CAlert.h"
#include "host/CmdUtils.h"
#include "host/IStyles.h"
#include "host/MemoryStream.h"
#include "host/ObjectModel.h"
#include "plugin/OptionsFlags.h"
#include "plugin/PlugInRegistration.h"

void ImportFixture::SetUp() {
  InitializeHost();
  RegisterBriskoPlugIn(ObjectModel::Instance());
  CAlert::SetEchoToStandardError(false);
  CAlert::ClearShownAlerts();
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  gForceMacCEEncoding = false;
  document_ = HostDocument::Create();
  document_->Activate();
  provider_.reset(CreateObject<IImportProvider>(kQXTImportProviderBoss));
  ASSERT_TRUE(provider_);
}

void ImportFixture::TearDown() {
  provider_.reset();
  document_.reset();
}

ImportFixture::Result ImportFixture::ImportBytes(const std::string& bytes, int32 uiFlags) {
  const std::vector<uchar> data(bytes.begin(), bytes.end());
  Result result;
  {
    MemoryReadStream probe(data);
    EXPECT_EQ(provider_->CanImportThisStream(&probe), IImportProvider::kFullImport);
  }
  MemoryReadStream stream(data);
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  testing::internal::CaptureStdout();
  provider_->ImportThis(document_->DataBase(), &stream, uiFlags, &result.story, nullptr, nullptr);
  std::fflush(stdout);
  result.diagnostics = testing::internal::GetCapturedStdout();
  result.errorCode = ErrorUtils::PMGetGlobalErrorCode();
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  return result;
}

const ::StoryText* ImportFixture::Story(const Result& result) const {
  InterfacePtr<ITextModel> model(result.story, UseDefaultIID());
  return model ? &model->GetStoryText() : nullptr;  // the database keeps the story alive
}

std::string ImportFixture::TextOf(const Result& result) const {
  const ::StoryText* story = Story(result);
  return story ? EncodeUTF8(story->Text()) : "<no story>";
}

std::vector<std::string> ImportFixture::Alerts() const {
  std::vector<std::string> alerts;
  for (const auto& alert : CAlert::ShownAlerts()) alerts.push_back(alert.GetUTF8String());
  return alerts;
}

namespace {
std::string NameOf(IDataBase* db, UID style) {
  InterfacePtr<IStyleInfo> info(db, style, UseDefaultIID());
  return info ? info->GetName().GetUTF8String() : "<none>";
}
}  // namespace

std::string ImportFixture::ParagraphStyleAt(const Result& result, TextIndex position) const {
  return NameOf(DataBase(), Story(result)->ParagraphAttributesAt(position).style);
}

std::string ImportFixture::CharacterStyleAt(const Result& result, TextIndex position) const {
  return NameOf(DataBase(), Story(result)->CharacterAttributesAt(position).style);
}

std::vector<std::string> ImportFixture::StyleNames(bool paragraph) const {
  InterfacePtr<IStyleTable> table(document_->Workspace(), paragraph ? IID_IPARASTYLETABLE : IID_ICHARSTYLETABLE);
  std::vector<std::string> names;
  for (const UID style : table->GetStyles()) names.push_back(NameOf(DataBase(), style));
  return names;
}

std::string ReadTestData(const std::string& name) {
  std::ifstream in(std::string(BRISKO_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}
