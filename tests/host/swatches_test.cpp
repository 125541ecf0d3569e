#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "host/HostApplication.h"
#include "host/ISession.h"
#include "host/ISwatches.h"
#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"
#include "host/UtilsBoss.h"

namespace {

struct NewSwatch {
  std::string name;  // empty: an unnamed colour
  int32 space;
  std::vector<double> values;
};

// Makes a colour object and fills it in the way the import does.
InterfacePtr<IColorSwatchInfo> MakeColorObject(const NewSwatch& s) {
  InterfacePtr<IColorUtils> colorUtils(UtilsBoss::QueryUtils<IColorUtils>());
  if (!colorUtils) return {};
  InterfacePtr<IColorSwatchInfo> info(static_cast<IColorSwatchInfo*>(colorUtils->CreateColor(ClassID(0x1F05), 0)));
  if (!info) return {};
  InterfacePtr<IColorData> color(info.get(), PMIID(0x1F01));
  InterfacePtr<ISwatchRendering> rendering(info.get(), PMIID(0x1F04));
  if (!color || !rendering) return {};
  color->SetColorData(s.space, s.values);
  info->SetEditable(kTrue);
  if (!s.name.empty()) info->SetSwatchName(PMString(s.name.c_str()));
  info->SetDeletable(kTrue);
  info->SetCreatorCode(31500);
  rendering->SetListedInPanel(s.name.empty() ? kFalse : kTrue);
  return info;
}

// Adds the colour object to the active document's list through the swatch
// utilities, passing the list's change record as the import does.
UID AddThroughUtils(IPMUnknown* colorObject) {
  InterfacePtr<ISwatchUtils> swatchUtils(UtilsBoss::QueryUtils<ISwatchUtils>());
  InterfacePtr<ISwatchList> list(swatchUtils->QueryActiveSwatchList());
  InterfacePtr<IPMUnknown> changes(list.get(), PMIID(0x2201));
  return swatchUtils->AddSwatch(ClassID(0x1F05), colorObject, changes.get(), 0, 0);
}

UID Add(const NewSwatch& s) { return AddThroughUtils(MakeColorObject(s).get()); }

class SwatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = HostDocument::Create();
    document_->Activate();
    InterfacePtr<ISwatchUtils> swatchUtils(UtilsBoss::QueryUtils<ISwatchUtils>());
    ASSERT_TRUE(swatchUtils);
    list_.reset(swatchUtils->QueryActiveSwatchList());
    ASSERT_TRUE(list_);
    changes_ = InterfacePtr<ISwatchListChanges>(list_.get(), UseDefaultIID());
    ASSERT_TRUE(changes_);
  }

  IDataBase* DataBase() const { return document_->DataBase(); }
  UIDRef Ref(UID uid) const { return UIDRef(DataBase(), uid); }

  std::unique_ptr<HostDocument> document_;
  InterfacePtr<ISwatchList> list_;
  InterfacePtr<ISwatchListChanges> changes_;
};

TEST_F(SwatchTest, NewDocumentHasTheDefaultSetInOrder) {
  struct Expected {
    const char* name;
    const char* model;
    std::vector<double> values;
  };
  const std::vector<Expected> expected = {
      {"None", "None", {}},
      {"Paper", "CMYK", {0, 0, 0, 0}},
      {"Black", "CMYK", {0, 0, 0, 1}},
      {"Registration", "CMYK", {1, 1, 1, 1}},
      {"Cyan", "CMYK", {1, 0, 0, 0}},
      {"Magenta", "CMYK", {0, 1, 0, 0}},
      {"Yellow", "CMYK", {0, 0, 1, 0}},
  };
  const std::vector<UID> swatches = list_->GetSwatches();
  ASSERT_EQ(swatches.size(), expected.size());
  for (std::size_t i = 0; i < swatches.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    const auto description = DescribeSwatch(DataBase(), swatches[i]);
    ASSERT_TRUE(description);
    EXPECT_EQ(description->name, expected[i].name);
    EXPECT_EQ(description->model, expected[i].model);
    EXPECT_EQ(description->values, expected[i].values);
    EXPECT_EQ(list_->FindSwatch(PMString(expected[i].name)), Ref(swatches[i]));
  }
  // Making the defaults is not a change of the list, and a second use makes no second set.
  EXPECT_EQ(changes_->GetChangeCount(), 0);
  EXPECT_EQ(list_->GetSwatches(), swatches);
  EXPECT_FALSE(DescribeSwatch(DataBase(), document_->Workspace().GetUID()));
}

