// The four sound effects, synthesised. Their loudness is set for the way the game plays
// them: 21 flame sounds start within a few milliseconds of each other while a row burns,
// over the flash chime and the music, and nothing may clip when they all sound at once.
#pragma once

#include <cstdint>
#include <vector>

struct SoundEffect {
    const char* file;
    float peak;  // of full scale
    std::vector<float> (*make)();
};

std::vector<float> ExplosionBoom();  // about 1.3 s: a boom with a crackle of debris
std::vector<float> FlameWhoosh();    // 0.3 s: a whoosh, then crackling
std::vector<float> FlashChime();     // about 1 s, bright, ringing out
std::vector<float> LandingThud();    // about 0.1 s

const std::vector<SoundEffect>& SoundEffects();
