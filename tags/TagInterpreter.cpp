// TextScanner::TagInterpreter: reads the elements of one tag and hands each
// to its handler.
#include "host/HostIDs.h"
#include "host/ISession.h"
#include "import/TextScanner.h"
#include "resources/Diagnostics.h"
#include "tags/TagContext.h"
#include "tags/TagHandlers.h"
#include "tags/TagReader.h"

void TextScanner::TagInterpreter(const WideString& tagText, ITextModel* textModel, SharedAttributeList attributeList,
                                 int32 applyFlag, IDocument* document, IWorkspace* workspace) {
  TagReader reader;
  ISession* session = GetExecutionContextSession();
  if (!session || !session->GetActiveContext() || !textModel) return;
  InterfacePtr<ITextModelCmds> textCmds(textModel, UseDefaultIID());
  if (!textCmds) {
    WriteDiagnostic("no commands\n");
    return;
  }
  InterfacePtr<IAttributeStrand> charStrand(
      static_cast<IAttributeStrand*>(textModel->QueryStrand(kCharAttrStrandBoss, IID_IATTRIBUTESTRAND)));
  if (!charStrand) {
    WriteDiagnostic("no strand\n");
    return;
  }

  TagContext context{textModel, textCmds.get(), charStrand.get(), std::move(attributeList), applyFlag, document,
                     workspace};
  reader.SetText(tagText);
  for (TagCode code = reader.NextTag(); code != End; code = reader.NextTag()) {
    // A list made here lives for this tag only.
    if (!context.attributeList) context.attributeList = MakeEmptyAttributeList();
    switch (code) {
      case SpecialChar:
        InsertSpecialCharacter(reader.charArgument, context);
        break;
      default:
        HandleFormattingElement(code, reader, context);
        break;
    }
  }
}
