// The import report: at the end of every scan, one alert lists the style and
// colour definitions that were skipped because the document already had a
// style or swatch of that name. Nothing is shown when there were none.
#include "host/CAlert.h"
#include "import/TextScanner.h"

namespace {

PMString Translated(const char* key) {
  PMString text(key);
  text.Translate();
  return text;
}

}  // namespace

void TextScanner::ImportReport() {
  if (existingCharStyleNames.empty() && existingParaStyleNames.empty() && existingColourNames.empty()) return;
  PMString message = Translated("0x11dd80kQXTImportFilterCouldNotAddOneOrMoreOfTheFollowingStyles");
  const struct {
    const NameList& names;
    const char* key;
  } sections[] = {
      {existingCharStyleNames, "0x11dd80kQXTImportFilterCharacterStylesKey"},
      {existingParaStyleNames, "0x11dd80kQXTImportFilterParagraphStylesKey"},
      {existingColourNames, "0x11dd80kQXTImportFilterColorSwatchesStylesKey"},
  };
  for (const auto& section : sections) {
    if (section.names.empty()) continue;
    PMString text = Translated(section.key);
    for (std::size_t i = 0; i < section.names.size(); ++i) {
      if (i > 0) text.Append(", ", PMString::kMaxLength);
      text.Append(section.names[i], PMString::kMaxLength);
    }
    message.Append("\r\r", PMString::kMaxLength);
    message.Append(text, PMString::kMaxLength);
  }
  CAlert::ModalAlert(message, PMString("OK"), kNullString, kNullString, 1, 1);
}
