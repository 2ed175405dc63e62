#include "valuefile.h"

#include <cstdlib>

#include "mirtpath.h"

namespace {

const double kDefaultTaxPercent = 5.0;
const char kDefaultRounding = 'D';

}  // namespace

BOOL MirtReadValueFile(const CString& strPath, CString& strValue)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        CArchive ar(&file, CArchive::load, 4096);
        CString strRead;
        ar >> strRead;
        ar.Close();
        strValue = strRead;
        return TRUE;
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
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
