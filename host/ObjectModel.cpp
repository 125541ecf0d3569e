#include "host/ObjectModel.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr std::size_t kBossAlignment = alignof(std::max_align_t);

std::size_t AlignUp(std::size_t n, std::size_t alignment) { return (n + alignment - 1) / alignment * alignment; }

// Boss blocks of one class have one size, so the blocks of classes made and
// dropped often (a command per inserted character) are kept on a free list
// of their layout for the next boss of the class instead of going back to
// the allocator. Builds with AddressSanitizer free every block, so that a
// use after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kKeptBlocks = 0;
#else
constexpr std::size_t kKeptBlocks = 64;
#endif

void* AllocateBlock(const ObjectModel::Layout* layout, std::size_t size) {
  auto& kept = layout->keptBlocks;
  if (!kept.empty()) {
    void* block = kept.back();
    kept.pop_back();
    return block;
  }
  static_assert(kBossAlignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
  return ::operator new(size);
}

void FreeBlock(const ObjectModel::Layout* layout, void* block) {
  if (layout->keptBlocks.size() < kKeptBlocks) {
    layout->keptBlocks.push_back(block);
  } else {
    ::operator delete(block);
  }
}

// The header of every boss object; its implementations follow it in the
// same block of memory.
class BossObject final : public IPMUnknown {
 public:
  BossObject(const ObjectModel::Layout* layout, IPMUnknown** implementations)
      : layout_(layout), implementations_(implementations) {}

  IPMUnknown* QueryInterface(PMIID interfaceID) const override {
    if (interfaceID == PMIID(IPMUnknown::kDefaultIID)) {
      AddRef();
      return const_cast<BossObject*>(this);
    }
    for (const auto& slot : layout_->slots) {
      if (slot.interfaceID == interfaceID) {
        AddRef();
        return implementations_[&slot - layout_->slots.data()];
      }
    }
    return nullptr;
  }
  void AddRef() const override { ++refCount_; }
  void Release() const override {
    assert(refCount_ > 0);
    if (--refCount_ == 0) const_cast<BossObject*>(this)->Destroy();
  }

  static BossObject* Create(const ObjectModel::Layout* layout) {
    // One block: the header, the table of implementation pointers, then the
    // implementations themselves.
    const std::size_t tableOffset = AlignUp(sizeof(BossObject), alignof(IPMUnknown*));
    const std::size_t headerSize = AlignUp(tableOffset + layout->slots.size() * sizeof(IPMUnknown*), kBossAlignment);
    void* memory = AllocateBlock(layout, headerSize + layout->size);
    auto** table = reinterpret_cast<IPMUnknown**>(static_cast<char*>(memory) + tableOffset);
    auto* boss = new (memory) BossObject(layout, table);
    auto* base = static_cast<char*>(memory) + headerSize;
    std::size_t built = 0;
    for (const auto& slot : layout->slots) {
      boss->implementations_[built++] = slot.factory->construct(base + slot.offset, boss);
    }
    return boss;
  }

  ClassID GetClass() const { return layout_->classID; }
  UIDRef ref;

 private:
  void Destroy() {
    // Implementations go in the reverse order of their construction.
    for (std::size_t i = layout_->slots.size(); i-- > 0;) layout_->slots[i].factory->destruct(implementations_[i]);
    const ObjectModel::Layout* layout = layout_;
    this->~BossObject();
    FreeBlock(layout, this);
  }

  mutable int32 refCount_ = 1;
  const ObjectModel::Layout* layout_;
  IPMUnknown** implementations_;  // one per slot of the layout, in the same block
};

BossObject* BossOf(const IPMUnknown* object) {
  if (!object) return nullptr;
  IPMUnknown* boss = object->QueryInterface(PMIID(IPMUnknown::kDefaultIID));
  if (!boss) return nullptr;
  boss->Release();  // the boss outlives this call: the caller holds a reference to it through object
  return static_cast<BossObject*>(boss);
}

}  // namespace

ObjectModel::Layout::~Layout() {
  for (void* block : keptBlocks) ::operator delete(block);
}

