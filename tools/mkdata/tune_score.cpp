#include "tune_score.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <sstream>
#include <string>

namespace {

// The written bars, each played once or more in the order of kForm.
constexpr int kWrittenBars = 48;
// The middle section's bars, played in half time.
constexpr int kMiddleFirst = 28, kMiddleEnd = 44;
// The borrowed chord of the turn, where the beat steps back.
constexpr int kTurnFirst = 24, kTurnEnd = 26;

struct Span {
    int first, end;  // written bars [first, end)
};
// The opening (A, its answer, the climb, the turn), the middle and its way back, then the
// answer and the turn again, whose last bar leads into the top.
constexpr Span kForm[] = {{0, 28}, {28, 48}, {8, 16}, {24, 28}};

// One bar a string: one chord, or two of two beats each, as ROOT:QUALITY[/BASS].
constexpr const char* kChords[kWrittenBars] = {
    // A: a drifting opening, and its answer
    "D:maj7", "F#:m7", "G:maj7", "E:m7 A:7", "D:maj7/F#", "B:m7", "E:m9", "A:sus7 A:7",
    "D:maj7", "F#:m7", "G:maj7", "E:m7 A:7", "D:maj7/F#", "B:m7", "E:m9", "A:sus7 A:7",
    // B: it climbs through the relative minor
    "G:maj7", "A:maj/G", "F#:m7", "B:m7", "E:m7", "F#:7", "B:m7 E:9", "G:maj7 A:sus7",
    // the turn: a borrowed minor colour, then home
    "G:m6", "D:maj7/A", "E:m7", "A:7",
    // the middle: B minor, slow-moving, with a bright borrowed C
    "B:m7", "G:maj7", "E:m9", "F#:sus7 F#:7", "B:m7", "G:maj7", "C:maj7", "F#:7",
    "E:m7", "A:7", "D:maj7", "G:maj7", "C#:m7", "F#:7", "B:m7", "B:m7",
    // and back towards D
    "G:maj7", "E:m7", "G:m6", "A:sus7 A:7"};

// The lead, NOTE+OCTAVE:EIGHTHS or r:EIGHTHS for a rest, one bar a string.
constexpr const char* kMelody[kWrittenBars] = {
    "r:1 A4:1 D5:1 E5:1 F#5:3 A5:1", "E5:3 C#5:1 B4:1 C#5:1 E5:2", "F#5:2 D5:1 B4:1 D5:1 G5:3",
    "F#5:1 E5:1 D5:1 B4:1 C#5:2 E5:1 A5:1", "A5:3 F#5:1 E5:1 D5:1 C#5:1 D5:1", "B4:2 F#5:2 D5:1 B4:1 A4:2",
    "G4:1 B4:1 E5:1 F#5:1 G5:2 F#5:1 E5:1", "E5:4 C#5:2 r:2",
    "r:1 A4:1 D5:1 E5:1 F#5:2 A5:1 C#6:1", "C#6:2 B5:1 A5:1 E5:2 F#5:2", "D6:3 B5:1 G5:1 F#5:1 D5:2",
    "E5:1 G5:1 B5:1 A5:1 G5:2 E5:1 C#5:1", "D5:2 F#5:1 A5:1 C#6:3 B5:1", "A5:2 F#5:1 D5:1 F#5:2 B5:2",
    "A5:1 G5:1 F#5:1 E5:1 F#5:2 G5:2", "A5:4 r:2 E5:1 F#5:1",
    "G5:3 F#5:1 D5:2 B4:2", "C#5:3 E5:1 A5:2 G5:2", "F#5:3 E5:1 C#5:2 A4:2", "B4:2 D5:2 F#5:2 A5:2",
    "G5:3 F#5:1 E5:2 B4:2", "A#4:2 C#5:2 E5:2 F#5:2", "D5:2 F#5:2 G#5:2 F#5:1 E5:1", "F#5:2 D5:2 E5:3 r:1",
    "Bb4:2 D5:2 E5:2 G5:2", "F#5:4 E5:2 D5:2", "E5:2 G5:2 B5:3 A5:1", "G5:2 E5:2 C#5:2 r:2",
    "F#5:4 E5:2 D5:2", "B4:6 D5:2", "E5:3 F#5:1 G5:2 B5:2", "B4:2 C#5:2 A#4:4",
    "B4:2 D5:2 F#5:4", "G5:3 F#5:1 D5:2 B4:2", "E5:4 G5:2 B5:2", "A#5:3 G#5:1 F#5:2 E5:2",
    "G5:4 F#5:2 E5:2", "C#5:4 E5:2 G5:2", "F#5:6 A5:2", "B5:4 A5:2 F#5:2",
    "E5:4 G#5:2 B5:2", "A#5:4 C#6:2 E5:2", "D5:3 C#5:1 B4:4", "r:4 D5:2 F#5:2",
    "G5:4 F#5:2 D5:2", "E5:4 B4:2 D5:2", "Bb4:4 D5:2 G5:2", "E5:4 C#5:2 r:2"};

// The written bar played as the tune's bar `bar`.
int WrittenBar(int bar) {
    for (const Span& span : kForm) {
        if (bar < span.end - span.first) return span.first + bar;
        bar -= span.end - span.first;
    }
    return -1;
}

bool InMiddle(int bar) { return WrittenBar(bar) >= kMiddleFirst && WrittenBar(bar) < kMiddleEnd; }

struct Quality {
    const char* name;
    std::vector<int> intervals;
};

const Quality kQualities[] = {{"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}},  {"7", {0, 4, 7, 10}},
                              {"sus7", {0, 5, 7, 10}}, {"m9", {0, 3, 7, 10, 14}}, {"9", {0, 4, 7, 10, 14}},
                              {"m6", {0, 3, 7, 9}},    {"maj", {0, 4, 7, 14}}};

struct Chord {
    double beat, beats;
    int root;  // pitch class
    int bass;  // pitch class
    std::vector<int> intervals;
};

// "F#" or "Bb" from the front of text, as a pitch class; -1 if there is none.
int PitchClass(const std::string& text, std::size_t* used) {
    static const int natural[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (text.empty() || text[0] < 'A' || text[0] > 'G') return -1;
    int pc = natural[text[0] - 'A'];
    *used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        pc += text[1] == '#' ? 1 : -1;
        *used = 2;
    }
    return (pc + 12) % 12;
}

bool ParseChord(const std::string& token, double beat, double beats, Chord* chord) {
    std::size_t used = 0;
    const std::size_t colon = token.find(':');
    const std::size_t slash = token.find('/');
    if (colon == std::string::npos) return false;
    chord->root = PitchClass(token.substr(0, colon), &used);
    chord->bass = chord->root;
    const std::string quality = token.substr(colon + 1, slash == std::string::npos ? std::string::npos : slash - colon - 1);
    if (slash != std::string::npos) chord->bass = PitchClass(token.substr(slash + 1), &used);
    chord->beat = beat, chord->beats = beats;
    for (const Quality& q : kQualities)
        if (quality == q.name) chord->intervals = q.intervals;
    return chord->root >= 0 && chord->bass >= 0 && !chord->intervals.empty();
}

std::vector<Chord> Chords() {
    std::vector<Chord> chords;
    for (int bar = 0; bar < kTuneBars; ++bar) {
        const int written = WrittenBar(bar);
        if (written < 0) return {};
        std::istringstream in(kChords[written]);
        std::vector<std::string> tokens;
        for (std::string token; in >> token;) tokens.push_back(token);
        const double each = 4.0 / static_cast<double>(tokens.size());
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            Chord chord;
            if (!ParseChord(tokens[i], bar * 4 + each * static_cast<double>(i), each, &chord)) return {};
            chords.push_back(chord);
        }
    }
    return chords;
}

// The lead line; false if a bar does not hold exactly eight eighths or a note is unreadable.
bool Melody(std::vector<Note>* notes) {
    for (int bar = 0; bar < kTuneBars; ++bar) {
        const int written = WrittenBar(bar);
        if (written < 0) return false;
        std::istringstream in(kMelody[written]);
        int eighth = 0;
        for (std::string token; in >> token;) {
            const std::size_t colon = token.find(':');
            if (colon == std::string::npos) return false;
            const int length = std::stoi(token.substr(colon + 1));
            if (token[0] != 'r') {
                std::size_t used = 0;
                const int pc = PitchClass(token, &used);
                if (pc < 0 || used >= colon || !std::isdigit(static_cast<unsigned char>(token[used]))) return false;
                const int octave = token[used] - '0';
                const double beat = bar * 4 + eighth / 2.0;
                // Accents on the beat, a little lift on the long notes.
                const float velocity = (eighth % 2 == 0 ? 0.9f : 0.75f) + (length >= 3 ? 0.08f : 0.0f);
                notes->push_back({Voice::Lead, beat, length / 2.0, 12 * (octave + 1) + pc, velocity});
            }
            eighth += length;
        }
        if (eighth != 8) return false;
    }
    return true;
}

// Each chord tone in the octave from low upward.
int InWindow(int pc, int low) { return low + ((pc - low) % 12 + 12) % 12; }

void Accompany(const std::vector<Chord>& chords, std::vector<Note>* notes) {
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const Chord& c = chords[i];
        const Chord& next = chords[(i + 1) % chords.size()];
        const int bass = InWindow(c.bass, 33);
        const int root = InWindow(c.root, 33);
        const int fifth = InWindow(c.root + 7, 33);
        const int approach = InWindow(next.bass, 33) - 1;
        const bool middle = InMiddle(static_cast<int>(c.beat) / 4);
        if (middle) {
            // The middle's bass walks in halves, and the keys hold each chord.
            notes->push_back({Voice::Bass, c.beat, std::min(c.beats, 2.0) - 0.1, bass, 1.0f});
            if (c.beats >= 4) notes->push_back({Voice::Bass, c.beat + 2.0, 1.9, fifth, 0.8f});
        } else if (c.beats >= 4) {
            notes->push_back({Voice::Bass, c.beat, 1.4, bass, 1.0f});
            notes->push_back({Voice::Bass, c.beat + 1.5, 0.45, bass, 0.75f});
            notes->push_back({Voice::Bass, c.beat + 2.0, 0.9, fifth, 0.85f});
            notes->push_back({Voice::Bass, c.beat + 3.0, 0.45, root + 12, 0.7f});
            notes->push_back({Voice::Bass, c.beat + 3.5, 0.45, approach, 0.7f});
        } else {
            notes->push_back({Voice::Bass, c.beat, 0.9, bass, 1.0f});
            notes->push_back({Voice::Bass, c.beat + 1.0, 0.45, root + 12, 0.7f});
            notes->push_back({Voice::Bass, c.beat + 1.5, 0.45, fifth, 0.75f});
        }
        // The keys: the chord without its root (the bass has it), kept within one octave so
        // each change moves the hands as little as possible; a lazy off-beat rhythm.
        std::vector<int> keys;
        for (int interval : c.intervals)
            if (interval % 12 != 0 || c.intervals.size() < 4) keys.push_back(InWindow(c.root + interval, 55));
        const double groove[][3] = {{0.0, 1.4, 0.8}, {1.5, 0.9, 0.6}, {3.0, 0.9, 0.7}};
        const double held[][3] = {{0.0, 4.0, 0.75}};
        for (const auto& hit : middle ? std::span<const double[3]>(held) : std::span<const double[3]>(groove)) {
            if (hit[0] >= c.beats) break;
            for (int key : keys) notes->push_back({Voice::Keys, c.beat + hit[0], std::min(hit[1], c.beats - hit[0]), key, static_cast<float>(hit[2])});
        }
        // The strings hold the same tones as the keys, the root left to the bass.
        for (int key : keys) notes->push_back({Voice::Pad, c.beat, c.beats, InWindow(key, 62), 0.65f});
    }
}

