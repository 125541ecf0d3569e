// Classification of style names into the four style-linked faces.
#include <string>
#include <string_view>
#include <vector>

#include "host/IFonts.h"

namespace {

enum class Word { kPlain, kBold, kItalic };

struct KnownWord {
  std::string_view text;  // lower case
  Word word;
};

constexpr KnownWord kKnownWords[] = {
    {"regular", Word::kPlain}, {"reg", Word::kPlain},      {"roman", Word::kPlain},  {"book", Word::kPlain},
    {"normal", Word::kPlain},  {"plain", Word::kPlain},    {"medium", Word::kPlain}, {"bold", Word::kBold},
    {"bd", Word::kBold},       {"italic", Word::kItalic},  {"it", Word::kItalic},    {"oblique", Word::kItalic},
    {"obl", Word::kItalic},
};

// Splits a lower-case word into known words ("bolditalic" is "bold" and
// "italic"); false when it is not made of them entirely.
bool SplitIntoKnownWords(std::string_view word, std::vector<Word>& out) {
  const std::size_t n = word.size();
  struct Step {
    bool reached = false;
    std::size_t from = 0;
    Word word = Word::kPlain;
  };
  std::vector<Step> steps(n + 1);
  steps[0].reached = true;
  for (std::size_t at = 0; at < n; ++at) {
    if (!steps[at].reached) continue;
    for (const KnownWord& known : kKnownWords) {
      const std::size_t end = at + known.text.size();
      if (end <= n && !steps[end].reached && word.substr(at, known.text.size()) == known.text) {
        steps[end] = Step{true, at, known.word};
      }
    }
  }
  if (!steps[n].reached) return false;
  for (std::size_t at = n; at > 0; at = steps[at].from) out.push_back(steps[at].word);
  return true;
}

bool IsSeparator(char16_t unit) {
  const bool letterOrDigit =
      (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9');
  return unit < 0x80 && !letterOrDigit;
}

}  // namespace

FaceKind ClassifyFaceName(const PMString& face) {
  std::vector<Word> words;
  const std::u16string& units = face.Units();
  std::size_t at = 0;
  while (at < units.size()) {
    if (IsSeparator(units[at])) {
      ++at;
      continue;
    }
    // A word: letters only (lower-cased) can be known; a digit or a
    // non-ASCII unit makes it unknown.
    std::string word;
    bool plainLetters = true;
    for (; at < units.size() && !IsSeparator(units[at]); ++at) {
      const char16_t unit = units[at];
      if (unit >= u'A' && unit <= u'Z') {
        word.push_back(static_cast<char>(unit - u'A' + 'a'));
      } else if (unit >= u'a' && unit <= u'z') {
        word.push_back(static_cast<char>(unit));
      } else {
        plainLetters = false;
      }
    }
    if (!plainLetters || !SplitIntoKnownWords(word, words)) return FaceKind::kNone;
  }
  if (words.empty()) return FaceKind::kNone;
  bool bold = false;
  bool italic = false;
  for (Word w : words) {
    bold = bold || w == Word::kBold;
    italic = italic || w == Word::kItalic;
  }
  if (bold && italic) return FaceKind::kBoldItalic;
  if (bold) return FaceKind::kBold;
  if (italic) return FaceKind::kItalic;
  return FaceKind::kPlain;
}
