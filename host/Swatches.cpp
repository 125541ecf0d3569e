// Colours and swatches: the swatch list, colour objects and the colour and
// swatch utilities.
#include "host/HostRegistration.h"
#include "host/ObjectModel.h"

void RegisterSwatchClasses(ObjectModel&) {}
