// Starting the suite's other programs from the launcher, without waiting
// for them; they inherit the launcher's current folder.
#pragma once
#include <afx.h>

// Starts lpszPath with lpszArgs as its command line (CreateProcess, shown
// normally) and closes the handles of the process at once. FALSE when it
// could not be started.
BOOL StartProgram(LPCSTR lpszPath, LPCSTR lpszArgs);
