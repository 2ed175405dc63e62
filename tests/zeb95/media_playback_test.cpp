#include <gtest/gtest.h>

#include <mmsystem.h>

#include <string>

#include "canvas.h"
#include "library/library_state.h"
#include "print/child_print.h"
#include "print/print_job.h"
#include "media/mci_device.h"
#include "media/media_capture.h"
#include "media/media_record.h"
#include "media_fixtures.h"
#include "pic_fixtures.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

// Movies and sounds on a whiteboard, made from files written by the test.
class Media : public OnWhiteBoard
{
protected:
    void TearDown() override
    {
        OnWhiteBoard::TearDown();
        for (const std::string& path : m_files)
            ::DeleteFileA(path.c_str());
    }

    std::string File(const char* pszName, const std::vector<BYTE>& bytes)
    {
        m_files.push_back(WriteBytes(TempPath(pszName), bytes));
        return m_files.back();
    }

    HWND Sound(const std::string& path)
    {
        ZebSoundCreateInfo info = {};
        info.dwMask = ZEBSOUND_FILE;
        info.cx = 20;
        info.cy = 20;
        info.pszFile = path.c_str();
        return zebCreateObjSound(m_hWb, &info, nullptr);
    }

    HWND Movie(const std::string& path, LONG nPopupMode = 0, LONG nStretch = 1)
    {
        ZebMovieCreateInfo info = {};
        info.dwMask = ZEBMOVIE_FILE | ZEBMOVIE_POPUP | ZEBMOVIE_STRETCH;
        info.x = 10;
        info.y = 10;
        info.cx = 64;
        info.cy = 48;
        info.nPopupMode = nPopupMode;
        info.nStretch = nStretch;
        info.pszFile = path.c_str();
        return zebCreateObjMovie(m_hWb, &info, nullptr);
    }

    // Wine plays waves only with a device (the null sink of the test
    // user's sound configuration).
    static bool HaveWaveDevice() { return ::waveOutGetNumDevs() > 0; }

    std::vector<std::string> m_files;
};

#define REQUIRE_WAVE_DEVICE()                                                                     \
    if (!HaveWaveDevice())                                                                        \
    GTEST_SKIP() << "no wave device: scripts/setup gives the test user ALSA's null sink"

TEST_F(Media, SoundPlaysPausesResumesAndStops)
{
    REQUIRE_WAVE_DEVICE();
    HWND hSound = Sound(File("playback.wav", BuildWav(20)));
    ASSERT_NE(nullptr, hSound);
    EXPECT_EQ(1, zebGetPlaybackMode(hSound));
    EXPECT_EQ(20000, zebGetPlaybackSize(hSound));
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 5, 0, 0)) << "pausing a stopped sound";
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 7, 0, 0)) << "resuming a stopped sound";
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 4, 0, 0)) << "jumping in a stopped sound";
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 2, 3000, 1000)) << "a range that ends before it starts";
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 3, 0, 0));
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 8, 0, 0));
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 2, 0, -1)) << "the previous state: stopped";
    EXPECT_EQ(2, zebGetPlaybackMode(hSound));
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 5, 0, 0));
    EXPECT_EQ(5, zebGetPlaybackMode(hSound));
    EXPECT_EQ(5, zebSetPlaybackMode(hSound, 7, 0, 0));
    EXPECT_EQ(2, zebGetPlaybackMode(hSound));
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 4, 1000, -1)) << "a jump while playing";
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 2, -500, -1)) << "a negative start plays from 0";
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 2, -500, 1000)) << "starts and ends compared unsigned";
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 1, 0, 0));
    EXPECT_EQ(1, zebGetPlaybackMode(hSound));
    EXPECT_EQ(0, zebGetPlaybackPos(hSound)) << "stopped at the start";
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 6, 0, 0)) << "stopping a stopped sound";
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 2, 19990, -1)) << "a range that may end before it is seen playing";
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 1, 0, 0));
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 2, 15000, 99999)) << "an end beyond the length";
    EXPECT_EQ(2, zebGetPlaybackMode(hSound));
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 0, 0, 0)) << "closed while playing";
    EXPECT_EQ(0, zebGetPlaybackMode(hSound));
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 2, 0, -1)) << "no device window after a close";
    EXPECT_EQ(0, zebGetPlaybackSize(hSound));
    EXPECT_EQ(0, Library().nSoundInUse);
}

// The pixel of a bitmap (a screen-compatible one) at (x, y).
COLORREF PixelOf(HBITMAP hBitmap, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    const COLORREF cr = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return cr;
}

SIZE BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    return {bm.bmWidth, bm.bmHeight};
}

