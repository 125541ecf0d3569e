// Style application at the insertion point: the placeholder operations and
// "@name:", which applies a paragraph style by name.
#include "resources/StyleApplication.h"

#include <optional>

#include "host/CmdUtils.h"
#include "host/HostIDs.h"
#include "host/ObjectModel.h"
#include "host/TextAttributes.h"
#include "import/TextScanner.h"
#include "resources/Diagnostics.h"
#include "resources/StyleSheets.h"

namespace {

constexpr ClassID kCharacterStrategy{0x235};
constexpr ClassID kFontFamilyAttribute{0x1B2B};

// The placeholder's life: inserted at the insertion point on construction,
// removed on destruction. Removal goes through the host's delete command;
// when the host gives none, the placeholder is deleted directly, so it never
// stays in the story.
class Placeholder {
 public:
  Placeholder(ITextModel* textModel, ITextModelCmds* textCmds) : textModel_(textModel), textCmds_(textCmds) {
    textModel_->Insert(textModel_->TotalLength() - 1, WideString(std::u16string(1, u'd')));
    at_ = textModel_->TotalLength() - 2;
  }
  ~Placeholder() {
    if (!removed_) textModel_->Delete(at_, 1);
  }
  Placeholder(const Placeholder&) = delete;
  Placeholder& operator=(const Placeholder&) = delete;

  TextIndex At() const { return at_; }
  // Deletes the placeholder with the host's command; the command's result,
  // or none when the host gave no command (the destructor then removes it).
  std::optional<ErrorCode> DeleteWithCommand() {
    InterfacePtr<ICommand> remove(textCmds_->DeleteCmd(at_, 1));
    if (!remove) return std::nullopt;
    const ErrorCode result = CmdUtils::ProcessCommand(remove.get());
    removed_ = result == kSuccess;
    return result;
  }

 private:
  ITextModel* textModel_;
  ITextModelCmds* textCmds_;
  TextIndex at_;
  bool removed_ = false;
};

}  // namespace

int32 ApplyAttributesAtEnd(ITextModel* textModel, const SharedAttributeList& attributes, ClassID strategy,
                           int32 applyFlag) {
  if (!applyFlag) return 0;
  InterfacePtr<ITextModelCmds> textCmds(textModel, UseDefaultIID());
  if (!textCmds) return 1;
  Placeholder placeholder(textModel, textCmds.get());
  InterfacePtr<ICommand> apply(textCmds->ApplyCmd(placeholder.At(), 1, attributes, strategy));
  if (!apply) return 1;
  const ErrorCode result = CmdUtils::ProcessCommand(apply.get());
  (void)placeholder.DeleteWithCommand();
  if (result != kSuccess) return result;
  attributes->ClearAllOverrides();
  return 0;
}

int32 ClearOverridesAtEnd(ITextModel* textModel, const SharedAttributeList& attributes,
                          const SharedAttributeList& runningAttributes, int32 applyFlag) {
  if (!applyFlag) return 0;
  InterfacePtr<ITextModelCmds> textCmds(textModel, UseDefaultIID());
  if (!textCmds) return 1;
  Placeholder placeholder(textModel, textCmds.get());
  InterfacePtr<ICommand> clear(textCmds->ClearOverridesCmd(placeholder.At(), 1, attributes, kCharacterStrategy));
  if (!clear) return 1;
  const ErrorCode cleared = CmdUtils::ProcessCommand(clear.get());
  if (cleared == kSuccess && runningAttributes) runningAttributes->ClearAllOverrides();
  const std::optional<ErrorCode> deleted = placeholder.DeleteWithCommand();
  if (!deleted) return cleared;
  attributes->ClearAllOverrides();
  return *deleted;
}

int32 RevertOverridesAtEnd(ITextModel* textModel, IAttributeStrand* charStrand, ClassID classID,
                           const SharedAttributeList& runningAttributes, int32 applyFlag) {
  if (!applyFlag) return 0;
  const SharedAttributeList overridden = MakeEmptyAttributeList();
  int32 count = 0;
  const std::unique_ptr<AttributeBossList> atEnd =
      charStrand ? charStrand->GetLocalOverrides(textModel->TotalLength() - 1, &count, 0) : nullptr;
  if (atEnd && atEnd->CountBosses() > 0) overridden->ApplyAttributes(atEnd.get());

  if (classID == kInvalidClass) return ClearOverridesAtEnd(textModel, overridden, runningAttributes, applyFlag);
  if (!overridden->ContainsAttribute(classID)) return 1;
  InterfacePtr<IPMUnknown> attribute(overridden->QueryByClassID(classID, IID_IPMUNKNOWN));
  const SharedAttributeList single = MakeEmptyAttributeList();
  single->ApplyAttribute(attribute.get(), classID);
  return ClearOverridesAtEnd(textModel, single, runningAttributes, applyFlag);
}

bool TextScanner::ApplyParagraphStyleByName(WideString wideName) {
  if (wideName == WideString(std::u16string(u"$"))) wideName = WideString(std::u16string(u"Normal"));
  if (wideName.IsEmpty()) return true;
  const PMString name(wideName);

  int32 status = 0;
  UID style = LookUpStyle(StyleKind::kParagraph, name);
  if (style == kInvalidUID) {
    UID basedOn = LookUpStyle(StyleKind::kParagraph, PMString("Normal"), &status);
    if (status != 0) WriteDiagnostic("Could not get paragraph style named \"%s\".\n", "Normal");
    if (basedOn == kInvalidUID) {
      basedOn = LookUpStyle(StyleKind::kParagraph, PMString("_Normal"), &status);
      if (status != 0) {
        WriteDiagnostic("Could not get paragraph style named \"%s\".\n", "_Normal");
        return true;
      }
    }
    const AttributeBossList empty;
    (void)CreateStyle(name, scan.workspace, &empty, StyleKind::kParagraph, basedOn);
    style = LookUpStyle(StyleKind::kParagraph, name, &status);
    if (status != 0) {
      WriteDiagnostic("Could not get paragraph style named \"%s\".\n", name.GetUTF8String().c_str());
      return true;
    }
  }
  if (style == kInvalidUID) return false;

  // The new paragraph starts without a local font and in the named style.
  InterfacePtr<IPMUnknown> fontFamily(CreateObject(kFontFamilyAttribute, IID_ITEXTATTRUID));
  if (!fontFamily) return true;
  const SharedAttributeList fontOnly = MakeEmptyAttributeList();
  fontOnly->ApplyAttribute(fontFamily.get(), kFontFamilyAttribute);
  const TextIndex end = scan.textModel->TotalLength() - 1;
  InterfacePtr<ICommand> clear(scan.textCmds->ClearOverridesCmd(end, 0, fontOnly, kCharacterStrategy));
  if (!clear) {
    WriteDiagnostic("Could not get the ClearOverridesCmd command.\n");
    return true;
  }
  InterfacePtr<ICommand> apply(
      scan.textCmds->ApplyStyleCmd(end, 0, style, ApplyStrategyClass(StyleKind::kParagraph), kFalse, kFalse, kFalse));
  if (!apply) {
    WriteDiagnostic("Could not get the ApplyStyleCmd command.\n");
    return true;
  }
  (void)CmdUtils::ProcessCommand(clear.get());
  if (CmdUtils::ProcessCommand(apply.get()) != kSuccess) {
    WriteDiagnostic("Could not apply paragraph style named \"%s\".\n", name.GetUTF8String().c_str());
  }
  return false;
}
