#include "app/tolvaneapp.h"

CTolvaneApp theApp;
