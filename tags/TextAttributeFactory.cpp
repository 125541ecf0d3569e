#include "tags/TextAttributeFactory.h"

#include "host/ObjectModel.h"

IPMUnknown* CreateTextAttribute(ClassID classID, PMIID interfaceID) { return CreateObject(classID, interfaceID); }

namespace {
template <class I, class Setter>
bool Add(TagContext& context, ClassID classID, PMIID interfaceID, Setter set) {
  InterfacePtr<I> attribute(CreateTextAttribute<I>(classID, interfaceID));
  if (!attribute) return false;
  set(*attribute);
  context.attributeList->ApplyAttribute(attribute.get(), kInvalidClass);
  return true;
}
}  // namespace

bool AddIntAttribute(TagContext& context, ClassID classID, PMIID interfaceID, int32 value) {
  return Add<ITextAttrInt>(context, classID, interfaceID, [&](ITextAttrInt& a) { a.Set(value); });
}

bool AddRealAttribute(TagContext& context, ClassID classID, double value) {
  return Add<ITextAttrRealNumber>(context, classID, IID_ITEXTATTRREALNUMBER,
                                  [&](ITextAttrRealNumber& a) { a.Set(value); });
}

bool AddBooleanAttribute(TagContext& context, ClassID classID, bool16 value) {
  return Add<ITextAttrBoolean>(context, classID, IID_ITEXTATTRBOOLEAN, [&](ITextAttrBoolean& a) { a.Set(value); });
}

bool AddUIDAttribute(TagContext& context, ClassID classID, UID value) {
  return Add<ITextAttrUID>(context, classID, IID_ITEXTATTRUID, [&](ITextAttrUID& a) { a.Set(value); });
}

bool AddStringAttribute(TagContext& context, ClassID classID, const PMString& value) {
  return Add<ITextAttrString>(context, classID, IID_ITEXTATTRFONT, [&](ITextAttrString& a) { a.Set(value, 0); });
}
