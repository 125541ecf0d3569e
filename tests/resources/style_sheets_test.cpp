// Style-sheet definitions, the default "Normal" styles, the style registry
// and the conflict lists.
#include <gtest/gtest.h>

#include "host/IStyles.h"
#include "host/TextAttributes.h"
#include "resources/StyleSheets.h"
#include "tests/support/ImportFixture.h"

namespace {

class StyleSheetsTest : public ImportFixture {
 protected:
  UID Style(bool paragraph, const char* name) {
    UID uid = kInvalidUID;
    FindStyleByName(Document().Workspace(), PMString(name), &uid,
                    paragraph ? StyleKind::kParagraph : StyleKind::kCharacter);
    return uid;
  }
  // The style's own attributes as "key=value" words, in class order.
  std::string AttributesOf(UID style) {
    InterfacePtr<IStyleAttributes> attributes(DataBase(), style, UseDefaultIID());
    std::string out;
    for (const auto& entry : attributes->GetAttributes()) {
      out += std::string(out.empty() ? "" : " ") + std::string(TextAttributeClasses::Find(entry.classID)->key) + "=";
      std::visit(
          [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, PMString>) {
              out += v.GetUTF8String();
            } else if constexpr (std::is_same_v<T, UID>) {
              out += "uid";
            } else {
              out += std::to_string(v);
            }
          },
          entry.value);
    }
    return out;
  }
  std::string BasedOnName(UID style) {
    InterfacePtr<IStyleInfo> info(DataBase(), style, UseDefaultIID());
    InterfacePtr<IStyleInfo> basedOn(DataBase(), info->GetBasedOn(), UseDefaultIID());
    return basedOn ? basedOn->GetName().GetUTF8String() : "<none>";
  }
};

TEST_F(StyleSheetsTest, DefinitionsCreateStylesFromTheirTags) {
  const Result result = ImportBody(
      "@Emph=<z9U>\r\n"
      "@Head=[S\"\",\"\",\"Emph\"]<*C*kn1z14>\r\n"
      "@Plain=[S\"\",\"\",\"\"]\r\n"
      "text");
  EXPECT_EQ(TextOf(result), "text\r");
  EXPECT_EQ(AttributesOf(Style(false, "Emph")), "pointSize=9.000000 underline=1");
  // The paragraph style takes the character style's attributes; its own
  // tags win for the same class.
  EXPECT_EQ(AttributesOf(Style(true, "Head")), "pointSize=14.000000 underline=1 keepWithNext=1 alignment=1");
  EXPECT_EQ(AttributesOf(Style(true, "Plain")), "");
  EXPECT_EQ(BasedOnName(Style(true, "Plain")), "");  // the table's name-less root
  // A definition makes its character style the one at the insertion point.
  EXPECT_EQ(CharacterStyleAt(result, 0), "Emph");
}

TEST_F(StyleSheetsTest, ParagraphDefinitionsInheritOnlyFromStylesThisImportMade) {
  ImportBody("@Old=<z20>\r\ntext");  // exists before the second import
  ImportBody(
      "@FromOld=[S\"\",\"\",\"Old\"]\r\n"
      "@Normal=<U>\r\n"
      "@FromNormal=[S\"\",\"\",\"Normal\"]\r\n"
      "text");
  EXPECT_EQ(AttributesOf(Style(true, "FromOld")), "");
  // "Normal" is made by this import (the first one defined a character
  // style, so it made no default), and so it is inherited.
  EXPECT_EQ(AttributesOf(Style(true, "FromNormal")), "underline=1");
}

TEST_F(StyleSheetsTest, ADefaultNormalIsInheritedAsAnEmptyList) {
  // No character definition in the first lines: a default character
  // "Normal" (empty) is registered, and a later paragraph definition naming
  // it inherits that empty list.
  ImportBody("@P=[S\"\",\"\",\"Normal\"]<*R>\r\n1\r2\r3\r4\r@Normal=<U>\rtext");
  EXPECT_EQ(AttributesOf(Style(true, "P")), "alignment=2");
}

TEST_F(StyleSheetsTest, DefaultNormalStylesDependOnTheFirstLines) {
  const struct {
    const char* name;
    std::string body;
    std::string paragraphStyleOfText;
    std::vector<std::string> paragraphStyles;
    std::vector<std::string> characterStyles;
  } cases[] = {
      {"no definitions", "text", "Normal", {"", "Normal"}, {"", "Normal"}},
      {"a paragraph definition after the fourth line", "1\r2\r3\r4\r@P=[S\"\",\"\",\"\"]\rtext", "Normal",
       {"", "Normal", "P"}, {"", "Normal"}},
      {"the input defines paragraph Normal itself", "@Normal=[S\"\",\"\",\"\"]<*C>\rtext", "",
       {"", "Normal"}, {"", "Normal"}},
      {"a character definition in the first lines", "@E=<U>\rtext", "Normal", {"", "Normal"}, {"", "E"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    const Result result = ImportBody(c.body);
    EXPECT_EQ(ParagraphStyleAt(result, Story(result)->TotalLength() - 1), c.paragraphStyleOfText);
    EXPECT_EQ(StyleNames(true), c.paragraphStyles);
    EXPECT_EQ(StyleNames(false), c.characterStyles);
  }
}

TEST_F(StyleSheetsTest, ConflictsAreListedAndTheExistingStyleStays) {
  const Result first = ImportBody("@E=<U>\r\n@E=<z30>\r\n@P=[S\"\",\"\",\"\"]<*C>\r\n@P=[S\"\",\"\",\"\"]<*R>\r\nx");
  EXPECT_EQ(AttributesOf(Style(false, "E")), "underline=1");
  EXPECT_EQ(AttributesOf(Style(true, "P")), "alignment=1");
  EXPECT_EQ(first.diagnostics, "Para style with name \"P\" already exist. Will not change.\n");
  ASSERT_EQ(Alerts().size(), 1u);
  EXPECT_NE(Alerts()[0].find("\r\rCharacter styles: E\r\rParagraph styles: P"), std::string::npos);
  // The second definition still applies its style at the insertion point.
  EXPECT_EQ(CharacterStyleAt(first, 0), "E");
}

TEST_F(StyleSheetsTest, NamesKeepBackslashesWhileBracketTextsEscape) {
  // The bracket text and the quoted name each take one level of escapes.
  ImportBody("@A\\B=<U>\r\n@Q=[S\"\",\"\",\"A\\\\\\\\B\"]\r\nx");
  EXPECT_NE(Style(false, "A\\B"), kInvalidUID);
  EXPECT_EQ(AttributesOf(Style(true, "Q")), "underline=1");
}

TEST_F(StyleSheetsTest, GetOrCreateStyleBasesNewStylesOnNormalOfTheSameKind) {
  ImportBody("text");  // makes both "Normal" styles
  InterfacePtr<IWorkspace> workspace(Document().Workspace(), UseDefaultIID());
  UID made = kInvalidUID;
  GetOrCreateStyle(StyleKind::kCharacter, WideString::FromUTF8("Fresh"), &made, Document().Document(), workspace.get());
  ASSERT_NE(made, kInvalidUID);
  EXPECT_EQ(made, Style(false, "Fresh"));
  EXPECT_EQ(BasedOnName(made), "Normal");
  UID again = kInvalidUID;
  GetOrCreateStyle(StyleKind::kCharacter, WideString::FromUTF8("Fresh"), &again, Document().Document(), workspace.get());
  EXPECT_EQ(again, made);
}

}  // namespace
