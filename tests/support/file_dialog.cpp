#include "file_dialog.h"

#include <gtest/gtest.h>

#include "afxwin.h"
#include <dlgs.h>
#include "modal_script.h"

void ChooseFileInDialog(CWnd* pDialog, const std::string& path)
{
    HWND hName = ::GetDlgItem(pDialog->m_hWnd, cmb13);
    if (hName == nullptr)
        hName = ::GetDlgItem(pDialog->m_hWnd, edt1);
    ASSERT_NE(nullptr, hName) << "no file name field";
    ::SetWindowTextA(hName, path.c_str());
    ModalScript::Click(pDialog, IDOK);
}
