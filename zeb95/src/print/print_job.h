// The library's own print jobs: the kept printer setup, the modeless
// printing dialog with its Cancel button, the abort procedure and the
// cancelled flag that every drawing step reads. One job at a time, on the
// calling thread.
#pragma once
#include <windows.h>

// Results of the printing steps.
const LONG kPrintDone = 1;
const LONG kPrintCancelled = 3;
const LONG kPrintFailed = -1;

// Starts a document on hdc, or on a printer chosen in the print dialog when
// it is null (the chosen setup is kept): the owner is disabled meanwhile
// and the printing dialog shows the document name and the second line. The
// DC to print on, or 0 (dialog cancelled, no document name, StartDoc
// refused; a DC made here is then deleted).
HDC BeginPrintJob(HWND hOwner, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine);
// Ends the document (aborted when cancelled, the flag then cleared), closes the printing dialog,
// enables the owner; with bDeleteDc deletes the DC and forgets the setup.
void EndPrintJob(HWND hOwner, HDC hdc, bool bDeleteDc);
// The user pressed Cancel in the printing dialog of the running job.
bool IsPrintCancelled();
// The printing dialog while a job runs, else 0.
HWND PrintingDialog();
INT_PTR CALLBACK PrintingDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL CALLBACK PrintAbortProc(HDC hdc, int nError);

// A DC of the kept setup, or 0 without one.
HDC CreatePrinterDC();
// Keeps the default printer's setup: its DEVNAMES handle, 0 without printer.
HGLOBAL UseDefaultPrinter(HWND hOwner);
// Keeps copies of both blocks in place of the kept setup: 1, or 0 (nothing
// kept) when either is empty or cannot be copied.
BOOL TakePrinterSetup(HGLOBAL hDevNames, HGLOBAL hDevMode);
struct ZebPrinterSetup
{
    HGLOBAL hDevNames;
    HGLOBAL hDevMode;
};
// Gives the kept handles to the caller, who frees them.
void HandOverPrinterSetup(ZebPrinterSetup* pOut);
void ForgetPrinterSetup();
// The print dialog on the kept setup; the returned handles are kept.
BOOL PrinterSetupDialog(HWND hOwner);
// The kept printer's physical page in tenths of a millimetre: 1, or 0
// without record or printer.
BOOL GetPrinterPageSize(SIZE* pSize);

// At most nMax bytes of psz copied into pszOut (nMax + 1 bytes), never
// ending inside a Shift-JIS pair.
void CopyCutOnCharacter(char* pszOut, const char* psz, int nMax);
