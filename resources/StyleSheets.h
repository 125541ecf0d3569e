// Style-table operations of the import: finding, creating and applying
// character and paragraph styles.
#pragma once

#include "host/AttributeBossList.h"
#include "host/IDocument.h"
#include "host/ITextModel.h"
#include "host/PMString.h"
#include "resources/StyleKind.h"

// Finds a style by name in the kind's table of the workspace; an empty name
// finds the table's name-less root style. Returns 1 when the workspace has no
// such table, else 0 with the style's UID (kInvalidUID when there is none)
// in *result.
int32 FindStyleByName(const UIDRef& workspaceRef, const PMString& name, UID* result, StyleKind kind);

// Creates a style through the host's create-style command; the host's error
// code (0 success). Callers look the style up again rather than trusting it.
ErrorCode CreateStyle(const PMString& name, IWorkspace* workspace, const AttributeBossList* attributes, StyleKind kind,
                      UID basedOn);

// The style of the name, created empty (based on "Normal", or "_Normal")
// when the kind's table lacks it; kInvalidUID when it is neither found nor
// made. Always returns 0.
int32 GetOrCreateStyle(StyleKind kind, const WideString& name, UID* result, IDocument* document,
                       IWorkspace* workspace);

// Applies the style at the insertion point (the story's last index) with the
// host's apply-style command. False when the host gave no command.
bool ApplyStyleAtEnd(ITextModelCmds* textCmds, ITextModel* textModel, UID style, StyleKind kind, bool16 clearOverrides,
                     bool16 clearOtherOverrides, bool16 joinPrevious);
