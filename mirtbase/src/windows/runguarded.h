// Reading and writing that may fail on what the bytes hold: a framework
// exception or an allocation failure ends the step, not the caller.
#pragma once
#include <afx.h>
#include <new>

// Runs step; false when it threw a framework exception (deleted here) or
// ran out of memory.
template <class Step>
bool RunGuarded(Step step)
{
    try {
        step();
        return true;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return false;
}
