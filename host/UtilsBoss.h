// UtilsBoss: the host's utility interfaces, all on one shared boss.
#pragma once

#include "host/IPMUnknown.h"

class UtilsBoss {
 public:
  // The utility interface with a reference for the caller, or null.
  static IPMUnknown* QueryUtils(PMIID interfaceID);
  template <class T>
  static T* QueryUtils() {
    return static_cast<T*>(QueryUtils(DefaultIID<T>()));
  }
};
