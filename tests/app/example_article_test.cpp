// The example article, imported as the brisko command imports it: the JSON
// dump shows its styles, attributes, swatches and text where they belong.
#include <gtest/gtest.h>

#include "app/DocumentWriter.h"
#include "app/ImportSession.h"
#include "host/CAlert.h"

namespace {

TEST(ExampleArticleTest, ImportsWithEveryAttributeInPlace) {
  CAlert::SetEchoToStandardError(false);
  testing::internal::CaptureStdout();
  ImportSession session;
  std::string message;
  ASSERT_EQ(session.Import(std::string(BRISKO_EXAMPLES_DIR) + "/article.xtg", message), ImportOutcome::kImported)
      << message;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // the article makes no diagnostic line
  const auto dump = DocumentToJson(session);

  const auto& paragraphs = dump["stories"][0]["paragraphs"];
  ASSERT_GE(paragraphs.size(), 7u);
  EXPECT_EQ(paragraphs[0]["paragraphStyle"], "Heading");
  EXPECT_EQ(paragraphs[0]["runs"][0]["text"], "Brisko reads XPress Tags");
  EXPECT_EQ(paragraphs[1]["runs"][0]["characterStyle"], "Byline");

  // The body paragraph: bold, italic, sizes, colours and tracking by run.
  const auto& runs = paragraphs[2]["runs"];
  const auto attributesOf = [&](const std::string& text) {
    for (const auto& run : runs) {
      if (run["text"] == text) return nlohmann::ordered_json(run["attributes"]);
    }
    ADD_FAILURE() << "no run " << text;
    return nlohmann::ordered_json::object();
  };
  EXPECT_EQ(attributesOf("bold")["fontStyle"], "Bold");
  EXPECT_EQ(attributesOf("italic")["fontStyle"], "Italic");
  EXPECT_EQ(attributesOf("small")["pointSize"], 8.0);
  EXPECT_EQ(attributesOf("accent orange")["fillColor"], "Accent");
  EXPECT_EQ(attributesOf("sky blue")["fillColor"], "Sky");
  EXPECT_EQ(attributesOf("airy words")["tracking"], 0.2);
  EXPECT_EQ(attributesOf("tight ones")["tracking"], -0.1);

  EXPECT_EQ(paragraphs[5]["attributes"]["alignment"], 1);
  const auto& ruled = paragraphs[6]["attributes"];
  EXPECT_EQ(ruled["ruleBelowOn"], true);
  EXPECT_EQ(ruled["ruleBelowWeight"], 0.5);
  EXPECT_EQ(ruled["ruleBelowColor"], "Black");
  EXPECT_EQ(ruled["ruleBelowLeftIndent"], 6.0);
  EXPECT_EQ(ruled["ruleBelowMode"], 2);
  EXPECT_EQ(ruled["alignment"], 2);

  // Styles and swatches the article defines.
  const auto& heading = dump["paragraphStyles"][1];
  EXPECT_EQ(heading["name"], "Heading");
  EXPECT_EQ(heading["attributes"]["fontStyle"], "Italic");  // from the "Emphasis" character style it names
  EXPECT_EQ(heading["attributes"]["ruleAboveColor"], "Accent");
  bool accentFound = false;
  for (const auto& swatch : dump["swatches"]) {
    if (swatch["name"] != "Accent") continue;
    accentFound = true;
    EXPECT_EQ(swatch["model"], "CMYK");
    EXPECT_EQ(swatch["values"], (nlohmann::ordered_json{0.0, 0.8, 1.0, 0.0}));
  }
  EXPECT_TRUE(accentFound);
  EXPECT_TRUE(dump["alerts"].empty());
}

}  // namespace
