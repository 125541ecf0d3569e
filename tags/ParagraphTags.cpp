// Paragraph attribute elements: paragraph formats ("*p(...)") and rules
// above and below ("*ra(...)", "*rb(...)").
#include "import/TextScanner.h"
#include "resources/ColourSwatches.h"
#include "resources/Diagnostics.h"
#include "tags/TagContext.h"
#include "tags/TextAttributeFactory.h"

namespace {

constexpr ClassID kCharacterStrategy{0x235};
constexpr ClassID kParagraphStrategy{0x236};

// The classes of one rule, above or below.
struct RuleClasses {
  ClassID on, weight, colour, leftIndent, rightIndent, offset, mode;
};
constexpr RuleClasses kRuleAbove{ClassID(0x1B5C), ClassID(0x1B4D), ClassID(0x1B4C), ClassID(0x1B50),
                                 ClassID(0x1B51), ClassID(0x1B4F), ClassID(0x1B52)};
constexpr RuleClasses kRuleBelow{ClassID(0x1B5D), ClassID(0x1B54), ClassID(0x1B53), ClassID(0x1B57),
                                 ClassID(0x1B58), ClassID(0x1B56), ClassID(0x1B59)};

// Item n (counted from 1) of a list, or nothing.
const PMString* Item(const K2Vector<PMString>& items, std::size_t n) {
  return items.size() >= n ? &items[n - 1] : nullptr;
}

}  // namespace

void TextScanner::ApplyParagraphFormats(TagContext& context, const K2Vector<PMString>& items) {
  if (items.size() < 8) return;
  const double leftIndent = items[0].GetAsDouble();
  const double firstLineIndent = items[1].GetAsDouble();
  const double rightIndent = items[2].GetAsDouble();
  const double leading = items[3].GetAsDouble();
  if (!AddRealAttribute(context, ClassID(0x1B16), leftIndent)) return;
  if (!AddRealAttribute(context, ClassID(0x1B18), firstLineIndent)) return;
  if (!AddRealAttribute(context, ClassID(0x1B17), rightIndent)) return;
  // A leading of 0 leaves the leading as it is.
  if (leading != 0 && !AddRealAttribute(context, ClassID(0x1B1B), leading)) return;
  (void)ApplyListAtEnd(context, kCharacterStrategy);
}

void TextScanner::ApplyRule(TagContext& context, const K2Vector<PMString>& items, bool above) {
  const RuleClasses& rule = above ? kRuleAbove : kRuleBelow;
  const double weight = Item(items, 1) ? Item(items, 1)->GetAsDouble() : 0;
  PMString colourName;
  if (const PMString* item = Item(items, 3)) {
    colourName = *item;
    std::u16string units = colourName.Units();
    if (!units.empty() && units.front() == u'"') units.erase(0, 1);
    if (!units.empty() && units.back() == u'"') units.pop_back();
    colourName = PMString(units);
  }
  bool toColumn = false;
  double leftIndent = 0;
  if (const PMString* item = Item(items, 5)) {
    std::u16string units = item->Units();
    if (!units.empty() && units.front() == u'T') {
      units.erase(0, 1);
      toColumn = true;
    }
    leftIndent = PMString(units).GetAsDouble();
  }
  const double rightIndent = Item(items, 6) ? Item(items, 6)->GetAsDouble() : 0;
  double offset = 0;
  if (const PMString* item = Item(items, 7)) {
    std::u16string units = item->Units();
    if (!units.empty() && units.back() == u'%') units.pop_back();
    offset = PMString(units).GetAsDouble();  // a percentage is used as the number it is
  }

  if (!AddBooleanAttribute(context, rule.on, kTrue)) {
    WriteDiagnostic("Could not create ruleBelowOn of kTextAttrPRBRuleOnBoss.\n");
    return;
  }
  if (!AddRealAttribute(context, rule.weight, weight)) {
    WriteDiagnostic("Could not create ruleBelowWidth of kTextAttrPRBStrokeBoss.\n");
    return;
  }
  // The remaining attributes are made always but added only when they say
  // something: a resolved colour, indents and offset other than 0.
  const struct {
    ClassID attributeClass;
    double value;
    const char* failure;
  } optional[] = {
      {rule.leftIndent, leftIndent, "Could not create ruleBelowLeftIndent of kTextAttrPRAColorBoss.\n"},
      {rule.rightIndent, rightIndent, "Could not create ruleBelowRightIndent of kTextAttrPRAColorBoss.\n"},
      {rule.offset, offset, "Could not create ruleBelowOffset of kTextAttrPRBOffsetBoss.\n"},
  };
  {
    InterfacePtr<ITextAttrUID> colour(CreateTextAttribute<ITextAttrUID>(rule.colour, IID_ITEXTATTRUID));
    if (!colour) {
      WriteDiagnostic("Could not create ruleBelowColor of kTextAttrPRAColorBoss.\n");
      return;
    }
    const UID swatch = ResolveTagColour(colourName);
    if (swatch != kInvalidUID) {
      colour->Set(swatch);
      context.attributeList->ApplyAttribute(colour.get(), kInvalidClass);
    }
  }
  for (const auto& attribute : optional) {
    InterfacePtr<ITextAttrRealNumber> real(
        CreateTextAttribute<ITextAttrRealNumber>(attribute.attributeClass, IID_ITEXTATTRREALNUMBER));
    if (!real) {
      WriteDiagnostic("%s", attribute.failure);
      return;
    }
    if (attribute.value != 0) {
      real->Set(attribute.value);
      context.attributeList->ApplyAttribute(real.get(), kInvalidClass);
    }
  }
  if (toColumn && !AddIntAttribute(context, rule.mode, IID_ITEXTATTRRULEMODE, 2)) {
    WriteDiagnostic("Could not create ruleBelowToColumn of kTextAttrPRBModeBoss.\n");
    return;
  }
  (void)ApplyListAtEnd(context, kParagraphStrategy);
}
