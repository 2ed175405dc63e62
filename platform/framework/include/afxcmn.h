// The common controls (up-down, progress ...): they come with the windows.
#pragma once
#include "afxwin.h"
