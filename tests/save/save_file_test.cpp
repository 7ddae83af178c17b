#include "save/save_file.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "hero/creation.hpp"
#include "hero/sheet.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

namespace fs = std::filesystem;

// A save written by the first version of the game: an elf wizard after chapter 1,
// wearing the gnome's amulet and the dryads' ring.
const std::vector<std::string> kElfSave = {
    "Aelis", "3",  "6", "2", "3",  "4",  "7",  "-8", "9",  "35", "50", "1",  "0",  "1", "0",
    "0",     "2",  // race .. chapter
    "30",    "44", "1", "6", "12", "11", "7",  "7",  "10", "8",  "9",  "-3", "14", "2", "1",
    "175",   "42", "2",
    "4",  // hp .. weapon_damage
    "0",     "0",  "0", "0", "0",  "0",  "1",  "1",  "0",  "0",  "0",  "0",  "0",  "0",  // item
                                                                                         // flags
    "1",     "0",                                                      // story flags
    "30",    "44", "0", "0", "35", "50", "40", "0",  "2",  "3",  "8",  // fight state
};

std::string join(const std::vector<std::string>& lines, const std::string& end) {
    std::string out;
    for (const auto& line : lines) out += line + end;
    return out;
}

std::string read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Every test runs in a fresh directory of its own.
class SaveFile : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/vovuzavo-save-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        home_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static void save(TestGame& t, const std::string& name) {
        t.keys.type("1" + name + "\n");
        offer_save(t.game);
    }
    static void load(TestGame& t, const std::string& name) {
        t.keys.type("9" + name + "\n");
        load_game(t.game);
    }

    fs::path dir_;
    fs::path home_;
};

TEST_F(SaveFile, LoadsAnOriginalFileWithCrlfLineEnds) {
    write("aelis_save.txt", join(kElfSave, "\r\n"));
    TestGame t;
    load(t, "aelis");
    const Hero& h = t.game.hero;
    EXPECT_NE(t.game.choice, '0');
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(t.game.save_name, "aelis_save.txt");
    EXPECT_STREQ(h.name, "Aelis");
    EXPECT_EQ(h.chapter, 2);
    EXPECT_EQ(t.game.current_chapter, 2);
    EXPECT_EQ(h.reserved[1], -8);
    EXPECT_EQ(h.reputation, -3);
    EXPECT_EQ(h.height_cm, 175);
    EXPECT_EQ(h.weapon_damage, 4);
    EXPECT_EQ(h.item_owned[kSlotAmulet], 1);
    EXPECT_EQ(h.story_flags[0], 1);
    EXPECT_EQ(t.game.fight.monster_max_hp, 40);
    EXPECT_EQ(t.game.fight.fight_result, 8);
    EXPECT_STREQ(h.race_name, "elfe");
    EXPECT_STREQ(h.skin_name, "noire");
    EXPECT_STREQ(h.hair_name, "blond");
    EXPECT_STREQ(h.eyes_name, "bleus");
    EXPECT_STREQ(h.class_name, "sorcier");
    EXPECT_STREQ(h.weapon1_name, "baton");
    EXPECT_STREQ(h.weapon2_name, "rien");

    // The equipment screen shows the two items and "rien" everywhere else.
    t.keys.type(" ");
    show_equipment(t.game);
    EXPECT_EQ(t.row(13), "amulette:  amulette du petit gnome");
    EXPECT_EQ(t.row(14), "anneau droit:  anneau des dryades perdues");
    EXPECT_EQ(t.row(3), "Tête:  rien");
    EXPECT_EQ(t.row(32), "bouclier : rien");
}

TEST_F(SaveFile, SavingWritesTheSameSixtyThreeLinesWithLineFeeds) {
    write("aelis_save.txt", join(kElfSave, "\r\n"));
    TestGame t;
    load(t, "aelis");
    save(t, "a");
    EXPECT_EQ(read("a_save.txt"), join(kElfSave, "\n"));
    EXPECT_EQ(t.game.save_name, "a_save.txt");
    EXPECT_EQ(files(), (std::vector<std::string>{"a_save.txt", "aelis_save.txt"}));
    EXPECT_EQ(t.text(), "");  // no confirmation
}

