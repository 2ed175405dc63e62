// Wall-clock time from the performance counter.
#pragma once
#include <windows.h>

class CBenchClock
{
public:
    CBenchClock();

    void Restart();
    // Seconds since construction or the last Restart.
    double Seconds() const;

private:
    LARGE_INTEGER m_start;
    LARGE_INTEGER m_frequency;
};
