// Window class names of the library's objects.
#pragma once
#include <windows.h>

extern const char kWbClass[];       // whiteboard
extern const char kWbBmpClass[];    // whiteboard bitmap item
extern const char kDocClass[];      // text document
extern const char kPicClass[];      // picture
extern const char kSoundClass[];    // sound
extern const char kMovieClass[];    // movie
extern const char kMciClass[];      // movie device window
extern const char kLineClass[];     // line

// The kind whose objects have the window's class (compared without case),
// or 0.
WORD KindOfWindowClass(HWND hwnd);
bool IsWhiteBoard(HWND hwnd);
// A whiteboard bitmap item's window.
bool IsWbBmpItemWindow(HWND hwnd);
