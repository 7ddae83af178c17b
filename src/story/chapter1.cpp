// Chapter 1, the rainbow forest: the hero wakes beside the path after the
// ambush and must get out of the forest, past the false guards, the wolf and
// the gnome, and the sinuous plant, to the edge of the forest before Voderuri.
#include "hero/progression.hpp"
#include "story/chapters.hpp"
#include "story/scene.hpp"

namespace vov {

namespace {

enum class Scene {
    TitleCard,
    BesideThePath,
    SearchTheRubble,
    GuardsOnThePath,
    GreetTheGuards,
    Ambush,
    IntoTheForest,
    Campfire,
    WolfAndGnome,
    WolfFight,
    GnomeAfterTheFight,
    GnomeHouse,
    BenchInTheForest,
    SinuousPlant,
    PullThePlantOff,
    PlantFight,
    OutOfTheForest,
    Done,
};

// The gnome marker: the hero killed the gnome (kept from one run to the next).
constexpr int kGnomeKilled = 8;
constexpr int kBlackSkin = 6;
constexpr int kGnomeDoorHeight = 90;

void enter_the_forest(Game& game) { game.play("foret.mp3"); }

Scene title_card(Game& game) {
    show_title_card(game, 20, "Chapitre 1 : La For\x88t de l'arc-en-ciel.", 40);
    game.play(kStopMusic);
    return Scene::BesideThePath;
}

Scene beside_the_path(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous reprenez peu a peu vos esprits. Vous etes allonge au bord d'un sentier,\n"
                    "au beau milieu d'une foret. Autour de vous, les debris de la charrette\n"
                    "jonchent le sol. Le sentier semble mener vers Voderuri. Vos agresseurs ont\n"
                    "sans doute emporte tout ce qui avait de la valeur.\nBref, ");
        game.printf("vous ne disposez plus que de votre arme : votre %s.\n\n", game.hero.weapon1_name);
        game.printf("Que voulez vous faire :\n\n\n");
        game.printf("1) Essayer de quitter la foret en la traversant de l'interieur\n\n");
        game.printf("2) Essayer de la quitter en longeant le sentier\n\n");
        game.printf("3) Avant toute chose fouiller les decombres.\n\n");
        game.printf("Votre choix:");
    }, "123");
    if (key == '1') {
        enter_the_forest(game);
        return Scene::IntoTheForest;
    }
    return key == '2' ? Scene::GuardsOnThePath : Scene::SearchTheRubble;
}

Scene search_the_rubble(Game& game) {
    game.clrscr();
    game.textcolor(11);
    show_gain(game, "Vous fouillez les decombres et y retrouvez votre bourse : elle contient :\n\n",
              "10 pieces d'or");
    show_gain(game, "Vous retrouvez egalement vos provisions : il y en a assez pour :\n\n", "2 repas");
    show_gain(game, "Vous recuperez votre gourde : il y en a pour :\n\n", "5 rasades");
    game.printf("Rien ne vous a ete vole : ce ne sont donc pas des brigands qui vous ont\n"
                "attaques. Il serait sans doute prudent de traverser la foret sans vous faire\n"
                "remarquer.\n");
    game.hero.gold += 10;
    game.hero.meals += 2;
    game.hero.water += 5;
    game.textcolor(7);
    wait_key(game);
    enter_the_forest(game);
    return Scene::IntoTheForest;
}

Scene guards_on_the_path(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous suivez le sentier en direction de Voderuri. Au bout d'une heure de\n"
                    "marche, vous apercevez cinq gardes qui se reposent sous un arbre, non loin\n"
                    "du sentier. Pourtant, a voir leur equipement, ce ne sont pas des soldats du\n"
                    "roi de Voderuri.\n\n");
        game.printf("Que voulez vous faire :\n\n\n");
        game.printf("1) Leur dire bonjour et leur demander si ils savent quelque chose sur les\n");
        game.printf("cavaliers qui vous ont attaques.\n\n");
        game.printf("2) Les attaquer.\n\n");
        game.printf("3) Ou poursuivre votre route mais en marchant cette fois-ci au coeur de la\n");
        game.printf("foret\n\n");
        game.printf("Votre choix:");
    }, "123");
    if (key == '3') {
        enter_the_forest(game);
        return Scene::IntoTheForest;
    }
    return key == '1' ? Scene::GreetTheGuards : Scene::Ambush;
}

