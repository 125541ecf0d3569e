#include "host/StringTables.h"

#include "host/WideString.h"

namespace {
PMLocaleId gLocale;
}

PMLocaleId WLocaleSetting::GetLocale() { return gLocale; }
void WLocaleSetting::SetLocale(PMLocaleId locale) { gLocale = locale; }

StringTables& StringTables::Instance() {
  static StringTables tables;
  return tables;
}

void StringTables::AddTable(int32 language, const std::vector<std::pair<std::string, std::string>>& rows) {
  auto& table = tables_[language];
  for (const auto& [key, text] : rows) table[DecodeUTF8(key)] = DecodeUTF8(text);
}

const std::u16string* StringTables::Lookup(const std::u16string& key) const {
  const auto table = tables_.find(WLocaleSetting::GetLocale().language);
  if (table == tables_.end()) return nullptr;
  const auto row = table->second.find(key);
  return row == table->second.end() ? nullptr : &row->second;
}
