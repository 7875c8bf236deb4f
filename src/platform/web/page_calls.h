// The page's side of the backend (tumblox_page.js): what C++ asks of the browser.
#pragma once

extern "C" {

// Gives the browser about a millisecond: its events, its drawing and its timers run meanwhile.
void tumblox_nap();
// A modal dialog over the canvas (UTF-8 texts, with the stop icon when asked); returns when
// the player has dismissed it.
void tumblox_message_box(const char* caption, const char* text, int stopIcon);
void tumblox_game_ended(int exitCode);

// Web Audio: the context (silent until the first click), decoded sounds by number, and voices.
void tumblox_audio_open(int voices);
void tumblox_audio_close();
int tumblox_audio_decode(const unsigned char* bytes, int length);  // the sound's number
void tumblox_audio_free(int sound);
int tumblox_audio_play(int sound);  // the voice it took; the oldest gives way
int tumblox_audio_loop(int sound);  // the tune, on a voice of its own

}
