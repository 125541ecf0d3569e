#include "import/TextScanner.h"

#include "import/MacCEFileReader.h"
#include "import/UNICODEFileReader.h"

TextScanner::TextScanner(IPMStream* stream, int32 encodingKind, IDataBase* database, TaskProgressBar* taskProgress,
                         bool16 swapBytes)
    : stream(stream),
      encodingKind(encodingKind),
      database(database),
      swapBytes(swapBytes),
      taskProgress(taskProgress) {
  // Kind 1 is 8-bit Mac Central European text; every other kind is read as
  // UTF-16.
  if (encodingKind == 1) {
    macReader = std::make_unique<MacCEFileReader>();
    streamLength = macReader->Attach(stream);
  } else {
    unicodeReader = std::make_unique<UNICODEFileReader>();
    streamLength = unicodeReader->Attach(stream);
  }
}

TextScanner::~TextScanner() {
  // The sources go in this order: Mac, Windows, then UTF-16.
  macReader.reset();
  winReader.reset();
  unicodeReader.reset();
}

uint16 TextScanner::ReadChar() {
  KFileReader* source = macReader ? macReader.get() : winReader ? winReader.get() : unicodeReader.get();
  uint16 ch = source ? source->NextChar() : 0;
  if (swapBytes) ch = static_cast<uint16>((ch << 8) | (ch >> 8));
  return ch;
}
