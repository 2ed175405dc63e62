#include "afxdisp.h"

// No OLE control is ever hosted: dialog controls come from their window classes.
void AfxEnableControlContainer()
{
}
