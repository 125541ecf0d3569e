// The story boss: its text model, text commands, strands, options and story
// commands, and the text command classes.
#include <algorithm>

#include "host/CmdUtils.h"
#include "host/HostRegistration.h"
#include "host/IDataBase.h"
#include "host/IDocument.h"
#include "host/ITextModel.h"
#include "host/ObjectModel.h"
#include "host/TextAttributes.h"

namespace {

constexpr ImplementationID kTextModelImpl{0x3C10};
constexpr ImplementationID kTextModelCmdsImpl{0x3C11};
constexpr ImplementationID kStoryOptionsImpl{0x3C12};
constexpr ImplementationID kStoryCmdsImpl{0x3C13};
constexpr ImplementationID kCharStrandImpl{0x3C14};
constexpr ImplementationID kParaStrandImpl{0x3C15};
constexpr ImplementationID kInsertTextCmdImpl{0x3C16};
constexpr ImplementationID kDeleteTextCmdImpl{0x3C17};
constexpr ImplementationID kApplyTextAttrCmdImpl{0x3C18};
constexpr ImplementationID kClearOverridesCmdImpl{0x3C19};
constexpr ImplementationID kApplyTextStyleCmdImpl{0x3C1A};
constexpr ImplementationID kDeleteStoryCmdImpl{0x3C1B};

class TextModelImpl : public CPMUnknown<ITextModel> {
 public:
  explicit TextModelImpl(IPMUnknown* boss) : CPMUnknown<ITextModel>(boss), text_(RunAttributes{}, RunAttributes{}) {}

  int32 TotalLength() const override { return text_.TotalLength(); }
  ErrorCode Insert(TextIndex position, const WideString& text) override {
    if (position < 0 || position >= text_.TotalLength()) return kFailure;
    text_.Insert(position, text.View());
    return kSuccess;
  }
  ErrorCode Delete(TextIndex position, int32 length) override {
    if (position < 0 || length < 0 || position >= text_.TotalLength() || length > text_.TotalLength() - 1 - position) {
      return kFailure;
    }
    text_.Delete(position, length);
    return kSuccess;
  }
  IPMUnknown* QueryStrand(ClassID strandClass, PMIID interfaceID) const override;
  const StoryText& GetStoryText() const override { return text_; }
  StoryText& EditStoryText() override { return text_; }

 private:
  StoryText text_;
};

// A strand boss looks at the story it was made for and keeps it alive.
template <AttributeStrand Kind>
class StrandImpl : public CPMUnknown<IAttributeStrand> {
 public:
  explicit StrandImpl(IPMUnknown* boss) : CPMUnknown<IAttributeStrand>(boss) {}
  void SetStory(ITextModel* model) { model_.reset(AddRefed(model)); }

  std::unique_ptr<AttributeBossList> GetLocalOverrides(TextIndex position, int32* count, int32) const override {
    const StoryText& text = model_->GetStoryText();
    if (position < 0 || position >= text.TotalLength()) return nullptr;
    return AttributeBossList::FromValues(Attributes(text, position, count).overrides->Entries());
  }
  UID GetStyleUID(TextIndex position, int32* count) const override {
    const StoryText& text = model_->GetStoryText();
    if (position < 0 || position >= text.TotalLength()) return kInvalidUID;
    return Attributes(text, position, count).style;
  }

 private:
  static RunAttributes Attributes(const StoryText& text, TextIndex position, int32* count) {
    if constexpr (Kind == AttributeStrand::kCharacter) {
      // At the final paragraph end, the insertion point tells what the next text takes.
      if (position == text.TotalLength() - 1) {
        if (count) *count = 1;
        return text.InsertionAttributesAt(position);
      }
      return text.CharacterAttributesAt(position, count);
    } else {
      int32 start = 0;
      int32 length = 0;
      const RunAttributes& attributes = text.ParagraphAttributesAt(position, &start, &length);
      if (count) *count = start + length - position;
      return attributes;
    }
  }
  InterfacePtr<ITextModel> model_;
};
using CharStrandImpl = StrandImpl<AttributeStrand::kCharacter>;
using ParaStrandImpl = StrandImpl<AttributeStrand::kParagraph>;

IPMUnknown* TextModelImpl::QueryStrand(ClassID strandClass, PMIID interfaceID) const {
  if (strandClass != kCharAttrStrandBoss && strandClass != kParaAttrStrandBoss) return nullptr;
  InterfacePtr<IAttributeStrand> strand(CreateObject<IAttributeStrand>(strandClass, IID_IATTRIBUTESTRAND));
  if (!strand) return nullptr;
  auto* self = const_cast<TextModelImpl*>(this);
  if (strandClass == kCharAttrStrandBoss) {
    static_cast<CharStrandImpl*>(strand.get())->SetStory(self);
  } else {
    static_cast<ParaStrandImpl*>(strand.get())->SetStory(self);
  }
  return strand->QueryInterface(interfaceID);
}

// The base of the commands on a range of a story's text.
class TextRangeCmd : public Command {
 public:
  using Command::Command;
  void SetRange(InterfacePtr<ITextModel> model, TextIndex position, int32 length) {
    model_ = std::move(model);
    position_ = position;
    length_ = length;
  }

