#include "valuefile.h"

#include <cstdlib>

#include "file/archivedread.h"
#include "mirtpath.h"

namespace {

const double kDefaultTaxPercent = 5.0;
const char kDefaultRounding = 'D';

}  // namespace

BOOL MirtReadValueFile(const CString& strPath, CString& strValue)
{
    CString strRead;
    if (ReadArchivedFile(strPath, [&strRead](CArchive& ar) { ar >> strRead; }) != ArchivedRead::Done)
        return FALSE;
    strValue = strRead;
    return TRUE;
}

CString MirtReadValueFile(const CString& strPath)
{
    CString strValue;
    MirtReadValueFile(strPath, strValue);
    return strValue;
}

double MirtReadTaxRate()
{
    CString strRate;
    if (!MirtReadValueFile(MirtInstallPath(MIRT_OTHER_FOLDER "TAX.aut"), strRate))
        return kDefaultTaxPercent;
    return std::atof(strRate);
}

char MirtReadRoundingRule()
{
    CString strRule;
    if (!MirtReadValueFile(MirtInstallPath(MIRT_OTHER_FOLDER "Shouhi.aut"), strRule) || strRule.IsEmpty())
        return kDefaultRounding;
    return strRule[0];
}
