#include "plugin/PlugInStrings.h"

#include "host/StringTables.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const char* const kConflictHeader =
    "Could not add one or more of the following styles because they already exist in this document. Imported text "
    "is using the existing (old) styles. If you want to add them, please remove them first and repeat the import "
    "process. Offendig styles:";

Rows EnglishRows() {
  return {
      {"Ostrawick", "Ostrawick"},
      {"0x11dd80kQXTIAboutMenuKey", "About Brisko..."},
      {"0x11dd80kQXTIPluginsMenuKey", "Brisko"},
      {"0x11dd80kQXTIDialogMenuItemKey", "Show dialog"},
      {"0x11dd80kQXTIDialogTitleKey", "Brisko"},
      {"0x11dd80kForceMacCEEncodingKey", "Force MacCE encoding"},
      {"0x11dd80kQuarkFilesKey", "Quark XPressTag Files"},
      {"0x11dd80QXTImportFilterTitleKey", "Importing QuarkXPress tags"},
      {"0x11dd80QXTImportFilterActionExplainedKey", "Converting QuarkXPress tags to InDesign styled text"},
      {"0x11dd80kQXTImportFilterCouldNotAddOneOrMoreOfTheFollowingStyles", kConflictHeader},
      {"0x11dd80kQXTImportFilterCharacterStylesKey", "Character styles: "},
      {"0x11dd80kQXTImportFilterParagraphStylesKey", "Paragraph styles: "},
      {"0x11dd80kQXTImportFilterColorSwatchesStylesKey", "Color swatches: "},
      {"About this pl&ug-in...", "About this pl&ug-in..."},
      {"0x11dd80kQXTIAboutBoxTitleKey", "About"},
      {"0x11dd80kQXTIAboutBoxComponentsKey", "Components:"},
  };
}

Rows PolishRows() {
  Rows rows = EnglishRows();
  const Rows polish = {
      {"0x11dd80kQXTIAboutMenuKey", "O Brisko..."},
      {"0x11dd80kQuarkFilesKey", "Pliki Quark'a XPressTags"},
      {"0x11dd80kForceMacCEEncodingKey", "Wymuś czytanie w kodowaniu MacCE"},
      {"0x11dd80QXTImportFilterTitleKey", "Importowanie pliku QuarkXPress tags"},
      {"0x11dd80QXTImportFilterActionExplainedKey", "Przetwarzanie tagów QuarkXPress na stylowany tekst InDesign"},
      {"0x11dd80kQXTImportFilterCouldNotAddOneOrMoreOfTheFollowingStyles",
       "Nie można było dodać jednego lub więcej z poniższych styli do tego dokumentu, ponieważ wymienione elementy "
       "już znajdują się w otawrtym dokumencie. Tekst został zaimporotwany z użyciem istniejących styli. Aby móc "
       "zaimportować te style, proszę je usunąć i przeprowadzić proces importu ponownie. Lista spornych styli:"},
      {"0x11dd80kQXTImportFilterCharacterStylesKey", "Style znakowe: "},
      {"0x11dd80kQXTImportFilterParagraphStylesKey", "Style akapitowe: "},
      {"0x11dd80kQXTImportFilterColorSwatchesStylesKey", "Kolory: "},
      {"0x11dd80kQXTIAboutBoxTitleKey", "Okienko informacyjne"},
      {"0x11dd80kQXTIAboutBoxComponentsKey", "Składniki"},
  };
  for (const auto& [key, text] : polish) {
    for (auto& row : rows) {
      if (row.first == key) row.second = text;
    }
  }
  return rows;
}

Rows JapaneseRows() {
  return {
      {"Ostrawick", "Ostrawick"},
      {"0x11dd80kQXTIAboutMenuKey", "Brisko[JP]..."},
      {"0x11dd80kQXTIPluginsMenuKey", "Brisko[JP]"},
      {"0x11dd80kQXTIDialogMenuItemKey", "Show dialog[JP]"},
      {"0x11dd80kQXTIDialogTitleKey", "Brisko[JP]"},
      {"About this pl&ug-in...", "このプラグインについて..."},
      {"0x11dd80kQXTIAboutBoxStringKey", "Brisko [JP] 1.1"},
  };
}

}  // namespace

void RegisterBriskoStringTables() {
  StringTables& tables = StringTables::Instance();
  tables.AddTable(kLanguageEnglish, EnglishRows());
  tables.AddTable(kLanguagePolish, PolishRows());
  tables.AddTable(kLanguageJapanese, JapaneseRows());
}
