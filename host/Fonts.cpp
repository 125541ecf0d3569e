// Fonts: the font manager, fonts, font groups, font families and the
// document font list.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/CPMUnknown.h"
#include "host/HostIDs.h"
#include "host/HostRegistration.h"
#include "host/IDataBase.h"
#include "host/IFonts.h"
#include "host/ISession.h"
#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {

constexpr ImplementationID kFontMgrImpl{0x3C50};
constexpr ImplementationID kFontGroupImpl{0x3C51};
constexpr ImplementationID kPMFontImpl{0x3C52};
constexpr ImplementationID kFontFamilyImpl{0x3C53};
constexpr ImplementationID kDocFontListImpl{0x3C54};
constexpr ImplementationID kFontListOwnerImpl{0x3C55};

// The machine's fonts as read from fontconfig.
struct FaceRecord {
  PMString family;
  PMString style;
  PMString fullName;
  PMString postScriptName;
  int width = FC_WIDTH_NORMAL;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  std::string file;
  int index = 0;
};

struct GroupRecord {
  PMString family;
  std::vector<FaceRecord> faces;
};

struct FontCatalog {
  std::vector<GroupRecord> groups;
  std::unordered_map<std::u16string, int32> groupByFamily;
};

bool IsEnglish(const FcChar8* lang) {
  const std::string_view l(reinterpret_cast<const char*>(lang));
  return l == "en" || l.starts_with("en-") || l.starts_with("en_");
}

// A name of the pattern: the first value tagged English, else the first.
std::string NameOf(FcPattern* pattern, const char* object, const char* langObject) {
  const FcChar8* chosen = nullptr;
  for (int i = 0;; ++i) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, i, &value) != FcResultMatch) break;
    FcChar8* lang = nullptr;
    if (FcPatternGetString(pattern, langObject, i, &lang) == FcResultMatch && IsEnglish(lang)) {
      chosen = value;
      break;
    }
    if (!chosen) chosen = value;
  }
  return chosen ? std::string(reinterpret_cast<const char*>(chosen)) : std::string();
}

