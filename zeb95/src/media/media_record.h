// The records of movie (1468 bytes) and sound (1448 bytes) objects: the
// object head, the kind's own words, then the part that both share (media
// paths, device window, flags, grid, playback state).
#pragma once
#include "objects/obj_record.h"

// The window styles that a movie or sound keeps from files and records.
const DWORD kMediaStyles = WS_BORDER;

struct ZebMediaPart
{
    char szSource[ZebObjRecord::kFileNameChars];  // the file the media came from
    char szTemp[ZebObjRecord::kFileNameChars];    // made from embedded data, or empty
    char szOpened[ZebObjRecord::kFileNameChars];  // the one MCI opens
    DWORD dwDeviceWord;                           // value in a slot
    WORD wFlags;
    WORD wFlagsReserved;
    LONG nGridCx;
    LONG nGridCy;
    LONG nPosition;  // last position read, ms
    LONG nState;     // playback state: 0 closed, 1 stopped, 2 playing, 4, 5 paused, 6, -1
};

// Flag bits: no "changed" event before the first paint; the left button
// captured.
const WORD kMediaFlagFresh = 0x8000;
const WORD kMediaFlagCaptured = 0x4000;

class ZebMovieRecord
{
public:
    static ZebMovieRecord* From(ZebObjRecord* pRecord)
    {
        return pRecord != nullptr && pRecord->Kind() == ZebKindMovie ? reinterpret_cast<ZebMovieRecord*>(pRecord)
                                                                     : nullptr;
    }
    static ZebMovieRecord* Of(HWND hwnd) { return From(GetObjRecord(hwnd)); }
    // Words that the "MO" block reads.
    enum StoredWord : size_t
    {
        kPopupModeWord = 100,
        kStretchWord = 101,
        kSourceWord = 102,
    };
    ZebObjRecord& Head() { return m_head; }
    ZebMediaPart& Media() { return m_media; }
    // The head's last word holds the popup mode: 0 inside the object, 1 in
    // the device window at the remembered rectangle, 2 sized to the video.
    LONG PopupMode() const { return static_cast<LONG>(m_head.Vertical()); }
    void SetPopupMode(LONG n) { m_head.SetVertical(static_cast<DWORD>(n)); }
    LONG Stretch() const { return m_stretch; }
    void SetStretch(LONG n) { m_stretch = n; }
    RECT PopupRect() const { return m_popupRect; }
    void SetPopupRect(const RECT& rc) { m_popupRect = rc; }

private:
    static void CheckLayout();

    ZebObjRecord m_head;  // 0-100; word 100 is the popup mode
    LONG m_stretch;       // 101
    ZebMediaPart m_media;  // 102-302
    RECT m_popupRect;     // 303-306
    DWORD m_reserved[60];  // 307-366
};

class ZebSoundRecord
{
public:
    static ZebSoundRecord* From(ZebObjRecord* pRecord)
    {
        return pRecord != nullptr && pRecord->Kind() == ZebKindSound ? reinterpret_cast<ZebSoundRecord*>(pRecord)
                                                                     : nullptr;
    }
    static ZebSoundRecord* Of(HWND hwnd) { return From(GetObjRecord(hwnd)); }
    enum StoredWord : size_t
    {
        kSoundKindWord = 100,
        kSourceWord = 101,
    };
    ZebObjRecord& Head() { return m_head; }
    ZebMediaPart& Media() { return m_media; }
    // The head's last word holds the sound kind: 0 waveform, 1 MIDI, 2 RIFF
    // MIDI.
    LONG SoundKind() const { return static_cast<LONG>(m_head.Vertical()); }
    void SetSoundKind(LONG n) { m_head.SetVertical(static_cast<DWORD>(n)); }

private:
    static void CheckLayout();

    ZebObjRecord m_head;   // 0-100; word 100 is the sound kind
    ZebMediaPart m_media;  // 101-301
    DWORD m_reserved[60];  // 302-361
};

inline void ZebMovieRecord::CheckLayout()
{
    static_assert(sizeof(ZebMediaPart) == 804, "the shared media part is 804 bytes");
    static_assert(sizeof(ZebMovieRecord) == 1468, "the movie record is 1468 bytes");
    static_assert(offsetof(ZebMovieRecord, m_stretch) == kStretchWord * 4, "stretch is at 404");
    static_assert(offsetof(ZebMovieRecord, m_media) == kSourceWord * 4, "the source path is at 408");
}

inline void ZebSoundRecord::CheckLayout()
{
    static_assert(sizeof(ZebSoundRecord) == 1448, "the sound record is 1448 bytes");
    static_assert(offsetof(ZebSoundRecord, m_media) == kSourceWord * 4, "the source path is at 404");
}

// The shared part of a movie or sound record; null for other records.
ZebMediaPart* MediaPartOf(ZebObjRecord* pRecord);
inline ZebMediaPart* MediaPartOf(HWND hwnd) { return MediaPartOf(GetObjRecord(hwnd)); }
// The device window of a movie or sound (a value in the first kind slot).
HWND MediaDevice(const ZebObjRecord& head);
void SetMediaDevice(ZebObjRecord& head, HWND hDevice);
// The library-wide in-use flag of the kind's device (movie or sound).
LONG* MediaInUseFlag(WORD wKind);