 protected:
  // True when the range lies within the text (it may include the final
  // paragraph end only when includeFinal is set).
  bool RangeIsValid(bool includeFinal) const {
    const int32 limit = model_->TotalLength() - (includeFinal ? 0 : 1);
    return position_ >= 0 && length_ >= 0 && position_ <= limit && length_ <= limit - position_;
  }
  StoryText& Text() { return model_->EditStoryText(); }
  void Fail() { ErrorUtils::PMSetGlobalErrorCode(kFailure); }

  InterfacePtr<ITextModel> model_;
  TextIndex position_ = 0;
  int32 length_ = 0;
};

class InsertTextCmd : public TextRangeCmd {
 public:
  using TextRangeCmd::TextRangeCmd;
  void SetText(CountedHandle<WideString> text) { text_ = std::move(text); }

 protected:
  void Do() override {
    // Text goes before a character: never after the final paragraph end.
    if (!text_ || position_ < 0 || position_ >= model_->TotalLength()) return Fail();
    Text().Insert(position_, text_->View());
  }
  PMString* CreateName() override { return new PMString("Insert Text"); }

 private:
  CountedHandle<WideString> text_;
};

class DeleteTextCmd : public TextRangeCmd {
 public:
  using TextRangeCmd::TextRangeCmd;

 protected:
  void Do() override {
    if (!RangeIsValid(false)) return Fail();
    Text().Delete(position_, length_);
  }
  PMString* CreateName() override { return new PMString("Delete Text"); }
};

// Splits attribute values by the strand their class belongs to.
struct SplitValues {
  std::vector<AttributeEntry> character;
  std::vector<AttributeEntry> paragraph;
};
SplitValues SplitByStrand(const std::vector<AttributeEntry>& values) {
  SplitValues split;
  for (const auto& entry : values) {
    const TextAttributeClass* row = TextAttributeClasses::Find(entry.classID);
    if (!row) continue;
    (row->strand == AttributeStrand::kParagraph ? split.paragraph : split.character).push_back(entry);
  }
  return split;
}

// The commands that change the local overrides of a range by an attribute
// list: each class goes to the strand it belongs to.
class AttributeListCmd : public TextRangeCmd {
 public:
  using TextRangeCmd::TextRangeCmd;
  void SetAttributes(SharedAttributeBossList list) { list_ = std::move(list); }

 protected:
  using OverridesChange = OverrideSetPtr (*)(const OverrideSetPtr&, const std::vector<AttributeEntry>&);
  void ChangeOverrides(OverridesChange change) {
    if (!list_ || !RangeIsValid(true)) return Fail();
    const SplitValues values = SplitByStrand(list_->Values());
    if (!values.character.empty()) {
      Text().ChangeCharacters(position_, length_, [&](const RunAttributes& a) {
        return RunAttributes{a.style, change(a.overrides, values.character)};
      });
    }
    if (!values.paragraph.empty()) {
      Text().ChangeParagraphs(position_, length_, [&](const RunAttributes& a) {
        return RunAttributes{a.style, change(a.overrides, values.paragraph)};
      });
    }
  }

 private:
  SharedAttributeBossList list_;
};

class ApplyTextAttrCmd : public AttributeListCmd {
 public:
  using AttributeListCmd::AttributeListCmd;

 protected:
  void Do() override { ChangeOverrides(&OverrideSet::With); }
  PMString* CreateName() override { return new PMString("Apply Attributes"); }
};

class ClearOverridesCmd : public AttributeListCmd {
 public:
  using AttributeListCmd::AttributeListCmd;

 protected:
  void Do() override {
    ChangeOverrides([](const OverrideSetPtr& overrides, const std::vector<AttributeEntry>& entries) {
      std::vector<ClassID> classes;
      for (const auto& entry : entries) classes.push_back(entry.classID);
      return OverrideSet::Without(overrides, classes);
    });
  }
  PMString* CreateName() override { return new PMString("Clear Overrides"); }
};

class ApplyTextStyleCmd : public TextRangeCmd {
 public:
  using TextRangeCmd::TextRangeCmd;
  void SetStyle(UID style, ClassID strategy, bool clearOverrides, bool clearOther, bool joinPrevious) {
    style_ = style;
    strategy_ = strategy;
    clearOverrides_ = clearOverrides;
    clearOther_ = clearOther;
    joinPrevious_ = joinPrevious;
  }
  bool16 CanJoin() const override { return joinPrevious_ ? kTrue : kFalse; }