Scene greet_the_guards(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous vous approchez d'eux pour les saluer et leur poser quelques questions.\n"
                    "Un garde qui semblait dormir releve alors la tete et vous lance un sourire\n"
                    "moqueur. Les autres vous devisagent : ils n'ont pas l'air tres amicaux.\n\n");
        game.printf("Que voulez vous faire:\n\n\n");
        game.printf("1) Les attaquer.\n\n");
        game.printf("2) Fuire vers la foret\n\n");
        game.printf("Votre choix:");
    }, "12");
    if (key == '1') return Scene::Ambush;
    enter_the_forest(game);
    return Scene::IntoTheForest;
}

// The fireball from the bushes: 5 points less the magic resistance, taken again
// every time the scene is shown.
void take_the_fireball(Game& game) {
    Hero& hero = game.hero;
    game.textcolor(12);
    game.printf("Vous perdez ");
    game.cprintf("5 - %d points de sante", hero.magic_resistance);
    game.printf(".\n\n");
    hero.hp += hero.magic_resistance - 5;
    game.textcolor(7);
    check_limits(game);
}

[[noreturn]] void charge_the_guards(Game& game) {
    game.clrscr();
    game.printf("Vous chargez vos ennemis. Mais deux pretres sortent alors des buissons d'ou\n"
                "est partie la boule de feu. L'un se met a psalmodier, l'autre pointe le doigt\n"
                "vers vous. Du lierre jaillit du sol, s'enroule autour de vos jambes et vous\n"
                "paralyse. Vous voila a la merci de vos ennemis...\n");
    death_screen(game);
}

Scene ambush(Game& game) {
    const int key = menu_scene(game, [&] {
        game.play("attaque.mp3");
        game.printf("Vous marchez droit sur les gardes. Ceux-ci saisissent aussitot leurs armes\n"
                    "et courent a votre rencontre. Soudain, une petite boule de feu jaillit des\n"
                    "buissons sur votre droite et vous frappe en pleine poitrine.\n\n");
        take_the_fireball(game);
        game.printf("Ces gardes sont apparemment plus nombreux que vous ne le pensiez.\n\n");
        game.printf("Que voulez vous faire:\n\n\n");
        game.printf("1) Charger.\n\n");
        game.printf("2) Fuire vers la foret\n\n");
        game.printf("Votre choix :");
    }, "12");
    if (key == '1') charge_the_guards(game);
    enter_the_forest(game);
    return Scene::IntoTheForest;
}

Scene into_the_forest(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous quittez le sentier et vous enfoncez au coeur de la foret alors que la\n"
                    "nuit tombe. Vous progressez lentement a travers les buissons. Au bout d'une\n"
                    "heure, vous apercevez la lueur d'un feu entre les arbres.\n\n");
        game.printf("Que voulez vous faire:\n\n\n");
        game.printf("1) Vous y en approchez.\n\n");
        game.printf("2) Continuez votre route en le contournant.\n\n");
        game.printf("Votre choix :");
    }, "12");
    return key == '1' ? Scene::Campfire : Scene::BenchInTheForest;
}

