// Seeded mutations of a reader's input: bit flips, byte runs, truncations
// and length or count fields set to edge values. The same seed and index
// give the same input.
#pragma once
#include <cstdint>
#include <string>

// Input number nIndex of a run with nSeed: one of the seeds, mutated one to
// four times.
std::string MutatedInput(const std::string& seed, uint32_t nSeed, uint32_t nIndex);
