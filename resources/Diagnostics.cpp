#include "resources/Diagnostics.h"

#include <cstdio>

void WriteDiagnostic(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
}
