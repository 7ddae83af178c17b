#include "save/save_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "console/cp850.hpp"
#include "console/regular_file.hpp"
#include "hero/tables.hpp"

namespace vov {

namespace {

constexpr const char* kSaveSuffix = "_save.txt";
constexpr std::size_t kLongestSaveName = 10;
constexpr std::size_t kLongestSavedName = 11;  // the name field holds 11 characters and a zero
constexpr std::size_t kSavedNumbers = 62;
constexpr std::size_t kLargestSaveFile = 4096;  // a real save is under 1 KB
// No number of a save written by the game goes beyond 100,000 either way: much
// larger ones come from an edited file, and the game's sums could overflow with them.
constexpr int kLargestSavedNumber = 1'000'000;
// The fight's health, its first number after the hero's numbers, items and two story
// flags (line 53), is never saved below 1: the game ends first.
constexpr std::size_t kSavedFightHealth = Hero::kNumberCount + kSlotCount + 2;
static_assert(kSavedNumbers == kSavedFightHealth + FightState::kCount);

// The saved numbers in file order: the hero's from race to chapter, from hp to
// weapon_damage, the fourteen item flags and the two story flags; then the fight's
// working numbers.
std::vector<int*> saved_numbers(Game& game) {
    std::vector<int*> numbers;
    for (const NamedNumber& number : game.hero.numbers()) numbers.push_back(number.value);
    for (int& owned : game.hero.item_owned) numbers.push_back(&owned);
    for (int& flag : game.hero.story_flags) numbers.push_back(&flag);
    for (const NamedNumber& number : game.fight.fields()) numbers.push_back(number.value);
    return numbers;
}

// A save name stays in the working directory and fits its buffer with the suffix.
bool is_valid_save_name(const std::string& name) {
    if (name.size() > kLongestSaveName) return false;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '/' || code < 32 || code == 127) return false;
    }
    return true;
}

// Reads save names until one is valid; the file name is that name and the suffix.
// `prompt`, when given, is written again before each new try.
void read_save_name(Game& game, const char* prompt) {
    std::string name = game.input.read_line();
    while (!is_valid_save_name(name)) {
        game.printf("Nom de sauvegarde invalide (10 caract%cres au plus, sans '/').\n", 138);
        if (prompt != nullptr) game.printf("%s", prompt);
        name = game.input.read_line();
    }
    game.save_name = name + kSaveSuffix;
}

// The file system sees the typed name in UTF-8.
std::string save_path(const Game& game) { return cp850_to_utf8(game.save_name); }

std::string save_contents(Game& game) {
    const Hero& hero = game.hero;
    std::string text(hero.name, strnlen(hero.name, sizeof hero.name));
    text += '\n';
    for (const int* value : saved_numbers(game)) text += std::to_string(*value) + '\n';
    return text;
}

bool write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

void sync_working_directory() {
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

// The old save may be replaced only where the game could open it for writing, as
// a save was first written in place: a save the player made read-only, or
// anything but a regular file under its name, is refused.
bool may_replace(const std::string& path) {
    const int fd = open_regular_file(path, O_WRONLY);
    if (fd < 0) return errno == ENOENT;  // no save of that name yet
    ::close(fd);
    return true;
}

// A new file keeps the permissions of any new file (0666 less the umask), but stays
// readable and writable by the player: a save that cannot be read back is no save
// (the browser build's umask is 0777).
bool keeps_player_access(int fd) {
    constexpr mode_t kPlayer = S_IRUSR | S_IWUSR;
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    return (info.st_mode & kPlayer) == kPlayer || ::fchmod(fd, info.st_mode | kPlayer) == 0;
}

// A new file beside the save, under a name of its own that no other game or file
// holds (O_EXCL): whatever was planted there is never opened.
int create_temporary(const std::string& path, std::string& temporary) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + '.';
        for (int i = 0; i < 6; ++i) temporary += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        if (keeps_player_access(fd)) return fd;
        ::close(fd);
        ::unlink(temporary.c_str());
        return -1;
    }
    return -1;
}

// Writes the save beside the old one and renames it over it only once it is
// whole on disk, so a failed write never destroys an earlier save.
bool write_save_file(const std::string& path, const std::string& text) {
    if (!may_replace(path)) return false;
    std::string temporary;
    const int fd = create_temporary(path, temporary);
    if (fd < 0) return false;
    const bool written = write_all(fd, text) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    sync_working_directory();
    return true;
}

// A whole number with an optional sign, within what a game can save.
std::optional<int> parse_number(const std::string& line) {
    const char* first = line.data();
    const char* last = first + line.size();
    const char* digits = first != last && (*first == '+' || *first == '-') ? first + 1 : first;
    if (digits == last) return std::nullopt;
    for (const char* p = digits; p != last; ++p) {
        if (*p < '0' || *p > '9') return std::nullopt;
    }
    if (*first == '+') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    if (value < -kLargestSavedNumber || value > kLargestSavedNumber) return std::nullopt;
    return value;
}

