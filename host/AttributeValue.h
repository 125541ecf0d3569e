// The values that text attributes carry, and the override sets that the
// strands of a story keep for each run of text: which attribute classes are
// set locally, and to what. Sets are immutable; equal sets are one object,
// shared by every run (and style) that has them.
#pragma once

#include <memory>
#include <variant>
#include <vector>

#include "host/PMString.h"
#include "host/Types.h"

using AttributeValue = std::variant<bool, int32, double, UID, PMString>;

struct AttributeEntry {
  ClassID classID;
  AttributeValue value;
  friend bool operator==(const AttributeEntry&, const AttributeEntry&) = default;
};

class OverrideSet;
using OverrideSetPtr = std::shared_ptr<const OverrideSet>;

class OverrideSet {
 public:
  // Sorted by class, one entry per class.
  const std::vector<AttributeEntry>& Entries() const { return entries_; }
  bool IsEmpty() const { return entries_.empty(); }
  const AttributeValue* Find(ClassID classID) const;

  static const OverrideSetPtr& EmptySet();
  // The base set with the changes laid over it (a change of a class that
  // the base has replaces its value).
  static OverrideSetPtr With(const OverrideSetPtr& base, const std::vector<AttributeEntry>& changes);
  // The base set without the given classes.
  static OverrideSetPtr Without(const OverrideSetPtr& base, const std::vector<ClassID>& classes);

  friend bool operator==(const OverrideSet&, const OverrideSet&) = default;

 private:
  // The live set with these entries, or a new one.
  static OverrideSetPtr Shared(std::vector<AttributeEntry> entries);

  std::vector<AttributeEntry> entries_;
};

// What one run of a strand carries: a style and the local overrides.
struct RunAttributes {
  UID style = kInvalidUID;
  OverrideSetPtr overrides = OverrideSet::EmptySet();

  friend bool operator==(const RunAttributes& a, const RunAttributes& b) {
    return a.style == b.style && (a.overrides == b.overrides || *a.overrides == *b.overrides);
  }
};