TEST_F(SaveFile, NewHeroSavedAfterCreationLoadsBackTheSame) {
    TestGame t;
    t.keys.type(cp850("Zoé") +
                " Martin\n"
                "4"
                "2"
                "6"
                "4"
                "180\n"
                "5"
                "753");
    create_hero(t.game);
    ask_personality(t.game);
    t.game.choice = kJustCreated;
    t.keys.type("  ");
    show_character_sheet(t.game);
    show_equipment(t.game);
    save(t, "zoe");

    const std::string text = read("zoe_save.txt");
    EXPECT_EQ(text.substr(0, 4), cp850("Zoé") + "\n");  // the name stays in code page 850
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 63);

    TestGame again;
    load(again, "zoe");
    const Hero& a = t.game.hero;
    const Hero& b = again.game.hero;
    EXPECT_STREQ(b.name, a.name);
    EXPECT_EQ(again.game.current_chapter, 1);
    for (const auto& [x, y] : {std::pair{a.race_name, b.race_name},
                               {a.skin_name, b.skin_name},
                               {a.hair_name, b.hair_name},
                               {a.eyes_name, b.eyes_name},
                               {a.class_name, b.class_name},
                               {a.weapon1_name, b.weapon1_name},
                               {a.weapon2_name, b.weapon2_name}}) {
        EXPECT_STREQ(x, y);
    }
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_STREQ(a.item_name[slot], b.item_name[slot]) << slot;
    EXPECT_STREQ(b.item_name[kSlotShield], "bouclier de novice");
    save(again, "copy");
    EXPECT_EQ(read("copy_save.txt"), text);
}

TEST_F(SaveFile, DecliningWritesNothingAndSavingAgainKeepsOnlyTheLast) {
    write("hero_save.txt", "old");
    TestGame t;
    std::strcpy(t.game.hero.name, "Bob");
    t.game.hero.gold = 5;
    t.keys.type("x2");
    offer_save(t.game);
    EXPECT_EQ(read("hero_save.txt"), "old");
    EXPECT_EQ(files(), std::vector<std::string>{"hero_save.txt"});

    save(t, "hero");
    t.game.hero.gold = 77;
    save(t, "hero");
    TestGame loaded;
    load(loaded, "hero");
    EXPECT_EQ(loaded.game.hero.gold, 77);
    EXPECT_EQ(files(), std::vector<std::string>{"hero_save.txt"});
}

TEST_F(SaveFile, SaveScreensShowTheirTexts) {
    TestGame t;
    std::string question, name_screen;
    t.keys.on_wait = [&] {
        if (question.empty())
            question = t.text();
        else if (name_screen.empty())
            name_screen = t.text();
    };
    save(t, "");
    EXPECT_EQ(
        question,
        "Voulez vous sauvegarder votre personnage ?\n\n\n1) oui\n\n2) non\n\nVotre choix :\n");
    EXPECT_EQ(name_screen,
              "Veuillez entrer le nom de votre sauvegarde.\n\nEn choisir un déjà existant écrasera "
              "l'ancien.\n\nVotre nom de sauvegarde :\n");
    EXPECT_EQ(files(), std::vector<std::string>{"_save.txt"});  // an empty name is accepted
}

TEST_F(SaveFile, HostileSaveNamesAreRefusedAndAskedAgain) {
    fs::create_directory("sub");
    TestGame t;
    std::strcpy(t.game.hero.name, "Bob");
    t.keys.type("1../x\nsub/x\nabcdefghijk\n");
    t.keys.key(27);  // Escape never reaches the name
    t.keys.type("abcdefghij\n");
    offer_save(t.game);
    EXPECT_EQ(files(), (std::vector<std::string>{"abcdefghij_save.txt", "sub"}));
    EXPECT_TRUE(fs::is_empty("sub"));
    EXPECT_FALSE(fs::exists("../x_save.txt"));

    TestGame loader;
    std::string screen;
    loader.keys.on_wait = [&] { screen = loader.text(); };
    loader.keys.type("9../abcdefghij\nabcdefghij\n");
    load_game(loader.game);
    EXPECT_NE(loader.game.choice, '0');
    EXPECT_NE(screen.find("Nom de sauvegarde invalide (10 caractères au plus, sans '/')."),
              std::string::npos);
}

