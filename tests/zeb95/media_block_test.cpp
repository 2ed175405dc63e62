#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstring>
#include <string>

#include "library/library_state.h"
#include "media/media_block.h"
#include "media/media_files.h"
#include "media/media_record.h"
#include "media_fixtures.h"
#include "pic_fixtures.h"
#include "wb_file_fixtures.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const COLORREF kBack = RGB(1, 2, 3);

void PutText(Bytes& bytes, size_t nAt, const std::string& text) { std::memcpy(&bytes[nAt], text.c_str(), text.size()); }

// Movies and sounds written to and read from object and whiteboard files.
class MediaFiles : public OnWhiteBoard
{
protected:
    void TearDown() override
    {
        OnWhiteBoard::TearDown();
        for (const std::string& path : m_files)
            ::DeleteFileA(path.c_str());
    }

    std::string File(const char* pszName, const Bytes& bytes = Bytes())
    {
        m_files.push_back(bytes.empty() ? TempPath(pszName) : WriteBytes(TempPath(pszName), bytes));
        return m_files.back();
    }

    // A sound at (4, 6), 20 x 10, of the back colour, pointer 5, text "snd",
    // read from the file (not opened when bOpen is false: the sound
    // device is then taken by another sound).
    HWND Sound(const std::string& path)
    {
        ZebSoundCreateInfo info = {};
        info.dwMask = ZEBSOUND_FILE | ZEBSOUND_BKCOLOR | ZEBSOUND_POINTER;
        info.x = 4;
        info.y = 6;
        info.cx = 20;
        info.cy = 10;
        info.crBack = kBack;
        info.nPointerNumber = 5;
        info.pszFile = path.c_str();
        HWND hSound = zebCreateObjSound(m_hWb, &info, nullptr);
        zebSetObjText(m_hWb, ZebKindSound, zebGetIndex(hSound, ZebKindSound), "snd");
        return hSound;
    }

    HWND Movie(const std::string& path, LONG nPopupMode, LONG nStretch)
    {
        ZebMovieCreateInfo info = {};
        info.dwMask = ZEBMOVIE_FILE | ZEBMOVIE_POPUP | ZEBMOVIE_STRETCH | ZEBMOVIE_BKCOLOR;
        info.cx = 64;
        info.cy = 48;
        info.crBack = kBack;
        info.nPopupMode = nPopupMode;
        info.nStretch = nStretch;
        info.pszFile = path.c_str();
        return zebCreateObjMovie(m_hWb, &info, nullptr);
    }

    // The "SO" record image that Sound(path) stores.
    static Bytes SoundRecordImage(const std::string& path)
    {
        Bytes image = RecordWords(1448, {{0, kZebRecordVersion},
                                         {7, 1},
                                         {74, kBack},
                                         {75, ::GetSysColor(COLOR_APPWORKSPACE)},
                                         {76, ::GetSysColor(COLOR_WINDOW)},
                                         {77, ::GetSysColor(COLOR_APPWORKSPACE)},
                                         {78, ::GetSysColor(COLOR_WINDOWTEXT)},
                                         {79, ::GetSysColor(COLOR_WINDOWTEXT)},
                                         {81, WS_BORDER},
                                         {84, 5},
                                         {87, 4},
                                         {88, 4},
                                         {89, 6},
                                         {94, 20},
                                         {95, 10},
                                         {98, ZebKindSound}});
        PutText(image, 36, path);
        PutText(image, 404, path);
        return image;
    }

    std::vector<std::string> m_files;
};

