// ITextUtils (utility interface 0x28A): story creation and text helpers.
#pragma once

#include "host/IPMUnknown.h"
#include "host/PMString.h"
#include "host/Types.h"

class IDataBase;

class ITextUtils : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x28A };
  // Story kinds of CreateStory.
  enum StoryKind : int32 { kHiddenStory = 0, kListedStory = 1 };

  // Makes a new, empty story (its text is the one final paragraph end) in
  // the database and returns its UID, or kInvalidUID. A listed story joins
  // the document's story list; a hidden one (for previews and scratch work)
  // does not.
  virtual UID CreateStory(IDataBase* db, int32 storyKind) const = 0;

  // Face-name classification (see ClassifyFaceName): whether a face name
  // names the plain, italic, bold or bold-italic face of a family.
  virtual bool16 IsPlainFace(const PMString& face) const = 0;
  virtual bool16 IsItalicFace(const PMString& face) const = 0;
  virtual bool16 IsBoldFace(const PMString& face) const = 0;
  virtual bool16 IsBoldItalicFace(const PMString& face) const = 0;
};
