// IPMUnknown: the root of every host interface. An object of the host is a
// boss: an instance of a boss class that bundles one implementation per
// interface. All interfaces of a boss share one reference count; every
// pointer that QueryInterface hands out carries a reference the caller must
// release.
#pragma once

#include "host/Types.h"

class IPMUnknown {
 public:
  // Asking any boss for this ID gives the boss itself.
  enum : uint32 { kDefaultIID = 0x101 };

  virtual IPMUnknown* QueryInterface(PMIID interfaceID) const = 0;
  virtual void AddRef() const = 0;
  virtual void Release() const = 0;

 protected:
  virtual ~IPMUnknown() = default;
};

// Selects T::kDefaultIID in the constructors of InterfacePtr.
struct UseDefaultIID {};

template <class T>
constexpr PMIID DefaultIID() {
  return PMIID(T::kDefaultIID);
}
