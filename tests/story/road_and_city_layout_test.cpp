// Walks every scene of chapters 2 and 3, and checks at each key wait that the
// screen fits the console: menus stay above the footer, nothing would scroll a
// console of 44 rows, and no word is cut at the right edge.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "anchored_keys.hpp"
#include "story/chapters.hpp"
#include "test_game.hpp"

namespace vov::test {
namespace {

using Script = std::deque<AnchoredKey>;

constexpr int kConsoleRows = 44;
// The test console is taller, so that what would scroll shows below row 44.
constexpr int kTallRows = 60;

std::int64_t clock_where_blows_land() {
    for (std::int64_t seconds = 1000;; ++seconds) {
        Random r;
        r.seed(static_cast<std::uint32_t>(seconds));
        r.draw();
        if (r.draw() % 3 != 0) return seconds;
    }
}

bool is_word_char(std::uint8_t ch) { return std::isalnum(ch) != 0 || ch >= 0x80; }

void check_layout(const TestGame& t) {
    const Screen& screen = t.screen;
    const std::string where = "\non this screen:\n" + t.text();
    EXPECT_LE(screen.cursor_y(), kConsoleRows) << "the console would scroll" << where;
    for (int y = kConsoleRows + 1; y <= kTallRows; ++y) {
        ASSERT_EQ(t.row(y), "") << "text below row 44" << where;
    }
    for (int y = 1; y < kConsoleRows; ++y) {
        const bool cut = is_word_char(screen.at(80, y).ch) && is_word_char(screen.at(1, y + 1).ch);
        EXPECT_FALSE(cut) << "a word is cut at the end of row " << y << where;
    }
    if (t.row(44) != "0) Quitter le jeu.") return;
    EXPECT_EQ(t.row(42), "8) Voir votre equipement.") << where;
    EXPECT_EQ(t.row(43), "9) Voir les caracteristiques de votre personnage.") << where;
    EXPECT_LE(screen.cursor_y(), 41) << "the menu runs into the footer" << where;
}

class RoadAndCityLayout : public ::testing::Test {
protected:
    // Plays `chapter` with `script`, checking every screen, and makes sure every
    // anchor of the script was reached.
    void walk(void (*chapter)(Game&), int hero_class, Script script, int gold = 0, int luck = 8) {
        TestGame t(80, kTallRows);
        make_strong_hero(t.game.hero, hero_class);
        t.game.hero.gold = gold;
        t.game.hero.luck = luck;
        t.game.hero.experience = 15;
        t.game.fight.hero_hp = t.game.hero.hp;
        t.clock.seconds = clock_where_blows_land();
        AnchoredKeys keys(t, std::move(script));
        keys.inspect = [&] { check_layout(t); };
        chapter(t.game);
        EXPECT_EQ(keys.left(), 0u) << "not reached: " << keys.next_anchor() << "\n" << t.text();
    }
};

TEST_F(RoadAndCityLayout, RoadWithTheirPocketsAndTheLongestSewers) {
    walk(play_chapter2, kBarbarian,
         {{"1) Fouillez les depouilles", '1'},
          {"1) Fouillez le deuxieme garde", '1'},
          {"Tordevis", ' '},
          {"3) Courir en direction", '2'},
          {"1) Examiner le corps", '1'},
          {"un croc d'araignee psychique", ' '},
          {"1) Essayer de soudoyer", '1'},
          {"4) Leur donner 10", '1'},
          {"soit aller a droite", '2'},
          {"celebre ecole de magie", ' '},
          {"Vous pouvez aller tout droit ou a gauche.", '1'},
          {"Vous vous retrouvez plus loin", '1'},
          {"Vous etes deja passer", ' '},
          {"Vous pouvez aller tout droit ou a gauche.", '1'},
          {"Vous esperez ne pas", '2'},
          {"Vous avez tourne en rond", '1'},
          {"Vous pouvez aller a droite ou a gauche", '2'},
          {"impression de deja vu", ' '},
          {"Vous continuez votre route.", '2'},
          {"Vous pouvez aller a droite ou a gauche", '1'},
          {"L'air y est en effet irrespirable.", ' '},
          {"3) Examiner la cavite.", '2'},
          {"Ces ossements etaient ses repas", ' '},
          {"Deux chois", '2'},
          {"bracelets de force de geant", ' '},
          {"personne ne vous a vu sortir", ' '}});
}

TEST_F(RoadAndCityLayout, WizardsFireAndTheOtherBendOfTheSewers) {
    walk(play_chapter2, kWizard,
         {{"1) Fouillez les depouilles", '1'},
          {"1) Fouillez le deuxieme garde", '2'},
          {"3) Courir en direction", '1'},
          {"2) Vos sortileges.", '2'},
          {"1) Boule de feu mineure", '1'},
          {"1 point de reputation", ' '},
          {"1) Essayer de soudoyer", '1'},
          {"4) Leur donner 10", '3'},
          {"pas assez d'or", ' '},
          {"4) Leur donner 10", '2'},
          {"rient au nez", ' '},
          {"soit aller a droite", '1'},
          {"Vous pouvez aller a droite ou a gauche", '2'},
          {"celebre ecole de magie", ' '},
          {"Vous continuez votre route.", '1'},
          {"Vous avez tourne en rond", '2'},
          {"Vous etes deja passer", ' '},
          {"Vous pouvez aller tout droit ou a gauche.", '2'},
          {"3) Examiner la cavite.", '3'},
          {"fonce vers vous", ' '},
          {"Deux chois", '1'},
          {"personne ne vous a vu sortir", ' '}});
}

TEST_F(RoadAndCityLayout, ThiefRunningAndTheGateForTen) {
    walk(play_chapter2, kThief,
         {{"1) Fouillez les depouilles", '1'},
          {"1) Fouillez le deuxieme garde", '1'},
          {"Tordevis", ' '},
          {"3) Courir en direction", '3'},
          {"avantage", ' '},
          {"1) Examiner le corps", '2'},
          {"1) Essayer de soudoyer", '1'},
          {"4) Leur donner 10", '4'},
          {"Mon seigneur", ' '},
          {"grande avenue", ' '}},
         10);
}

TEST_F(RoadAndCityLayout, TheOfferOfSixAcceptedAndRefused) {
    Random r;
    r.seed(static_cast<std::uint32_t>(clock_where_blows_land()));
    const int draw = r.draw() % 5;
    const Script to_the_gate = {{"1) Fouillez les depouilles", '2'},
                                {"3) Courir en direction", '1'},
                                {"1) Examiner le corps", '2'},
                                {"1) Essayer de soudoyer", '1'},
                                {"4) Leur donner 10", '3'},
                                {"se concertent", ' '}};
    Script accepted = to_the_gate;
    accepted.push_back({"Vous perdez 6 pieces d'or", ' '});
    accepted.push_back({"grande avenue", ' '});
    walk(play_chapter2, kKnight, accepted, 6, 11 - draw);

    Script refused = to_the_gate;
    for (const AnchoredKey& step : Script{{"refusent votre offre", ' '},
                                          {"soit aller a droite", '1'},
                                          {"Vous pouvez aller a droite ou a gauche", '1'},
                                          {"3) Examiner la cavite.", '1'},
                                          {"Le combat", ' '},
                                          {"Deux chois", '1'}}) {
        refused.push_back(step);
    }
    walk(play_chapter2, kKnight, refused, 6, 10 - draw);
}

TEST_F(RoadAndCityLayout, TheCityWithEveryWish) {
    walk(play_chapter3, kPriest,
         {{"1) Allez jetez", '1'}, {"1) Prendre cet or.", '1'}, {"1 point en reputation", ' '}},
         1);
    for (const char wish : {'1', '2', '3', '4'}) {
        walk(play_chapter3, kPriest,
             {{"1) Allez jetez", '1'},
              {"5) Lancer de l'or", '5'},
              {"4) Vous ne souhaitez rien.", wish},
              {"Ou voulez vous dormir", '3'}},
             2);
    }
}

}  // namespace
}  // namespace vov::test
