// Fonts: the font manager, fonts, font groups, font families and the
// document font list.
#include "host/HostRegistration.h"
#include "host/ObjectModel.h"

void RegisterFontClasses(ObjectModel&) {}