Scene campfire(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous vous approchez prudemment : c'est un feu de camp. Arrive a une dizaine\n"
                    "de metres, vous entendez des grognements. Un combat est en train de se\n"
                    "derouler tout pres du feu.\n\n");
        game.printf("Que voulez vous faire:\n\n\n");
        game.printf("1) Continuez votre route en ne vous occupant pas de cette bagarre.\n\n");
        game.printf("2) Vous en approchez.\n\n");
        game.printf("Votre choix :");
    }, "12");
    return key == '1' ? Scene::BenchInTheForest : Scene::WolfAndGnome;
}

void kill_the_gnome(Game& game) {
    Hero& hero = game.hero;
    game.clrscr();
    game.printf("Vous frappez le gnome, qui meurt sur le coup. Vous vous demandez bien a quoi\n"
                "cela a pu servir...\n\n");
    game.fight.fight_result = kGnomeKilled;
    game.textcolor(12);
    game.printf("Vous perdez :\n\n");
    if (hero.race == kDwarf) {
        game.cprintf("2 points de reputation");
        game.printf(".\n\n");
        hero.reputation -= 2;
        check_limits(game);
        game.printf("Il est en effet inadmissible pour un nain\n");
        game.printf("de tuer un de leur allie gnome.\n\n");
    } else {
        game.cprintf("1 point de reputation");
        game.printf(".\n\n");
        hero.reputation -= 1;
        check_limits(game);
    }
    game.textcolor(7);
    game.printf("Le loup, surpris un instant, se jette tout de meme sur vous. Inutile de\n"
                "chercher a fuir.\n");
    wait_key(game);
}

Scene wolf_and_gnome(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous vous approchez encore et decouvrez un loup et un gnome qui se battent\n"
                    "a la lueur du feu. Le loup a nettement le dessus.\n\n");
        game.printf("Il vous faut agir !\n\n");
        game.printf("Que voulez vous faire:\n\n\n");
        game.printf("1) Combattre le gnome.\n\n");
        game.printf("2) Combattre le loup.\n\n");
        game.printf("3) Les laisser se combattre entre eux et continuer votre route.\n\n");
        game.printf("Votre choix :");
    }, "123");
    if (key == '3') return Scene::BenchInTheForest;
    if (key == '1') kill_the_gnome(game);
    return Scene::WolfFight;
}

Scene wolf_fight(Game& game) {
    start_fight(game, FightSetup{
        .name = "Loup de la foret",
        .weapon = "crocs et griffes",
        .kind = kWeaponFighter,
        .first_strike = kHeroFirst,
        .monster = Monster{.hp = 20, .energy = 0, .defense = 0, .magic_resistance = 0,
                           .agility = 5, .robustness = 7, .spell_power = 0, .level = 2,
                           .has_shield = 0, .weapon_parry = 0, .weapon_damage = 6,
                           .experience_reward = 7},
        .sets_spell_power = false,
    });
    return game.fight.fight_result == kGnomeKilled ? Scene::BenchInTheForest : Scene::GnomeAfterTheFight;
}

Scene black_elf_turned_away(Game& game) {
    wait_key(game);
    game.clrscr();
    game.printf("Le gnome bondit soudain sur place et vous hurle dessus:\n\n");
    game.cprintf("Par toutes les racines de la foret !\r\n");
    game.cprintf("Je n'avais pas vu que vous etiez un elfe noir !\r\n\n");
    game.printf("Il s'enfuit en courant et s'enferme dans sa petite maison, a deux pas du lieu\n"
                "du combat. A travers la porte, il vous crie encore :\n\n");
    game.cprintf("cela ne sert a rien de forcer la serrure, elle est scellee magiquement !\r\n\n");
    game.printf("Vous ne cherchez pas a verifier ses dires et poursuivez votre route a travers\n"
                "la foret.\n");
    game.textcolor(7);
    wait_key(game);
    return Scene::BenchInTheForest;
}

Scene too_tall_for_the_door(Game& game) {
    game.clrscr();
    game.printf("Vous etes bien trop grand pour passer par cette porte. Vous appelez le\n"
                "gnome, mais il ne revient pas. Peut-etre l'avait-il prevu... Il s'est bien\n"
                "moque de vous ! Vous poursuivez donc votre route a travers la foret.\n");
    wait_key(game);
    return Scene::BenchInTheForest;
}

