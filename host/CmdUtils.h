// CmdUtils: making and running commands, and grouping them in sequences.
// ErrorUtils: the global error code through which a call reports failure.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/ICommand.h"

class CmdUtils {
 public:
  // A new command of the class, or null when the class has no ICommand.
  static ICommand* CreateCommand(ClassID commandClass);
  // Runs the command with a clear global error code and returns the code the
  // command left (0 success). The caller's global error code is restored
  // afterwards, so a failing command is reported only through the result.
  static ErrorCode ProcessCommand(ICommand* command);

  // Groups the commands processed while it exists into one sequence (one
  // entry of the undo history).
  class SequenceContext {
   public:
    explicit SequenceContext(const PMString* name = nullptr);
    ~SequenceContext();
    SequenceContext(const SequenceContext&) = delete;
    SequenceContext& operator=(const SequenceContext&) = delete;
    // The error state of the sequence: the first failure of a command in it.
    ErrorCode State() const { return state_; }

   private:
    friend class CmdUtils;
    ErrorCode state_ = kSuccess;
    SequenceContext* outer_;
  };
};

class ErrorUtils {
 public:
  static void PMSetGlobalErrorCode(ErrorCode code, const PMString* s1 = nullptr, const PMString* s2 = nullptr,
                                   const PMString* s3 = nullptr);
  static ErrorCode PMGetGlobalErrorCode();
};

