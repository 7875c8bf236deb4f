// The headless runner's input script: one action a line, "FRAME ACTION [ARGS]", applied
// right after the FRAME-th present (0: before the game starts). "#" begins a comment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ScriptVerb {
    Cursor,   // cursor X Y: the cursor to a screen position (clamped)
    Move,     // move DX DY: relative motion
    Down,     // down K: a key or button goes down
    Up,       // up K
    Tap,      // tap K: down and up before the game looks again
    Close,    // close: the window is asked to close
    Destroy,  // destroy: the window is destroyed
    Quit,     // quit CODE: a quit message carrying the exit code
    Message,  // message NUMBER: any window message
    Snap,     // snap FILE: the last presented frame as a PNG
};

struct ScriptAction {
    int frame = 0;
    ScriptVerb verb = ScriptVerb::Close;
    int x = 0;                  // Cursor, Move
    int y = 0;                  // Cursor, Move
    int key = 0;                // Down, Up, Tap: the virtual-key code
    int exitCode = 0;           // Quit
    std::uint32_t message = 0;  // Message
    std::string file;           // Snap
    int line = 0;               // where it was written
};

struct ScriptError {
    int line = 0;
    std::string what;
};

// Reads the whole script. On success the actions come in the order they apply: by frame,
// and in the order written within a frame. On failure *error names the first bad line.
bool ParseScript(std::string_view text, std::vector<ScriptAction>* actions, ScriptError* error);