TEST_F(SaveFile, RefusedSaveNameShowsTheMessageEachTime) {
    TestGame t;
    std::string screen;
    t.keys.on_wait = [&] { screen = t.text(); };
    t.keys.type("1a/b\nabcdefghijk\nok\n");
    offer_save(t.game);
    EXPECT_EQ(screen,
              "Veuillez entrer le nom de votre sauvegarde.\n\nEn choisir un déjà existant écrasera "
              "l'ancien.\n\n"
              "Votre nom de sauvegarde : a/b\n"
              "Nom de sauvegarde invalide (10 caractères au plus, sans '/').\n"
              "Votre nom de sauvegarde : abcdefghijk\n"
              "Nom de sauvegarde invalide (10 caractères au plus, sans '/').\n"
              "Votre nom de sauvegarde : ok\n");
    EXPECT_EQ(files(), std::vector<std::string>{"ok_save.txt"});
}

TEST_F(SaveFile, AccentedSaveNameMakesAUtf8FileName) {
    TestGame t;
    std::strcpy(t.game.hero.name, "Bob");
    save(t, cp850("été"));
    EXPECT_EQ(t.game.save_name, cp850("été") + "_save.txt");
    EXPECT_EQ(files(), std::vector<std::string>{"été_save.txt"});
    TestGame loaded;
    load(loaded, cp850("été"));
    EXPECT_NE(loaded.game.choice, '0');
}

// Only a complete, well-formed file is taken; anything else leaves the hero and
// the fight state as they were.
TEST_F(SaveFile, DamagedFilesAreRefusedWithoutTouchingTheHero) {
    auto with = [](std::size_t line, const std::string& value) {
        std::vector<std::string> lines = kElfSave;
        lines[line] = value;
        return join(lines, "\n");
    };
    const std::vector<std::string> truncated(kElfSave.begin(), kElfSave.end() - 1);
    std::vector<std::string> longer = kElfSave;
    longer.push_back("0");
    const std::pair<const char*, std::string> damaged[] = {
        {"empty", ""},
        {"truncated", join(truncated, "\n")},
        {"cut in a number", join(kElfSave, "\n").substr(0, join(kElfSave, "\n").find("175") + 2)},
        {"one line too many", join(longer, "\n")},
        {"garbage", std::string("\x7f"
                                "ELF\x02\x01\x01\0\0\0garbage\n\n\n",
                                20)},
        {"300-character name", with(0, std::string(300, 'n'))},
        {"12-character name", with(0, "Abcdefghijkl")},
        {"empty name", with(0, "")},
        {"name with a blank", with(0, "Ae lis")},
        {"beyond 32 bits", with(30, "2147483648")},
        {"below 32 bits", with(30, "-2147483649")},
        {"huge", with(30, "99999999999999999999999")},
        {"not a number", with(20, "abc")},
        {"trailing text", with(20, "12x")},
        {"blank line", with(20, "")},
        {"lone sign", with(20, "-")},
        {"two signs", with(20, "+-5")},
        {"a megabyte", std::string(1 << 20, '\n')},
    };
    for (const auto& [what, text] : damaged) {
        SCOPED_TRACE(what);
        write("bad_save.txt", text);
        TestGame t;
        t.game.hero.hp = 17;
        t.game.fight.hero_hp = 3;
        std::strcpy(t.game.hero.name, "Keep");
        save(t, "before");
        t.game.current_chapter = 0;
        t.keys.type("9bad\n");
        bool waited_after_message = false;
        t.keys.on_wait = [&] { waited_after_message = t.find_row("sauvegarde endommagée") != 0; };
        t.keys.type("k");
        load_game(t.game);
        EXPECT_TRUE(waited_after_message);
        EXPECT_EQ(t.keys.left(), 0u);
        EXPECT_EQ(t.game.choice, '0');
        EXPECT_EQ(t.game.current_chapter, 0);
        EXPECT_EQ(t.row(4), "Impossible de charger le fichier (sauvegarde endommagée).");
        t.keys.on_wait = nullptr;
        save(t, "after");
        EXPECT_EQ(read("after_save.txt"), read("before_save.txt"));
    }
}