TEST_F(MediaFiles, SoundBlockByteForByte)
{
    const Bytes wav = BuildWav(3);
    const std::string path = File("golden.wav", wav);
    HWND hSound = Sound(path);
    ASSERT_NE(nullptr, hSound);
    const std::string out = File("golden.zso");
    const Bytes want = BlockHeader("SO", 1452, 0) + SoundRecordImage(path) + StringBytes(std::string("snd", 4));
    ASSERT_EQ(static_cast<LONG>(want.size()), zebWriteObject(m_hWb, ZebKindSound, 0, out.c_str(), 1, nullptr, nullptr));
    EXPECT_TRUE(SameBytes(want, ReadBytes(out)));

    Bytes embedded = want;
    PutDword(embedded, 4, static_cast<DWORD>(wav.size()));
    embedded = embedded + wav;
    ASSERT_EQ(static_cast<LONG>(embedded.size()),
              zebWriteObject(m_hWb, ZebKindSound, 0, out.c_str(), 2, nullptr, nullptr));
    EXPECT_TRUE(SameBytes(embedded, ReadBytes(out)));
    ASSERT_EQ(static_cast<LONG>(wav.size()), zebWriteObject(m_hWb, ZebKindSound, 0, out.c_str(), 0, nullptr, nullptr));
    EXPECT_TRUE(SameBytes(wav, ReadBytes(out))) << "mode 0: the sound file alone";
}

// An embedded sound reads back into a new object from a temporary file of
// its kind, with the block's settings; a sound by name keeps its source.
TEST_F(MediaFiles, SoundRoundTripsEmbeddedAndByName)
{
    const Bytes wav = BuildWav(3);
    const std::string path = File("trip.wav", wav);
    HWND hSound = Sound(path);
    const std::string embedded = File("trip2.zso");
    const std::string named = File("trip1.zso");
    ASSERT_GT(zebWriteObject(m_hWb, ZebKindSound, 0, embedded.c_str(), 2, nullptr, nullptr), 0);
    ASSERT_GT(zebWriteObject(m_hWb, ZebKindSound, 0, named.c_str(), 1, nullptr, nullptr), 0);
    zebSetPlaybackMode(hSound, 0, 0, 0);
    ::DestroyWindow(hSound);

    ASSERT_EQ(static_cast<LONG>(ReadBytes(embedded).size()),
              zebReadObject(m_hWb, ZebKindSound, -1, embedded.c_str()));
    HWND hRead = zebGetObjWindow(m_hWb, ZebKindSound, 0);
    ZebSoundRecord* pRec = ZebSoundRecord::Of(hRead);
    ASSERT_NE(nullptr, pRec);
    const std::string temp = pRec->Media().szTemp;
    EXPECT_EQ(".WAV", temp.substr(temp.size() - 4));
    EXPECT_EQ(temp, pRec->Media().szOpened);
    EXPECT_STREQ(path.c_str(), pRec->Media().szSource);
    EXPECT_STREQ(embedded.c_str(), pRec->Head().FileName()) << "the given name";
    EXPECT_TRUE(SameBytes(wav, ReadBytes(temp)));
    EXPECT_EQ(kBack, static_cast<COLORREF>(zebGetBkColor(hRead)));
    EXPECT_EQ(5, zebGetMousePointer(hRead));
    char szText[8] = "";
    EXPECT_EQ(3, zebGetObjText(m_hWb, ZebKindSound, 0, szText));
    EXPECT_STREQ("snd", szText);
    RECT rc = RectInParent(hRead);
    EXPECT_EQ(4, rc.left);
    EXPECT_EQ(6, rc.top);
    if (::waveOutGetNumDevs() > 0) {
        EXPECT_EQ(1, zebGetPlaybackMode(hRead)) << "opened from the temporary file";
    }
    ::DestroyWindow(hRead);
    EXPECT_FALSE(FileExists(temp)) << "the temporary file goes with its object";

    ASSERT_GT(zebReadObject(m_hWb, ZebKindSound, -1, named.c_str()), 0);
    pRec = ZebSoundRecord::Of(zebGetObjWindow(m_hWb, ZebKindSound, 0));
    EXPECT_STREQ("", pRec->Media().szTemp);
    EXPECT_STREQ(path.c_str(), pRec->Media().szOpened);
}