int IntegerOf(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

std::vector<FaceRecord> ReadFaces() {
  std::vector<FaceRecord> faces;
  // A configuration of our own, built from the environment as fontconfig
  // does for its default one, so the environment at the time of this first
  // read is what counts.
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return faces;
  FcPattern* scalable = FcPatternCreate();
  FcPatternAddBool(scalable, FC_SCALABLE, FcTrue);
  FcObjectSet* objects =
      FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG, FC_FULLNAME, FC_FULLNAMELANG,
                       FC_POSTSCRIPT_NAME, FC_WIDTH, FC_WEIGHT, FC_SLANT, FC_FILE, FC_INDEX, FC_VARIABLE, nullptr);
  FcFontSet* set = (scalable && objects) ? FcFontList(config, scalable, objects) : nullptr;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcPattern* pattern = set->fonts[i];
    FcBool variable = FcFalse;
    // The pattern of a whole variable font has ranges, not a face; its
    // named instances come as patterns of their own.
    if (FcPatternGetBool(pattern, FC_VARIABLE, 0, &variable) == FcResultMatch && variable) continue;
    FaceRecord face;
    face.family = PMString(NameOf(pattern, FC_FAMILY, FC_FAMILYLANG));
    if (face.family.IsEmpty()) continue;
    face.style = PMString(NameOf(pattern, FC_STYLE, FC_STYLELANG));
    face.fullName = PMString(NameOf(pattern, FC_FULLNAME, FC_FULLNAMELANG));
    if (face.fullName.IsEmpty()) {
      face.fullName = face.family;
      if (!face.style.IsEmpty()) {
        face.fullName.Append(" ");
        face.fullName.Append(face.style);
      }
    }
    FcChar8* text = nullptr;
    if (FcPatternGetString(pattern, FC_POSTSCRIPT_NAME, 0, &text) == FcResultMatch) {
      face.postScriptName = PMString(reinterpret_cast<const char*>(text));
    }
    if (FcPatternGetString(pattern, FC_FILE, 0, &text) == FcResultMatch) face.file = reinterpret_cast<const char*>(text);
    face.index = IntegerOf(pattern, FC_INDEX, 0);
    face.width = IntegerOf(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
    face.weight = IntegerOf(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    face.slant = IntegerOf(pattern, FC_SLANT, FC_SLANT_ROMAN);
    faces.push_back(std::move(face));
  }
  if (set) FcFontSetDestroy(set);
  if (objects) FcObjectSetDestroy(objects);
  if (scalable) FcPatternDestroy(scalable);
  FcConfigDestroy(config);
  return faces;
}

bool FamilyOrder(const PMString& a, const PMString& b) {
  const int32 folded = a.Compare(kFalse, b);
  return folded != 0 ? folded < 0 : a.Compare(kTrue, b) < 0;
}

std::tuple<int, int, int, int, const std::u16string&> FaceOrderKey(const FaceRecord& f) {
  return {std::abs(f.width - FC_WIDTH_NORMAL), f.width, f.weight, f.slant, f.style.Units()};
}

std::shared_ptr<const FontCatalog> BuildCatalog(std::vector<FaceRecord> faces) {
  // One face per family and style: the one whose file sorts first.
  std::sort(faces.begin(), faces.end(), [](const FaceRecord& a, const FaceRecord& b) {
    return std::tie(a.family.Units(), a.style.Units(), a.file, a.index) <
           std::tie(b.family.Units(), b.style.Units(), b.file, b.index);
  });
  faces.erase(std::unique(faces.begin(), faces.end(),
                          [](const FaceRecord& a, const FaceRecord& b) {
                            return a.family == b.family && a.style == b.style;
                          }),
              faces.end());

  auto catalog = std::make_shared<FontCatalog>();
  for (FaceRecord& face : faces) {
    if (catalog->groups.empty() || !(catalog->groups.back().family == face.family)) {
      catalog->groups.push_back(GroupRecord{face.family, {}});
    }
    catalog->groups.back().faces.push_back(std::move(face));
  }
  std::sort(catalog->groups.begin(), catalog->groups.end(),
            [](const GroupRecord& a, const GroupRecord& b) { return FamilyOrder(a.family, b.family); });
  for (std::size_t i = 0; i < catalog->groups.size(); ++i) {
    GroupRecord& group = catalog->groups[i];
    std::sort(group.faces.begin(), group.faces.end(),
              [](const FaceRecord& a, const FaceRecord& b) { return FaceOrderKey(a) < FaceOrderKey(b); });
    catalog->groupByFamily.emplace(group.family.Units(), static_cast<int32>(i));
  }
  return catalog;
}

class PMFontImpl : public CPMUnknown<IPMFont> {
 public:
  using CPMUnknown::CPMUnknown;
  PMString GetFamilyName() const override { return face_ ? face_->family : PMString(); }
  PMString GetFullName() const override { return face_ ? face_->fullName : PMString(); }
  PMString GetPostScriptName() const override { return face_ ? face_->postScriptName : PMString(); }
  PMString GetStyleName() const override { return face_ ? face_->style : PMString(); }
  bool16 IsMissing() const override { return face_ && face_->file.empty() ? kTrue : kFalse; }
  void SetFace(std::shared_ptr<const FaceRecord> face) { face_ = std::move(face); }

 private:
  std::shared_ptr<const FaceRecord> face_;
};

class FontGroupImpl : public CPMUnknown<IFontGroup> {
 public:
  using CPMUnknown::CPMUnknown;
  PMString GetFamilyName() const override { return group_ ? group_->family : PMString(); }
  int32 CountFaces() const override { return group_ ? static_cast<int32>(group_->faces.size()) : 0; }
  void SetGroup(std::shared_ptr<const GroupRecord> group) { group_ = std::move(group); }

 private:
  std::shared_ptr<const GroupRecord> group_;
};

// The font objects share the catalog, so they stay valid however long the
// caller keeps them.
class FontMgrImpl : public CPMUnknown<IFontMgr> {
 public:
  using CPMUnknown::CPMUnknown;

  int32 CountFontGroups() const override { return static_cast<int32>(Catalog()->groups.size()); }

  IFontGroup* QueryFontGroup(int32 index) const override {
    const auto catalog = Catalog();
    if (index < 0 || index >= static_cast<int32>(catalog->groups.size())) return nullptr;
    auto* group = CreateObject<IFontGroup>(kFontGroupBoss);
    if (group) static_cast<FontGroupImpl*>(group)->SetGroup({catalog, &catalog->groups[index]});
    return group;
  }

  int32 FindFontGroup(const PMString& family) const override {
    const auto catalog = Catalog();
    const auto found = catalog->groupByFamily.find(family.Units());
    return found == catalog->groupByFamily.end() ? -1 : found->second;
  }

  IPMFont* QueryFont(int32 groupIndex, int32 faceIndex, int32, double, int32) const override {
    const auto catalog = Catalog();
    if (groupIndex < 0 || groupIndex >= static_cast<int32>(catalog->groups.size())) return nullptr;
    const GroupRecord& group = catalog->groups[groupIndex];
    if (faceIndex < 0 || faceIndex >= static_cast<int32>(group.faces.size())) return nullptr;
    auto* font = CreateObject<IPMFont>(kPMFontBoss);
    if (font) static_cast<PMFontImpl*>(font)->SetFace({catalog, &group.faces[faceIndex]});
    return font;
  }

  IPMFont* QueryFontByName(const PMString& family, const PMString& face) const override {
    const int32 groupIndex = FindFontGroup(family);
    if (groupIndex < 0) return nullptr;
    const auto& faces = Catalog()->groups[groupIndex].faces;
    for (std::size_t i = 0; i < faces.size(); ++i) {
      if (faces[i].style == face) return QueryFont(groupIndex, static_cast<int32>(i), 0, 0.0, 0);
    }
    return nullptr;
  }

  IPMFont* QueryMissingFont(const PMString& family, const PMString& face) const override {
    auto record = std::make_shared<FaceRecord>();
    record->family = family;
    record->style = face;
    record->fullName = family;
    record->fullName.Append(" ");
    record->fullName.Append(face);
    std::u16string postScript;
    for (const char16_t c : family.Units()) {
      if (c != u' ') postScript.push_back(c);
    }
    postScript.push_back(u'-');
    for (const char16_t c : face.Units()) {
      if (c != u' ') postScript.push_back(c);
    }
    record->postScriptName = PMString(postScript);
    auto* font = CreateObject<IPMFont>(kPMFontBoss);
    if (font) static_cast<PMFontImpl*>(font)->SetFace(std::move(record));  // no file: missing
    return font;
  }

 private:
  const std::shared_ptr<const FontCatalog>& Catalog() const {
    if (!catalog_) catalog_ = BuildCatalog(ReadFaces());
    return catalog_;
  }
  mutable std::shared_ptr<const FontCatalog> catalog_;
};

InterfacePtr<IFontMgr> QueryFontMgr() {
  ISession* session = GetExecutionContextSession();
  if (!session) return {};
  InterfacePtr<IPMUnknown> application(session->QueryApplication());
  return InterfacePtr<IFontMgr>(application.get(), IID_IFONTMGR);
}

class FontFamilyImpl : public CPMUnknown<IFontFamily> {
 public:
  using CPMUnknown::CPMUnknown;
  const PMString& GetFamilyName() const override { return name_; }

  int32 CountFaces(int32) const override {
    const auto mgr = QueryFontMgr();
    if (!mgr) return 0;
    InterfacePtr<IFontGroup> group(mgr->QueryFontGroup(mgr->FindFontGroup(name_)));
    return group ? group->CountFaces() : 0;
  }

  PMString GetFaceName(int32 index) const override {
    const auto mgr = QueryFontMgr();
    if (!mgr) return PMString();
    InterfacePtr<IPMFont> font(mgr->QueryFont(mgr->FindFontGroup(name_), index, 0, 0.0, 0));
    return font ? font->GetStyleName() : PMString();
  }

  void SetFamilyName(const PMString& name) { name_ = name; }

 private:
  PMString name_;
};

class DocFontListImpl : public CPMUnknown<IDocFontList> {
 public:
  using CPMUnknown::CPMUnknown;

  UID FindFamily(const PMString& name, int32) override {
    if (const UID known = Lookup(name); known != kInvalidUID) return known;
    const auto mgr = QueryFontMgr();
    if (!mgr || mgr->FindFontGroup(name) < 0) return kInvalidUID;
    return Add(name);
  }

  UID GetFamilyUID(const IPMFont* font, bool16 addIfMissing) override {
    if (!font) return kInvalidUID;
    const PMString family = font->GetFamilyName();
    if (const UID known = Lookup(family); known != kInvalidUID) return known;
    return addIfMissing ? FindFamily(family, 0) : kInvalidUID;
  }

  const std::vector<UID>& GetFamilies() const override { return families_; }

 private:
  UID Lookup(const PMString& name) const {
    IDataBase* db = GetUIDRef(this).GetDataBase();
    for (UID uid : families_) {
      InterfacePtr<IFontFamily> family(db, uid, IID_IFONTFAMILY);
      if (family && family->GetFamilyName().Compare(kTrue, name) == 0) return uid;
    }
    return kInvalidUID;
  }

  UID Add(const PMString& name) {
    IDataBase* db = GetUIDRef(this).GetDataBase();
    if (!db) return kInvalidUID;
    const UID uid = db->NewObject(kFontFamilyBoss);
    InterfacePtr<IFontFamily> family(db, uid, IID_IFONTFAMILY);
    if (!family) return kInvalidUID;
    static_cast<FontFamilyImpl*>(family.get())->SetFamilyName(name);
    families_.push_back(uid);
    return uid;
  }

  std::vector<UID> families_;
};

class FontListOwnerImpl : public CPMUnknown<IFontListOwner> {
 public:
  using CPMUnknown::CPMUnknown;
  UIDRef GetFontListRef() const override {
    IDataBase* db = GetUIDRef(this).GetDataBase();
    if (!db) return UIDRef::gNull;
    if (!db->IsValidUID(list_)) list_ = db->NewObject(kDocFontListBoss);
    return list_ == kInvalidUID ? UIDRef::gNull : UIDRef(db, list_);
  }

 private:
  mutable UID list_ = kInvalidUID;  // made on first use
};

// The style name of the group's first plain face, or empty.
PMString FirstPlainFace(const IFontMgr& mgr, int32 groupIndex) {
  InterfacePtr<IFontGroup> group(mgr.QueryFontGroup(groupIndex));
  for (int32 i = 0; group && i < group->CountFaces(); ++i) {
    InterfacePtr<IPMFont> font(mgr.QueryFont(groupIndex, i, 0, 0.0, 0));
    if (font && ClassifyFaceName(font->GetStyleName()) == FaceKind::kPlain) return font->GetStyleName();
  }
  return PMString();
}

}  // namespace

