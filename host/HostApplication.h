// Starting the host and making documents.
//
// InitializeHost registers the host's own classes (once per process) and
// sets up the session. HostDocument makes a new document in a database of
// its own: the document object at the root, its workspace with the two style
// tables (each holding only its name-less root style) and an empty story
// list.
#pragma once

#include <memory>

#include "host/IDataBase.h"
#include "host/IDocument.h"
#include "host/InterfacePtr.h"

void InitializeHost();

class HostDocument {
 public:
  static std::unique_ptr<HostDocument> Create();
  ~HostDocument();
  HostDocument(const HostDocument&) = delete;
  HostDocument& operator=(const HostDocument&) = delete;

  IDataBase* DataBase() const { return db_.get(); }
  IDocument* Document() const { return document_.get(); }
  UIDRef Workspace() const { return document_->GetDocWorkSpace(); }
  // Makes this document the session's active context.
  void Activate() const;

 private:
  HostDocument() = default;
  std::unique_ptr<IDataBase> db_;
  InterfacePtr<IDocument> document_;
};
