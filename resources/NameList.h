// Name lists: the scanner's growable lists of names (conflicts, created
// styles, missing fonts), only appended to, read in order. Names are
// compared exactly, as they were read; a lookup goes through an index of
// first occurrences, so it costs the same however long the list grows.
#pragma once

#include <string>
#include <unordered_map>

#include "host/K2Vector.h"
#include "host/PMString.h"

class NameList {
 public:
  void push_back(const PMString& name) {
    index_.emplace(name.Units(), static_cast<int32>(names_.size()));
    names_.push_back(name);
  }
  // The index of the first name equal to name, or -1.
  int32 Find(const PMString& name) const {
    const auto found = index_.find(name.Units());
    return found == index_.end() ? -1 : found->second;
  }

  std::size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  const PMString& operator[](std::size_t i) const { return names_[i]; }

 private:
  K2Vector<PMString> names_;
  std::unordered_map<std::u16string, int32> index_;
};
