// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample-recordings/Mix.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

namespace brindlecast {

namespace {

constexpr double kPi = std::numbers::pi;

// 0 to 1 over the first `span` of the time, 1 after: a raised cosine.
double rise(double time, double span)
{
    return time >= span ? 1.0 : 0.5 - 0.5 * std::cos(kPi * time / span);
}

double frequencyOf(int midiKey)
{
    return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

} // namespace

int noteKey(const std::string& name)
{
    static const int semitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    static const std::regex pattern("([A-G])([#b]?)([0-9])");
    std::smatch parts;
    if (!std::regex_match(name, parts, pattern))
        throw std::invalid_argument("not a note name: " + name);
    const int accidental = parts[2] == "#" ? 1 : parts[2] == "b" ? -1 : 0;
    return 12 * (parts[3].str()[0] - '0' + 1) + semitones[parts[1].str()[0] - 'A'] + accidental;
}

Mix::Mix(int sampleRate, int channels, double seconds)
    : m_sampleRate(sampleRate), m_channels(channels), m_frames(std::llround(sampleRate * seconds)),
      m_samples(m_frames * channels, 0.0)
{
    if (channels < 1 || channels > 2)
        throw std::invalid_argument("a mix is mono or stereo");
}

void Mix::addNote(const Timbre& timbre, double start, double length, const std::string& note,
                  double level, double pan)
{
    if (start < 0)
        throw std::invalid_argument("a note starts before the mix: " + note);
    const double frequency = frequencyOf(noteKey(note));
    const qint64 first = std::llround(start * m_sampleRate);
    const qint64 count = std::min<qint64>(std::llround(length * m_sampleRate), m_frames - first);
    // Equal loudness wherever the note sits; mono takes the plain sum.
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
    const double gains[2] = {m_channels == 1 ? 1.0 : std::cos(angle), std::sin(angle)};
    const double voices[2] = {1.0, std::pow(2.0, timbre.detuneCents / 1200)};
    const int voiceCount = timbre.detuneCents != 0.0 ? 2 : 1;
    for (qint64 i = 0; i < count; ++i) {
        const double t = double(i) / m_sampleRate;
        const double edges = rise(t, timbre.attack) * rise(length - t, timbre.release);
        double value = 0.0;
        for (const Timbre::Partial& partial : timbre.partials) {
            const double partialFrequency = frequency * partial.multiple;
            if (partialFrequency > 0.45 * m_sampleRate)
                continue; // would fold back as a false tone
            double fall = 1.0;
            if (timbre.decay > 0)
                fall =
                    std::exp(-t * (1 + timbre.brightness * (partial.multiple - 1)) / timbre.decay);
            for (int voice = 0; voice < voiceCount; ++voice)
                value +=
                    partial.level * fall * std::sin(2 * kPi * partialFrequency * voices[voice] * t);
        }
        value *= level * edges / voiceCount;
        for (int channel = 0; channel < m_channels; ++channel)
            m_samples[(first + i) * m_channels + channel] += value * gains[channel];
    }
}

void Mix::addChord(const Timbre& timbre, double start, double length, const std::string& names,
                   double level, double strum, double width)
{
    std::istringstream words(names);
    std::vector<std::string> notes;
    for (std::string word; words >> word;)
        notes.push_back(word);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double pan =
            notes.size() > 1 ? width * (2.0 * double(i) / double(notes.size() - 1) - 1) : 0.0;
        addNote(timbre, start + strum * double(i), length - strum * double(i), notes[i], level,
                pan);
    }
}

void Mix::addEcho(double delay, double feedback, bool pingPong)
{
    const qint64 shift = std::llround(delay * m_sampleRate);
    for (qint64 frame = shift; frame < m_frames; ++frame) {
        for (int channel = 0; channel < m_channels; ++channel) {
            const int from = pingPong && m_channels == 2 ? 1 - channel : channel;
            m_samples[frame * m_channels + channel] +=
                feedback * m_samples[(frame - shift) * m_channels + from];
        }
    }
}

void Mix::finish(double peak, double fadeIn, double fadeOut)
{
    double loudest = 0.0;
    for (const double sample : m_samples)
        loudest = std::max(loudest, std::abs(sample));
    const double scale = loudest > 0 ? peak / loudest : 0.0;
    for (qint64 frame = 0; frame < m_frames; ++frame) {
        const double t = double(frame) / m_sampleRate;
        const double left = double(m_frames - 1 - frame) / m_sampleRate;
        const double gain = scale * rise(t, fadeIn) * rise(left, fadeOut);
        for (int channel = 0; channel < m_channels; ++channel)
            m_samples[frame * m_channels + channel] *= gain;
    }
}

} // namespace brindlecast
