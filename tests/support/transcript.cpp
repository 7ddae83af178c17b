#include "transcript.hpp"

#include <unistd.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "console/cp850.hpp"
#include "scratch.hpp"
#include "shell/main_flow.hpp"
#include "test_game.hpp"

namespace vov::test {

namespace fs = std::filesystem;

namespace {

// ---- Reading a path ------------------------------------------------------------

[[noreturn]] void bad_path(const fs::path& file, int line, const std::string& what) {
    throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
}

// The keys of one token: "a", "é", "Enter", "special+3", or a quoted line.
PathKey key_of(const std::string& token, const fs::path& file, int line) {
    static const std::map<std::string, int> kNamed = {
        {"Space", ' '}, {"Enter", '\n'}, {"Backspace", '\b'}, {"Tab", '\t'}};
    PathKey key;
    key.shown = token;
    if (const auto named = kNamed.find(token); named != kNamed.end()) {
        key.keys = {named->second};
    } else if (token.rfind("special+", 0) == 0) {
        key.keys = {kSpecialKey + std::stoi(token.substr(8))};
    } else {
        const std::string code = cp850(token);
        if (code.size() != 1) bad_path(file, line, "not a key: " + token);
        key.keys = {static_cast<unsigned char>(code[0])};
    }
    return key;
}

PathKey line_of(const std::string& text) {
    PathKey key;
    key.line = true;
    for (const char c : cp850(text)) key.keys.push_back(static_cast<unsigned char>(c));
    key.keys.push_back('\n');
    std::string shown = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') shown += '\\';
        shown += c;
    }
    key.shown = shown + "\"";
    return key;
}

// Splits a keys line into tokens; a quoted line is one token (kept with its quotes).
std::vector<std::string> tokens_of(const std::string& text, const fs::path& file, int line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == '"') {
            token += '"';
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size()) ++i;
                token += text[i];
            }
            if (i >= text.size()) bad_path(file, line, "unfinished quoted line");
            ++i;
            token += '"';
            // A repeat may follow the closing quote.
            while (i < text.size() && text[i] != ' ') token += text[i++];
        } else {
            while (i < text.size() && text[i] != ' ') token += text[i++];
        }
        tokens.push_back(token);
    }
    return tokens;
}

void add_keys(Path& path, const std::string& text, const fs::path& file, int line, PathKey& clock) {
    for (const std::string& token : tokens_of(text, file, line)) {
        std::string single = token;
        int times = 1;
        const std::size_t star = token.rfind('*');
        if (star != std::string::npos && star > 0 && star + 1 < token.size() &&
            token.find_first_not_of("0123456789", star + 1) == std::string::npos) {
            single = token.substr(0, star);
            times = std::stoi(token.substr(star + 1));
        }
        for (int n = 0; n < times; ++n) {
            PathKey key = single.front() == '"' && single.size() >= 2 && single.back() == '"'
                              ? line_of(single.substr(1, single.size() - 2))
                              : key_of(single, file, line);
            if (clock.sets_clock) {
                key.sets_clock = true;
                key.clock = clock.clock;
                key.clock_step = clock.clock_step;
                clock.sets_clock = false;
            }
            path.keys.push_back(key);
        }
    }
}

// ---- The game's named values ----------------------------------------------------

std::string quoted(const char* text) { return "\"" + cp850_to_utf8(text) + "\""; }

std::string choice_text(int value) {
    std::string text = std::to_string(value);
    if (value > 32 && value < 127) text += std::string(" '") + static_cast<char>(value) + "'";
    return text;
}

using Values = std::vector<std::pair<std::string, std::string>>;

