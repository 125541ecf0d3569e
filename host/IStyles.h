// Styles. A document's workspace has two style tables, one of paragraph
// styles (interface 0xCA0C) and one of character styles (0xCA0D). Each table
// has exactly one name-less entry, the root style that new text takes and
// that styles are based on by default; every other style has a name unique
// in its table. A style has a name, a based-on style, a next style and an
// attribute list; styles are made by the create-style commands (classes
// 0x20C paragraph, 0x20D character), whose data interfaces are the same
// IStyleInfo and IStyleAttributes that a style has.
#pragma once

#include <vector>

#include "host/AttributeBossList.h"
#include "host/HostIDs.h"
#include "host/PMString.h"

class IStyleTable : public IPMUnknown {
 public:
  // The style of the name (exact comparison), or kInvalidUID.
  virtual UID FindByName(const PMString& name) const = 0;
  // The table's name-less root style.
  virtual UID GetDefaultStyleUID() const = 0;
  // Every style of the table, the root first, then in order of creation.
  virtual const std::vector<UID>& GetStyles() const = 0;
  virtual void AddStyle(UID style) = 0;
};

class IStyleInfo : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x218 };
  virtual void SetBasedOn(UID style) = 0;
  virtual UID GetBasedOn() const = 0;
  virtual void SetNextStyle(UID style) = 0;
  virtual UID GetNextStyle() const = 0;
  // The second argument is the host's translation flag; style names are never translated.
  virtual void SetName(const PMString& name, int32 translate = 0) = 0;
  virtual const PMString& GetName() const = 0;
  virtual void SetIsParagraphStyle(bool16 paragraph) = 0;
  virtual bool16 IsParagraphStyle() const = 0;
  // A keyboard shortcut that applies the style; 0 for none.
  virtual void SetKeyboardShortcut(int32 shortcut) = 0;
  virtual int32 GetKeyboardShortcut() const = 0;
};

class IStyleAttributes : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x21B };
  // Empties the style's attribute list.
  virtual void ClearAttributes() = 0;
  // Adds the list's attributes (they win over those of the same class).
  virtual void ApplyAttributes(const AttributeBossList* list) = 0;
  virtual const std::vector<AttributeEntry>& GetAttributes() const = 0;
};
