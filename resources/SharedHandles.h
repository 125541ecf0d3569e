// The counted handles in which attribute lists and inserted text travel
// between the scanner, the tag interpreter and the host's text commands. A
// copy shares the object; the object goes when the last handle does.
#pragma once

#include <memory>

#include "host/AttributeBossList.h"
#include "host/WideString.h"

using SharedAttributeList = SharedAttributeBossList;
using SharedText = CountedHandle<WideString>;

inline SharedAttributeList MakeEmptyAttributeList() { return MakeCounted<AttributeBossList>(); }