TEST_F(SwatchTest, FindByNameIsExactAndNeverFindsUnnamedSwatches) {
  const UID unnamed = Add({"", kCMYKColorSpace, {0.1, 0.2, 0.3, 0.4}});
  ASSERT_NE(unnamed, kInvalidUID);
  const UIDRef black = list_->FindSwatch("Black");
  ASSERT_NE(black, UIDRef::gNull);
  struct Case {
    const char* name;
    UIDRef expected;
  };
  for (const Case& c : std::vector<Case>{{"Black", black},
                                         {"black", UIDRef::gNull},
                                         {"BLACK", UIDRef::gNull},
                                         {"Black ", UIDRef::gNull},
                                         {"Blac", UIDRef::gNull},
                                         {"", UIDRef::gNull},
                                         {"Blue", UIDRef::gNull}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(list_->FindSwatch(c.name), c.expected);
  }
}

TEST_F(SwatchTest, FindByValuesMatchesSpaceAndEveryValueAndTakesTheFirst) {
  const UID teal = Add({"Teal", kRGBColorSpace, {0, 0.5, 0.5}});
  const UID unnamed = Add({"", kCMYKColorSpace, {0, 0.5, 0.5, 0}});
  const UID red = Add({"", kRGBColorSpace, {1, 0, 0}});
  const UID laterBlack = Add({"", kCMYKColorSpace, {0, 0, 0, 1}});
  for (UID uid : {teal, unnamed, red, laterBlack}) ASSERT_NE(uid, kInvalidUID);
  const UIDRef cyan = list_->FindSwatch("Cyan");
  const UIDRef black = list_->FindSwatch("Black");

  struct Case {
    const char* what;
    int32 space;
    std::vector<double> values;
    UIDRef expected;
  };
  const std::vector<Case> cases = {
      {"named RGB", kRGBColorSpace, {0, 0.5, 0.5}, Ref(teal)},
      {"unnamed CMYK", kCMYKColorSpace, {0, 0.5, 0.5, 0}, Ref(unnamed)},
      {"RGB with the leading values of a CMYK default", kRGBColorSpace, {1, 0, 0}, Ref(red)},
      {"CMYK default with the leading values of an RGB", kCMYKColorSpace, {1, 0, 0, 0}, cyan},
      {"same values in another space", kLabColorSpace, {0, 0.5, 0.5}, UIDRef::gNull},
      {"a prefix of the values", kCMYKColorSpace, {0, 0.5, 0.5}, UIDRef::gNull},
      {"one value differs", kCMYKColorSpace, {0, 0.5, 0.5, 0.0001}, UIDRef::gNull},
      {"the first of two equal colours", kCMYKColorSpace, {0, 0, 0, 1}, black},
      {"None has no colour", kNoColorSpace, {}, UIDRef::gNull},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(list_->FindSwatchByValues(c.space, c.values), c.expected);
  }
}

TEST_F(SwatchTest, ImportAddsNamedAndUnnamedSwatchesThatReadBackUnchanged) {
  const std::vector<UID> before = list_->GetSwatches();
  InterfacePtr<IColorSwatchInfo> colorObject = MakeColorObject({"Spot Orange", kCMYKColorSpace, {0, 50, 100, 0}});
  ASSERT_TRUE(colorObject);
  EXPECT_EQ(GetUIDRef(colorObject.get()), UIDRef::gNull);  // a colour object is not in any database
  const UID named = AddThroughUtils(colorObject.get());
  ASSERT_NE(named, kInvalidUID);
  EXPECT_EQ(changes_->GetChangeCount(), 1);
  EXPECT_EQ(changes_->GetLastAddedSwatch(), named);
  const UID unnamed = Add({"", kRGBColorSpace, {0.25, 2, -1}});
  ASSERT_NE(unnamed, kInvalidUID);
  EXPECT_EQ(changes_->GetChangeCount(), 2);
  EXPECT_EQ(changes_->GetLastAddedSwatch(), unnamed);

  std::vector<UID> expectedOrder = before;
  expectedOrder.push_back(named);
  expectedOrder.push_back(unnamed);
  EXPECT_EQ(list_->GetSwatches(), expectedOrder);

  struct Case {
    UID uid;
    const char* name;
    const char* model;
    std::vector<double> values;
    bool16 listed;
  };
  for (const Case& c : {Case{named, "Spot Orange", "CMYK", {0, 50, 100, 0}, kTrue},
                        Case{unnamed, "", "RGB", {0.25, 2, -1}, kFalse}}) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(DataBase()->IsValidUID(c.uid));
    const auto description = DescribeSwatch(DataBase(), c.uid);
    ASSERT_TRUE(description);
    EXPECT_EQ(description->name, c.name);
    EXPECT_EQ(description->model, c.model);
    EXPECT_EQ(description->values, c.values);  // kept as given: no scaling or clamping
    InterfacePtr<IColorSwatchInfo> info(DataBase(), c.uid, UseDefaultIID());
    InterfacePtr<ISwatchRendering> rendering(DataBase(), c.uid, UseDefaultIID());
    ASSERT_TRUE(info && rendering);
    EXPECT_EQ(GetClass(info.get()), kColorSwatchBoss);
    EXPECT_EQ(info->IsEditable(), kTrue);
    EXPECT_EQ(info->IsDeletable(), kTrue);
    EXPECT_EQ(info->GetCreatorCode(), 31500);
    EXPECT_EQ(rendering->IsListedInPanel(), c.listed);
  }
  EXPECT_EQ(list_->FindSwatch("Spot Orange"), Ref(named));
  EXPECT_EQ(list_->FindSwatchByValues(kRGBColorSpace, {0.25, 2, -1}), Ref(unnamed));

  // The swatch is a copy: later changes to the colour object do not reach it.
  InterfacePtr<IColorData> objectColor(colorObject.get(), UseDefaultIID());
  ASSERT_TRUE(objectColor->SetColorData(kRGBColorSpace, {1, 1, 1}));
  colorObject->SetSwatchName("Renamed");
  EXPECT_EQ(DescribeSwatch(DataBase(), named)->values, (std::vector<double>{0, 50, 100, 0}));
  EXPECT_EQ(list_->FindSwatch("Renamed"), UIDRef::gNull);
}