Values named_values(Game& game) {
    Values v;
    auto number = [&v](const std::string& name, int value) { v.emplace_back(name, std::to_string(value)); };
    auto text = [&v](const std::string& name, const char* value) { v.emplace_back(name, quoted(value)); };
    Hero& h = game.hero;
    v.emplace_back("hero.name", "\"" + cp850_to_utf8(std::string(h.name, strnlen(h.name, sizeof h.name))) + "\"");
    text("hero.weapon2_name", h.weapon2_name);
    text("hero.race_name", h.race_name);
    text("hero.skin_name", h.skin_name);
    text("hero.hair_name", h.hair_name);
    text("hero.eyes_name", h.eyes_name);
    text("hero.class_name", h.class_name);
    text("hero.weapon1_name", h.weapon1_name);
    for (const NamedNumber& field : h.numbers()) number(std::string("hero.") + field.name, *field.value);
    number("hero.story_flags[0]", h.story_flags[0]);
    number("hero.story_flags[1]", h.story_flags[1]);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string index = "[" + std::to_string(slot) + "]";
        number("hero.item_owned" + index, h.item_owned[slot]);
        text("hero.item_name" + index, h.item_name[slot]);
    }
    for (const NamedNumber& field : game.fight.fields()) number(std::string("fight.") + field.name, *field.value);
    const Monster& m = game.monster;
    const std::pair<const char*, int> monster[] = {
        {"hp", m.hp},           {"energy", m.energy},           {"defense", m.defense},
        {"magic_resistance", m.magic_resistance}, {"agility", m.agility}, {"robustness", m.robustness},
        {"spell_power", m.spell_power}, {"level", m.level},     {"has_shield", m.has_shield},
        {"weapon_parry", m.weapon_parry}, {"weapon_damage", m.weapon_damage},
        {"experience_reward", m.experience_reward}};
    for (const auto& [name, value] : monster) number(std::string("Monster.") + name, value);
    v.emplace_back("choice", choice_text(game.choice));
    number("current_chapter", game.current_chapter);
    number("damage", game.damage);
    number("blow_avoided", game.blow_avoided);
    number("spell_attack", game.spell_attack);
    number("roll", game.roll);
    number("monster_kind", game.monster_kind);
    number("defense_buff_used", game.defense_buff_used);
    number("monster_status", game.monster_status);
    text("monster_name", game.monster_name);
    text("monster_weapon", game.monster_weapon);
    v.emplace_back("save_name", "\"" + cp850_to_utf8(game.save_name) + "\"");
    return v;
}

// ---- The screen -------------------------------------------------------------------

// Each non-blank row as "NN|text"; under it, when some of its characters are not in
// colour 7, a line "  :" with the colour digit of each such character.
std::string screen_rows(const Screen& screen) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::ostringstream out;
    for (int y = 1; y <= screen.rows(); ++y) {
        const std::string text = screen.row_text(y);
        if (text.empty()) continue;
        std::string colours;
        for (int x = 1; x <= screen.cols(); ++x) {
            const Cell& cell = screen.at(x, y);
            const int colour = cell.attr & 0x0F;
            colours += cell.ch != ' ' && cell.ch != 0 && colour != 7 ? kDigits[colour] : ' ';
        }
        colours.erase(colours.find_last_not_of(' ') + 1);
        out << (y < 10 ? " " : "") << y << '|' << text << '\n';
        if (!colours.empty()) out << "  :" << colours << '\n';
    }
    return out.str();
}

// ---- The files of the working directory ------------------------------------------

using Files = std::map<std::string, std::string>;

Files working_files() {
    Files files;
    for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory()) {
            files[name] = "(a folder)";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            files[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

// ---- Playing a path ------------------------------------------------------------------

struct ScriptEnd {};
struct TooLong {};

class Recorder : public Keyboard {
public:
    static constexpr int kMostWaits = 20000;

    Recorder(const Path& path, const Screen& screen, RecordingMusic& music, FixedClock& clock)
        : path_(path), screen_(screen), music_(music), clock_(clock), step_(path.clock_step) {
        clock_.seconds = path.clock;
        files_ = working_files();
    }

    // The game whose numbers are named; its values now are the starting point.
    void watch(Game& game) {
        game_ = &game;
        values_ = named_values(game);
    }

    int read_key() override {
        if (!typing_.empty()) {
            const int key = typing_.front();
            typing_.erase(typing_.begin());
            return key;
        }
        if (++waits_ > kMostWaits) throw TooLong{};
        out_ << "== wait " << waits_ << '\n';
        write_happenings();
        write_screen();
        if (next_ >= path_.keys.size()) {
            out_ << "key: -\n";
            throw ScriptEnd{};
        }
        const PathKey& key = path_.keys[next_++];
        if (key.sets_clock) {
            clock_.seconds = key.clock;
            step_ = key.clock_step;
        } else {
            clock_.seconds += step_;
        }
        out_ << (key.line ? "line: " : "key: ") << key.shown << '\n';
        typing_.assign(key.keys.begin() + 1, key.keys.end());
        return key.keys.front();
    }

    // What happened since the last wait: tracks, named changes, files written.
    void write_happenings() {
        auto& tracks = music_.tracks;
        out_ << "tracks:";
        if (tracks.empty()) out_ << " -";
        for (std::size_t i = 0; i < tracks.size(); ++i) out_ << (i == 0 ? " " : ", ") << tracks[i];
        out_ << '\n';
        tracks.clear();
        write_changes();
        write_files();
    }

    void end(const std::string& how) { out_ << "== end: " << how << '\n'; }
    std::string text() const { return out_.str(); }

private:
    void write_changes() {
        const Values now = named_values(*game_);
        std::ostringstream changes;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i].second == values_[i].second) continue;
            changes << "  " << now[i].first << ": " << values_[i].second << " -> " << now[i].second << '\n';
        }
        out_ << "changes:" << (changes.str().empty() ? " -\n" : "\n" + changes.str());
        values_ = now;
    }

    void write_files() {
        const Files now = working_files();
        for (const auto& [name, contents] : now) {
            const auto before = files_.find(name);
            if (before != files_.end() && before->second == contents) continue;
            // The game names its files in UTF-8 and writes the hero's name in code page 850.
            out_ << "file: " << name << '\n';
            std::istringstream lines(contents);
            for (std::string line; std::getline(lines, line);) {
                out_ << "  | " << cp850_to_utf8(line) << '\n';
            }
        }
        for (const auto& [name, contents] : files_) {
            if (now.count(name) == 0) out_ << "file gone: " << name << '\n';
        }
        files_ = now;
    }

    void write_screen() {
        if (screen_.scrolled_rows() != scrolled_) {
            out_ << "scrolled: " << screen_.scrolled_rows() - scrolled_ << " rows\n";
            scrolled_ = screen_.scrolled_rows();
        }
        const std::string rows = screen_rows(screen_);
        if (rows == last_screen_ && waits_ > 1) {
            out_ << "screen: unchanged\n";
        } else {
            out_ << "screen:\n" << rows;
        }
        last_screen_ = rows;
        out_ << "cursor: " << screen_.cursor_x() << ',' << screen_.cursor_y() << '\n';
    }

    const Path& path_;
    const Screen& screen_;
    RecordingMusic& music_;
    FixedClock& clock_;
    Game* game_ = nullptr;
    long long step_ = 0;
    std::size_t next_ = 0;
    int waits_ = 0;
    std::vector<int> typing_;
    Values values_;
    Files files_;
    std::string last_screen_;
    std::uint64_t scrolled_ = 0;
    std::ostringstream out_;
};

}  // namespace

