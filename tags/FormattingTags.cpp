// The formatting elements of tags: character attributes (type styles, font,
// size, scales, kerning, tracking, baseline shift, colour, reverts,
// character styles) and paragraph attributes (alignment, keep with next,
// paragraph formats, rules).
#include "import/TextScanner.h"
#include "tags/TagContext.h"
#include "tags/TagReader.h"

void TextScanner::HandleFormattingElement(int32 /*code*/, const TagReader& /*reader*/, TagContext& /*context*/) {}
