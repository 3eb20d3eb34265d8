#pragma once

#include <QString>

#include "XPButtonClass.h"

namespace wuziqi {

// What a predefined kind brings with it: the name of its glyph picture, its caption and the
// modal result its click leaves on a dialog.
struct TButtonKindEntry {
    const char* resourceName;  // as the kind table spells it; resources are stored in capitals
    const char* caption;       // UTF-8
    int modalResult;
};

// The entry of a kind other than bkCustom.
const TButtonKindEntry& ButtonKindEntry(TButtonKind kind);

// Cells in the glyph picture of a kind: two for the "XPB..." pictures, one for the others.
int ButtonKindGlyphCount(TButtonKind kind);

// The resource path of a kind's glyph, ":/XPBOK" and so on; with a scale of 2 or 3 that of the
// same drawing at that many times the size, ":/XPBOK@2x".
QString ButtonKindResourcePath(TButtonKind kind, int scale = 1);

}  // namespace wuziqi