// Sound kinds by extension in any case; a file of another extension, or
// one that MCI cannot open, leaves the sound without device.
TEST_F(MediaFiles, SoundKindFollowsTheExtension)
{
    HWND hMidi = Sound(File("tune.Mid", BuildMidi()));
    EXPECT_EQ(1, ZebSoundRecord::Of(hMidi)->SoundKind());
    zebSetPlaybackMode(hMidi, 0, 0, 0);
    HWND hRmi = Sound(File("tune.rMi", BuildRmi()));
    EXPECT_EQ(2, ZebSoundRecord::Of(hRmi)->SoundKind());
    zebSetPlaybackMode(hRmi, 0, 0, 0);
    HWND hMp3 = Sound(File("tune.mp3", BuildWav(3)));
    EXPECT_EQ(0, ZebSoundRecord::Of(hMp3)->SoundKind()) << "left as it was";
    EXPECT_EQ(nullptr, MediaDevice(ZebSoundRecord::Of(hMp3)->Head()));
    EXPECT_EQ(0, Library().nSoundInUse);
    HWND hBad = Sound(File("bad.wav", BuildMidi()));
    EXPECT_EQ(0, ZebSoundRecord::Of(hBad)->SoundKind());
    EXPECT_EQ(nullptr, MediaDevice(ZebSoundRecord::Of(hBad)->Head())) << "the failed open removed its device";
    EXPECT_EQ(0, Library().nSoundInUse);
    EXPECT_EQ(0, zebGetPlaybackMode(hBad));
    if (::waveOutGetNumDevs() > 0) {
        HWND hWave = Sound(File("lower.wav", BuildWav(3)));
        EXPECT_EQ(0, ZebSoundRecord::Of(hWave)->SoundKind());
        EXPECT_EQ(1, zebGetPlaybackMode(hWave));
    }
}

// A "SO" block of kind 2 with embedded data makes a temporary RMI file.
TEST_F(MediaFiles, RiffMidiBlockMakesAnRmiFile)
{
    const Bytes rmi = BuildRmi();
    Bytes image = SoundRecordImage("C:\\gone\\song.rmi");
    PutDword(image, 400, 2);
    PutDword(image, 4 * 87, 0);
    const std::string path = File("song.zso", BlockHeader("SO", 1448, static_cast<DWORD>(rmi.size())) + image + rmi);
    ASSERT_GT(zebReadObject(m_hWb, ZebKindSound, -1, path.c_str()), 0);
    ZebSoundRecord* pRec = ZebSoundRecord::Of(zebGetObjWindow(m_hWb, ZebKindSound, 0));
    ASSERT_NE(nullptr, pRec);
    const std::string temp = pRec->Media().szTemp;
    ASSERT_GE(temp.size(), 4u);
    EXPECT_EQ(".RMI", temp.substr(temp.size() - 4));
    EXPECT_EQ("RMI", temp.substr(temp.rfind('\\') + 1, 3));
    EXPECT_TRUE(SameBytes(rmi, ReadBytes(temp)));
    EXPECT_EQ(2, pRec->SoundKind());
}

// A block cut short applies nothing to the object it is read into.
TEST_F(MediaFiles, ShortBlockChangesNothing)
{
    const std::string avi = File("short.avi", BuildAvi(10, 32, 24, 10));
    HWND hMovie = Movie(avi, 2, 0);
    const std::string whole = File("whole.zmo");
    ASSERT_GT(zebWriteObject(m_hWb, ZebKindMovie, 0, whole.c_str(), 1, nullptr, nullptr), 0);
    Bytes bytes = ReadBytes(whole);
    PutDword(bytes, 8 + 296, RGB(9, 9, 9));
    PutDword(bytes, 8 + 400, 0);
    PutDword(bytes, 8 + 404, 1);
    for (const size_t cb : {bytes.size() - 1, size_t{8 + 1000}, size_t{8}}) {
        const std::string cut = File("cut.zmo", Bytes(bytes.begin(), bytes.begin() + cb));
        EXPECT_EQ(-1, zebReadObject(m_hWb, ZebKindMovie, 0, cut.c_str())) << cb;
        EXPECT_EQ(kBack, static_cast<COLORREF>(zebGetBkColor(hMovie))) << cb;
        EXPECT_EQ(2, zebGetPopUpMode(hMovie)) << cb;
        EXPECT_EQ(0, zebGetStretch(hMovie)) << cb;
    }
    EXPECT_EQ(-1, zebReadObject(m_hWb, ZebKindMovie, -1, File("cut2.zmo", Bytes(bytes.begin(), bytes.begin() + 100)).c_str()));
    EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, ZebKindMovie, 1)) << "no new movie is left behind";
}

