// Feeds arbitrary XPress Tags bodies through the plug-in's import provider,
// as the host imports a file, and checks that every import succeeds and
// leaves a well-formed story behind.
//
// The first input byte picks the decoder: when it is even, the whole input
// follows the 8-bit version header "<v1.70><e1>\r"; when it is odd, the rest
// of the input is read as UTF-16LE units (an odd last byte is dropped) after
// the same header in UTF-16LE.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/CAlert.h"
#include "host/CmdUtils.h"
#include "host/HostApplication.h"
#include "host/IImportProvider.h"
#include "host/ITextModel.h"
#include "host/MemoryStream.h"
#include "host/ObjectModel.h"
#include "plugin/OptionsFlags.h"
#include "plugin/PlugInRegistration.h"

namespace {

constexpr char kHeader[] = "<v1.70><e1>\r";

[[noreturn]] void Fail(const char* what, long long value) {
  std::fprintf(stderr, "import_fuzz: %s (%lld)\n", what, value);
  std::abort();
}

void StartOnce() {
  static const bool started = [] {
    // The import writes its diagnostics to standard output; libFuzzer reports
    // on standard error, so only the former is silenced.
    std::fflush(stdout);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      close(null);
    }
    InitializeHost();
    RegisterBriskoPlugIn(ObjectModel::Instance());
    CAlert::SetEchoToStandardError(false);
    return true;
  }();
  (void)started;
}

std::vector<uchar> FileBytes(const uint8_t* data, size_t size) {
  std::vector<uchar> bytes;
  if (size == 0 || data[0] % 2 == 0) {
    bytes.assign(kHeader, kHeader + sizeof kHeader - 1);
    bytes.insert(bytes.end(), data, data + size);
    return bytes;
  }
  for (const char* c = kHeader; *c; ++c) {
    bytes.push_back(static_cast<uchar>(*c));
    bytes.push_back(0);
  }
  const size_t units = (size - 1) / 2;
  bytes.insert(bytes.end(), data + 1, data + 1 + 2 * units);
  return bytes;
}

void CheckStory(const StoryText& story) {
  const std::u16string& text = story.Text();
  const long long length = static_cast<long long>(text.size());
  if (story.TotalLength() != length) Fail("TotalLength() differs from the text's length", story.TotalLength());
  if (text.empty() || text.back() != u'\r') Fail("the story text does not end with a paragraph end", length);

  long long sum = 0;
  for (const StoryText::Run& run : story.CharacterRuns()) {
    if (run.length <= 0) Fail("a character run is empty or negative", run.length);
    sum += run.length;
  }
  if (sum != length) Fail("character runs do not add up to the text length", sum - length);

  std::vector<long long> ends;  // one past each CR
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == u'\r') ends.push_back(static_cast<long long>(i) + 1);
  const std::vector<StoryText::Run>& paragraphs = story.ParagraphRuns();
  if (paragraphs.size() != ends.size())
    Fail("paragraph count differs from the number of paragraph ends",
         static_cast<long long>(paragraphs.size()) - static_cast<long long>(ends.size()));
  sum = 0;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    if (paragraphs[i].length <= 0) Fail("a paragraph run is empty or negative", paragraphs[i].length);
    sum += paragraphs[i].length;
    if (sum != ends[i]) Fail("a paragraph run does not end right after its paragraph end", static_cast<long long>(i));
  }
  if (sum != length) Fail("paragraph runs do not add up to the text length", sum - length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartOnce();
  const std::vector<uchar> bytes = FileBytes(data, size);

  CAlert::ClearShownAlerts();
  gForceMacCEEncoding = false;
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  std::unique_ptr<HostDocument> document = HostDocument::Create();
  document->Activate();
  InterfacePtr<IImportProvider> provider(CreateObject<IImportProvider>(kQXTImportProviderBoss));
  if (!provider) Fail("no import provider", 0);

  {
    MemoryReadStream probe(bytes);
    const int32 answer = provider->CanImportThisStream(&probe);
    if (answer != IImportProvider::kFullImport) Fail("the stream check refuses a file with a version header", answer);
  }
  MemoryReadStream stream(bytes);
  UIDRef story;
  provider->ImportThis(document->DataBase(), &stream, IImportProvider::kSuppressUI, &story, nullptr, nullptr);
  const ErrorCode error = ErrorUtils::PMGetGlobalErrorCode();
  if (error != kSuccess) Fail("the import reports an error", error);

  InterfacePtr<ITextModel> model(story, UseDefaultIID());
  if (!model) Fail("the import returns no story", story.GetUID().Get());
  CheckStory(model->GetStoryText());

  model.reset();
  provider.reset();
  document.reset();
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  return 0;
}
