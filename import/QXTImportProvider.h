// QXTImportProvider: the plug-in's import provider for XPress Tags files
// (type 'TEXT' or extension "xtg"). It recognises a stream by its first two
// characters "<v", read as 8-bit text or as UTF-16, skips the version header
// and runs a TextScanner over the rest, which fills a new story.
#pragma once

#include "host/CPMUnknown.h"
#include "host/IImportProvider.h"

class QXTImportProvider : public CPMUnknown<IImportProvider> {
 public:
  explicit QXTImportProvider(IPMUnknown* boss = nullptr) : CPMUnknown<IImportProvider>(boss) {}

  int32 CountFormats() override { return 1; }
  FourCharCode GetFormatFileType(int32) override { return MakeFourCharCode("TEXT"); }
  bool16 ImportsGraphics() override { return kFalse; }
  int32 GetDefaultFormatIndex() override { return 0; }
  bool16 CanImportAsLink(int32) override { return kFalse; }
  int32 GetImportPriority() override { return 1; }
  PMString GetFormatName(int32) override { return PMString("0x11dd80kQuarkFilesKey"); }
  int32 CountExtensions(int32) override { return 1; }
  PMString GetExtension(int32, int32) override { return PMString("xtg"); }
  int32 CanImportThisFile(const IDFile& file) override;
  int32 CanImportThisStream(IPMStream* stream) override;
  void ImportThis(IDataBase* db, IPMStream* stream, int32 uiFlags, UIDRef* result, void*, void*) override;

  // 0 nothing recognised yet, 1 8-bit text, 2 UTF-16 text; kept from the
  // last successful stream check.
  int32 EncodingKind() const { return encodingKind; }

 private:
  // Shows the options dialog of a full-interface import; false when the
  // user cancelled it.
  bool RunOptionsDialog();

  int32 encodingKind = 0;
};
