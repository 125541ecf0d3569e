#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "host/HostApplication.h"
#include "host/IFonts.h"
#include "host/ISession.h"

namespace {

// The fonts of these tests are the ones tests/fonts/fonts.conf names, not
// the machine's. The font manager reads fontconfig on first use, which is
// after this runs.
class FontConfigEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const auto conf = std::filesystem::path(__FILE__).parent_path().parent_path() / "fonts" / "fonts.conf";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
  }
};
[[maybe_unused]] ::testing::Environment* const kFontConfigEnvironment =
    ::testing::AddGlobalTestEnvironment(new FontConfigEnvironment);

const char* KindName(FaceKind kind) {
  switch (kind) {
    case FaceKind::kNone: return "none";
    case FaceKind::kPlain: return "plain";
    case FaceKind::kItalic: return "italic";
    case FaceKind::kBold: return "bold";
    case FaceKind::kBoldItalic: return "bold italic";
  }
  return "?";
}

class FontsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeHost();
    InterfacePtr<IPMUnknown> application(GetExecutionContextSession()->QueryApplication());
    mgr_ = InterfacePtr<IFontMgr>(application.get(), IID_IFONTMGR);
    ASSERT_TRUE(mgr_);
  }

  // The style names of a family's faces, in the manager's order.
  std::vector<std::string> FaceNames(const char* family) const {
    std::vector<std::string> names;
    const int32 group = mgr_->FindFontGroup(PMString(family));
    InterfacePtr<IFontGroup> fontGroup(mgr_->QueryFontGroup(group));
    for (int32 i = 0; fontGroup && i < fontGroup->CountFaces(); ++i) {
      InterfacePtr<IPMFont> font(mgr_->QueryFont(group, i, 0, 0.7, 0));
      EXPECT_EQ(font->GetFamilyName(), PMString(family));
      names.push_back(font->GetStyleName().GetUTF8String());
    }
    return names;
  }

  InterfacePtr<IFontMgr> mgr_;
};

