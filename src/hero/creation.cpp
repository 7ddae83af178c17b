#include "hero/creation.hpp"

#include <algorithm>
#include <optional>
#include <string>

#include "hero/tables.hpp"

namespace vov {

namespace {

constexpr std::size_t kLongestName = 10;

void set_starting_values(Game& game) {
    Hero& hero = game.hero;
    game.choice = 0;
    for (const NamedNumber& number : game.fight.fields()) *number.value = 1;
    hero.chapter = 1;
    game.current_chapter = 1;
    hero.weapon2_name = "rien";
    hero.weapon2_kind = 0;
    hero.magic_resistance = 0;
    hero.defense = 0;
    for (int Hero::*field : {&Hero::agility, &Hero::precision, &Hero::robustness, &Hero::vigour,
                             &Hero::intuition, &Hero::virtue, &Hero::luck}) {
        hero.*field = 8;
    }
    for (int Hero::*field : {&Hero::reputation, &Hero::gold, &Hero::meals, &Hero::water,
                             &Hero::height_cm, &Hero::experience}) {
        hero.*field = 0;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        hero.item_owned[slot] = 0;
        hero.item_name[slot] = "rien";
    }
    hero.story_flags[0] = 0;
    hero.story_flags[1] = 0;
    hero.shield_parry = 0;
    hero.spare_flag = 1;
    hero.level = 1;
}

// A name is one word of 1 to 10 characters; a longer word is refused and asked
// again, so nothing is ever written past the name field.
void ask_name(Game& game) {
    game.clrscr();
    game.printf("Saisissez le nom de votre personnage:\n\n");
    std::string word = game.input.scan_word();
    while (word.size() > kLongestName) {
        game.printf("Le nom que vous avez saisi est trop long, veuillez en resaisir un plus court :\n");
        word = game.input.scan_word();
    }
    Hero& hero = game.hero;
    std::fill(std::begin(hero.name), std::end(hero.name), '\0');
    word.copy(hero.name, kLongestName);
}

void apply_race(Hero& hero, int race) {
    hero.race = race;
    hero.race_name = race_text(race);
    switch (race) {
        case kHuman:
            for (int Hero::*field : {&Hero::agility, &Hero::precision, &Hero::robustness,
                                     &Hero::vigour, &Hero::intuition, &Hero::virtue}) {
                hero.*field += 1;
            }
            break;
        case kDwarf:
            hero.vigour += 4;
            hero.robustness += 2;
            hero.defense += 2;
            break;
        case kElf:
            hero.agility += 3;
            hero.precision += 3;
            hero.robustness -= 1;
            hero.vigour -= 1;
            hero.magic_resistance += 5;
            break;
        case kHalfOrc:
            hero.robustness += 5;
            hero.vigour += 1;
            hero.intuition -= 1;
            hero.virtue -= 1;
            hero.reputation -= 2;
            break;
        default:  // the farfadelfe
            hero.intuition += 4;
            hero.virtue += 4;
            hero.robustness -= 2;
            hero.vigour -= 2;
            hero.defense -= 2;
            hero.magic_resistance += 3;
            break;
    }
}

void ask_race(Game& game) {
    game.clrscr();
    game.printf("Choisissez la race de votre personnage:\n\n\n");
    game.printf("1) humain\n\n");
    game.printf("2) nain\n\n");
    game.printf("3) elfe\n\n");
    game.printf("4) mi-orque mi-humain\n\n");
    game.printf("5) farfadelfe\n\n");
    apply_race(game.hero, game.read_choice("12345") - '0');
}

// Only an elf may have black skin.
void ask_skin(Game& game) {
    const bool elf = game.hero.race == kElf;
    game.clrscr();
    game.printf("Choisissez la couleur de la peau de votre personnage:\n\n\n");
    game.printf("1) rose clair\n\n");
    game.printf("2) rose tr%cs p%cle\n\n", 138, 131);
    game.printf("3) rose br%cni\n\n", 150);
    game.printf("4) marron clair\n\n");
    game.printf("5) marron fonc%c\n\n", 130);
    if (elf) game.printf("6) noire\n\n");
    game.hero.skin = game.read_choice(elf ? "123456" : "12345") - '0';
    game.hero.skin_name = skin_text(game.hero.skin);
}

void ask_hair(Game& game) {
    game.clrscr();
    game.printf("Choisissez la couleur des cheveux de votre personnage:\n\n\n");
    game.printf("1) couleur brune\n\n");
    game.printf("2) couleur blonde\n\n");
    game.printf("3) couleur ch%ctain\n\n", 131);
    game.printf("4) couleur rousse\n\n");
    game.printf("5) cheveux blancs\n\n");
    game.printf("6) pas de cheveux\n\n");
    game.hero.hair = game.read_choice("123456") - '0';
    game.hero.hair_name = hair_text(game.hero.hair);
}

void ask_eyes(Game& game) {
    game.clrscr();
    game.printf("Choisissez la couleur des yeux qu'aura votre personnage:\n\n\n");
    game.printf("1) verts\n\n");
    game.printf("2) marrons\n\n");
    game.printf("3) bleus\n\n");
    game.printf("4) noirs\n\n");
    game.hero.eyes = game.read_choice("1234") - '0';
    game.hero.eyes_name = eyes_text(game.hero.eyes);
}

struct HeightBounds {
    int lowest;
    int highest;
};

// Prints the race's height question and returns its bounds.
HeightBounds show_height_question(Game& game) {
    game.clrscr();
    game.printf("Entrez la taille de votre personnage, celle ci doit %ctre comprise entre ", 136);
    switch (game.hero.race) {
        case kDwarf:
            game.printf("80\n\ncentim%ctres et 120 centim%ctres (%cgal 1 m%ctre 20).\n\n\n", 138, 138,
                        130, 138);
            game.printf("Entrez la valeur en centim%ctres: ", 138);
            return {80, 120};
        case kFarfadelfe:
            game.printf("40\n\ncentim%ctres et 80 centim%ctres.\n\n\n", 138, 138);
            return {40, 80};
        default:
            game.printf("140\n\ncentim%ctres et 200 centim%ctres (donc entre 1 m%ctre 40 et 2 m%ctres).\n\n\n",
                        138, 138, 138, 138);
            game.printf("Entrez la valeur en centim%ctres: ", 138);
            return {140, 200};
    }
}

// The small races' retry message has its own spelling.
void show_height_retry(Game& game) {
    if (game.hero.race == kDwarf || game.hero.race == kFarfadelfe) {
        game.printf("\nLa taille que vous avez choisi n'est pas correcte, vueillez en resaisir une\nnouvelle :\n");
    } else {
        game.printf("\nLa taille que vous avez choisi n'est pas correcte, veuillez en resaisir une\nnouvelle :\n");
    }
}

void ask_height(Game& game) {
    const HeightBounds bounds = show_height_question(game);
    for (;;) {
        const std::optional<int> height = game.input.scan_int();
        if (height && *height >= bounds.lowest && *height <= bounds.highest) {
            game.hero.height_cm = *height;
            return;
        }
        show_height_retry(game);
    }
}

struct ClassChoice {
    int hero_class;
    int weapon1_kind;
    int weapon_damage;
    int Hero::*bonus;
};

// In the order of the class menu, keys '1' to '6'.
constexpr ClassChoice kClassMenu[] = {
    {kWizard, 0, 4, &Hero::intuition},   {kPriest, 1, 6, &Hero::virtue},
    {kRanger, 5, 11, &Hero::agility},    {kThief, 2, 10, &Hero::luck},
    {kKnight, 3, 13, &Hero::robustness}, {kBarbarian, 4, 16, &Hero::agility},
};

void apply_class(Hero& hero, const ClassChoice& chosen) {
    hero.hero_class = chosen.hero_class;
    hero.class_name = class_text(chosen.hero_class);
    hero.weapon1_kind = chosen.weapon1_kind;
    hero.weapon1_name = weapon_text(chosen.weapon1_kind);
    hero.weapon_damage = chosen.weapon_damage;
    hero.*chosen.bonus += 1;
    if (chosen.hero_class == kKnight) {
        hero.item_name[kSlotShield] = "bouclier de novice";
        hero.item_owned[kSlotShield] = 1;
        hero.shield_parry = 1;
    }
}

// Elves are not offered the barbarian, farfadelfes neither the knight nor the
// barbarian; a hidden class is refused at the keyboard too.
void ask_class(Game& game) {
    const int race = game.hero.race;
    game.clrscr();
    game.printf("Choisissez la classe de votre personnage:\n\n");
    game.printf("1) sorcier\n\n");
    game.printf("2) pr%ctre\n\n", 136);
    game.printf("3) rodeur\n\n");
    game.printf("4) voleur\n\n");
    if (race != kFarfadelfe) game.printf("5) chevalier\n\n");
    if (race != kFarfadelfe && race != kElf) game.printf("6) barbare\n\n");
    const char* keys = race == kFarfadelfe ? "1234" : race == kElf ? "12345" : "123456";
    apply_class(game.hero, kClassMenu[game.read_choice(keys) - '1']);
}

// The seven characteristics an answer can raise, in the order of its options.
using Answers = int Hero::*[7];

void ask_question(Game& game, void (*show)(Game&), const Answers& answers) {
    game.clrscr();
    show(game);
    game.printf("\n\n\nVotre choix:");
    game.hero.*answers[game.read_choice("1234567") - '1'] += 1;
}

void show_wife_question(Game& game) {
    game.printf("Voici pour terminer l'%claboration de votre personnage quelques questions.\n", 130);
    game.printf("Veuillez y repondre le plus sinc%crement possible pour que le personnage\n", 138);
    game.printf("que vous allez cr%cer vous correspond en tout point.\n\n\n\n\n", 130);
    game.printf("Vous avez v%ccu trop longtemps seul, vous d%ccidez de vous marier, vers quel type\n", 130, 130);
    game.printf("de femme vous tournerez vous?\n\n\n");
    game.printf("1) Une jeune pr%ctresse aux longs cheveux dor%cs, v%ctue d'une longue robe\n", 136, 130, 136);
    game.printf("   blanche, dont la douceur et la pi%ct%c apaiseront votre %cme.\n\n", 130, 130, 131);
    game.printf("2) Une amazone, farouche et libre, que l'on admire partout pour son\n");
    game.printf("   temp%crament de feu.\n\n", 130);
    game.printf("3) Une valkyrie v%ctue d'une armure d'%ccailles, une lance %c la main,\n", 136, 130, 133);
    game.printf("   chevauchant un destrier de feu.\n\n");
    game.printf("4) Une boh%cmienne qui va de ville en ville, et qui n'a connu ni la luxure\n", 130);
    game.printf("   ni le pouvoir.\n\n");
    game.printf("5) Une danseuse du ventre rencontr%ce %c la cour du roi, gracieuse et\n", 130, 133);
    game.printf("   voluptueuse.\n\n");
    game.printf("6) Une enchanteresse au regard ensorcelant, pour qui la vie et la magie\n");
    game.printf("   ne font qu'un.\n\n");
    game.printf("7) Une forte guerri%cre, la hache sur l'%cpaule, pour combattre %c vos\n", 138, 130, 133);
    game.printf("   c%ct%cs.\n", 147, 130);
}

void show_weapon_question(Game& game) {
    game.printf("Vous parcourez un donjon et tombez sur un vieil entrep%ct d'armes abandonn%c.\n", 147, 130);
    game.printf("Si vous choisiriez une arme qui s'y trouve, laquelle");
    game.printf(" prendriez vous:\n\n\n");
    game.printf("1) Une hache. Elle est lente %c manier, mais il n'est pas d'ennemi qu'elle ne\n", 133);
    game.printf("   puisse vaincre.\n\n");
    game.printf("2) Un arc. Finesse et dext%crit%c avant tout : combattre de loin, c'est vivre\n", 130, 130);
    game.printf("   plus longtemps.\n\n");
    game.printf("3) Une %cp%ce, que vous porterez avec un bouclier : l'arme des chevaliers,\n", 130, 130);
    game.printf("   des paladins et des templiers.\n\n");
    game.printf("4) Un sceptre magique, non pour combattre, mais pour accro%ctre vos\n", 140);
    game.printf("   facult%cs magiques.\n\n", 130);
    game.printf("5) Une dague. Frapper par surprise, ou surgir de l'ombre, et tuer d'un\n");
    game.printf("   seul coup.\n\n");
    game.printf("6) Une fronde. Elle ne paye pas de mine, mais la chance d'un tir bien\n");
    game.printf("   ajust%c peut vous sauver la vie.\n\n", 130);
    game.printf("7) Aucune. La violence ne sert %c rien dans ce monde.\n", 133);
}

void show_shop_question(Game& game) {
    game.printf("Vous vous trouvez au beau milieu d'une ville, votre bourse est remplie de\n");
    game.printf("pi%cces d'or. Vers quel %cchoppe vous dirigerez vous ?\n\n\n", 138, 130);
    game.printf("1) La forge, pour faire r%cparer votre arme ou pour en acheter une\n", 130);
    game.printf("   nouvelle.\n\n");
    game.printf("2) L'armurier, afin de compl%cter enfin votre armure d'%ccailles.\n\n", 130, 130);
    game.printf("3) Le march%c, o%c l'on trouve parfois des objets tr%cs rares.\n\n", 130, 151, 138);
    game.printf("4) L'apothicaire, pour ses potions, ses parchemins et ses poudres.\n\n");
    game.printf("5) Le fl%cchier, pour de nouvelles fl%cches et une nouvelle corde %c votre\n", 130, 138, 133);
    game.printf("   arc.\n\n");
    game.printf("6) Aucune %cchoppe : vous allez plut%ct demander de l'aide au temple de la\n", 130, 147);
    game.printf("   ville.\n\n");
    game.printf("7) Aucune %cchoppe : vous attendez la nuit pour aller voler.\n", 130);
}

constexpr Answers kWifeAnswers = {&Hero::virtue,    &Hero::precision, &Hero::vigour,    &Hero::luck,
                                  &Hero::agility,   &Hero::intuition, &Hero::robustness};
constexpr Answers kWeaponAnswers = {&Hero::robustness, &Hero::precision, &Hero::vigour, &Hero::intuition,
                                    &Hero::agility,    &Hero::agility,   &Hero::luck};
constexpr Answers kShopAnswers = {&Hero::robustness, &Hero::vigour, &Hero::luck,   &Hero::intuition,
                                  &Hero::precision,  &Hero::virtue, &Hero::agility};

}  // namespace

void create_hero(Game& game) {
    game.play("creation.mp3");
    set_starting_values(game);
    ask_name(game);
    ask_race(game);
    ask_skin(game);
    ask_hair(game);
    ask_eyes(game);
    ask_height(game);
    ask_class(game);
    game.hero.base_defense = game.hero.defense;
}

// Health and magic energy come from the final characteristics and start full.
void ask_personality(Game& game) {
    ask_question(game, show_wife_question, kWifeAnswers);
    ask_question(game, show_weapon_question, kWeaponAnswers);
    ask_question(game, show_shop_question, kShopAnswers);
    Hero& hero = game.hero;
    hero.energy = hero.intuition * 4 + hero.virtue;
    hero.hp = hero.vigour * 5;
    hero.max_hp = hero.hp;
    hero.max_energy = hero.energy;
}

}  // namespace vov