Path read_path(const fs::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    Path path;
    PathKey clock;
    int number = 0;
    bool directives = false;
    for (std::string line; std::getline(in, line);) {
        ++number;
        // The comment lines before the first directive are the path's title.
        if (line.rfind("# ", 0) == 0 && !directives) path.title += (path.title.empty() ? "" : "\n# ") + line.substr(2);
        const std::size_t comment = line.find('#');
        // A '#' inside a quoted line is part of it.
        if (comment != std::string::npos && line.find('"') > comment) line.erase(comment);
        std::istringstream words(line);
        std::string directive;
        if (!(words >> directive)) continue;
        directives = true;
        if (directive == "clock") {
            long long start = 0;
            std::string step = "+0";
            if (!(words >> start)) bad_path(file, number, "clock needs seconds");
            words >> step;
            const long long by = std::stoll(step);
            if (path.keys.empty()) {
                path.clock = start;
                path.clock_step = by;
            } else {
                clock.sets_clock = true;
                clock.clock = start;
                clock.clock_step = by;
            }
        } else if (directive == "console") {
            char x = 0;
            if (!(words >> path.cols >> x >> path.rows) || x != 'x') bad_path(file, number, "console COLSxROWS");
        } else if (directive == "save") {
            std::string name, fixture;
            if (!(words >> name >> fixture)) bad_path(file, number, "save NAME FILE");
            path.saves.emplace_back(name, fixture);
        } else if (directive == "keys") {
            std::string rest;
            std::getline(words, rest);
            add_keys(path, rest, file, number, clock);
        } else {
            bad_path(file, number, "unknown directive " + directive);
        }
    }
    return path;
}

std::string record_transcript(const Path& path, const fs::path& saves_dir) {
    const fs::path fixtures = fs::absolute(saves_dir);
    const ScratchFolder folder;  // a fresh working directory for the path
    const InFolder inside(folder.path());
    for (const auto& [name, fixture] : path.saves) {
        const std::string file = name + "_save.txt";
        if (fixture == "folder") {
            fs::create_directory(file);
        } else {
            fs::copy_file(fixtures / fixture, file);
        }
    }
    Screen screen(path.cols, path.rows);
    RecordingMusic music;
    FixedClock clock;
    Recorder recorder(path, screen, music, clock);
    Game game(screen, recorder, music, clock);
    recorder.watch(game);
    try {
        run_game(game);
        recorder.end("the game returned");
    } catch (const GameOver& over) {
        recorder.end("game over, exit status " + std::to_string(over.status));
        recorder.write_happenings();
    } catch (const ScriptEnd&) {
        recorder.end("the script has no more keys");
    } catch (const TooLong&) {
        recorder.end("stopped after " + std::to_string(Recorder::kMostWaits) + " key waits");
    }
    return "# " + path.title + "\n" + recorder.text();
}

}  // namespace vov::test
