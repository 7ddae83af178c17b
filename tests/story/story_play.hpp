// Playing the story by what the screen shows: each scripted key is pressed once
// its anchor text is on the screen, and every other key wait (a pause, a fight
// message, a level-up) gets the filler '1' (the weapon in a fight, agility at a
// level-up). So a test names its choices and does not depend on how many pauses
// a fight takes. Every screen met on the way has its layout checked.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov::test {

// Pressed at its anchor, it stops the play there.
constexpr char kStop = '\0';

struct AnchoredKey {
    std::string anchor;                // text that must be on the screen
    char key;                          // the key pressed then
    std::function<void()> check = {};  // run when the anchor shows, before the key
};
using Script = std::deque<AnchoredKey>;

inline Script operator+(Script first, const Script& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// A clock second at which the hero's blows land: a blow reseeds, rolls its damage,
// then one roll in three lets the monster avoid it.
inline std::int64_t clock_where_blows_land() {
    for (std::int64_t seconds = 1000;; ++seconds) {
        Random r;
        r.seed(static_cast<std::uint32_t>(seconds));
        r.draw();
        if (r.draw() % 3 != 0) return seconds;
    }
}

// The first roll modulo n after seeding from the clock, as a luck test draws it.
inline int first_roll(std::int64_t seconds, int n) {
    Random r;
    r.seed(static_cast<std::uint32_t>(seconds));
    return r.draw() % n;
}

inline bool is_word_char(std::uint8_t ch) { return std::isalnum(ch) != 0 || ch >= 0x80; }

class Playthrough {
public:
    static constexpr int kConsoleRows = 44;
    static constexpr int kTallRows = 60;  // what would scroll the console shows below row 44

    // A human of 175 cm who kills every monster with the first blow and takes no
    // harm when striking first.
    explicit Playthrough(int hero_class = kKnight) {
        hero.hero_class = hero_class;
        hero.race = kHuman;
        hero.height_cm = 175;
        hero.weapon1_name = "epee";
        hero.level = hero.chapter = t.game.current_chapter = 1;
        hero.hp = hero.max_hp = 300;
        hero.energy = hero.max_energy = 30;
        hero.defense = hero.base_defense = hero.magic_resistance = 40;
        hero.agility = 20;
        hero.robustness = 200;
        hero.luck = 8;
        hero.weapon_damage = 10;
        for (int* field : t.game.fight.fields()) *field = 1;
        t.game.fight.hero_hp = hero.hp;
        t.clock.seconds = clock_where_blows_land();
    }

    // Counts the screens that show `text` at a key wait (waits in a row count once).
    void watch(const std::string& text) { watched_[text] = {}; }
    int screens_showing(const std::string& text) const { return watched_.at(text).screens; }
    // Whether any screen met at a key wait showed `text`.
    bool seen(const std::string& text) const {
        return std::any_of(screens.begin(), screens.end(),
                           [&](const std::string& s) { return s.find(text) != std::string::npos; });
    }
    int plays_of(const std::string& track) const {
        const auto& tracks = t.music.tracks;
        return static_cast<int>(std::count(tracks.begin(), tracks.end(), track));
    }

    // Fights started so far (each plays a combat track).
    int fights() const {
        const auto& tracks = t.music.tracks;
        return static_cast<int>(std::count_if(tracks.begin(), tracks.end(), [](const std::string& track) {
            return track.rfind("combat", 0) == 0;
        }));
    }

    // Plays until the chapter ends, the game ends (true) or a kStop anchor shows.
    bool play(void (*chapter)(Game&), Script script) {
        script_ = std::move(script);
        t.keys.on_wait = [this] { answer(); };
        bool over = false;
        try {
            chapter(t.game);
        } catch (const GameOver&) {
            over = true;
        } catch (const Stopped&) {
        }
        t.keys.on_wait = nullptr;
        EXPECT_TRUE(script_.empty()) << "not reached: " << script_.front().anchor << "\n" << t.text();
        return over;
    }

    TestGame t{80, kTallRows};
    Hero& hero = t.game.hero;
    std::vector<std::string> screens;  // as shown at each key wait

private:
    struct Stopped {};

    void answer() {
        if (++waits_ > 3000) throw std::runtime_error("too many key waits: the game is stuck");
        check_layout();
        screens.push_back(t.text());
        for (auto& [text, watch] : watched_) {
            const bool showing = t.find_row(text) != 0;
            if (showing && !watch.showing) ++watch.screens;
            watch.showing = showing;
        }
        char key = '1';
        if (!script_.empty() && t.find_row(script_.front().anchor) != 0) {
            if (script_.front().check) script_.front().check();
            key = script_.front().key;
            script_.pop_front();
            if (key == kStop) throw Stopped{};
        }
        t.keys.key(static_cast<unsigned char>(key));
    }

    // Menus stay above the footer, nothing scrolls a console of 44 rows and no
    // word is cut at the right edge (but in the one quoted sentence of the story
    // longer than a line).
    void check_layout() const {
        const std::string where = "\non this screen:\n" + t.text();
        EXPECT_LE(t.screen.cursor_y(), kConsoleRows) << "the console would scroll" << where;
        for (int y = kConsoleRows + 1; y <= kTallRows; ++y) {
            ASSERT_EQ(t.row(y), "") << "text below row 44" << where;
        }
        for (int y = 1; y < kConsoleRows; ++y) {
            const bool cut = is_word_char(t.screen.at(80, y).ch) && is_word_char(t.screen.at(1, y + 1).ch);
            EXPECT_FALSE(cut && t.row(y).rfind("Vous essayez d'enlever la plante", 0) != 0)
                << "a word is cut at the end of row " << y << where;
        }
        if (t.row(44) != "0) Quitter le jeu.") return;
        EXPECT_EQ(t.row(42), "8) Voir votre equipement.") << where;
        EXPECT_EQ(t.row(43), "9) Voir les caracteristiques de votre personnage.") << where;
        EXPECT_LE(t.screen.cursor_y(), 41) << "the menu runs into the footer" << where;
    }

    struct Watch {
        int screens = 0;
        bool showing = false;
    };
    Script script_;
    std::map<std::string, Watch> watched_;
    int waits_ = 0;
};

}  // namespace vov::test
