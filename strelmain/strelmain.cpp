// The launcher's one application object.
#include "strelmainapp.h"

CStrelMainApp theApp;
