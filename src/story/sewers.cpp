// Chapter 2, the sewers of Voderuri: a small maze of forks and bends where a
// creature of filth lurks, the great hall with its catacomb snake, the bones and
// the ladder up into the city.

#include "hero/progression.hpp"
#include "story/chapter2_scenes.hpp"
#include "story/scene.hpp"

namespace vov::chapter2 {

namespace {

constexpr const char* kSewerMusic = "egouts.mp3";
constexpr int kCreatureWaiting = 31;
constexpr int kCreatureDead = 30;

// The hero always strikes the creature first: it is met face to face.
const FightSetup kSewerCreature = {
    "Creature d'immondites", "immondites", kSpellCaster, kHeroFirst,
    Monster{.hp = 40, .energy = 25, .defense = 1, .magic_resistance = 4, .agility = 8,
            .robustness = 8, .spell_power = 6, .level = 4, .has_shield = 0,
            .weapon_parry = 0, .weapon_damage = 8, .experience_reward = 23},
    true};

// Who strikes first is what the great hall left in `choice`.
const FightSetup kCatacombSnake = {
    "Serpent des catacombes", "crocs venimeux", kPoisonousFighter, -1,
    Monster{.hp = 45, .energy = 0, .defense = 2, .magic_resistance = 4, .agility = 11,
            .robustness = 8, .spell_power = 0, .level = 4, .has_shield = 0,
            .weapon_parry = 0, .weapon_damage = 9, .experience_reward = 35},
    false};

// The two options of a fork, its heading and the prompt.
void draw_fork(Game& game, const char* heading, const char* first, const char* second) {
    game.printf("%s", heading);
    game.printf("1) %s\n\n", first);
    game.printf("2) %s\n\n", second);
    game.printf("Votre choix :");
}

// Runs a fork whose narration is `draw_story`; returns `on_first` for key 1 and
// `on_second` for key 2.
template <typename Draw>
Scene fork(Game& game, Draw draw_story, const char* heading, const char* first,
           const char* second, Scene on_first, Scene on_second) {
    const int key = menu_scene(
        game, [&] { draw_story(); draw_fork(game, heading, first, second); }, "12");
    return key == '1' ? on_first : on_second;
}

Scene sewer_entrance(Chapter2& chapter) {
    Game& game = chapter.game;
    auto story = [&] {
        game.play(kSewerMusic);
        game.roll = kCreatureWaiting;
        game.printf("La porte des egouts n'est pas gardee. Vous entrez. Heureusement, aucun dechet\n"
                    "ne s'ecoule en ce moment, et d'etroites corniches le long des murs vous\n"
                    "permettent de ne pas marcher dans les immondices.\n\n"
                    "Quelques metres plus loin, vous arrivez a une premiere bifurcation.\n\n");
        game.printf("Vous pouvez soit continuer tout droit, soit aller a droite.\n\n\n");
    };
    return fork(game, story, "Que voulez vous faire :\n\n\n", "Aller tout droit.",
                "Tourner a droite.", Scene::StraightCorridor, Scene::FirstRightBend);
}

Scene straight_corridor(Game& game) {
    auto story = [&] {
        game.printf("Vous avancez tout droit sur une dizaine de metres, puis le couloir tourne a\n"
                    "droite. 3 metres plus loin, vous arrivez a une nouvelle bifurcation.\n\n");
        game.printf("Vous pouvez aller a droite ou a gauche\n\n");
    };
    return fork(game, story, "Que voulez vous faire :\n\n\n", "Tourner a gauche.",
                "Tourner a droite.", Scene::GreatHall, Scene::SecondRightBend);
}

// The creature appears round the bend; `side` is "gauche" or "droite".
void face_creature(Game& game, const char* side) {
    game.printf("Vous avancez et a peine avoir tourne a %s vous vous trouvez nez a nez ", side);
    game.printf("avec\nune ");
    game.textcolor(10);
    game.cprintf("enorme creature faites d'immondices");
    game.printf(".\n\n");
    game.textcolor(7);
    wait_key(game);
}

Scene first_right_bend(Chapter2& chapter) {
    Game& game = chapter.game;
    game.monster_status = kFirstBend;
    game.clrscr();
    game.printf("Vous prenez donc a droite. 5 metres plus loin le couloir tourne a gauche.\n\n");
    wait_key(game);
    if (game.roll > kCreatureDead) {
        face_creature(game, "gauche");
        return Scene::SewerCreature;
    }
    game.printf("Vous etes deja passer par cet endroit. Dessiner une carte des lieux pourrait\n");
    game.printf("vous aider a retrouver votre chemin.\n\n");
    wait_key(game);
    return Scene::ForkLeftOrStraight;
}

Scene second_right_bend(Chapter2& chapter) {
    Game& game = chapter.game;
    game.monster_status = kSecondBend;
    game.clrscr();
    game.printf("Vous tournez donc a droite. Le couloir tourne ensuite quelques metres\n");
    game.printf("plus loin a droite.\n\n");
    wait_key(game);
    if (game.roll > kCreatureDead) {
        face_creature(game, "droite");
        return Scene::SewerCreature;
    }
    game.printf("Vous avez comme une impression de deja vu. Vous esperez sortir rapidement de\n");
    game.printf("cet endroit que vous n'appreciez pas du tout...\n");
    wait_key(game);
    return Scene::ForkLeftOrRight;
}

Scene sewer_creature(Chapter2& chapter) {
    Game& game = chapter.game;
    game.printf("Voderuri possede une celebre ecole de magie. Les experiences de ses mages les\n"
                "obligent a jeter ingredients et potions usages. Ces dechets magiques ont\n"
                "peut-etre donne naissance par accident a cette creature.\n\n");
    game.printf("Vous devez la combattre.\n\n");
    wait_key(game);
    start_fight(game, kSewerCreature);

    game.play(kSewerMusic);
    game.roll = kCreatureDead;
    game.clrscr();
    game.printf("Le monstre est mort et ses immondices sont eparpillees tout autour de vous.\n"
                "Vous ne prenez pas la peine de le fouiller : c'est repugnant, et il n'etait\n"
                "fait que de liquides magiques.\n\n");
    game.printf("Vous reprenez votre route et avancez droit devant.\n");
    wait_key(game);
    chapter.creature_met = true;
    return game.monster_status == kFirstBend ? Scene::ForkLeftOrStraight : Scene::ForkLeftOrRight;
}

Scene fork_left_or_straight(Chapter2& chapter) {
    Game& game = chapter.game;
    auto story = [&] {
        game.printf("Au bout de quelques metres, vous tombez sur une nouvelle bifurcation :\n\n");
        game.printf("Vous pouvez aller tout droit ou a gauche.\n");
    };
    const Scene next = fork(game, story, "Que voulez vous faire :\n\n\n", "Tourner a gauche.",
                            "Aller tout droit.", Scene::LeftTurn, Scene::GreatHall);
    if (next == Scene::LeftTurn) game.roll -= 1;
    return next;
}

Scene left_turn(Chapter2& chapter) {
    Game& game = chapter.game;
    auto story = [&] {
        game.printf("Vous tournez donc a gauche. Quelques metres plus loin le couloir tourne a\n");
        game.printf("nouveau gauche.\n\n");
        if (game.roll < kCreatureDead) {
            game.printf("Vous esperez ne pas vous etre perdu : votre temps est precieux, et vous ne\n"
                        "savez toujours pas ce qu'est devenue votre amie. Il faut trouver la sortie\n"
                        "de ces egouts au plus vite.\n\n");
        }
        game.printf("Vous vous retrouvez plus loin a un embranchement.\n");
    };
    return fork(game, story, "ou voulez vous aller ?\n\n\n", "Tourner a gauche.",
                "Aller tout droit.", Scene::FirstRightBend, Scene::BackAtEntrance);
}

// Every showing of this fork, even after the equipment or the sheet, counts as
// one more wrong turn.
Scene fork_left_or_right(Chapter2& chapter) {
    Game& game = chapter.game;
    auto story = [&] {
        game.roll -= 1;
        game.printf("Vous continuez votre route.\n\n");
    };
    return fork(game, story, "vous tombez sur une nouvelle bifurcation : ou voulez vous aller ?\n\n\n",
                "Tourner a gauche.", "Tourner a droite.", Scene::BackAtEntrance,
                Scene::StraightCorridor);
}

Scene back_at_entrance(Game& game) {
    auto story = [&] {
        game.printf("Le couloir vous ramene a l'entree des egouts. Vous avez tourne en rond et\n"
                    "vous voici de retour a la premiere bifurcation.\n\n");
    };
    return fork(game, story, "ou voulez vous aller ?\n\n\n", "Tout droit.", "Aller a droite.",
                Scene::StraightCorridor, Scene::FirstRightBend);
}

// Wandering after the creature fight costs one health point, once.
void lost_in_the_sewers(Chapter2& chapter) {
    Game& game = chapter.game;
    if (chapter.creature_met && game.roll < kCreatureDead) {
        game.clrscr();
        game.printf("Le fait de vous etre egare dans ces egouts vous fait perdre :\n\n");
        game.textcolor(12);
        game.cprintf("1 point de sante");
        game.printf(".\n\n");
        game.hero.hp -= 1;
        check_limits(game);
        game.printf("L'air y est en effet irrespirable.\n\n");
        game.textcolor(7);
        wait_key(game);
    }
    chapter.creature_met = false;
}

void draw_great_hall(Game& game) {
    game.printf("Vous debouchez dans une grande salle ou trainent peu de dechets. Sur votre\n"
                "gauche s'ouvre une cavite, droit devant une echelle monte vers la surface, et\n"
                "sur votre droite s'eleve un tas d'ossements.\n\n"
                "Vous etes soulage d'avoir trouve la sortie de ces egouts.\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Courir vers la sortie.\n\n");
    game.printf("2) Examiner le tas d'ossements.\n\n");
    game.printf("3) Examiner la cavite.\n\n");
    game.printf("Votre choix :");
}

void snake_name(Game& game, const char* name) {
    game.textcolor(10);
    game.cprintf("%s", name);
}

void run_for_the_ladder(Game& game) {
    game.printf("Vous courez vers l'echelle et commencez a grimper. Soudain, vous entendez un\n"
                "sifflement. Une creature jaillit de la cavite.\n\n");
    game.printf("Il s'agit d'un ");
    snake_name(game, "serpent des catacombes");
    game.printf(".\n\n");
    game.printf("Il est bien trop rapide pour que vous puissiez fuir par l'echelle. Le combat\n"
                "est inevitable.\n");
}

void look_at_the_bones(Game& game) {
    game.printf("Vous examinez les ossements : des os d'animaux domestiques, mais aussi des os\n"
                "humains. Vous serrez votre arme. Quelques secondes plus tard, une creature\n"
                "sort de la cavite en sifflant : un ");
    snake_name(game, "serpent des catacombes ");
    game.printf("!\n\n");
    game.printf("Ces ossements etaient ses repas. Vous l'aviez senti venir et vous frappez le\n"
                "premier.\n");
    game.choice = kHeroFirst;
}

void look_into_the_cavity(Game& game) {
    game.printf("Vous vous approchez de la cavite. Un sifflement se rapproche et deux yeux\n"
                "brillent dans l'obscurite. Vous faites un bond en arriere, pret a vous battre.\n"
                "Une creature sort de la cavite.\n\n");
    game.textcolor(10);
    game.printf("Il s'agit d'un ");
    game.cprintf("serpent des catacombes ");
    game.printf("et celui fonce vers vous pour vous\n");
    game.printf("attaquer.\n\n");
    game.printf("Vous vous y attendiez et vous frappez le premier.\n");
    game.choice = kHeroFirst;
}

Scene great_hall(Chapter2& chapter) {
    Game& game = chapter.game;
    lost_in_the_sewers(chapter);
    const int key = menu_scene(game, [&] { draw_great_hall(game); }, "123");
    game.clrscr();
    if (key == '1') run_for_the_ladder(game);
    if (key == '2') look_at_the_bones(game);
    if (key == '3') look_into_the_cavity(game);
    game.textcolor(7);
    wait_key(game);
    return Scene::SnakeFight;
}

Scene snake_fight(Game& game) {
    start_fight(game, kCatacombSnake);
    return Scene::AfterSnake;
}

void draw_after_snake(Game& game) {
    game.printf("Le serpent git mort a vos pieds. Son poison, qui aurait pu vous etre fatal,\n"
                "n'a heureusement pas fait effet.\n\n");
    game.printf("Deux chois s'offrent maintenant a vous:\n\n");
    game.printf("1) Vous pouvez grimper sur l'echelle et quitter ses egouts.\n\n");
    game.printf("2) Vous pouvez fouiller le tas d'ossements dans l'espoir d'y trouver\n\n");
    game.printf("quelquechose.\n\n");
    game.printf("Votre choix :");
}

void search_the_bones(Game& game) {
    game.clrscr();
    game.printf("Fouiller ces ossements est une sage decision : le serpent ne se servait pas\n"
                "des affaires de ses victimes, et personne ne vient jamais ici.\n\n");
    show_gain(game, "Vous trouvez une petite bourse de cuir qui contient ", "10 pieces d'or");
    game.hero.gold += 10;
    game.printf("Vous trouvez egalement des ");
    game.cprintf("bracelets de force de geant");
    game.printf(".\n\n");
    game.printf("Ceux-ci conferent un bonus de ");
    game.cprintf("1 en robustesse ");
    game.printf("en les portant.\n\n");
    game.hero.robustness += 1;
    game.printf("Une fois ce butin ramasse vous vous dirigez vers la petite echelle.\n");
    game.hero.item_owned[kSlotBracelets] = 1;
    game.hero.item_name[kSlotBracelets] = "bracelet de force de geant";
    game.textcolor(7);
    wait_key(game);
}

Scene after_snake(Game& game) {
    if (menu_scene(game, [&] { draw_after_snake(game); }, "12") == '2') search_the_bones(game);
    return Scene::UpTheLadder;
}

Scene up_the_ladder(Game& game) {
    game.clrscr();
    game.printf("Vous grimpez a l'echelle et debouchez dans une petite ruelle de la ville.\n"
                "La bouche d'egout se trouve entre des tonneaux : personne ne vous a vu sortir.\n");
    wait_key(game);
    hand_over(game, 3);
    return Scene::Done;
}

}  // namespace

Scene play_sewer_scene(Chapter2& chapter, Scene scene) {
    Game& game = chapter.game;
    switch (scene) {
        case Scene::SewerEntrance: return sewer_entrance(chapter);
        case Scene::StraightCorridor: return straight_corridor(game);
        case Scene::FirstRightBend: return first_right_bend(chapter);
        case Scene::SecondRightBend: return second_right_bend(chapter);
        case Scene::SewerCreature: return sewer_creature(chapter);
        case Scene::ForkLeftOrStraight: return fork_left_or_straight(chapter);
        case Scene::LeftTurn: return left_turn(chapter);
        case Scene::ForkLeftOrRight: return fork_left_or_right(chapter);
        case Scene::BackAtEntrance: return back_at_entrance(game);
        case Scene::GreatHall: return great_hall(chapter);
        case Scene::SnakeFight: return snake_fight(game);
        case Scene::AfterSnake: return after_snake(game);
        case Scene::UpTheLadder: return up_the_ladder(game);
        default: return Scene::Done;
    }
}

}  // namespace vov::chapter2
