// The interfaces of a story: its text model, the commands that change it,
// its attribute strands, its options and its own commands.
#pragma once

#include <memory>

#include "host/AttributeBossList.h"
#include "host/CountedHandle.h"
#include "host/ICommand.h"
#include "host/StoryText.h"
#include "host/WideString.h"

// The text of a story. Positions are UTF-16 unit indexes; the text always
// ends with the story's final paragraph end, so TotalLength() >= 1 and the
// insertion point for text at the end is TotalLength() - 1.
class ITextModel : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x202 };

  virtual int32 TotalLength() const = 0;
  // Inserts directly, outside any command (for short-lived helper text such
  // as placeholders). Fails for a position outside [0, TotalLength() - 1].
  virtual ErrorCode Insert(TextIndex position, const WideString& text) = 0;
  // Deletes directly, outside any command; the range must end before the
  // final paragraph end.
  virtual ErrorCode Delete(TextIndex position, int32 length) = 0;
  // An attribute strand of the story (class 0x235 characters, 0x236
  // paragraphs) as the interface asked for, with a reference; null otherwise.
  virtual IPMUnknown* QueryStrand(ClassID strandClass, PMIID interfaceID) const = 0;
  // The story's content, for reading (and, by the host's commands, for changing).
  virtual const StoryText& GetStoryText() const = 0;
  virtual StoryText& EditStoryText() = 0;
};

// A strand of attribute runs (interface 0x20A).
class IAttributeStrand : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x20A };

  // The local overrides at position, as a new list the caller owns, and in
  // count the number of characters from position to the end of the run (or
  // paragraph). Null for a position outside the text. At the story's last
  // position (its final paragraph end) the character strand answers for the
  // insertion point there: what the next text inserted at the end takes.
  virtual std::unique_ptr<AttributeBossList> GetLocalOverrides(TextIndex position, int32* count,
                                                               int32 flags = 0) const = 0;
  // The style in force at position (kInvalidUID outside the text).
  virtual UID GetStyleUID(TextIndex position, int32* count = nullptr) const = 0;
};

// The command factory of a story's text (interface 0x2FE). Each returns a
// new command, with a reference for the caller, to be run with
// CmdUtils::ProcessCommand; a command whose range lies outside the text
// fails when it runs.
//
// Attribute classes go to the strand they belong to (paragraph classes to
// the paragraph strand, character classes to the character strand) whatever
// the strategy class. Over an empty range, character changes apply to the
// insertion point and paragraph changes to the paragraph of the position.
class ITextModelCmds : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x2FE };

  // Inserts the text before position. No flags are defined; callers pass 0.
  virtual ICommand* InsertCmd(TextIndex position, const CountedHandle<WideString>& text, int32 flags = 0) = 0;
  virtual ICommand* DeleteCmd(TextIndex position, int32 length) = 0;
  // Sets the list's attributes as local overrides over the range.
  virtual ICommand* ApplyCmd(TextIndex position, int32 length, const SharedAttributeBossList& attributes,
                             ClassID strategy) = 0;
  // Removes the local overrides of the list's classes over the range.
  virtual ICommand* ClearOverridesCmd(TextIndex position, int32 length, const SharedAttributeBossList& attributes,
                                      ClassID strategy) = 0;
  // Applies a style: a paragraph style with strategy 0x236, a character
  // style with 0x235.
  //   clearOverrides:      also remove the local overrides of the style's own
  //                        kind over the range;
  //   clearOtherOverrides: also remove the local overrides of the other kind
  //                        (character overrides of the paragraphs' text, or
  //                        paragraph overrides of the touched paragraphs);
  //   joinPrevious:        the command may join the one before it in the
  //                        undo history (ICommand::CanJoin).
  virtual ICommand* ApplyStyleCmd(TextIndex position, int32 length, UID style, ClassID strategy,
                                  bool16 clearOverrides, bool16 clearOtherOverrides, bool16 joinPrevious) = 0;
};

// What is in force in a story's text (interface 0x233): for each attribute
// class, the local override, else the style's value (following its based-on
// styles), else the document's default. At the story's last position the
// report answers for the insertion point there, as the character strand does.
class IPMFont;
class ITextAttributeReport : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x233 };
  // The font in force at position: its face name, the font object (with a
  // reference for the caller; null when the machine has no such face) and
  // the document's font family UID. False for a position outside the text.
  virtual bool16 GetFontAt(TextIndex position, PMString* faceName, IPMFont** font, UID* family) const = 0;
  // A new attribute object of the class holding the value in force at start
  // (the range [start, end] is taken to be uniform); null for a class that
  // is not a text attribute or a position outside the text.
  virtual IPMUnknown* QueryAttributeAt(TextIndex start, TextIndex end, ClassID attributeClass) const = 0;
};

// Story options (interface 0x8C15). A story that create-story makes is
// "being placed" until its importer declares it complete.
class IStoryOptions : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x8C15 };
  virtual void SetBeingPlaced(bool16 beingPlaced) = 0;
  virtual bool16 IsBeingPlaced() const = 0;
};

// Commands on a story as a whole (interface 0x2C0A).
class IStoryCmds : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x2C0A };
  // A command that removes the story from its document and database.
  virtual ICommand* CreateDeleteStoryCmd(bool16 undoable) = 0;
};
