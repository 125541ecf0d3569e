#include "host/IDataBase.h"

#include "host/ObjectModel.h"

const UIDRef UIDRef::gNull;

IPMUnknown* UIDRef::Instantiate(PMIID interfaceID) const {
  return db_ ? db_->Instantiate(uid_, interfaceID) : nullptr;
}

IDataBase::~IDataBase() {
  // Newest first, so an object goes before the objects it was made from.
  for (std::size_t i = objects_.size(); i-- > 1;) {
    if (objects_[i]) objects_[i]->Release();
  }
}

UID IDataBase::NewObject(ClassID classID) {
  IPMUnknown* boss = ObjectModel::Instance().CreateBoss(classID);
  if (!boss) return kInvalidUID;
  const UID uid(static_cast<uint32>(objects_.size()));
  objects_.push_back(boss);
  host_internal::SetUIDRef(boss, UIDRef(this, uid));
  return uid;
}

IPMUnknown* IDataBase::Instantiate(UID uid, PMIID interfaceID) const {
  if (!IsValidUID(uid)) return nullptr;
  return objects_[uid.value]->QueryInterface(interfaceID);
}

bool IDataBase::IsValidUID(UID uid) const { return uid.value > 0 && uid.value < objects_.size() && objects_[uid.value]; }

void IDataBase::DeleteUID(UID uid) {
  if (!IsValidUID(uid)) return;
  IPMUnknown* boss = objects_[uid.value];
  objects_[uid.value] = nullptr;
  host_internal::SetUIDRef(boss, UIDRef::gNull);
  boss->Release();
}

std::vector<UID> IDataBase::LiveUIDs() const {
  std::vector<UID> uids;
  for (std::size_t i = 1; i < objects_.size(); ++i) {
    if (objects_[i]) uids.emplace_back(static_cast<uint32>(i));
  }
  return uids;
}
