// libFuzzer target: any bytes as a save file. The loader must refuse them or give
// a hero whose character sheet, equipment and limits check run cleanly.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "console/game_over.hpp"
#include "console/keyboard.hpp"
#include "console/music.hpp"
#include "console/screen.hpp"
#include "hero/game.hpp"
#include "hero/progression.hpp"
#include "hero/random.hpp"
#include "hero/sheet.hpp"
#include "save/save_file.hpp"

namespace {

// Every digit, a blank and Enter in turn, so that any menu gets a key it takes.
class CyclingKeys : public vov::Keyboard {
  public:
    int read_key() override { return kKeys[next_++ % (sizeof kKeys - 1)]; }

  private:
    static constexpr char kKeys[] = "1234567890 \n";
    std::size_t next_ = 0;
};

class Silence : public vov::Music {
  public:
    void play(const std::string&) override {}
};

class StillClock : public vov::Clock {
  public:
    std::int64_t now() override { return 1000; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<vov::SaveData> save =
        vov::parse_save(std::string(reinterpret_cast<const char*>(data), size));
    if (!save) return 0;
    vov::Screen screen(vov::kConsoleColumns, vov::kConsoleRows);
    CyclingKeys keys;
    Silence music;
    StillClock clock;
    vov::Game game(screen, keys, music, clock);
    vov::apply_save(game, *save);
    try {
        vov::show_character_sheet(game);
        vov::show_equipment(game);
        vov::check_limits(game);
        vov::show_character_sheet(game);
    } catch (const vov::GameOver&) {
        // a hero loaded dead meets the death screen
    }
    return 0;
}
