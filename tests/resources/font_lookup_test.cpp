// Font lookup: font names of the input to the document's font families, and
// the four style-linked faces of a family.
#include <gtest/gtest.h>

#include <string>

#include "host/IFonts.h"
#include "resources/FontLookup.h"
#include "tests/support/ImportFixture.h"

namespace {

class FontLookupTest : public ImportFixture {
 protected:
  // The family name of the document's family found for name, "" for none.
  std::string FamilyFound(const char* name) const {
    const UID uid = FindFontFamily(PMString(name), DataBase());
    if (uid == kInvalidUID) return "";
    InterfacePtr<IFontFamily> family(DataBase(), uid, UseDefaultIID());
    return family ? family->GetFamilyName().GetUTF8String() : "<not a family>";
  }
};

TEST_F(FontLookupTest, FindsFamiliesByAnyOfTheFontsNames) {
  const struct {
    const char* name;
    const char* family;
  } cases[] = {
      {"DejaVu Sans", "DejaVu Sans"},
      {"Liberation Serif", "Liberation Serif"},
      {"DejaVuSans-Bold", "DejaVu Sans"},  // PostScript name
      {"LiberationSerif-BoldItalic", "Liberation Serif"},
      {"DejaVu Sans Bold Oblique", "DejaVu Sans"},  // full name
      {"Liberation Mono Italic", "Liberation Mono"},
      // A style name: the first group in the manager's order that has it.
      {"Bold", "DejaVu Sans"},
      {"Bold Italic", "DejaVu Serif"},
      {"Regular", "DejaVu Math TeX Gyre"},
      // Names are compared exactly.
      {"dejavu sans", ""},
      {"DejaVu Sans ", ""},
      {" DejaVu Sans", ""},
      {"DejaVu", ""},
      {"dejavusans-bold", ""},
      {"No Such Font", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FamilyFound(c.name), c.family);
  }
}

TEST_F(FontLookupTest, EveryNameOfAFamilyGivesTheSameFamily) {
  const UID family = FindFontFamily(PMString("DejaVu Sans"), DataBase());
  ASSERT_NE(family, kInvalidUID);
  EXPECT_EQ(FindFontFamily(PMString("DejaVuSans-Bold"), DataBase()), family);
  EXPECT_EQ(FindFontFamily(PMString("DejaVu Sans Bold Oblique"), DataBase()), family);
  EXPECT_EQ(FindFontFamily(PMString("DejaVu Sans"), DataBase()), family);
}

TEST_F(FontLookupTest, FindFaceNameGivesTheFourStyleLinkedFaces) {
  const struct {
    const char* family;
    const char* faces[5];  // kinds 0 to 3, then an invalid kind
  } cases[] = {
      {"DejaVu Sans", {"Book", "Oblique", "Bold", "Bold Oblique", ""}},
      {"DejaVu Serif", {"Book", "Italic", "Bold", "Bold Italic", ""}},
      {"Liberation Serif", {"Regular", "Italic", "Bold", "Bold Italic", ""}},
      // DejaVu Math TeX Gyre has a plain face only.
      {"DejaVu Math TeX Gyre", {"Regular", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.family);
    for (int32 kind = 0; kind <= 4; ++kind) {
      SCOPED_TRACE(kind);
      EXPECT_EQ(FindFaceName(PMString(c.family), kind, DataBase()).GetUTF8String(), c.faces[kind]);
    }
  }
}

TEST_F(FontLookupTest, FindFaceNameOfAnUnknownFamilyReportsIt) {
  const struct {
    const char* family;
    const char* diagnostics;
  } cases[] = {
      {"No Such Font", "Could not get the UID of font \"No Such Font\"."},
      {"dejavu sans", "Could not get the UID of font \"dejavu sans\"."},
      // Found by its PostScript name: no message.
      {"DejaVuSans-Bold", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.family);
    testing::internal::CaptureStdout();
    const PMString face = FindFaceName(PMString(c.family), 2, DataBase());
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.diagnostics);
    EXPECT_EQ(face.GetUTF8String(), *c.diagnostics ? "" : "Bold");
  }
}

}  // namespace
