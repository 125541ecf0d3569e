#include "host/StoryText.h"

#include <algorithm>
#include <cassert>

StoryText::StoryText(RunAttributes characterAttributes, RunAttributes paragraphAttributes)
    : text_(1, kParagraphEnd),
      characterRuns_{Run{1, std::move(characterAttributes)}},
      paragraphRuns_{Run{1, std::move(paragraphAttributes)}} {}

StoryText::Location StoryText::Locate(const std::vector<Run>& runs, int32 total, TextIndex position) {
  assert(position >= 0 && position < total);
  int32 start = total;
  for (std::size_t i = runs.size(); i-- > 0;) {
    start -= runs[i].length;
    if (start <= position) return {i, start};
  }
  assert(false && "runs do not cover the text");
  return {0, 0};
}

const RunAttributes& StoryText::CharacterAttributesAt(TextIndex position, int32* remaining) const {
  const Location at = Locate(characterRuns_, TotalLength(), position);
  if (remaining) *remaining = at.start + characterRuns_[at.index].length - position;
  return characterRuns_[at.index].attributes;
}

const RunAttributes& StoryText::ParagraphAttributesAt(TextIndex position, int32* start, int32* length) const {
  const Location at = Locate(paragraphRuns_, TotalLength(), position);
  if (start) *start = at.start;
  if (length) *length = paragraphRuns_[at.index].length;
  return paragraphRuns_[at.index].attributes;
}

const RunAttributes& StoryText::InForceAt(TextIndex position) const {
  return CharacterAttributesAt(position > 0 ? position - 1 : 0);
}

RunAttributes StoryText::InsertionAttributesAt(TextIndex position) const {
  if (pending_ && pending_->position == position) return pending_->attributes;
  return InForceAt(position);
}

void StoryText::Insert(TextIndex position, std::u16string_view units) {
  assert(position >= 0 && position < TotalLength());
  if (units.empty()) return;
  const auto count = static_cast<int32>(units.size());
  if (InsertAtEndWithinLastRun(position, units)) return;
  // What the text takes: what is pending at the position, or the attributes
  // of the character before it. The pending value is moved out, since the
  // insertion consumes it.
  std::optional<RunAttributes> pending;
  if (pending_ && pending_->position == position) pending = std::move(pending_->attributes);
  pending_.reset();
  const RunAttributes& attributes = pending ? *pending : InForceAt(position);

  // Character strand: extend a neighbouring run with the same attributes, or
  // put a new run in.
  {
    const Location at = Locate(characterRuns_, TotalLength(), position);
    Run& run = characterRuns_[at.index];
    if (&run.attributes == &attributes || run.attributes == attributes) {
      run.length += count;
    } else if (at.start == position && at.index > 0 && characterRuns_[at.index - 1].attributes == attributes) {
      characterRuns_[at.index - 1].length += count;
    } else if (at.start == position) {
      characterRuns_.insert(characterRuns_.begin() + static_cast<std::ptrdiff_t>(at.index), Run{count, attributes});
    } else {
      const int32 before = position - at.start;
      Run tail{run.length - before, run.attributes};
      run.length = before;
      const auto where = characterRuns_.begin() + static_cast<std::ptrdiff_t>(at.index) + 1;
      characterRuns_.insert(where, {Run{count, attributes}, std::move(tail)});
    }
  }

  // Paragraph strand: the text joins the paragraph of position; each CR in
  // it ends a paragraph, and every piece keeps the paragraph's attributes.
  {
    const Location at = Locate(paragraphRuns_, TotalLength(), position);
    const int32 offset = position - at.start;
    const int32 oldLength = paragraphRuns_[at.index].length;
    std::vector<int32> pieces;
    int32 pieceStart = 0;  // in paragraph coordinates after the insertion
    for (int32 i = 0; i < count; ++i) {
      if (units[static_cast<std::size_t>(i)] == kParagraphEnd) {
        const int32 end = offset + i + 1;
        pieces.push_back(end - pieceStart);
        pieceStart = end;
      }
    }
    if (pieces.empty()) {
      paragraphRuns_[at.index].length += count;
    } else {
      pieces.push_back(oldLength + count - pieceStart);
      const RunAttributes paragraph = paragraphRuns_[at.index].attributes;
      paragraphRuns_[at.index].length = pieces.front();
      std::vector<Run> rest;
      rest.reserve(pieces.size() - 1);
      for (std::size_t k = 1; k < pieces.size(); ++k) rest.push_back(Run{pieces[k], paragraph});
      paragraphRuns_.insert(paragraphRuns_.begin() + static_cast<std::ptrdiff_t>(at.index) + 1, rest.begin(),
                            rest.end());
    }
  }

  if (position == TotalLength() - 1) {
    // At the end (where an import inserts everything): put the text before
    // the final paragraph end without moving anything else.
    text_.pop_back();
    text_.append(units);
    text_.push_back(kParagraphEnd);
  } else {
    text_.insert(static_cast<std::size_t>(position), units);
  }
}

