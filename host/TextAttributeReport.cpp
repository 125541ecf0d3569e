// What is in force in a story's text, and a document's default text
// attributes.
#include <algorithm>
#include <optional>
#include <set>

#include "host/CPMUnknown.h"
#include "host/HostRegistration.h"
#include "host/IDataBase.h"
#include "host/IDocument.h"
#include "host/IFonts.h"
#include "host/ISession.h"
#include "host/IStyles.h"
#include "host/ITextModel.h"
#include "host/ObjectModel.h"
#include "host/TextAttributes.h"

namespace {

constexpr ImplementationID kTextAttributeReportImpl{0x3C30};
constexpr ImplementationID kTextDefaultsImpl{0x3C31};
constexpr ClassID kFontStyleAttribute{0x1B02};
constexpr ClassID kFontFamilyAttribute{0x1B2B};
constexpr ClassID kPointSizeAttribute{0x1B03};

class TextDefaultsImpl : public CPMUnknown<ITextDefaults> {
 public:
  using CPMUnknown::CPMUnknown;
  const std::vector<AttributeEntry>& GetCharacterDefaults() override {
    if (!made_) Make();
    return defaults_;
  }

 private:
  // Made on first use: the family joins the document's font list then.
  void Make() {
    made_ = true;
    InterfacePtr<IFontListOwner> owner(this, UseDefaultIID());
    InterfacePtr<IDocFontList> fonts(owner ? owner->GetFontListRef() : UIDRef::gNull, UseDefaultIID());
    const FontFaceName font = GetDefaultFontName();
    const UID family = fonts && !font.family.IsEmpty() ? fonts->FindFamily(font.family) : kInvalidUID;
    if (family != kInvalidUID) {
      defaults_.push_back({kFontStyleAttribute, font.face});
      defaults_.push_back({kFontFamilyAttribute, family});
    }
    defaults_.push_back({kPointSizeAttribute, 12.0});
    std::sort(defaults_.begin(), defaults_.end(), [](const auto& a, const auto& b) { return a.classID < b.classID; });
  }
  bool made_ = false;
  std::vector<AttributeEntry> defaults_;
};

const AttributeValue* FindIn(const std::vector<AttributeEntry>& entries, ClassID classID) {
  for (const auto& entry : entries) {
    if (entry.classID == classID) return &entry.value;
  }
  return nullptr;
}

class TextAttributeReportImpl : public CPMUnknown<ITextAttributeReport> {
 public:
  using CPMUnknown::CPMUnknown;

  bool16 GetFontAt(TextIndex position, PMString* faceName, IPMFont** font, UID* family) const override {
    const auto face = ValueAt(position, kFontStyleAttribute);
    const auto familyUID = ValueAt(position, kFontFamilyAttribute);
    if (!face || !familyUID) return kFalse;
    const PMString* faceText = std::get_if<PMString>(&*face);
    const UID* familyValue = std::get_if<UID>(&*familyUID);
    if (faceName) *faceName = faceText ? *faceText : PMString();
    if (family) *family = familyValue ? *familyValue : kInvalidUID;
    if (font) {
      *font = nullptr;
      InterfacePtr<IFontFamily> familyObject(GetUIDRef(this).GetDataBase(), familyValue ? *familyValue : kInvalidUID,
                                             UseDefaultIID());
      InterfacePtr<IPMUnknown> application(GetExecutionContextSession()->QueryApplication());
      InterfacePtr<IFontMgr> fonts(application.get(), UseDefaultIID());
      if (familyObject && fonts && faceText) {
        *font = fonts->QueryFontByName(familyObject->GetFamilyName(), *faceText);
        if (!*font) *font = fonts->QueryMissingFont(familyObject->GetFamilyName(), *faceText);
      }
    }
    return kTrue;
  }

  IPMUnknown* QueryAttributeAt(TextIndex start, TextIndex, ClassID attributeClass) const override {
    const TextAttributeClass* row = TextAttributeClasses::Find(attributeClass);
    if (!row) return nullptr;
    const auto value = ValueAt(start, attributeClass);
    if (!value) return nullptr;
    return TextAttributeClasses::Create(attributeClass, *value);
  }

 private:
  // The value in force, or nothing for a position outside the text. A class
  // that nothing sets has its kind's default value.
  std::optional<AttributeValue> ValueAt(TextIndex position, ClassID classID) const {
    InterfacePtr<ITextModel> model(this, UseDefaultIID());
    const TextAttributeClass* row = TextAttributeClasses::Find(classID);
    if (!model || !row) return std::nullopt;
    const StoryText& text = model->GetStoryText();
    if (position < 0 || position >= text.TotalLength()) return std::nullopt;
    IDataBase* db = GetUIDRef(this).GetDataBase();

    RunAttributes attributes;
    if (row->strand == AttributeStrand::kParagraph) {
      attributes = text.ParagraphAttributesAt(position);
    } else if (position == text.TotalLength() - 1) {
      attributes = text.InsertionAttributesAt(position);
    } else {
      attributes = text.CharacterAttributesAt(position);
    }
    if (const AttributeValue* local = attributes.overrides->Find(classID)) return *local;

    // The style and the styles it is based on; a based-on cycle ends the walk.
    std::set<UID> visited;
    for (UID style = attributes.style; style != kInvalidUID && visited.insert(style).second;) {
      InterfacePtr<IStyleAttributes> styleAttributes(db, style, UseDefaultIID());
      InterfacePtr<IStyleInfo> info(db, style, UseDefaultIID());
      if (!styleAttributes || !info) break;
      if (const AttributeValue* value = FindIn(styleAttributes->GetAttributes(), classID)) return *value;
      style = info->GetBasedOn();
    }
    if (row->strand == AttributeStrand::kCharacter) {
      InterfacePtr<ITextDefaults> defaults(db, db->GetRootUID(), UseDefaultIID());
      if (defaults) {
        if (const AttributeValue* value = FindIn(defaults->GetCharacterDefaults(), classID)) return *value;
      }
    }
    return DefaultValueOf(row->kind);
  }
};

}  // namespace

void RegisterTextAttributeReport(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<TextAttributeReportImpl>(kTextAttributeReportImpl));
  model.InstallImplementation(MakeFactory<TextDefaultsImpl>(kTextDefaultsImpl));
  model.AddIn(kTextStoryBoss, {IID_ITEXTATTRIBUTEREPORT, kTextAttributeReportImpl});
  model.AddIn(kDocBoss, {IID_ITEXTDEFAULTS, kTextDefaultsImpl});
}
