// Export convention of MirtBase.dll.
#pragma once

#ifdef MIRTBASE_BUILDING
#define MIRT_API __declspec(dllexport)
#else
#define MIRT_API __declspec(dllimport)
#endif