void Drums(std::vector<Note>* notes) {
    for (int bar = 0; bar < kTuneBars; ++bar) {
        const double top = bar * 4;
        const int written = WrittenBar(bar);
        const bool turn = written >= kTurnFirst && written < kTurnEnd;  // the beat steps back
        // The middle in half time: one kick and one snare a bar, the hats on the beats only.
        const bool half = InMiddle(bar);
        for (int e = 0; e < 8; ++e) {
            const double beat = top + e / 2.0;
            const bool off = e % 2 == 1;
            const bool open = e == 7 && bar % 4 == 3;
            if (!half || !off) notes->push_back({open ? Voice::OpenHat : Voice::Hat, beat, 0.5, 0, off ? 0.8f : 0.5f});
            const bool kick = e == 0 || (!turn && !half && (e == 3 || e == 4 || (e == 7 && bar % 2 == 1)));
            if (kick) notes->push_back({Voice::Kick, beat, 0.5, 0, e == 0 ? 1.0f : 0.8f});
            if (half ? e == 4 : e == 2 || e == 6) notes->push_back({Voice::Snare, beat, 0.5, 0, turn ? 0.6f : 0.9f});
        }
        if (bar == kTuneBars - 1 || InMiddle(bar) != InMiddle(bar + 1)) {
            // A short fill hands on to what comes next.
            notes->push_back({Voice::Snare, top + 3.5, 0.25, 0, 0.55f});
            notes->push_back({Voice::Snare, top + 3.75, 0.25, 0, 0.7f});
        }
    }
}

}  // namespace

std::vector<Note> TuneScore() {
    const std::vector<Chord> chords = Chords();
    std::vector<Note> notes;
    if (WrittenBar(kTuneBars - 1) < 0 || WrittenBar(kTuneBars) >= 0 || chords.empty() || !Melody(&notes)) return {};
    Accompany(chords, &notes);
    Drums(&notes);
    return notes;
}