ObjectModel& ObjectModel::Instance() {
  static ObjectModel model;
  return model;
}

void ObjectModel::InstallImplementation(const ImplementationFactory& factory) {
  factories_[factory.id] = std::make_shared<const ImplementationFactory>(factory);
  RetireLayouts();
}

void ObjectModel::DefineClass(ClassID classID, ClassID parent, std::vector<InterfaceBinding> interfaces) {
  auto& definition = classes_[classID];
  definition.parent = parent;
  definition.interfaces = std::move(interfaces);  // add-ins, made before or after, stay
  RetireLayouts();
}

void ObjectModel::AddIn(ClassID classID, InterfaceBinding binding) {
  classes_[classID].addIns.push_back(binding);
  RetireLayouts();
}

void ObjectModel::RetireLayouts() {
  for (auto& [id, layout] : layouts_) retiredLayouts_.push_back(std::move(layout));
  layouts_.clear();
  lastLayout_ = nullptr;
}

bool ObjectModel::CollectBindings(ClassID classID, std::vector<InterfaceBinding>& out, int depth) const {
  // Parent chains come from resources; a cycle or a missing class must not hang.
  if (depth > 32) return false;
  const auto found = classes_.find(classID);
  if (found == classes_.end()) return false;
  if (found->second.parent != kInvalidClass && !CollectBindings(found->second.parent, out, depth + 1)) return false;
  std::vector<InterfaceBinding> own = found->second.interfaces;
  own.insert(own.end(), found->second.addIns.begin(), found->second.addIns.end());
  for (const auto& binding : own) {
    auto same = std::find_if(out.begin(), out.end(),
                             [&](const InterfaceBinding& b) { return b.interfaceID == binding.interfaceID; });
    if (same != out.end()) {
      *same = binding;  // a class overrides what it inherits
    } else {
      out.push_back(binding);
    }
  }
  return true;
}

const ObjectModel::Layout* ObjectModel::LayoutOf(ClassID classID) {
  // The class asked for last is usually the one asked for next (a command
  // per inserted character).
  if (lastLayout_ && lastLayout_->classID == classID) return lastLayout_;
  if (const auto cached = layouts_.find(classID); cached != layouts_.end()) {
    lastLayout_ = cached->second.get();
    return lastLayout_;
  }
  std::vector<InterfaceBinding> bindings;
  if (!CollectBindings(classID, bindings, 0)) return nullptr;
  auto layout = std::make_shared<Layout>();
  layout->classID = classID;
  std::size_t offset = 0;
  for (const auto& binding : bindings) {
    const auto factory = factories_.find(binding.implementationID);
    if (factory == factories_.end()) return nullptr;
    offset = AlignUp(offset, std::max(factory->second->alignment, std::size_t{1}));
    layout->slots.push_back(Slot{binding.interfaceID, factory->second, offset});
    offset += factory->second->size;
  }
  layout->size = AlignUp(offset, kBossAlignment);
  lastLayout_ = layout.get();
  layouts_[classID] = std::move(layout);
  return lastLayout_;
}

IPMUnknown* ObjectModel::CreateBoss(ClassID classID) {
  const Layout* layout = LayoutOf(classID);
  return layout ? BossObject::Create(layout) : nullptr;
}

IPMUnknown* CreateObject(ClassID classID, PMIID interfaceID) {
  IPMUnknown* boss = ObjectModel::Instance().CreateBoss(classID);
  if (!boss) return nullptr;
  IPMUnknown* result = boss->QueryInterface(interfaceID);
  boss->Release();  // the interface holds the one reference now, or the boss is gone
  return result;
}

ClassID GetClass(const IPMUnknown* object) {
  const BossObject* boss = BossOf(object);
  return boss ? boss->GetClass() : kInvalidClass;
}

UIDRef GetUIDRef(const IPMUnknown* object) {
  const BossObject* boss = BossOf(object);
  return boss ? boss->ref : UIDRef::gNull;
}

void host_internal::SetUIDRef(IPMUnknown* object, const UIDRef& ref) {
  if (BossObject* boss = BossOf(object)) boss->ref = ref;
}
