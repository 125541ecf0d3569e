#include "tags/TagReader.h"

#include <utility>

// Every path through NextTag that returns a code other than End calls Advance
// at least once while current is not 0, so a loop `while (NextTag() != End)`
// makes at most text.Length() + 1 calls. Every inner loop either advances or
// stops at the end, so a whole tag is read in time linear in its length. A
// U+0000 in the text counts as its end and is never stepped over.

namespace {

// The character that a backslash followed by c stands for; 0 when c is not in
// the escape table (the element then stands for c itself).
UTF16TextChar EscapedCharacter(UTF16TextChar c) {
  switch (c) {
    case u'n':
    case u'd':
      return 0x000A;
    case u's':
      return 0x0020;
    case u'f':
      return 0xFEFF;
    case u'p':
      return 0x2008;
    case u'-':
      return 0x2010;
    case u'm':
      return 0x2012;
    case u't':
      return 0x0008;
    case u'h':
      return 0x00AD;
    case u'c':
      return 0xE00B;
    case u'b':
      return 0xE00D;
    case u'2':
      return 0xE023;
    case u'3':
      return 0x0018;
    case u'4':
      return 0xE022;
    case u'i':
      return 0x0007;
    default:
      return 0;
  }
}

// The character that "\!" followed by c stands for; 0 when there is none.
UTF16TextChar EscapedNonBreakingCharacter(UTF16TextChar c) {
  switch (c) {
    case u's':
      return 0x00A0;
    case u'-':
    case u'h':
      return 0x2011;
    case u'm':
      return 0xFE32;
    default:
      return 0;
  }
}

// The numeric elements: a letter, then a number or '$' for the revert.
struct NumericElement {
  UTF16TextChar letter;
  TagCode value;
  TagCode revert;
};
constexpr NumericElement kNumericElements[] = {
    {u'b', BaselineShift, BaselineShiftRevert}, {u'h', HorizontalScale, HorizontalScaleRevert},
    {u'k', Kern, KernRevert},                   {u's', Shade, ShadeRevert},
    {u't', Track, TrackRevert},                 {u'y', VerticalScale, VerticalScaleRevert},
    {u'z', Size, SizeRevert},
};

// The numeric element of a letter; false for any other character.
bool FindNumericElement(UTF16TextChar c, NumericElement& element) {
  for (const NumericElement& candidate : kNumericElements) {
    if (candidate.letter == c) {
      element = candidate;
      return true;
    }
  }
  return false;
}

bool IsDigit(UTF16TextChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

void TagReader::ReadZeroOrList() {
  // "0" switches the element off; otherwise its parenthesised list follows.
  if (current == u'0') {
    nameArgument.Clear();
    Advance();
  } else {
    ReadBracketedList(u'(', u')');
  }
}

void TagReader::SetText(const WideString& newText) {
  text = newText;
  position = 0;
  Advance();
}

void TagReader::Advance() {
  if (position < text.Length()) {
    current = text[position];
    ++position;
  } else {
    current = 0;
  }
}

TagCode TagReader::NextTag() {
  if (AtEnd() || current == u'>') return End;

  NumericElement numeric;
  if (FindNumericElement(current, numeric)) {
    Advance();
    if (current == u'$') {
      Advance();
      return numeric.revert;
    }
    ReadNumber();
    return numeric.value;
  }

  switch (current) {
    // The character after a `$` element or an `a` form is left for the next
    // element: "$B" reads as StyleRevert, then Bold.
    case u'$':
      Advance();
      return StyleRevert;
    case u'a':
      Advance();
      if (current == u'$') {
        Advance();
        if (current == u'$') Advance();
      }
      return StyleRevert;

    case u'+':
      Advance();
      return Superscript;
    case u'-':
      Advance();
      return Subscript;
    case u'/':
      Advance();
      return Strikethrough;
    case u'B':
      Advance();
      return Bold;
    case u'I':
      Advance();
      return Italic;
    case u'K':
      Advance();
      return AllCaps;
    case u'H':
      Advance();
      return SmallCaps;
    case u'P':
      Advance();
      return Plain;
    case u'U':
      Advance();
      return Underline;

    case u'*':
      Advance();
      return ReadParagraphElement();

    case u'[':
      ReadBracketedList(u'[', u']');
      return BracketList;

    case u'f':
      Advance();
      if (current == u'$') {
        Advance();
        return FontRevert;
      }
      ReadQuotedString();
      return FontName;

    case u'c':
      Advance();
      if (current == u'"') {
        ReadQuotedString();
        return ColorName;
      }
      if (current == u'$') {
        Advance();
        return ColorRevert;
      }
      charArgument = current;
      ConsumeUnlessAtEnd();
      return ColorLetter;

    case u'\\':
      Advance();
      return ReadBackslashElement();

    case u'@':
      return ReadCharStyleAfterAt();
    case u'x':
      return ReadCharStyleAfterX();

    default:
      // Anything else, a blank between elements included, is skipped.
      Advance();
      return Unrecognised;
  }
}

// The elements that start with `*`; the `*` is already consumed. An unknown
// character after `*`, `*k` or `*r` is left unconsumed and read again as the
// next element.
TagCode TagReader::ReadParagraphElement() {
  switch (current) {
    case u'C':
    case u'F':
    case u'J':
    case u'L':
    case u'R':
      charArgument = current;
      Advance();
      return ParaAlign;

    case u'd':
      Advance();
      ReadZeroOrList();
      return DropCap;

    case u'h':
      Advance();
      ReadQuotedString();
      return HyphenationName;

    case u'k':
      Advance();
      if (current == u'n') {
        Advance();
        charArgument = current;
        ConsumeUnlessAtEnd();
        return KeepWithNext;
      }
      if (current == u't') {
        Advance();
        if (current == u'A' || current == u'0') {
          nameArgument.Clear();
          charArgument = current;
          Advance();
          return Unrecognised;
        }
        ReadBracketedList(u'(', u')');
        return KeepTogether;
      }
      return Unrecognised;

    case u'p':
      Advance();
      ReadBracketedList(u'(', u')');
      return ParaFormats;

    case u'r': {
      Advance();
      if (current != u'a' && current != u'b') return Unrecognised;
      const TagCode code = current == u'a' ? RuleAbove : RuleBelow;
      Advance();
      ReadZeroOrList();
      return code;
    }

    case u't':
      Advance();
      ReadBracketedList(u'(', u')');
      return Tabs;

    default:
      return Unrecognised;
  }
}

// The elements that start with a backslash; the backslash is already consumed.
TagCode TagReader::ReadBackslashElement() {
  // A backslash at the end of the text stands for no character: reporting it
  // as a special character would insert U+0000 into the story.
  if (AtEnd()) return Unrecognised;

  if (current == u'!') {
    Advance();
    const UTF16TextChar mapped = EscapedNonBreakingCharacter(current);
    if (mapped == 0) return Unrecognised;  // the character after `!` is read again
    charArgument = mapped;
    Advance();
    return SpecialChar;
  }

  const UTF16TextChar mapped = EscapedCharacter(current);
  charArgument = mapped != 0 ? mapped : current;
  Advance();
  return SpecialChar;
}

TagCode TagReader::ReadCharStyleAfterAt() {
  nameArgument.Clear();
  Advance();  // the `@`
  if (current == u'>') return CharStyleNone;
  if (current == u'$') {
    Advance();
    if (current == u'p') {
      Advance();
      return CharStyleParagraph;
    }
    nameArgument = WideString(std::u16string_view(u"Normal"));
    return CharStyle;
  }
  ReadStyleName();
  return CharStyleFromName();
}

TagCode TagReader::ReadCharStyleAfterX() {
  nameArgument.Clear();
  Advance();             // the `x`
  ConsumeUnlessAtEnd();  // the character after it, whatever it is
  if (current == u'$') {
    Advance();
    if (current == u'p') Advance();
    return CharStyleParagraph;
  }
  if (current == u'>') {
    Advance();
    return Unrecognised;
  }
  ReadStyleName();
  return CharStyleFromName();
}

TagCode TagReader::CharStyleFromName() { return nameArgument.IsEmpty() ? Unrecognised : CharStyle; }

// Skips to the first quotation mark and reads up to the next one into
// nameArgument; a backslash makes the character after it literal. Without a
// closing quotation mark the string runs to the end of the text.
void TagReader::ReadQuotedString() {
  nameArgument.Clear();
  while (!AtEnd() && current != u'"') Advance();
  if (current == u'"') Advance();
  while (!AtEnd() && current != u'"') {
    if (current == u'\\') {
      Advance();
      if (AtEnd()) break;
    }
    nameArgument.Append(current);
    Advance();
  }
  if (current == u'"') Advance();
}

// An optional sign, digits, and an optional fraction after `.` or `,`. The
// text collected is converted by the host; a text without digits ("" or "-")
// converts to 0.
void TagReader::ReadNumber() {
  PMString number;
  if (current == u'-') {
    number.AppendW(u'-');
    Advance();
  } else if (current == u'+') {
    Advance();
  }
  while (IsDigit(current)) {
    number.AppendW(current);
    Advance();
  }
  if (current == u'.' || current == u',') {
    number.AppendW(u'.');
    Advance();
    while (IsDigit(current)) {
      number.AppendW(current);
      Advance();
    }
  }
  numberArgument = number.GetAsDouble();
}

// Skips to the opening bracket and reads comma-separated items into
// listArgument, each stripped of white space at both ends. Items keep their
// quotation marks and backslashes; a comma inside quotation marks or after a
// backslash does not split an item.
//
// A closing bracket ends the current item even inside quotation marks, and
// then also ends the list (the bracket is consumed): so every item but the
// last is followed by a consumed comma, and the list ends at its closing
// bracket or at the end of the text. Each item starts outside quotation marks.
void TagReader::ReadBracketedList(UTF16TextChar open, UTF16TextChar close) {
  listArgument.clear();
  while (!AtEnd() && current != open) Advance();
  if (current == open) Advance();

  while (!AtEnd() && current != close) {
    PMString item;
    bool quoted = false;
    while (!AtEnd() && current != close && (quoted || current != u',')) {
      if (current == u'"') {
        quoted = !quoted;
      } else if (current == u'\\') {
        item.AppendW(current);
        Advance();
        if (AtEnd()) break;
      }
      item.AppendW(current);
      Advance();
    }
    item.StripWhiteSpace(PMString::kBoth);
    listArgument.push_back(std::move(item));
    if (current == u',') Advance();
  }
  if (current == close) Advance();
}

// Reads a style name after `@` or `x` up to `>` or the end of the text into
// nameArgument, then consumes the `>`. A backslash makes the character after
// it literal.
void TagReader::ReadStyleName() {
  while (!AtEnd() && current != u'>') {
    if (current == u'\\') {
      Advance();
      if (AtEnd()) break;
    }
    nameArgument.Append(current);
    Advance();
  }
  if (current == u'>') Advance();
}
