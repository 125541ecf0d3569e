// Attribute construction: every formatting change of a tag is one host text
// attribute, an object of an attribute class carrying one value. They are
// all made here, through the host's CreateObject with the class and its
// value interface.
#pragma once

#include "host/InterfacePtr.h"
#include "host/TextAttributes.h"
#include "tags/TagContext.h"

// The new attribute object as its value interface, or null when the host
// cannot make it. The caller owns the reference.
IPMUnknown* CreateTextAttribute(ClassID classID, PMIID interfaceID);

template <class I>
I* CreateTextAttribute(ClassID classID, PMIID interfaceID) {
  return static_cast<I*>(CreateTextAttribute(classID, interfaceID));
}

// Makes an attribute of the class through the value interface, gives it the
// value and adds it to the context's list (replacing one of the same class).
// False when the attribute cannot be made.
bool AddIntAttribute(TagContext& context, ClassID classID, PMIID interfaceID, int32 value);
bool AddRealAttribute(TagContext& context, ClassID classID, double value);
bool AddBooleanAttribute(TagContext& context, ClassID classID, bool16 value);
bool AddUIDAttribute(TagContext& context, ClassID classID, UID value);
bool AddStringAttribute(TagContext& context, ClassID classID, const PMString& value);
