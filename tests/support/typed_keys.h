// Characters typed as the keyboard gives them.
#pragma once

// WM_KEYDOWN, WM_CHAR and WM_KEYUP of each character, sent to the window
// that has the focus when the character comes.
void TypeKeys(const char* pszKeys);
