// The text model's commands: where attributes go, what the apply-style
// command's flags do, and which ranges and styles are refused.
#include <gtest/gtest.h>

#include "host/CmdUtils.h"
#include "host/HostApplication.h"
#include "host/IStyles.h"
#include "host/ITextModel.h"
#include "host/ITextUtils.h"
#include "host/TextAttributes.h"
#include "host/UtilsBoss.h"

namespace {

constexpr ClassID kPointSize{0x1B03};
constexpr ClassID kAlignment{0x1B7E};
constexpr ClassID kCharacterStrategy{0x235};
constexpr ClassID kParagraphStrategy{0x236};

class TextCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = HostDocument::Create();
    document_->Activate();
    InterfacePtr<ITextUtils> utils(UtilsBoss::QueryUtils<ITextUtils>());
    story_ = utils->CreateStory(document_->DataBase(), ITextUtils::kListedStory);
    model_ = InterfacePtr<ITextModel>(document_->DataBase(), story_, UseDefaultIID());
    cmds_ = InterfacePtr<ITextModelCmds>(model_.get(), UseDefaultIID());
    model_->Insert(0, WideString::FromUTF8("one\rtwo"));
  }
  void TearDown() override {
    cmds_.reset();
    model_.reset();
    document_.reset();
  }
  ErrorCode Run(ICommand* command) {
    InterfacePtr<ICommand> held(command);
    return held ? CmdUtils::ProcessCommand(held.get()) : kFailure;
  }
  SharedAttributeBossList ListOf(ClassID attributeClass, AttributeValue value) {
    SharedAttributeBossList list = MakeCounted<AttributeBossList>();
    InterfacePtr<ITextAttribute> attribute(TextAttributeClasses::Create(attributeClass, value));
    list->ApplyAttribute(attribute.get());
    return list;
  }
  UID NewStyle(bool paragraph, const char* name) {
    InterfacePtr<ICommand> create(CmdUtils::CreateCommand(paragraph ? kCreateParaStyleCmdBoss : kCreateCharStyleCmdBoss));
    create->SetItemList(UIDList(document_->Workspace()));
    InterfacePtr<IStyleInfo> info(create.get(), UseDefaultIID());
    info->SetName(PMString(name));
    info->SetIsParagraphStyle(paragraph ? kTrue : kFalse);
    EXPECT_EQ(CmdUtils::ProcessCommand(create.get()), kSuccess);
    InterfacePtr<IStyleTable> table(document_->Workspace(), paragraph ? IID_IPARASTYLETABLE : IID_ICHARSTYLETABLE);
    return table->FindByName(PMString(name));
  }
  const StoryText& Text() { return model_->GetStoryText(); }

  std::unique_ptr<HostDocument> document_;
  UID story_;
  InterfacePtr<ITextModel> model_;
  InterfacePtr<ITextModelCmds> cmds_;
};

TEST_F(TextCommandsTest, EachAttributeGoesToItsOwnStrandWhateverTheStrategy) {
  // Alignment with the character strategy lands on the paragraph; a size
  // with the paragraph strategy lands on the characters.
  ASSERT_EQ(Run(cmds_->ApplyCmd(5, 1, ListOf(kAlignment, int32{1}), kCharacterStrategy)), kSuccess);
  ASSERT_EQ(Run(cmds_->ApplyCmd(0, 2, ListOf(kPointSize, 9.0), kParagraphStrategy)), kSuccess);
  EXPECT_NE(Text().ParagraphAttributesAt(4).overrides->Find(kAlignment), nullptr);
  EXPECT_EQ(Text().ParagraphAttributesAt(0).overrides->Find(kAlignment), nullptr);
  EXPECT_EQ(Text().CharacterAttributesAt(5).overrides->Find(kAlignment), nullptr);
  EXPECT_NE(Text().CharacterAttributesAt(1).overrides->Find(kPointSize), nullptr);
  EXPECT_EQ(Text().ParagraphAttributesAt(0).overrides->Find(kPointSize), nullptr);
}

TEST_F(TextCommandsTest, RangesOutsideTheTextFail) {
  const int32 total = model_->TotalLength();  // 8: "one\rtwo\r"
  const struct {
    const char* name;
    ICommand* command;
  } cases[] = {
      {"insert after the final paragraph end", cmds_->InsertCmd(total, MakeCounted<WideString>(), 0)},
      {"delete the final paragraph end", cmds_->DeleteCmd(total - 1, 1)},
      {"delete before the start", cmds_->DeleteCmd(-1, 1)},
      {"apply past the end", cmds_->ApplyCmd(total - 1, 2, ListOf(kPointSize, 9.0), kCharacterStrategy)},
      {"a negative length", cmds_->ClearOverridesCmd(2, -1, ListOf(kPointSize, 9.0), kCharacterStrategy)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(c.command), kFailure);
  }
  EXPECT_EQ(EncodeUTF8(Text().Text()), "one\rtwo\r");
}

