// CountedHandle<T>: the host's shared handle, in which attribute lists and
// text travel to the text model's commands. It holds a pointer to the object
// and a pointer to a count of handles. A copy shares the object and adds one
// to the count; the object (and the count) go when the last handle does.
// The count is a plain integer: handles are used on the host's main thread
// only, and an atomic count would cost every inserted character.
#pragma once

#include <new>
#include <utility>

#include "host/Types.h"

template <class T>
class CountedHandle {
 public:
  CountedHandle() = default;
  // Takes ownership of object. The count starts at 1; if it cannot be
  // allocated the handle holds nothing and the object is deleted.
  explicit CountedHandle(T* object) { Adopt(object); }

  CountedHandle(const CountedHandle& other) : object_(other.object_), count_(other.count_) {
    if (count_) ++*count_;
  }
  CountedHandle(CountedHandle&& other) noexcept
      : object_(std::exchange(other.object_, nullptr)), count_(std::exchange(other.count_, nullptr)) {}
  CountedHandle& operator=(CountedHandle other) noexcept {
    std::swap(object_, other.object_);
    std::swap(count_, other.count_);
    return *this;
  }
  ~CountedHandle() { Release(); }

  // Holds object from now on. Resetting to the object already held does
  // nothing; otherwise the old object is released as by the destructor.
  void reset(T* object = nullptr) {
    if (object && object == object_) return;
    Release();
    Adopt(object);
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }
  int32 use_count() const { return count_ ? *count_ : 0; }

 private:
  void Adopt(T* object) {
    if (!object) return;
    count_ = new (std::nothrow) int32(1);
    if (!count_) {
      delete object;
      return;
    }
    object_ = object;
  }
  void Release() {
    if (count_ && --*count_ == 0) {
      delete object_;
      delete count_;
    }
    object_ = nullptr;
    count_ = nullptr;
  }

  T* object_ = nullptr;
  int32* count_ = nullptr;
};

template <class T, class... Args>
CountedHandle<T> MakeCounted(Args&&... args) {
  return CountedHandle<T>(new T(std::forward<Args>(args)...));
}
