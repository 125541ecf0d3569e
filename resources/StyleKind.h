// Style kinds: paragraph or character. Each selects a style table of the
// workspace, the command class that creates a style of the kind, and the
// strategy class that the host's apply-style command takes.
#pragma once

#include "host/HostIDs.h"

enum class StyleKind { kParagraph, kCharacter };

constexpr PMIID StyleTableInterface(StyleKind kind) {
  return kind == StyleKind::kParagraph ? PMIID(0xCA0C) : PMIID(0xCA0D);
}
constexpr ClassID CreateStyleCommandClass(StyleKind kind) {
  return kind == StyleKind::kParagraph ? ClassID(0x20C) : ClassID(0x20D);
}
constexpr ClassID ApplyStrategyClass(StyleKind kind) {
  return kind == StyleKind::kParagraph ? ClassID(0x236) : ClassID(0x235);
}
