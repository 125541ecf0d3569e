// Documents. A document lives in a database of its own whose root object is
// the document; it has a workspace (where its style tables, swatch list and
// font list hang) and a list of its stories.
#pragma once

#include <vector>

#include "host/HostIDs.h"
#include "host/IPMUnknown.h"
#include "host/UIDRef.h"

class IDocument : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B01 };
  virtual UIDRef GetDocWorkSpace() const = 0;
  virtual IDataBase* GetDocDataBase() const = 0;
};

// The workspace of a document; its other interfaces are the style tables
// and the colour and font lists.
class IWorkspace : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B02 };
};

// The stories of a document, in the order in which they were made.
class IStoryList : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B03 };
  virtual const std::vector<UID>& GetStories() const = 0;
  virtual void AppendStory(UID story) = 0;
  virtual void RemoveStory(UID story) = 0;
};
