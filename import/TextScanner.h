// TextScanner: the state of one import, from the provider's call to its end.
//
// The import provider makes one scanner on its stack for each import, calls
// Scan once and destroys it. The scanner owns the character source that
// decodes the stream, reads the decoded characters for Scan, and holds what
// the steps of the conversion share: the attribute list in force for tags in
// running text, the registry of styles this import created, the names of
// fonts that were not found and the conflict lists that the import report
// shows at the end. The tag interpreter, the definition steps and the style
// application steps are its operations (their code lives with their
// subsystems in tags/ and resources/).
#pragma once

#include <memory>
#include <vector>

#include "host/IDataBase.h"
#include "host/IDocument.h"
#include "host/IPMStream.h"
#include "host/ITextModel.h"
#include "host/InterfacePtr.h"
#include "host/ProgressBar.h"
#include "host/WideString.h"
#include "import/KFileReader.h"
#include "resources/NameList.h"
#include "resources/SharedHandles.h"
#include "resources/StyleKind.h"

class TagReader;
struct TagContext;

class TextScanner {
 public:
  TextScanner(IPMStream* stream, int32 encodingKind, IDataBase* database, TaskProgressBar* taskProgress,
              bool16 swapBytes);
  ~TextScanner();
  TextScanner(const TextScanner&) = delete;
  TextScanner& operator=(const TextScanner&) = delete;

  // The next decoded character, or 0 when the source gives none.
  uint16 ReadChar();

  // Turns the input into a new story: 0 when the whole input was processed,
  // 1 on failure or cancellation. storyUIDOut receives the story's UID as
  // soon as it exists. With a forced text model, that model is filled
  // instead of a new story.
  int32 Scan(UIDRef* resultRef, UID* storyUIDOut, IPMUnknown* forcedTextModel);

  // What a construct step reports: the position of the last character it
  // consumed, and whether the construct's '@' is to be inserted as text.
  struct ConstructResult {
    int32 lastPosition;
    bool insertAt;
  };

  // --- Steps that Scan calls (each lives with its subsystem). ---
  void TagInterpreter(const WideString& tagText, ITextModel* textModel, SharedAttributeList attributeList,
                      int32 applyFlag, IDocument* document, IWorkspace* workspace);
  bool EnsureDefaultStyles();
  ConstructResult DefineCharacterStyle(const WideString& name, int32 pos);
  ConstructResult DefineParagraphStyle(const WideString& name, int32 pos);
  ConstructResult DefineColour(const WideString& name, int32 pos);
  bool ApplyParagraphStyleByName(WideString name);

 private:
  // The values that live for one Scan.
  struct ScanState {
    WideString input;
    IDocument* document = nullptr;    // borrowed from the active context
    IWorkspace* workspace = nullptr;  // borrowed from the active context
    InterfacePtr<ITextModel> textModel;
    InterfacePtr<ITextModelCmds> textCmds;
    bool charDefinitionsSeen = false;
    bool paraDefinitionsSeen = false;
  };

  int32 RunScan(UID* storyUIDOut, IPMUnknown* forcedTextModel);
  void ReadInput();
  bool PreScan();
  void MainLoop(RangeProgressBar& progress);
  // Handles the construct whose '@' is at pos; returns the last consumed
  // position and whether the '@' is inserted.
  ConstructResult HandleConstruct(int32 pos);
  void InsertCharacter(UTF16TextChar ch);
  bool Cancelled() const;
  UTF16TextChar InputAt(int32 index) const { return scan.input.CharAt(index); }
  void ImportReport();

  // The character and paragraph attribute elements of a tag (tags/).
  void HandleFormattingElement(int32 code, const TagReader& reader, TagContext& context);
  int32 ApplyListAtEnd(TagContext& context, ClassID strategy);
  void ApplyToggle(TagContext& context, bool& nextOn, ClassID attributeClass, PMIID valueInterface, int32 onValue);
  void ApplyFace(TagContext& context, bool bold);
  void ApplyFont(TagContext& context, const WideString& name);
  void ApplyColour(TagContext& context, const PMString& name);
  void RevertScale(TagContext& context);
  void RevertOverride(TagContext& context, ClassID attributeClass);
  void ApplyCharacterStyle(TagContext& context, const WideString& name, bool rootStyle);
  void ApplyParagraphFormats(TagContext& context, const K2Vector<PMString>& items);
  void ApplyRule(TagContext& context, const K2Vector<PMString>& items, bool above);

  // Style sheets (resources/StyleSheets.cpp).
  UID LookUpStyle(StyleKind kind, const PMString& name, int32* status = nullptr);
  WideString ReadUpTo(int32& pos, UTF16TextChar closing) const;

  // --- Fields, in the order of the import's description. ---
  IPMStream* stream;
  int32 encodingKind;
  std::unique_ptr<KFileReader> macReader;
  std::unique_ptr<KFileReader> unicodeReader;
  std::unique_ptr<KFileReader> winReader;
  IDataBase* database;
  SharedAttributeList currentAttributes;
  NameList createdStyleNames;
  std::vector<SharedAttributeList> createdStyleAttributes;
  bool nextAllCapsOn = true;
  bool nextSmallCapsOn = true;
  bool nextStrikeOn = true;
  bool nextUnderlineOn = true;
  bool nextAllSmallCapsOn = true;
  int32 scaleKind = 0;
  bool16 swapBytes;
  TaskProgressBar* taskProgress;
  NameList missingFontNames;
  NameList existingColourNames;
  NameList existingParaStyleNames;
  NameList existingCharStyleNames;

  // The length in bytes of the stream, as the source measured it; tells a
  // NUL character in the input from the end of the stream.
  int32 streamLength = 0;
  ScanState scan;
  // Constructs that reach the end of the input without ':', '=<' or '=[':
  // a position whose search is known to reach the end. Every search that
  // passes such a position reaches the end as well, so marking the positions
  // a failed search visited keeps the main loop linear.
  std::vector<bool> constructSearchFails;
  std::vector<int32> searchScratch;
  // The one-character text that insertions of running text hand the host.
  SharedText oneCharText;

};
