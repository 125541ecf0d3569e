// Applying attributes at the insertion point (the story's last index, where
// the next text goes). The host applies attributes to ranges of text, so
// each operation inserts a placeholder character there, changes it, and
// deletes it again: what the placeholder carried stays at the insertion
// point for the text that follows.
//
// With applyFlag 0 (attributes only being collected, as in a style
// definition) the operations change nothing and return 0.
#pragma once

#include "host/ITextModel.h"
#include "resources/SharedHandles.h"

// Applies the list; on success empties it and returns 0, otherwise returns
// the failure and keeps the list.
int32 ApplyAttributesAtEnd(ITextModel* textModel, const SharedAttributeList& attributes, ClassID strategy,
                           int32 applyFlag);

// Removes the local overrides of the list's classes. On success the list,
// and the running text's collected attributes (runningAttributes), are emptied.
int32 ClearOverridesAtEnd(ITextModel* textModel, const SharedAttributeList& attributes,
                          const SharedAttributeList& runningAttributes, int32 applyFlag);

// Removes the local character override of one class at the insertion point
// (every local character override with kInvalidClass). Returns 1 when the
// class was not overridden there.
int32 RevertOverridesAtEnd(ITextModel* textModel, IAttributeStrand* charStrand, ClassID classID,
                           const SharedAttributeList& runningAttributes, int32 applyFlag);