TEST_F(Media, MovieShowsItsFrameInsideTheObject)
{
    HWND hMovie = Movie(File("inside.avi", BuildAvi(100, 32, 24, 10)));
    ASSERT_NE(nullptr, hMovie);
    EXPECT_EQ(1, zebGetPlaybackMode(hMovie));
    EXPECT_EQ(10000, zebGetPlaybackSize(hMovie));
    RECT rcNatural = {};
    EXPECT_EQ(1, zebGetOrgRect(hMovie, &rcNatural));
    EXPECT_EQ(32, rcNatural.right);
    EXPECT_EQ(24, rcNatural.bottom);
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    ASSERT_TRUE(zebGetPicture(hMovie, &hBitmap, &hPalette));
    RECT rcClient;
    ::GetClientRect(hMovie, &rcClient);
    const SIZE size = BitmapSize(hBitmap);
    EXPECT_EQ(rcClient.right, size.cx);
    EXPECT_EQ(rcClient.bottom, size.cy);
    EXPECT_EQ(AviFrameColor(0), PixelOf(hBitmap, 1, 1)) << "the first frame stretched over the whole bitmap";
    EXPECT_EQ(AviFrameColor(0), PixelOf(hBitmap, size.cx - 2, size.cy - 2));
    ::DeleteObject(hBitmap);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);

    EXPECT_EQ(1, zebSetPlaybackMode(hMovie, 2, 0, -1));
    EXPECT_EQ(2, zebSetPlaybackMode(hMovie, 5, 0, 0));
    EXPECT_EQ(5, zebGetPlaybackMode(hMovie));
    EXPECT_EQ(5, zebSetPlaybackMode(hMovie, 1, 0, 0));
    EXPECT_EQ(0, zebGetPlaybackPos(hMovie));
    EXPECT_EQ(1, zebSetPlaybackMode(hMovie, 0, 0, 0));
    EXPECT_EQ(0, Library().nMovieInUse);
    EXPECT_EQ(0, zebGetOrgRect(hMovie, &rcNatural)) << "no natural size without a device";
}

// A video that keeps its aspect ratio is centred in the object, in the
// device's video window and in the frame picture alike.
TEST_F(Media, UnstretchedVideoIsFittedAndCentred)
{
    ZebMovieCreateInfo info = {};
    info.dwMask = ZEBMOVIE_FILE | ZEBMOVIE_STRETCH | ZEBMOVIE_BKCOLOR | ZEBMOVIE_STYLE;
    info.cx = 128;
    info.cy = 48;
    info.crBack = RGB(0, 0, 255);
    const std::string path = File("fitted.avi", BuildAvi(10, 32, 24, 10));
    info.pszFile = path.c_str();
    HWND hMovie = zebCreateObjMovie(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hMovie);
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    const ZebMciRecord* pMci = MciRecordOf(MediaDevice(pRec->Head()));
    ASSERT_NE(nullptr, pMci);
    ASSERT_NE(nullptr, pMci->hVideo);
    const RECT rcVideo = RectInParent(pMci->hVideo);
    EXPECT_EQ(32, rcVideo.left);
    EXPECT_EQ(0, rcVideo.top);
    EXPECT_EQ(96, rcVideo.right);
    EXPECT_EQ(48, rcVideo.bottom);

    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    ASSERT_TRUE(zebGetPicture(hMovie, &hBitmap, &hPalette));
    EXPECT_EQ(RGB(0, 0, 255), PixelOf(hBitmap, 10, 24)) << "the back colour beside the frame";
    EXPECT_EQ(AviFrameColor(0), PixelOf(hBitmap, 64, 24));
    EXPECT_EQ(RGB(0, 0, 255), PixelOf(hBitmap, 120, 24));
    ::DeleteObject(hBitmap);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
}

TEST_F(Media, OneMovieAndOneSoundAtATime)
{
    const std::string avi = File("busy.avi", BuildAvi(10, 32, 24, 10));
    HWND hMovie = Movie(avi);
    ASSERT_NE(nullptr, hMovie);
    EXPECT_EQ(1, Library().nMovieInUse);
    EXPECT_EQ(-2, zebReadObject(m_hWb, ZebKindMovie, -1, avi.c_str()));
    EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, ZebKindMovie, 1)) << "the second movie is not kept";
    HWND hSecond = Movie(avi);
    ASSERT_NE(nullptr, hSecond) << "creation succeeds, unopened";
    EXPECT_EQ(0, zebGetPlaybackMode(hSecond));
    if (HaveWaveDevice()) {
        HWND hSound = Sound(File("beside.wav", BuildWav(3)));
        EXPECT_EQ(1, zebGetPlaybackMode(hSound)) << "a sound beside the movie";
    }
    EXPECT_EQ(1, zebSetPlaybackMode(hMovie, 0, 0, 0));
    const LONG nSize = zebReadObject(m_hWb, ZebKindMovie, 1, avi.c_str());
    EXPECT_EQ(static_cast<LONG>(BuildAvi(10, 32, 24, 10).size()), nSize);
    EXPECT_EQ(1, zebGetPlaybackMode(hSecond)) << "opened once the device is free";
}

