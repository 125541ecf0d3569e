// The host's string tables and locale. A plug-in adds one table per
// language; PMString::Translate looks keys up in the table of the current
// locale's language. A key without a row stays as it is.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/Types.h"

// Host language codes used by the string tables.
enum HostLanguage : int32 { kLanguageEnglish = 1, kLanguageJapanese = 5, kLanguagePolish = 16 };
// Feature sets: the Roman and the Japanese product.
enum HostFeatureSet : int32 { kFeatureSetAny = 0, kFeatureSetRoman = 0x0101, kFeatureSetJapanese = 0x0201 };

struct PMLocaleId {
  int32 featureSet = kFeatureSetRoman;
  int32 language = kLanguageEnglish;
};

class WLocaleSetting {
 public:
  static PMLocaleId GetLocale();
  static void SetLocale(PMLocaleId locale);
};

class StringTables {
 public:
  static StringTables& Instance();

  // Adds (or extends) the table of one language; texts are UTF-8.
  void AddTable(int32 language, const std::vector<std::pair<std::string, std::string>>& rows);
  // The text of a key in the current locale's language, or null.
  const std::u16string* Lookup(const std::u16string& key) const;
  void Clear() { tables_.clear(); }

 private:
  std::map<int32, std::map<std::u16string, std::u16string>> tables_;
};
