// Resource identifiers of Zeb95.dll.
#pragma once

#define IDC_LIBRARY_CURSOR 103
