// Special characters: a backslash element inside a tag stands for one
// character (a special space, dash or break, or one of the characters the
// input's syntax reserves). It is inserted where the scan loop inserts text,
// in running text and in style definitions alike.
#include "host/CmdUtils.h"
#include "resources/TextUtilities.h"
#include "tags/TagHandlers.h"

void InsertSpecialCharacter(UTF16TextChar ch, const TagContext& context) {
  WideString text;
  AppendChar(text, ch);
  const SharedText handle = MakeCounted<WideString>(text);
  InterfacePtr<ICommand> insert(context.textCmds->InsertCmd(context.textModel->TotalLength() - 1, handle, 0));
  if (insert) (void)CmdUtils::ProcessCommand(insert.get());
}
