// Documents. A document lives in a database of its own whose root object is
// the document; it has a workspace (where its style tables and swatch list
// hang), a font list (reached through the document, interface 0xE02), the
// default text attributes, and a list of its stories.
#pragma once

#include <vector>

#include "host/AttributeValue.h"
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
// and the swatch list.
class IWorkspace : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B02 };
};

// The text attributes that text of a document has where neither a local
// override nor a style sets them (interface 0x3B04): a font family of the
// document's font list (the machine's default font, see
// GetDefaultFontName), its plain face and a size of 12 points.
class ITextDefaults : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B04 };
  virtual const std::vector<AttributeEntry>& GetCharacterDefaults() = 0;
};

// The stories of a document, in the order in which they were made.
class IStoryList : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3B03 };
  virtual const std::vector<UID>& GetStories() const = 0;
  virtual void AppendStory(UID story) = 0;
  virtual void RemoveStory(UID story) = 0;
};