bool is_valid_saved_name(const std::string& name) {
    if (name.empty() || name.size() > kLongestSavedName) return false;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 32 || code == 127) return false;
    }
    return true;
}

// The lines of a file, without their line ends (LF or CRLF); a last line may lack
// its line end.
std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The file's bytes, or nothing when it cannot be opened or is not a regular file.
std::optional<std::string> read_file(const std::string& path) {
    const int fd = open_regular_file(path);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[512];
    while (text.size() <= kLargestSaveFile) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

void refuse_load(Game& game) {
    game.choice = '0';
    game.getch();
}

// The text of a slot: the item the adventure puts there, or "rien".
const char* item_text(int slot, bool owned) {
    if (!owned) return "rien";
    switch (slot) {
        case kSlotHead: return "casque en ecailles noires";
        case kSlotBracelets: return "bracelet de force de geant";
        case kSlotAmulet: return "amulette du petit gnome";
        case kSlotRightRing: return "anneau des dryades perdues";
        case kSlotObjects: return "croc d'araignee psychique";
        case kSlotShield: return "bouclier de novice";
        default: return "rien";  // nothing in the adventure fills this slot
    }
}

}  // namespace

// The whole file is checked before anything is taken from it.
std::optional<SaveData> parse_save(const std::string& text) {
    if (text.size() > kLargestSaveFile) return std::nullopt;
    const std::vector<std::string> lines = split_lines(text);
    if (lines.size() != kSavedNumbers + 1 || !is_valid_saved_name(lines[0])) return std::nullopt;
    SaveData data{lines[0], {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::optional<int> number = parse_number(lines[i]);
        if (!number) return std::nullopt;
        data.numbers.push_back(*number);
    }
    if (data.numbers[kSavedFightHealth] < 1) return std::nullopt;
    return data;
}

void apply_save(Game& game, const SaveData& data) {
    Hero& hero = game.hero;
    std::memset(hero.name, 0, sizeof hero.name);
    data.name.copy(hero.name, kLongestSavedName);
    const std::vector<int*> numbers = saved_numbers(game);
    for (std::size_t i = 0; i < numbers.size(); ++i) *numbers[i] = data.numbers[i];
    game.current_chapter = hero.chapter;
    rebuild_texts(hero);
}

void offer_save(Game& game) {
    game.clrscr();
    game.printf("Voulez vous sauvegarder votre personnage ?\n\n\n");
    game.printf("1) oui\n\n");
    game.printf("2) non\n\n");
    game.printf("Votre choix : ");
    if (game.read_choice("12") == '2') return;

    game.clrscr();
    game.textcolor(7);
    game.printf("Veuillez entrer le nom de votre sauvegarde.\n\n");
    game.printf("En choisir un d%cj%c existant %ccrasera l'ancien.\n\n", 130, 133, 130);
    constexpr const char* kPrompt = "Votre nom de sauvegarde : ";
    game.printf("%s", kPrompt);
    read_save_name(game, kPrompt);
    game.clrscr();
    if (!write_save_file(save_path(game), save_contents(game))) {
        game.printf("Impossible d'ENREGISTRER le fichier");
        game.getch();  // the next screen would clear the message before it is seen
    }
}

void load_game(Game& game) {
    game.clrscr();
    game.printf("Voulez vous charger l'une de vos sauvegardes ?\n\n\n");
    game.printf("9) oui.\n\n");
    game.printf("0) si vous n'en avez pas ou si vous ne voulez pas charger une sauvegarde.\n\n");
    game.printf("Votre choix : ");
    if (game.read_choice("09") == '0') return;

    game.clrscr();
    game.textcolor(7);
    game.printf("Veuillez saisir le nom de la sauvegarde que vous voulez recharger :\n\n");
    read_save_name(game, nullptr);
    const std::optional<std::string> text = read_file(save_path(game));
    if (!text) {
        game.printf("Impossible de charger le fichier (peut-%ctre n'existe t'il pas).\n", 136);
        refuse_load(game);
        return;
    }
    const std::optional<SaveData> data = parse_save(*text);
    if (!data) {
        game.printf("Impossible de charger le fichier (sauvegarde endommag%ce).\n", 130);
        refuse_load(game);
        return;
    }
    apply_save(game, *data);
}

void rebuild_texts(Hero& hero) {
    hero.race_name = race_text(hero.race);
    hero.skin_name = skin_text(hero.skin);
    hero.hair_name = hair_text(hero.hair);
    hero.eyes_name = eyes_text(hero.eyes);
    hero.class_name = class_text(hero.hero_class);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        hero.item_name[slot] = item_text(slot, hero.item_owned[slot] != 0);
    }
    hero.weapon1_name = weapon_text(hero.weapon1_kind);
    // No screen of the game gives a second weapon.
    hero.weapon2_name = "rien";
}

}  // namespace vov
