#include "host/TextAttributes.h"

#include <algorithm>

#include "host/CPMUnknown.h"
#include "host/HostRegistration.h"
#include "host/InterfacePtr.h"
#include "host/ObjectModel.h"

namespace {

using K = AttributeValueKind;
using S = AttributeStrand;

const std::vector<TextAttributeClass> kClasses = {
    {ClassID(0x1B01), IID_ITEXTATTRUID, K::kUID, S::kCharacter, "fillColor"},
    {ClassID(0x1B02), IID_ITEXTATTRFONT, K::kString, S::kCharacter, "fontStyle"},
    {ClassID(0x1B03), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "pointSize"},
    {ClassID(0x1B06), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "horizontalScale"},
    {ClassID(0x1B0B), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "tracking"},
    {ClassID(0x1B10), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "baselineShift"},
    {ClassID(0x1B11), IID_ITEXTATTRCAPITALMODE, K::kInteger, S::kCharacter, "capitalization"},
    {ClassID(0x1B13), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "kerning"},
    {ClassID(0x1B15), IID_ITEXTATTRREALNUMBER, K::kReal, S::kCharacter, "verticalScale"},
    {ClassID(0x1B16), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "leftIndent"},
    {ClassID(0x1B17), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "rightIndent"},
    {ClassID(0x1B18), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "firstLineIndent"},
    {ClassID(0x1B1B), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "leading"},
    {ClassID(0x1B2A), IID_ITEXTATTRUNDERLINEMODE, K::kInteger, S::kCharacter, "underline"},
    {ClassID(0x1B2B), IID_ITEXTATTRUID, K::kUID, S::kCharacter, "fontFamily"},
    {ClassID(0x1B39), IID_ITEXTATTRKEEPWITHNEXT, K::kInteger, S::kParagraph, "keepWithNext"},
    {ClassID(0x1B3C), IID_ITEXTATTRPOSITIONMODE, K::kInteger, S::kCharacter, "position"},
    {ClassID(0x1B3D), IID_ITEXTATTRBOOLEAN, K::kBoolean, S::kCharacter, "strikethrough"},
    {ClassID(0x1B4C), IID_ITEXTATTRUID, K::kUID, S::kParagraph, "ruleAboveColor"},
    {ClassID(0x1B4D), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleAboveWeight"},
    {ClassID(0x1B4F), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleAboveOffset"},
    {ClassID(0x1B50), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleAboveLeftIndent"},
    {ClassID(0x1B51), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleAboveRightIndent"},
    {ClassID(0x1B52), IID_ITEXTATTRRULEMODE, K::kInteger, S::kParagraph, "ruleAboveMode"},
    {ClassID(0x1B53), IID_ITEXTATTRUID, K::kUID, S::kParagraph, "ruleBelowColor"},
    {ClassID(0x1B54), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleBelowWeight"},
    {ClassID(0x1B56), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleBelowOffset"},
    {ClassID(0x1B57), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleBelowLeftIndent"},
    {ClassID(0x1B58), IID_ITEXTATTRREALNUMBER, K::kReal, S::kParagraph, "ruleBelowRightIndent"},
    {ClassID(0x1B59), IID_ITEXTATTRRULEMODE, K::kInteger, S::kParagraph, "ruleBelowMode"},
    {ClassID(0x1B5C), IID_ITEXTATTRBOOLEAN, K::kBoolean, S::kParagraph, "ruleAboveOn"},
    {ClassID(0x1B5D), IID_ITEXTATTRBOOLEAN, K::kBoolean, S::kParagraph, "ruleBelowOn"},
    {ClassID(0x1B7E), IID_ITEXTATTRALIGN, K::kInteger, S::kParagraph, "alignment"},
};

// One implementation per value kind; it stores the value as an
// AttributeValue of that kind.
template <class I, class T>
class TextAttrImpl : public CPMUnknown<I> {
 public:
  explicit TextAttrImpl(IPMUnknown* boss) : CPMUnknown<I>(boss) {}
  AttributeValue GetValue() const override { return value_; }
  void SetValue(const AttributeValue& value) override {
    if (const T* v = std::get_if<T>(&value)) value_ = *v;
  }

 protected:
  T value_{};
};

class UIDAttrImpl : public TextAttrImpl<ITextAttrUID, UID> {
 public:
  using TextAttrImpl::TextAttrImpl;
  void Set(UID uid) override { value_ = uid; }
  UID Get() const override { return value_; }
};

class RealAttrImpl : public TextAttrImpl<ITextAttrRealNumber, double> {
 public:
  using TextAttrImpl::TextAttrImpl;
  void Set(const double& value) override { value_ = value; }
  double Get() const override { return value_; }
};

class BooleanAttrImpl : public TextAttrImpl<ITextAttrBoolean, bool> {
 public:
  using TextAttrImpl::TextAttrImpl;
  void Set(bool16 value) override { value_ = value != 0; }
  bool16 Get() const override { return value_ ? kTrue : kFalse; }
};

class IntAttrImpl : public TextAttrImpl<ITextAttrInt, int32> {
 public:
  using TextAttrImpl::TextAttrImpl;
  void Set(int32 value) override { value_ = value; }
  int32 Get() const override { return value_; }
};

class StringAttrImpl : public TextAttrImpl<ITextAttrString, PMString> {
 public:
  using TextAttrImpl::TextAttrImpl;
  void Set(const PMString& value, int32) override { value_ = value; }
  const PMString& Get() const override { return value_; }
};

constexpr ImplementationID kUIDAttrImpl{0x3C40};
constexpr ImplementationID kRealAttrImpl{0x3C41};
constexpr ImplementationID kBooleanAttrImpl{0x3C42};
constexpr ImplementationID kIntAttrImpl{0x3C43};
constexpr ImplementationID kStringAttrImpl{0x3C44};

ImplementationID ImplementationFor(AttributeValueKind kind) {
  switch (kind) {
    case K::kUID: return kUIDAttrImpl;
    case K::kReal: return kRealAttrImpl;
    case K::kBoolean: return kBooleanAttrImpl;
    case K::kInteger: return kIntAttrImpl;
    case K::kString: return kStringAttrImpl;
  }
  return kInvalidImpl;
}

}  // namespace

const std::vector<TextAttributeClass>& TextAttributeClasses::All() { return kClasses; }

const TextAttributeClass* TextAttributeClasses::Find(ClassID classID) {
  const auto it = std::lower_bound(kClasses.begin(), kClasses.end(), classID,
                                   [](const TextAttributeClass& row, ClassID id) { return row.classID < id; });
  return it != kClasses.end() && it->classID == classID ? &*it : nullptr;
}

ITextAttribute* TextAttributeClasses::QueryValue(const IPMUnknown* attribute) {
  const TextAttributeClass* row = Find(GetClass(attribute));
  return row ? static_cast<ITextAttribute*>(attribute->QueryInterface(row->valueInterface)) : nullptr;
}

ITextAttribute* TextAttributeClasses::Create(ClassID classID, const AttributeValue& value) {
  const TextAttributeClass* row = Find(classID);
  if (!row) return nullptr;
  auto* attribute = static_cast<ITextAttribute*>(CreateObject(classID, row->valueInterface));
  if (attribute) attribute->SetValue(value);
  return attribute;
}

AttributeValue DefaultValueOf(AttributeValueKind kind) {
  switch (kind) {
    case K::kBoolean: return false;
    case K::kInteger: return int32{0};
    case K::kReal: return 0.0;
    case K::kUID: return kInvalidUID;
    case K::kString: return PMString();
  }
  return false;
}

void RegisterTextAttributeClasses(ObjectModel& model) {
  model.InstallImplementation(MakeFactory<UIDAttrImpl>(kUIDAttrImpl));
  model.InstallImplementation(MakeFactory<RealAttrImpl>(kRealAttrImpl));
  model.InstallImplementation(MakeFactory<BooleanAttrImpl>(kBooleanAttrImpl));
  model.InstallImplementation(MakeFactory<IntAttrImpl>(kIntAttrImpl));
  model.InstallImplementation(MakeFactory<StringAttrImpl>(kStringAttrImpl));
  for (const auto& row : kClasses) {
    model.DefineClass(row.classID, kInvalidClass, {{row.valueInterface, ImplementationFor(row.kind)}});
  }
}