TEST_F(FontsTest, ManagerListsFamiliesInNameOrderAndFindsThemByExactName) {
  const int32 count = mgr_->CountFontGroups();
  ASSERT_GT(count, 0);
  PMString previous;
  for (int32 i = 0; i < count; ++i) {
    InterfacePtr<IFontGroup> group(mgr_->QueryFontGroup(i));
    ASSERT_TRUE(group);
    const PMString name = group->GetFamilyName();
    SCOPED_TRACE(name.GetUTF8String());
    EXPECT_GT(group->CountFaces(), 0);
    EXPECT_EQ(mgr_->FindFontGroup(name), i);
    if (i > 0) {
      EXPECT_GT(name.Compare(kFalse, previous), 0);
    }
    previous = name;
  }
  EXPECT_GE(mgr_->FindFontGroup("DejaVu Sans"), 0);
  EXPECT_GE(mgr_->FindFontGroup("Liberation Serif"), 0);
  // Only exact names; the condensed faces belong to DejaVu Sans, not to a
  // family of their legacy name.
  for (const char* name : {"dejavu sans", "DejaVu", "DejaVu Sans ", "", "DejaVu Sans Condensed"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(mgr_->FindFontGroup(name), -1);
    EXPECT_EQ(mgr_->QueryFontByName(name, "Bold"), nullptr);
  }

  EXPECT_EQ(mgr_->QueryFontGroup(-1), nullptr);
  EXPECT_EQ(mgr_->QueryFontGroup(count), nullptr);
  EXPECT_EQ(mgr_->QueryFont(-1, 0, 0, 0.7, 0), nullptr);
  EXPECT_EQ(mgr_->QueryFont(count, 0, 0, 0.7, 0), nullptr);
  EXPECT_EQ(mgr_->QueryFont(0, -1, 0, 0.7, 0), nullptr);
  InterfacePtr<IFontGroup> first(mgr_->QueryFontGroup(0));
  EXPECT_EQ(mgr_->QueryFont(0, first->CountFaces(), 0, 0.7, 0), nullptr);
}

TEST_F(FontsTest, FacesAreOrderedByWidthWeightAndSlant) {
  EXPECT_EQ(FaceNames("DejaVu Sans"),
            (std::vector<std::string>{"ExtraLight", "Book", "Oblique", "Bold", "Bold Oblique", "Condensed",
                                      "Condensed Oblique", "Condensed Bold", "Condensed Bold Oblique"}));
  EXPECT_EQ(FaceNames("Liberation Serif"), (std::vector<std::string>{"Regular", "Italic", "Bold", "Bold Italic"}));
}

TEST_F(FontsTest, FontsCarryTheirFourNamesAndEachStyleLinkedKindIsOneFace) {
  struct Row {
    const char* family;
    const char* style;
    const char* fullName;
    const char* postScriptName;
    FaceKind kind;
  };
  const Row rows[] = {
      {"DejaVu Sans", "Book", "DejaVu Sans", "DejaVuSans", FaceKind::kPlain},
      {"DejaVu Sans", "Oblique", "DejaVu Sans Oblique", "DejaVuSans-Oblique", FaceKind::kItalic},
      {"DejaVu Sans", "Bold", "DejaVu Sans Bold", "DejaVuSans-Bold", FaceKind::kBold},
      {"DejaVu Sans", "Bold Oblique", "DejaVu Sans Bold Oblique", "DejaVuSans-BoldOblique", FaceKind::kBoldItalic},
      {"DejaVu Sans", "Condensed Bold", "DejaVu Sans Condensed Bold", "DejaVuSansCondensed-Bold", FaceKind::kNone},
      {"Liberation Serif", "Regular", "Liberation Serif", "LiberationSerif", FaceKind::kPlain},
      {"Liberation Serif", "Italic", "Liberation Serif Italic", "LiberationSerif-Italic", FaceKind::kItalic},
      {"Liberation Serif", "Bold", "Liberation Serif Bold", "LiberationSerif-Bold", FaceKind::kBold},
      {"Liberation Serif", "Bold Italic", "Liberation Serif Bold Italic", "LiberationSerif-BoldItalic",
       FaceKind::kBoldItalic},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.family) + " / " + row.style);
    InterfacePtr<IPMFont> font(mgr_->QueryFontByName(row.family, row.style));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->GetFamilyName().GetUTF8String(), row.family);
    EXPECT_EQ(font->GetStyleName().GetUTF8String(), row.style);
    EXPECT_EQ(font->GetFullName().GetUTF8String(), row.fullName);
    EXPECT_EQ(font->GetPostScriptName().GetUTF8String(), row.postScriptName);
    EXPECT_STREQ(KindName(ClassifyFaceName(font->GetStyleName())), KindName(row.kind));
  }
  EXPECT_EQ(mgr_->QueryFontByName("Liberation Serif", "bold"), nullptr);

  // The bold and italic switches must find exactly one face of each kind.
  for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Liberation Serif", "Liberation Mono"}) {
    SCOPED_TRACE(family);
    int kinds[5] = {};
    for (const std::string& face : FaceNames(family)) ++kinds[static_cast<int>(ClassifyFaceName(PMString(face)))];
    for (FaceKind kind : {FaceKind::kPlain, FaceKind::kItalic, FaceKind::kBold, FaceKind::kBoldItalic}) {
      EXPECT_EQ(kinds[static_cast<int>(kind)], 1) << KindName(kind);
    }
  }
}

TEST(FaceNameTest, ClassifiesStyleNamesByTheirWords) {
  const struct {
    FaceKind kind;
    std::vector<const char*> names;
  } table[] = {
      {FaceKind::kPlain, {"Regular", "Roman", "Book", "Normal", "Medium", "Plain", "regular", "REGULAR", "Reg"}},
      {FaceKind::kItalic, {"Italic", "Oblique", "Book Italic", "Medium Italic", "It", "italic", "Regular-Italic"}},
      {FaceKind::kBold, {"Bold", "Bd", "bold", "BOLD", " Bold "}},
      {FaceKind::kBoldItalic,
       {"Bold Italic", "Bold Oblique", "BoldItalic", "BoldOblique", "Bold-Italic", "Bold_Oblique", "BdIt",
        "Italic Bold", "BOLDITALIC", "bolditalic"}},
      {FaceKind::kNone,
       {"", " ", "-", "Semibold", "SemiBold", "Semi Bold", "Demibold", "Demi-Bold", "ExtraBold", "Black", "Heavy",
        "Light", "Light Italic", "Thin", "Condensed", "Bold Condensed", "Condensed Bold", "Narrow Italic", "75 Bold",
        "Bold2", "Bolder", "Regular SC", "Small Caps", "Gras", "Kursiv", "Negr\xC3\xADta", "Bold \xC3\xA9"}},
  };
  for (const auto& row : table) {
    for (const char* name : row.names) {
      SCOPED_TRACE(std::string("\"") + name + "\"");
      EXPECT_STREQ(KindName(ClassifyFaceName(PMString(name))), KindName(row.kind));
    }
  }
}