 protected:
  void Do() override;
  PMString* CreateName() override { return new PMString("Apply Style"); }

 private:
  UID style_ = kInvalidUID;
  ClassID strategy_ = kInvalidClass;
  bool clearOverrides_ = false;
  bool clearOther_ = false;
  bool joinPrevious_ = false;
};

void ApplyTextStyleCmd::Do() {
  const bool paragraph = strategy_ == kParaAttrStrandBoss;
  if ((!paragraph && strategy_ != kCharAttrStrandBoss) || !RangeIsValid(true)) return Fail();
  // The style must be a style of the right kind in this story's database.
  const ClassID styleClass = paragraph ? kParaStyleBoss : kCharStyleBoss;
  InterfacePtr<IPMUnknown> style(GetUIDRef(model_.get()).GetDataBase(), style_, PMIID(IPMUnknown::kDefaultIID));
  if (!style || GetClass(style.get()) != styleClass) return Fail();

  const auto restyle = [&](bool clear) {
    return [&, clear](const RunAttributes& a) {
      return RunAttributes{style_, clear ? OverrideSet::EmptySet() : a.overrides};
    };
  };
  const auto clearOnly = [](const RunAttributes& a) { return RunAttributes{a.style, OverrideSet::EmptySet()}; };
  if (paragraph) {
    Text().ChangeParagraphs(position_, length_, restyle(clearOverrides_));
    if (clearOther_) {
      // The text of every touched paragraph loses its character overrides.
      int32 start = 0, length = 0, lastStart = 0, lastLength = 0;
      Text().ParagraphAttributesAt(position_, &start, &length);
      const TextIndex last = std::min(position_ + std::max(length_ - 1, 0), Text().TotalLength() - 1);
      Text().ParagraphAttributesAt(last, &lastStart, &lastLength);
      Text().ChangeCharacters(start, lastStart + lastLength - start, clearOnly);
    }
  } else {
    Text().ChangeCharacters(position_, length_, restyle(clearOverrides_));
    if (clearOther_) Text().ChangeParagraphs(position_, length_, clearOnly);
  }
}

class TextModelCmdsImpl : public CPMUnknown<ITextModelCmds> {
 public:
  using CPMUnknown::CPMUnknown;

  ICommand* InsertCmd(TextIndex position, const CountedHandle<WideString>& text, int32) override {
    auto* cmd = Make<InsertTextCmd>(kInsertTextCmdBoss, position, 0);
    if (cmd) cmd->SetText(text);
    return cmd;
  }
  ICommand* DeleteCmd(TextIndex position, int32 length) override {
    return Make<DeleteTextCmd>(kDeleteTextCmdBoss, position, length);
  }
  ICommand* ApplyCmd(TextIndex position, int32 length, const SharedAttributeBossList& attributes, ClassID) override {
    auto* cmd = Make<ApplyTextAttrCmd>(kApplyTextAttrCmdBoss, position, length);
    if (cmd) cmd->SetAttributes(attributes);
    return cmd;
  }
  ICommand* ClearOverridesCmd(TextIndex position, int32 length, const SharedAttributeBossList& attributes,
                              ClassID) override {
    auto* cmd = Make<::ClearOverridesCmd>(kClearOverridesCmdBoss, position, length);
    if (cmd) cmd->SetAttributes(attributes);
    return cmd;
  }
  ICommand* ApplyStyleCmd(TextIndex position, int32 length, UID style, ClassID strategy, bool16 clearOverrides,
                          bool16 clearOther, bool16 joinPrevious) override {
    auto* cmd = Make<ApplyTextStyleCmd>(kApplyTextStyleCmdBoss, position, length);
    if (cmd) cmd->SetStyle(style, strategy, clearOverrides != 0, clearOther != 0, joinPrevious != 0);
    return cmd;
  }

 private:
  template <class Cmd>
  Cmd* Make(ClassID commandClass, TextIndex position, int32 length) {
    auto* command = static_cast<Cmd*>(static_cast<Command*>(CmdUtils::CreateCommand(commandClass)));
    if (!command) return nullptr;
    command->SetRange(InterfacePtr<ITextModel>(this, UseDefaultIID()), position, length);
    return command;
  }
};

class StoryOptionsImpl : public CPMUnknown<IStoryOptions> {
 public:
  using CPMUnknown::CPMUnknown;
  void SetBeingPlaced(bool16 beingPlaced) override { beingPlaced_ = beingPlaced != 0; }
  bool16 IsBeingPlaced() const override { return beingPlaced_ ? kTrue : kFalse; }

