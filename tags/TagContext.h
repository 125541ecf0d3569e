// What every tag handler works with during one TagInterpreter call: the
// story, its commands and character strand, the attribute list the elements
// add to, the mode, and the active document.
#pragma once

#include "host/IDocument.h"
#include "host/ITextModel.h"
#include "resources/SharedHandles.h"

struct TagContext {
  ITextModel* textModel;
  ITextModelCmds* textCmds;
  IAttributeStrand* charStrand;
  // The list the elements add to; always holds a list while a handler runs.
  SharedAttributeList attributeList;
  // 1: running text, every change goes to the end of the story at once;
  // 0: attributes are only collected into the list (style definitions).
  int32 applyFlag;
  IDocument* document;
  IWorkspace* workspace;
};