class DocFontListTest : public FontsTest {
 protected:
  void SetUp() override {
    FontsTest::SetUp();
    doc_ = HostDocument::Create();
    list_ = QueryFontList(*doc_);
    ASSERT_TRUE(list_);
  }

  static InterfacePtr<IDocFontList> QueryFontList(const HostDocument& doc) {
    InterfacePtr<IFontListOwner> owner(doc.Document(), IID_IFONTLISTOWNER);
    if (!owner) return {};
    return InterfacePtr<IDocFontList>(owner->GetFontListRef(), IID_IDOCFONTLIST);
  }

  InterfacePtr<IFontFamily> Family(UID uid) const {
    return InterfacePtr<IFontFamily>(doc_->DataBase(), uid, IID_IFONTFAMILY);
  }

  std::unique_ptr<HostDocument> doc_;
  InterfacePtr<IDocFontList> list_;
};

TEST_F(DocFontListTest, ListIsOneObjectOfTheDocumentDatabase) {
  InterfacePtr<IFontListOwner> owner(doc_->Document(), IID_IFONTLISTOWNER);
  const UIDRef ref = owner->GetFontListRef();
  EXPECT_EQ(ref.GetDataBase(), doc_->DataBase());
  EXPECT_EQ(owner->GetFontListRef(), ref);
  EXPECT_TRUE(list_->GetFamilies().empty());

  // Another document has a list of its own.
  const auto other = HostDocument::Create();
  InterfacePtr<IDocFontList> otherList(QueryFontList(*other));
  ASSERT_TRUE(otherList);
  ASSERT_NE(list_->FindFamily("Liberation Serif"), kInvalidUID);
  EXPECT_TRUE(otherList->GetFamilies().empty());
}

TEST_F(DocFontListTest, FamilyIsAddedOnceAndNamesTheMachinesFaces) {
  const UID serif = list_->FindFamily("Liberation Serif");
  ASSERT_NE(serif, kInvalidUID);
  EXPECT_EQ(list_->FindFamily("Liberation Serif"), serif);
  InterfacePtr<IPMFont> serifBold(mgr_->QueryFontByName("Liberation Serif", "Bold"));
  EXPECT_EQ(list_->GetFamilyUID(serifBold.get()), serif);
  EXPECT_EQ(list_->GetFamilyUID(serifBold.get(), kFalse), serif);
  EXPECT_EQ(list_->GetFamilies(), std::vector<UID>{serif});

  InterfacePtr<IFontFamily> family(Family(serif));
  ASSERT_TRUE(family);
  EXPECT_EQ(family->GetFamilyName(), PMString("Liberation Serif"));
  ASSERT_EQ(family->CountFaces(), 4);
  std::vector<std::string> faces;
  for (int32 i = 0; i < family->CountFaces(); ++i) faces.push_back(family->GetFaceName(i).GetUTF8String());
  EXPECT_EQ(faces, FaceNames("Liberation Serif"));
  EXPECT_TRUE(family->GetFaceName(4).IsEmpty());
  EXPECT_TRUE(family->GetFaceName(-1).IsEmpty());

  // A font of a family the list lacks is added only when asked to.
  InterfacePtr<IPMFont> sans(mgr_->QueryFontByName("DejaVu Sans", "Oblique"));
  EXPECT_EQ(list_->GetFamilyUID(sans.get(), kFalse), kInvalidUID);
  EXPECT_EQ(list_->GetFamilies().size(), 1u);
  const UID sansUID = list_->GetFamilyUID(sans.get());
  ASSERT_NE(sansUID, kInvalidUID);
  EXPECT_NE(sansUID, serif);
  EXPECT_EQ(list_->FindFamily("DejaVu Sans"), sansUID);
  EXPECT_EQ(list_->GetFamilies(), (std::vector<UID>{serif, sansUID}));
  EXPECT_EQ(list_->GetFamilyUID(nullptr), kInvalidUID);
}

TEST_F(DocFontListTest, FamilyTheMachineLacksIsNotFoundNorAdded) {
  for (const char* name : {"No Such Family", "liberation serif", "Liberation Serif ", "", "DejaVu Sans Condensed"}) {
    SCOPED_TRACE(std::string("\"") + name + "\"");
    EXPECT_EQ(list_->FindFamily(name), kInvalidUID);
  }
  EXPECT_TRUE(list_->GetFamilies().empty());
}

TEST_F(FontsTest, DefaultFontIsLiberationSerifRegular) {
  const FontFaceName font = GetDefaultFontName();
  EXPECT_EQ(font.family.GetUTF8String(), "Liberation Serif");
  EXPECT_EQ(font.face.GetUTF8String(), "Regular");
}

}  // namespace