 private:
  bool beingPlaced_ = false;
};

class DeleteStoryCmd : public Command {
 public:
  using Command::Command;
  void SetUndoable(bool undoable) { undoable_ = undoable; }
  bool16 IsUndoable() const override { return undoable_ ? kTrue : kFalse; }

 protected:
  void Do() override {
    if (GetItemList().Length() != 1) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    const UIDRef story = GetItemList().GetRef(0);
    IDataBase* db = story.GetDataBase();
    if (!db || !db->IsValidUID(story.GetUID())) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    InterfacePtr<IStoryList> stories(db, db->GetRootUID(), IID_ISTORYLIST);
    if (stories) stories->RemoveStory(story.GetUID());
    db->DeleteUID(story.GetUID());
  }
  PMString* CreateName() override { return new PMString("Delete Story"); }

 private:
  bool undoable_ = true;
};

class StoryCmdsImpl : public CPMUnknown<IStoryCmds> {
 public:
  using CPMUnknown::CPMUnknown;
  ICommand* CreateDeleteStoryCmd(bool16 undoable) override {
    const UIDRef story = GetUIDRef(this);
    if (!story.GetDataBase()) return nullptr;
    auto* cmd = static_cast<DeleteStoryCmd*>(static_cast<Command*>(CmdUtils::CreateCommand(kDeleteStoryCmdBoss)));
    if (!cmd) return nullptr;
    cmd->SetItemList(UIDList(story));
    cmd->SetUndoable(undoable != 0);
    return cmd;
  }
};

}  // namespace

void RegisterTextStoryClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<TextModelImpl>(kTextModelImpl));
  model.InstallImplementation(MakeFactory<TextModelCmdsImpl>(kTextModelCmdsImpl));
  model.InstallImplementation(MakeFactory<StoryOptionsImpl>(kStoryOptionsImpl));
  model.InstallImplementation(MakeFactory<StoryCmdsImpl>(kStoryCmdsImpl));
  model.InstallImplementation(MakeFactory<CharStrandImpl>(kCharStrandImpl));
  model.InstallImplementation(MakeFactory<ParaStrandImpl>(kParaStrandImpl));
  model.InstallImplementation(MakeFactory<InsertTextCmd>(kInsertTextCmdImpl));
  model.InstallImplementation(MakeFactory<DeleteTextCmd>(kDeleteTextCmdImpl));
  model.InstallImplementation(MakeFactory<ApplyTextAttrCmd>(kApplyTextAttrCmdImpl));
  model.InstallImplementation(MakeFactory<ClearOverridesCmd>(kClearOverridesCmdImpl));
  model.InstallImplementation(MakeFactory<ApplyTextStyleCmd>(kApplyTextStyleCmdImpl));
  model.InstallImplementation(MakeFactory<DeleteStoryCmd>(kDeleteStoryCmdImpl));

  model.DefineClass(kTextStoryBoss, kInvalidClass,
                    {{IID_ITEXTMODEL, kTextModelImpl},
                     {IID_ITEXTMODELCMDS, kTextModelCmdsImpl},
                     {IID_ISTORYOPTIONS, kStoryOptionsImpl},
                     {IID_ISTORYCMDS, kStoryCmdsImpl}});
  model.DefineClass(kCharAttrStrandBoss, kInvalidClass, {{IID_IATTRIBUTESTRAND, kCharStrandImpl}});
  model.DefineClass(kParaAttrStrandBoss, kInvalidClass, {{IID_IATTRIBUTESTRAND, kParaStrandImpl}});
  model.DefineClass(kInsertTextCmdBoss, kInvalidClass, {{IID_ICOMMAND, kInsertTextCmdImpl}});
  model.DefineClass(kDeleteTextCmdBoss, kInvalidClass, {{IID_ICOMMAND, kDeleteTextCmdImpl}});
  model.DefineClass(kApplyTextAttrCmdBoss, kInvalidClass, {{IID_ICOMMAND, kApplyTextAttrCmdImpl}});
  model.DefineClass(kClearOverridesCmdBoss, kInvalidClass, {{IID_ICOMMAND, kClearOverridesCmdImpl}});
  model.DefineClass(kApplyTextStyleCmdBoss, kInvalidClass, {{IID_ICOMMAND, kApplyTextStyleCmdImpl}});
  model.DefineClass(kDeleteStoryCmdBoss, kInvalidClass, {{IID_ICOMMAND, kDeleteStoryCmdImpl}});
}
