// Automation types: COleDateTime and the system strings of CString.
#pragma once
#include "afx.h"