TEST_F(SwatchTest, RefusedAddsMakeNothingAndLeaveTheListAlone) {
  ASSERT_NE(Add({"Teal", kRGBColorSpace, {0, 0.5, 0.5}}), kInvalidUID);
  const std::vector<UID> swatches = list_->GetSwatches();
  const std::size_t objects = DataBase()->LiveUIDs().size();
  const int32 changes = changes_->GetChangeCount();
  InterfacePtr<ISwatchUtils> swatchUtils(UtilsBoss::QueryUtils<ISwatchUtils>());
  InterfacePtr<IPMUnknown> changesInterface(list_.get(), PMIID(0x2201));
  InterfacePtr<IColorSwatchInfo> fine = MakeColorObject({"Fine", kCMYKColorSpace, {0, 0, 0, 0.5}});
  InterfacePtr<IColorSwatchInfo> noColor = MakeColorObject({"No Colour", kCMYKColorSpace, {}});

  struct Case {
    const char* what;
    UID result;
  };
  const std::vector<Case> cases = {
      {"name of a default swatch", Add({"Black", kCMYKColorSpace, {0, 0, 0, 0.9}})},
      {"name of an added swatch", Add({"Teal", kRGBColorSpace, {0, 0.4, 0.4}})},
      {"no colour data", AddThroughUtils(noColor.get())},
      {"another class", swatchUtils->AddSwatch(kDocBoss, fine.get(), changesInterface.get(), 0, 0)},
      {"not a colour object", AddThroughUtils(changesInterface.get())},
      {"no colour object", AddThroughUtils(nullptr)},
      {"not a swatch list", swatchUtils->AddSwatch(kColorSwatchBoss, fine.get(), fine.get(), 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.result, kInvalidUID);
  }
  EXPECT_EQ(list_->GetSwatches(), swatches);
  EXPECT_EQ(DataBase()->LiveUIDs().size(), objects);
  EXPECT_EQ(changes_->GetChangeCount(), changes);

  // Names that differ only in case are different names; the object that was fine all along is taken.
  EXPECT_NE(Add({"black", kCMYKColorSpace, {0, 0, 0, 0.9}}), kInvalidUID);
  EXPECT_NE(AddThroughUtils(fine.get()), kInvalidUID);
  // The list itself refuses a swatch twice and objects that are not swatches.
  EXPECT_EQ(list_->AppendSwatch(list_->FindSwatch("Fine").GetUID()), kFalse);
  EXPECT_EQ(list_->AppendSwatch(document_->Workspace().GetUID()), kFalse);
}

TEST_F(SwatchTest, ColourDataMustFitItsSpace) {
  InterfacePtr<IColorUtils> colorUtils(UtilsBoss::QueryUtils<IColorUtils>());
  EXPECT_EQ(colorUtils->CreateColor(kDocBoss, 0), nullptr);
  InterfacePtr<IColorSwatchInfo> swatch(static_cast<IColorSwatchInfo*>(colorUtils->CreateColor(kColorSwatchBoss, 0)));
  InterfacePtr<IColorData> color(swatch.get(), UseDefaultIID());
  ASSERT_TRUE(color);
  EXPECT_EQ(color->HasColorData(), kFalse);
  ASSERT_EQ(color->SetColorData(kLabColorSpace, {50, -20, 30}), kTrue);

  struct Case {
    const char* what;
    int32 space;
    std::vector<double> values;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const Case& c : std::vector<Case>{{"CMYK with three values", kCMYKColorSpace, {0, 0, 0}},
                                         {"RGB with four values", kRGBColorSpace, {0, 0, 0, 0}},
                                         {"unknown space", 8, {0, 0, 0}},
                                         {"no colour", kNoColorSpace, {}},
                                         {"not a number", kRGBColorSpace, {0, nan, 0}},
                                         {"infinite", kCMYKColorSpace, {0, 0, inf, 0}}}) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(color->SetColorData(c.space, c.values), kFalse);
    EXPECT_EQ(color->GetColorSpace(), kLabColorSpace);
    EXPECT_EQ(color->GetColorValues(), (std::vector<double>{50, -20, 30}));
  }
}

