#include "save/save_file.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "hero/sheet.hpp"
#include "scratch.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A save written by the first version of the game: an elf wizard after chapter 1,
// wearing the gnome's amulet and the dryads' ring.
const Names kElfSave = {
    "Aelis", "3",  "6",  "2",  "3",  "4",  "7",  "-8", "9",  "35", "50", "1",  "0",
    "1",     "0",  "0",  "2",  "30", "44", "1",  "6",  "12", "11", "7",  "7",  "10",
    "8",     "9",  "-3", "14", "2",  "1",  "175", "42", "2", "4",  "0",  "0",  "0",
    "0",     "0",  "0",  "1",  "1",  "0",  "0",  "0",  "0",  "0",  "0",  "1",  "0",
    "30",    "44", "0",  "0",  "35", "50", "40", "0",  "2",  "3",  "8",
};

std::string join(const Names& lines, const std::string& end = "\n") {
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

const char* const kNameScreen =
    "Veuillez entrer le nom de votre sauvegarde.\n\nEn choisir un déjà existant écrasera "
    "l'ancien.\n\n";
const char* const kBadName = "Nom de sauvegarde invalide (10 caractères au plus, sans '/').";

// Every test runs in a fresh directory of its own.
class SaveFile : public testing::Test {
  protected:
    Names files() const {
        Names names;
        for (const auto& entry : fs::directory_iterator(dir_.path()))
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

    ScratchFolder dir_;
    InFolder inside_{dir_.path()};
};

// Loading then saving again gives back every number of the original file, with
// line feeds instead of CRLF, and without a confirmation screen.
TEST_F(SaveFile, OriginalCrlfFileLoadsAndSavesBackTheSame) {
    write("aelis_save.txt", join(kElfSave, "\r\n"));
    TestGame t;
    load(t, "aelis");
    const Hero& h = t.game.hero;
    EXPECT_NE(t.game.choice, '0');
    EXPECT_EQ(t.game.current_chapter, 2);
    EXPECT_EQ(h.reputation, -3);
    EXPECT_EQ(t.game.fight.fight_result, 8);
    for (const auto& [got, want] : {std::pair{h.name, "Aelis"}, {h.race_name, "elfe"},
                                    {h.skin_name, "noire"}, {h.hair_name, "blond"},
                                    {h.eyes_name, "bleus"}, {h.class_name, "sorcier"},
                                    {h.weapon1_name, "baton"}, {h.weapon2_name, "rien"}})
        EXPECT_STREQ(got, want);
    t.keys.type(" ");
    show_equipment(t.game);
    EXPECT_EQ(t.row(13), "amulette:  amulette du petit gnome");
    EXPECT_EQ(t.row(14), "anneau droit:  anneau des dryades perdues");
    EXPECT_EQ(t.row(3), "Tête:  rien");

    save(t, "a");
    EXPECT_EQ(read("a_save.txt"), join(kElfSave));
    EXPECT_EQ(t.game.save_name, "a_save.txt");
    EXPECT_EQ(files(), (Names{"a_save.txt", "aelis_save.txt"}));
    EXPECT_EQ(t.text(), "");  // no confirmation
}

// Names that would leave the directory or overflow the field are refused with a
// message, and asked again; Escape never reaches the name.
TEST_F(SaveFile, HostileSaveNamesAreRefusedAndAskedAgain) {
    fs::create_directory("sub");
    TestGame t;
    std::strcpy(t.game.hero.name, "Bob");
    t.game.fight.hero_hp = 1;  // as creation leaves it
    std::string question, screen;
    t.keys.on_wait = [&] {
        if (question.empty()) question = t.text();
        screen = t.text();
    };
    t.keys.type("1../x\nsub/x\nabcdefghijk\n");
    t.keys.key(27);
    t.keys.type("abcdefghij\n");
    offer_save(t.game);
    EXPECT_EQ(question,
              "Voulez vous sauvegarder votre personnage ?\n\n\n1) oui\n\n2) non\n\nVotre choix :\n");
    EXPECT_EQ(screen, std::string(kNameScreen) + "Votre nom de sauvegarde : ../x\n" + kBadName +
                          "\nVotre nom de sauvegarde : sub/x\n" + kBadName +
                          "\nVotre nom de sauvegarde : abcdefghijk\n" + kBadName +
                          "\nVotre nom de sauvegarde : abcdefghij\n");
    EXPECT_EQ(files(), (Names{"abcdefghij_save.txt", "sub"}));
    EXPECT_TRUE(fs::is_empty("sub"));

    TestGame loader;
    loader.keys.on_wait = [&] { screen = loader.text(); };
    loader.keys.type("9../abcdefghij\nabcdefghij\n");
    load_game(loader.game);
    EXPECT_NE(loader.game.choice, '0');
    EXPECT_NE(screen.find(kBadName), std::string::npos);
}

// Only a complete, well-formed file is taken; anything else leaves the hero and
// the fight state as they were.
TEST_F(SaveFile, DamagedFilesAreRefusedWithoutTouchingTheHero) {
    auto with = [](std::size_t line, const std::string& value) {
        Names lines = kElfSave;
        lines[line] = value;
        return join(lines);
    };
    const std::string whole = join(kElfSave);
    const std::pair<const char*, std::string> damaged[] = {
        {"empty", ""},
        {"truncated", whole.substr(0, whole.rfind("8\n"))},
        {"cut in a number", whole.substr(0, whole.find("175") + 2)},
        {"one line too many", whole + "0\n"},
        {"garbage", std::string("\x7f" "ELF\x02\x01\x01\0\0\0garbage\n\n\n", 20)},
        {"300-character name", with(0, std::string(300, 'n'))},
        {"12-character name", with(0, "Abcdefghijkl")},
        {"empty name", with(0, "")},
        {"name with a blank", with(0, "Ae lis")},
        {"beyond 32 bits", with(30, "2147483648")},
        {"below 32 bits", with(30, "-2147483649")},
        {"gold beyond a million", with(29, "1000001")},
        {"a reserved number below minus a million", with(7, "-1000001")},
        {"no fight health", with(52, "0")},
        {"fight health below 0", with(52, "-4")},
        {"not a number", with(20, "abc")},
        {"trailing text", with(20, "12x")},
        {"blank line", with(20, "")},
        {"lone sign", with(20, "-")},
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
        std::string screen;
        t.keys.on_wait = [&] { screen = t.row(4); };
        t.keys.type("9bad\nk");
        load_game(t.game);
        EXPECT_EQ(screen, "Impossible de charger le fichier (sauvegarde endommagée).");
        EXPECT_EQ(t.keys.left(), 0u);
        EXPECT_EQ(t.game.choice, '0');
        EXPECT_EQ(t.game.current_chapter, 0);
        t.keys.on_wait = nullptr;
        save(t, "after");
        EXPECT_EQ(read("after_save.txt"), read("before_save.txt"));
    }
}

// A million either way is far beyond any real save, and still taken.
TEST_F(SaveFile, NumbersUpToAMillionAndAPlusSignAreTaken) {
    Names lines = kElfSave;
    lines[6] = "-1000000";
    lines[7] = "+1000000";
    lines[52] = "1";  // the fight's health
    lines[0] = "Abcdefghijk";  // eleven characters fit the name field
    std::string text = join(lines);
    text.pop_back();  // a last line without its line end
    write("edge_save.txt", text);
    TestGame t;
    load(t, "edge");
    EXPECT_NE(t.game.choice, '0');
    EXPECT_EQ(t.game.hero.reserved[0], -1000000);
    EXPECT_EQ(t.game.hero.reserved[1], 1000000);
    EXPECT_EQ(t.game.fight.hero_hp, 1);
    EXPECT_STREQ(t.game.hero.name, "Abcdefghijk");
}

// The file system refuses a write half-way, or the rename: the earlier save (or
// what stands in its place) must survive whole, with no temporary file left, and
// the message stays until a key is pressed.
TEST_F(SaveFile, FailedSaveLeavesTheOldFileIntactAndSaysSo) {
    write("keep_save.txt", join(kElfSave));
    TestGame t;
    std::string seen;
    t.keys.on_wait = [&] { seen = t.text(); };
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit small = old_limit;
    small.rlim_cur = 40;
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    t.keys.type("1keep\nk");
    offer_save(t.game);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);
    EXPECT_EQ(seen, "Impossible d'ENREGISTRER le fichier\n");
    EXPECT_EQ(t.keys.left(), 0u);
    EXPECT_EQ(read("keep_save.txt"), join(kElfSave));

    // A folder, or a FIFO that no one reads, under the save's name.
    fs::create_directories("busy_save.txt/inside");
    ASSERT_EQ(mkfifo("pipe_save.txt", 0600), 0);
    for (const char* name : {"busy", "pipe"}) {
        seen.clear();
        t.keys.type("1" + std::string(name) + "\nk");
        offer_save(t.game);
        EXPECT_EQ(seen, "Impossible d'ENREGISTRER le fichier\n") << name;
    }
    EXPECT_TRUE(fs::is_directory("busy_save.txt/inside"));
    EXPECT_EQ(files(), (Names{"busy_save.txt", "keep_save.txt", "pipe_save.txt"}));
}

// Whatever lies under the names a save might use for its temporary file (a hard
// link to a file elsewhere, a FIFO, a link) is left alone; the save gets the
// permissions of a new file.
TEST_F(SaveFile, ASaveNeverWritesThroughAPlantedTemporaryFile) {
    fs::create_directory("elsewhere");
    write("elsewhere/victim", "precious");
    fs::create_hard_link("elsewhere/victim", "a_save.txt.tmp");
    ASSERT_EQ(mkfifo("b_save.txt.tmp", 0600), 0);
    fs::create_symlink("elsewhere/victim", "c_save.txt.tmp");
    const mode_t old_mask = umask(027);
    TestGame t;
    std::strcpy(t.game.hero.name, "Bob");
    for (const char* name : {"a", "b", "c"}) save(t, name);
    umask(old_mask);
    EXPECT_EQ(read("elsewhere/victim"), "precious");
    EXPECT_EQ(files(), (Names{"a_save.txt", "a_save.txt.tmp", "b_save.txt", "b_save.txt.tmp",
                              "c_save.txt", "c_save.txt.tmp", "elsewhere"}));
    EXPECT_EQ(fs::status("a_save.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(t.text(), "");
}

// A FIFO or a folder under a save's name is refused like a missing file, without
// waiting for a writer.
TEST_F(SaveFile, OnlyRegularFilesAreLoaded) {
    ASSERT_EQ(mkfifo("pipe_save.txt", 0600), 0);
    fs::create_directory("dir_save.txt");
    for (const char* name : {"pipe", "dir"}) {
        TestGame t;
        std::string screen;
        t.keys.on_wait = [&] { screen = t.row(4); };
        t.keys.type("9" + std::string(name) + "\nk");
        load_game(t.game);
        EXPECT_EQ(screen, "Impossible de charger le fichier (peut-être n'existe t'il pas).") << name;
        EXPECT_EQ(t.game.choice, '0');
    }
}

}  // namespace
}  // namespace vov::test
