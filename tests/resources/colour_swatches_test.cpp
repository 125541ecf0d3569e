// Colour swatches: colour definitions of the input, the colours of tags, and
// the swatches made for them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/ISwatches.h"
#include "host/StoryText.h"
#include "host/UtilsBoss.h"
#include "resources/ColourSwatches.h"
#include "tests/support/ImportFixture.h"

namespace {

const std::string kReportHeader =
    "Could not add one or more of the following styles because they already exist in this document. Imported text "
    "is using the existing (old) styles. If you want to add them, please remove them first and repeat the import "
    "process. Offendig styles:";

class ColourSwatchesTest : public ImportFixture {
 protected:
  std::vector<UID> Swatches() const {
    InterfacePtr<ISwatchUtils> utils(UtilsBoss::QueryUtils<ISwatchUtils>());
    InterfacePtr<ISwatchList> list(utils->QueryActiveSwatchList());
    return list->GetSwatches();
  }
  // The named swatch, or nullopt.
  std::optional<SwatchDescription> Named(const char* name) const {
    const UID uid = FindSwatchByName(PMString(name));
    if (uid == kInvalidUID) return std::nullopt;
    return DescribeSwatch(DataBase(), uid);
  }
  // The colour of the text at position, as the name of its swatch.
  std::string ColourNameAt(const Result& result, TextIndex position) const {
    const AttributeValue* value = Story(result)->CharacterAttributesAt(position).overrides->Find(ClassID(0x1B01));
    if (!value) return "<no colour>";
    const auto swatch = DescribeSwatch(DataBase(), std::get<UID>(*value));
    return swatch ? swatch->name : "<no swatch>";
  }
};

void ExpectColour(const std::optional<SwatchDescription>& swatch, const std::string& model,
                  const std::vector<double>& values) {
  ASSERT_TRUE(swatch.has_value());
  EXPECT_EQ(swatch->model, model);
  EXPECT_EQ(swatch->values, values);
}

TEST_F(ColourSwatchesTest, DefinitionsMakeNamedSwatches) {
  const struct {
    const char* name;
    std::string body;
    const char* model;
    std::vector<double> values;
    std::string text = "text\r";
  } cases[] = {
      {"Red", "@Red=[C]<\"CMYK\",a,b,c,0,1,1,x,0>\r\ntext", "CMYK", {0, 1, 1, 0}},
      {"Green", "@Green=[C]<\"RGB\",a,b,c,0,1,0>\r\ntext", "RGB", {0, 1, 0}},
      // Components from fields 4, 5, 6 and 8; field 7 is skipped.
      {"Fields", "@Fields=[C]<\"CMYK\",9,9,9,0.25,0.5,0.75,9,0.125>\r\ntext", "CMYK", {0.25, 0.5, 0.75, 0.125}},
      // Values are not scaled.
      {"Fifty", "@Fifty=[C]<\"CMYK\",a,b,c,50,0,0,x,0>\r\ntext", "CMYK", {50, 0, 0, 0}},
      {"Hundred", "@Hundred=[C]<\"RGB\",a,b,c,100,0,255>\r\ntext", "RGB", {100, 0, 255}},
      // The last definition of the input, without a line end after it.
      {"Last", "text\r\n@Last=[C]<\"RGB\",a,b,c,0,0,1>", "RGB", {0, 0, 1}, "text\r\r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = ImportBody(c.body);
    EXPECT_EQ(TextOf(result), c.text);
    EXPECT_EQ(result.diagnostics, "");
    ExpectColour(Named(c.name), c.model, c.values);
  }
  EXPECT_TRUE(Alerts().empty());
}

TEST_F(ColourSwatchesTest, UnsupportedModelMakesNothing) {
  const std::size_t before = Swatches().size();
  const Result result = ImportBody("@Spot=[C]<\"LAB\",a,b,c,50,0,0>\r\ntext");
  EXPECT_EQ(TextOf(result), "text\r");
  EXPECT_EQ(result.diagnostics, "Extension Brisko does not support color type \"LAB\".\n");
  EXPECT_FALSE(Named("Spot"));
  EXPECT_EQ(Swatches().size(), before);
}

TEST_F(ColourSwatchesTest, LaterEntryReusesTheModelOfTheFirst) {
  // The second entry's model name is not supported; the entry is read as
  // CMYK, and as its name is a swatch by then, it counts as a conflict.
  const Result result = ImportBody("@Two=[C]<\"CMYK\",a,b,c,0,1,1,x,0,..\"LAB\",a,b,c,1,0,0,x,1>\r\ntext");
  EXPECT_EQ(TextOf(result), "text\r");
  EXPECT_EQ(result.diagnostics, "");
  ExpectColour(Named("Two"), "CMYK", {0, 1, 1, 0});
  EXPECT_EQ(Alerts(), std::vector<std::string>{kReportHeader + "\r\rColor swatches: Two"});
}

TEST_F(ColourSwatchesTest, ExistingNamesAreConflictsAndStayUnchanged) {
  const std::string body =
      "@Cyan=[C]<\"CMYK\",a,b,c,0,1,1,x,0>\r\n"
      "@Red=[C]<\"CMYK\",a,b,c,0,1,1,x,0>\r\n"
      "@Red=[C]<\"RGB\",a,b,c,1,0,0>\r\n"
      "text";
  const std::size_t before = Swatches().size();
  EXPECT_EQ(ImportBody(body).diagnostics, "");
  EXPECT_EQ(Swatches().size(), before + 1);
  ExpectColour(Named("Cyan"), "CMYK", {1, 0, 0, 0});
  ExpectColour(Named("Red"), "CMYK", {0, 1, 1, 0});
  ASSERT_EQ(Alerts(), std::vector<std::string>{kReportHeader + "\r\rColor swatches: Cyan, Red"});

  ImportBody(body);
  EXPECT_EQ(Swatches().size(), before + 1);
  ASSERT_EQ(Alerts().size(), 2u);
  EXPECT_EQ(Alerts()[1], kReportHeader + "\r\rColor swatches: Cyan, Red, Red");
}

TEST_F(ColourSwatchesTest, IncompleteDefinitionsMakeNothingSilently) {
  const std::size_t before = Swatches().size();
  const struct {
    const char* name;
    std::string body;
  } cases[] = {
      {"empty first component", "@E1=[C]<\"CMYK\",a,b,c,,1,1,x,0>\r\ntext"},
      {"empty second component", "@E2=[C]<\"RGB\",a,b,c,1,,1>\r\ntext"},
      {"too few fields", "@E3=[C]<\"CMYK\",a,b>\r\ntext"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = ImportBody(c.body);
    EXPECT_EQ(TextOf(result), "text\r");
    EXPECT_EQ(result.diagnostics, "");
  }
  EXPECT_EQ(Swatches().size(), before);
  EXPECT_TRUE(Alerts().empty());
}

TEST_F(ColourSwatchesTest, TagColoursResolveByNameThenByProcessValues) {
  const std::size_t before = Swatches().size();
  const struct {
    const char* tag;
    const char* swatch;
  } cases[] = {
      {"<cC>", "Cyan"},
      {"<cM>", "Magenta"},
      {"<cY>", "Yellow"},
      {"<cW>", "Paper"},
      {"<cK>", "Black"},
      {"<c\"C\">", "Cyan"},
      // Names are compared exactly; any other name is 100% black.
      {"<cc>", "Black"},
      {"<c\" C\">", "Black"},
      {"<c\"Unknown\">", "Black"},
      {"<c\"\">", "Black"},
      {"<c\"Registration\">", "Registration"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    const Result result = ImportBody(std::string(c.tag) + "x");
    EXPECT_EQ(ColourNameAt(result, 0), c.swatch);
  }
  EXPECT_EQ(Swatches().size(), before);
}

TEST_F(ColourSwatchesTest, DefinedSwatchWinsOverProcessLetter) {
  const Result result = ImportBody("@C=[C]<\"RGB\",a,b,c,0,0,1>\r\n<cC>x<c\"C\">y");
  EXPECT_EQ(ColourNameAt(result, 0), "C");
  EXPECT_EQ(ColourNameAt(result, 1), "C");
}

TEST_F(ColourSwatchesTest, ResolveTagColourMakesNoSwatchForTheProcessColours) {
  const std::size_t before = Swatches().size();
  EXPECT_EQ(ResolveTagColour(PMString("C")), FindSwatchByName(PMString("Cyan")));
  EXPECT_EQ(ResolveTagColour(PMString("W")), FindSwatchByName(PMString("Paper")));
  EXPECT_EQ(ResolveTagColour(PMString()), FindSwatchByName(PMString("Black")));
  EXPECT_EQ(Swatches().size(), before);
}

TEST_F(ColourSwatchesTest, CreateColorSwatchMakesNamedAndUnnamedSwatches) {
  const std::size_t before = Swatches().size();

  const UID unnamed = CreateColorSwatch(PMString(), 0.5f, 0.25f, 0, 0, kCMYKModel, 1);
  ASSERT_NE(unnamed, kInvalidUID);
  const auto description = DescribeSwatch(DataBase(), unnamed);
  ASSERT_TRUE(description);
  EXPECT_EQ(description->name, "");
  ExpectColour(description, "CMYK", {0.5, 0.25, 0, 0});
  InterfacePtr<ISwatchRendering> rendering(DataBase(), unnamed, UseDefaultIID());
  InterfacePtr<IColorSwatchInfo> info(DataBase(), unnamed, UseDefaultIID());
  ASSERT_TRUE(rendering && info);
  EXPECT_FALSE(rendering->IsListedInPanel());
  EXPECT_EQ(info->GetCreatorCode(), 31500);
  EXPECT_TRUE(info->IsEditable());
  EXPECT_TRUE(info->IsDeletable());
  EXPECT_EQ(FindSwatchByValues(kCMYKModel, 0.5f, 0.25f, 0, 0), unnamed);

  const UID named = CreateColorSwatch(PMString("Teal"), 0, 0.5f, 0.5f, 0.75f, kRGBModel, 0);
  ASSERT_NE(named, kInvalidUID);
  EXPECT_EQ(FindSwatchByName(PMString("Teal")), named);
  ExpectColour(DescribeSwatch(DataBase(), named), "RGB", {0, 0.5, 0.5});
  InterfacePtr<ISwatchRendering> namedRendering(DataBase(), named, UseDefaultIID());
  ASSERT_TRUE(namedRendering);
  EXPECT_TRUE(namedRendering->IsListedInPanel());

  ExpectColour(DescribeSwatch(DataBase(), CreateColorSwatch(PMString("Lab"), 50, 10, -10, 0, kThirdColourModel, 0)),
               "Lab", {50, 10, -10});

  // An existing name gives the existing swatch, unchanged.
  EXPECT_EQ(CreateColorSwatch(PMString("Cyan"), 0, 0, 0, 1, kCMYKModel, 0), FindSwatchByName(PMString("Cyan")));
  ExpectColour(Named("Cyan"), "CMYK", {1, 0, 0, 0});

  EXPECT_EQ(Swatches().size(), before + 3);
}

TEST_F(ColourSwatchesTest, FindSwatchByValuesMatchesModelAndAllValues) {
  EXPECT_EQ(FindSwatchByValues(kCMYKModel, 0, 0, 0, 1), FindSwatchByName(PMString("Black")));
  EXPECT_EQ(FindSwatchByValues(kCMYKModel, 1, 1, 1, 1), FindSwatchByName(PMString("Registration")));
  EXPECT_EQ(FindSwatchByValues(kCMYKModel, 0, 0, 0, 0.5f), kInvalidUID);
  // RGB takes three values; the fourth is not part of the colour.
  EXPECT_EQ(FindSwatchByValues(kRGBModel, 1, 0, 0, 0), kInvalidUID);
  const UID red = CreateColorSwatch(PMString("RGBRed"), 1, 0, 0, 0, kRGBModel, 0);
  EXPECT_EQ(FindSwatchByValues(kRGBModel, 1, 0, 0, 7), red);
}

}  // namespace
