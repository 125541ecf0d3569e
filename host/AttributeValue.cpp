#include "host/AttributeValue.h"

#include <algorithm>

const AttributeValue* OverrideSet::Find(ClassID classID) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), classID,
                                   [](const AttributeEntry& e, ClassID c) { return e.classID < c; });
  return it != entries_.end() && it->classID == classID ? &it->value : nullptr;
}

const OverrideSetPtr& OverrideSet::EmptySet() {
  static const OverrideSetPtr empty = std::make_shared<const OverrideSet>();
  return empty;
}

OverrideSetPtr OverrideSet::With(const OverrideSetPtr& base, const std::vector<AttributeEntry>& changes) {
  if (changes.empty()) return base;
  auto result = std::make_shared<OverrideSet>(*base);
  for (const auto& change : changes) {
    auto it = std::lower_bound(result->entries_.begin(), result->entries_.end(), change.classID,
                               [](const AttributeEntry& e, ClassID c) { return e.classID < c; });
    if (it != result->entries_.end() && it->classID == change.classID) {
      it->value = change.value;
    } else {
      result->entries_.insert(it, change);
    }
  }
  return result;
}

OverrideSetPtr OverrideSet::Without(const OverrideSetPtr& base, const std::vector<ClassID>& classes) {
  auto result = std::make_shared<OverrideSet>(*base);
  std::erase_if(result->entries_, [&](const AttributeEntry& e) {
    return std::find(classes.begin(), classes.end(), e.classID) != classes.end();
  });
  if (result->entries_.size() == base->entries_.size()) return base;
  return result->entries_.empty() ? EmptySet() : result;
}
