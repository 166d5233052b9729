// The options file "data\options.qv2" and the progress file "data\exp.qv2".
#pragma once
#include <cstdint>

#include "platform/text.hpp"

extern const Text optionsFilePath;
extern const Text progressFilePath;
// Size in bytes of a whole options file: the version and 35 cells.
constexpr int32_t optionsFileSize = 144;
constexpr int32_t progressFileSize = 8;

// The key of each slot (1-4) and control (1-6) in a new options file.
extern const int32_t defaultKeys[5][7];

// Fills optionTable from the file, or sets the defaults and writes them;
// filesLoaded becomes 1 or 2. A file that is there but cannot be read is
// left as it is: the defaults are used and saveFailureNotice tells so.
void LoadOptionsFile();
// The same for bonusShipsUnlocked, which is 0 without a readable file.
void LoadProgressFile();
// After a start that could not read it, the options (or progress) file is
// read again when it is next needed: what reads now takes the defaults'
// place (bonusShipsUnlocked takes the higher count) and the main menu no
// longer names it. False while it still cannot be read.
bool ReadOptionsAgain();
bool ReadProgressAgain();
// Both save without damaging the file already there; false when the save
// failed (the old file stays and saveFailureNotice is set). The progress
// saved is never lower than the file's (bonusShipsUnlocked takes the
// higher), and a progress file that cannot be read is not written over.
bool WriteOptionsFile();
bool SaveProgressFile();

// What the main menu shows after a save failed, or a file could not be read
// at start, and for how many more frames.
extern Text saveFailureNotice;
extern Text saveFailureAdvice;
extern int32_t saveFailureFrames;
// Five seconds.
constexpr int32_t saveFailureShownFrames = 375;
void ResetOptionsFiles();

// Clears up after saves cut short by a crash or a kill, touching only the
// names the game's own saves use, in their own letter case: a replay save
// that was not done is undone and one that was is finished (the whole old
// pair or the whole new one stays), then the temporary files of the
// options, progress and replay files and the replay data files of saving
// and playback are removed.
void RemoveSaveLeftovers();
