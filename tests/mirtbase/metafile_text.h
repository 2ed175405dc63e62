// The texts a field draws, read back from an enhanced metafile: where each
// output lands and in which font (height and escapement) it is written.
#pragma once
#include <string>
#include <vector>

#include "npropobj.h"

struct MetaText
{
    int x;
    int y;
    std::string text;
    LONG height;       // of the font selected for the output
    LONG escapement;
};

enum MetaTarget
{
    META_SCREEN,
    META_PRINTER,   // printing, output and attributes one context
    META_PREVIEW    // printing, attributes from a memory context
};

struct MetaLine
{
    POINT from;
    POINT to;
};

// What a field drew: its texts and its straight lines.
struct MetaDrawing
{
    std::vector<MetaText> texts;
    std::vector<MetaLine> lines;
};

// field drawn with nMode on a metafile context of the display.
MetaDrawing DrawnOnMetafile(CNPropObj& field, MetaTarget target = META_SCREEN, int nMode = 0);
std::vector<MetaText> DrawnTexts(CNPropObj& field, MetaTarget target = META_SCREEN, int nMode = 0);

// The texts joined in output order.
std::string JoinedTexts(const std::vector<MetaText>& texts);