Scene gnome_after_the_fight(Game& game) {
    game.clrscr();
    game.textcolor(6);
    game.printf("Votre dernier coup a eu raison du loup. Le gnome, qui s'etait cache dans un\n"
                "buisson pendant le combat, s'approche alors de vous.\n\n");
    if (game.hero.skin == kBlackSkin) return black_elf_turned_away(game);
    game.printf("Celui-ci vous lance alors :\n\n");
    game.cprintf("Merci gentil aventurier, pour la peine d'avoir depense un peu de votre temps\r\n");
    game.cprintf("pour m'aider, je vais vous aider.\r\n\n");
    game.printf("Il vous demande de le suivre, ouvre avec une clef la porte de sa petite\n"
                "maison, a deux pas de la, et s'y engouffre.\n");
    game.textcolor(7);
    wait_key(game);
    if (game.hero.height_cm > kGnomeDoorHeight) return too_tall_for_the_door(game);
    return Scene::GnomeHouse;
}

void take_the_ring(Game& game) {
    Hero& hero = game.hero;
    game.clrscr();
    game.printf("Vous passez l'anneau a votre doigt et sentez un peu de magie vous\n"
                "parcourir.\n\n");
    game.printf("Vous venez d'acquerir un :\n\n");
    game.textcolor(11);
    game.cprintf("anneau des dryades perdues");
    game.printf(".\n\nEn le portant, vous ");
    game.printf("beneficiez d'un bonus de ");
    game.cprintf("+1 en bonne fortune");
    game.printf(".\n\n");
    game.printf("Le gnome s'allonge alors et se met a ronfler. Vous quittez sa maison sans\n"
                "bruit.\n");
    hero.item_owned[kSlotRightRing] = 1;
    hero.item_name[kSlotRightRing] = "anneau des dryades perdues";
    hero.luck += 1;
    game.textcolor(7);
    wait_key(game);
}

// The medallion's health bonus makes the new current health the maximum.
void take_the_medallion(Game& game) {
    Hero& hero = game.hero;
    game.clrscr();
    game.textcolor(11);
    game.printf("Vous refusez poliment. Le gnome vous sourit. Soudain, la piece s'estompe\n"
                "autour de vous et vous vous retrouvez dehors, un medaillon autour du cou :\n"
                "un cadeau d'une bien plus grande valeur.\n\n");
    game.printf("Vous venez d'obtenir un :\n\n");
    game.cprintf("medaillon du petit gnome");
    game.printf(".\n\nSes proprietes magiques sont ");
    game.printf("les suivantes :\n\n");
    game.cprintf("+ 5 points de sante + 1 defense");
    game.printf(".\n\n");
    game.printf("Vous decidez alors de poursuivre votre chemin dans la foret.\n");
    game.textcolor(7);
    hero.item_owned[kSlotAmulet] = 1;
    hero.item_name[kSlotAmulet] = "amulette du petit gnome";
    hero.hp += 5;
    hero.max_hp = hero.hp;
    hero.defense += 1;
    hero.base_defense = hero.defense;
    wait_key(game);
}

Scene gnome_house(Game& game) {
    const int key = menu_scene(game, [&] {
        game.printf("Vous suivez le gnome dans un long couloir qui mene a une petite piece.\n"
                    "Il fume une pipe, la pose sur une etagere, puis sort de sa poche un petit\n"
                    "anneau qu'il vous tend : il a ete fabrique il y a bien longtemps par les\n"
                    "dryades qui vivaient dans cette foret.\n\n");
        game.printf("Que voulez vous faire\n\n\n");
        game.printf("1) Prendre l'anneau que vous tend le petit gnome.\n\n");
        game.printf("2) Le lui laisser en lui disant que vous n'en avez pas besoin.\n\n");
        game.printf("Votre choix :");
        game.textcolor(7);
    }, "12");
    if (key == '1') {
        take_the_ring(game);
    } else {
        take_the_medallion(game);
    }
    return Scene::BenchInTheForest;
}

