// The system's open and save dialogs in tests, once a ModalScript hands
// them over.
#pragma once
#include <string>

class CWnd;

// Types the name into the explorer dialog's file name field and presses OK.
void ChooseFileInDialog(CWnd* pDialog, const std::string& path);
