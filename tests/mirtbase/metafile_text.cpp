#include "metafile_text.h"

#include <map>

#include "canvas.h"
#include "field_fixture.h"

namespace {

struct Font
{
    LONG height = 0;
    LONG escapement = 0;
};

struct Reading
{
    std::map<DWORD, Font> fonts;
    Font current;
    POINT position = {0, 0};
    MetaDrawing drawing;
};

std::string FromWide(const WCHAR* pText, int nChars)
{
    char buffer[1024];
    const int n = ::WideCharToMultiByte(932, 0, pText, nChars, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer, n > 0 ? n : 0);
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    Reading& reading = *reinterpret_cast<Reading*>(lParam);
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(pRecord);
    switch (pRecord->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
        const EMREXTCREATEFONTINDIRECTW* pFont = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord);
        reading.fonts[pFont->ihFont] = Font{pFont->elfw.elfLogFont.lfHeight, pFont->elfw.elfLogFont.lfEscapement};
        break;
    }
    case EMR_SELECTOBJECT: {
        const DWORD ih = reinterpret_cast<const EMRSELECTOBJECT*>(pRecord)->ihObject;
        const auto found = reading.fonts.find(ih);
        if (found != reading.fonts.end())
            reading.current = found->second;
        else if ((ih & 0x80000000) != 0)
            reading.current = Font();
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord)->emrtext;
        reading.drawing.texts.push_back({text.ptlReference.x, text.ptlReference.y,
            FromWide(reinterpret_cast<const WCHAR*>(pBytes + text.offString), static_cast<int>(text.nChars)),
            reading.current.height, reading.current.escapement});
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord)->emrtext;
        reading.drawing.texts.push_back({text.ptlReference.x, text.ptlReference.y,
            std::string(reinterpret_cast<const char*>(pBytes + text.offString), text.nChars), reading.current.height,
            reading.current.escapement});
        break;
    }
    case EMR_MOVETOEX:
        reading.position = POINT{reinterpret_cast<const EMRMOVETOEX*>(pRecord)->ptl.x,
            reinterpret_cast<const EMRMOVETOEX*>(pRecord)->ptl.y};
        break;
    case EMR_LINETO: {
        const POINT to = {reinterpret_cast<const EMRLINETO*>(pRecord)->ptl.x,
            reinterpret_cast<const EMRLINETO*>(pRecord)->ptl.y};
        reading.drawing.lines.push_back({reading.position, to});
        reading.position = to;
        break;
    }
    default:
        break;
    }
    return 1;
}

}  // namespace

MetaDrawing DrawnOnMetafile(CNPropObj& field, MetaTarget target, int nMode)
{
    MetafileRecorder recorder;
    HDC hMemory = target == META_PREVIEW ? ::CreateCompatibleDC(nullptr) : nullptr;
    {
        const std::unique_ptr<CDC> dc =
            BorrowDC(recorder.dc(), hMemory != nullptr ? hMemory : recorder.dc(), target != META_SCREEN);
        field.Draw(dc.get(), nMode);
    }
    if (hMemory != nullptr)
        ::DeleteDC(hMemory);
    recorder.close();
    Reading reading;
    ::EnumEnhMetaFile(nullptr, recorder.metafile(), ReadRecord, &reading, nullptr);
    return reading.drawing;
}

std::vector<MetaText> DrawnTexts(CNPropObj& field, MetaTarget target, int nMode)
{
    return DrawnOnMetafile(field, target, nMode).texts;
}

std::string JoinedTexts(const std::vector<MetaText>& texts)
{
    std::string joined;
    for (const MetaText& text : texts)
        joined += text.text;
    return joined;
}
