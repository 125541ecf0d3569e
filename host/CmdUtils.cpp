#include "host/CmdUtils.h"

#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {
ErrorCode gGlobalErrorCode = kSuccess;
CmdUtils::SequenceContext* gCurrentSequence = nullptr;
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
  gGlobalErrorCode = callersCode;
  return result;
}

CmdUtils::SequenceContext::SequenceContext(const PMString*) : outer_(gCurrentSequence) { gCurrentSequence = this; }

CmdUtils::SequenceContext::~SequenceContext() { gCurrentSequence = outer_; }