TEST_F(SaveFile, NumbersAtThe32BitLimitsAndAPlusSignAreTaken) {
    std::vector<std::string> lines = kElfSave;
    lines[6] = "-2147483648";
    lines[7] = "+2147483647";
    lines[0] = "Abcdefghijk";  // eleven characters fit the name field
    std::string text = join(lines, "\n");
    text.pop_back();  // a last line without its line end
    write("edge_save.txt", text);
    TestGame t;
    load(t, "edge");
    EXPECT_NE(t.game.choice, '0');
    EXPECT_EQ(t.game.hero.reserved[0], INT_MIN);
    EXPECT_EQ(t.game.hero.reserved[1], INT_MAX);
    EXPECT_STREQ(t.game.hero.name, "Abcdefghijk");
}

TEST_F(SaveFile, MissingFileSaysSoAndWaitsForAKey) {
    TestGame t;
    std::string screen;
    t.keys.on_wait = [&] { screen = t.text(); };
    t.keys.type("9nobody\nk");
    load_game(t.game);
    EXPECT_EQ(t.game.choice, '0');
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(screen,
              "Veuillez saisir le nom de la sauvegarde que vous voulez recharger :\n\nnobody\n"
              "Impossible de charger le fichier (peut-être n'existe t'il pas).\n");
}

TEST_F(SaveFile, DecliningToLoadAsksNothingMore) {
    TestGame t;
    t.keys.type("50");
    load_game(t.game);
    EXPECT_EQ(t.game.choice, '0');
    EXPECT_EQ(t.text(),
              "Voulez vous charger l'une de vos sauvegardes ?\n\n\n9) oui.\n\n0) si vous n'en avez "
              "pas ou si vous "
              "ne voulez pas charger une sauvegarde.\n\nVotre choix :\n");
}

// The file system refuses a write half-way: the earlier save must survive whole.
TEST_F(SaveFile, InterruptedSaveLeavesTheOldFileIntact) {
    write("keep_save.txt", join(kElfSave, "\n"));
    TestGame t;
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit small = old_limit;
    small.rlim_cur = 40;
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    save(t, "keep");
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);

    EXPECT_EQ(t.row(1), "Impossible d'ENREGISTRER le fichier");
    EXPECT_EQ(read("keep_save.txt"), join(kElfSave, "\n"));
    EXPECT_EQ(files(), std::vector<std::string>{"keep_save.txt"});
    EXPECT_EQ(t.keys.left(), 0u);  // no key wait
}

TEST_F(SaveFile, RenameFailureIsReportedAndCleansUp) {
    fs::create_directories("busy_save.txt/inside");
    TestGame t;
    save(t, "busy");
    EXPECT_EQ(t.row(1), "Impossible d'ENREGISTRER le fichier");
    EXPECT_EQ(files(), std::vector<std::string>{"busy_save.txt"});
    EXPECT_TRUE(fs::is_directory("busy_save.txt/inside"));
}

TEST(RebuildTexts, UnknownCodesGetTheLastTextOfEachTable) {
    Hero h;
    h.race = 9, h.skin = 0, h.hair = -1, h.eyes = 7, h.hero_class = 0;
    h.weapon1_kind = 9, h.weapon2_kind = 3;
    h.weapon2_name = "";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        h.item_owned[slot] = 1;
        h.item_name[slot] = "";
    }
    rebuild_texts(h);
    EXPECT_STREQ(h.race_name, "farfadelfe");
    EXPECT_STREQ(h.skin_name, "noire");
    EXPECT_STREQ(h.hair_name, "pas de cheveux");
    EXPECT_STREQ(h.eyes_name, "noirs");
    EXPECT_STREQ(h.class_name, "pretre");
    EXPECT_STREQ(h.weapon1_name, "baton");
    EXPECT_STREQ(h.weapon2_name, "rien");
    EXPECT_STREQ(h.item_name[kSlotHead], "casque en ecailles noires");
    EXPECT_STREQ(h.item_name[kSlotBracelets], "bracelet de force de geant");
    EXPECT_STREQ(h.item_name[kSlotObjects], "croc d'araignee psychique");
    EXPECT_STREQ(h.item_name[kSlotShield], "bouclier de novice");
    EXPECT_STREQ(h.item_name[kSlotTorso], "rien");  // nothing fills it in the adventure
}

}  // namespace
}  // namespace vov::test
