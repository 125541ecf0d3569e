// AttributeBossList: a list of text attribute objects, at most one per
// attribute class, kept in class order. The list holds a reference to each
// attribute; a list is what the text model's attribute commands take, in a
// counted handle (SharedAttributeBossList).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "host/AttributeValue.h"
#include "host/CountedHandle.h"
#include "host/InterfacePtr.h"

class AttributeBossList {
 public:
  AttributeBossList() = default;
  AttributeBossList(const AttributeBossList&) = delete;
  AttributeBossList& operator=(const AttributeBossList&) = delete;

  // Adds the attribute, replacing one of the same class. With kInvalidClass
  // the class is the attribute's own.
  void ApplyAttribute(const IPMUnknown* attribute, ClassID classID = kInvalidClass);
  // Adds every attribute of the other list (its attributes win).
  void ApplyAttributes(const AttributeBossList* other);
  // A new list with copies of the attributes (the caller owns it).
  AttributeBossList* Duplicate() const;
  void ClearAllOverrides() { entries_.clear(); }

  bool16 ContainsAttribute(ClassID classID) const;
  // The attribute of the class, as the interface asked for, with a
  // reference for the caller; null when absent.
  IPMUnknown* QueryByClassID(ClassID classID, PMIID interfaceID) const;
  int32 CountBosses() const { return static_cast<int32>(entries_.size()); }

  // The list's values, for the text model (entries of classes that are not
  // text attributes are left out).
  std::vector<AttributeEntry> Values() const;
  // A new list holding attribute objects with the values.
  static std::unique_ptr<AttributeBossList> FromValues(const std::vector<AttributeEntry>& values);

 private:
  std::vector<std::pair<ClassID, InterfacePtr<IPMUnknown>>> entries_;
};

using SharedAttributeBossList = CountedHandle<AttributeBossList>;
