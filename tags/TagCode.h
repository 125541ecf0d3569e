// TagCode: the kind of one tag element, as TagReader::NextTag returns it.
// The numbers are fixed: the handlers of TagInterpreter dispatch on them.
// The enum is unscoped so that both `Bold` and `TagCode::Bold` name a code.
#pragma once

#include "host/Types.h"

enum TagCode : int32 {
  ParaAlign = 0,               // *C *F *J *L *R; charArgument = the letter
  HyphenationName = 1,         // *h"name"; nameArgument
  KeepWithNext = 2,            // *kn + one character; charArgument
  KeepTogether = 3,            // *kt(list); listArgument
  RuleAbove = 4,               // *ra0 or *ra(list); listArgument (not read for *ra0)
  RuleBelow = 5,               // *rb0 or *rb(list); as RuleAbove
  DropCap = 6,                 // *d0 or *d(list); listArgument (not read for *d0)
  ParaFormats = 7,             // *p(list); listArgument
  BracketList = 8,             // [list]; listArgument
  // 9 is not used.
  Tabs = 10,                   // *t(list); listArgument
  Plain = 11,                  // P
  Bold = 12,                   // B
  Italic = 13,                 // I
  Underline = 14,              // U
  AllCaps = 15,                // K
  SmallCaps = 16,              // H
  Superscript = 17,            // +
  Subscript = 18,              // -
  Strikethrough = 19,          // /
  FontName = 20,               // f"name"; nameArgument
  Size = 21,                   // z + number; numberArgument
  Shade = 22,                  // s + number
  HorizontalScale = 23,        // h + number
  VerticalScale = 24,          // y + number
  Kern = 25,                   // k + number
  Track = 26,                  // t + number
  BaselineShift = 27,          // b + number
  FontRevert = 28,             // f$
  SizeRevert = 29,             // z$
  ColorRevert = 30,            // c$
  ShadeRevert = 31,            // s$
  HorizontalScaleRevert = 32,  // h$
  KernRevert = 33,             // k$
  TrackRevert = 34,            // t$
  BaselineShiftRevert = 35,    // b$
  VerticalScaleRevert = 36,    // y$
  StyleRevert = 37,            // $ a a$ a$$
  // 38 is not used.
  ColorName = 39,              // c"name"; nameArgument
  ColorLetter = 40,            // c + one other character; charArgument
  SpecialChar = 41,            // \ + escape; charArgument = the character to insert
  CharStyle = 42,              // @name, @$ ("Normal"), x + character + name; nameArgument
  CharStyleParagraph = 43,     // @$p, x + character + $ [p]; nameArgument empty
  CharStyleNone = 44,          // @ directly before >; nameArgument empty
  Unrecognised = 45,           // anything else, and the malformed elements
  End = 46,                    // end of the text, or >
};
