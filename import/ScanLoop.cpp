// TextScanner::Scan: the walk from the decoded input to the story's text.
//
// The input's lexical level: running text is inserted character by
// character at the end of the story; "<...>" is a tag for the tag
// interpreter; "@" (at the start or after a character that is not part of a
// word) starts a construct that applies a paragraph style ("@name:") or
// defines a character style ("@name=<...>"), a colour ("@name=[C...") or a
// paragraph style ("@name=[...]<...>"). CR ends a paragraph; CR LF gives one
// paragraph end, LF CR an LF and a paragraph end, and a lone LF a paragraph end.
#include "host/CmdUtils.h"
#include "host/ISession.h"
#include "host/ITextUtils.h"
#include "host/UtilsBoss.h"
#include "import/TextScanner.h"
#include "resources/Diagnostics.h"

namespace {

constexpr UTF16TextChar kCR = u'\r';
constexpr UTF16TextChar kLF = u'\n';

// Letters, digits and '_' make a word; an '@' inside a word ("user@host",
// "user1@host") is text.
bool IsWordCharacter(UTF16TextChar c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_';
}

}  // namespace

int32 TextScanner::Scan(UIDRef* /*resultRef*/, UID* storyUIDOut, IPMUnknown* forcedTextModel) {
  UID unusedStory = kInvalidUID;
  if (!storyUIDOut) storyUIDOut = &unusedStory;
  *storyUIDOut = kInvalidUID;

  if (taskProgress) {
    taskProgress->DoTask(PMString("0x11dd80QXTImportFilterTitleKey"), 1);
  } else {
    TaskProgressBar task(PMString("Import tekstu"), 1, kTrue, kTrue, nullptr, 1);
    task.DoTask(PMString("Import"), 1);
  }

  const int32 status = RunScan(storyUIDOut, forcedTextModel);
  scan = ScanState{};  // releases the text model, its commands and the input
  ImportReport();
  return status;
}

int32 TextScanner::RunScan(UID* storyUIDOut, IPMUnknown* forcedTextModel) {
  ISession* session = GetExecutionContextSession();
  IActiveContext* context = session ? session->GetActiveContext() : nullptr;
  if (!context) return 1;
  scan.document = context->GetContextDocument();
  if (!scan.document) return 1;
  scan.workspace = context->GetContextWorkspace();
  if (!scan.workspace) {
    WriteDiagnostic("no ws\n");
    return 1;
  }

  ReadInput();
  const int32 n = scan.input.Length();
  scaleKind = 0;
  *storyUIDOut = kInvalidUID;

  if (!forcedTextModel) {
    InterfacePtr<ITextUtils> textUtils(UtilsBoss::QueryUtils<ITextUtils>());
    const UID story = textUtils ? textUtils->CreateStory(database, ITextUtils::kListedStory) : kInvalidUID;
    if (story == kInvalidUID) return 1;
    *storyUIDOut = story;
    scan.textModel = InterfacePtr<ITextModel>(database, story, UseDefaultIID());
    if (!scan.textModel) return 1;
  } else {
    scan.textModel = InterfacePtr<ITextModel>(forcedTextModel, UseDefaultIID());
    if (!scan.textModel) {
      WriteDiagnostic("TextScanner::Scan, InterfacePtr<ITextModel> model( forcedModel, UseDefaultIID() ) is nil.\n");
      return 1;
    }
  }
  scan.textCmds = InterfacePtr<ITextModelCmds>(scan.textModel.get(), UseDefaultIID());
  if (!scan.textCmds) return 1;
  currentAttributes = MakeEmptyAttributeList();

  RangeProgressBar progress(PMString("0x11dd80QXTImportFilterActionExplainedKey"), 0, n, kFalse, kTrue, nullptr, 0);
  if (n > 0 && !PreScan()) return 1;
  if (Cancelled()) return 1;
  if (EnsureDefaultStyles()) return 1;
  if (n > 0) MainLoop(progress);
  return Cancelled() ? 1 : 0;
}

bool TextScanner::Cancelled() const { return taskProgress && taskProgress->IsCancelled(1); }

void TextScanner::ReadInput() {
  WideString& input = scan.input;
  // One reservation instead of repeated doubling keeps the peak memory of a
  // large import down.
  input.Reserve(encodingKind == 1 ? streamLength : streamLength / 2);
  // A source gives 0 both at the end of the stream and for a NUL character
  // in it. A NUL before the end is dropped (with one line for the whole
  // input) rather than cutting the import short; a stream that stops moving
  // ends the input too.
  int32 dropped = 0;
  int32 lastZeroAt = -1;
  for (;;) {
    const uint16 ch = ReadChar();
    if (ch != 0) {
      input.Append(static_cast<UTF16TextChar>(ch));
      continue;
    }
    const int32 at = stream ? stream->Seek(0, kSeekFromCurrent) : streamLength;
    if (at >= streamLength || at == lastZeroAt) break;
    lastZeroAt = at;
    ++dropped;
  }
  if (dropped > 0) WriteDiagnostic("Dropped %d NUL character(s) found before the end of the input.\n", dropped);
}

