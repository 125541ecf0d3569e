#include "host/CmdUtils.h"

#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {
ErrorCode gGlobalErrorCode = kSuccess;
CmdUtils::SequenceContext* gCurrentSequence = nullptr;
bool gJournalOn = false;
std::vector<CommandJournalEntry> gJournal;
}  // namespace

void ErrorUtils::PMSetGlobalErrorCode(ErrorCode code, const PMString*, const PMString*, const PMString*) {
  gGlobalErrorCode = code;
}

ErrorCode ErrorUtils::PMGetGlobalErrorCode() { return gGlobalErrorCode; }

ICommand* CmdUtils::CreateCommand(ClassID commandClass) { return CreateObject<ICommand>(commandClass); }

ErrorCode CmdUtils::ProcessCommand(ICommand* command) {
  if (!command) return kFailure;
  const ErrorCode callersCode = gGlobalErrorCode;
  gGlobalErrorCode = kSuccess;
  command->Do();
  const ErrorCode result = gGlobalErrorCode;
  if (result == kSuccess) command->DoNotify();
  command->SetCommandState(result == kSuccess ? ICommand::kDone : ICommand::kFailed);
  if (gCurrentSequence && gCurrentSequence->state_ == kSuccess) gCurrentSequence->state_ = result;
  if (gJournalOn) gJournal.push_back({GetClass(command), result});
  gGlobalErrorCode = callersCode;
  return result;
}

CmdUtils::SequenceContext::SequenceContext(const PMString*) : outer_(gCurrentSequence) { gCurrentSequence = this; }

CmdUtils::SequenceContext::~SequenceContext() { gCurrentSequence = outer_; }

void CommandJournal::Enable(bool on) { gJournalOn = on; }
const std::vector<CommandJournalEntry>& CommandJournal::Entries() { return gJournal; }
void CommandJournal::Clear() { gJournal.clear(); }
