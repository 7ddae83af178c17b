// Keys that walk a test game through hero creation and the personality questions.
#pragma once

#include <string>
#include <vector>

#include "test_game.hpp"

namespace vov::test {

struct CreationKeys {
    std::string name = "Bob";
    char race = '1';
    char skin = '1';
    char hair = '1';
    char eyes = '1';
    std::string height = "170";
    char hero_class = '1';

    // Name and height are typed lines; the menus read single keys.
    std::string script() const {
        return name + "\n" + race + skin + hair + eyes + height + "\n" + hero_class;
    }
};

// Records the screen each time the game waits for a key.
struct ScreenLog {
    explicit ScreenLog(TestGame& t) {
        t.keys.on_wait = [this, &t] { screens.push_back(t.text()); };
    }
    // The last screen recorded that shows `needle`, or "".
    std::string with(const std::string& needle) const {
        for (auto it = screens.rbegin(); it != screens.rend(); ++it) {
            if (it->find(needle) != std::string::npos) return *it;
        }
        return "";
    }
    // The first screen recorded that shows `needle`, or "".
    std::string first(const std::string& needle) const {
        for (const auto& screen : screens) {
            if (screen.find(needle) != std::string::npos) return screen;
        }
        return "";
    }
    std::vector<std::string> screens;
};

}  // namespace vov::test
