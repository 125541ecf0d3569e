// InterfacePtr: the counted pointer to a host interface. It releases its
// reference when it goes out of scope, so no path can leak one.
#pragma once

#include <utility>

#include "host/IPMUnknown.h"
#include "host/UIDRef.h"

template <class T>
class InterfacePtr {
 public:
  InterfacePtr() = default;
  // Takes over a reference that the caller already owns (from a Query or a
  // Create call).
  explicit InterfacePtr(T* owned) : p_(owned) {}
  // Queries an interface of the object; null object or missing interface
  // gives a null pointer.
  InterfacePtr(const IPMUnknown* object, PMIID interfaceID)
      : p_(object ? static_cast<T*>(object->QueryInterface(interfaceID)) : nullptr) {}
  InterfacePtr(const IPMUnknown* object, UseDefaultIID) : InterfacePtr(object, DefaultIID<T>()) {}
  // Instantiates an object of a database.
  InterfacePtr(const UIDRef& ref, PMIID interfaceID) : p_(static_cast<T*>(ref.Instantiate(interfaceID))) {}
  InterfacePtr(const UIDRef& ref, UseDefaultIID) : InterfacePtr(ref, DefaultIID<T>()) {}
  InterfacePtr(IDataBase* db, UID uid, PMIID interfaceID) : InterfacePtr(UIDRef(db, uid), interfaceID) {}
  InterfacePtr(IDataBase* db, UID uid, UseDefaultIID) : InterfacePtr(UIDRef(db, uid), DefaultIID<T>()) {}

  InterfacePtr(const InterfacePtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  InterfacePtr(InterfacePtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  InterfacePtr& operator=(InterfacePtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~InterfacePtr() {
    if (p_) p_->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  bool operator==(std::nullptr_t) const { return p_ == nullptr; }

  // Gives up the reference without releasing it.
  T* forget() { return std::exchange(p_, nullptr); }
  void reset(T* owned = nullptr) { InterfacePtr(owned).swap(*this); }
  void swap(InterfacePtr& other) noexcept { std::swap(p_, other.p_); }

 private:
  T* p_ = nullptr;
};

// Adds a reference and returns the same pointer (null stays null).
template <class T>
T* AddRefed(T* p) {
  if (p) p->AddRef();
  return p;
}
