// Attribute values as readable text, for tables of expected attributes.
#pragma once

#include <map>
#include <string>

#include "host/AttributeValue.h"
#include "host/IDataBase.h"

// Numbers in their shortest exact form, booleans as true/false, swatches as
// "swatch NAME" (or "swatch (unnamed)"), font families as "family NAME".
std::string ValueText(IDataBase* db, const AttributeValue& value);

// The set's values by attribute key.
using Overrides = std::map<std::string, std::string>;
Overrides OverridesByKey(IDataBase* db, const OverrideSet& overrides);
