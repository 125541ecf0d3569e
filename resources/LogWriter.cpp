#include "resources/LogWriter.h"

#include <cstdio>
#include <memory>
#include <new>

#include "host/PMString.h"
#include "resources/TextUtilities.h"

namespace {
ILogSink* logSink = nullptr;
bool logEnabled = false;
bool logSinkWritten = false;
bool logUsed = false;

constexpr std::size_t kBufferSize = 16000;

// The length of the longest prefix of text[0, length) that ends on a whole
// UTF-8 character.
std::size_t WholeCharacters(const char* text, std::size_t length) {
  std::size_t end = length;
  std::size_t back = 0;
  while (end > 0 && back < 4 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end, ++back;
  if (end == 0) return 0;
  const auto lead = static_cast<unsigned char>(text[end - 1]);
  const std::size_t need = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
  return back + 1 >= need ? length : end - 1;
}
}  // namespace

void InstallLogSink(ILogSink* sink, bool enabled) {
  logSink = sink;
  logEnabled = enabled;
}
bool LogSinkWasWritten() { return logSinkWritten; }
bool LogWasUsed() { return logUsed; }

void WriteToLogSink(const UTF16TextChar* text, bool appendLineEnd, bool markWritten) {
  if (!logSink) return;
  const int32 length = Utf16Length(text);
  for (int32 i = 0; i < length; ++i) logSink->AppendUnit(text[i]);
  if (appendLineEnd) logSink->AppendUnit(u'\r');
  logSink->EndLine();
  if (markWritten) logSinkWritten = true;
}

void LogMessage(const char* format, ...) {
  PMString translated(format);
  translated.Translate();
  if (!logEnabled || !logSink) return;

  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBufferSize]);
  if (!buffer) return;
  const std::string translatedFormat = translated.GetUTF8String();
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(buffer.get(), kBufferSize, translatedFormat.c_str(), args);
  va_end(args);
  if (written < 0) return;
  std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(written), kBufferSize - 1);
  if (static_cast<std::size_t>(written) >= kBufferSize) length = WholeCharacters(buffer.get(), length);
  buffer[length] = '\0';

  const PMString line(std::string_view(buffer.get(), length));
  WriteToLogSink(line.Units().c_str(), true, true);
  std::printf("%s\n", buffer.get());
  logUsed = true;
}
