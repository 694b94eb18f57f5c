// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample-recordings/Recordings.h"

#include <sstream>

namespace brindlecast {

namespace {

// The notes of a score such as "A4/1 B4/1 D5/2 -/1" one after another: each word is a note name
// (or "-" for a rest) and its length in beats. Each note rings on for `ring` seconds.
void addMelody(Mix& mix, const Timbre& timbre, double start, double beat, const std::string& score,
               double level, double ring, double pan = 0.0)
{
    std::istringstream words(score);
    double at = start;
    for (std::string word; words >> word;) {
        const auto slash = word.find('/');
        const double beats = std::stod(word.substr(slash + 1));
        const std::string note = word.substr(0, slash);
        if (note != "-")
            mix.addNote(timbre, at, beats * beat + ring, note, level, pan);
        at += beats * beat;
    }
}

const Timbre kElectricPiano{.partials = {{1, 1.0}, {2, 0.45}, {3, 0.2}, {4, 0.1}, {6, 0.04}},
                            .attack = 0.006,
                            .decay = 1.2,
                            .brightness = 0.6,
                            .release = 0.25};
const Timbre kRoundBass{.partials = {{1, 1.0}, {2, 0.3}, {3, 0.08}},
                        .attack = 0.015,
                        .decay = 2.0,
                        .brightness = 0.5,
                        .release = 0.2};
const Timbre kBell{.partials = {{1, 1.0}, {2, 0.35}, {3, 0.12}, {4.07, 0.08}},
                   .attack = 0.004,
                   .decay = 0.7,
                   .brightness = 1.0,
                   .release = 0.15};
const Timbre kPad{.partials = {{1, 1.0}, {2, 0.25}, {3, 0.08}},
                  .attack = 0.35,
                  .release = 0.45,
                  .detuneCents = 4.0};
const Timbre kMusicBox{.partials = {{1, 1.0}, {2, 0.12}, {5.4, 0.04}},
                       .attack = 0.003,
                       .decay = 0.8,
                       .brightness = 1.5,
                       .release = 0.1};
const Timbre kFlute{.partials = {{1, 1.0}, {2, 0.1}, {3, 0.03}}, .attack = 0.08, .release = 0.3};
const Timbre kSquareLead{.partials = {{1, 1.0}, {3, 0.3}, {5, 0.15}, {7, 0.08}},
                         .attack = 0.008,
                         .decay = 0.9,
                         .brightness = 0.3,
                         .release = 0.06};

// Four chords and a home chord, strummed on an electric piano over a round bass.
Mix chordProgression()
{
    Mix mix(44100, 2, 6.0);
    const double bar = 1.0;
    const char* chords[][2] = {{"C3", "E4 G4 C5"},
                               {"B2", "D4 G4 B4"},
                               {"A2", "E4 A4 C5"},
                               {"F2", "F4 A4 C5"},
                               {"C3", "E4 G4 C5 E5"}};
    for (int i = 0; i < 5; ++i) {
        const double length = i < 4 ? bar + 0.15 : 1.85;
        mix.addNote(kRoundBass, i * bar, length, chords[i][0], 0.4);
        mix.addChord(kElectricPiano, i * bar + 0.02, length - 0.02, chords[i][1], 0.3, 0.025, 0.5);
    }
    mix.addEcho(0.33, 0.18, true);
    mix.finish(0.7, 0.01, 0.4);
    return mix;
}

// A bell melody in D major over a soft pad, echoing from side to side.
Mix littleMelody()
{
    Mix mix(48000, 2, 5.0);
    const double beat = 0.25;
    addMelody(mix, kBell, 0.0, beat, "A4/1 B4/1 D5/2 B4/1 A4/1 F#4/2 E4/1 F#4/1 A4/1 B4/1 D5/4",
              0.5, 0.6, 0.2);
    const char* pads[] = {"D3 F#3 A3", "B2 D3 F#3", "G2 B2 D3", "D3 F#3 A3 D4"};
    for (int i = 0; i < 4; ++i)
        mix.addChord(kPad, i * 4 * beat, i < 3 ? 4 * beat + 0.4 : 1.5, pads[i], 0.12, 0.0, 0.6);
    mix.addEcho(0.375, 0.3, true);
    mix.finish(0.7, 0.01, 0.5);
    return mix;
}

// A waltz of broken chords in F major, high and bright.
Mix musicBox()
{
    Mix mix(22050, 1, 5.2);
    const double beat = 0.22;
    addMelody(mix, kMusicBox, 0.0, beat,
              "F5/1 A5/1 C6/1 E5/1 G5/1 C6/1 D5/1 F5/1 A5/1 D5/1 F5/1 Bb5/1 E5/1 G5/1 C6/1 F5/1 "
              "A5/1 C6/1 F6/3",
              0.45, 0.9);
    addMelody(mix, kMusicBox, 0.0, beat, "F4/3 C4/3 D4/3 Bb3/3 C4/3 F4/3", 0.3, 0.6);
    mix.finish(0.7, 0.01, 0.5);
    return mix;
}

// Slow chords swelling in and out under a soft flute.
Mix eveningPad()
{
    Mix mix(16000, 1, 5.6);
    const double bar = 1.25;
    const char* chords[] = {"A2 G3 C4 E4", "F2 A3 C4 E4", "C3 G3 B3 E4", "G2 G3 B3 D4"};
    for (int i = 0; i < 4; ++i)
        mix.addChord(kPad, i * bar, bar + 0.5, chords[i], 0.25);
    addMelody(mix, kFlute, 0.15, bar, "E5/1 C5/1 B4/1 D5/1", 0.3, 0.2);
    mix.finish(0.7, 0.01, 0.6);
    return mix;
}

// A bouncy little tune with an oom-pah bass, in the coarse grain of 8-bit samples.
Mix oldRadioTune()
{
    Mix mix(11025, 1, 3.7);
    const double beat = 0.2;
    addMelody(mix, kSquareLead, 0.0, beat,
              "C5/1 E5/1 G5/1 E5/1 F5/1 A5/1 G5/2 E5/1 C5/1 D5/1 B4/1 C5/4", 0.45, 0.05);
    addMelody(mix, kRoundBass, 0.0, beat, "C3/2 G2/2 F2/2 C3/2 G2/2 D3/2 C3/4", 0.35, 0.05);
    mix.finish(0.8, 0.01, 0.4);
    return mix;
}

} // namespace

std::vector<SampleRecording> sampleRecordings()
{
    std::vector<SampleRecording> recordings;
    recordings.push_back({QStringLiteral("Chord Progression.wav"), 16, chordProgression()});
    recordings.push_back({QStringLiteral("Little Melody.wav"), 16, littleMelody()});
    recordings.push_back({QStringLiteral("Music Box.wav"), 16, musicBox()});
    recordings.push_back({QStringLiteral("Evening Pad.wav"), 16, eveningPad()});
    recordings.push_back({QStringLiteral("Old Radio Tune.wav"), 8, oldRadioTune()});
    return recordings;
}

} // namespace brindlecast
