// A scripted run's record of what the player would have seen and heard, one line on stdout
// each, in the same words on every backend that runs scripts.
#pragma once

// box "CAPTION" "TEXT" STYLE: the CP949 caption and text in UTF-8, line feeds as \n, quotes
// and backslashes escaped.
void EchoMessageBox(const char* caption, const char* text, unsigned style);
// sound LINE: one sound-library call.
void EchoSoundCall(const char* line);