void eat_a_meal(Game& game) {
    Hero& hero = game.hero;
    game.textcolor(11);
    game.printf("Vous mangez un repas tire de votre sac et buvez une rasade de votre gourde.\n\n");
    show_gain(game, "Vous venez de recuperer :\n\n", "5 points de sante");
    hero.meals -= 1;
    hero.water -= 1;
    hero.hp += 5;
    check_limits(game);
}

void go_hungry(Game& game) {
    game.textcolor(12);
    game.printf("Vous mourez de faim, mais vous n'avez plus rien a manger.\n\n");
    show_loss(game, "Vous perdez :\n\n", "3 points de sante", "\n\n");
    game.hero.hp -= 3;
    check_limits(game);
}

Scene bench_in_the_forest(Game& game) {
    game.play("foretprofonde.mp3");
    game.clrscr();
    game.printf("Vous marchez des heures durant a travers la foret. Depuis l'accident, vous\n"
                "n'avez croise que peu d'etres vivants. Vous apercevez enfin un banc au pied\n"
                "d'un arbre et vous vous y arretez pour vous reposer.\n\n");
    if (game.hero.meals >= 1) {
        eat_a_meal(game);
    } else {
        go_hungry(game);
    }
    game.printf("Puis vous fermez les yeux et vous assoupissez quelques instants.\n");
    game.textcolor(7);
    wait_key(game);
    return Scene::SinuousPlant;
}

[[noreturn]] void burn_the_plant(Game& game) {
    game.clrscr();
    game.printf("Ce n'est pas tres malin pour un magicien : votre boule de feu embrase la\n"
                "plante... et vous avec, puisqu'elle est enroulee autour de votre cou !\n");
    wait_key(game);
    death_screen(game);
}

void wait_for_the_plant(Game& game) {
    game.clrscr();
    game.textcolor(12);
    game.printf("La plante se resserre autour de votre gorge et ne semble pas vouloir partir.\n\n");
    show_loss(game, "Vous perdez :\n\n", "2 points de sante");
    game.hero.hp -= 2;
    check_limits(game);
    game.printf("Vous decidez de la retirer a l'aide de votre arme.\n");
    game.textcolor(7);
    wait_key(game);
}

Scene sinuous_plant(Game& game) {
    const bool wizard = game.hero.hero_class == kWizard;
    const int key = menu_scene(game, [&] {
        game.printf("A peine commencez-vous a vous reposer que quelque chose s'enroule autour de\n"
                    "votre cou. Vous ouvrez les yeux sans bouger : ce n'est pas un serpent mais\n"
                    "une ");
        game.textcolor(10);
        game.cprintf("plante sinueuse ");
        game.printf("qui vous enserre. Elle pendait de l'arbre au-dessus de\n"
                    "vous. Vous empoignez votre arme.\n\n");
        game.printf("Que voulez vous faire \n\n\n");
        game.printf("1) Essayez de retirer la plante avec votre arme.\n\n");
        game.printf("2) Attendre qu'elle parte d'elle meme.\n\n");
        game.textcolor(7);
        if (wizard) game.printf("3) Lancez un sort de boule de feu mineure sur la plante.\n\n");
        game.printf("Votre choix :");
    }, wizard ? "123" : "12");
    if (key == '3') burn_the_plant(game);
    if (key == '2') wait_for_the_plant(game);
    return Scene::PullThePlantOff;
}

