// ICommand: a host command, the one way to change a document. A command is
// created (CmdUtils::CreateCommand or a text model's command factory), given
// its item list and data, and run by CmdUtils::ProcessCommand, which calls
// Do and, on success, DoNotify.
#pragma once

#include "host/CPMUnknown.h"
#include "host/PMString.h"
#include "host/UIDRef.h"

class ICommand : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x1001 };
  enum CommandState : int32 { kNotDone = 0, kFailed = 1, kDone = 2 };

  virtual void SetItemList(const UIDList& items) = 0;
  virtual const UIDList& GetItemList() const = 0;
  virtual CommandState GetCommandState() const = 0;
  // Whether this command may be merged with the one before it in the undo
  // history, and whether it is kept there at all.
  virtual bool16 CanJoin() const = 0;
  virtual bool16 IsUndoable() const = 0;

 protected:
  friend class CmdUtils;
  // Carries the command out; a failure is reported through
  // ErrorUtils::PMSetGlobalErrorCode.
  virtual void Do() = 0;
  // Tells observers about the change; runs only after a successful Do.
  virtual void DoNotify() = 0;
  // The command's name for the undo history; the caller owns it.
  virtual PMString* CreateName() = 0;
  virtual void SetCommandState(CommandState state) = 0;
};

// The base of every command implementation.
class Command : public CPMUnknown<ICommand> {
 public:
  explicit Command(IPMUnknown* boss) : CPMUnknown<ICommand>(boss) {}
  virtual ~Command() = default;

  void SetItemList(const UIDList& items) override { items_ = items; }
  const UIDList& GetItemList() const override { return items_; }
  CommandState GetCommandState() const override { return state_; }
  bool16 CanJoin() const override { return kFalse; }
  bool16 IsUndoable() const override { return kTrue; }

 protected:
  void DoNotify() override {}
  PMString* CreateName() override { return new PMString("Command"); }
  void SetCommandState(CommandState state) override { state_ = state; }

 private:
  UIDList items_;
  CommandState state_ = kNotDone;
};
