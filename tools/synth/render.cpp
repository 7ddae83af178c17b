#include "render.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vov::synth {

namespace {

constexpr double kLowestFrequency = 20.0;
constexpr double kHighestFrequency = 20000.0;
constexpr double kNoiseClock = 16.0;    // noise changes 16 times per period of its pitch
constexpr double kEchoSilence = 0.001;  // an echo below -60 dB is no longer heard
constexpr double kFullScale = 32767.0;
constexpr std::int64_t kVibratoEvery = 32;  // samples between two steps of the vibrato
constexpr double kCutFade = 0.005;          // a note cut by the next one fades out over this

double frequency_of(int pitch) {
    return 440.0 * std::exp2((pitch - 69) / 12.0);
}

std::int64_t samples_of(double seconds) {
    return std::llround(seconds * kSampleRate);
}

// The correction that rounds off a jump of the waveform at phase 0, so that squares
// and saws do not alias into a hiss on high notes.
double blep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Oscillator {
  public:
    explicit Oscillator(const Sound& sound) : wave_(sound.wave), duty_(sound.duty) {}

    // The next sample, between -1 and 1, for a pitch of `step` periods per sample.
    double next(double step) {
        double value = 0.0;
        switch (wave_) {
            case Wave::square:
                value = square(step);
                break;
            case Wave::triangle:
                value = triangle();
                break;
            case Wave::saw:
                value = 2.0 * phase_ - 1.0 - blep(phase_, step);
                break;
            case Wave::noise:
                return noise(step);
        }
        phase_ += step;
        if (phase_ >= 1.0) phase_ -= 1.0;
        return value;
    }

  private:
    // High for `duty` of the period; the offset that a narrow pulse carries is taken
    // away, and the wave scaled back so that its peak is still 1.
    double square(double step) const {
        const double offset = 2.0 * duty_ - 1.0;
        double value = phase_ < duty_ ? 1.0 : -1.0;
        const double falling = phase_ < duty_ ? phase_ - duty_ + 1.0 : phase_ - duty_;
        value += blep(phase_, step) - blep(falling, step);
        return (value - offset) / (1.0 + std::abs(offset));
    }

    // Starts at 0 and rises, so that a note starts without a jump.
    double triangle() const {
        if (phase_ < 0.25) return 4.0 * phase_;
        if (phase_ < 0.75) return 2.0 - 4.0 * phase_;
        return 4.0 * phase_ - 4.0;
    }

    // A 15-bit shift register clocked at a rate that follows the pitch: high notes
    // hiss, low notes rumble. Every note starts from the same state, like a drum.
    double noise(double step) {
        phase_ += std::min(step * kNoiseClock, 1.0);
        if (phase_ >= 1.0) {
            phase_ -= 1.0;
            const unsigned bit = (register_ ^ (register_ >> 1)) & 1u;
            register_ = (register_ >> 1) | (bit << 14);
        }
        return (register_ & 1u) ? 1.0 : -1.0;
    }

    Wave wave_;
    double duty_;
    double phase_ = 0.0;
    unsigned register_ = 1;
};

// Attack, decay and sustain while the note is held, then a straight fall to silence
// from whatever level the note had reached. A voice plays one note or chord at a
// time: what still sounds when the next one starts has faded out over the 5 ms
// before, so a voice never piles up on itself.
class Envelope {
  public:
    Envelope(const Sound& sound, std::int64_t held, std::int64_t cut)
        : attack_(samples_of(sound.attack)),
          decay_(samples_of(sound.decay)),
          sustain_(sound.sustain),
          held_(held),
          release_(samples_of(sound.release)),
          at_release_(shape(held)),
          cut_(cut),
          fade_(samples_of(kCutFade)) {}

    std::int64_t length() const { return std::min(held_ + release_, cut_); }

    double at(std::int64_t i) const {
        const double level = i < held_ ? shape(i) : released(i - held_);
        if (i < cut_ - fade_) return level;
        return level * static_cast<double>(cut_ - i) / static_cast<double>(fade_);
    }

  private:
    double shape(std::int64_t i) const {
        if (i < attack_) return static_cast<double>(i) / static_cast<double>(attack_);
        i -= attack_;
        if (i < decay_) {
            return 1.0 - (1.0 - sustain_) * static_cast<double>(i) / static_cast<double>(decay_);
        }
        return sustain_;
    }

    double released(std::int64_t i) const {
        return at_release_ * (1.0 - static_cast<double>(i) / static_cast<double>(release_));
    }

