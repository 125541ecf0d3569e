#include "import/QXTImportProvider.h"

#include <memory>

#include "host/CmdUtils.h"
#include "host/IDataBase.h"
#include "host/ITextModel.h"
#include "import/MacCEFileReader.h"
#include "import/TextScanner.h"
#include "import/UNICODEFileReader.h"
#include "plugin/OptionsFlags.h"
#include "resources/Diagnostics.h"

namespace {

constexpr int32 kHeaderCharacters = 12;

// Reads up to two characters through the source and tells whether they are "<v".
bool StartsWithVersionTag(KFileReader& source, IPMStream* stream) {
  source.Attach(stream);
  PMString start;
  for (int i = 0; i < 2; ++i) {
    const uint16 ch = source.NextChar();
    if (ch == 0) break;
    start.AppendW(static_cast<UTF16TextChar>(ch));
  }
  return start.Compare(kTrue, PMString("<v")) == 0;
}

}  // namespace

int32 QXTImportProvider::CanImportThisFile(const IDFile& file) {
  if (file.GetFileType() == MakeFourCharCode("TEXT")) return kFullImport;
  return file.GetExtension() == PMString("xtg") ? kFullImport : kCannotImport;
}

int32 QXTImportProvider::CanImportThisStream(IPMStream* stream) {
  if (!stream || !stream->IsGood()) return kCannotImport;
  if (MacCEFileReader source; StartsWithVersionTag(source, stream)) {
    encodingKind = 1;
    return kFullImport;
  }
  stream->Seek(0, kSeekFromStart);
  if (UNICODEFileReader source; StartsWithVersionTag(source, stream)) {
    encodingKind = 2;
    return kFullImport;
  }
  return kCannotImport;
}

bool QXTImportProvider::RunOptionsDialog() {
  // This host has no dialogs yet: the import goes on with the options as
  // they stand.
  WriteDiagnostic("Could not create the dialog.\n");
  return true;
}

void QXTImportProvider::ImportThis(IDataBase* db, IPMStream* stream, int32 uiFlags, UIDRef* result, void*, void*) {
  UIDRef unused;
  if (!result) result = &unused;
  gOptionsDialogAccepted = true;
  if (uiFlags == kFullUI && !RunOptionsDialog()) {
    ErrorUtils::PMSetGlobalErrorCode(kCancel);
    *result = UIDRef::gNull;
    return;
  }

  // The version header ("<v1.70><e1>" and its line end) is skipped by count.
  uchar skipped = 0;
  if (encodingKind == 1 || gForceMacCEEncoding) {
    for (int32 i = 0; i < kHeaderCharacters; ++i) stream->ReadByte(skipped);
  } else if (encodingKind == 2) {
    for (int32 i = 0; i < 2 * kHeaderCharacters; ++i) stream->ReadByte(skipped);
  }

  TextScanner scanner(stream, encodingKind, db, nullptr, kFalse);
  UID story = kInvalidUID;
  const int32 status = scanner.Scan(result, &story, nullptr);
  if (status == 0) {
    *result = UIDRef(db, story);
    InterfacePtr<IStoryOptions> options(db, story, UseDefaultIID());
    if (options) options->SetBeingPlaced(kFalse);
    return;
  }

  // A failed scan leaves no story behind.
  ErrorCode errorCode = status;
  InterfacePtr<ITextModel> partial(db, story, UseDefaultIID());
  if (partial) {
    InterfacePtr<IStoryCmds> storyCmds(partial.get(), UseDefaultIID());
    InterfacePtr<ICommand> remove(storyCmds ? storyCmds->CreateDeleteStoryCmd(kTrue) : nullptr);
    if (remove) (void)CmdUtils::ProcessCommand(remove.get());
  } else {
    errorCode = kFailure;
  }
  *result = UIDRef::gNull;
  ErrorUtils::PMSetGlobalErrorCode(errorCode);
}
