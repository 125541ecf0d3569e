// Character attribute elements: type-style toggles, bold and italic through
// the current font's faces, font, colour, reverts and character styles.
#include "host/CmdUtils.h"
#include "host/IFonts.h"
#include "host/ObjectModel.h"
#include "import/TextScanner.h"
#include "resources/ColourSwatches.h"
#include "resources/Diagnostics.h"
#include "resources/FontLookup.h"
#include "resources/StyleApplication.h"
#include "resources/StyleSheets.h"
#include "tags/TagContext.h"
#include "tags/TextAttributeFactory.h"

namespace {

constexpr ClassID kCharacterStrategy{0x235};
constexpr ClassID kFontFamily{0x1B2B};
constexpr ClassID kFontFace{0x1B02};
constexpr ClassID kTextColour{0x1B01};
constexpr ClassID kHorizontalScale{0x1B06};
constexpr ClassID kVerticalScale{0x1B15};

}  // namespace

void TextScanner::ApplyToggle(TagContext& context, bool& nextOn, ClassID attributeClass, PMIID valueInterface,
                              int32 onValue) {
  const int32 value = nextOn ? onValue : 0;
  const bool added = valueInterface == IID_ITEXTATTRBOOLEAN
                         ? AddBooleanAttribute(context, attributeClass, value ? kTrue : kFalse)
                         : AddIntAttribute(context, attributeClass, valueInterface, value);
  if (!added) return;
  // A failed application keeps the state, so the next element of the kind
  // tries the same value again.
  if (ApplyListAtEnd(context, kCharacterStrategy) == 0) nextOn = !nextOn;
}

void TextScanner::ApplyFace(TagContext& context, bool bold) {
  const TextIndex last = context.textModel->TotalLength() - 1;
  PMString currentFace;
  IPMFont* fontOut = nullptr;
  UID familyUID = kInvalidUID;
  {
    InterfacePtr<ITextAttributeReport> report(context.textModel, UseDefaultIID());
    if (!report || !report->GetFontAt(last, &currentFace, &fontOut, &familyUID)) return;
  }
  InterfacePtr<IPMFont> font(fontOut);
  InterfacePtr<IFontFamily> family(database, familyUID, UseDefaultIID());
  if (!font || !family) return;

  const PMString familyName = font->GetFamilyName();
  const PMString plain = FindFaceName(familyName, kPlainFace, database);
  const PMString italic = FindFaceName(familyName, kItalicFace, database);
  const PMString boldFace = FindFaceName(familyName, kBoldFace, database);
  const PMString boldItalic = FindFaceName(familyName, kBoldItalicFace, database);
  const auto is = [&](const PMString& face) { return currentFace.Compare(kTrue, face) == 0; };
  PMString chosen;
  if (bold) {
    chosen = is(boldFace) ? plain : is(italic) ? boldItalic : boldFace;
  } else {
    chosen = is(italic) ? plain : is(boldFace) ? boldItalic : italic;
  }

  InterfacePtr<ITextAttributeReport> report(context.textModel, UseDefaultIID());
  InterfacePtr<IPMUnknown> existing(report ? report->QueryAttributeAt(last, last, kFontFace) : nullptr);
  InterfacePtr<IPMUnknown> faceValue(existing.get(), IID_ITEXTATTRFONT);
  if (!faceValue) return;
  if (AddStringAttribute(context, kFontFace, chosen)) (void)ApplyListAtEnd(context, kCharacterStrategy);
}

void TextScanner::ApplyFont(TagContext& context, const WideString& wideName) {
  const PMString name(wideName);
  if (missingFontNames.Find(name) >= 0) return;
  const UID family = FindFontFamily(name, database);
  if (family == kInvalidUID) {
    WriteDiagnostic("no such font name %s\n", name.GetUTF8String().c_str());
    missingFontNames.push_back(name);
    return;
  }
  if (AddUIDAttribute(context, kFontFamily, family)) (void)ApplyListAtEnd(context, kCharacterStrategy);
}

void TextScanner::ApplyColour(TagContext& context, const PMString& name) {
  const UID swatch = ResolveTagColour(name);
  if (swatch == kInvalidUID) return;
  if (!AddUIDAttribute(context, kTextColour, swatch)) {
    WriteDiagnostic("Could not create iTextAttrUID of kTextAttrColorBoss.\n");
    return;
  }
  (void)ApplyListAtEnd(context, kCharacterStrategy);
}

void TextScanner::RevertOverride(TagContext& context, ClassID attributeClass) {
  (void)RevertOverridesAtEnd(context.textModel, context.charStrand, attributeClass, currentAttributes,
                             context.applyFlag);
}

void TextScanner::RevertScale(TagContext& context) {
  // Both scale reverts revert the scale that was set last, and only when it
  // is overridden at the end of the story.
  const SharedAttributeList overridden = MakeEmptyAttributeList();
  int32 count = 0;
  const std::unique_ptr<AttributeBossList> atEnd =
      context.charStrand->GetLocalOverrides(context.textModel->TotalLength() - 1, &count, 0);
  if (atEnd && atEnd->CountBosses() > 0) overridden->ApplyAttributes(atEnd.get());
  if (!overridden->ContainsAttribute(kHorizontalScale) && !overridden->ContainsAttribute(kVerticalScale)) return;

  InterfacePtr<IPMUnknown> horizontal(overridden->QueryByClassID(kHorizontalScale, IID_IPMUNKNOWN));
  InterfacePtr<IPMUnknown> vertical(overridden->QueryByClassID(kVerticalScale, IID_IPMUNKNOWN));
  const SharedAttributeList toClear = MakeEmptyAttributeList();
  if (horizontal && scaleKind == 1) {
    toClear->ApplyAttribute(horizontal.get(), kHorizontalScale);
  } else if (vertical && scaleKind == 2) {
    toClear->ApplyAttribute(vertical.get(), kVerticalScale);
  }
  (void)ClearOverridesAtEnd(context.textModel, toClear, currentAttributes, context.applyFlag);
}

void TextScanner::ApplyCharacterStyle(TagContext& context, const WideString& name, bool rootStyle) {
  // Character styles act on the story at once, in running text and in
  // definitions alike, and leave the attribute list alone.
  UID style = kInvalidUID;
  if (rootStyle) {
    FindStyleByName(context.document->GetDocWorkSpace(), PMString(), &style, StyleKind::kCharacter);
  } else {
    GetOrCreateStyle(StyleKind::kCharacter, name, &style, context.document, context.workspace);
  }
  if (style == kInvalidUID) return;
  InterfacePtr<ICommand> apply(context.textCmds->ApplyStyleCmd(context.textModel->TotalLength() - 1, 0, style,
                                                               kCharacterStrategy, kTrue, kFalse, kFalse));
  if (!apply) {
    WriteDiagnostic("Could not get the ApplyStyleCmd command.\n");
    return;
  }
  if (CmdUtils::ProcessCommand(apply.get()) != kSuccess) {
    WriteDiagnostic("Could not apply character style named \"%s\".\n", PMString(name).GetUTF8String().c_str());
  }
}