FontFaceName GetDefaultFontName() {
  const auto mgr = QueryFontMgr();
  if (!mgr) return {};
  // Liberation Serif has the metrics of Times, the usual default of
  // documents; the others are the next most common free families.
  for (const char* family : {"Liberation Serif", "DejaVu Serif", "Liberation Sans", "DejaVu Sans"}) {
    const int32 index = mgr->FindFontGroup(PMString(family));
    if (index < 0) continue;
    if (PMString face = FirstPlainFace(*mgr, index); !face.IsEmpty()) return {PMString(family), face};
  }
  for (int32 index = 0; index < mgr->CountFontGroups(); ++index) {
    if (PMString face = FirstPlainFace(*mgr, index); !face.IsEmpty()) {
      InterfacePtr<IFontGroup> group(mgr->QueryFontGroup(index));
      return {group->GetFamilyName(), face};
    }
  }
  InterfacePtr<IPMFont> first(mgr->QueryFont(0, 0, 0, 0.0, 0));
  if (!first) return {};
  return {first->GetFamilyName(), first->GetStyleName()};
}

void RegisterFontClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<FontMgrImpl>(kFontMgrImpl));
  model.InstallImplementation(MakeFactory<FontGroupImpl>(kFontGroupImpl));
  model.InstallImplementation(MakeFactory<PMFontImpl>(kPMFontImpl));
  model.InstallImplementation(MakeFactory<FontFamilyImpl>(kFontFamilyImpl));
  model.InstallImplementation(MakeFactory<DocFontListImpl>(kDocFontListImpl));
  model.InstallImplementation(MakeFactory<FontListOwnerImpl>(kFontListOwnerImpl));
  model.DefineClass(kPMFontBoss, kInvalidClass, {{IID_IPMFONT, kPMFontImpl}});
  model.DefineClass(kFontGroupBoss, kInvalidClass, {{IID_IFONTGROUP, kFontGroupImpl}});
  model.DefineClass(kFontFamilyBoss, kInvalidClass, {{IID_IFONTFAMILY, kFontFamilyImpl}});
  model.DefineClass(kDocFontListBoss, kInvalidClass, {{IID_IDOCFONTLIST, kDocFontListImpl}});
  model.AddIn(kApplicationBoss, {IID_IFONTMGR, kFontMgrImpl});
  model.AddIn(kDocBoss, {IID_IFONTLISTOWNER, kFontListOwnerImpl});
}
