#include "tests/support/AttributeText.h"

#include <charconv>
#include <variant>

#include "host/IFonts.h"
#include "host/ISwatches.h"
#include "host/InterfacePtr.h"
#include "host/TextAttributes.h"

std::string ValueText(IDataBase* db, const AttributeValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b ? "true" : "false";
  if (const int32* i = std::get_if<int32>(&value)) return std::to_string(*i);
  if (const double* d = std::get_if<double>(&value)) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *d).ptr;
    return std::string(buffer, end);
  }
  if (const PMString* s = std::get_if<PMString>(&value)) return s->GetUTF8String();
  const UID uid = std::get<UID>(value);
  if (const auto swatch = DescribeSwatch(db, uid)) {
    return "swatch " + (swatch->name.empty() ? "(unnamed)" : swatch->name);
  }
  InterfacePtr<IFontFamily> family(db, uid, UseDefaultIID());
  if (family) return "family " + family->GetFamilyName().GetUTF8String();
  return "uid " + std::to_string(uid.Get());
}

Overrides OverridesByKey(IDataBase* db, const OverrideSet& overrides) {
  Overrides out;
  for (const auto& entry : overrides.Entries()) {
    const TextAttributeClass* row = TextAttributeClasses::Find(entry.classID);
    out[row ? std::string(row->key) : "class " + std::to_string(entry.classID.Get())] = ValueText(db, entry.value);
  }
  return out;
}