    std::int64_t attack_;
    std::int64_t decay_;
    double sustain_;
    std::int64_t held_;
    std::int64_t release_;
    double at_release_;
    std::int64_t cut_;
    std::int64_t fade_;
};

// A note as samples: where it starts, and its envelope.
struct Sounding {
    std::size_t start;
    Envelope envelope;
};

std::int64_t held_samples(const Note& note, const Sound& sound, int tempo) {
    const auto held = std::llround(static_cast<double>(note.length) * sound.gate);
    return sample_at(note.start + held, tempo) - sample_at(note.start, tempo);
}

// Every note of the voice with the sample where the next note or chord cuts it.
std::vector<Sounding> sounding_notes(const Voice& voice, int tempo) {
    std::vector<Sounding> sounding;
    sounding.reserve(voice.notes.size());
    const auto& notes = voice.notes;
    std::size_t next = 0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        while (next < notes.size() && notes[next].start <= notes[i].start) ++next;
        const std::int64_t start = sample_at(notes[i].start, tempo);
        const std::int64_t cut = next < notes.size() ? sample_at(notes[next].start, tempo) - start
                                                     : std::numeric_limits<std::int64_t>::max() / 2;
        const Envelope envelope(voice.sound, held_samples(notes[i], voice.sound, tempo), cut);
        sounding.push_back({static_cast<std::size_t>(start), envelope});
    }
    return sounding;
}

std::int64_t echo_tail(const Sound& sound) {
    if (sound.echo <= 0.0 || sound.feedback <= 0.0) return 0;
    const double echoes = std::ceil(std::log(kEchoSilence) / std::log(sound.feedback));
    return samples_of(sound.echo) * static_cast<std::int64_t>(echoes);
}

std::int64_t voice_length(const Voice& voice, int tempo) {
    std::int64_t end = sample_at(voice.end, tempo);
    for (const Sounding& note : sounding_notes(voice, tempo)) {
        end = std::max(end, static_cast<std::int64_t>(note.start) + note.envelope.length());
    }
    return end + echo_tail(voice.sound);
}

// Adds one note into `out`, scaled by `gain`.
void add_note(std::vector<float>& out, const Sound& sound, const Note& note, const Sounding& at,
              double gain) {
    const double sweep = std::exp2(sound.sweep / 12.0 / kSampleRate);
    const double vibrato = sound.vibrato / 1200.0;
    const double vibrato_step = 2.0 * std::numbers::pi * sound.rate / kSampleRate;
    Oscillator oscillator(sound);
    double frequency = frequency_of(note.pitch);
    double wobble = 1.0;
    gain *= note.level;
    for (std::int64_t i = 0; i < at.envelope.length(); ++i) {
        if (vibrato > 0.0 && i % kVibratoEvery == 0) {
            wobble = std::exp2(vibrato * std::sin(vibrato_step * static_cast<double>(i)));
        }
        const double step = frequency * wobble / kSampleRate;
        const double value = oscillator.next(step) * at.envelope.at(i) * gain;
        out[at.start + static_cast<std::size_t>(i)] += static_cast<float>(value);
        frequency = std::clamp(frequency * sweep, kLowestFrequency, kHighestFrequency);
    }
}

void add_notes(std::vector<float>& out, const Voice& voice, int tempo, double gain) {
    const std::vector<Sounding> sounding = sounding_notes(voice, tempo);
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        add_note(out, voice.sound, voice.notes[i], sounding[i], gain);
    }
}

// Each sample hears the one `delay` earlier again, at `feedback`, echoes included.
void add_echo(std::vector<float>& voice, const Sound& sound) {
    const auto delay = static_cast<std::size_t>(samples_of(sound.echo));
    const auto feedback = static_cast<float>(sound.feedback);
    for (std::size_t i = delay; i < voice.size(); ++i) voice[i] += feedback * voice[i - delay];
}

void add_voice(std::vector<float>& mix, const Voice& voice, int tempo) {
    const bool echoes = echo_tail(voice.sound) > 0;
    if (!echoes) return add_notes(mix, voice, tempo, voice.sound.volume);
    std::vector<float> alone(mix.size(), 0.0f);
    add_notes(alone, voice, tempo, 1.0);
    add_echo(alone, voice.sound);
    const auto volume = static_cast<float>(voice.sound.volume);
    for (std::size_t i = 0; i < mix.size(); ++i) mix[i] += volume * alone[i];
}

}  // namespace

std::int64_t sample_at(std::int64_t ticks, int tempo) {
    // A quarter note lasts 60/tempo seconds and holds a quarter of the ticks of a whole.
    const std::int64_t numerator = ticks * 240 * kSampleRate;
    const std::int64_t denominator = kTicksPerWhole * tempo;
    return (numerator + denominator / 2) / denominator;
}

std::size_t rendered_length(const Score& score) {
    std::int64_t length = 0;
    for (const Voice& voice : score.voices) {
        length = std::max(length, voice_length(voice, score.tempo));
    }
    return static_cast<std::size_t>(length);
}

std::vector<std::int16_t> render(const Score& score) {
    std::vector<float> mix(rendered_length(score), 0.0f);
    for (const Voice& voice : score.voices) add_voice(mix, voice, score.tempo);
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(), [](float value) {
        const double scaled =
            std::clamp(static_cast<double>(value) * kFullScale, -kFullScale, kFullScale);
        return static_cast<std::int16_t>(scaled + (scaled < 0.0 ? -0.5 : 0.5));  // to the nearest
    });
    return samples;
}

}  // namespace vov::synth
