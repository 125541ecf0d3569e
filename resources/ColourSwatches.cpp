// Colour swatches, and the colour definitions of the input
// ("@name=[C]<"model",...>").
#include "resources/ColourSwatches.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "host/ISwatches.h"
#include "host/InterfacePtr.h"
#include "host/UtilsBoss.h"
#include "import/TextScanner.h"
#include "resources/Diagnostics.h"
#include "resources/LogWriter.h"

namespace {

ISwatchList* QuerySwatchList() {
  InterfacePtr<ISwatchUtils> utils(UtilsBoss::QueryUtils<ISwatchUtils>());
  return utils ? utils->QueryActiveSwatchList(nullptr) : nullptr;
}

struct HostColour {
  int32 colorSpace;
  std::vector<double> values;
};

HostColour ToHostColour(int32 model, float c1, float c2, float c3, float c4) {
  switch (model) {
    case kCMYKModel: return {kCMYKColorSpace, {c1, c2, c3, c4}};
    case kRGBModel: return {kRGBColorSpace, {c1, c2, c3}};
    case kThirdColourModel: return {kLabColorSpace, {c1, c2, c3}};
    default: return {kCMYKColorSpace, {c1, c2, c3}};
  }
}

// Component values beyond the float range become the largest float of their
// sign (narrowing them would be undefined).
float NarrowToFloat(double value) {
  const double largest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -largest, largest));
}

}  // namespace

UID FindSwatchByName(const PMString& name) {
  InterfacePtr<ISwatchList> swatches(QuerySwatchList());
  if (!swatches) return kInvalidUID;
  const UIDRef found = swatches->FindSwatch(name);
  return found == UIDRef::gNull ? kInvalidUID : found.GetUID();
}

UID FindSwatchByValues(int32 model, float c1, float c2, float c3, float c4) {
  InterfacePtr<ISwatchList> swatches(QuerySwatchList());
  if (!swatches) return kInvalidUID;
  const HostColour colour = ToHostColour(model, c1, c2, c3, c4);
  return swatches->FindSwatchByValues(colour.colorSpace, colour.values).GetUID();
}

UID CreateColorSwatch(const PMString& name, float c1, float c2, float c3, float c4, int32 model, int32 unnamed) {
  InterfacePtr<ISwatchList> swatches(QuerySwatchList());
  if (swatches) {
    const UIDRef existing = swatches->FindSwatch(name);
    if (existing != UIDRef::gNull) {
      LogMessage("Znaleziono swatch o nazwie \"%s\" i zostanie on uzyty.", name.GetUTF8String().c_str());
      return existing.GetUID();
    }
  }
  const HostColour colour = ToHostColour(model, c1, c2, c3, c4);
  InterfacePtr<IColorUtils> colourUtils(UtilsBoss::QueryUtils<IColorUtils>());
  InterfacePtr<IColorSwatchInfo> swatch(
      colourUtils ? static_cast<IColorSwatchInfo*>(colourUtils->CreateColor(kColorSwatchBoss, 0)) : nullptr);
  InterfacePtr<IColorData> data(swatch.get(), UseDefaultIID());
  InterfacePtr<ISwatchRendering> rendering(swatch.get(), UseDefaultIID());
  if (data) data->SetColorData(colour.colorSpace, colour.values);
  if (swatch) {
    swatch->SetEditable(kTrue);
    if (!name.IsEmpty()) swatch->SetSwatchName(name);
    swatch->SetDeletable(kTrue);
    swatch->SetCreatorCode(0x7B0C);
  }
  if (rendering) rendering->SetListedInPanel(unnamed == 0 ? kTrue : kFalse);

  InterfacePtr<ISwatchUtils> swatchUtils(UtilsBoss::QueryUtils<ISwatchUtils>());
  InterfacePtr<IPMUnknown> listChanges(swatches.get(), IID_ISWATCHLISTCHANGES);
  if (!swatchUtils) return kInvalidUID;
  return swatchUtils->AddSwatch(kColorSwatchBoss, swatch.get(), listChanges.get(), 0, 0);
}

UID ResolveTagColour(const PMString& name) {
  const UID named = FindSwatchByName(name);
  if (named != kInvalidUID) return named;
  float cmyk[4] = {0, 0, 0, 1};
  if (name.Compare(kTrue, PMString("C")) == 0) {
    cmyk[0] = 1, cmyk[3] = 0;
  } else if (name.Compare(kTrue, PMString("M")) == 0) {
    cmyk[1] = 1, cmyk[3] = 0;
  } else if (name.Compare(kTrue, PMString("Y")) == 0) {
    cmyk[2] = 1, cmyk[3] = 0;
  } else if (name.Compare(kTrue, PMString("W")) == 0) {
    cmyk[3] = 0;
  }
  const UID byValues = FindSwatchByValues(kCMYKModel, cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
  if (byValues != kInvalidUID) return byValues;
  return CreateColorSwatch(PMString(), cmyk[0], cmyk[1], cmyk[2], cmyk[3], kCMYKModel, 1);
}

TextScanner::ConstructResult TextScanner::DefineColour(const WideString& wideName, int32 pos) {
  const PMString name(wideName);
  pos += 3;  // over '[', 'C' and the character after it
  if (InputAt(pos) != u'<') return {pos, true};
  WideString body = ReadUpTo(pos, u'>');  // begins with the '<'
  if (pos + 1 < scan.input.Length()) body.Append(scan.input[++pos]);  // as a rule the line end

  // The body is a list of fields separated by commas: the quoted model name
  // (field 0), three fields not used here, the first three components
  // (fields 4 to 6) and, for CMYK, the fourth component in field 8.
  const int32 length = body.Length();
  int32 i = 0;
  const auto skipField = [&] {
    while (i < length && body[i] != u',') ++i;
    ++i;
  };
  const auto readField = [&] {
    WideString field;
    while (i < length && body[i] != u',') field.Append(body[i++]);
    ++i;
    return PMString(field);
  };
  int32 model = -1;
  while (i < length && body[i] != u'>') {
    ++i;
    PMString modelName;
    if (body.CharAt(i) == u'"') {
      WideString text;
      for (++i; i < length && body[i] != u'"'; ++i) text.Append(body[i]);
      modelName = PMString(text);
      ++i;
    }
    if (modelName == PMString("RGB")) {
      model = kRGBModel;
    } else if (modelName == PMString("CMYK")) {
      model = kCMYKModel;
    } else if (model < 0) {
      WriteDiagnostic("Extension Brisko does not support color type \"%s\".\n", modelName.GetUTF8String().c_str());
      break;
    }
    for (int skip = 0; skip < 4; ++skip) skipField();
    const PMString first = readField();
    const PMString second = readField();
    const PMString third = readField();
    PMString fourth;
    if (model == kCMYKModel) {
      skipField();
      fourth = readField();
    }
    if (first.IsEmpty() || second.IsEmpty() || third.IsEmpty()) break;
    const double c[4] = {first.GetAsDouble(), second.GetAsDouble(), third.GetAsDouble(), fourth.GetAsDouble()};
    if (FindSwatchByName(name) != kInvalidUID) {
      existingColourNames.push_back(name);
    } else if (CreateColorSwatch(name, NarrowToFloat(c[0]), NarrowToFloat(c[1]), NarrowToFloat(c[2]),
                                 NarrowToFloat(c[3]), model, 0) == kInvalidUID) {
      WriteDiagnostic("Could not create color \"%s\" with values (%f, %f, %f, %f)\n", name.GetUTF8String().c_str(),
                      c[0], c[1], c[2], c[3]);
    }
    ++i;
  }
  return {pos, false};
}
