#include "benchtext.h"

#include <vector>

#include "figureline.h"

void FillBlocksWith(ZebBlockList& list, const std::string& piece, int nBytes)
{
    const int nPiece = static_cast<int>(piece.size());
    std::string run;
    while (static_cast<int>(run.size()) + nPiece <= 12000)
        run += piece;
    std::vector<ZebCharAttr> attrs(run.size(), 0);
    MarkCharPairs(run.data(), attrs.data(), static_cast<int>(run.size()));
    list.BlockFree(-1);
    for (int nLeft = nBytes; nLeft > 0; nLeft -= static_cast<int>(run.size()))
    {
        ZebTextBlock* pBlock = list.BlockInsert(-1);
        BenchCheck(pBlock != nullptr, "a block cannot be made");
        const int nPieces = (nLeft + nPiece - 1) / nPiece;
        const int n = nPieces * nPiece < static_cast<int>(run.size()) ? nPieces * nPiece : static_cast<int>(run.size());
        BlockInsertRun(pBlock, 0, run.data(), attrs.data(), n);
    }
}
