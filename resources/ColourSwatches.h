// Colour swatches: finding a document's swatches by name or by colour,
// creating named and unnamed process colours, and resolving the colour names
// of tags. Model numbers: 1 CMYK (four components), 2 RGB (three), 0 a
// third three-component model; component values go to the host exactly as
// read, without scaling.
#pragma once

#include "host/PMString.h"
#include "host/Types.h"

enum ColourModel : int32 { kThirdColourModel = 0, kCMYKModel = 1, kRGBModel = 2 };

UID FindSwatchByName(const PMString& name);
UID FindSwatchByValues(int32 model, float c1, float c2, float c3, float c4);
// Returns the swatch of that name when the document has one; otherwise makes
// a new swatch (unnamed when unnamed is not 0) and returns its UID, or
// kInvalidUID when it cannot.
UID CreateColorSwatch(const PMString& name, float c1, float c2, float c3, float c4, int32 model, int32 unnamed);
// The swatch for a colour name of a tag: the swatch of that name, else a
// process colour picked by the name ("C", "M", "Y", "W", anything else
// black), found by its values or made unnamed.
UID ResolveTagColour(const PMString& name);