TEST_F(Media, PopupComesBackWhereItWasAndClosingItHidesIt)
{
    // The name's first character has a backslash as its second byte.
    const char kName[] = "\x95\x5C.avi";
    const std::string avi = File(kName, BuildAvi(10, 32, 24, 10));
    HWND hMovie = Movie(avi, 1);
    ASSERT_NE(nullptr, hMovie);
    HWND hDevice = MediaDevice(ZebMovieRecord::Of(hMovie)->Head());
    ASSERT_NE(nullptr, hDevice);
    EXPECT_TRUE(::IsWindowVisible(hDevice));
    ::SetWindowPos(hDevice, nullptr, 50, 60, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(1, zebSetPlaybackMode(hMovie, 0, 0, 0));
    EXPECT_FALSE(::IsWindow(hDevice));
    ASSERT_GE(zebReadObject(m_hWb, ZebKindMovie, 0, avi.c_str()), 0);
    hDevice = MediaDevice(ZebMovieRecord::Of(hMovie)->Head());
    ASSERT_NE(nullptr, hDevice);
    RECT rc;
    ::GetWindowRect(hDevice, &rc);
    EXPECT_EQ(50, rc.left);
    EXPECT_EQ(60, rc.top);
    EXPECT_EQ(200, rc.right - rc.left);
    EXPECT_EQ(150, rc.bottom - rc.top);

    char szTitle[64] = "";
    ::GetWindowTextA(hDevice, szTitle, sizeof(szTitle));
    EXPECT_STREQ(kName, szTitle) << "the title is the file's name, by characters";
    ::SendMessageA(hDevice, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_TRUE(::IsWindow(hDevice));
    EXPECT_FALSE(::IsWindowVisible(hDevice)) << "hidden, not closed";
    EXPECT_TRUE(::IsWindow(m_parent.Hwnd())) << "the application's window stays";
    EXPECT_EQ(1, zebGetPlaybackMode(hMovie));
}

// A device window destroyed from outside (with its owner) is forgotten by
// its movie, which is then closed.
TEST_F(Media, DeviceWindowGoneElsewhere)
{
    HWND hMovie = Movie(File("gone.avi", BuildAvi(10, 32, 24, 10)));
    HWND hDevice = MediaDevice(ZebMovieRecord::Of(hMovie)->Head());
    ASSERT_NE(nullptr, hDevice);
    ::DestroyWindow(hDevice);
    EXPECT_EQ(nullptr, MediaDevice(ZebMovieRecord::Of(hMovie)->Head()));
    EXPECT_EQ(0, Library().nMovieInUse);
    EXPECT_EQ(0, zebGetPlaybackMode(hMovie));
    EXPECT_EQ(-1, zebSetPlaybackMode(hMovie, 2, 0, -1));
    EXPECT_EQ(0, zebGetPlaybackSize(hMovie));
}

TEST_F(Media, PopUpModeTakesZeroToTwoOnMoviesOnly)
{
    HWND hMovie = zebCreateObjMovie(m_hWb, nullptr, nullptr);
    HWND hSound = zebCreateObjSound(m_hWb, nullptr, nullptr);
    EXPECT_EQ(0, zebGetPopUpMode(hMovie));
    EXPECT_EQ(0, zebSetPopUpMode(hMovie, 2));
    EXPECT_EQ(-1, zebSetPopUpMode(hMovie, 3));
    EXPECT_EQ(-1, zebSetPopUpMode(hMovie, -1));
    EXPECT_EQ(2, zebGetMoviePopUpMode(m_hWb, 0));
    EXPECT_EQ(2, zebSetMoviePopUpMode(m_hWb, 0, 1));
    EXPECT_EQ(-1, zebGetMoviePopUpMode(m_hWb, 1));
    EXPECT_EQ(-1, zebGetPopUpMode(hSound));
    EXPECT_EQ(-1, zebSetPopUpMode(hSound, 0));
    EXPECT_EQ(0, zebGetPlaybackMode(hMovie)) << "no device window";
    EXPECT_EQ(-1, zebSetPlaybackMode(hMovie, 2, 0, -1));
    EXPECT_EQ(0, zebGetPlaybackPos(hMovie));
    EXPECT_EQ(-1, zebGetPlaybackMode(m_hWb));
    EXPECT_EQ(-1, zebGetObjPlaybackMode(m_hWb, ZebKindSound, 1));
    EXPECT_EQ(0, zebGetObjPlaybackMode(m_hWb, ZebKindSound, 0));
    EXPECT_EQ(0, zebGetObjPlaybackSize(m_hWb, ZebKindMovie, 5));
}

// The whiteboard's picture and its printing show a movie's frame and a
// sound's face where they lie.
TEST_F(Media, CapturedAndPrintedWithTheWhiteBoard)
{
    HWND hMovie = Movie(File("printed.avi", BuildAvi(10, 32, 24, 10)));
    ZebSoundCreateInfo info = {};
    info.dwMask = ZEBSOUND_BKCOLOR;
    info.x = 100;
    info.y = 20;
    info.cx = 30;
    info.cy = 20;
    info.crBack = RGB(0, 255, 0);
    HWND hSound = zebCreateObjSound(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hMovie);
    ASSERT_NE(nullptr, hSound);
    Pump();
    HBITMAP hBitmap = nullptr;
    ASSERT_TRUE(zebGetPicture(m_hWb, &hBitmap, nullptr));
    EXPECT_EQ(AviFrameColor(0), PixelOf(hBitmap, 40, 30)) << "the movie's frame";
    EXPECT_EQ(RGB(0, 255, 0), PixelOf(hBitmap, 115, 30)) << "the sound's face";
    ::DeleteObject(hBitmap);

    MemoryCanvas canvas(600, 300, RGB(255, 255, 255));
    const ZebPrintTarget target = {canvas.dc(), {{96, 96}, {192, 192}, {0, 0}}, {0, 0}};
    const RECT rcAll = {0, 0, 300, 200};
    EXPECT_EQ(1, PrintWbChild(m_hWb, hMovie, target, rcAll, nullptr, true));
    EXPECT_EQ(1, PrintWbChild(m_hWb, hSound, target, rcAll, nullptr, true));
    EXPECT_EQ(AviFrameColor(0), canvas.pixel(80, 60)) << "the frame at twice the size";
    EXPECT_EQ(RGB(0, 255, 0), canvas.pixel(230, 60));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(290, 60)) << "nothing beyond the sound";
}

TEST(MediaGeometry, VideoRectangleFitsTheNaturalSize)
{
    const struct
    {
        RECT natural;
        RECT client;
        RECT want;
    } kCases[] = {
        {{0, 0, 320, 240}, {0, 0, 640, 240}, {160, 0, 480, 240}},
        {{0, 0, 320, 240}, {0, 0, 320, 480}, {0, 120, 320, 360}},
        {{5, 5, 37, 29}, {0, 0, 64, 48}, {0, 0, 64, 48}},
        {{0, 0, 0, 240}, {0, 0, 640, 240}, {0, 0, 640, 240}},
        {{0, 0, 320, 0}, {0, 0, 640, 240}, {0, 0, 640, 240}},
        {{10, 0, 5, 240}, {0, 0, 640, 240}, {0, 0, 640, 240}},
    };
    for (const auto& c : kCases) {
        RECT rc = c.client;
        FitVideoRect(&rc, c.natural.left, c.natural.top, c.natural.right, c.natural.bottom, false);
        EXPECT_TRUE(::EqualRect(&rc, &c.want)) << c.natural.right << "x" << c.natural.bottom << " in "
                                               << c.client.right << "x" << c.client.bottom << ": " << rc.left
                                               << "," << rc.top << "," << rc.right << "," << rc.bottom;
    }
}

TEST(MediaGeometry, FrameFitsItsArea)
{
    const struct
    {
        SIZE frame;
        SIZE area;
        SIZE want;
    } kCases[] = {
        {{200, 100}, {100, 100}, {100, 50}},  // wider than the area
        {{200, 100}, {100, 20}, {40, 20}},    // wider, then too tall
        {{50, 200}, {100, 100}, {25, 100}},   // taller
        {{32, 24}, {128, 48}, {64, 48}},      // smaller: grown to the height
        {{32, 8}, {64, 48}, {64, 16}},        // smaller: grown to the width
        {{100, 40}, {100, 60}, {100, 40}},    // one side equal
    };
    for (const auto& c : kCases) {
        const SIZE got = FitFrameSize(c.frame.cx, c.frame.cy, c.area.cx, c.area.cy);
        EXPECT_EQ(c.want.cx, got.cx) << c.frame.cx << "x" << c.frame.cy << " in " << c.area.cx << "x" << c.area.cy;
        EXPECT_EQ(c.want.cy, got.cy) << c.frame.cx << "x" << c.frame.cy << " in " << c.area.cx << "x" << c.area.cy;
    }
}

}  // namespace
