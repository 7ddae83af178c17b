#include "hero/creation.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "hero_script.hpp"

namespace vov::test {
namespace {

std::string height_for(char race) {
    if (race == '2') return "100";
    if (race == '5') return "60";
    return "170";
}

void create(TestGame& t, CreationKeys keys) {
    t.keys.type(keys.script());
    create_hero(t.game);
    EXPECT_EQ(t.keys.left(), 0u);
}

// The values after the race step (agility, precision, robustness, vigour,
// intuition, virtue, luck, defence, magic resistance, reputation); the wizard
// taken at the end adds 1 intuition.
struct RaceRow {
    char key;
    const char* name;
    std::vector<int> values;
};
const RaceRow kRaces[] = {
    {'1', "humain", {9, 9, 9, 9, 9, 9, 8, 0, 0, 0}},
    {'2', "nain", {8, 8, 10, 12, 8, 8, 8, 2, 0, 0}},
    {'3', "elfe", {11, 11, 7, 7, 8, 8, 8, 0, 5, 0}},
    {'4', "mi-orque mi-humain", {8, 8, 13, 9, 7, 7, 8, 0, 0, -2}},
    {'5', "farfadelfe", {8, 8, 6, 6, 12, 12, 8, -2, 3, 0}},
};

TEST(Creation, EachRaceGivesItsStartingValues) {
    for (const RaceRow& row : kRaces) {
        TestGame t;
        create(t, {.race = row.key, .height = height_for(row.key), .hero_class = '1'});
        const Hero& h = t.game.hero;
        EXPECT_EQ(h.race, row.key - '0');
        EXPECT_STREQ(h.race_name, row.name);
        EXPECT_EQ(h.base_defense, h.defense);
        EXPECT_EQ((std::vector<int>{h.agility, h.precision, h.robustness, h.vigour,
                                    h.intuition - 1, h.virtue, h.luck, h.defense,
                                    h.magic_resistance, h.reputation}),
                  row.values)
            << row.name;
    }
}

struct ClassRow {
    char key;
    int code;
    const char* name;
    const char* weapon;
    int weapon_kind;
    int damage;
    int Hero::*bonus;  // the class's bonus point, on top of the dwarf's value
    int bonus_value;
};

const ClassRow kClasses[] = {
    {'1', kWizard, "sorcier", "baton", 0, 4, &Hero::intuition, 9},
    {'2', kPriest, "pretre", "sceptre", 1, 6, &Hero::virtue, 9},
    {'3', kRanger, "rodeur", "epee", 5, 11, &Hero::agility, 9},
    {'4', kThief, "voleur", "dague", 2, 10, &Hero::luck, 9},
    {'5', kKnight, "chevalier", "epee batarde", 3, 13, &Hero::robustness, 11},
    {'6', kBarbarian, "barbare", "claymore", 4, 16, &Hero::agility, 9},
};

TEST(Creation, EachClassGetsItsWeaponBonusAndOnlyTheKnightAShield) {
    for (const ClassRow& row : kClasses) {
        SCOPED_TRACE(row.name);
        TestGame t;
        create(t, {.race = '2', .height = "100", .hero_class = row.key});  // a dwarf: every class
        const Hero& h = t.game.hero;
        EXPECT_EQ(h.hero_class, row.code);
        EXPECT_STREQ(h.class_name, row.name);
        EXPECT_STREQ(h.weapon1_name, row.weapon);
        EXPECT_EQ(h.weapon1_kind, row.weapon_kind);
        EXPECT_EQ(h.weapon_damage, row.damage);
        EXPECT_EQ(h.*row.bonus, row.bonus_value);
        const bool knight = row.code == kKnight;
        EXPECT_EQ(h.shield_parry, knight ? 1 : 0);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const bool shield = knight && slot == kSlotShield;
            EXPECT_EQ(h.item_owned[slot], shield ? 1 : 0) << slot;
            EXPECT_STREQ(h.item_name[slot], shield ? "bouclier de novice" : "rien") << slot;
        }
    }
}

TEST(Creation, StartsTheMusicAndResetsEveryStartingValue) {
    TestGame t;
    Game& g = t.game;
    // A hero already played: creation must not keep any of it.
    g.hero.experience = 300, g.hero.level = 5, g.hero.gold = 40, g.hero.item_owned[kSlotAmulet] = 1;
    g.hero.weapon2_kind = 2, g.hero.chapter = 3;
    g.hero.story_flags[1] = 1, g.fight.fight_result = 8, g.current_chapter = 0;
    create(t, {.hero_class = '3'});
    EXPECT_EQ(t.music.tracks, std::vector<std::string>{"creation.mp3"});
    for (int* value : g.fight.fields()) EXPECT_EQ(*value, 1);
    const Hero& h = g.hero;
    EXPECT_EQ((std::vector<int>{h.chapter, g.current_chapter, h.level, h.experience, h.gold,
                                h.spare_flag, h.weapon2_kind, h.item_owned[kSlotAmulet],
                                h.story_flags[1]}),
              (std::vector<int>{1, 1, 1, 0, 0, 1, 0, 0, 0}));
    EXPECT_STREQ(h.weapon2_name, "rien");
}

// Keys a menu does not offer are ignored (a human has no black skin); the
// appearance keys store their codes and texts.
TEST(Creation, MenusIgnoreKeysTheyDoNotOfferAndStoreTheChoice) {
    TestGame t;
    ScreenLog log(t);
    t.keys.type("Bob\n0x91" "765" "76" "83" "170\n" "a2");
    create_hero(t.game);
    const Hero& h = t.game.hero;
    EXPECT_EQ((std::vector<int>{h.race, h.skin, h.hair, h.eyes, h.hero_class}),
              (std::vector<int>{1, 5, 6, 3, kPriest}));
    EXPECT_EQ(std::string(h.skin_name) + "/" + h.hair_name + "/" + h.eyes_name,
              "marron fonce/pas de cheveux/bleus");
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(log.with("couleur de la peau").find("6)"), std::string::npos);

    TestGame elf;
    ScreenLog elf_log(elf);
    create(elf, {.race = '3', .skin = '6'});
    EXPECT_STREQ(elf.game.hero.skin_name, "noire");
    EXPECT_NE(elf_log.with("couleur de la peau").find("6) noire"), std::string::npos);
}

// The class menu is the last screen of creation, so it stays on the screen.
TEST(Creation, ClassMenuHidesAndRefusesClassesByRace) {
    struct Case {
        char race;
        std::string class_keys;  // hidden classes first, then the one taken
        int hero_class;
        bool shows_knight, shows_barbarian;
    };
    const Case cases[] = {
        {'1', "6", kBarbarian, true, true}, {'2', "6", kBarbarian, true, true},
        {'4', "6", kBarbarian, true, true}, {'3', "65", kKnight, true, false},
        {'5', "564", kThief, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.race);
        TestGame t;
        CreationKeys keys{.race = c.race, .height = height_for(c.race)};
        std::string script = keys.script();
        script.pop_back();
        t.keys.type(script + c.class_keys);
        create_hero(t.game);
        EXPECT_EQ(t.game.hero.hero_class, c.hero_class);
        EXPECT_EQ(t.find_row("Choisissez la classe de votre personnage:"), 1);
        EXPECT_EQ(t.find_row("4) voleur"), 9);
        EXPECT_EQ(t.find_row("5) chevalier") != 0, c.shows_knight);
        EXPECT_EQ(t.find_row("6) barbare") != 0, c.shows_barbarian);
    }
}

// The bounds, the retry message's spelling and the bounds as the question words them.
struct HeightCase {
    char race;
    int lowest, highest;
    const char* retry;
    const char* question;
};

const HeightCase kHeights[] = {
    {'2', 80, 120, "vueillez", "80\n\ncentimètres et 120 centimètres (égal 1 mètre 20).\n"},
    {'5', 40, 80, "vueillez", "40\n\ncentimètres et 80 centimètres.\n"},
    {'1', 140, 200, "veuillez", ""},
    {'3', 140, 200, "veuillez", ""},
    {'4', 140, 200, "veuillez",
     "140\n\ncentimètres et 200 centimètres (donc entre 1 mètre 40 et 2 mètres).\n"},
};

int count(const std::string& text, const std::string& needle) {
    int n = 0;
    for (std::size_t p = text.find(needle); p != std::string::npos; p = text.find(needle, p + 1))
        ++n;
    return n;
}

TEST(Creation, HeightBoundsQuestionAndRetryMessageByRace) {
    for (const HeightCase& c : kHeights) {
        for (const bool take_highest : {false, true}) {
            SCOPED_TRACE(std::string(1, c.race) + (take_highest ? " highest" : " lowest"));
            TestGame t;
            ScreenLog log(t);
            const int taken = take_highest ? c.highest : c.lowest;
            const std::string refused =
                std::to_string(c.lowest - 1) + "\n" + std::to_string(c.highest + 1) + "\nabc\n";
            create(t, {.race = c.race, .height = refused + std::to_string(taken)});
            EXPECT_EQ(t.game.hero.height_cm, taken);
            const std::string screen = log.with("Entrez la taille");
            const std::string message =
                std::string("La taille que vous avez choisi n'est pas correcte, ") + c.retry +
                " en resaisir une";
            EXPECT_EQ(count(screen, message), 3);
            EXPECT_EQ(count(screen, "\nnouvelle :\n"), 3);
            EXPECT_TRUE(log.first("Entrez la taille")
                            .starts_with("Entrez la taille de votre personnage, celle ci doit "
                                         "être comprise entre " +
                                         std::string(c.question)));
        }
    }
}

// Ten letters are taken (accented ones count as one and stay in code page 850);
// longer names are refused without writing past the name field.
TEST(Creation, NameLimits) {
    TestGame t;
    ScreenLog log(t);
    create(t, {.name = "Abcdefghijk\nAbcdefghij"});
    EXPECT_STREQ(t.game.hero.name, "Abcdefghij");
    EXPECT_NE(log.with("Saisissez le nom")
                  .find("Abcdefghijk\nLe nom que vous avez saisi est trop long, veuillez en "
                        "resaisir un plus court :\nAbcdefghij\n"),
              std::string::npos);

    TestGame accents;
    create(accents, {.name = cp850("Jérémièçàéé") + "\n" + cp850("Jérémièçàé")});
    EXPECT_EQ(std::string(accents.game.hero.name), cp850("Jérémièçàé"));

    TestGame longer;
    create(longer, {.name = std::string(150, 'x') + "\nBob"});
    const char expected[12] = {'B', 'o', 'b'};
    EXPECT_EQ(std::memcmp(longer.game.hero.name, expected, sizeof expected), 0);
}

// The second word of a two-word name is waiting for the height question: a word
// is refused once, a number within the bounds is the height at once.
TEST(Creation, SecondWordOfTheNameIsReadByTheHeightStep) {
    TestGame t;
    ScreenLog log(t);
    create(t, {.name = "Bob Smith", .height = "150"});
    EXPECT_STREQ(t.game.hero.name, "Bob");
    EXPECT_EQ(t.game.hero.height_cm, 150);
    EXPECT_EQ(count(log.with("Entrez la taille"), "n'est pas correcte"), 1);

    TestGame n;
    n.keys.type("Bob 160\n11111");
    create_hero(n.game);
    EXPECT_EQ(n.game.hero.height_cm, 160);
    EXPECT_EQ(n.keys.left(), 0u);
}

}  // namespace
}  // namespace vov::test
