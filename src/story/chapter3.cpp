// Chapter 3, in the city: the night crossroads of Voderuri, its fountain and its
// coins, and the choice of a bed, which ends the adventure. The equipment and the
// sheet, from any menu of the chapter, lead back to the crossroads.

#include "hero/progression.hpp"
#include "save/reset.hpp"
#include "story/chapters.hpp"
#include "story/scene.hpp"

namespace vov {

namespace {

enum class CityScene { TitleCard, Arrival, Crossroads, Fountain, TakingGold, Wish, WhereToSleep, End };

// A menu of the city: clears the screen, writes the footer and `draw`, and reads
// the key. '8' and '9' come back after their screen, for the crossroads.
template <typename Draw>
int city_menu(Game& game, Draw draw, std::string_view option_keys) {
    game.clrscr();
    show_scene_footer(game);
    draw();
    return read_story_key(game, option_keys);
}

bool is_footer_screen(int key) { return key == '8' || key == '9'; }

CityScene title_card(Game& game) {
    game.play("nuit.mp3");
    show_title_card(game, 26, "Chapitre 3 : Dans Voderuri.", 27);
    return CityScene::Arrival;
}

CityScene arrival(Game& game) {
    game.clrscr();
    game.printf("Il fait encore nuit et la ville est deserte. Il serait sage de trouver une\n"
                "auberge pour y passer la nuit, ce qui ne devrait pas etre bien difficile.\n\n"
                "Vous vous dirigez vers le centre de la ville, ou un repas chaud et une bonne\n"
                "biere vous attendent dans l'une des auberges.\n");
    wait_key(game);
    return CityScene::Crossroads;
}

void draw_crossroads(Game& game) {
    game.printf("La longue avenue vous mene a un immense carrefour au milieu duquel se dresse\n"
                "une fontaine. Seuls deux batiments sont encore eclaires : ce sont deux\n"
                "auberges.\n\n");
    game.textcolor(13);
    game.printf("L'une se nomme au ");
    game.cprintf("cochon rieur ");
    game.printf("alors que l'autre se nomme ");
    game.cprintf("a la vieille epee");
    game.printf(".\n\n");
    game.printf("A cote d'elles se trouve une grange a foin, ou vous pourriez passer une nuit\n"
                "peu confortable.\n\n");
    game.printf("Que desirez vous faire:\n\n\n");
    game.printf("1) Allez jetez un coup d'oeil a cette fontaine.\n\n");
    game.printf("2) Entrer dans l'auberge du cochon rieur.\n\n");
    game.printf("3) Entrer dans l'auberge de la vieille epee.\n\n");
    game.printf("4) Allez vers la grange.\n\n");
    game.printf("Votre choix :");
    game.textcolor(7);
}

CityScene crossroads(Game& game) {
    const int key = city_menu(game, [&] { draw_crossroads(game); }, "1234");
    if (is_footer_screen(key)) return CityScene::Crossroads;
    return key == '1' ? CityScene::Fountain : CityScene::End;
}

// The wish costs two coins, so it is offered only to a hero who has them.
bool can_make_a_wish(const Game& game) { return game.hero.gold > 1; }

void draw_fountain(Game& game) {
    game.printf("Cette fontaine n'a rien de particulier, mais au fond de l'eau brillent quelques\n"
                "pieces d'or. Ce sont peut-etre des offrandes au dieu dont la statue se dresse\n"
                "au milieu de la fontaine, ou des pieces jetees pour que des voeux se realisent.\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Prendre cet or.\n\n");
    game.printf("2) Vous dirigez vers l'auberge du cochon rieur.\n\n");
    game.printf("3) Vous dirigez vers l'auberge de la vieille epee.\n\n");
    game.printf("4) Vous dirigez vers la grange.\n\n");
    if (can_make_a_wish(game)) game.printf("5) Lancer de l'or dans la fontaine en souhaitant un voeu.\n\n");
    game.printf("Votre choix :");
    game.textcolor(7);
}

CityScene fountain(Game& game) {
    const char* keys = can_make_a_wish(game) ? "12345" : "1234";
    const int key = city_menu(game, [&] { draw_fountain(game); }, keys);
    if (is_footer_screen(key)) return CityScene::Crossroads;
    if (key == '1') return CityScene::TakingGold;
    if (key == '5') return CityScene::Wish;
    return CityScene::End;
}

CityScene taking_gold(Game& game) {
    game.clrscr();
    game.printf("Vous plongez votre main dans le bassin.\n\n");
    show_gain(game, "Vous recuperez ", "4 pieces d'or");
    game.hero.gold += 4;
    game.printf("Ce geste est une insulte au dieu a qui ces pieces etaient destinees. Et\n"
                "quelqu'un vous a vu voler cet or.\n\n");
    show_loss(game, "Vous perdez ", "1 point en reputation");
    game.hero.reputation -= 1;
    check_limits(game);
    game.printf("Les pieces en poche, vous allez vous refugier dans la grange a foin. La, vous\n"
                "vous ferez moins remarquer.\n");
    game.textcolor(7);
    wait_key(game);
    return CityScene::End;
}

// The coins are thrown as soon as the wish is offered.
void draw_wish(Game& game) {
    game.textcolor(11);
    game.printf("Vous lancez ");
    game.cprintf("deux pieces d'or ");
    game.printf("dans la fontaine.\n\n");
    game.hero.gold -= 2;
    game.printf("Que souhaitez vous:\n\n\n");
    game.printf("1) Etre plus riche.\n\n");
    game.printf("2) Etre plus experimente.\n\n");
    game.printf("3) Etre plus chanceux.\n\n");
    game.printf("4) Vous ne souhaitez rien.\n\n");
    game.printf("Votre choix:");
    game.textcolor(7);
}

void choose_the_night(Game& game) {
    game.printf("Vous devez maintenant choisir l'endroit ou vous aller passer la nuit\n");
}

void wish_for_riches(Game& game) {
    game.printf("\n\nVous souhaitez interieurement la richesse.\n\n");
    game.printf("Cinq minutes passent et rien ne se produit. Vous quittez la fontaine pour\n"
                "choisir l'endroit ou vous passerez la nuit.\n");
}

void wish_for_experience(Game& game) {
    game.printf("\n\nVous souhaitez devenir plus experimente. Au bout d'une minute, votre voeu\n"
                "est exauce : vous vous sentez plus fort.\n\n");
    show_gain(game, "Vous gagnez ", "10 points d'experience");
    game.hero.experience += 10;
    const int level = game.hero.level;
    check_level_up(game);
    // The level-up screen ends on row 41: the sentence goes below it.
    if (game.hero.level != level) game.printf("\n\n");
    choose_the_night(game);
    game.textcolor(7);
}

void wish_for_luck(Game& game) {
    game.printf("\n\nVous souhaitez devenir plus chanceux. Quelques minutes plus tard, un etrange\n"
                "sentiment de bien-etre vous envahit. Votre voeu est exauce, non parce que vous\n"
                "l'avez demande, mais parce que vous avez offert deux pieces d'or au dieu de la\n"
                "statue.\n\n");
    show_gain(game, "Vous gagnez ", "1 point en bonne fortune");
    choose_the_night(game);
    game.hero.luck += 1;
    game.textcolor(7);
}

void wish_for_nothing(Game& game) {
    game.printf("\n\nVous attendez un moment, mais rien ne se passe. Vous devez maintenant\n"
                "choisir l'endroit ou vous allez passer la nuit.\n");
}

CityScene wish(Game& game) {
    const int key = city_menu(game, [&] { draw_wish(game); }, "1234");
    if (is_footer_screen(key)) return CityScene::Crossroads;
    if (key == '1') wish_for_riches(game);
    if (key == '2') wish_for_experience(game);
    if (key == '3') wish_for_luck(game);
    if (key == '4') wish_for_nothing(game);
    wait_key(game);
    return CityScene::WhereToSleep;
}

void draw_where_to_sleep(Game& game) {
    game.printf("Ou voulez vous dormir maintenant :\n\n\n");
    game.printf("1) Entrer dans l'auberge du cochon rieur.\n\n");
    game.printf("2) Entrer dans l'auberge de la vieille epee.\n\n");
    game.printf("3) Allez vers la grange.\n\n");
    game.printf("Votre choix :");
}

CityScene where_to_sleep(Game& game) {
    const int key = city_menu(game, [&] { draw_where_to_sleep(game); }, "123");
    return is_footer_screen(key) ? CityScene::Crossroads : CityScene::End;
}

CityScene play_city_scene(Game& game, CityScene scene) {
    switch (scene) {
        case CityScene::TitleCard: return title_card(game);
        case CityScene::Arrival: return arrival(game);
        case CityScene::Crossroads: return crossroads(game);
        case CityScene::Fountain: return fountain(game);
        case CityScene::TakingGold: return taking_gold(game);
        case CityScene::Wish: return wish(game);
        case CityScene::WhereToSleep: return where_to_sleep(game);
        case CityScene::End: break;
    }
    return CityScene::End;
}

}  // namespace

// Every bed, the barn included, ends the adventure.
void play_chapter3(Game& game) {
    CityScene scene = CityScene::TitleCard;
    while (scene != CityScene::End) scene = play_city_scene(game, scene);
    reset_adventure(game);
}

}  // namespace vov
