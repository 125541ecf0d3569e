#include "host/AttributeBossList.h"

#include <algorithm>

#include "host/ObjectModel.h"
#include "host/TextAttributes.h"

namespace {
template <class Entries>
auto LowerBound(Entries& entries, ClassID classID) {
  return std::lower_bound(entries.begin(), entries.end(), classID,
                          [](const auto& entry, ClassID id) { return entry.first < id; });
}
}  // namespace

void AttributeBossList::ApplyAttribute(const IPMUnknown* attribute, ClassID classID) {
  if (!attribute) return;
  if (classID == kInvalidClass) classID = GetClass(attribute);
  InterfacePtr<IPMUnknown> held(attribute, PMIID(IPMUnknown::kDefaultIID));
  auto it = LowerBound(entries_, classID);
  if (it != entries_.end() && it->first == classID) {
    it->second = std::move(held);
  } else {
    entries_.insert(it, {classID, std::move(held)});
  }
}

void AttributeBossList::ApplyAttributes(const AttributeBossList* other) {
  if (!other || other == this) return;
  for (const auto& [classID, attribute] : other->entries_) ApplyAttribute(attribute.get(), classID);
}

AttributeBossList* AttributeBossList::Duplicate() const { return FromValues(Values()).release(); }

bool16 AttributeBossList::ContainsAttribute(ClassID classID) const {
  auto it = LowerBound(entries_, classID);
  return it != entries_.end() && it->first == classID ? kTrue : kFalse;
}

IPMUnknown* AttributeBossList::QueryByClassID(ClassID classID, PMIID interfaceID) const {
  auto it = LowerBound(entries_, classID);
  if (it == entries_.end() || it->first != classID) return nullptr;
  return it->second->QueryInterface(interfaceID);
}

std::vector<AttributeEntry> AttributeBossList::Values() const {
  std::vector<AttributeEntry> values;
  values.reserve(entries_.size());
  for (const auto& [classID, attribute] : entries_) {
    InterfacePtr<ITextAttribute> value(TextAttributeClasses::QueryValue(attribute.get()));
    if (value) values.push_back({classID, value->GetValue()});
  }
  return values;
}

std::unique_ptr<AttributeBossList> AttributeBossList::FromValues(const std::vector<AttributeEntry>& values) {
  auto list = std::make_unique<AttributeBossList>();
  for (const auto& entry : values) {
    InterfacePtr<ITextAttribute> attribute(TextAttributeClasses::Create(entry.classID, entry.value));
    if (attribute) list->ApplyAttribute(attribute.get(), entry.classID);
  }
  return list;
}
