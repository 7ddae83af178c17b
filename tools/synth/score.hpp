// A score read from its plain-text form (described in music/README.md): the tempo,
// the voices with the sound of each, and every note each voice plays. Times are in
// ticks of 1/7680 of a whole note, so that dotted and triplet values stay whole.
// A score that cannot be read throws a ScoreError naming its file, line and column.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vov::synth {

inline constexpr std::int64_t kTicksPerWhole = 7680;
inline constexpr int kSampleRate = 44100;

enum class Wave { square, triangle, saw, noise };

// How a voice sounds. Times are in seconds, pitch changes in semitones or cents.
struct Sound {
    Wave wave = Wave::square;
    double duty = 0.5;      // part of a square's period spent high
    double attack = 0.005;  // rise from silence to the peak
    double decay = 0.0;     // fall from the peak to the sustain level
    double sustain = 1.0;   // level held until the note ends
    double release = 0.02;  // fall to silence once the note ends
    double volume = 0.5;    // the voice's share of full scale
    double gate = 1.0;      // part of its written length that a note is held
    double vibrato = 0.0;   // depth, in cents
    double rate = 5.0;      // vibrato speed, in Hz
    double sweep = 0.0;     // pitch slide from each note's start, semitones per second
    double echo = 0.0;      // delay of the echo (0: none)
    double feedback = 0.4;  // level of each echo relative to the one before
};

struct Note {
    std::int64_t start = 0;   // ticks from the start of the piece
    std::int64_t length = 0;  // written length, in ticks
    int pitch = 69;           // MIDI number: 60 is C4, 69 is A4 (440 Hz)
    double level = 1.0;       // dynamics, 1 for forte
};

struct Voice {
    std::string name;
    Sound sound;
    std::vector<Note> notes;
    std::int64_t end = 0;  // ticks: the voice's last note or rest ends here
};

struct Score {
    int tempo = 120;               // quarter notes per minute
    std::optional<double> length;  // the intended length in seconds, when stated
    std::vector<Voice> voices;
};

class ScoreError : public std::runtime_error {
  public:
    ScoreError(const std::string& file, int line, int column, const std::string& message);
    int line() const { return line_; }
    int column() const { return column_; }

  private:
    int line_;
    int column_;
};

// `file` only names the score in errors ("file:line:column: message").
Score parse_score(std::string_view text, const std::string& file);
// Reads and parses a score file; a file that cannot be read is a ScoreError too.
Score read_score(const std::string& path);

}  // namespace vov::synth
