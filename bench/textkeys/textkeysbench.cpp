// Keystrokes at the end of a text document's storage: one of 10 MB next to
// one of 1 KB. Each keystroke finds the end of the text from the start of
// the last block and inserts one byte there, opening a block when the last
// one is full.
//   textkeys_bench <keystrokes>
#include <cstdlib>
#include <string>
#include <vector>

#include "benchclock.h"
#include "figureline.h"
#include "text/storage/block_list.h"

namespace {

// Text of about the size given, in blocks filled to 12,000 bytes of mixed
// single- and double-byte characters.
void Fill(ZebBlockList& list, int nBytes)
{
    std::string run;
    while (static_cast<int>(run.size()) < 12000)
        run += "abc\x82\xA0\x82\xA2 ";
    run.resize(12000);
    std::vector<ZebCharAttr> attrs(run.size(), 0);
    MarkCharPairs(run.data(), attrs.data(), static_cast<int>(run.size()));
    for (int nLeft = nBytes; nLeft > 0; nLeft -= 12000)
    {
        ZebTextBlock* pBlock = list.BlockInsert(-1);
        BenchCheck(pBlock != nullptr, "a block cannot be made");
        const int n = nLeft < 12000 ? nLeft : 12000;
        BlockInsertRun(pBlock, 0, run.data(), attrs.data(), n);
    }
}

void Keystroke(ZebBlockList& list)
{
    const ZebCharAttr attr = 0;
    const int nLast = list.Count() - 1;
    int nBlock = 0, nOffset = 0;
    ZebTextBlock* pBlock = list.PosToBlock(nLast, 0, BlockTextLength(list.Block(nLast)), &nBlock, &nOffset);
    BenchCheck(pBlock != nullptr, "the end of the text is not found");
    if (BlockInsertRun(pBlock, nOffset, "a", &attr, 1) == 1)
        return;
    pBlock = list.BlockInsert(-1);
    BenchCheck(pBlock != nullptr && BlockInsertRun(pBlock, 0, "a", &attr, 1) == 1, "a keystroke is refused");
}

// Microseconds per keystroke at the end of a text of nBytes.
double KeystrokeMicroseconds(int nBytes, int nKeys)
{
    ZebBlockList list;
    Fill(list, nBytes);
    CBenchClock clock;
    for (int i = 0; i < nKeys; ++i)
        Keystroke(list);
    return clock.Seconds() * 1e6 / nKeys;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchCheck(argc == 2, "usage: textkeys_bench <keystrokes>");
    const int nKeys = std::atoi(argv[1]);
    BenchCheck(nKeys > 0, "no keystrokes");
    const double small = KeystrokeMicroseconds(1024, nKeys);
    const double large = KeystrokeMicroseconds(10 << 20, nKeys);
    CFigureLine line("textkeys");
    line.Add("keys", nKeys, 0);
    line.Add("key_1KB_us", small, 4);
    line.Add("key_10MB_us", large, 4);
    line.Print();
    return 0;
}
