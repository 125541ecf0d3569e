// Colour definitions ("@name=[C]<"model",...>"): consumed here; the swatches
// they define are made by the colour-swatch operations.
#include "import/TextScanner.h"

TextScanner::ConstructResult TextScanner::DefineColour(const WideString& /*name*/, int32 pos) {
  pos += 3;  // over '[', 'C' and the character after it
  if (InputAt(pos) != u'<') return {pos, true};
  (void)ReadUpTo(pos, u'>');
  if (pos + 1 < scan.input.Length()) ++pos;  // the line end after the definition
  return {pos, false};
}
