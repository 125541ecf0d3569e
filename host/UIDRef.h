// UIDRef: a database and a UID in it, the address of a persistent object.
// UIDList: several UIDs of one database.
#pragma once

#include <vector>

#include "host/Types.h"

class IDataBase;
class IPMUnknown;

class UIDRef {
 public:
  static const UIDRef gNull;

  UIDRef() = default;
  UIDRef(IDataBase* db, UID uid) : db_(db), uid_(uid) {}

  IDataBase* GetDataBase() const { return db_; }
  UID GetUID() const { return uid_; }
  // The object's interface with a reference for the caller, or null.
  IPMUnknown* Instantiate(PMIID interfaceID) const;

  friend bool operator==(const UIDRef&, const UIDRef&) = default;

 private:
  IDataBase* db_ = nullptr;
  UID uid_ = kInvalidUID;
};

class UIDList {
 public:
  UIDList() = default;
  explicit UIDList(IDataBase* db) : db_(db) {}
  explicit UIDList(const UIDRef& ref) : db_(ref.GetDataBase()), uids_{ref.GetUID()} {}

  IDataBase* GetDataBase() const { return db_; }
  int32 Length() const { return static_cast<int32>(uids_.size()); }
  bool IsEmpty() const { return uids_.empty(); }
  UID operator[](int32 index) const { return uids_[static_cast<std::size_t>(index)]; }
  UIDRef GetRef(int32 index) const { return UIDRef(db_, (*this)[index]); }
  void Append(UID uid) { uids_.push_back(uid); }

 private:
  IDataBase* db_ = nullptr;
  std::vector<UID> uids_;
};
