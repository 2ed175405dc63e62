#include "mutator.h"

#include <random>

namespace {

// The values that lengths and counts of the archive format turn on.
const uint32_t kEdgeValues[] = {0, 1, 0x7FFF, 0xFFFF, 0xFFFFFFFF};

void FlipBits(std::string& bytes, std::mt19937& random)
{
    const int nFlips = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < nFlips; i++)
        bytes[random() % bytes.size()] ^= static_cast<char>(1 << (random() % 8));
}

void ByteRun(std::string& bytes, std::mt19937& random)
{
    const size_t nAt = random() % bytes.size();
    const size_t nLength = 1 + random() % 16;
    const char value = static_cast<char>(random() % 2 == 0 ? random() % 256 : 0xFF);
    for (size_t i = nAt; i < bytes.size() && i < nAt + nLength; i++)
        bytes[i] = value;
}

void Truncate(std::string& bytes, std::mt19937& random)
{
    bytes.resize(random() % bytes.size());
}

// A WORD or a DWORD at a random place set to an edge value.
void EdgeField(std::string& bytes, std::mt19937& random)
{
    const uint32_t value = kEdgeValues[random() % (sizeof kEdgeValues / sizeof kEdgeValues[0])];
    const size_t nWidth = random() % 2 == 0 ? 2 : 4;
    const size_t nAt = random() % bytes.size();
    for (size_t i = 0; i < nWidth && nAt + i < bytes.size(); i++)
        bytes[nAt + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MutatedInput(const std::string& seed, uint32_t nSeed, uint32_t nIndex)
{
    std::seed_seq sequence{nSeed, nIndex};
    std::mt19937 random(sequence);
    std::string bytes = seed;
    const int nMutations = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < nMutations && !bytes.empty(); i++) {
        switch (random() % 4) {
        case 0:
            FlipBits(bytes, random);
            break;
        case 1:
            ByteRun(bytes, random);
            break;
        case 2:
            Truncate(bytes, random);
            break;
        default:
            EdgeField(bytes, random);
            break;
        }
    }
    return bytes;
}
