#include "library/library_state.h"

namespace {

ZebLibraryState g_library;
int g_nDisplayBitsOverride = 0;

}  // namespace

ZebLibraryState& Library() { return g_library; }

int ZebDisplayBits() { return g_nDisplayBitsOverride != 0 ? g_nDisplayBitsOverride : g_library.nDisplayBits; }

bool ZebPaletteDisplay() { return ZebDisplayBits() == 8; }

void OverrideDisplayBits(int nBits) { g_nDisplayBitsOverride = nBits; }
