#include "mirtpath.h"
#include "mirtenv.h"

CString MirtInstallPath(LPCSTR tail)
{
    CMirtEnv env;
    return env.m_strInstallRoot + tail;
}
