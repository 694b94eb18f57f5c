// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

namespace brindlecast {

// How an instrument sounds: its partials and how a note of it rises, fades and ends. Every edge
// is a raised cosine, so no note starts or stops with a click.
struct Timbre {
    struct Partial {
        double multiple; // of the note's frequency
        double level;
    };
    std::vector<Partial> partials;
    double attack = 0.01;     // seconds of the rise at the start of a note
    double decay = 0.0;       // seconds for the fundamental to fall to 1/e; 0 holds it
    double brightness = 0.0;  // how much faster each higher partial falls
    double release = 0.1;     // seconds of the fall that ends a note
    double detuneCents = 0.0; // a second voice this far above, for a slow chorus
};

// The MIDI key of a note name such as "C4", "F#3" or "Bb5" (A4 is 69). Throws
// std::invalid_argument for anything else, so that a mistyped score stops the build.
int noteKey(const std::string& name);

// Frames of samples in [-1, 1] that notes are added to; stereo or mono.
class Mix {
public:
    Mix(int sampleRate, int channels, double seconds);

    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    double seconds() const { return double(m_frames) / m_sampleRate; }
    double at(qint64 frame, int channel) const { return m_samples[frame * m_channels + channel]; }

    // A note (a name for noteKey) from start for length seconds (its release included), panned from
    // -1 (left) to 1 (right). Partials the sample rate cannot hold are left out; so is what runs
    // past the end.
    void addNote(const Timbre& timbre, double start, double length, const std::string& note,
                 double level, double pan = 0.0);
    // Each name of a chord such as "C4 E4 G4" as a note, each a little later than the one before
    // (strum seconds) and spread evenly across the stereo width.
    void addChord(const Timbre& timbre, double start, double length, const std::string& names,
                  double level, double strum = 0.0, double width = 0.0);
    // Repeats of everything so far, delay seconds apart, each feedback times as loud; in stereo
    // a repeat crosses to the other side when pingPong is set.
    void addEcho(double delay, double feedback, bool pingPong);
    // Scales the loudest sample to peak and fades the first and last seconds in and out.
    void finish(double peak, double fadeIn, double fadeOut);

private:
    int m_sampleRate;
    int m_channels;
    qint64 m_frames;
    std::vector<double> m_samples; // interleaved
};

} // namespace brindlecast
