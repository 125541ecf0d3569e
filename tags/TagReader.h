// TagReader: splits the text inside one pair of angle brackets (such as
// "BIz10*C") into tag elements. Each NextTag call returns the element's code
// and leaves its argument in the argument fields, which the handlers of
// TagInterpreter read directly. The reader knows nothing of the document.
#pragma once

#include "host/K2Vector.h"
#include "host/PMString.h"
#include "host/Types.h"
#include "host/WideString.h"
#include "tags/TagCode.h"

class TagReader {
 public:
  // Stores the text, puts the cursor at its start and reads the first character.
  void SetText(const WideString& newText);
  // Moves the cursor one character on: current becomes the character at
  // position and position grows by one, or current becomes 0 at the end.
  void Advance();
  // Reads one element and returns its code; End (at the end of the text, at
  // an embedded U+0000 or at '>') consumes nothing and is returned again by
  // every later call. Any other code consumes at least one character.
  TagCode NextTag();

  // The character under the cursor; 0 past the end of the text.
  UTF16TextChar current = 0;
  // Index of the next character to read.
  int32 position = 0;
  WideString text;

  // Arguments of the last element that wrote them; an element without an
  // argument leaves them as they are.
  UTF16TextChar charArgument = 0;
  double numberArgument = 0.0;
  K2Vector<PMString> listArgument;
  WideString nameArgument;

 private:
  // The reader's end of text: past the last character, or at a U+0000 unit,
  // which ends the tag as the end of the text does.
  bool AtEnd() const { return current == 0; }
  // Consumes the character under the cursor unless it is the end, so that a
  // U+0000 is never stepped over.
  void ConsumeUnlessAtEnd() {
    if (!AtEnd()) Advance();
  }

  TagCode ReadParagraphElement();
  TagCode ReadBackslashElement();
  TagCode ReadCharStyleAfterAt();
  TagCode ReadCharStyleAfterX();
  TagCode CharStyleFromName();

  void ReadQuotedString();
  void ReadNumber();
  void ReadBracketedList(UTF16TextChar open, UTF16TextChar close);
  void ReadZeroOrList();
  void ReadStyleName();
};
