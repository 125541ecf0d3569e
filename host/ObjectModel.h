// The component model: implementation factories, boss classes and the
// creation of boss objects.
//
// A boss class maps interface IDs to implementation IDs; it may extend a
// parent class (inheriting its interfaces) and receive add-ins later. An
// implementation factory constructs one implementation object in memory that
// the boss provides. A boss object is one block of memory holding its header
// and all its implementations, made at once and freed when the last
// reference goes.
#pragma once

#include <memory>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/IPMUnknown.h"
#include "host/UIDRef.h"

struct ImplementationFactory {
  ImplementationID id;
  std::size_t size = 0;
  std::size_t alignment = alignof(std::max_align_t);
  // Builds the implementation in the given memory and returns its interface.
  IPMUnknown* (*construct)(void* memory, IPMUnknown* boss) = nullptr;
  // Runs the implementation's destructor without freeing its memory.
  void (*destruct)(IPMUnknown* object) = nullptr;
};

// The factory of an implementation class Impl (derived from CPMUnknown<I>).
template <class Impl>
ImplementationFactory MakeFactory(ImplementationID id) {
  using I = typename Impl::Interface;
  return ImplementationFactory{
      id, sizeof(Impl), alignof(Impl),
      [](void* memory, IPMUnknown* boss) -> IPMUnknown* { return static_cast<I*>(new (memory) Impl(boss)); },
      [](IPMUnknown* object) { std::destroy_at(static_cast<Impl*>(static_cast<I*>(object))); }};
}

struct InterfaceBinding {
  PMIID interfaceID;
  ImplementationID implementationID;
};

class ObjectModel {
 public:
  static ObjectModel& Instance();

  // Registration. A later registration of the same ID replaces the earlier;
  // a class's add-ins stay when the class is defined again.
  void InstallImplementation(const ImplementationFactory& factory);
  void DefineClass(ClassID classID, ClassID parent, std::vector<InterfaceBinding> interfaces);
  void AddIn(ClassID classID, InterfaceBinding binding);

  // A new boss of the class with one reference, as its IPMUnknown; null when
  // the class or one of its implementations is unknown.
  IPMUnknown* CreateBoss(ClassID classID);

  struct Slot {
    PMIID interfaceID;
    std::shared_ptr<const ImplementationFactory> factory;  // kept alive with the layout
    std::size_t offset;
  };
  struct Layout {
    ClassID classID;
    std::vector<Slot> slots;
    std::size_t size;
    // Memory of released bosses of this class, kept for the next one.
    mutable std::vector<void*> keptBlocks;
    ~Layout();
  };

 private:
  const Layout* LayoutOf(ClassID classID);
  // Drops the computed layouts after a registration changed classes.
  void RetireLayouts();
  bool CollectBindings(ClassID classID, std::vector<InterfaceBinding>& out, int depth) const;

  struct ClassDefinition {
    ClassID parent;
    std::vector<InterfaceBinding> interfaces;
    std::vector<InterfaceBinding> addIns;
  };
  std::unordered_map<ImplementationID, std::shared_ptr<const ImplementationFactory>> factories_;
  std::unordered_map<ClassID, ClassDefinition> classes_;
  std::unordered_map<ClassID, std::shared_ptr<const Layout>> layouts_;
  // Layouts replaced by a later registration stay alive for bosses made with them.
  std::vector<std::shared_ptr<const Layout>> retiredLayouts_;
  const Layout* lastLayout_ = nullptr;
};

// A new object of the class, as the requested interface (null when the class
// lacks it or cannot be made).
IPMUnknown* CreateObject(ClassID classID, PMIID interfaceID);
template <class T>
T* CreateObject(ClassID classID, PMIID interfaceID = DefaultIID<T>()) {
  return static_cast<T*>(CreateObject(classID, interfaceID));
}

// The class of the boss that holds this interface, and its database address
// (UIDRef::gNull for an object that is not in a database).
ClassID GetClass(const IPMUnknown* object);
UIDRef GetUIDRef(const IPMUnknown* object);

namespace host_internal {
// Records the database address of a boss; used by the database only.
void SetUIDRef(IPMUnknown* object, const UIDRef& ref);
}  // namespace host_internal
