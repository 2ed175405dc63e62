// Small MCI requests on an open device id.
#pragma once
#include <windows.h>

#include <mmsystem.h>

// A request without parameters but the flags (MCI_STOP, MCI_PAUSE, ...).
bool MciSend(WORD wDeviceId, UINT uMsg, DWORD dwFlags);
// MCI_STATUS of an item (waiting): false when the query fails.
bool MciStatus(WORD wDeviceId, DWORD dwItem, DWORD_PTR* pdwValue);
// MCI_STATUS of an item, 0 when the query fails.
DWORD_PTR MciStatusOrZero(WORD wDeviceId, DWORD dwItem);
// MCI_SET of the time format (waiting).
bool MciSetTimeFormat(WORD wDeviceId, DWORD dwFormat);
// MCI_SEEK to a position (waiting).
bool MciSeekTo(WORD wDeviceId, DWORD dwTo);
// MCI_STOP (waiting): true when the device stopped. A paused video device
// may refuse the stop although it did stop, so its mode decides then.
bool MciStop(WORD wDeviceId);
