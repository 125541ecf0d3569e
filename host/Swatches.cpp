// Colours and swatches: the swatch class, the workspace's swatch list with
// its default set, and the colour and swatch utilities.
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <algorithm>
#include <cmath>

#include "host/CPMUnknown.h"
#include "host/HostIDs.h"
#include "host/HostRegistration.h"
#include "host/IDataBase.h"
#include "host/ISession.h"
#include "host/ISwatches.h"
#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {

constexpr ImplementationID kColorSwatchInfoImpl{0x3C60};
constexpr ImplementationID kColorDataImpl{0x3C61};
constexpr ImplementationID kSwatchRenderingImpl{0x3C62};
constexpr ImplementationID kSwatchListImpl{0x3C63};
constexpr ImplementationID kSwatchListChangesImpl{0x3C64};
constexpr ImplementationID kColorUtilsImpl{0x3C65};
constexpr ImplementationID kSwatchUtilsImpl{0x3C66};

class ColorSwatchInfoImpl : public CPMUnknown<IColorSwatchInfo> {
 public:
  using CPMUnknown::CPMUnknown;
  void SetSwatchName(const PMString& name) override { name_ = name; }
  const PMString& GetSwatchName() const override { return name_; }
  void SetEditable(bool16 editable) override { editable_ = editable != 0; }
  bool16 IsEditable() const override { return editable_ ? kTrue : kFalse; }
  void SetDeletable(bool16 deletable) override { deletable_ = deletable != 0; }
  bool16 IsDeletable() const override { return deletable_ ? kTrue : kFalse; }
  void SetCreatorCode(int32 code) override { creator_ = code; }
  int32 GetCreatorCode() const override { return creator_; }

 private:
  PMString name_;
  bool editable_ = true;
  bool deletable_ = true;
  int32 creator_ = 0;
};

class ColorDataImpl : public CPMUnknown<IColorData> {
 public:
  using CPMUnknown::CPMUnknown;
  bool16 SetColorData(int32 colorSpace, const std::vector<double>& values) override {
    const int32 count = ColorSpaceComponentCount(colorSpace);
    if (count == 0 || static_cast<std::size_t>(count) != values.size()) return kFalse;
    for (const double v : values) {
      if (!std::isfinite(v)) return kFalse;
    }
    space_ = colorSpace;
    values_ = values;
    return kTrue;
  }
  bool16 HasColorData() const override { return space_ != kNoColorSpace ? kTrue : kFalse; }
  int32 GetColorSpace() const override { return space_; }
  const std::vector<double>& GetColorValues() const override { return values_; }

 private:
  int32 space_ = kNoColorSpace;
  std::vector<double> values_;
};

class SwatchRenderingImpl : public CPMUnknown<ISwatchRendering> {
 public:
  using CPMUnknown::CPMUnknown;
  void SetListedInPanel(bool16 listed) override { listed_ = listed != 0; }
  bool16 IsListedInPanel() const override { return listed_ ? kTrue : kFalse; }

 private:
  bool listed_ = false;
};

class SwatchListChangesImpl : public CPMUnknown<ISwatchListChanges> {
 public:
  using CPMUnknown::CPMUnknown;
  int32 GetChangeCount() const override { return count_; }
  UID GetLastAddedSwatch() const override { return last_; }
  void NoteSwatchAdded(UID swatch) override {
    ++count_;
    last_ = swatch;
  }

 private:
  int32 count_ = 0;
  UID last_ = kInvalidUID;
};

// One swatch of a new document's default set.
struct DefaultSwatch {
  const char* name;
  int32 space;  // kNoColorSpace for None
  std::vector<double> values;
  bool editable;
  bool deletable;
};

// None (no colour: text and frames with it are not painted), Paper (the
// colour of the medium), Black, Registration (prints on every separation),
// and the three process primaries. The first four are part of every
// document and cannot be deleted; only Paper and the primaries may be
// edited.
const std::vector<DefaultSwatch>& DefaultSwatches() {
  static const std::vector<DefaultSwatch> set = {
      {"None", kNoColorSpace, {}, false, false},
      {"Paper", kCMYKColorSpace, {0, 0, 0, 0}, true, false},
      {"Black", kCMYKColorSpace, {0, 0, 0, 1}, false, false},
      {"Registration", kCMYKColorSpace, {1, 1, 1, 1}, false, false},
      {"Cyan", kCMYKColorSpace, {1, 0, 0, 0}, true, true},
      {"Magenta", kCMYKColorSpace, {0, 1, 0, 0}, true, true},
      {"Yellow", kCMYKColorSpace, {0, 0, 1, 0}, true, true},
  };
  return set;
}

