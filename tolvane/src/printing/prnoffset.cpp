#include "printing/prnoffset.h"

#include "mirtenv.h"

namespace {

const UINT kFileSize = 8;

void PutInt(BYTE* pAt, int nValue)
{
    const auto u = static_cast<DWORD>(nValue);
    for (int i = 0; i < 4; ++i)
        pAt[i] = static_cast<BYTE>(u >> (8 * i));
}

int GetInt(const BYTE* pAt)
{
    DWORD u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | pAt[i];
    return static_cast<int>(u);
}

bool InRange(int n)
{
    return n >= -30 && n <= 30;
}

}  // namespace

void StorePrnOffset(CFile& file, const PrnOffset& offset)
{
    BYTE bytes[kFileSize];
    PutInt(bytes, offset.nLeft);
    PutInt(bytes + 4, offset.nTop);
    file.Write(bytes, kFileSize);
}

BOOL LoadPrnOffset(CFile& file, PrnOffset& offset)
{
    if (file.GetLength() != kFileSize)
        return FALSE;
    BYTE bytes[kFileSize];
    if (file.Read(bytes, kFileSize) != kFileSize)
        return FALSE;
    const PrnOffset read = {GetInt(bytes), GetInt(bytes + 4)};
    if (!InRange(read.nLeft) || !InRange(read.nTop))
        return FALSE;
    offset = read;
    return TRUE;
}

BOOL WritePrnOffsetFile(const PrnOffset& offset)
{
    try {
        AfxWriteReplacing(CMirtEnv().m_strInstallRoot + PRNOFFSET_FILE, "PRN",
            [&offset](CFile& file) { StorePrnOffset(file, offset); });
        return TRUE;
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
}