TEST_F(TextCommandsTest, ApplyStyleFlags) {
  const UID heading = NewStyle(true, "Heading");
  const UID emphasis = NewStyle(false, "Emphasis");
  ASSERT_EQ(Run(cmds_->ApplyCmd(0, 7, ListOf(kPointSize, 9.0), kCharacterStrategy)), kSuccess);
  ASSERT_EQ(Run(cmds_->ApplyCmd(0, 7, ListOf(kAlignment, int32{2}), kCharacterStrategy)), kSuccess);

  // A paragraph style alone keeps every override.
  ASSERT_EQ(Run(cmds_->ApplyStyleCmd(1, 0, heading, kParagraphStrategy, kFalse, kFalse, kFalse)), kSuccess);
  EXPECT_EQ(Text().ParagraphAttributesAt(0).style, heading);
  EXPECT_NE(Text().ParagraphAttributesAt(0).overrides->Find(kAlignment), nullptr);
  EXPECT_NE(Text().CharacterAttributesAt(0).overrides->Find(kPointSize), nullptr);
  // clearOverrides: the paragraph's own overrides go; clearOtherOverrides:
  // its text's character overrides go too; the other paragraph keeps both.
  ASSERT_EQ(Run(cmds_->ApplyStyleCmd(1, 0, heading, kParagraphStrategy, kTrue, kTrue, kFalse)), kSuccess);
  EXPECT_EQ(Text().ParagraphAttributesAt(0).overrides->Find(kAlignment), nullptr);
  EXPECT_EQ(Text().CharacterAttributesAt(2).overrides->Find(kPointSize), nullptr);
  EXPECT_NE(Text().ParagraphAttributesAt(5).overrides->Find(kAlignment), nullptr);
  EXPECT_NE(Text().CharacterAttributesAt(5).overrides->Find(kPointSize), nullptr);

  // A character style over a range, clearing the characters' overrides.
  ASSERT_EQ(Run(cmds_->ApplyStyleCmd(4, 2, emphasis, kCharacterStrategy, kTrue, kFalse, kTrue)), kSuccess);
  EXPECT_EQ(Text().CharacterAttributesAt(4).style, emphasis);
  EXPECT_EQ(Text().CharacterAttributesAt(4).overrides->Find(kPointSize), nullptr);
  EXPECT_NE(Text().CharacterAttributesAt(6).overrides->Find(kPointSize), nullptr);

  InterfacePtr<ICommand> joining(cmds_->ApplyStyleCmd(0, 0, emphasis, kCharacterStrategy, kFalse, kFalse, kTrue));
  EXPECT_EQ(joining->CanJoin(), kTrue);
}

TEST_F(TextCommandsTest, AStyleOfTheWrongKindOrNoStyleFails) {
  const UID heading = NewStyle(true, "Heading");
  EXPECT_EQ(Run(cmds_->ApplyStyleCmd(0, 1, heading, kCharacterStrategy, kFalse, kFalse, kFalse)), kFailure);
  EXPECT_EQ(Run(cmds_->ApplyStyleCmd(0, 1, story_, kParagraphStrategy, kFalse, kFalse, kFalse)), kFailure);
  EXPECT_EQ(Run(cmds_->ApplyStyleCmd(0, 1, heading, ClassID(0x1234), kFalse, kFalse, kFalse)), kFailure);
}

TEST_F(TextCommandsTest, CreateStyleRefusesDuplicatesAndEmptyNames) {
  NewStyle(true, "Heading");
  for (const char* name : {"Heading", ""}) {
    SCOPED_TRACE(name);
    InterfacePtr<ICommand> create(CmdUtils::CreateCommand(kCreateParaStyleCmdBoss));
    create->SetItemList(UIDList(document_->Workspace()));
    InterfacePtr<IStyleInfo> info(create.get(), UseDefaultIID());
    info->SetName(PMString(name));
    info->SetIsParagraphStyle(kTrue);
    EXPECT_EQ(CmdUtils::ProcessCommand(create.get()), kFailure);
  }
}

TEST_F(TextCommandsTest, DeleteStoryRemovesItFromTheDocument) {
  InterfacePtr<IStoryCmds> storyCmds(model_.get(), UseDefaultIID());
  InterfacePtr<ICommand> remove(storyCmds->CreateDeleteStoryCmd(kTrue));
  cmds_.reset();
  model_.reset();
  ASSERT_EQ(CmdUtils::ProcessCommand(remove.get()), kSuccess);
  EXPECT_FALSE(document_->DataBase()->IsValidUID(story_));
  InterfacePtr<IStoryList> stories(document_->Document(), UseDefaultIID());
  EXPECT_TRUE(stories->GetStories().empty());
}

}  // namespace
