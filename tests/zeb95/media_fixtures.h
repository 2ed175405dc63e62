// Media files for the movie and sound tests, written byte by byte: PCM
// WAV, uncompressed AVI whose frames each have one colour, MIDI and RIFF
// MIDI.
#pragma once
#include <windows.h>

#include <vector>

// 8 kHz, 8-bit mono silence of the given length.
std::vector<BYTE> BuildWav(int nSeconds);
// nFrames frames of cx x cy 24-bit pixels at nFps frames per second;
// frame i is filled with AviFrameColor(i).
std::vector<BYTE> BuildAvi(int nFrames, int cx, int cy, int nFps);
COLORREF AviFrameColor(int nFrame);
// A type-0 MIDI file of one note.
std::vector<BYTE> BuildMidi();
// That MIDI file in a RIFF "RMID" container.
std::vector<BYTE> BuildRmi();
