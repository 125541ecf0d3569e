// Diagnostic lines: the import's messages for whoever watches standard
// output. Each is a C format with its arguments, written as it stands (no
// prefix, time or level; the line end is part of the format). They never
// stop the import.
#pragma once

#include <cstdarg>

void WriteDiagnostic(const char* format, ...) __attribute__((format(printf, 1, 2)));
