// Lengths of the form model (tenths of a millimetre) in device pixels.
#pragma once

// value x dpi x 567 / 144000, truncated toward zero (so the sign is kept),
// held to the range of int.
int TenthMmToPixels(int nValue, int nDpi);
