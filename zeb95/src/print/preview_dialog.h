// The modal print preview of a whole whiteboard: the page of the kept
// printer setup drawn on a page-shaped area, with Close (8), Setup and
// Print (1); Esc gives 2.
#pragma once
#include <windows.h>

const INT_PTR kPreviewPrint = 1;
const INT_PTR kPreviewCancel = 2;
const INT_PTR kPreviewClose = 8;

// Runs dialog 105 with the whiteboard as owner: its end code.
INT_PTR RunPreviewDialog(HWND hWb, LPCSTR pszCaption);
INT_PTR CALLBACK PreviewDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
// The page (control 1004): the whiteboard's capture at printer scale,
// placed as the printable area lies on the page.
void DrawPreviewPage(const DRAWITEMSTRUCT& item);
