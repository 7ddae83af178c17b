#include "hero/sheet.hpp"

namespace vov {

int show_character_sheet(Game& game) {
    const Hero& hero = game.hero;
    const bool just_created = game.choice == kJustCreated;
    game.clrscr();
    if (just_created) game.printf("Vous venez de terminer la cr%cation de votre personnage.\n\n", 130);
    game.printf("Voici vos caract%cristiques :\n\n\n", 130);
    game.printf("Vous vous appelez %s, vous %ctes un %s.\n\n", hero.name, 136, hero.race_name);
    game.printf("Vous avez des yeux de couleur %s.\n", hero.eyes_name);
    game.printf("Votre peau est de couleur %s. ", hero.skin_name);
    if (hero.hair == 6) {
        game.printf("Vous n'avez pas de cheveux.\n");
    } else {
        game.printf("Vos cheveux sont %s.\n", hero.hair_name);
    }
    game.printf("Vous mesurez %d centim%ctres.\n\n\n", hero.height_cm, 138);
    game.printf("Vous %ctes un %s de lvl %d.\n\n\n", 136, hero.class_name, hero.level);
    game.printf("Vous avez les caract%cristiques suivantes :\n\n", 130);
    game.printf("Agilit%c : %d\n", 130, hero.agility);
    game.printf("Pr%ccision : %d\n", 130, hero.precision);
    game.printf("Robustesse : %d\n", hero.robustness);
    game.printf("Vigueur : %d\n", hero.vigour);
    game.printf("Intuition : %d\n", hero.intuition);
    game.printf("Vertu : %d\n", hero.virtue);
    game.printf("Bonne fortune : %d\n\n", hero.luck);
    game.printf("Vous avez %d/%d points de sant%c.\n", hero.hp, hero.max_hp, 130);
    game.printf("Vous avez %d/%d points d'%cnergie magique.\n", hero.energy, hero.max_energy, 130);
    game.printf("Vous avez une classe d'armure de %d et une r%csistance %c la magie de %d.\n",
                hero.defense, 130, 133, hero.magic_resistance);
    if (!just_created) {
        game.printf("Vous poss%cdez %d pi%cces d'or, %d repas et %d rasades d'eau.\n\n", 130,
                    hero.gold, 138, hero.meals, hero.water);
    }
    game.printf("Vous avez [%d] en r%cputation\n\n", hero.reputation, 130);
    game.printf("Vous avez %d points d'exp%crience.", hero.experience, 130);
    return game.getch();
}

int show_equipment(Game& game) {
    const Hero& hero = game.hero;
    game.clrscr();
    game.printf("Parties d'armures:\n\n");
    game.printf("T%cte:  %s\n", 136, hero.item_name[kSlotHead]);
    game.printf("torse:  %s\n", hero.item_name[kSlotTorso]);
    game.printf("jambes:  %s\n", hero.item_name[kSlotLegs]);
    game.printf("bras:  %s\n", hero.item_name[kSlotArms]);
    game.printf("bottes:  %s\n\n\n", hero.item_name[kSlotBoots]);
    game.printf("Bijoux:\n\n");
    game.printf("bracelets:  %s\n", hero.item_name[kSlotBracelets]);
    game.printf("amulette:  %s\n", hero.item_name[kSlotAmulet]);
    game.printf("anneau droit:  %s\n", hero.item_name[kSlotRightRing]);
    game.printf("anneau gauche:  %s\n", hero.item_name[kSlotLeftRing]);
    game.printf("boucle d'oreille:  %s\n\n\n", hero.item_name[kSlotEarring]);
    game.printf("Autres:\n\n");
    game.printf("cape:  %s \n", hero.item_name[kSlotCloak]);
    game.printf("ceinture:  %s \n\n\n\n", hero.item_name[kSlotBelt]);
    game.printf("Armes:\n\n");
    game.printf("arme n%c 1:  %s \n", 248, hero.weapon1_name);
    game.printf("arme n%c 2:  %s \n\n\n", 248, hero.weapon2_name);
    game.printf("bouclier : %s \n\n\n", hero.item_name[kSlotShield]);
    game.printf("Objets :  ");
    if (hero.item_owned[kSlotObjects] == 1) game.printf("croc d'araignee psychique ");
    return game.getch();
}

}  // namespace vov
