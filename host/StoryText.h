// StoryText: the content of one story. It holds the UTF-16 text, which always
// ends with the story's final paragraph end (CR), and two strands of runs:
// - the character strand: runs of text with one character style and one set
//   of local character overrides each; equal neighbours are merged;
// - the paragraph strand: one run per paragraph (its text and its CR), with
//   the paragraph's style and local paragraph overrides.
//
// The insertion point keeps what was applied there: text inserted at p takes
// the character attributes "in force" at p, which is what a change over an
// empty range at p, or a deletion of the text at p, left there; otherwise the
// attributes of the character before p (of the first character when p is 0).
//
// Every operation locates its position by walking the runs from the end, so
// work at the end of the story (where an import inserts everything) costs
// O(1) amortised, and building a story of N characters costs O(N).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/AttributeValue.h"

class StoryText {
 public:
  static constexpr char16_t kParagraphEnd = u'\r';

  struct Run {
    int32 length;
    RunAttributes attributes;
  };
  using Change = std::function<RunAttributes(const RunAttributes&)>;

  StoryText(RunAttributes characterAttributes, RunAttributes paragraphAttributes);

  int32 TotalLength() const { return static_cast<int32>(text_.size()); }
  const std::u16string& Text() const { return text_; }

  // Inserts before position (0 <= position < TotalLength()); a CR among the
  // units splits its paragraph, and both halves keep the paragraph's
  // attributes.
  void Insert(TextIndex position, std::u16string_view units);
  // Deletes [position, position + length), which must end before the final
  // paragraph end. Paragraphs whose ends are deleted join the paragraph of
  // position.
  void Delete(TextIndex position, int32 length);

  // Changes the character attributes of [position, position + length). An
  // empty range changes what the insertion point at position holds.
  void ChangeCharacters(TextIndex position, int32 length, const Change& change);
  // Changes the attributes of every paragraph that the range touches; an
  // empty range touches the paragraph of position.
  void ChangeParagraphs(TextIndex position, int32 length, const Change& change);

  // The character run at position (0 <= position < TotalLength()), with the
  // number of characters from position to the end of the run.
  const RunAttributes& CharacterAttributesAt(TextIndex position, int32* remaining = nullptr) const;
  // What text inserted at position would take.
  RunAttributes InsertionAttributesAt(TextIndex position) const;
  // The paragraph of position, with its start and length.
  const RunAttributes& ParagraphAttributesAt(TextIndex position, int32* start = nullptr, int32* length = nullptr) const;

  const std::vector<Run>& CharacterRuns() const { return characterRuns_; }
  const std::vector<Run>& ParagraphRuns() const { return paragraphRuns_; }

 private:
  struct Location {
    std::size_t index;
    int32 start;
  };
  static Location Locate(const std::vector<Run>& runs, int32 total, TextIndex position);
  // Makes position a run boundary of the character strand and returns the
  // index of the run that starts there (runs.size() at the end).
  std::size_t SplitCharacterRunAt(TextIndex position);
  void MergeCharacterRuns(std::size_t first, std::size_t last);
  const RunAttributes& InForceAt(TextIndex position) const;
  bool InsertAtEndWithinLastRun(TextIndex position, std::u16string_view units);

  std::u16string text_;
  std::vector<Run> characterRuns_;
  std::vector<Run> paragraphRuns_;
  struct PendingInsertion {
    TextIndex position;
    RunAttributes attributes;
  };
  std::optional<PendingInsertion> pending_;
};
