// The session of the host application and its active context: the document
// and workspace that commands and imports work on.
#pragma once

#include "host/IDocument.h"
#include "host/InterfacePtr.h"

class IActiveContext {
 public:
  // Borrowed pointers: the context keeps them alive. Null when no document
  // is active.
  IDocument* GetContextDocument() const { return document_.get(); }
  IWorkspace* GetContextWorkspace() const { return workspace_.get(); }

  void SetContext(IDocument* document, IWorkspace* workspace);
  void Clear() { SetContext(nullptr, nullptr); }

 private:
  InterfacePtr<IDocument> document_;
  InterfacePtr<IWorkspace> workspace_;
};

class ISession {
 public:
  IActiveContext* GetActiveContext() { return &context_; }
  // Makes the document (and its workspace) the active context.
  void ActivateDocument(IDocument* document);
  // The application object (class kApplicationBoss; its interfaces are the
  // application-wide services such as the font manager), with a reference.
  IPMUnknown* QueryApplication() const;

 private:
  IActiveContext context_;
};

// The host's session; exists once the host is initialised.
ISession* GetExecutionContextSession();
