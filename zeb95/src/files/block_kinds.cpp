#include "files/block_kinds.h"

#include "files/block_io.h"
#include "line/line_block.h"
#include "media/media_block.h"
#include "objects/obj_record.h"
#include "picture/pic_block.h"
#include "picture/pic_read.h"
#include "text/block/doc_object_block.h"
#include "text/doc/doc_create.h"
#include "zeb95.h"

namespace {

HWND Hidden(HWND hwnd)
{
    if (hwnd != nullptr)
        ::ShowWindow(hwnd, SW_HIDE);
    return hwnd;
}

HWND CreatePicture(HWND hWb) { return Hidden(zebCreateObjPic(hWb, nullptr, nullptr)); }
HWND CreateLine(HWND hWb) { return Hidden(zebCreateObjLine(hWb, nullptr, nullptr)); }
HWND CreateSound(HWND hWb) { return Hidden(zebCreateObjSound(hWb, nullptr, nullptr)); }
HWND CreateMovie(HWND hWb) { return Hidden(zebCreateObjMovie(hWb, nullptr, nullptr)); }
HWND CreateDoc(HWND hWb) { return Hidden(DocCreateObj(hWb, nullptr, nullptr)); }

const ZebBlockKind kBlockKinds[] = {
    {{'P', 'O'}, ZebKindPicture, CreatePicture, WritePicObject, ReadPicObject},
    {{'S', 'O'}, ZebKindSound, CreateSound, WriteSoundObject, ReadSoundObject},
    {{'M', 'O'}, ZebKindMovie, CreateMovie, WriteMovieObject, ReadMovieObject},
    {{'L', 'O'}, ZebKindLine, CreateLine, WriteLineObject, ReadLineObject},
    {{'D', 'O'}, ZebKindDoc, CreateDoc, WriteDocObject, ReadDocObject},
};

}  // namespace

const ZebBlockKind* BlockKindOfTag(const char* pTag)
{
    for (const ZebBlockKind& kind : kBlockKinds) {
        if (IsTag(pTag, kind.tag))
            return &kind;
    }
    return nullptr;
}

const ZebBlockKind* BlockKindOfKind(LONG nKind)
{
    for (const ZebBlockKind& kind : kBlockKinds) {
        if (kind.wKind == nKind)
            return &kind;
    }
    return nullptr;
}
