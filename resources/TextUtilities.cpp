#include "resources/TextUtilities.h"

int32 Utf16Length(const UTF16TextChar* text) {
  if (!text) return 0;
  int32 length = 0;
  while (text[length] != 0) ++length;
  return length;
}
