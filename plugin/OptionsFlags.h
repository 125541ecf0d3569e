// The options dialog's two process-wide flags, read by the import. They are
// not stored anywhere and are lost when the host quits.
#pragma once

// The last options dialog was closed with OK (the import sets it before it
// decides whether to show the dialog).
inline bool gOptionsDialogAccepted = false;
// "Force MacCE encoding" was ticked when the dialog was last closed with OK.
inline bool gForceMacCEEncoding = false;
