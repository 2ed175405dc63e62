#include "benchform.h"

CBenchForm::~CBenchForm()
{
    InitMember();
}
