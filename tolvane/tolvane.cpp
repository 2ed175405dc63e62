#include "tolvaneapp.h"

CTolvaneApp theApp;
