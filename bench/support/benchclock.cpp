#include "benchclock.h"

CBenchClock::CBenchClock()
{
    ::QueryPerformanceFrequency(&m_frequency);
    Restart();
}

void CBenchClock::Restart()
{
    ::QueryPerformanceCounter(&m_start);
}

double CBenchClock::Seconds() const
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
}
