// Applying, clearing and reverting attributes at the insertion point, and
// applying paragraph styles by name.
#include <gtest/gtest.h>

#include "host/CPMUnknown.h"
#include "host/ITextUtils.h"
#include "host/ObjectModel.h"
#include "host/TextAttributes.h"
#include "host/UtilsBoss.h"
#include "resources/StyleApplication.h"
#include "tests/support/ImportFixture.h"

namespace {

constexpr ClassID kPointSize{0x1B03};
constexpr ClassID kUnderline{0x1B2A};
constexpr ClassID kCharacterStrategy{0x235};

// A story whose text commands hand out no apply, clear or delete command,
// as a failing host might.
class CommandlessTextCmds : public CPMUnknown<ITextModelCmds> {
 public:
  using CPMUnknown::CPMUnknown;
  ICommand* InsertCmd(TextIndex, const CountedHandle<WideString>&, int32) override { return nullptr; }
  ICommand* DeleteCmd(TextIndex, int32) override { return nullptr; }
  ICommand* ApplyCmd(TextIndex, int32, const SharedAttributeBossList&, ClassID) override { return nullptr; }
  ICommand* ClearOverridesCmd(TextIndex, int32, const SharedAttributeBossList&, ClassID) override { return nullptr; }
  ICommand* ApplyStyleCmd(TextIndex, int32, UID, ClassID, bool16, bool16, bool16) override { return nullptr; }
};
constexpr ClassID kCommandlessStoryBoss{0x7E01};
constexpr ImplementationID kCommandlessTextCmdsImpl{0x7E02};
constexpr ImplementationID kHostTextModelImpl{0x3C10};

class StyleApplicationTest : public ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    InterfacePtr<ITextUtils> utils(UtilsBoss::QueryUtils<ITextUtils>());
    const UID story = utils->CreateStory(DataBase(), ITextUtils::kListedStory);
    model_ = InterfacePtr<ITextModel>(DataBase(), story, UseDefaultIID());
    model_->Insert(0, WideString::FromUTF8("ab"));
  }
  void TearDown() override {
    model_.reset();
    ImportFixture::TearDown();
  }
  SharedAttributeList ListOf(ClassID attributeClass, AttributeValue value) {
    SharedAttributeList list = MakeEmptyAttributeList();
    InterfacePtr<ITextAttribute> attribute(TextAttributeClasses::Create(attributeClass, value));
    list->ApplyAttribute(attribute.get());
    return list;
  }
  const AttributeValue* AtInsertionPoint(ClassID attributeClass) {
    const StoryText& text = model_->GetStoryText();
    static RunAttributes held;
    held = text.InsertionAttributesAt(text.TotalLength() - 1);
    return held.overrides->Find(attributeClass);
  }
  InterfacePtr<ITextModel> model_;
};

TEST_F(StyleApplicationTest, ApplyLeavesTheTextAndEmptiesTheList) {
  const SharedAttributeList list = ListOf(kPointSize, 11.0);
  EXPECT_EQ(ApplyAttributesAtEnd(model_.get(), list, kCharacterStrategy, 1), 0);
  EXPECT_EQ(list->CountBosses(), 0);
  EXPECT_EQ(EncodeUTF8(model_->GetStoryText().Text()), "ab\r");
  ASSERT_NE(AtInsertionPoint(kPointSize), nullptr);
  EXPECT_EQ(std::get<double>(*AtInsertionPoint(kPointSize)), 11.0);
  // Collect-only mode changes nothing and keeps the list.
  const SharedAttributeList kept = ListOf(kUnderline, int32{1});
  EXPECT_EQ(ApplyAttributesAtEnd(model_.get(), kept, kCharacterStrategy, 0), 0);
  EXPECT_EQ(kept->CountBosses(), 1);
  EXPECT_EQ(AtInsertionPoint(kUnderline), nullptr);
}

TEST_F(StyleApplicationTest, ClearAndRevertRemoveOverridesAtTheInsertionPoint) {
  ASSERT_EQ(ApplyAttributesAtEnd(model_.get(), ListOf(kPointSize, 11.0), kCharacterStrategy, 1), 0);
  ASSERT_EQ(ApplyAttributesAtEnd(model_.get(), ListOf(kUnderline, int32{1}), kCharacterStrategy, 1), 0);
  InterfacePtr<IAttributeStrand> strand(
      static_cast<IAttributeStrand*>(model_->QueryStrand(kCharAttrStrandBoss, IID_IATTRIBUTESTRAND)));
  const SharedAttributeList running = ListOf(kUnderline, int32{0});

  // A class that is not overridden: nothing to revert.
  EXPECT_EQ(RevertOverridesAtEnd(model_.get(), strand.get(), ClassID(0x1B0B), running, 1), 1);
  EXPECT_EQ(running->CountBosses(), 1);
  EXPECT_EQ(RevertOverridesAtEnd(model_.get(), strand.get(), kPointSize, running, 1), 0);
  EXPECT_EQ(AtInsertionPoint(kPointSize), nullptr);
  EXPECT_NE(AtInsertionPoint(kUnderline), nullptr);
  EXPECT_EQ(running->CountBosses(), 0);  // a successful clear drops what the running text collected
  EXPECT_EQ(RevertOverridesAtEnd(model_.get(), strand.get(), kInvalidClass, running, 1), 0);
  EXPECT_EQ(AtInsertionPoint(kUnderline), nullptr);
  EXPECT_EQ(EncodeUTF8(model_->GetStoryText().Text()), "ab\r");
}

TEST_F(StyleApplicationTest, RegressionPlaceholderStayedWhenTheHostGaveNoCommand) {
  ObjectModel& objects = ObjectModel::Instance();
  objects.InstallImplementation(MakeFactory<CommandlessTextCmds>(kCommandlessTextCmdsImpl));
  objects.DefineClass(kCommandlessStoryBoss, kInvalidClass,
                      {{IID_ITEXTMODEL, kHostTextModelImpl}, {IID_ITEXTMODELCMDS, kCommandlessTextCmdsImpl}});
  const UID story = DataBase()->NewObject(kCommandlessStoryBoss);
  InterfacePtr<ITextModel> model(DataBase(), story, UseDefaultIID());
  model->Insert(0, WideString::FromUTF8("ab"));

  const SharedAttributeList list = ListOf(kPointSize, 11.0);
  EXPECT_NE(ApplyAttributesAtEnd(model.get(), list, kCharacterStrategy, 1), 0);
  EXPECT_EQ(list->CountBosses(), 1);  // kept for the next application
  EXPECT_NE(ClearOverridesAtEnd(model.get(), list, SharedAttributeList(), 1), 0);
  EXPECT_EQ(EncodeUTF8(model->GetStoryText().Text()), "ab\r");
}

class ParagraphStyleByNameTest : public ImportFixture {};

TEST_F(ParagraphStyleByNameTest, NewStylesAreBasedOnNormalAndStartWithoutALocalFont) {
  const Result result = ImportBody("<f\"DejaVu Sans\">a\r\n@New:b");
  EXPECT_EQ(TextOf(result), "a\rb\r");
  EXPECT_EQ(ParagraphStyleAt(result, 2), "New");
  const StoryText* story = Story(result);
  EXPECT_NE(story->CharacterAttributesAt(0).overrides->Find(ClassID(0x1B2B)), nullptr);
  EXPECT_EQ(story->CharacterAttributesAt(2).overrides->Find(ClassID(0x1B2B)), nullptr);
  const auto styles = StyleNames(true);
  EXPECT_EQ(styles.back(), "New");
}

}  // namespace
