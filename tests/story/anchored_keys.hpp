// Playing chapters 2 and 3 by what the screen shows: each scripted key is pressed
// only once its anchor text is on the screen, and every other key wait (a pause,
// a fight message, a level-up) gets a filler key. So a test names the choices it
// makes and does not depend on how many pauses a fight takes.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "test_game.hpp"

namespace vov::test {

struct AnchoredKey {
    std::string anchor;               // text that must be on the screen
    char key;                         // the key pressed then
    std::function<void()> check = {}; // run when the anchor shows, before the key
};

class AnchoredKeys {
public:
    // Feeds `t`'s keyboard from now on. `filler` answers every wait without an
    // anchor: '1' chooses the weapon in a fight and agility at a level-up.
    explicit AnchoredKeys(TestGame& t, std::deque<AnchoredKey> script, char filler = '1')
        : t_(t), script_(std::move(script)), filler_(filler) {
        t_.keys.on_wait = [this] { answer(); };
    }
    ~AnchoredKeys() { t_.keys.on_wait = nullptr; }
    AnchoredKeys(const AnchoredKeys&) = delete;
    AnchoredKeys& operator=(const AnchoredKeys&) = delete;

    // Runs before each key wait, with the screen as the player sees it.
    std::function<void()> inspect;
    // Counts from now on the screens that show `text` at a key wait; waits in a
    // row on the same screen count once.
    void watch(const std::string& text) { watched_[text] = {}; }
    // How many screens showed a watched `text`.
    int screens_showing(const std::string& text) const;
    // The anchors not reached yet, and the first of them.
    std::size_t left() const { return script_.size(); }
    std::string next_anchor() const { return script_.empty() ? "" : script_.front().anchor; }

private:
    void answer();

    TestGame& t_;
    std::deque<AnchoredKey> script_;
    char filler_;
    int waits_ = 0;
    struct Watch {
        int screens = 0;
        bool showing = false;
    };
    std::map<std::string, Watch> watched_;
};

inline int AnchoredKeys::screens_showing(const std::string& text) const {
    const auto found = watched_.find(text);
    return found == watched_.end() ? -1 : found->second.screens;
}

inline void AnchoredKeys::answer() {
    // A fight that never ends would otherwise keep the test running for good.
    if (++waits_ > 3000) throw std::runtime_error("too many key waits: the game is stuck");
    if (inspect) inspect();
    for (auto& [text, watch] : watched_) {
        const bool showing = t_.find_row(text) != 0;
        if (showing && !watch.showing) ++watch.screens;
        watch.showing = showing;
    }
    if (!script_.empty() && t_.find_row(script_.front().anchor) != 0) {
        const AnchoredKey step = script_.front();
        script_.pop_front();
        if (step.check) step.check();
        t_.keys.key(static_cast<unsigned char>(step.key));
        return;
    }
    t_.keys.key(static_cast<unsigned char>(filler_));
}

// A hero who wins every fight with the first blow and takes no harm: the
// monsters never get a turn when the hero strikes first.
inline void make_strong_hero(Hero& hero, int hero_class) {
    hero.hero_class = hero_class;
    hero.class_name = "barbare";
    hero.weapon1_name = "epee";
    hero.level = 1;
    hero.experience = 0;
    hero.hp = hero.max_hp = 300;
    hero.energy = hero.max_energy = 30;
    hero.defense = hero.base_defense = 40;
    hero.magic_resistance = 40;
    hero.agility = 20;
    hero.precision = 10;
    hero.robustness = 200;
    hero.vigour = 10;
    hero.intuition = 10;
    hero.virtue = 10;
    hero.luck = 8;
    hero.weapon_damage = 10;
    hero.chapter = 2;
}

}  // namespace vov::test
