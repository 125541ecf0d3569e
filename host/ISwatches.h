// Colours and swatches.
//
// A swatch is an object of class kColorSwatchBoss (0x1F05): a name (empty
// for an unnamed swatch), a colour space with its component values, and a
// few flags. The same class serves two purposes: a colour object made by
// IColorUtils::CreateColor lives only in memory and is filled in by its
// caller; ISwatchUtils::AddSwatch then copies it into a persistent swatch in
// the document's database and appends that to the document's swatch list.
//
// Each document workspace has one swatch list (ISwatchList, 0x16100) and its
// change record (ISwatchListChanges, 0x2201). A list starts with the
// document's default swatches, made the first time the list is used:
// None, Paper, Black, Registration, Cyan, Magenta, Yellow.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/IPMUnknown.h"
#include "host/PMString.h"
#include "host/UIDRef.h"

class IDataBase;

// The class of colour objects and swatches.
constexpr ClassID kColorSwatchBoss{0x1F05};

constexpr PMIID IID_ICOLORDATA{0x1F01};
constexpr PMIID IID_ICOLORSWATCHINFO{0x1F02};
constexpr PMIID IID_ISWATCHRENDERING{0x1F04};
constexpr PMIID IID_ISWATCHLISTCHANGES{0x2201};
constexpr PMIID IID_ICOLORUTILS{0x16DA};
constexpr PMIID IID_ISWATCHLIST{0x16100};
constexpr PMIID IID_ISWATCHUTILS{0x16108};

// Colour-space codes. Component values are kept exactly as given; the
// host's full range of a component is 0..1.
enum ColorSpaceCode : int32 {
  kNoColorSpace = 0,  // no colour at all (the "None" swatch)
  kRGBColorSpace = 5,   // red, green, blue
  kCMYKColorSpace = 6,  // cyan, magenta, yellow, black
  kLabColorSpace = 7,   // L, a, b
};

// The number of components of a colour space; 0 for a code that is not a
// colour space.
int32 ColorSpaceComponentCount(int32 colorSpace);

// The swatch's identity and handling (main interface of a colour object).
class IColorSwatchInfo : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x1F02 };
  // The name shown for the swatch; empty for an unnamed swatch.
  virtual void SetSwatchName(const PMString& name) = 0;
  virtual const PMString& GetSwatchName() const = 0;
  // Whether the user may change the swatch's colour (new objects: yes).
  virtual void SetEditable(bool16 editable) = 0;
  virtual bool16 IsEditable() const = 0;
  // Whether the user may delete the swatch (new objects: yes).
  virtual void SetDeletable(bool16 deletable) = 0;
  virtual bool16 IsDeletable() const = 0;
  // Which part of the application made the swatch: 0 for the host's own
  // default swatches; the XPress Tags import uses 31500.
  virtual void SetCreatorCode(int32 code) = 0;
  virtual int32 GetCreatorCode() const = 0;
};

// The colour of a swatch.
class IColorData : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x1F01 };
  // Sets the colour. Refused (kFalse, the object keeps its previous colour)
  // for a code that is not RGB, CMYK or Lab, for a number of values that
  // does not match the space, and for values that are not finite numbers.
  virtual bool16 SetColorData(int32 colorSpace, const std::vector<double>& values) = 0;
  // False until a colour has been set; the "None" swatch never has one.
  virtual bool16 HasColorData() const = 0;
  // kNoColorSpace and no values while there is no colour.
  virtual int32 GetColorSpace() const = 0;
  virtual const std::vector<double>& GetColorValues() const = 0;
};

// How the swatch is presented.
class ISwatchRendering : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x1F04 };
  // Whether the swatch is listed by name in the document's swatches panel.
  // Named swatches are; unnamed colours (used directly by text) are not.
  // New objects: not listed.
  virtual void SetListedInPanel(bool16 listed) = 0;
  virtual bool16 IsListedInPanel() const = 0;
};

// The document's swatches, in the order in which they were added (the
// default set first). Every operation first makes the default set if the
// list has not been used before.
class ISwatchList : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x16100 };
  // The named swatch of exactly this name (case matters), or UIDRef::gNull.
  // Unnamed swatches are never found by name.
  virtual UIDRef FindSwatch(const PMString& name) = 0;
  // The first swatch, named or not, of this colour space with exactly these
  // values, or UIDRef::gNull. "None" has no colour and is never found here.
  virtual UIDRef FindSwatchByValues(int32 colorSpace, const std::vector<double>& values) = 0;
  // Every swatch of the list, in order.
  virtual const std::vector<UID>& GetSwatches() = 0;
  // Appends a swatch of the list's database. Refused (kFalse) for a UID
  // that is not a swatch with colour data in that database, one already in
  // the list, and a named swatch whose name the list already has.
  virtual bool16 AppendSwatch(UID swatch) = 0;
};

// The change record of a swatch list: a counter that every addition to the
// list (after the default set) increases, and the swatch added last. Panels
// and caches compare the counter to know whether to refresh.
class ISwatchListChanges : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x2201 };
  virtual int32 GetChangeCount() const = 0;
  // kInvalidUID before the first addition.
  virtual UID GetLastAddedSwatch() const = 0;
  // Called by the list for each swatch it takes.
  virtual void NoteSwatchAdded(UID swatch) = 0;
};

// Colour utilities (utility interface 0x16DA).
class IColorUtils : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x16DA };
  // A new colour object in memory (not in any database) of class
  // kColorSwatchBoss: unnamed, editable, deletable, not listed, creator 0,
  // no colour. Returns its IColorSwatchInfo interface with one reference for
  // the caller; null for any other class. No options are defined: the
  // second argument is ignored (callers pass 0).
  virtual IPMUnknown* CreateColor(ClassID classID, int32 options = 0) const = 0;
};

// Swatch utilities (utility interface 0x16108).
class ISwatchUtils : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x16108 };
  // The swatch list of the active context's workspace with a reference for
  // the caller, or null when no document is active. The argument is
  // accepted for callers that pass a context object and is not used.
  virtual ISwatchList* QueryActiveSwatchList(IPMUnknown* context = nullptr) const = 0;
  // Makes a persistent swatch of class classID (kColorSwatchBoss) in the
  // database of the list's workspace from the colour object (name, flags,
  // colour), appends it to the list and returns its UID. listInterface is
  // any interface of the workspace that holds the list (the import passes
  // its ISwatchListChanges). The last two arguments are not used.
  // kInvalidUID, and nothing made, when the class is another, the colour
  // object lacks the swatch interfaces or has no colour, listInterface is
  // not on a persistent swatch list, or the object is named and the list
  // already has a swatch of that exact name.
  virtual UID AddSwatch(ClassID classID, IPMUnknown* colorObject, IPMUnknown* listInterface, int32 = 0,
                        int32 = 0) const = 0;
};

// A swatch as the host's output shows it. model is "CMYK", "RGB", "Lab", or
// "None" (no values) for the None swatch.
struct SwatchDescription {
  std::string name;
  std::string model;
  std::vector<double> values;
};
// nullopt when the UID is not a swatch of the database.
std::optional<SwatchDescription> DescribeSwatch(IDataBase* db, UID swatch);
