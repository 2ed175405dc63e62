// A group's Execute that runs again inside itself (groups feeding each
// other in a circle) is refused: the flag is set while it runs.
#pragma once
#include <afx.h>

// Sets bFlag for the scope and clears it when the scope ends, however it
// ends.
class CReentryGuard
{
public:
    explicit CReentryGuard(BOOL& bFlag) : m_bFlag(bFlag) { m_bFlag = TRUE; }
    ~CReentryGuard() { m_bFlag = FALSE; }
    CReentryGuard(const CReentryGuard&) = delete;
    CReentryGuard& operator=(const CReentryGuard&) = delete;

private:
    BOOL& m_bFlag;
};
