// Chapter 2, on the road to Voderuri: the lancers at the edge of the forest, their
// pockets, the psychic spider in the cereal fields, the walls and the gate guards.
// The sewers are in sewers.cpp.

#include "hero/progression.hpp"
#include "story/chapter2_scenes.hpp"
#include "story/chapters.hpp"
#include "story/scene.hpp"

namespace vov {

namespace chapter2 {

namespace {

constexpr const char* kCountryside = "campagne.mp3";

// The lancers fight as one opponent; agility decides who strikes first.
const FightSetup kLancers = {
    "Lanciers", "lances", kWeaponFighter, kAgilityDecides,
    Monster{.hp = 35, .energy = 0, .defense = 2, .magic_resistance = 3, .agility = 8,
            .robustness = 8, .spell_power = 0, .level = 3, .has_shield = 0,
            .weapon_parry = 1, .weapon_damage = 8, .experience_reward = 15},
    false};

// The spider's first strike is the one the cereal fields left in `choice`.
const FightSetup kPsychicSpider = {
    "Araignee psychique", "crocs et venin", kSpellCaster, -1,
    Monster{.hp = 35, .energy = 20, .defense = 1, .magic_resistance = 5, .agility = 8,
            .robustness = 8, .spell_power = 9, .level = 3, .has_shield = 0,
            .weapon_parry = 0, .weapon_damage = 7, .experience_reward = 18},
    true};

// A burning cereal field, in monster_status: set before the spider fight, turned
// into kFieldOnFire by a minor fireball, which ends the fight at once.
constexpr int kCerealField = 5;
constexpr int kFieldOnFire = 3;
constexpr int kOutsideTheFields = 1;

Scene title_card(Game& game) {
    game.play(kStopMusic);
    show_title_card(game, 21, "Chapitre 2 : En chemin vers Voderuri", 36);
    return Scene::LeavingForest;
}

Scene leaving_forest(Game& game) {
    game.clrscr();
    game.textcolor(6);
    game.printf("Vous sautez hors de la foret et atterrissez dans un champ. Vous vous relevez,\n"
                "un peu etourdi. A peine debout, vous voyez deux gardes accourir vers vous.\n"
                "L'un d'eux crie :\n\n");
    game.cprintf("le voila !!\r\n\n");
    game.printf("Personne ne vous connait ici : ces hommes doivent donc etre lies a l'embuscade\n"
                "de la foret. Ils pointent leurs lances vers vous. Vous allez devoir affronter\n"
                "plusieurs adversaires a la fois.\n");
    game.textcolor(7);
    wait_key(game);
    return Scene::Lancers;
}

Scene lancers(Game& game) {
    start_fight(game, kLancers);
    return Scene::GuardBodies;
}

void draw_guard_bodies(Chapter2& chapter) {
    Game& game = chapter.game;
    game.printf("Le dernier garde s'effondre. Vous prenez quelques instants pour reprendre\n"
                "votre souffle.\n\n"
                "Leurs uniformes d'ecailles noires portent l'embleme d'une epee enflammee.\n"
                "Vous n'avez jamais entendu parler de cet ordre. Peut-etre a-t-il un lien avec\n"
                "la disparition de votre amie...\n\n"
                "Autour de vous s'etendent des champs a perte de vue. Sur une grande colline,\n"
                "a environ 2 kilometres, se dresse une ville : Voderuri.\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Fouillez les depouilles des deux gardes.\n\n");
    game.printf("2) Vous dirigez vers Voderuri.\n\n");
    game.printf("Votre choix :");
    chapter.first_guard_searched = false;
}

Scene guard_bodies(Chapter2& chapter) {
    const int key = menu_scene(chapter.game, [&] { draw_guard_bodies(chapter); }, "12");
    if (key == '1') return Scene::FirstGuard;
    chapter.game.play(kCountryside);
    return Scene::CerealFields;
}

// The helmet and its defence, for every class but the wizard and the priest.
void find_helmet(Chapter2& chapter) {
    Game& game = chapter.game;
    game.printf("Un seul casque a survecu au combat. Il semble a votre taille et vous le posez\n"
                "sur votre tete.\n\n");
    show_gain(game, "Vous obtenez un :\n\n", "casque d'ecailles noire");
    game.printf("Ce casque n'est certes pas magique mais vous rajjoute ");
    game.cprintf("2 ");
    game.printf("en ");
    game.cprintf("defense ");
    game.printf("ce qui n'est\n");
    game.printf("pas negligeable.\n\n");
    if (!chapter.first_guard_searched) {
        game.hero.defense += 2;
        game.hero.base_defense = game.hero.defense;
        game.hero.item_owned[kSlotHead] = 1;
        game.hero.item_name[kSlotHead] = "casque en ecailles noires";
    }
}

void draw_first_guard(Chapter2& chapter) {
    Game& game = chapter.game;
    game.textcolor(11);
    const int hero_class = game.hero.hero_class;
    if (hero_class != kWizard && hero_class != kPriest) find_helmet(chapter);
    show_gain(game, "Vous fouillez une des poches d'un des deux gardes et trouvez dedans :\n\n",
              "5 pieces d'or");
    if (!chapter.first_guard_searched) game.hero.gold += 5;
    game.printf("Vous ne trouvez rien d'autre d'interessant sur ce garde.\n\n");
    game.printf("Que voulez vous faire\n\n\n");
    game.printf("1) Fouillez le deuxieme garde\n\n");
    game.printf("2) Prendre la route vers Voderuri\n\n");
    game.printf("Votre choix :");
    chapter.first_guard_searched = true;
    game.textcolor(7);
}

Scene first_guard(Chapter2& chapter) {
    const int key = menu_scene(chapter.game, [&] { draw_first_guard(chapter); }, "12");
    if (key == '1') return Scene::SecondGuard;
    chapter.game.play(kCountryside);
    return Scene::CerealFields;
}

Scene second_guard(Game& game) {
    game.clrscr();
    game.printf("Vous fouillez le deuxieme garde. Vous ne trouvez rien au premier abord, puis\n"
                "vous sentez un objet de taille moyenne au fond d'une de ses poches.\n\n");
    if (game.hero.hero_class == kThief) {
        game.printf("Votre instinct de voleur vous previent d'un danger. Vous retirez l'objet\n"
                    "de la poche du bout de votre arme : c'est un piege a rat.\n\n");
    } else {
        game.printf("Vous plongez la main dans la poche et un petit piege a rat se referme\n"
                    "sur vos doigts.\n\n");
        show_loss(game, "Vous hurlez de douleur et perdez :\n\n", "2 points de sante");
        game.hero.hp -= 2;
        check_limits(game);
    }
    game.textcolor(6);
    game.printf("A cote du piege se trouve un petit mot. Il y est ecrit :\n\n");
    game.cprintf("Que cela te serve de lecon miserable voleur !\r\n\n");
    game.printf("Le mot est signe d'un denomme ");
    game.textcolor(13);
    game.cprintf("Tordevis");
    game.printf(".\n\n");
    game.printf("Vous ne trouvez pas la plaisanterie tres drole et prenez la route de\n"
                "Voderuri.\n");
    game.textcolor(7);
    wait_key(game);
    return Scene::CerealFields;
}

void draw_cereal_fields(Game& game) {
    game.printf("La nuit est tombee. Vous traversez les champs en direction de Voderuri sans\n"
                "que personne ne vous voie.\n\n"
                "A mi-chemin, les cereales vous arrivent jusqu'aux coudes et vous ralentissent.\n"
                "Soudain, a 5 metres sur votre gauche, des cereales bougent alors qu'il n'y a\n"
                "pas un souffle de vent. Un animal, une personne ou peut-etre une creature...\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Sortir votre arme et vous tenir pret.\n\n");
    game.printf("2) Vous baisser dans les cereales pour y passer inapercu.\n\n");
    game.printf("3) Courir en direction de Voderuri.\n\n");
    game.printf("Votre choix :");
    game.monster_status = kCerealField;
}

void stand_ready(Game& game) {
    game.printf("Vous avez bien fait de rester sur vos gardes : une ");
    game.textcolor(10);
    game.cprintf("araignee psychique ");
    game.textcolor(7);
    game.printf("surgit\n"
                "des cereales. Vous devez la combattre.\n");
}

void crouch(Game& game) {
    game.printf("Vous vous baissez dans les cereales. Deux enormes yeux a facettes apparaissent\n"
                "a 30 cm de votre visage : une araignee eclipsante ! Elle vous crache un acide\n"
                "gluant en plein visage.\n\n");
    show_loss(game, "Vous venez de perdre :\n\n", "4 points de sante");
    game.hero.hp -= 4;
    check_limits(game);
    game.printf("Vous devez combattre cette creature. Votre adverssaire frappe en premier vu\n");
    game.printf("qu'il vous attaque par surprise.\n");
    game.choice = kMonsterFirst;
    game.textcolor(7);
}

void run_away(Game& game) {
    game.printf("Vous courez en direction de Voderuri, mais vous trebuchez sur une motte de\n"
                "terre et tombez. La chose n'est plus qu'a 1 metre de vous : des mandibules,\n"
                "de la fourrure... une araignee de la foret ! Les araignees psychiques vivent\n"
                "dans la foret de l'arc-en-ciel, mais que fait-elle ici ? Elle a l'avantage\n"
                "de la surprise.\n");
    game.choice = kMonsterFirst;
}

Scene cereal_fields(Game& game) {
    const int key = menu_scene(game, [&] { draw_cereal_fields(game); }, "123");
    game.clrscr();
    if (key == '1') stand_ready(game);
    if (key == '2') crouch(game);
    if (key == '3') run_away(game);
    wait_key(game);
    return Scene::SpiderFight;
}

Scene spider_fight(Game& game) {
    start_fight(game, kPsychicSpider);
    return game.monster_status == kFieldOnFire ? Scene::BurningField : Scene::SpiderBody;
}

void draw_spider_body(Game& game) {
    game.printf("L'araignee morte est encore agitee de quelques soubresauts, puis elle se\n"
                "recroqueville sur elle-meme. C'est l'adversaire le plus coriace que vous ayez\n"
                "affronte jusqu'ici.\n\n"
                "Son corps repugnant eveille pourtant votre curiosite.\n\n");
    game.printf("Que voulez vous faire ?\n\n\n");
    game.printf("1) Examiner le corps de l'arachnide.\n\n");
    game.printf("2) Reprendre votre route.\n\n");
    game.printf("Votre choix :");
}

void take_fang(Game& game) {
    game.clrscr();
    game.printf("L'acide de l'araignee est encore corrosif, vous faites attention a ne pas le\n"
                "toucher. Vous admirez ses crocs, puis vous en arrachez un que vous glissez dans\n"
                "votre poche.\n\n");
    game.hero.item_owned[kSlotObjects] = 1;
    game.hero.item_name[kSlotObjects] = "croc d'araignee psychique ";
    show_gain(game, "Vous obtenez ", "un croc d'araignee psychique", ".\n");
    game.textcolor(7);
    wait_key(game);
}

Scene spider_body(Game& game) {
    if (menu_scene(game, [&] { draw_spider_body(game); }, "12") == '1') take_fang(game);
    return Scene::BeforeWalls;
}

// The fireball ended the fight without a victory, so the recovery that follows a
// victory is done here: the defence spell's bonus goes.
Scene burning_field(Game& game) {
    game.clrscr();
    game.textcolor(7);
    game.play(kStopMusic);
    game.printf("Lancer une boule de feu dans un champ de cereales n'etait pas tres malin !\n"
                "Le champ s'embrase et l'araignee s'enfuit. Des gens ont vu les flammes, et par\n"
                "votre faute une partie des recoltes de la ville est perdue.\n\n");
    show_loss(game, "Vous perdez :\n\n", "1 point de reputation", ".\n");
    game.hero.defense = game.hero.base_defense;
    game.defense_buff_used = 20;
    game.hero.reputation -= 1;
    check_limits(game);
    game.textcolor(7);
    wait_key(game);
    return Scene::BeforeWalls;
}

void draw_before_walls(Game& game) {
    game.printf("Apres 10 minutes de marche, les champs prennent fin. Voderuri n'est plus qu'a\n"
                "100 metres, et la ville est tres bien gardee. Y entrer de nuit ne sera pas\n"
                "facile, mais dormir pres de champs ou rodent des araignees serait dangereux.\n\n"
                "Vous faites le tour de la ville pendant 10 minutes. Vous trouvez une seule\n"
                "porte, gardee par deux miliciens qu'il faudra sans doute soudoyer, et, sur la\n"
                "face est, l'entree des egouts.\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Essayer de soudoyer les gardes.\n\n");
    game.printf("2) Essayer d'entrer dans la ville en passant par les egouts.\n\n");
    game.printf("Votre choix :");
}

Scene before_walls(Game& game) {
    game.monster_status = kOutsideTheFields;
    const int key = menu_scene(game, [&] { draw_before_walls(game); }, "12");
    return key == '1' ? Scene::GateGuards : Scene::SewerEntrance;
}

void draw_gate_guards(Game& game) {
    game.textcolor(6);
    game.printf("En vous voyant approcher, les gardes froncent les sourcils et serrent leurs\n"
                "lances. Vous levez les mains et leur expliquez que vous devez entrer dans la\n"
                "ville. Ils vous repondent que personne ne doit entrer la nuit. L'un d'eux\n"
                "ajoute avec un sourire narquois :\n\n");
    game.cprintf("Si tu es quelqu'un de riche, peut etre aurais tu tes chances d'entrer ...\r\n\n");
    game.printf("Vous comprenez le message que le garde vient de transmettre.\n\n");
    game.printf("Que voulez vous faire :\n\n\n");
    game.printf("1) Les laisser et vous diriger vers les egouts.\n\n");
    game.printf("2) Leur donner 3 pieces d'or.\n\n");
    game.printf("3) Leur donner 6 pieces d'or.\n\n");
    game.printf("4) Leur donner 10 pieces d'or.\n\n");
    game.printf("Votre choix :");
    game.textcolor(7);
}

void leave_guards(Game& game) {
    game.printf("\n\nVous decidez de laisser les gardes seuls avec leur avidite et vous vous dirigez\n");
    game.printf("vers les egouts.\n");
}

Scene too_little_gold(Game& game) {
    game.printf("\n\nVous n'avez pas assez d'or pour faire cela.\n");
    wait_key(game);
    return Scene::GateGuards;
}

// The guards keep their laugh and the hero keeps the gold.
Scene offer_three(Game& game) {
    game.clrscr();
    game.printf("\n\nLes gardes vous rient au nez en voyant votre si maigre offre.\n");
    leave_guards(game);
    wait_key(game);
    return Scene::SewerEntrance;
}

Scene offer_six(Game& game) {
    game.printf("\n\nEn voyant votre offre qui a l'air de les interesser, les gardes se concertent\n");
    game.printf("entre eux.\n\n");
    wait_key(game);
    const bool accepted = luck_draw(game, 5, true);
    game.clrscr();
    if (!accepted) {
        game.printf("Apres une minute de discussion, les gardes refusent votre offre et vous\n"
                    "chassent.\n\n");
        game.printf("Vous n'avez plus d'autres choix que d'entrer dans les egouts pour entrer\n");
        game.printf("dans la cite.\n");
        wait_key(game);
        return Scene::SewerEntrance;
    }
    game.printf("Apres une minute de discussion, les gardes acceptent votre offre. Ils prennent\n"
                "vos 6 pieces d'or et vous ouvrent les portes de la ville.\n\n");
    game.textcolor(12);
    game.cprintf("Vous perdez 6 pieces d'or");
    game.printf(".\n");
    game.hero.gold -= 6;
    game.textcolor(7);
    wait_key(game);
    return Scene::ThroughGate;
}

// The sight of ten coins opens the gate; the guards do not even take them.
Scene offer_ten(Game& game) {
    game.clrscr();
    game.printf("Quand vous sortez les 10 pieces d'or, les yeux des gardes s'illuminent et l'un\n");
    game.printf("d'eux vous dit:\n\n");
    game.textcolor(6);
    game.cprintf("Mon seigneur : la ville est a vous, puisse votre sejour y etre agreable.\r\n");
    wait_key(game);
    return Scene::ThroughGate;
}

Scene gate_guards(Game& game) {
    const int key = menu_scene(game, [&] { draw_gate_guards(game); }, "1234");
    const int gold = game.hero.gold;
    if (key == '1') {
        leave_guards(game);
        wait_key(game);
        return Scene::SewerEntrance;
    }
    if (key == '2') return gold >= 3 ? offer_three(game) : too_little_gold(game);
    if (key == '3') return gold >= 6 ? offer_six(game) : too_little_gold(game);
    return gold >= 10 ? offer_ten(game) : too_little_gold(game);
}

Scene through_gate(Game& game) {
    game.textcolor(7);
    game.printf("\nVous entrez dans la ville. Du haut des remparts, les gardes vous observent\n"
                "avec mefiance. Devant vous, une grande avenue mene au coeur de la cite.\n");
    wait_key(game);
    hand_over(game, 3);
    return Scene::Done;
}

Scene play_road_scene(Chapter2& chapter, Scene scene) {
    Game& game = chapter.game;
    switch (scene) {
        case Scene::TitleCard: return title_card(game);
        case Scene::LeavingForest: return leaving_forest(game);
        case Scene::Lancers: return lancers(game);
        case Scene::GuardBodies: return guard_bodies(chapter);
        case Scene::FirstGuard: return first_guard(chapter);
        case Scene::SecondGuard: return second_guard(game);
        case Scene::CerealFields: return cereal_fields(game);
        case Scene::SpiderFight: return spider_fight(game);
        case Scene::SpiderBody: return spider_body(game);
        case Scene::BurningField: return burning_field(game);
        case Scene::BeforeWalls: return before_walls(game);
        case Scene::GateGuards: return gate_guards(game);
        case Scene::ThroughGate: return through_gate(game);
        default: return play_sewer_scene(chapter, scene);
    }
}

}  // namespace

}  // namespace chapter2

void play_chapter2(Game& game) {
    chapter2::Chapter2 chapter{game};
    chapter2::Scene scene = chapter2::Scene::TitleCard;
    while (scene != chapter2::Scene::Done) scene = chapter2::play_road_scene(chapter, scene);
}

}  // namespace vov
