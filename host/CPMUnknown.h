// CPMUnknown<I>: the base of every implementation of interface I. It
// forwards reference counting and QueryInterface to the boss that holds it.
// An implementation made without a boss (a plain object that its owner
// deletes itself) has no reference count: AddRef and Release do nothing and
// QueryInterface finds nothing.
#pragma once

#include "host/IPMUnknown.h"

template <class I>
class CPMUnknown : public I {
 public:
  using Interface = I;

  explicit CPMUnknown(IPMUnknown* boss = nullptr) : boss_(boss) {}

  IPMUnknown* QueryInterface(PMIID interfaceID) const override {
    return boss_ ? boss_->QueryInterface(interfaceID) : nullptr;
  }
  void AddRef() const override {
    if (boss_) boss_->AddRef();
  }
  void Release() const override {
    if (boss_) boss_->Release();
  }

 protected:
  IPMUnknown* Boss() const { return boss_; }

 private:
  IPMUnknown* boss_;
};
