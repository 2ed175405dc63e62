// Readers of the small settings files that the launcher writes under the
// install root's "\Data\Other\": value files of auto-input fields, the tax
// rate and the rounding rule. Each is an archive holding one string.
#pragma once
#include <afx.h>
#include "mirtapi.h"

// TRUE with the string of the value file at strPath; FALSE, leaving
// strValue alone, when the file is missing or cannot be read.
MIRT_API BOOL MirtReadValueFile(const CString& strPath, CString& strValue);
// The value, empty for a missing or unreadable file.
MIRT_API CString MirtReadValueFile(const CString& strPath);

// The tax rate in percent from "TAX.aut" (decimal text read as atof does);
// 5 when the file is missing or cannot be read.
MIRT_API double MirtReadTaxRate();

// The rounding rule from "Shouhi.aut", the first character of its string:
// 'D' cut, 'F' half up, 'U' up. 'D' when the file is missing, cannot be
// read or holds an empty string.
MIRT_API char MirtReadRoundingRule();
