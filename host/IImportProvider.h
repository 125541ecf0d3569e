// IImportProvider (interface 0x7301): a filter that brings files of its
// formats into a document. The host asks it about its formats, checks a
// file and then a stream with it, and calls ImportThis with a stream
// positioned at its start.
#pragma once

#include "host/IDFile.h"
#include "host/IPMStream.h"
#include "host/IPMUnknown.h"
#include "host/PMString.h"
#include "host/UIDRef.h"

class IImportProvider : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x7301 };
  // Answers of CanImportThisFile and CanImportThisStream.
  enum ImportAbility : int32 { kCannotImport = 0, kMightImport = 1, kFullImport = 2 };
  // User-interface levels of ImportThis.
  enum UIFlags : int32 { kSuppressUI = 0, kMinimalUI = 1, kFullUI = 2 };

  virtual int32 CountFormats() = 0;
  virtual FourCharCode GetFormatFileType(int32 formatIndex) = 0;
  // Whether the provider places graphics (rather than text).
  virtual bool16 ImportsGraphics() = 0;
  virtual int32 GetDefaultFormatIndex() = 0;
  // Whether an imported file of the format can stay linked to the document.
  virtual bool16 CanImportAsLink(int32 formatIndex) = 0;
  // The host asks providers in order of priority (higher first).
  virtual int32 GetImportPriority() = 0;
  // A string key, translated by the caller.
  virtual PMString GetFormatName(int32 formatIndex) = 0;
  virtual int32 CountExtensions(int32 formatIndex) = 0;
  virtual PMString GetExtension(int32 formatIndex, int32 extensionIndex) = 0;
  virtual int32 CanImportThisFile(const IDFile& file) = 0;
  virtual int32 CanImportThisStream(IPMStream* stream) = 0;
  // Imports the stream into the database. The result is the new object's
  // UIDRef, or UIDRef::gNull with the global error code set.
  virtual void ImportThis(IDataBase* db, IPMStream* stream, int32 uiFlags, UIDRef* result, void* reserved1,
                          void* reserved2) = 0;
};

