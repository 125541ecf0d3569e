// IDataBase: the document database. It keeps every persistent object of one
// document under a UID and holds one reference to each until the object is
// deleted from it or the database goes away. UIDs are handed out in
// increasing order and never reused.
#pragma once

#include <vector>

#include "host/IPMUnknown.h"
#include "host/Types.h"
#include "host/UIDRef.h"

class IDataBase {
 public:
  IDataBase() = default;
  IDataBase(const IDataBase&) = delete;
  IDataBase& operator=(const IDataBase&) = delete;
  ~IDataBase();

  // Makes a new object of the class in this database; kInvalidUID when the
  // class cannot be made.
  UID NewObject(ClassID classID);
  // The object's interface with a reference for the caller, or null.
  IPMUnknown* Instantiate(UID uid, PMIID interfaceID) const;
  bool IsValidUID(UID uid) const;
  // Removes the object; it is destroyed when its last reference goes.
  void DeleteUID(UID uid);

  UID GetRootUID() const { return root_; }
  void SetRootUID(UID uid) { root_ = uid; }

  // Every live UID, in increasing order.
  std::vector<UID> LiveUIDs() const;

 private:
  std::vector<IPMUnknown*> objects_{nullptr};  // index 0 is kInvalidUID
  UID root_ = kInvalidUID;
};
