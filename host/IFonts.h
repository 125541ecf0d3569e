// Fonts. The machine's fonts come from fontconfig: every scalable face it
// knows, grouped into font groups by family name. The font manager, an
// interface of the application object, lists the groups and hands out fonts
// (one face each). A document names the families its text uses in its font
// list, a persistent object of the document's database holding one font
// family object per family; text refers to a family by that object's UID
// and to a face by its style name.
#pragma once

#include <vector>

#include "host/IPMUnknown.h"
#include "host/PMString.h"
#include "host/UIDRef.h"

// Boss classes.
constexpr ClassID kFontFamilyBoss{0x3A40};    // one family of a document's font list (persistent)
constexpr ClassID kDocFontListBoss{0x3A41};   // a document's font list (persistent)
constexpr ClassID kFontGroupBoss{0x3A42};     // a family of the machine, made by the font manager
constexpr ClassID kPMFontBoss{0x3A43};        // a face of the machine, made by the font manager

// Interfaces.
constexpr PMIID IID_IFONTMGR{0x3E01};
constexpr PMIID IID_IFONTGROUP{0x3E02};
constexpr PMIID IID_IFONTFAMILY{0x3E03};
constexpr PMIID IID_IDOCFONTLIST{0x3E04};
constexpr PMIID IID_IPMFONT{0x3E05};
constexpr PMIID IID_IFONTLISTOWNER{0xE02};

// One face of a family of the machine, with its four names as fontconfig
// gives them (the English name where a font has names in several
// languages). The import reads the names through the slots 6, 8, 7 and 4
// of the font, in that order; the slot of each accessor is noted with it.
class IPMFont : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3E05 };
  // Slot 4. The family, e.g. "DejaVu Sans"; the same for every face of a group.
  virtual PMString GetFamilyName() const = 0;
  // Slot 6. The full name, e.g. "DejaVu Sans Bold Oblique" ("DejaVu Sans"
  // for the book face). A font without one gets family and style joined by
  // a space.
  virtual PMString GetFullName() const = 0;
  // Slot 7. The PostScript name, e.g. "DejaVuSans-BoldOblique".
  virtual PMString GetPostScriptName() const = 0;
  // Slot 8. The style (face) name, e.g. "Bold Oblique"; unique in its group.
  virtual PMString GetStyleName() const = 0;
  // True for a face that the machine does not have (see QueryMissingFont).
  virtual bool16 IsMissing() const = 0;
};

// A font family of the machine: the faces that share a family name.
class IFontGroup : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3E02 };
  virtual PMString GetFamilyName() const = 0;
  // Every group has at least one face.
  virtual int32 CountFaces() const = 0;
};

// The font manager: the machine's families, an add-in of the application
// object. It reads fontconfig the first time one of its operations needs
// the fonts (so the configuration is whatever FONTCONFIG_FILE and the usual
// fontconfig files say at that moment) and keeps that list for the rest of
// the process.
//
// Groups are ordered by family name (ASCII case ignored, then by code
// unit). Faces of a group: normal width first, then by distance from normal
// width; within one width lighter before heavier, then upright before
// italic before oblique, then by style name. Only scalable faces count; a
// variable font counts by its named instances; a family and style that
// several files provide counts once (the file that sorts first by path).
class IFontMgr : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3E01 };
  virtual int32 CountFontGroups() const = 0;
  // A new group object with a reference for the caller; null for an index
  // out of range.
  virtual IFontGroup* QueryFontGroup(int32 index) const = 0;
  // The index of the group of exactly that family name (case counts), or -1.
  virtual int32 FindFontGroup(const PMString& family) const = 0;
  // A new font object for a face of a group, with a reference for the
  // caller; null for an index out of range. The last three arguments are a
  // rendering request (writing direction, 0 horizontal; a point size; a
  // hinting mode, 0 none). A face's names do not depend on them and the
  // host never renders, so they are accepted and ignored.
  virtual IPMFont* QueryFont(int32 groupIndex, int32 faceIndex, int32 writingDirection, double pointSize,
                             int32 hinting) const = 0;
  // The face of exactly that family and style name (case counts), with a
  // reference for the caller, or null.
  virtual IPMFont* QueryFontByName(const PMString& family, const PMString& face) const = 0;
  // A font object for a face the machine does not have (text can name a
  // face that its family lacks, for example after its family changed): its
  // family and style names are the given ones, its full name is both
  // joined by a blank and its PostScript name both without blanks joined
  // by '-'. Text keeps such a font; it is reported as missing.
  virtual IPMFont* QueryMissingFont(const PMString& family, const PMString& face) const = 0;
};

// One family of a document's font list. Its faces are those of the font
// manager's group of the same name (none when the machine lacks it).
class IFontFamily : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3E03 };
  virtual const PMString& GetFamilyName() const = 0;
  // The argument selects a subset of faces by writing script; the host has
  // one script, so every value counts every face.
  virtual int32 CountFaces(int32 script = 0) const = 0;
  // The style name of a face in the group's order; empty out of range.
  virtual PMString GetFaceName(int32 index) const = 0;
};

// The font list of a document: the families its text uses, each once, each
// a family of the machine.
class IDocFontList : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x3E04 };
  // The document's family of exactly that name (case counts). A family the
  // list lacks but the machine has is added; a family the machine lacks
  // gives kInvalidUID. The second argument selects a name space of family
  // names; the host has one, so it is ignored.
  virtual UID FindFamily(const PMString& name, int32 nameSpace = 0) = 0;
  // The document's family of the font's family name. A family the list
  // lacks is added when addIfMissing is set (and the machine has it);
  // otherwise, and for a null font, the result is kInvalidUID.
  virtual UID GetFamilyUID(const IPMFont* font, bool16 addIfMissing = kTrue) = 0;
  // Every family of the list, in the order in which they were added.
  virtual const std::vector<UID>& GetFamilies() const = 0;
};

// The document's way to its font list, an add-in of the document object.
// The list is made in the document's database the first time it is asked
// for; later calls give the same object.
class IFontListOwner : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0xE02 };
  // UIDRef::gNull when the document object is not in a database.
  virtual UIDRef GetFontListRef() const = 0;
};

// Which of the four style-linked faces of a family (the faces that the
// bold and italic switches of text select) a style name stands for. A name
// is read as words (split at anything that is not a letter, and compound
// words such as "BoldItalic" or "BdIt" taken apart), case ignored:
//   plain words:  Regular, Reg, Roman, Book, Normal, Plain, Medium
//   bold words:   Bold, Bd
//   italic words: Italic, It, Oblique, Obl
// A name made only of such words is bold italic when it has a bold and an
// italic word, bold or italic when it has one of them, plain otherwise. Any
// other word (another weight such as Light, Semibold or Black, a width such
// as Condensed, a number) makes the face none of the four, and so does an
// empty name: those faces are separate members of the family that the
// switches never pick.
enum class FaceKind { kNone, kPlain, kItalic, kBold, kBoldItalic };
FaceKind ClassifyFaceName(const PMString& face);

// A family and one of its faces, by name.
struct FontFaceName {
  PMString family;
  PMString face;
};

// The font of a new document's default character attributes: the first of
// Liberation Serif, DejaVu Serif, Liberation Sans and DejaVu Sans that the
// machine has with a plain face, else the first family (in the manager's
// order) with a plain face, else the first face of the first family; the
// face is the family's first plain face. Both names are empty when the
// machine has no font (or the host has no session).
FontFaceName GetDefaultFontName();
