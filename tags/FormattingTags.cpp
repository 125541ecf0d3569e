// The formatting elements of tags, dispatched by code. Each element becomes
// one host text attribute (applied at the end of the story in running text,
// or collected in a style definition), a revert of local overrides, or a
// character style applied at once.
#include "import/TextScanner.h"
#include "resources/StyleApplication.h"
#include "tags/TagContext.h"
#include "tags/TagReader.h"
#include "tags/TextAttributeFactory.h"

namespace {

constexpr ClassID kCharacterStrategy{0x235};
constexpr ClassID kParagraphStrategy{0x236};

// Character attribute classes.
constexpr ClassID kFontFamily{0x1B2B};
constexpr ClassID kPointSize{0x1B03};
constexpr ClassID kHorizontalScale{0x1B06};
constexpr ClassID kVerticalScale{0x1B15};
constexpr ClassID kKerning{0x1B13};
constexpr ClassID kTracking{0x1B0B};
constexpr ClassID kBaselineShift{0x1B10};
constexpr ClassID kUnderline{0x1B2A};
constexpr ClassID kCapitalisation{0x1B11};
constexpr ClassID kBaselinePosition{0x1B3C};
constexpr ClassID kStrikethrough{0x1B3D};
constexpr ClassID kTextColour{0x1B01};
// Paragraph attribute classes.
constexpr ClassID kAlignment{0x1B7E};
constexpr ClassID kKeepWithNext{0x1B39};

// Alignment values by letter: left, centre, right, full, justified.
int32 AlignmentOf(UTF16TextChar letter) {
  switch (letter) {
    case u'C': return 1;
    case u'R': return 2;
    case u'F': return 3;
    case u'J': return 4;
    default: return 0;
  }
}

}  // namespace

int32 TextScanner::ApplyListAtEnd(TagContext& context, ClassID strategy) {
  return ApplyAttributesAtEnd(context.textModel, context.attributeList, strategy, context.applyFlag);
}

void TextScanner::HandleFormattingElement(int32 code, const TagReader& reader, TagContext& context) {
  // Size and baseline shift are points as written, scales percentages, and
  // kerning and tracking are scaled by 5/1000.
  const auto applyReal = [&](ClassID attributeClass, double value) {
    if (AddRealAttribute(context, attributeClass, value)) ApplyListAtEnd(context, kCharacterStrategy);
  };
  switch (code) {
    case Bold: return ApplyFace(context, true);
    case Italic: return ApplyFace(context, false);
    case Underline: return ApplyToggle(context, nextUnderlineOn, kUnderline, IID_ITEXTATTRUNDERLINEMODE, 1);
    case AllCaps: return ApplyToggle(context, nextAllCapsOn, kCapitalisation, IID_ITEXTATTRCAPITALMODE, 2);
    case SmallCaps: return ApplyToggle(context, nextSmallCapsOn, kCapitalisation, IID_ITEXTATTRCAPITALMODE, 1);
    case DropCap: return ApplyToggle(context, nextAllSmallCapsOn, kCapitalisation, IID_ITEXTATTRCAPITALMODE, 3);
    case Strikethrough: return ApplyToggle(context, nextStrikeOn, kStrikethrough, IID_ITEXTATTRBOOLEAN, 1);
    case Superscript:
    case Subscript:
      if (AddIntAttribute(context, kBaselinePosition, IID_ITEXTATTRPOSITIONMODE, code == Superscript ? 1 : 2)) {
        ApplyListAtEnd(context, kCharacterStrategy);
      }
      return;
    case FontName: return ApplyFont(context, reader.nameArgument);
    case Size: return applyReal(kPointSize, reader.numberArgument);
    case HorizontalScale:
      scaleKind = 1;
      return applyReal(kHorizontalScale, reader.numberArgument / 100);
    case VerticalScale:
      scaleKind = 2;
      return applyReal(kVerticalScale, reader.numberArgument / 100);
    case Kern: return applyReal(kKerning, reader.numberArgument * 5 / 1000);
    case Track: return applyReal(kTracking, reader.numberArgument * 5 / 1000);
    case BaselineShift: return applyReal(kBaselineShift, reader.numberArgument);
    case ColorName: return ApplyColour(context, PMString(reader.nameArgument));
    case ColorLetter: {
      PMString letter;
      letter.AppendW(static_cast<UTF16TextChar>(reader.charArgument & 0xFF));
      return ApplyColour(context, letter);
    }
    case FontRevert: return RevertOverride(context, kFontFamily);
    case SizeRevert: return RevertOverride(context, kPointSize);
    case ColorRevert: return RevertOverride(context, kTextColour);
    case KernRevert: return RevertOverride(context, kKerning);
    case TrackRevert: return RevertOverride(context, kTracking);
    case BaselineShiftRevert: return RevertOverride(context, kBaselineShift);
    case HorizontalScaleRevert:
    case VerticalScaleRevert: return RevertScale(context);
    case StyleRevert: return RevertOverride(context, kInvalidClass);
    case CharStyle: return ApplyCharacterStyle(context, reader.nameArgument, false);
    case CharStyleParagraph:
    case CharStyleNone: return ApplyCharacterStyle(context, WideString(), true);
    case ParaAlign:
      if (AddIntAttribute(context, kAlignment, IID_ITEXTATTRALIGN, AlignmentOf(reader.charArgument))) {
        ApplyListAtEnd(context, kParagraphStrategy);
      }
      return;
    case KeepWithNext:
      if (AddIntAttribute(context, kKeepWithNext, IID_ITEXTATTRKEEPWITHNEXT, 1)) {
        ApplyListAtEnd(context, kCharacterStrategy);
      }
      return;
    case ParaFormats: return ApplyParagraphFormats(context, reader.listArgument);
    case RuleAbove: return ApplyRule(context, reader.listArgument, true);
    case RuleBelow: return ApplyRule(context, reader.listArgument, false);
    default:
      // Plain, shade, hyphenation, keep together, tabs, bracket lists and
      // unrecognised elements change nothing.
      return;
  }
}