bool StoryText::InsertAtEndWithinLastRun(TextIndex position, std::u16string_view units) {
  // The common case of an import: text without paragraph ends, at the end,
  // with nothing pending, where the character before the final paragraph end
  // shares its run (or there is none). The text joins the last run and the
  // last paragraph.
  if (pending_ || position != TotalLength() - 1 || (position > 0 && characterRuns_.back().length < 2)) return false;
  if (units.find(kParagraphEnd) != std::u16string_view::npos) return false;
  const auto count = static_cast<int32>(units.size());
  characterRuns_.back().length += count;
  paragraphRuns_.back().length += count;
  text_.pop_back();
  text_.append(units);
  text_.push_back(kParagraphEnd);
  return true;
}

std::size_t StoryText::SplitCharacterRunAt(TextIndex position) {
  if (position >= TotalLength()) return characterRuns_.size();
  const Location at = Locate(characterRuns_, TotalLength(), position);
  if (at.start == position) return at.index;
  Run& run = characterRuns_[at.index];
  const int32 before = position - at.start;
  Run tail{run.length - before, run.attributes};
  run.length = before;
  characterRuns_.insert(characterRuns_.begin() + static_cast<std::ptrdiff_t>(at.index) + 1, std::move(tail));
  return at.index + 1;
}

void StoryText::MergeCharacterRuns(std::size_t first, std::size_t last) {
  // Merges equal neighbours among runs first-1 .. last+1.
  std::size_t i = first > 0 ? first - 1 : 0;
  std::size_t end = std::min(last + 1, characterRuns_.size() - 1);
  while (i < end) {
    if (characterRuns_[i].attributes == characterRuns_[i + 1].attributes) {
      characterRuns_[i].length += characterRuns_[i + 1].length;
      characterRuns_.erase(characterRuns_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      --end;
    } else {
      ++i;
    }
  }
}

void StoryText::Delete(TextIndex position, int32 length) {
  assert(position >= 0 && length >= 0 && position + length < TotalLength());
  if (length == 0) return;
  const RunAttributes leftBehind = CharacterAttributesAt(position);

  // Character strand.
  const std::size_t first = SplitCharacterRunAt(position);
  const std::size_t last = SplitCharacterRunAt(position + length);
  characterRuns_.erase(characterRuns_.begin() + static_cast<std::ptrdiff_t>(first),
                       characterRuns_.begin() + static_cast<std::ptrdiff_t>(last));
  MergeCharacterRuns(first, first);

  // Paragraph strand: paragraphs from that of position to that of the first
  // character after the range become one, with the first one's attributes.
  const Location from = Locate(paragraphRuns_, TotalLength(), position);
  const Location to = Locate(paragraphRuns_, TotalLength(), position + length);
  const int32 joinedEnd = to.start + paragraphRuns_[to.index].length;
  paragraphRuns_[from.index].length = joinedEnd - from.start - length;
  paragraphRuns_.erase(paragraphRuns_.begin() + static_cast<std::ptrdiff_t>(from.index) + 1,
                       paragraphRuns_.begin() + static_cast<std::ptrdiff_t>(to.index) + 1);

  text_.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(length));
  pending_ = PendingInsertion{position, leftBehind};
}

void StoryText::ChangeCharacters(TextIndex position, int32 length, const Change& change) {
  assert(position >= 0 && length >= 0 && position + length <= TotalLength());
  if (length == 0) {
    pending_ = PendingInsertion{position, change(InsertionAttributesAt(position))};
    return;
  }
  const std::size_t first = SplitCharacterRunAt(position);
  const std::size_t last = SplitCharacterRunAt(position + length);  // one past the changed runs
  for (std::size_t i = first; i < last; ++i) characterRuns_[i].attributes = change(characterRuns_[i].attributes);
  MergeCharacterRuns(first, last > first ? last - 1 : first);
}

void StoryText::ChangeParagraphs(TextIndex position, int32 length, const Change& change) {
  assert(position >= 0 && length >= 0 && position + length <= TotalLength());
  const Location from = Locate(paragraphRuns_, TotalLength(), position);
  const TextIndex lastPosition = std::min(position + std::max(length - 1, 0), TotalLength() - 1);
  const Location to = Locate(paragraphRuns_, TotalLength(), lastPosition);
  for (std::size_t i = from.index; i <= to.index; ++i) paragraphRuns_[i].attributes = change(paragraphRuns_[i].attributes);
}
