// Small UTF-16 helpers shared by the import.
#pragma once

#include "host/WideString.h"

// The number of units before the first 0 unit; 0 for a null pointer.
int32 Utf16Length(const UTF16TextChar* text);

inline void AppendChar(WideString& text, UTF32TextChar ch) { text.AppendUTF32TextChar(ch); }
