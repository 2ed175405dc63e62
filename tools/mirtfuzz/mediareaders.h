// The multimedia object library's movie and sound blocks under the fuzzer:
// object files read into an existing and a new movie (sound) while the
// kind's device is held by another object, so that nothing is played.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

// A whiteboard file with the given name of its movie and sound blocks
// blanked: it names the file last read, which every read makes anew.
std::string WithoutGivenNames(std::string bytes);
// A movie and a sound opened for the whole run: they hold both devices, so
// that no media file read afterwards is opened.
void HoldDevices();
// A movie and a sound, each of a small media file, on the whiteboard.
void AddMediaObjects(HWND hWb);
std::vector<std::string> MovieFileSeeds();
std::vector<std::string> SoundFileSeeds();
// A refused file must leave the object as it was; a file read whole has a
// block that reads into another object and is written again to the same
// bytes (but for the name of the file last read).
void RunMovieFile(const std::string& bytes, CDC& screen, CDC& printer);
void RunSoundFile(const std::string& bytes, CDC& screen, CDC& printer);
