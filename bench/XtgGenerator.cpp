// The synthetic inputs of the import benchmark.
//
// Both kinds start with the version header "<v1.70><e1>\r" and are 8-bit
// Mac Central European text: words (some with Polish letters) in lines of
// about 70 characters ending in CR LF, with an empty line between
// paragraphs of a few lines. "tagged" adds, at the top, a paragraph style
// and a character style definition (each on its own line), a tag about every
// 20 characters (character attributes, sizes, scales, tracking, alignment,
// style reverts, special characters) and "@Body:" at the start of some
// paragraphs. "names" defines and uses new style, colour and font names in
// every block. The output depends only on the kind and the size.
//
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "bench/XtgGenerator.h"

namespace xtgbench {

namespace {

// Fixed-seed generator (SplitMix64): the same stream of numbers everywhere,
// unlike the standard distributions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

 private:
  std::uint64_t state_;
};

// Words in Mac Central European bytes: \x88 a-ogonek, \x8D c-acute, \xAB
// e-ogonek, \xB8 l-stroke, \xC4 n-acute, \x97 o-acute, \xE6 s-acute, \x90
// z-acute, \xFD z-dot, \xFC L-stroke, \xE5 S-acute.
constexpr std::string_view kWords[] = {
    "the",       "import",    "of",          "text",         "page",       "layout",     "column",
    "story",     "style",     "paragraph",   "with",         "and",        "a",          "in",
    "to",        "font",      "size",        "leading",      "tracking",   "kerning",    "colour",
    "document",  "frame",     "print",       "proof",        "edition",    "chapter",    "section",
    "Lorem",     "ipsum",     "dolor",       "sit",          "amet",       "consectetur", "adipiscing",
    "elit",      "sed",       "do",          "eiusmod",      "tempor",     "labore",     "magna",
    "w",         "na",        "i",           "jest",         "to",         "nie",        "si\xAB",
    "tekst",     "strona",    "\xB8\x88" "ka", "\x90r\x97" "d\xB8o",  "\xFD\x97\xB8ty",  "gr\xAB\xFC",
    "\xE6wiat",  "ksi\x88\xFDka", "ko\xC4" "c\x97w", "pi\xAB\x8D", "m\x97j", "\xFC\x97" "d\x90",
    "\xE5l\x88sk", "wydanie",  "rozdzia\xB8", "akapit",     "czcionka",   "kolumna",    "1998",
    "2024",      "42",        "3,5",         "e.g.",         "(see",       "below)",     "well-known",
};

// Tags inserted into running text, in turn.
constexpr std::string_view kTags[] = {
    "<B>",    "<B>",  "<I>",   "<z12>", "<I>",    "<z$>", "<h90>",  "<U>",  "<h$>", "<t10>",  "<U>",
    "<t$>",   "<\\t>", "<*C>",  "<K>",   "<K>",    "<$>",  "<z9.5>", "<*L>", "<P>",  "<k-5>",  "<k$>",
    "<\\m>",  "<+>",  "<+>",   "<y110>", "<y$>",   "<*J>", "<b2>",   "<b$>", "<s80>", "<s$>",  "<H>",
    "<H>",    "<$>",
};

constexpr std::string_view kHeader = "<v1.70><e1>\r";
constexpr std::string_view kDefinitions = "@Body=[S\"\",\"\",\"\"]<*L>\r\n@Emph=<I>\r\n";

void Append(std::string& out, std::string_view s) { out.append(s.data(), s.size()); }

}  // namespace

namespace {

// "names": block after block, each defining a character style, a paragraph
// style and a colour with names of its own, and using them with a font name
// that no machine has. Lookups among everything made so far would make such
// an import quadratic.
std::string GenerateNames(std::size_t bytes) {
  std::string out(kHeader);
  for (std::size_t n = 0;; ++n) {
    const std::string id = std::to_string(n);
    const std::string block = "@Char" + id + "=<B>\r\n@Para" + id + "=[S\"\",\"\",\"\"]<*L>\r\n@Red" + id +
                              "=[C]<\"CMYK\",,,,0,1,1,,0>\r\n@Para" + id + ":<@Char" + id + "><c\"Red" + id +
                              "\"><f\"Missing" + id + "\">the text of block " + id + "\r\n";
    if (out.size() + block.size() > bytes) break;
    out += block;
  }
  out.append(bytes > out.size() ? bytes - out.size() : 0, 'x');
  return out;
}

}  // namespace

bool ParseKind(const char* name, Kind& kind) {
  const std::string_view text(name);
  if (text == "plain") {
    kind = Kind::kPlain;
  } else if (text == "tagged") {
    kind = Kind::kTagged;
  } else if (text == "names") {
    kind = Kind::kNames;
  } else {
    return false;
  }
  return true;
}

std::string GenerateXtg(Kind kind, std::size_t bytes) {
  if (kind == Kind::kNames) return GenerateNames(bytes);
  const bool tagged = kind == Kind::kTagged;
  std::string out;
  out.reserve(bytes + 128);
  Append(out, kHeader);
  if (tagged && out.size() + kDefinitions.size() <= bytes) Append(out, kDefinitions);

  Random random(tagged ? 0x5EEDF00Dull : 0x5EED1234ull);
  std::size_t tagIndex = 0;
  std::size_t lineLength = 0;          // characters in the current line
  std::size_t sinceTag = 0;            // characters since the last tag
  std::size_t linesInParagraph = 0;
  std::size_t paragraphLines = 3 + random.Below(4);
  bool paragraphStart = true;
  std::string token;

  for (;;) {
    token.clear();
    if (paragraphStart && tagged && random.Below(3) == 0) Append(token, "@Body:");
    paragraphStart = false;
    if (tagged && sinceTag >= 20) {
      Append(token, kTags[tagIndex]);
      tagIndex = (tagIndex + 1) % std::size(kTags);
      sinceTag = 0;
    }
    const std::string_view word = kWords[random.Below(std::size(kWords))];
    Append(token, word);
    sinceTag += word.size() + 1;
    lineLength += word.size() + 1;
    if (lineLength >= 70) {
      Append(token, "\r\n");
      lineLength = 0;
      if (++linesInParagraph >= paragraphLines) {
        Append(token, "\r\n");  // an empty line between paragraphs
        linesInParagraph = 0;
        paragraphLines = 3 + random.Below(4);
        paragraphStart = true;
      }
    } else {
      token.push_back(' ');
    }
    if (out.size() + token.size() > bytes) break;
    Append(out, token);
  }
  // Fill up to the exact size with plain letters; the file ends with a line
  // end when there is room for one.
  if (out.size() < bytes) {
    const std::size_t room = bytes - out.size();
    if (room >= 3) {
      out.append(room - 2, 'x');
      Append(out, "\r\n");
    } else {
      out.append(room, 'x');
    }
  }
  return out;
}

}  // namespace xtgbench
