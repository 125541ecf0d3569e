// Style sheets: the style-table operations, the default "Normal" styles, and
// the character- and paragraph-style definitions of the input
// ("@name=<attributes>" and "@name=[S"first","second","third"]<attributes>").
#include "resources/StyleSheets.h"

#include "host/CmdUtils.h"
#include "host/IStyles.h"
#include "host/ObjectModel.h"
#include "import/TextScanner.h"
#include "resources/Diagnostics.h"

namespace {

constexpr UTF16TextChar kCR = u'\r';
constexpr UTF16TextChar kLF = u'\n';

}  // namespace

int32 FindStyleByName(const UIDRef& workspaceRef, const PMString& name, UID* result, StyleKind kind) {
  UID found = kInvalidUID;
  if (result) *result = kInvalidUID;
  InterfacePtr<IStyleTable> table(workspaceRef, StyleTableInterface(kind));
  if (!table) return 1;
  found = name.IsEmpty() ? table->GetDefaultStyleUID() : table->FindByName(name);
  if (result) *result = found;
  return 0;
}

ErrorCode CreateStyle(const PMString& name, IWorkspace* workspace, const AttributeBossList* attributes, StyleKind kind,
                      UID basedOn) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(CreateStyleCommandClass(kind)));
  if (!command) return kFailure;
  command->SetItemList(UIDList(GetUIDRef(workspace)));
  InterfacePtr<IStyleInfo> info(command.get(), UseDefaultIID());
  InterfacePtr<IStyleAttributes> styleAttributes(command.get(), UseDefaultIID());
  if (!info || !styleAttributes) return kFailure;
  info->SetBasedOn(basedOn);
  info->SetNextStyle(kInvalidUID);
  info->SetName(name, 0);
  info->SetIsParagraphStyle(kind == StyleKind::kParagraph ? kTrue : kFalse);
  info->SetKeyboardShortcut(0);
  styleAttributes->ClearAttributes();
  styleAttributes->ApplyAttributes(attributes);
  return CmdUtils::ProcessCommand(command.get());
}

int32 GetOrCreateStyle(StyleKind kind, const WideString& wideName, UID* result, IDocument* document,
                       IWorkspace* workspace) {
  const PMString name(wideName);
  UID style = kInvalidUID;
  if (result) *result = kInvalidUID;
  if (!document) return 0;
  const UIDRef workspaceRef = document->GetDocWorkSpace();
  FindStyleByName(workspaceRef, name, &style, kind);
  if (style == kInvalidUID) {
    // A new style is based on "Normal" of the same kind, or "_Normal".
    UID basedOn = kInvalidUID;
    if (FindStyleByName(workspaceRef, PMString("Normal"), &basedOn, kind) != 0) {
      WriteDiagnostic("Could not get paragraph style named \"%s\".\n", "Normal");
    }
    if (basedOn == kInvalidUID && FindStyleByName(workspaceRef, PMString("_Normal"), &basedOn, kind) != 0) {
      WriteDiagnostic("Could not get paragraph style named \"%s\".\n", "_Normal");
      return 0;
    }
    const AttributeBossList empty;
    (void)CreateStyle(name, workspace, &empty, kind, basedOn);
    if (FindStyleByName(workspaceRef, name, &style, kind) != 0) {
      WriteDiagnostic("Could not get the newly created style named \"%s\".\n", name.GetUTF8String().c_str());
    }
  }
  if (result) *result = style;
  return 0;
}

bool ApplyStyleAtEnd(ITextModelCmds* textCmds, ITextModel* textModel, UID style, StyleKind kind, bool16 clearOverrides,
                     bool16 clearOtherOverrides, bool16 joinPrevious) {
  if (!textCmds || !textModel) return false;
  InterfacePtr<ICommand> apply(textCmds->ApplyStyleCmd(textModel->TotalLength() - 1, 0, style,
                                                       ApplyStrategyClass(kind), clearOverrides, clearOtherOverrides,
                                                       joinPrevious));
  if (!apply) return false;
  (void)CmdUtils::ProcessCommand(apply.get());
  return true;
}

UID TextScanner::LookUpStyle(StyleKind kind, const PMString& name, int32* status) {
  UID style = kInvalidUID;
  const int32 result = FindStyleByName(scan.document->GetDocWorkSpace(), name, &style, kind);
  if (status) *status = result;
  return style;
}

WideString TextScanner::ReadUpTo(int32& pos, UTF16TextChar closing) const {
  const int32 n = scan.input.Length();
  WideString text;
  for (; pos < n && scan.input[pos] != closing; ++pos) {
    if (scan.input[pos] == u'\\' && ++pos >= n) break;
    text.Append(scan.input[pos]);
  }
  return text;
}

