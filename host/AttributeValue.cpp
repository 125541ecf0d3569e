#include "host/AttributeValue.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

const AttributeValue* OverrideSet::Find(ClassID classID) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), classID,
                                   [](const AttributeEntry& e, ClassID c) { return e.classID < c; });
  return it != entries_.end() && it->classID == classID ? &it->value : nullptr;
}

namespace {

std::size_t HashOf(const AttributeValue& value) {
  return std::visit(
      [](const auto& v) -> std::size_t {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, PMString>) {
          return std::hash<std::u16string>()(v.Units());
        } else {
          return std::hash<T>()(v);
        }
      },
      value);
}

std::size_t HashOf(const std::vector<AttributeEntry>& entries) {
  std::size_t hash = entries.size();
  for (const auto& entry : entries) {
    hash = hash * 1000003u ^ entry.classID.value;
    hash = hash * 1000003u ^ HashOf(entry.value);
  }
  return hash;
}

// Text with many attribute changes (a tag every few words) would otherwise
// hold one set per run. Sets are immutable, so equal ones are shared: every
// set that With and Without make is looked up among the live sets first.
// The table holds weak references; sets die with their last run.
class InternTable {
 public:
  template <class Make>
  OverrideSetPtr Intern(const std::vector<AttributeEntry>& entries, Make make) {
    auto& bucket = buckets_[HashOf(entries)];
    std::erase_if(bucket, [](const std::weak_ptr<const OverrideSet>& weak) { return weak.expired(); });
    for (const auto& weak : bucket) {
      OverrideSetPtr live = weak.lock();
      if (live->Entries() == entries) return live;
    }
    OverrideSetPtr made = make();
    bucket.push_back(made);
    return made;
  }

 private:
  std::unordered_map<std::size_t, std::vector<std::weak_ptr<const OverrideSet>>> buckets_;
};

InternTable& Interned() {
  static InternTable table;
  return table;
}

}  // namespace

const OverrideSetPtr& OverrideSet::EmptySet() {
  static const OverrideSetPtr empty = std::make_shared<const OverrideSet>();
  return empty;
}

OverrideSetPtr OverrideSet::Shared(std::vector<AttributeEntry> entries) {
  if (entries.empty()) return EmptySet();
  return Interned().Intern(entries, [&] {
    auto made = std::make_shared<OverrideSet>();
    made->entries_ = std::move(entries);
    return made;
  });
}

OverrideSetPtr OverrideSet::With(const OverrideSetPtr& base, const std::vector<AttributeEntry>& changes) {
  if (changes.empty()) return base;
  std::vector<AttributeEntry> entries = base->entries_;
  for (const auto& change : changes) {
    auto it = std::lower_bound(entries.begin(), entries.end(), change.classID,
                               [](const AttributeEntry& e, ClassID c) { return e.classID < c; });
    if (it != entries.end() && it->classID == change.classID) {
      it->value = change.value;
    } else {
      entries.insert(it, change);
    }
  }
  return Shared(std::move(entries));
}

OverrideSetPtr OverrideSet::Without(const OverrideSetPtr& base, const std::vector<ClassID>& classes) {
  std::vector<AttributeEntry> entries = base->entries_;
  std::erase_if(entries, [&](const AttributeEntry& e) {
    return std::find(classes.begin(), classes.end(), e.classID) != classes.end();
  });
  if (entries.size() == base->entries_.size()) return base;
  return Shared(std::move(entries));
}
