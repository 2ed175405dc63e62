#include "mediareaders.h"

#include <stdexcept>

#include "fuzzfiles.h"
#include "media_fixtures.h"
#include "zeb95.h"

namespace {

const LONG kMovie = 64;
const LONG kSound = 32;
// The device of the kind is busy: a read that succeeds answers -2.
const LONG kReadBusy = -2;
// The given name in a stored block: the name of the file last read.
const size_t kGivenNameAt = 8 + 36;
const size_t kGivenNameBytes = 260;

std::string Text(const std::vector<BYTE>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string MediaFile(LONG nKind)
{
    const std::string path = TempFile(nKind == kMovie ? "avi" : "wav");
    PutFile(path, Text(nKind == kMovie ? BuildAvi(3, 8, 6, 10) : BuildWav(1)));
    return path;
}

HWND CreateMedia(HWND hWb, LONG nKind, const char* pszFile)
{
    if (nKind == kMovie) {
        ZebMovieCreateInfo info = {};
        info.dwMask = ZEBMOVIE_FILE | ZEBMOVIE_POPUP;
        info.cx = 40;
        info.cy = 30;
        info.nPopupMode = 2;
        info.pszFile = pszFile;
        return zebCreateObjMovie(hWb, &info, nullptr);
    }
    ZebSoundCreateInfo info = {};
    info.dwMask = ZEBSOUND_FILE;
    info.cx = 40;
    info.cy = 30;
    info.pszFile = pszFile;
    return zebCreateObjSound(hWb, &info, nullptr);
}

}  // namespace

void HoldDevices()
{
    static HWND hWb = nullptr;
    if (hWb != nullptr)
        return;
    hWb = CreateFuzzWhiteBoard(CreateFuzzParent());
    for (LONG nKind : {kMovie, kSound}) {
        const std::string path = MediaFile(nKind);
        CreateMedia(hWb, nKind, path.c_str());
        if (zebGetObjPlaybackMode(hWb, nKind, 0) <= 0)
            throw std::runtime_error("the media device cannot be held");
    }
}

namespace {

// A whiteboard with two unopened objects of the kind.
class MediaBoard
{
public:
    explicit MediaBoard(LONG nKind) : m_nKind(nKind)
    {
        HoldDevices();
        m_hParent = CreateFuzzParent();
        m_hWb = CreateFuzzWhiteBoard(m_hParent);
        const std::string path = MediaFile(nKind);
        if (m_hWb == nullptr || CreateMedia(m_hWb, nKind, path.c_str()) == nullptr ||
            CreateMedia(m_hWb, nKind, nullptr) == nullptr)
            throw std::runtime_error("no media objects");
        zebSetObjText(m_hWb, nKind, 0, "media");
    }
    ~MediaBoard() { ::DestroyWindow(m_hParent); }
    MediaBoard(const MediaBoard&) = delete;
    MediaBoard& operator=(const MediaBoard&) = delete;

    HWND Wb() const { return m_hWb; }
    // The object at the index as an object file in the mode (1 its block
    // alone, 2 with its media file's bytes), the given name blanked.
    std::string Stored(LONG nIndex, LONG nMode) const
    {
        const std::string path = TempFile("zmo");
        if (zebWriteObject(m_hWb, m_nKind, nIndex, path.c_str(), nMode, nullptr, nullptr) < 0)
            throw std::logic_error("a media object that was read cannot write its block");
        std::string b = FileText(path);
        if (b.size() >= kGivenNameAt + kGivenNameBytes)
            b.replace(kGivenNameAt, kGivenNameBytes, kGivenNameBytes, '\0');
        return b;
    }

private:
    LONG m_nKind;
    HWND m_hParent;
    HWND m_hWb;
};

std::vector<std::string> Seeds(LONG nKind)
{
    MediaBoard board(nKind);
    return {board.Stored(0, 2), board.Stored(0, 1)};
}

void RunMediaFile(LONG nKind, const std::string& bytes)
{
    MediaBoard board(nKind);
    const std::string before = board.Stored(0, 1);
    const std::string path = TempFile("in");
    PutFile(path, bytes);
    const LONG nExisting = zebReadObject(board.Wb(), nKind, 0, path.c_str());
    const LONG nNew = zebReadObject(board.Wb(), nKind, -1, path.c_str());
    if (nNew >= 0 || zebGetObjWindow(board.Wb(), nKind, 2) != nullptr)
        throw std::logic_error("a new media object is kept while the device is busy");
    if (nExisting != kReadBusy) {
        if (nExisting != -1 || board.Stored(0, 1) != before)
            throw std::logic_error("a refused media file changed the object");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    const std::string first = board.Stored(0, 1);
    const std::string again = TempFile("zmo2");
    PutFile(again, first);
    if (zebReadObject(board.Wb(), nKind, 1, again.c_str()) != kReadBusy || board.Stored(1, 1) != first)
        throw std::logic_error("the stored media object does not read back to itself");
}

}  // namespace

std::string WithoutGivenNames(std::string b)
{
    for (size_t at = 0; at + 8 <= b.size();) {
        const auto byteAt = [&b](size_t n) { return static_cast<size_t>(static_cast<unsigned char>(b[n])); };
        const size_t cbFixed = byteAt(at + 2) | (byteAt(at + 3) << 8);
        const size_t cbVariable = byteAt(at + 4) | (byteAt(at + 5) << 8) | (byteAt(at + 6) << 16) | (byteAt(at + 7) << 24);
        if ((b[at] == 'M' || b[at] == 'S') && b[at + 1] == 'O' && at + kGivenNameAt + kGivenNameBytes <= b.size())
            b.replace(at + kGivenNameAt, kGivenNameBytes, kGivenNameBytes, '\0');
        at += 8 + cbFixed + cbVariable;
    }
    return b;
}

void AddMediaObjects(HWND hWb)
{
    for (LONG nKind : {kMovie, kSound}) {
        const std::string path = MediaFile(nKind);
        if (CreateMedia(hWb, nKind, path.c_str()) == nullptr)
            throw std::runtime_error("no media objects");
    }
}

std::vector<std::string> MovieFileSeeds() { return Seeds(kMovie); }
std::vector<std::string> SoundFileSeeds() { return Seeds(kSound); }

void RunMovieFile(const std::string& bytes, CDC&, CDC&) { RunMediaFile(kMovie, bytes); }
void RunSoundFile(const std::string& bytes, CDC&, CDC&) { RunMediaFile(kSound, bytes); }
