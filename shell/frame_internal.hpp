// Shell internals shared between the frame loop, the start-up and tests.
#pragma once
#include <cstdint>

// Marks the start of a frame for the screen requests (frame head).
void BeginFrameRequests();
// Stops and closes the music stream when one is open.
void StopMusicStream();

// Resets of the shell's own parts.
void ResetScreenCommon();
void ResetMainMenu();
void ResetStartup();
