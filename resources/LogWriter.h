// The translated log writer. LogMessage translates its format through the
// string tables and, when a sink is installed and the writer is enabled,
// formats the line, hands it to the sink and echoes it to standard output.
// The import never installs a sink, so its log lines only cost the
// translation; tools and tests can install one.
#pragma once

#include <cstdarg>

#include "host/Types.h"

// Receives the units of each logged line, then an end-of-line call.
class ILogSink {
 public:
  virtual ~ILogSink() = default;
  virtual void AppendUnit(UTF16TextChar unit) = 0;
  virtual void EndLine() = 0;
};

void InstallLogSink(ILogSink* sink, bool enabled);
bool LogSinkWasWritten();
bool LogWasUsed();

// A formatted line longer than the writer's buffer (16000 bytes) is cut at
// the last whole character that fits.
void LogMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
void WriteToLogSink(const UTF16TextChar* text, bool appendLineEnd, bool markWritten);
