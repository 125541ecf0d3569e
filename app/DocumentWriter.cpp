#include "app/DocumentWriter.h"

#include <charconv>
#include <fstream>

#include "host/CAlert.h"
#include "host/IFonts.h"
#include "host/ISwatches.h"
#include "host/IStyles.h"
#include "host/ITextModel.h"
#include "host/TextAttributes.h"

namespace {

using json = nlohmann::ordered_json;

std::string Utf8(std::u16string_view units) { return EncodeUTF8(units); }

// The name of a style, or null for none and for a table's name-less root.
json StyleName(IDataBase* db, UID style) {
  InterfacePtr<IStyleInfo> info(db, style, UseDefaultIID());
  if (!info || info->GetName().IsEmpty()) return nullptr;
  return info->GetName().GetUTF8String();
}

// A colour component as the host was given it: a value that came from a
// float prints as that float's shortest form (0.8, not 0.800000011920929).
double ComponentJson(double value) {
  const auto narrow = static_cast<float>(value);
  if (static_cast<double>(narrow) != value) return value;
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, narrow);
  double shortest = value;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

// A swatch by its name, or for an unnamed one by its model and values.
json SwatchNameJson(IDataBase* db, UID swatch) {
  const auto description = DescribeSwatch(db, swatch);
  if (!description) return nullptr;
  if (!description->name.empty()) return description->name;
  std::string text = description->model;
  for (const double v : description->values) {
    char number[32];
    const auto written = std::to_chars(number, number + sizeof number, ComponentJson(v));
    text += " " + std::string(number, written.ptr);
  }
  return text;
}

json FontFamilyJson(IDataBase* db, UID family) {
  InterfacePtr<IFontFamily> font(db, family, UseDefaultIID());
  if (!font) return nullptr;
  return font->GetFamilyName().GetUTF8String();
}

json ValueJson(IDataBase* db, const TextAttributeClass& row, const AttributeValue& value) {
  return std::visit(
      [&](const auto& v) -> json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, PMString>) {
          return v.GetUTF8String();
        } else if constexpr (std::is_same_v<T, UID>) {
          return row.key == "fontFamily" ? FontFamilyJson(db, v) : SwatchNameJson(db, v);
        } else {
          return v;
        }
      },
      value);
}

json AttributesJson(IDataBase* db, const std::vector<AttributeEntry>& entries) {
  json out = json::object();
  for (const auto& entry : entries) {
    const TextAttributeClass* row = TextAttributeClasses::Find(entry.classID);
    if (row) out[std::string(row->key)] = ValueJson(db, *row, entry.value);
  }
  return out;
}

json SwatchesJson(const HostDocument& document) {
  json swatches = json::array();
  InterfacePtr<ISwatchList> list(document.Workspace(), UseDefaultIID());
  if (!list) return swatches;
  for (const UID swatch : list->GetSwatches()) {
    const auto description = DescribeSwatch(document.DataBase(), swatch);
    if (!description) continue;
    json values = json::array();
    for (const double v : description->values) values.push_back(ComponentJson(v));
    swatches.push_back({{"name", description->name}, {"model", description->model}, {"values", std::move(values)}});
  }
  return swatches;
}

json StoryJson(IDataBase* db, const ImportedStory& imported) {
  InterfacePtr<ITextModel> model(db, imported.story, UseDefaultIID());
  json story = {{"source", imported.source}};
  if (!model) return story;
  const StoryText& text = model->GetStoryText();
  story["text"] = Utf8(text.Text());

  json paragraphs = json::array();
  const auto& characterRuns = text.CharacterRuns();
  std::size_t run = 0;
  int32 runStart = 0;
  int32 paragraphStart = 0;
  for (const auto& paragraph : text.ParagraphRuns()) {
    const int32 contentEnd = paragraphStart + paragraph.length - 1;  // without the paragraph end
    json runs = json::array();
    for (int32 at = paragraphStart; at < contentEnd;) {
      while (runStart + characterRuns[run].length <= at) runStart += characterRuns[run++].length;
      const int32 end = std::min(contentEnd, runStart + characterRuns[run].length);
      const RunAttributes& attributes = characterRuns[run].attributes;
      runs.push_back({{"text", Utf8(std::u16string_view(text.Text()).substr(at, end - at))},
                      {"characterStyle", StyleName(db, attributes.style)},
                      {"attributes", AttributesJson(db, attributes.overrides->Entries())}});
      at = end;
    }
    paragraphs.push_back({{"paragraphStyle", StyleName(db, paragraph.attributes.style)},
                          {"attributes", AttributesJson(db, paragraph.attributes.overrides->Entries())},
                          {"runs", std::move(runs)}});
    paragraphStart += paragraph.length;
  }
  story["paragraphs"] = std::move(paragraphs);
  return story;
}

json StylesJson(const HostDocument& document, PMIID table) {
  IDataBase* db = document.DataBase();
  json styles = json::array();
  InterfacePtr<IStyleTable> styleTable(document.Workspace(), table);
  if (!styleTable) return styles;
  for (const UID style : styleTable->GetStyles()) {
    InterfacePtr<IStyleInfo> info(db, style, UseDefaultIID());
    InterfacePtr<IStyleAttributes> attributes(db, style, UseDefaultIID());
    if (!info || !attributes || info->GetName().IsEmpty()) continue;
    styles.push_back({{"name", info->GetName().GetUTF8String()},
                      {"basedOn", StyleName(db, info->GetBasedOn())},
                      {"attributes", AttributesJson(db, attributes->GetAttributes())}});
  }
  return styles;
}

}  // namespace

json DocumentToJson(const ImportSession& session) {
  const HostDocument& document = session.Document();
  json stories = json::array();
  for (const auto& story : session.Stories()) stories.push_back(StoryJson(document.DataBase(), story));
  json alerts = json::array();
  for (const auto& alert : CAlert::ShownAlerts()) alerts.push_back(alert.GetUTF8String());
  return {{"stories", std::move(stories)},
          {"paragraphStyles", StylesJson(document, IID_IPARASTYLETABLE)},
          {"characterStyles", StylesJson(document, IID_ICHARSTYLETABLE)},
          {"swatches", SwatchesJson(document)},
          {"alerts", std::move(alerts)}};
}

std::string DocumentToText(const ImportSession& session) {
  std::u16string all;
  for (const auto& story : session.Stories()) {
    InterfacePtr<ITextModel> model(session.Document().DataBase(), story.story, UseDefaultIID());
    if (model) all += model->GetStoryText().Text();
  }
  for (auto& unit : all) {
    if (unit == u'\r') unit = u'\n';
  }
  return Utf8(all);
}

bool WriteDocument(const ImportSession& session, const std::string& path, std::string& message) {
  const auto dot = path.find_last_of('.');
  const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
  std::string content;
  if (extension == "json") {
    content = DocumentToJson(session).dump(2, ' ', false, json::error_handler_t::replace) + "\n";
  } else if (extension == "txt") {
    content = DocumentToText(session);
  } else {
    message = "cannot write " + path + ": the output file must end in .json or .txt";
    return false;
  }
  std::ofstream out(path, std::ios::binary);
  out << content;
  out.close();
  if (!out) {
    message = "cannot write " + path;
    return false;
  }
  return true;
}
