#pragma once

// Turns on the low-fragmentation heap for the C runtime's heap and the
// process heap; where the system refuses, they stay as they are.
void AfxUseLowFragmentationHeaps();
