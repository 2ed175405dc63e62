// Resource ids of the window tests' DLL.
#pragma once

#define IDS_DLL_ONLY 4101
