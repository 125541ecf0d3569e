#include "resources/FontLookup.h"

#include "host/IFonts.h"
#include "host/ISession.h"
#include "host/ITextUtils.h"
#include "host/InterfacePtr.h"
#include "host/UtilsBoss.h"
#include "resources/Diagnostics.h"

namespace {

IFontMgr* QueryFontManager() {
  ISession* session = GetExecutionContextSession();
  InterfacePtr<IPMUnknown> application(session ? session->QueryApplication() : nullptr);
  return static_cast<IFontMgr*>(application ? application->QueryInterface(IID_IFONTMGR) : nullptr);
}

IDocFontList* QueryDocFontList(IDataBase* database) {
  if (!database) return nullptr;
  InterfacePtr<IFontListOwner> owner(database, database->GetRootUID(), UseDefaultIID());
  if (!owner) return nullptr;
  return static_cast<IDocFontList*>(owner->GetFontListRef().Instantiate(IID_IDOCFONTLIST));
}

}  // namespace

UID FindFontFamily(const PMString& name, IDataBase* database) {
  UID result = kInvalidUID;
  {
    InterfacePtr<IFontMgr> fonts(QueryFontManager());
    if (fonts) {
      InterfacePtr<IDocFontList> documentFonts(QueryDocFontList(database));
      if (documentFonts) result = documentFonts->FindFamily(name, 0);
      if (result != kInvalidUID) return result;
    }
  }
  InterfacePtr<IDocFontList> documentFonts(QueryDocFontList(database));
  InterfacePtr<IFontMgr> fonts(QueryFontManager());
  if (!documentFonts || !fonts) return result;
  for (int32 group = 0; group < fonts->CountFontGroups(); ++group) {
    InterfacePtr<IFontGroup> fontGroup(fonts->QueryFontGroup(group));
    if (!fontGroup) continue;
    (void)fontGroup->GetFamilyName();
    const int32 faces = fontGroup->CountFaces();
    for (int32 face = 0; face < faces; ++face) {
      InterfacePtr<IPMFont> font(fonts->QueryFont(group, face, 0, 0.7, 0));
      if (!font) continue;
      // The names in the order they are compared: full name, PostScript
      // name, family name, style name.
      const PMString names[] = {font->GetFullName(), font->GetPostScriptName(), font->GetFamilyName(),
                                font->GetStyleName()};
      for (const PMString& candidate : names) {
        if (name.Compare(kTrue, candidate) == 0) return documentFonts->GetFamilyUID(font.get(), kTrue);
      }
    }
  }
  return result;
}

PMString FindFaceName(const PMString& familyName, int32 kind, IDataBase* database) {
  const UID familyUID = FindFontFamily(familyName, database);
  if (familyUID == kInvalidUID) {
    WriteDiagnostic("Could not get the UID of font \"%s\".", familyName.GetUTF8String().c_str());
    return PMString();
  }
  InterfacePtr<IFontFamily> family(database, familyUID, UseDefaultIID());
  InterfacePtr<ITextUtils> utils(UtilsBoss::QueryUtils<ITextUtils>());
  if (!family || !utils) return PMString();
  const int32 faces = family->CountFaces(0);
  for (int32 i = 0; i < faces; ++i) {
    const PMString face = family->GetFaceName(i);
    bool16 matches = kFalse;
    switch (kind) {
      case kPlainFace: matches = utils->IsPlainFace(face); break;
      case kItalicFace: matches = utils->IsItalicFace(face); break;
      case kBoldFace: matches = utils->IsBoldFace(face); break;
      case kBoldItalicFace: matches = utils->IsBoldItalicFace(face); break;
      default: break;
    }
    if (matches) return face;
  }
  return PMString();
}

PMString FaceNameAtEnd(ITextModel* textModel) {
  PMString face;
  InterfacePtr<ITextAttributeReport> report(textModel, UseDefaultIID());
  if (!report) return face;
  if (!report->GetFontAt(textModel->TotalLength() - 1, &face, nullptr, nullptr)) return PMString();
  return face;
}