bool TextScanner::EnsureDefaultStyles() {
  const PMString normal("Normal");
  for (const StyleKind kind : {StyleKind::kCharacter, StyleKind::kParagraph}) {
    const bool seen = kind == StyleKind::kCharacter ? scan.charDefinitionsSeen : scan.paraDefinitionsSeen;
    if (seen || LookUpStyle(kind, normal) != kInvalidUID) continue;
    const SharedAttributeList attributes = MakeEmptyAttributeList();
    createdStyleNames.push_back(normal);
    createdStyleAttributes.push_back(attributes);
    (void)CreateStyle(normal, scan.workspace, attributes.get(), kind, kInvalidUID);
  }
  if (scan.paraDefinitionsSeen) return false;
  const UID paragraphNormal = LookUpStyle(StyleKind::kParagraph, normal);
  if (paragraphNormal == kInvalidUID) {
    WriteDiagnostic("No such para style as Normal!\n");
    return false;
  }
  return !ApplyStyleAtEnd(scan.textCmds.get(), scan.textModel.get(), paragraphNormal, StyleKind::kParagraph, kTrue,
                          kFalse, kTrue);
}

TextScanner::ConstructResult TextScanner::DefineCharacterStyle(const WideString& wideName, int32 pos) {
  const PMString name(wideName);
  const WideString attributeText = ReadUpTo(pos, u'>');  // begins with the '<'
  if (LookUpStyle(StyleKind::kCharacter, name) == kInvalidUID) {
    const SharedAttributeList attributes = MakeEmptyAttributeList();
    TagInterpreter(attributeText, scan.textModel.get(), attributes, 0, scan.document, scan.workspace);
    createdStyleNames.push_back(name);
    createdStyleAttributes.push_back(attributes);
    (void)CreateStyle(name, scan.workspace, attributes.get(), StyleKind::kCharacter, kInvalidUID);
  } else {
    existingCharStyleNames.push_back(name);
  }
  if (InputAt(pos + 1) == kCR || InputAt(pos + 1) == kLF) ++pos;

  int32 status = 0;
  const UID style = LookUpStyle(StyleKind::kCharacter, name, &status);
  if (status != 0) {
    WriteDiagnostic("Could not get the newly created character style named \"%s\".\n",
                    name.GetUTF8String().c_str());
    return {pos, true};
  }
  if (style == kInvalidUID) return {pos, false};
  const bool applied = ApplyStyleAtEnd(scan.textCmds.get(), scan.textModel.get(), style, StyleKind::kCharacter, kTrue,
                                       kFalse, kTrue);
  return {pos, !applied};
}

TextScanner::ConstructResult TextScanner::DefineParagraphStyle(const WideString& wideName, int32 pos) {
  const PMString name(wideName);
  ++pos;  // past the '['
  const WideString bracketText = ReadUpTo(pos, u']');

  // The quoted names: first and second paragraph style, then the character
  // style whose attributes the new style takes. Everything outside quotes is
  // ignored; a backslash inside quotes keeps the character after it.
  WideString quoted[3];
  int32 found = 0;
  for (int32 i = 0; i < bracketText.Length(); ++i) {
    if (bracketText[i] != u'"') continue;
    WideString current;
    for (++i; i < bracketText.Length() && bracketText[i] != u'"'; ++i) {
      if (bracketText[i] == u'\\' && ++i >= bracketText.Length()) break;
      current.Append(bracketText[i]);
    }
    if (found < 3) quoted[found++] = current;
  }
  const PMString characterStyleName(quoted[2]);

  WideString attributeText;
  if (InputAt(pos + 1) == u'<') {
    pos += 2;
    attributeText = ReadUpTo(pos, u'>');
  }

  if (LookUpStyle(StyleKind::kParagraph, name) != kInvalidUID) {
    existingParaStyleNames.push_back(name);
    WriteDiagnostic("Para style with name \"%s\" already exist. Will not change.\n", name.GetUTF8String().c_str());
  } else {
    const SharedAttributeList attributes = MakeEmptyAttributeList();
    const int32 registered = characterStyleName.IsEmpty() ? -1 : createdStyleNames.Find(characterStyleName);
    if (registered >= 0) {
      const std::unique_ptr<AttributeBossList> inherited(
          createdStyleAttributes[static_cast<std::size_t>(registered)]->Duplicate());
      attributes->ApplyAttributes(inherited.get());
    }
    TagInterpreter(attributeText, scan.textModel.get(), attributes, 0, scan.document, scan.workspace);
    const UID basedOn = LookUpStyle(StyleKind::kParagraph, PMString());
    (void)CreateStyle(name, scan.workspace, attributes.get(), StyleKind::kParagraph, basedOn);
  }
  if (InputAt(pos + 1) == kCR || InputAt(pos + 1) == kLF) ++pos;
  return {pos, false};
}
