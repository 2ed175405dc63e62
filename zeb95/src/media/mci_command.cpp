#include "media/mci_command.h"

bool MciSend(WORD wDeviceId, UINT uMsg, DWORD dwFlags)
{
    MCI_GENERIC_PARMS parms = {};
    return ::mciSendCommandA(wDeviceId, uMsg, dwFlags, reinterpret_cast<DWORD_PTR>(&parms)) == 0;
}

bool MciStatus(WORD wDeviceId, DWORD dwItem, DWORD_PTR* pdwValue)
{
    MCI_STATUS_PARMS parms = {};
    parms.dwItem = dwItem;
    if (::mciSendCommandA(wDeviceId, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return false;
    *pdwValue = parms.dwReturn;
    return true;
}

DWORD_PTR MciStatusOrZero(WORD wDeviceId, DWORD dwItem)
{
    DWORD_PTR dwValue = 0;
    return MciStatus(wDeviceId, dwItem, &dwValue) ? dwValue : 0;
}

bool MciSetTimeFormat(WORD wDeviceId, DWORD dwFormat)
{
    MCI_SET_PARMS parms = {};
    parms.dwTimeFormat = dwFormat;
    return ::mciSendCommandA(wDeviceId, MCI_SET, MCI_WAIT | MCI_SET_TIME_FORMAT,
                             reinterpret_cast<DWORD_PTR>(&parms)) == 0;
}

bool MciSeekTo(WORD wDeviceId, DWORD dwTo)
{
    MCI_SEEK_PARMS parms = {};
    parms.dwTo = dwTo;
    return ::mciSendCommandA(wDeviceId, MCI_SEEK, MCI_WAIT | MCI_TO, reinterpret_cast<DWORD_PTR>(&parms)) == 0;
}

bool MciStop(WORD wDeviceId)
{
    return MciSend(wDeviceId, MCI_STOP, MCI_WAIT) || MciStatusOrZero(wDeviceId, MCI_STATUS_MODE) == MCI_MODE_STOP;
}
