// A small JPEG picture and helpers for the picture tests.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// A 40 x 20 JPEG picture: the left half red, the right half blue.
extern const unsigned char kRedBlueJpeg[];
extern const size_t kRedBlueJpegSize;

void WriteBytes(const std::string& path, const void* bytes, size_t size);
// Near a colour, allowing for the JPEG's losses.
bool Near(COLORREF actual, COLORREF expected);
