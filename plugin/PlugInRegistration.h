// Registers the plug-in with the host: its implementation factories, its
// boss classes and its string tables.
#pragma once

#include "host/Types.h"

class ObjectModel;

// The plug-in's IDs are 0x11dd80 plus a small offset.
constexpr ClassID kQXTImportProviderBoss{0x11dd83};
constexpr ImplementationID kQXTImportProviderImpl{0x11dd83};

void RegisterBriskoPlugIn(ObjectModel& model);
