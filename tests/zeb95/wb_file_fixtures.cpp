#include "wb_file_fixtures.h"

Bytes BlockHeader(const char* pszTag, WORD wFixed, DWORD dwVariable)
{
    Bytes b = {static_cast<BYTE>(pszTag[0]), static_cast<BYTE>(pszTag[1]), static_cast<BYTE>(wFixed & 0xFF),
               static_cast<BYTE>(wFixed >> 8), 0, 0, 0, 0};
    PutDword(b, 4, dwVariable);
    return b;
}

Bytes RecordWords(size_t cb, const std::vector<std::pair<size_t, DWORD>>& words)
{
    Bytes b(cb, 0);
    for (const auto& w : words)
        PutDword(b, 4 * w.first, w.second);
    return b;
}

Bytes StringBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void PutDword(Bytes& bytes, size_t nAt, DWORD dw)
{
    for (size_t i = 0; i < 4 && nAt + i < bytes.size(); ++i)
        bytes[nAt + i] = static_cast<BYTE>(dw >> (8 * i));
}

namespace {

// Length of the block at `at` as its header gives it.
size_t BlockLength(const Bytes& file, size_t at)
{
    const size_t cbFixed = file[at + 2] | (file[at + 3] << 8);
    const size_t cbVariable = file[at + 4] | (file[at + 5] << 8) | (file[at + 6] << 16) |
                              (static_cast<size_t>(file[at + 7]) << 24);
    return 8 + cbFixed + cbVariable;
}

}  // namespace

std::vector<Bytes> SplitBlocks(const Bytes& file)
{
    std::vector<Bytes> blocks;
    for (size_t at = 0; at + 8 <= file.size();) {
        const size_t cb = BlockLength(file, at);
        if (cb > file.size() - at)
            break;
        blocks.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(at),
                            file.begin() + static_cast<std::ptrdiff_t>(at + cb));
        at += cb;
    }
    return blocks;
}

std::vector<FileField> BlockFields(const Bytes& file, const char* pszTag, const std::vector<size_t>& recordOffsets)
{
    std::vector<FileField> fields;
    for (size_t at = 0; at + 8 <= file.size();) {
        fields.push_back({at + 2, 2});
        fields.push_back({at + 4, 4});
        if (file[at] == pszTag[0] && file[at + 1] == pszTag[1]) {
            for (size_t offset : recordOffsets)
                fields.push_back({at + 8 + offset, 4});
        }
        at += BlockLength(file, at);
    }
    return fields;
}

std::vector<Bytes> DamagedCopies(const Bytes& file, const std::vector<FileField>& fields)
{
    std::vector<Bytes> copies;
    for (size_t n = 0; n < file.size(); ++n)
        copies.emplace_back(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
    const DWORD kValues[] = {0, 0xFFFF, static_cast<DWORD>(file.size()), 0xFFFFFFFF};
    for (const FileField& field : fields) {
        for (DWORD value : kValues) {
            Bytes copy = file;
            for (size_t i = 0; i < field.cb; ++i)
                copy[field.nAt + i] = static_cast<BYTE>(value >> (8 * i));
            copies.push_back(copy);
        }
    }
    return copies;
}

testing::AssertionResult SameBytes(const Bytes& want, const Bytes& got)
{
    if (want == got)
        return testing::AssertionSuccess();
    size_t n = 0;
    while (n < want.size() && n < got.size() && want[n] == got[n])
        ++n;
    auto at = [n](const Bytes& b) { return n < b.size() ? std::to_string(b[n]) : std::string("end"); };
    return testing::AssertionFailure() << want.size() << " bytes wanted, " << got.size() << " got; first difference at "
                                       << n << ": " << at(want) << " wanted, " << at(got) << " got";
}
