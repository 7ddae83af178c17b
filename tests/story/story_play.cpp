#include "story_play.hpp"

#include <cstring>


namespace vov::test {

void make_hero(Game& game, int hero_class, int race) {
    Hero& hero = game.hero;
    std::strcpy(hero.name, "Arthur");
    hero.race = race;
    hero.hero_class = hero_class;
    hero.skin = 1;
    hero.hair = 1;
    hero.eyes = 1;
    hero.race_name = "humain";
    hero.class_name = "chevalier";
    hero.skin_name = "blanche";
    hero.hair_name = "bruns";
    hero.eyes_name = "bleus";
    hero.weapon1_name = "epee batarde";
    hero.weapon1_kind = 3;
    hero.weapon_damage = 13;
    hero.max_hp = hero.hp = 100;
    hero.max_energy = hero.energy = 10;
    hero.agility = 10;
    hero.precision = 20;
    hero.robustness = 20;
    hero.vigour = 20;
    hero.intuition = 8;
    hero.virtue = 8;
    hero.luck = 11;
    hero.height_cm = 175;
    hero.level = 1;
    hero.chapter = 1;
    game.current_chapter = 1;
    for (int* field : game.fight.fields()) *field = 1;
}

StoryPlayer::StoryPlayer(TestGame& t, const std::string& keys, std::vector<AfterFight> after_fights)
    : t_(t), legs_(std::move(after_fights)) {
    t_.keys.type(keys);
    t_.keys.on_wait = [this] { on_wait(); };
}

bool StoryPlayer::fight_started() const {
    const auto& tracks = t_.music.tracks;
    for (std::size_t i = tracks_seen_; i < tracks.size(); ++i) {
        if (tracks[i].rfind("combat", 0) == 0) return true;
    }
    return false;
}

void StoryPlayer::on_wait() {
    if (t_.keys.left() == 0 && next_ < legs_.size()) {
        if (t_.find_row(legs_[next_].marker) == 0) {
            // A fight: attack, and go on after each pause. Outside a fight the
            // script has simply run out.
            if (fight_started() && ++fight_keys_ < 2000) t_.keys.type("1");
            return;
        }
        t_.keys.type(legs_[next_++].keys);
        tracks_seen_ = t_.music.tracks.size();
    }
    if (inspect) inspect();
}

}  // namespace vov::test
