// ImportSession: what the brisko command does with its input files. It
// starts the host, loads the plug-in, makes one new document and imports
// each file into it in turn, as the host imports a placed file: the
// provider's file check, its stream check, then its import without user
// interface. A later file therefore sees the styles and swatches an earlier
// one made.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/HostApplication.h"
#include "host/IImportProvider.h"

enum class ImportOutcome { kImported, kFailed, kCancelled, kNotRecognised, kUnreadable };

struct ImportedStory {
  UID story;
  std::string source;
};

class ImportSession {
 public:
  ImportSession();
  ~ImportSession();

  // Imports one file; on anything but kImported, message says why.
  ImportOutcome Import(const std::string& path, std::string& message);

  const HostDocument& Document() const { return *document_; }
  const std::vector<ImportedStory>& Stories() const { return stories_; }

 private:
  std::unique_ptr<HostDocument> document_;
  InterfacePtr<IImportProvider> provider_;
  std::vector<ImportedStory> stories_;
};