TEST(SwatchListTest, EachDocumentHasItsOwnListAndTheActiveOneIsFound) {
  auto first = HostDocument::Create();
  auto second = HostDocument::Create();
  InterfacePtr<ISwatchUtils> swatchUtils(UtilsBoss::QueryUtils<ISwatchUtils>());
  ASSERT_TRUE(swatchUtils);

  GetExecutionContextSession()->GetActiveContext()->Clear();
  EXPECT_EQ(InterfacePtr<ISwatchList>(swatchUtils->QueryActiveSwatchList()), nullptr);

  first->Activate();
  ASSERT_NE(Add({"Only In First", kRGBColorSpace, {1, 0.5, 0}}), kInvalidUID);
  InterfacePtr<ISwatchList> firstList(swatchUtils->QueryActiveSwatchList());
  ASSERT_TRUE(firstList);
  EXPECT_EQ(GetUIDRef(firstList.get()), first->Workspace());
  EXPECT_EQ(firstList->FindSwatch("Only In First").GetDataBase(), first->DataBase());

  second->Activate();
  InterfacePtr<ISwatchList> secondList(swatchUtils->QueryActiveSwatchList());
  ASSERT_TRUE(secondList);
  EXPECT_EQ(GetUIDRef(secondList.get()), second->Workspace());
  EXPECT_EQ(secondList->FindSwatch("Only In First"), UIDRef::gNull);
  EXPECT_EQ(secondList->FindSwatch("Black").GetDataBase(), second->DataBase());
  EXPECT_EQ(secondList->GetSwatches().size() + 1, firstList->GetSwatches().size());
}

}  // namespace
