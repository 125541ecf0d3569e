#include "app/ImportSession.h"

#include "host/CmdUtils.h"
#include "host/MemoryStream.h"
#include "host/ObjectModel.h"
#include "plugin/PlugInRegistration.h"

namespace {
void LoadPlugIn() {
  static const bool loaded = [] {
    InitializeHost();
    RegisterBriskoPlugIn(ObjectModel::Instance());
    return true;
  }();
  (void)loaded;
}
}  // namespace

ImportSession::ImportSession() {
  LoadPlugIn();
  document_ = HostDocument::Create();
  document_->Activate();
  provider_.reset(CreateObject<IImportProvider>(kQXTImportProviderBoss));
}

ImportSession::~ImportSession() {
  provider_.reset();
  document_.reset();
}

ImportOutcome ImportSession::Import(const std::string& path, std::string& message) {
  std::string whyNot;
  auto bytes = ReadFileBytes(path, whyNot);
  if (!bytes) {
    message = "cannot read " + path + ": " + whyNot;
    return ImportOutcome::kUnreadable;
  }
  if (!provider_) {
    message = "the XPress Tags import filter is not available";
    return ImportOutcome::kFailed;
  }
  if (provider_->CanImportThisFile(IDFile(path)) != IImportProvider::kFullImport) {
    message = path + ": not an XPress Tags file (its name must end in .xtg)";
    return ImportOutcome::kNotRecognised;
  }
  {
    MemoryReadStream probe(*bytes);
    if (provider_->CanImportThisStream(&probe) != IImportProvider::kFullImport) {
      message = path + ": not an XPress Tags file (it must start with \"<v\", as 8-bit text or UTF-16)";
      return ImportOutcome::kNotRecognised;
    }
  }

  // The import reads its own stream from the start of the file.
  MemoryReadStream stream(std::move(*bytes));
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  UIDRef result;
  provider_->ImportThis(document_->DataBase(), &stream, IImportProvider::kSuppressUI, &result, nullptr, nullptr);
  const ErrorCode error = ErrorUtils::PMGetGlobalErrorCode();
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  if (error == kCancel) {
    message = path + ": import cancelled";
    return ImportOutcome::kCancelled;
  }
  if (error != kSuccess || result.GetUID() == kInvalidUID) {
    message = path + ": import failed";
    return ImportOutcome::kFailed;
  }
  stories_.push_back({result.GetUID(), path});
  return ImportOutcome::kImported;
}
