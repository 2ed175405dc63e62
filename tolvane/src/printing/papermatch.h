// Paper matching: the printer settings that fit a form of a given size. A
// form's size is recognised by the nominal stationery sizes (0.1 mm, -4..+3)
// of the form screen's table; the printer's own paper codes are preferred,
// then a user-defined size, then A4.
#pragma once
#include <windows.h>
#include <vector>

// The printer's paper codes and sizes (0.1 mm), index-aligned.
struct PaperLists
{
    std::vector<WORD> codes;
    std::vector<POINT> sizes;

    // Both lists read, with equal and positive counts.
    bool Available() const { return !codes.empty() && codes.size() == sizes.size(); }
    bool Lists(WORD nCode) const;
};

// The lists of the printer of those names; empty when either call fails or
// the counts differ.
PaperLists ReadPaperLists(const DEVNAMES* pNames, const DEVMODEA* pMode);

// Sets orientation and paper (and a user size) of the settings for a form
// of nWidth x nHeight (0.1 mm).
void MatchPaper(int nWidth, int nHeight, const PaperLists& lists, DEVMODEA& mode);