bool TextScanner::PreScan() {
  const int32 n = scan.input.Length();
  int32 lineBreaks = 0;
  bool charSearchOver = false;
  bool paraSearchOver = false;
  // A look-ahead that meets ':' starts over after its '@', so the same
  // stretch could be searched once per '@' in it. Each step of a look-ahead
  // depends only on its position, so every position that a search ending at
  // ':' visited is known to end there; later searches stop as soon as they
  // reach one.
  std::vector<bool> endsAtColon(static_cast<std::size_t>(n), false);
  std::vector<int32> visited;

  for (int32 pos = 0; pos < n; ++pos) {
    if (Cancelled()) return false;
    const UTF16TextChar ch = scan.input[pos];
    const UTF16TextChar next = InputAt(pos + 1);
    if ((ch == kCR && next != kLF) || ch == kLF) ++lineBreaks;
    if (lineBreaks > 3) {
      if (!charSearchOver) {
        WriteDiagnostic("nie mamy naszych styli...\n");
        charSearchOver = true;
      }
      if (!paraSearchOver) {
        WriteDiagnostic("nie mamy naszych styli...\n");
        break;
      }
    }
    if (ch != u'@') continue;

    ++pos;
    const int32 start = pos;
    bool colon = false;
    visited.clear();
    while (pos < n) {
      if (endsAtColon[static_cast<std::size_t>(pos)]) {
        colon = true;
        break;
      }
      visited.push_back(pos);
      const UTF16TextChar c = scan.input[pos];
      if (c == u':') {
        colon = true;
        break;
      }
      if (c == u'=') {
        ++pos;
        const UTF16TextChar after = InputAt(pos);
        if (after == u'<') {
          scan.charDefinitionsSeen = charSearchOver = true;
          break;
        }
        if (after == u'[') {
          scan.paraDefinitionsSeen = paraSearchOver = true;
          break;
        }
      }
      ++pos;
    }
    if (colon) {
      for (const int32 p : visited) endsAtColon[static_cast<std::size_t>(p)] = true;
      pos = start;
    }
  }
  return true;
}

void TextScanner::MainLoop(RangeProgressBar& progress) {
  const int32 n = scan.input.Length();
  constructSearchFails.assign(static_cast<std::size_t>(n) + 1, false);
  for (int32 pos = 0; pos < n; ++pos) {
    if (Cancelled()) break;
    const UTF16TextChar ch = scan.input[pos];
    progress.SetPosition(pos);
    bool insertAt = true;

    if (ch == u'<') {
      WideString tagText;
      for (;;) {
        ++pos;
        if (pos >= n || scan.input[pos] == u'>') break;
        if (scan.input[pos] == u'\\') {
          tagText.Append(u'\\');
          ++pos;
        }
        tagText.Append(InputAt(pos));
      }
      TagInterpreter(tagText, scan.textModel.get(), currentAttributes, 1, scan.document, scan.workspace);
      insertAt = false;
    } else if (ch == u'@' && (pos == 0 || !IsWordCharacter(scan.input[pos - 1]))) {
      const ConstructResult result = HandleConstruct(pos);
      pos = result.lastPosition;
      insertAt = result.insertAt;
    }

    if (!insertAt) continue;
    if (ch != kLF) {
      InsertCharacter(ch);
    } else if (InputAt(pos + 1) == kCR) {
      InsertCharacter(kLF);  // LF CR: the LF stays, the CR that follows ends the paragraph
    } else if (pos > 0 && scan.input[pos - 1] != kCR) {
      InsertCharacter(kCR);  // a lone LF ends the paragraph as a CR does
    }
    // An LF after a CR completes a CR LF line end; at the very start it
    // completes the line end of the version header, which the provider skipped.
  }
}

TextScanner::ConstructResult TextScanner::HandleConstruct(int32 at) {
  const int32 n = scan.input.Length();
  int32 pos = at + 1;
  const int32 start = pos;
  WideString name;
  std::vector<int32>& visited = searchScratch;
  visited.clear();
  while (pos < n) {
    if (constructSearchFails[static_cast<std::size_t>(pos)]) break;
    visited.push_back(pos);
    const UTF16TextChar c = scan.input[pos];
    if (c == u':') {
      // An application: the name is read again from the start, with
      // backslashes escaping the character after them (even a ':').
      WideString styleName;
      for (pos = start; pos < n && scan.input[pos] != u':'; ++pos) {
        if (scan.input[pos] == u'\\' && ++pos >= n) break;
        styleName.Append(scan.input[pos]);
      }
      return {pos, ApplyParagraphStyleByName(styleName)};
    }
    if (c == u'=') {
      ++pos;
      const UTF16TextChar after = InputAt(pos);
      if (after == u'<') return DefineCharacterStyle(name, pos);
      if (after == u'[') return InputAt(pos + 1) == u'C' ? DefineColour(name, pos) : DefineParagraphStyle(name, pos);
      name.Append(after);
      ++pos;
      continue;
    }
    name.Append(c);
    ++pos;
  }
  // No ':', '=<' or '=[' before the end of the input: the '@' is text and
  // the scan goes on with the character after it. Every position this
  // search visited leads to the end as well, which spares later searches.
  for (const int32 p : visited) constructSearchFails[static_cast<std::size_t>(p)] = true;
  return {at, true};
}

void TextScanner::InsertCharacter(UTF16TextChar ch) {
  // Each insertion hands the command a shared copy of the one-character
  // text. Once the command is gone the scanner holds the only reference
  // again, and that copy is reused for the next character rather than
  // allocated anew.
  if (!oneCharText || oneCharText.use_count() > 1) oneCharText = MakeCounted<WideString>(std::u16string(1, u' '));
  oneCharText->SetChar(0, ch);
  InterfacePtr<ICommand> insert(scan.textCmds->InsertCmd(scan.textModel->TotalLength() - 1, oneCharText, 0));
  if (insert) (void)CmdUtils::ProcessCommand(insert.get());
}
