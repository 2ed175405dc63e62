// Writes a canvas as a PNG file, for looking at what a test drew.
#pragma once
#include <string>

class MemoryCanvas;

// A 24-bit PNG of the canvas (uncompressed deflate); false when the file
// cannot be written.
bool SavePng(const MemoryCanvas& canvas, const std::string& path);
