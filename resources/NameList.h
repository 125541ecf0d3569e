// Name lists: the scanner's growable lists of names (conflicts, created
// styles, missing fonts), appended to and searched linearly. Names are
// compared exactly, as they were read.
#pragma once

#include "host/K2Vector.h"
#include "host/PMString.h"

using NameList = K2Vector<PMString>;

// The index of the first name equal to name, or -1.
inline int32 FindName(const NameList& names, const PMString& name) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].Compare(kTrue, name) == 0) return static_cast<int32>(i);
  }
  return -1;
}
