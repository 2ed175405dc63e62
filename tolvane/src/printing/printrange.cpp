#include "printing/printrange.h"

int PrintRange::ExpandedEnd() const
{
    const long long nEnd = static_cast<long long>(nFrom) + static_cast<long long>(Pages()) * Copies() - 1;
    return nFrom < 1 || nEnd > kMaxPrintPage ? 0 : static_cast<int>(nEnd);
}

int PrintRange::DocumentPage(int nRunning) const
{
    const int nOffset = nRunning - nFrom;
    return nFrom + (bCollate ? nOffset % Pages() : nOffset / Copies());
}
