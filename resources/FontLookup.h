// Font lookup: font names of the input to the document's font families, and
// the plain, italic, bold and bold-italic faces of a family. Every name is
// compared exactly as written.
#pragma once

#include "host/IDataBase.h"
#include "host/ITextModel.h"
#include "host/PMString.h"

// Face kinds, numbered as the tags use them.
enum FaceKindNumber : int32 { kPlainFace = 0, kItalicFace = 1, kBoldFace = 2, kBoldItalicFace = 3 };

// The UID of the document's font family named name: first by family name in
// the document's font list, then by any of the four names of the machine's
// fonts (full, PostScript, family, style name, in that order). kInvalidUID
// when neither finds it.
UID FindFontFamily(const PMString& name, IDataBase* database);

// The name of the family's first face of the kind, or an empty string.
PMString FindFaceName(const PMString& familyName, int32 kind, IDataBase* database);

// The face name in force at the insertion point, or an empty string.
PMString FaceNameAtEnd(ITextModel* textModel);
