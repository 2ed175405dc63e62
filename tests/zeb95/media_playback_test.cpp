#include <gtest/gtest.h>

#include <mmsystem.h>

#include <string>

#include "library/library_state.h"
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
    HWND hSound = Sound(File("playback.wav", BuildWav(4)));
    ASSERT_NE(nullptr, hSound);
    EXPECT_EQ(1, zebGetPlaybackMode(hSound));
    EXPECT_EQ(4000, zebGetPlaybackSize(hSound));
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
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 1, 0, 0));
    EXPECT_EQ(1, zebGetPlaybackMode(hSound));
    EXPECT_EQ(0, zebGetPlaybackPos(hSound)) << "stopped at the start";
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 6, 0, 0)) << "stopping a stopped sound";
    EXPECT_EQ(1, zebSetPlaybackMode(hSound, 2, 1000, 99999)) << "an end beyond the length";
    EXPECT_EQ(2, zebGetPlaybackMode(hSound));
    EXPECT_EQ(2, zebSetPlaybackMode(hSound, 0, 0, 0)) << "closed while playing";
    EXPECT_EQ(0, zebGetPlaybackMode(hSound));
    EXPECT_EQ(-1, zebSetPlaybackMode(hSound, 2, 0, -1)) << "no device window after a close";
    EXPECT_EQ(0, zebGetPlaybackSize(hSound));
    EXPECT_EQ(0, Library().nSoundInUse);
}

}  // namespace
