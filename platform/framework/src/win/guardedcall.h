// What window procedures do with exceptions, for other places where the
// system calls the framework: no exception leaves; it is reported
// (allocation failures as CMemoryException, other C++ exceptions as a
// framework error) and the message answered as failed.
#pragma once
#include <new>
#include "afxwin.h"

// Reports and deletes e; the answer of a failed message (-1 for WM_CREATE,
// else 0; a WM_PAINT's window is validated).
LRESULT AfxGuardedCallFailed(CException* e, HWND hWnd, UINT message) noexcept;

template <class Call>
LRESULT AfxGuardedCall(HWND hWnd, UINT message, Call call)
{
    try {
        return call();
    } catch (CException* e) {
        return AfxGuardedCallFailed(e, hWnd, message);
    } catch (const std::bad_alloc&) {
        CMemoryException memoryException(FALSE);
        return AfxGuardedCallFailed(&memoryException, hWnd, message);
    } catch (...) {
        CException otherException(FALSE);
        return AfxGuardedCallFailed(&otherException, hWnd, message);
    }
}