class SwatchListImpl : public CPMUnknown<ISwatchList> {
 public:
  using CPMUnknown::CPMUnknown;

  UIDRef FindSwatch(const PMString& name) override {
    EnsureDefaults();
    if (name.IsEmpty()) return UIDRef::gNull;
    const auto found = byName_.find(name.Units());
    return found == byName_.end() ? UIDRef::gNull : UIDRef(DataBase(), found->second);
  }

  UIDRef FindSwatchByValues(int32 colorSpace, const std::vector<double>& values) override {
    EnsureDefaults();
    const auto found = byValues_.find({colorSpace, values});
    return found == byValues_.end() ? UIDRef::gNull : UIDRef(DataBase(), found->second);
  }

  const std::vector<UID>& GetSwatches() override {
    EnsureDefaults();
    return swatches_;
  }

  bool16 AppendSwatch(UID swatch) override {
    EnsureDefaults();
    IDataBase* db = DataBase();
    if (!db || members_.count(swatch.Get()) != 0) return kFalse;
    InterfacePtr<IColorSwatchInfo> info(db, swatch, UseDefaultIID());
    InterfacePtr<IColorData> color(db, swatch, UseDefaultIID());
    if (!info || !color || GetClass(info.get()) != kColorSwatchBoss || !color->HasColorData()) return kFalse;
    if (!info->GetSwatchName().IsEmpty() && FindSwatch(info->GetSwatchName()) != UIDRef::gNull) return kFalse;
    Add(swatch, *info, *color);
    InterfacePtr<ISwatchListChanges> changes(this, UseDefaultIID());
    if (changes) changes->NoteSwatchAdded(swatch);
    return kTrue;
  }

 private:
  IDataBase* DataBase() const { return GetUIDRef(this).GetDataBase(); }

  // Appends the swatch and indexes it by name and by colour, so that the
  // lookups cost the same however many swatches a document has. The first
  // swatch of a name or colour is the one found.
  void Add(UID swatch, const IColorSwatchInfo& info, const IColorData& color) {
    swatches_.push_back(swatch);
    members_.insert(swatch.Get());
    if (!info.GetSwatchName().IsEmpty()) byName_.emplace(info.GetSwatchName().Units(), swatch);
    if (color.HasColorData()) byValues_.emplace(std::make_pair(color.GetColorSpace(), color.GetColorValues()), swatch);
  }

  // A list of a workspace outside any database has nowhere to keep swatches
  // and stays empty.
  void EnsureDefaults() {
    if (defaultsMade_) return;
    IDataBase* db = DataBase();
    if (!db) return;
    defaultsMade_ = true;
    for (const DefaultSwatch& d : DefaultSwatches()) {
      const UID uid = db->NewObject(kColorSwatchBoss);
      InterfacePtr<IColorSwatchInfo> info(db, uid, UseDefaultIID());
      InterfacePtr<IColorData> color(db, uid, UseDefaultIID());
      InterfacePtr<ISwatchRendering> rendering(db, uid, UseDefaultIID());
      if (!info || !color || !rendering) continue;
      info->SetSwatchName(PMString(d.name));
      info->SetEditable(d.editable ? kTrue : kFalse);
      info->SetDeletable(d.deletable ? kTrue : kFalse);
      if (d.space != kNoColorSpace) color->SetColorData(d.space, d.values);
      rendering->SetListedInPanel(kTrue);
      Add(uid, *info, *color);
    }
  }

  std::vector<UID> swatches_;
  std::unordered_set<uint32> members_;
  std::unordered_map<std::u16string, UID> byName_;
  std::map<std::pair<int32, std::vector<double>>, UID> byValues_;
  bool defaultsMade_ = false;
};

class ColorUtilsImpl : public CPMUnknown<IColorUtils> {
 public:
  using CPMUnknown::CPMUnknown;
  IPMUnknown* CreateColor(ClassID classID, int32) const override {
    if (classID != kColorSwatchBoss) return nullptr;
    return CreateObject<IColorSwatchInfo>(classID);
  }
};

class SwatchUtilsImpl : public CPMUnknown<ISwatchUtils> {
 public:
  using CPMUnknown::CPMUnknown;

  ISwatchList* QueryActiveSwatchList(IPMUnknown*) const override {
    ISession* session = GetExecutionContextSession();
    IActiveContext* context = session ? session->GetActiveContext() : nullptr;
    IWorkspace* workspace = context ? context->GetContextWorkspace() : nullptr;
    return workspace ? static_cast<ISwatchList*>(workspace->QueryInterface(IID_ISWATCHLIST)) : nullptr;
  }