// Each try fails while the draw modulo 6 plus luck stays below 11: a hero with
// luck 5 or less never gets the plant off and is strangled.
void fail_to_pull(Game& game) {
    game.printf("La plante se ressere petit a petit autour de votre gorge.\n\n");
    show_loss(game, "Vous perdez :\n\n", "2 points de sante");
    game.hero.hp -= 2;
    check_limits(game);
    game.printf("Vous devez reessayez de l'y retirer !\n\n");
    game.textcolor(7);
    wait_key(game);
}

Scene pull_the_plant_off(Game& game) {
    game.clrscr();
    game.printf("Vous essayez d'enlever la plante d'autour de votre coup, ce qui n'est pas chose aisee.\n\n");
    bool pulled = luck_draw(game, 6, true);
    while (!pulled) {
        fail_to_pull(game);
        pulled = luck_draw(game, 6, false);
    }
    game.clrscr();
    game.printf("Vous parvenez enfin a arracher la plante et la jetez a terre. Un peu sonnee,\n"
                "elle se redresse pourtant et vous fait face : il va falloir la combattre !\n");
    wait_key(game);
    return Scene::PlantFight;
}

Scene plant_fight(Game& game) {
    start_fight(game, FightSetup{
        .name = "Plante sinueuse",
        .weapon = "epines et lianes",
        .kind = kWeaponFighter,
        .first_strike = kAgilityDecides,
        .monster = Monster{.hp = 25, .energy = 0, .defense = 1, .magic_resistance = 2,
                           .agility = 8, .robustness = 7, .spell_power = 0, .level = 2,
                           .has_shield = 0, .weapon_parry = 0, .weapon_damage = 7,
                           .experience_reward = 10},
        .sets_spell_power = false,
    });
    return Scene::OutOfTheForest;
}

Scene out_of_the_forest(Game& game) {
    game.clrscr();
    game.printf("La plante git sur le sol, morte. Ce n'etait pas une adversaire bien\n"
                "redoutable, mais elle vous a epuise. Il vous faudrait vous reposer dans une\n"
                "auberge de Voderuri.\n");
    wait_key(game);
    game.clrscr();
    game.printf("Apres une trentaine de minutes de marche, les lumieres de Voderuri\n"
                "apparaissent a travers la cime des arbres : la lisiere de la foret est\n"
                "proche. Soudain, un grognement retentit derriere vous.\n\n");
    wait_key(game);
    game.play("grognement.mp3");
    game.printf("Vous preferez ne pas savoir quelle bete l'a pousse et vous courez hors de\n"
                "la foret.\n");
    wait_key(game);
    hand_over(game, 2);
    return Scene::Done;
}

Scene play_scene(Game& game, Scene scene) {
    switch (scene) {
        case Scene::TitleCard: return title_card(game);
        case Scene::BesideThePath: return beside_the_path(game);
        case Scene::SearchTheRubble: return search_the_rubble(game);
        case Scene::GuardsOnThePath: return guards_on_the_path(game);
        case Scene::GreetTheGuards: return greet_the_guards(game);
        case Scene::Ambush: return ambush(game);
        case Scene::IntoTheForest: return into_the_forest(game);
        case Scene::Campfire: return campfire(game);
        case Scene::WolfAndGnome: return wolf_and_gnome(game);
        case Scene::WolfFight: return wolf_fight(game);
        case Scene::GnomeAfterTheFight: return gnome_after_the_fight(game);
        case Scene::GnomeHouse: return gnome_house(game);
        case Scene::BenchInTheForest: return bench_in_the_forest(game);
        case Scene::SinuousPlant: return sinuous_plant(game);
        case Scene::PullThePlantOff: return pull_the_plant_off(game);
        case Scene::PlantFight: return plant_fight(game);
        case Scene::OutOfTheForest: return out_of_the_forest(game);
        case Scene::Done: break;
    }
    return Scene::Done;
}

}  // namespace

void play_chapter1(Game& game) {
    for (Scene scene = Scene::TitleCard; scene != Scene::Done;) scene = play_scene(game, scene);
}

}  // namespace vov