// A whiteboard file keeps a movie with its AVI bytes and a sound by name;
// read back, the movie opens from its temporary AVI file.
TEST_F(MediaFiles, WhiteBoardFileCarriesMoviesAndSounds)
{
    const Bytes aviBytes = BuildAvi(10, 32, 24, 10);
    const std::string avi = File("board.avi", aviBytes);
    HWND hMovie = Movie(avi, 1, 0);
    ASSERT_NE(nullptr, hMovie);
    HWND hSound = Sound(File("board.wav", BuildWav(3)));
    ASSERT_NE(nullptr, hSound);
    const std::string board = File("board.zwb");
    ASSERT_GT(zebWriteWhiteBoard(m_hWb, board.c_str(), 2, nullptr, nullptr), 0);
    zebSetPlaybackMode(hMovie, 0, 0, 0);
    zebSetPlaybackMode(hSound, 0, 0, 0);

    HWND hWb2 = CreatePlainWhiteBoard(m_parent.Hwnd());
    ASSERT_GT(zebReadWhiteBoard(hWb2, board.c_str(), nullptr, nullptr), 0);
    HWND hMovie2 = zebGetObjWindow(hWb2, ZebKindMovie, 0);
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie2);
    ASSERT_NE(nullptr, pRec);
    EXPECT_EQ(1, pRec->PopupMode());
    EXPECT_EQ(0, pRec->Stretch());
    EXPECT_STREQ(avi.c_str(), pRec->Media().szSource);
    const std::string temp = pRec->Media().szTemp;
    EXPECT_EQ("AVI", temp.substr(temp.rfind('\\') + 1, 3));
    EXPECT_EQ(".AVI", temp.substr(temp.size() - 4));
    EXPECT_TRUE(SameBytes(aviBytes, ReadBytes(temp)));
    EXPECT_EQ(1, zebGetPlaybackMode(hMovie2)) << "opened after the read";
    EXPECT_NE(nullptr, zebGetObjWindow(hWb2, ZebKindSound, 0));
    const std::string again = File("board2.zwb");
    ASSERT_GT(zebWriteWhiteBoard(hWb2, again.c_str(), 2, nullptr, nullptr), 0);
    EXPECT_EQ(ReadBytes(board).size(), ReadBytes(again).size()) << "written again with the same data";
    zebDestroyWhiteBoard(hWb2);
    EXPECT_FALSE(FileExists(temp));
}

// Temporary media names have the prefix as extension and are never those
// of files that exist already.
TEST(MediaTempNames, NewFilesOnly)
{
    char szFirst[MAX_PATH];
    char szSecond[MAX_PATH];
    ASSERT_EQ(1, MakeTempMediaName(szFirst, "AVI", MAX_PATH));
    const std::string first = szFirst;
    EXPECT_EQ(".AVI", first.substr(first.size() - 4));
    EXPECT_EQ("AVI", first.substr(first.rfind('\\') + 1, 3));
    WriteBytes(first, {1, 2, 3});
    ASSERT_EQ(1, MakeTempMediaName(szSecond, "AVI", MAX_PATH));
    EXPECT_STRNE(szFirst, szSecond);
    EXPECT_EQ((Bytes{1, 2, 3}), ReadBytes(first)) << "the first file is left alone";
    EXPECT_EQ(0, MakeTempMediaName(nullptr, "WAV", MAX_PATH));
    EXPECT_EQ(-1, ExtractToFile(nullptr, nullptr, 0));
    EXPECT_EQ(-1, EmbedFile(nullptr, "C:\\no such folder\\x.avi"));
    ::DeleteFileA(szFirst);
    ::DeleteFileA(szSecond);
}

}  // namespace
