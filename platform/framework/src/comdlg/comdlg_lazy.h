// The common-dialog library, loaded on first use: a program that never opens
// a common dialog starts without it and the shell libraries it brings in.
#pragma once
#include <windows.h>
#include <commdlg.h>

BOOL AfxCallPrintDlg(PRINTDLGA* pPrintDlg);
BOOL AfxCallGetOpenFileName(OPENFILENAMEA* pOfn);
BOOL AfxCallGetSaveFileName(OPENFILENAMEA* pOfn);
BOOL AfxCallChooseFont(CHOOSEFONTA* pChooseFont);