  UID AddSwatch(ClassID classID, IPMUnknown* colorObject, IPMUnknown* listInterface, int32, int32) const override {
    if (classID != kColorSwatchBoss) return kInvalidUID;
    InterfacePtr<IColorSwatchInfo> info(colorObject, UseDefaultIID());
    InterfacePtr<IColorData> color(colorObject, UseDefaultIID());
    InterfacePtr<ISwatchRendering> rendering(colorObject, UseDefaultIID());
    InterfacePtr<ISwatchList> list(listInterface, UseDefaultIID());
    if (!info || !color || !rendering || !list || !color->HasColorData()) return kInvalidUID;
    IDataBase* db = GetUIDRef(list.get()).GetDataBase();
    if (!db) return kInvalidUID;
    if (!info->GetSwatchName().IsEmpty() && list->FindSwatch(info->GetSwatchName()) != UIDRef::gNull) {
      return kInvalidUID;
    }

    const UID swatch = db->NewObject(classID);
    InterfacePtr<IColorSwatchInfo> newInfo(db, swatch, UseDefaultIID());
    InterfacePtr<IColorData> newColor(db, swatch, UseDefaultIID());
    InterfacePtr<ISwatchRendering> newRendering(db, swatch, UseDefaultIID());
    const bool made = newInfo && newColor && newRendering &&
                      newColor->SetColorData(color->GetColorSpace(), color->GetColorValues());
    if (made) {
      newInfo->SetSwatchName(info->GetSwatchName());
      newInfo->SetEditable(info->IsEditable());
      newInfo->SetDeletable(info->IsDeletable());
      newInfo->SetCreatorCode(info->GetCreatorCode());
      newRendering->SetListedInPanel(rendering->IsListedInPanel());
    }
    if (!made || !list->AppendSwatch(swatch)) {
      db->DeleteUID(swatch);
      return kInvalidUID;
    }
    return swatch;
  }
};

}  // namespace

int32 ColorSpaceComponentCount(int32 colorSpace) {
  switch (colorSpace) {
    case kCMYKColorSpace:
      return 4;
    case kRGBColorSpace:
    case kLabColorSpace:
      return 3;
    default:
      return 0;
  }
}

std::optional<SwatchDescription> DescribeSwatch(IDataBase* db, UID swatch) {
  if (!db) return std::nullopt;
  InterfacePtr<IColorSwatchInfo> info(db, swatch, UseDefaultIID());
  InterfacePtr<IColorData> color(db, swatch, UseDefaultIID());
  if (!info || !color) return std::nullopt;
  SwatchDescription out{info->GetSwatchName().GetUTF8String(), "None", {}};
  switch (color->GetColorSpace()) {
    case kCMYKColorSpace:
      out.model = "CMYK";
      break;
    case kRGBColorSpace:
      out.model = "RGB";
      break;
    case kLabColorSpace:
      out.model = "Lab";
      break;
    default:
      return out;
  }
  out.values = color->GetColorValues();
  return out;
}

void RegisterSwatchClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<ColorSwatchInfoImpl>(kColorSwatchInfoImpl));
  model.InstallImplementation(MakeFactory<ColorDataImpl>(kColorDataImpl));
  model.InstallImplementation(MakeFactory<SwatchRenderingImpl>(kSwatchRenderingImpl));
  model.InstallImplementation(MakeFactory<SwatchListImpl>(kSwatchListImpl));
  model.InstallImplementation(MakeFactory<SwatchListChangesImpl>(kSwatchListChangesImpl));
  model.InstallImplementation(MakeFactory<ColorUtilsImpl>(kColorUtilsImpl));
  model.InstallImplementation(MakeFactory<SwatchUtilsImpl>(kSwatchUtilsImpl));
  model.DefineClass(kColorSwatchBoss, kInvalidClass,
                    {{IID_ICOLORSWATCHINFO, kColorSwatchInfoImpl},
                     {IID_ICOLORDATA, kColorDataImpl},
                     {IID_ISWATCHRENDERING, kSwatchRenderingImpl}});
  model.AddIn(kDocWorkspaceBoss, {IID_ISWATCHLIST, kSwatchListImpl});
  model.AddIn(kDocWorkspaceBoss, {IID_ISWATCHLISTCHANGES, kSwatchListChangesImpl});
  model.AddIn(kUtilsBoss, {IID_ICOLORUTILS, kColorUtilsImpl});
  model.AddIn(kUtilsBoss, {IID_ISWATCHUTILS, kSwatchUtilsImpl});
}
