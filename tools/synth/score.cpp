#include "score.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>

namespace vov::synth {

ScoreError::ScoreError(const std::string& file, int line, int column, const std::string& message)
    : std::runtime_error(line > 0 ? file + ":" + std::to_string(line) + ":" +
                                        std::to_string(column) + ": " + message
                                  : file + ": " + message),
      line_(line),
      column_(column) {}

namespace {

constexpr double kMaxSeconds = 600;         // no piece of ours is anywhere near ten minutes
constexpr std::size_t kMaxEvents = 200000;  // notes, rests and signs of one voice, repeats played
constexpr int kMaxRepeats = 99;
constexpr std::size_t kMaxNesting = 32;  // repeats and phrases inside one another
constexpr std::size_t kMaxChord = 8;
constexpr int kLowestPitch = 12;    // C0
constexpr int kHighestPitch = 119;  // B8

struct Token {
    std::string text;
    int line = 0;
    int column = 0;
};
using Tokens = std::vector<Token>;

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool is_name(std::string_view s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::optional<double> to_number(std::string_view s) {
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> to_int(std::string_view s) {
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

// A part of a token, for errors that point inside it.
Token part_of(const Token& token, std::size_t offset) {
    return {token.text.substr(offset), token.line, token.column + static_cast<int>(offset)};
}

// "5/8", "1", "3/2": a length in ticks as a fraction of a whole note.
std::string as_fraction(std::int64_t ticks) {
    const std::int64_t common = std::gcd(ticks, kTicksPerWhole);
    const std::int64_t den = kTicksPerWhole / common;
    return std::to_string(ticks / common) + (den == 1 ? "" : "/" + std::to_string(den));
}

std::optional<double> dynamic_level(std::string_view word) {
    static const std::map<std::string_view, double> levels = {
        {"pp", 0.25}, {"p", 0.4}, {"mp", 0.55}, {"mf", 0.75}, {"f", 1.0}, {"ff", 1.25}};
    const auto found = levels.find(word);
    if (found == levels.end()) return std::nullopt;
    return found->second;
}

// Where a voice has got to while its notes are laid out.
struct Cursor {
    explicit Cursor(Voice& laid_out) : voice(laid_out) {}
    Voice& voice;
    std::int64_t position = 0;
    std::int64_t last_bar = 0;
    std::int64_t duration = kTicksPerWhole / 4;  // a note without a length repeats the last one
    double level = 1.0;
    std::size_t events = 0;
    std::vector<std::string> phrases;  // the phrases being played, innermost last
    std::size_t nesting = 0;
};

// What one note, rest or chord token says.
struct Written {
    std::vector<int> pitches;  // empty for a rest
    std::optional<std::int64_t> length;
};

class Parser {
  public:
    Parser(std::string_view text, std::string file) : text_(text), file_(std::move(file)) {}

    Score parse() {
        read_lines();
        if (!tempo_set_) fail_at_start("no tempo: the score needs a line such as \"tempo 120\"");
        if (voices_.empty()) fail_at_start("no voice: the score needs a \"voice\" line");
        bool any_note = false;
        for (auto& [voice, tokens] : voices_) {
            lay_out(voice, tokens);
            any_note = any_note || !voice.notes.empty();
            score_.voices.push_back(std::move(voice));
        }
        if (!any_note) fail_at_start("the score plays no note");
        return std::move(score_);
    }

  private:
    [[noreturn]] void fail(const Token& at, const std::string& message) const {
        throw ScoreError(file_, at.line, at.column, message);
    }
    [[noreturn]] void fail_at_start(const std::string& message) const {
        throw ScoreError(file_, 1, 1, message);
    }

    // ---- Lines and directives ----

    void read_lines() {
        int number = 0;
        std::size_t start = 0;
        while (start <= text_.size()) {
            std::size_t end = text_.find('\n', start);
            if (end == std::string_view::npos) end = text_.size();
            const Tokens tokens = split_line(text_.substr(start, end - start), ++number);
            if (!tokens.empty()) read_line(tokens);
            start = end + 1;
        }
    }

    // '#' starts a comment; a chord such as "[C4 E4 G4]/2" is one token.
    Tokens split_line(std::string_view line, int number) const {
        Tokens tokens;
        std::size_t i = 0;
        while (i < line.size()) {
            if (is_space(line[i])) {
                ++i;
                continue;
            }
            if (line[i] == '#') break;
            const std::size_t start = i;
            const Token here{"", number, static_cast<int>(start) + 1};
            if (line[i] == '[') {
                i = line.find(']', i);
                if (i == std::string_view::npos) fail(here, "chord without its closing ']'");
            }
            while (i < line.size() && !is_space(line[i])) ++i;
            tokens.push_back({std::string(line.substr(start, i - start)), here.line, here.column});
        }
        return tokens;
    }

    void read_line(const Tokens& tokens) {
        const std::string& word = tokens[0].text;
        if (word == "tempo") return read_tempo(tokens);
        if (word == "meter") return read_meter(tokens);
        if (word == "length") return read_length(tokens);
        if (word == "voice") return read_voice(tokens);
        if (word == "phrase") return read_phrase(tokens);
        for (auto& [voice, body] : voices_) {
            if (voice.name == word) {
                body.insert(body.end(), tokens.begin() + 1, tokens.end());
                return;
            }
        }
        fail(tokens[0], "unknown voice or directive \"" + word + "\"");
    }

    // The one argument of a directive.
    const Token& argument(const Tokens& tokens) const {
        if (tokens.size() < 2) {
            const Token& last = tokens.back();
            fail(part_of(last, last.text.size()), "\"" + last.text + "\" needs a value");
        }
        if (tokens.size() > 2) fail(tokens[2], "unexpected \"" + tokens[2].text + "\"");
        return tokens[1];
    }

    void once(const Tokens& tokens, bool& seen) const {
        if (seen) fail(tokens[0], "\"" + tokens[0].text + "\" is given twice");
        seen = true;
    }

    void read_tempo(const Tokens& tokens) {
        once(tokens, tempo_set_);
        const Token& value = argument(tokens);
        const auto tempo = to_int(value.text);
        if (!tempo || *tempo < 20 || *tempo > 400) {
            fail(value, "the tempo is a whole number of quarter notes per minute, 20 to 400");
        }
        score_.tempo = *tempo;
    }

    void read_meter(const Tokens& tokens) {
        once(tokens, meter_set_);
        const Token& value = argument(tokens);
        meter_ = value.text;
        const auto slash = meter_.find('/');
        const auto beats = to_int(std::string_view(meter_).substr(0, slash));
        const auto unit = slash == std::string::npos
                              ? std::nullopt
                              : to_int(std::string_view(meter_).substr(slash + 1));
        const bool unit_ok =
            unit && (*unit == 1 || *unit == 2 || *unit == 4 || *unit == 8 || *unit == 16);
        if (!beats || *beats < 1 || *beats > 32 || !unit_ok) {
            fail(value, "a meter is written like 4/4, 3/4 or 6/8");
        }
        bar_ = *beats * (kTicksPerWhole / *unit);
    }

    // "30s", "2.5s" or "1:30".
    void read_length(const Tokens& tokens) {
        bool seen = score_.length.has_value();
        once(tokens, seen);
        const Token& value = argument(tokens);
        const std::string_view text = value.text;
        std::optional<double> seconds;
        if (const auto colon = text.find(':'); colon != std::string_view::npos) {
            const auto minutes = to_int(text.substr(0, colon));
            const auto rest = to_number(text.substr(colon + 1));
            if (minutes && rest && *minutes >= 0 && *rest >= 0 && *rest < 60) {
                seconds = *minutes * 60 + *rest;
            }
        } else if (text.size() > 1 && text.back() == 's') {
            seconds = to_number(text.substr(0, text.size() - 1));
        }
        if (!seconds || *seconds <= 0 || *seconds > kMaxSeconds) {
            fail(value, "a length is written like 30s, 2.5s or 1:30, at most 10:00");
        }
        score_.length = seconds;
    }

    void check_new_name(const Token& name, const std::string& what) const {
        static const char* const kReserved[] = {"tempo", "meter", "length", "voice", "phrase"};
        bool reserved = false;
        for (const char* word : kReserved) reserved = reserved || name.text == word;
        if (!is_name(name.text) || reserved) {
            fail(name, "\"" + name.text + "\" cannot name a " + what +
                           ": use letters, digits and '_', starting with a letter");
        }
    }

    // voice NAME WAVE key=value...
    void read_voice(const Tokens& tokens) {
        if (tokens.size() < 3) {
            const Token& last = tokens.back();
            fail(part_of(last, last.text.size()), "a voice needs a name and a waveform");
        }
        check_new_name(tokens[1], "voice");
        for (const auto& [voice, body] : voices_) {
            if (voice.name == tokens[1].text)
                fail(tokens[1], "voice \"" + voice.name + "\" is declared twice");
        }
        Voice voice;
        voice.name = tokens[1].text;
        voice.sound.wave = read_wave(tokens[2]);
        for (std::size_t i = 3; i < tokens.size(); ++i) read_setting(tokens[i], voice.sound);
        voices_.emplace_back(std::move(voice), Tokens{});
    }

    Wave read_wave(const Token& token) const {
        if (token.text == "square") return Wave::square;
        if (token.text == "triangle") return Wave::triangle;
        if (token.text == "saw") return Wave::saw;
        if (token.text == "noise") return Wave::noise;
        fail(token, "unknown waveform \"" + token.text + "\": square, triangle, saw or noise");
    }

    // key=value, with the value checked against the setting's range.
    void read_setting(const Token& token, Sound& sound) const {
        struct Setting {
            const char* key;
            double Sound::*field;
            double low, high;
            double scale;  // milliseconds become seconds
            const char* range;
        };
        static const Setting kSettings[] = {
            {"duty", &Sound::duty, 0.01, 0.99, 1, "0.01 to 0.99"},
            {"attack", &Sound::attack, 0, 10000, 0.001, "0 to 10000 ms"},
            {"decay", &Sound::decay, 0, 10000, 0.001, "0 to 10000 ms"},
            {"sustain", &Sound::sustain, 0, 1, 1, "0 to 1"},
            {"release", &Sound::release, 0, 10000, 0.001, "0 to 10000 ms"},
            {"volume", &Sound::volume, 0, 1, 1, "0 to 1"},
            {"gate", &Sound::gate, 0.05, 1, 1, "0.05 to 1"},
            {"vibrato", &Sound::vibrato, 0, 1200, 1, "0 to 1200 cents"},
            {"rate", &Sound::rate, 0.1, 50, 1, "0.1 to 50 Hz"},
            {"sweep", &Sound::sweep, -10000, 10000, 1, "-10000 to 10000 semitones a second"},
            {"echo", &Sound::echo, 0, 5000, 0.001, "0 to 5000 ms"},
            {"feedback", &Sound::feedback, 0, 0.9, 1, "0 to 0.9"},
        };
        const auto equals = token.text.find('=');
        const std::string key = token.text.substr(0, equals);
        for (const Setting& setting : kSettings) {
            if (key != setting.key) continue;
            if (equals == std::string::npos)
                fail(token, key + " needs a value, like " + key + "=1");
            const auto value = to_number(std::string_view(token.text).substr(equals + 1));
            if (!value || *value < setting.low || *value > setting.high) {
                fail(part_of(token, equals + 1), key + " goes from " + setting.range);
            }
            sound.*setting.field = *value * setting.scale;
            return;
        }
        fail(token, "unknown setting \"" + key + "\"");
    }

    // phrase NAME tokens...: a later line of the same name continues the phrase.
    void read_phrase(const Tokens& tokens) {
        if (tokens.size() < 2)
            fail(part_of(tokens[0], tokens[0].text.size()), "a phrase needs a name");
        check_new_name(tokens[1], "phrase");
        Tokens& body = phrases_[tokens[1].text];
        body.insert(body.end(), tokens.begin() + 2, tokens.end());
    }

    // ---- Laying out a voice's notes ----

    void lay_out(Voice& voice, const Tokens& tokens) {
        Cursor cursor{voice};
        play(tokens, 0, tokens.size(), 0, cursor);
        voice.end = cursor.position;
    }

    void play(const Tokens& tokens, std::size_t begin, std::size_t end, int transpose,
              Cursor& cursor) {
        for (std::size_t i = begin; i < end; ++i) {
            const Token& token = tokens[i];
            if (++cursor.events > kMaxEvents) fail(token, "too many notes in one voice");
            if (token.text == "|:") {
                i = play_repeat(tokens, i, end, transpose, cursor);
            } else if (token.text.starts_with(":|")) {
                fail(token, "\":|\" ends a repeat that no \"|:\" started");
            } else if (token.text == "|" || token.text == "||") {
                check_bar(token, cursor);
            } else if (token.text[0] == '$') {
                play_phrase(token, transpose, cursor);
            } else if (const auto level = dynamic_level(token.text)) {
                cursor.level = *level;
            } else {
                play_written(token, read_written(token), transpose, cursor);
            }
        }
    }

    // Plays |: ... :| and returns where the repeat closes.
    std::size_t play_repeat(const Tokens& tokens, std::size_t open, std::size_t end, int transpose,
                            Cursor& cursor) {
        const std::size_t close = closing_repeat(tokens, open, end);
        check_bar(tokens[open], cursor);
        enter(tokens[open], cursor);
        for (int n = repeat_count(tokens[close]); n > 0; --n) {
            play(tokens, open + 1, close, transpose, cursor);
            check_bar(tokens[close], cursor);
        }
        --cursor.nesting;
        return close;
    }

    void enter(const Token& token, Cursor& cursor) const {
        if (++cursor.nesting > kMaxNesting) fail(token, "repeats and phrases nest too deep");
    }

    std::size_t closing_repeat(const Tokens& tokens, std::size_t open, std::size_t end) const {
        int depth = 0;
        for (std::size_t i = open; i < end; ++i) {
            if (tokens[i].text == "|:") ++depth;
            if (tokens[i].text.starts_with(":|") && --depth == 0) return i;
        }
        fail(tokens[open], "\"|:\" starts a repeat that no \":|\" ends");
    }

    // ":|" plays the part twice, ":|x3" three times.
    int repeat_count(const Token& close) const {
        if (close.text == ":|") return 2;
        const auto count = close.text.size() > 3 && close.text[2] == 'x'
                               ? to_int(std::string_view(close.text).substr(3))
                               : std::nullopt;
        if (!count || *count < 1 || *count > kMaxRepeats) {
            fail(close, "a repeat ends with \":|\" or \":|x3\" (1 to 99 times)");
        }
        return *count;
    }

    // A bar line must close whole bars: one, or several under a long note or rest.
    void check_bar(const Token& token, Cursor& cursor) const {
        const std::int64_t length = cursor.position - cursor.last_bar;
        if (bar_ && length % *bar_ != 0) {
            fail(token, "this bar of voice \"" + cursor.voice.name + "\" lasts " +
                            as_fraction(length) + ", the meter wants " + meter_);
        }
        cursor.last_bar = cursor.position;
    }

    // $name, $name+5, $name-12: a phrase, transposed by semitones.
    void play_phrase(const Token& token, int transpose, Cursor& cursor) {
        const auto sign = token.text.find_first_of("+-");
        const std::string name = token.text.substr(1, sign == std::string::npos ? sign : sign - 1);
        int shift = 0;
        if (sign != std::string::npos) {
            const auto amount = to_int(std::string_view(token.text).substr(sign + 1));
            if (!amount || *amount < 0 || *amount > 48)
                fail(part_of(token, sign), "a transposition is +N or -N semitones, at most 48");
            shift = token.text[sign] == '-' ? -*amount : *amount;
        }
        const auto found = phrases_.find(name);
        if (found == phrases_.end()) fail(token, "unknown phrase \"" + name + "\"");
        for (const std::string& playing : cursor.phrases) {
            if (playing == name) fail(token, "phrase \"" + name + "\" plays itself");
        }
        enter(token, cursor);
        cursor.phrases.push_back(name);
        play(found->second, 0, found->second.size(), transpose + shift, cursor);
        cursor.phrases.pop_back();
        --cursor.nesting;
    }

    void play_written(const Token& token, const Written& written, int transpose, Cursor& cursor) {
        if (written.length) cursor.duration = *written.length;
        for (int pitch : written.pitches) {
            const int played = pitch + transpose;
            if (played < kLowestPitch || played > kHighestPitch) {
                fail(token, "note out of range once transposed (C0 to B8)");
            }
            cursor.voice.notes.push_back({cursor.position, cursor.duration, played, cursor.level});
        }
        cursor.position += cursor.duration;
        const double seconds =
            static_cast<double>(cursor.position) * 240.0 / kTicksPerWhole / score_.tempo;
        if (seconds > kMaxSeconds) fail(token, "the piece would last more than 10 minutes");
    }

    // ---- Notes, rests, chords and lengths ----

    // C4, F#3, Bb2, r, [C4 E4 G4], each followed by an optional length such as /8.
    Written read_written(const Token& token) const {
        Written written;
        std::size_t i = 0;
        const std::string& text = token.text;
        if (text[0] == 'r') {
            i = 1;
        } else if (text[0] == '[') {
            i = text.find(']') + 1;
            written.pitches = read_chord(token, i - 1);
        } else {
            written.pitches.push_back(read_pitch(token, i));
        }
        if (i < text.size()) written.length = read_length_of(token, i);
        return written;
    }

    std::vector<int> read_chord(const Token& token, std::size_t close) const {
        std::vector<int> pitches;
        std::size_t i = 1;
        while (i < close) {
            if (is_space(token.text[i])) {
                ++i;
                continue;
            }
            pitches.push_back(read_pitch(token, i));
            if (i < close && !is_space(token.text[i]))
                fail(part_of(token, i), "a chord holds notes only, like [C4 E4 G4]/2");
        }
        if (pitches.empty() || pitches.size() > kMaxChord) {
            fail(token, "a chord holds 1 to 8 notes");
        }
        return pitches;
    }

    // A letter, up to two sharps or flats, an octave from 0 to 8; advances `i`.
    int read_pitch(const Token& token, std::size_t& i) const {
        static const int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
        const std::string& text = token.text;
        const Token here = part_of(token, i);
        if (i >= text.size() || text[i] < 'A' || text[i] > 'G') {
            fail(here, "expected a note (C4, F#3, Bb2), a rest (r) or a chord ([C4 E4])");
        }
        int pitch = kSteps[text[i++] - 'A'];
        for (int n = 0; n < 2 && i < text.size() && (text[i] == '#' || text[i] == 'b'); ++n) {
            pitch += text[i++] == '#' ? 1 : -1;
        }
        if (i >= text.size() || text[i] < '0' || text[i] > '8') {
            fail(part_of(token, i), "a note needs its octave, 0 to 8, like C4");
        }
        return pitch + 12 * (text[i++] - '0' + 1);
    }

    // /4 quarter, /8. dotted eighth, /8t triplet eighth, /2+8 a half tied to an eighth.
    std::int64_t read_length_of(const Token& token, std::size_t i) const {
        const std::string& text = token.text;
        if (text[i] != '/') fail(part_of(token, i), "a length starts with '/', like /4 or /8.");
        std::int64_t total = 0;
        do {
            total += read_one_length(token, ++i);
        } while (i < text.size() && text[i] == '+');
        if (i < text.size()) fail(part_of(token, i), "unexpected \"" + text.substr(i) + "\"");
        return total;
    }

    std::int64_t read_one_length(const Token& token, std::size_t& i) const {
        const std::string& text = token.text;
        const std::size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        const auto value = to_int(std::string_view(text).substr(start, i - start));
        const bool power_of_two =
            value && *value >= 1 && *value <= 64 && (*value & (*value - 1)) == 0;
        if (!power_of_two) fail(part_of(token, start), "a length is 1, 2, 4, 8, 16, 32 or 64");
        std::int64_t length = kTicksPerWhole / *value;
        if (i < text.size() && text[i] == 't') {
            length = length * 2 / 3;
            ++i;
        }
        std::int64_t added = length;
        for (int dots = 0; i < text.size() && text[i] == '.'; ++dots, ++i) {
            if (dots == 2) fail(part_of(token, i), "at most two dots");
            added /= 2;
            length += added;
        }
        return length;
    }

    std::string_view text_;
    std::string file_;
    Score score_;
    bool tempo_set_ = false;
    bool meter_set_ = false;
    std::string meter_;
    std::optional<std::int64_t> bar_;
    std::vector<std::pair<Voice, Tokens>> voices_;
    std::map<std::string, Tokens> phrases_;
};

}  // namespace

Score parse_score(std::string_view text, const std::string& file) {
    return Parser(text, file).parse();
}

Score read_score(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(path, error)) {
        throw ScoreError(path, 0, 0, "cannot read the score");
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw ScoreError(path, 0, 0, "cannot read the score");
    return parse_score(text, path);
}

}  // namespace vov::synth
