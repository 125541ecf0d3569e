// Text attributes: one boss class per attribute, each carrying one value
// through its value interface. The value interfaces share the base
// ITextAttribute, through which the host reads and writes any value.
//
// TextAttributeClasses is the host's table of attribute classes: for each,
// its value interface, the kind of value, the strand it lives in and the
// key under which the host's output names it.
#pragma once

#include <string_view>
#include <vector>

#include "host/AttributeValue.h"
#include "host/IPMUnknown.h"
#include "host/PMString.h"

class ITextAttribute : public IPMUnknown {
 public:
  virtual AttributeValue GetValue() const = 0;
  virtual void SetValue(const AttributeValue& value) = 0;
};

class ITextAttrUID : public ITextAttribute {
 public:
  enum : uint32 { kDefaultIID = 0x1B01 };
  virtual void Set(UID uid) = 0;
  virtual UID Get() const = 0;
};

class ITextAttrRealNumber : public ITextAttribute {
 public:
  enum : uint32 { kDefaultIID = 0x1B06 };
  virtual void Set(const double& value) = 0;
  virtual double Get() const = 0;
};

class ITextAttrBoolean : public ITextAttribute {
 public:
  enum : uint32 { kDefaultIID = 0x1B02 };
  virtual void Set(bool16 value) = 0;
  virtual bool16 Get() const = 0;
};

// Integer values; the same C++ interface serves the six integer value
// interface IDs (capitalisation, alignment, baseline position, underline,
// keep with next, rule width mode).
class ITextAttrInt : public ITextAttribute {
 public:
  virtual void Set(int32 value) = 0;
  virtual int32 Get() const = 0;
};

class ITextAttrString : public ITextAttribute {
 public:
  enum : uint32 { kDefaultIID = 0x1B0D };
  // The second argument is the host's translation flag; names are never translated.
  virtual void Set(const PMString& value, int32 translate = 0) = 0;
  virtual const PMString& Get() const = 0;
};

// Value interface IDs.
constexpr PMIID IID_ITEXTATTRUID{0x1B01};
constexpr PMIID IID_ITEXTATTRBOOLEAN{0x1B02};
constexpr PMIID IID_ITEXTATTRREALNUMBER{0x1B06};
constexpr PMIID IID_ITEXTATTRKEEPWITHNEXT{0x1B07};
constexpr PMIID IID_ITEXTATTRALIGN{0x1B09};
constexpr PMIID IID_ITEXTATTRCAPITALMODE{0x1B0C};
constexpr PMIID IID_ITEXTATTRFONT{0x1B0D};
constexpr PMIID IID_ITEXTATTRPOSITIONMODE{0x1B0F};
constexpr PMIID IID_ITEXTATTRUNDERLINEMODE{0x1B10};
constexpr PMIID IID_ITEXTATTRRULEMODE{0x1B13};

enum class AttributeValueKind { kBoolean, kInteger, kReal, kUID, kString };
enum class AttributeStrand { kCharacter, kParagraph };

struct TextAttributeClass {
  ClassID classID;
  PMIID valueInterface;
  AttributeValueKind kind;
  AttributeStrand strand;
  std::string_view key;
};

class TextAttributeClasses {
 public:
  static const std::vector<TextAttributeClass>& All();
  // The row of a class, or null for a class that is not a text attribute.
  static const TextAttributeClass* Find(ClassID classID);
  // The attribute's value interface as ITextAttribute (with a reference), or
  // null when the object is not a text attribute.
  static ITextAttribute* QueryValue(const IPMUnknown* attribute);
  // A new attribute object of the class holding the value, as its value
  // interface; null when the class is not a text attribute.
  static ITextAttribute* Create(ClassID classID, const AttributeValue& value);
};

// A value of the kind's default (false, 0, 0.0, kInvalidUID, empty).
AttributeValue DefaultValueOf(AttributeValueKind kind);
