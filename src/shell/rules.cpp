#include "shell/rules.hpp"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace vov {

namespace {

// Clears the screen and writes the page's heading in light cyan at the top left,
// underlined with as many '-' as it shows characters; the body starts two lines
// lower.
void start_page(Game& game, const char* heading, ...) __attribute__((format(printf, 2, 3)));
void start_page(Game& game, const char* heading, ...) {
    game.clrscr();
    game.textcolor(11);
    game.gotoxy(1, 1);
    std::va_list args;
    va_start(args, heading);
    game.screen.vcprintf(heading, args);
    va_end(args);
    const int shown = game.screen.cursor_x() - 1;
    game.gotoxy(1, 2);
    game.cprintf("%s", std::string(static_cast<std::size_t>(shown), '-').c_str());
    game.gotoxy(1, 4);
}

// Any key turns the page; nothing asks for it.
void end_page(Game& game) {
    game.textcolor(7);
    game.getch();
}

// An entry's heading in green; its key words then come in brown.
void start_entry(Game& game, const char* heading, ...) __attribute__((format(printf, 2, 3)));
void start_entry(Game& game, const char* heading, ...) {
    game.textcolor(2);
    std::va_list args;
    va_start(args, heading);
    game.screen.vcprintf(heading, args);
    va_end(args);
    game.textcolor(6);
}

// A text with its accents filled in, ready to be written as one value.
std::string spelled(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string spelled(const char* fmt, ...) {
    char text[96];
    std::va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return text;
}

// The three cyan lines that close a race entry: who may be what, the bonuses and
// the maluses, as the page has always shown them.
struct RaceSummary {
    const char* classes_heading;
    const char* classes;
    std::string advantages;
    std::string weaknesses;
};

void show_race_summary(Game& game, const RaceSummary& race) {
    game.textcolor(3);
    game.cprintf("%s : ", race.classes_heading);
    game.cprintf("%s\r\n", race.classes);
    game.cprintf("Avantages ");
    game.cprintf("%s\r\n", race.advantages.c_str());
    game.cprintf("D%cfauts ", 130);
    game.cprintf("%s\r\n", race.weaknesses.c_str());
}

// ---- Introduction to the game ----

void intro_role_play(Game& game) {
    game.printf("Vous allez jouer %c un jeu dont ", 133);
    game.textcolor(14);
    game.cprintf("VOUS");
    game.printf(" %ctes le", 136);
    game.textcolor(2);
    game.cprintf(" h%cros", 130);
    game.printf(" : un ");
    game.textcolor(14);
    game.cprintf("jeu de r%cle", 147);
    game.printf(".\nVotre discernement et vos choix m%cneront la ", 138);
    game.textcolor(2);
    game.cprintf("qu%cte", 136);
    game.printf(", dont une partie vous sera\n");
    game.printf("r%cv%cl%ce au d%cbut de l'aventure. C'est vous qui d%cciderez o%c aller, quoi dire\n", 130, 130, 130, 130, 130, 151);
    game.printf("aux personnes que vous rencontrerez et comment vous %cquiper.\n\n", 130);
}

void intro_world(Game& game) {
    game.printf("Le monde dans lequel vous allez %cvoluer n'est ni contemporain, ni futuriste,\n", 130);
    game.printf("ni antique : vous voyagerez dans des temps ");
    game.textcolor(14);
    game.cprintf("m%cdi%cvaux", 130, 130);
    game.printf(", faits de");
    game.cprintf(" chevalerie");
    game.printf("\n(joutes, ch%cteaux, chevaliers) et", 131);
    game.cprintf(" d'heroic fantasy ");
    game.printf("(elfes, magie, monstres,\n");
    game.printf("nains, dragons).\n\n");
}

void intro_equipment(Game& game) {
    game.printf("Pour survivre, vous devrez vous %cquiper : de ", 130);
    game.textcolor(6);
    game.cprintf("provisions ");
    game.printf("pour vous nourrir,\nd'");
    game.cprintf("%cquipement de combat ", 130);
    game.printf("pour affronter les forces du mal, et de divers");
    game.cprintf(" objets");
    game.printf("\nn%ccessaires dans certaines situations (une torche, par exemple, pour entrer\n", 130);
    game.printf("dans une salle obscure).\n\n");
}

void intro_death(Game& game) {
    game.printf("Enfin, l'aventure ne se terminera pas toujours bien : en chemin, vous pouvez\n");
    game.printf("rencontrer la ");
    game.textcolor(12);
    game.cprintf("mort ");
    game.printf("(au cours d'un combat ou en tombant dans un pi%cge, par\n", 138);
    game.printf("exemple).\n");
}

void show_intro_page(Game& game) {
    start_page(game, "Introduction au jeu.");
    intro_role_play(game);
    intro_world(game);
    intro_equipment(game);
    intro_death(game);
    end_page(game);
}

// ---- Characteristics of the hero ----

void characteristics_foreword(Game& game) {
    game.printf("Vos ");
    game.textcolor(14);
    game.cprintf("caract%cristiques ", 130);
    game.printf("refl%ctent la force, l'endurance et l'intelligence de votre\n", 138);
    game.printf("h%cros. Elles mesurent sa ", 130);
    game.cprintf("puissance ");
    game.printf("dans chaque situation et dans chaque combat.\n\n");
}

void health_entry(Game& game) {
    start_entry(game, "- sant%c:", 130);
    game.printf(" vos ");
    game.cprintf("points de vie");
    game.printf(" sont votre esp%crance de vie. Vous en perdez lors\n", 130);
    game.printf("des combats et des m%csaventures, et vous en regagnez en vous reposant, en\n", 130);
    game.printf("mangeant ou en vous faisant soigner.\n\n");
}

void magic_energy_entry(Game& game) {
    start_entry(game, "- %cnergie magique:", 130);
    game.printf(" elle sert surtout %c lancer des ", 133);
    game.cprintf("sorts");
    game.printf(", mais aussi dans\n");
    game.printf("d'autres circonstances.\n\n");
}

void defense_entry(Game& game) {
    start_entry(game, "- d%cfense:", 130);
    game.printf(" elle diminue les ");
    game.cprintf("d%cg%cts physiques", 130, 131);
    game.printf(" que vous subissez au combat.\n");
    game.printf("Plus votre ");
    game.cprintf("armure");
    game.printf(" est bonne, plus votre d%cfense est %clev%ce. Elle compte aussi\n", 130, 130, 130);
    game.printf("dans d'autres cas, par exemple contre le projectile d'un pi%cge.\n\n", 138);
}

void magic_resistance_entry(Game& game) {
    start_entry(game, "- immunit%c aux sorts:", 130);
    game.printf(" elle vous prot%cge des ", 138);
    game.cprintf("attaques magiques");
    game.printf(" lanc%ces par les\n", 130);
    game.printf("sorciers et les cr%catures enchant%ces : c'est votre r%csistance %c la magie.\n\n", 130, 130, 130, 133);
}

void agility_entry(Game& game) {
    start_entry(game, "- agilit%c", 130);
    game.printf(" plus elle est %clev%ce, plus vous avez de chances d'", 130, 130);
    game.cprintf("esquiver");
    game.printf("\nles attaques physiques ou magiques, de r%cussir des ", 130);
    game.cprintf("acrobaties");
    game.printf(" et d'%cviter les\n", 130);
    game.cprintf("pi%cges", 138);
    game.printf(". Elle est utile %c tous les h%cros.\n\n", 133, 130);
}

void precision_entry(Game& game) {
    start_entry(game, "- pr%ccision:", 130);
    game.printf(" elle r%cgit le maniement des ", 130);
    game.cprintf("armes %c distance", 133);
    game.printf("\n(arcs, arbal%ctes, frondes, javelots et autres projectiles) : c'est votre\n", 138);
    game.printf("chance de toucher un ennemi %c distance.\n\n", 133);
}

void show_major_characteristics_page(Game& game) {
    start_page(game, "I) Caract%cristiques majeures du joueur.", 130);
    characteristics_foreword(game);
    health_entry(game);
    magic_energy_entry(game);
    defense_entry(game);
    magic_resistance_entry(game);
    agility_entry(game);
    precision_entry(game);
    end_page(game);
}

void robustness_entry(Game& game) {
    start_entry(game, "- robustesse");
    game.printf(" elle r%cgit les ", 130);
    game.cprintf("d%cg%cts", 130, 131);
    game.printf(" que vous infligez avec les armes de corps\n");
    game.printf("%c corps. Une grande robustesse est n%ccessaire pour porter les ", 133, 130);
    game.cprintf("armures lourdes");
    game.printf("\n(plates, %ccailles) et pour manier les ", 130);
    game.cprintf("grandes armes");
    game.printf(" (%cp%ces %c deux mains,\n", 130, 130, 133);
    game.printf("haches, arbal%ctes lourdes, armes d'hast). C'est une caract%cristique de base de\n", 138, 130);
    game.printf("tout combattant.\n\n");
}

void vigour_entry(Game& game) {
    start_entry(game, "- vigueur:");
    game.printf(" c'est votre ");
    game.cprintf("endurance");
    game.printf(" : porter de lourdes charges, courir, nager,\n");
    game.printf("encaisser les coups. Elle d%ctermine le nombre de vos ", 130);
    game.cprintf("points de vie");
    game.printf(". Elle est\n");
    game.printf("importante pour tous les h%cros.\n\n", 130);
}

void intuition_entry(Game& game) {
    start_entry(game, "- intuition:");
    game.printf(" elle repr%csente vos ", 130);
    game.cprintf("connaissances");
    game.printf(" et votre ");
    game.cprintf("intelligence");
    game.printf(".\nElle est primordiale pour les lanceurs de ");
    game.cprintf("sorts arcaniques");
    game.printf(", les sorciers. Elle\n");
    game.printf("est utile %c tous pour raisonner face au danger, r%csoudre des %cnigmes et\n", 133, 130, 130);
    game.printf("reconna%ctre des pi%cges.\n\n", 140, 138);
}

void virtue_entry(Game& game) {
    start_entry(game, "- vertu:");
    game.printf(" c'est la ");
    game.cprintf("bont%c", 130);
    game.printf(" de votre h%cros. Une grande vertu facilite les\n", 130);
    game.cprintf("sorts divins");
    game.printf(". Vos bonnes actions peuvent l'augmenter au cours de l'aventure.\n");
    game.printf("Elle est indispensable aux pr%ctres.\n\n", 136);
}

void luck_entry(Game& game) {
    start_entry(game, "- bonne fortune:");
    game.printf(" c'est votre ");
    game.cprintf("chance");
    game.printf(", utile %c tout moment : sur la route, en\n", 133);
    game.printf("combat, en lan%cant un sort et dans bien d'autres situations.\n", 135);
}

void show_major_characteristics_more_page(Game& game) {
    start_page(game, "I) Caract%cristiques majeures du joueur.(suite)", 130);
    robustness_entry(game);
    vigour_entry(game);
    intuition_entry(game);
    virtue_entry(game);
    luck_entry(game);
    end_page(game);
}

void reputation_entry(Game& game) {
    start_entry(game, "- r%cputation:", 130);
    game.printf(" elle est toujours comprise dans l'intervalle ");
    game.cprintf("[-10;10]. ");
    game.printf("\nElle mesure votre ");
    game.cprintf("popularit%c", 130);
    game.printf(" dans le royaume. La bravoure et l'aide apport%ce\n", 130);
    game.printf("aux autres la font monter, la tra%ctrise et la l%cchet%c la font baisser. Entre\n", 140, 131, 130);
    game.cprintf("[-5;5] ");
    game.printf("vous %ctes peu connu, entre ", 136);
    game.cprintf("[5;10] ");
    game.printf("vous %ctes connu pour le bien, entre\n", 136);
    game.cprintf("[-10;-5] ");
    game.printf("vous %ctes connu pour le ", 136);
    game.cprintf("mal");
    game.printf(". Etre connu peut %ctre un avantage comme\n", 136);
    game.printf("un inconv%cnient.\n\n", 130);
}

void gold_entry(Game& game) {
    start_entry(game, "- or:");
    game.printf(" la monnaie du royaume est la ");
    game.cprintf("pi%cce d'or", 138);
    game.printf(". L'or vous permet d'acheter de\n");
    game.printf("l'%cquipement, une bi%cre dans une taverne ou un lit dans une auberge. Il peut\n", 130, 138);
    game.printf("aussi acheter un garde, ou exaucer un voeu si vous le jetez dans un puits.\n\n");
}

void meals_entry(Game& game) {
    start_entry(game, "- nombre de repas:");
    game.printf(" vous devez manger (au moins trois fois par jour) et il\n");
    game.printf("vous faut pour cela des ");
    game.cprintf("provisions");
    game.printf(", que vous pouvez acheter %c un marchand par\n", 133);
    game.printf("exemple. Un repas vous rend quelques ");
    game.cprintf("points de vie");
    game.printf(", sans jamais d%cpasser votre\n", 130);
    game.printf("total initial de points de vie.\n\n");
}

void water_entry(Game& game) {
    start_entry(game, "- quantit%ce d'eau transport%ce:", 130, 130);
    game.printf(" l'eau que vous portez dans une ");
    game.cprintf("gourde");
    game.printf(" ou\n");
    game.printf("d'autres r%ccipients se boit surtout pendant les repas et, comme eux, vous rend\n", 130);
    game.printf("des points de vie perdus. Elle a d'autres usages, comme ");
    game.cprintf("%cteindre un feu", 130);
    game.printf(".\n\n");
}

void experience_entry(Game& game) {
    start_entry(game, "- exp%crience et niveaux:", 130);
    game.printf(" r%csoudre des %cnigmes, d%csamorcer des pi%cges et tuer\n", 130, 130, 130, 138);
    game.printf("des monstres vous rapporte des ");
    game.cprintf("points d'exp%crience", 130);
    game.printf(". A certains totaux, vous\n");
    game.printf("gagnez un ");
    game.cprintf("niveau");
    game.printf(" et vos caract%cristiques s'am%cliorent.\n", 130, 130);
}

void show_minor_characteristics_page(Game& game) {
    start_page(game, "II) Caract%cristiques mineures du joueur.", 130);
    reputation_entry(game);
    gold_entry(game);
    meals_entry(game);
    water_entry(game);
    experience_entry(game);
    end_page(game);
}

// ---- Classes and races ----

void classes_foreword(Game& game) {
    game.printf("Ce jeu vous propose 6 classes : ");
    game.textcolor(14);
    game.cprintf("chevalier");
    game.printf(", ");
    game.cprintf("barbare");
    game.printf(", ");
    game.cprintf("r%cdeur", 147);
    game.printf(", ");
    game.cprintf("voleur");
    game.printf(",\n");
    game.cprintf("pr%ctre", 136);
    game.printf(" et ");
    game.cprintf("sorcier");
    game.printf(".\n\n");
}

void knight_entry(Game& game) {
    start_entry(game, "- Chevalier:");
    game.printf(" combattant qui manie un large %cventail d'armes, il pr%cf%cre les\n", 130, 130, 138);
    game.cprintf("%cp%ces %c une main", 130, 130, 133);
    game.printf(" et les ");
    game.cprintf("masses");
    game.printf(", qui lui donnent des bonus au combat. Il peut se\n");
    game.printf("servir de toutes les autres sortes d'armes. C'est la seule classe qui peut\n");
    game.printf("porter toutes les ");
    game.cprintf("armures");
    game.printf(" (cuir, %ccailles, mailles, plates).\n\n", 130);
}

void barbarian_entry(Game& game) {
    start_entry(game, "- Barbare:");
    game.printf(" combattant, souvent berserker, il fait passer l'attaque avant la\n");
    game.printf("d%cfense et ne peut donc pas porter d'", 130);
    game.cprintf("armure lourde");
    game.printf(", surtout sur le torse. Il\n");
    game.printf("pr%cf%cre les ", 130, 138);
    game.cprintf("armes imposantes");
    game.printf(" (haches et %cp%ces %c deux mains, lances, javelots,\n", 130, 130, 133);
    game.printf("arcs longs), qui lui donnent des bonus, et subit un malus avec les dagues et\n");
    game.printf("les petites %cp%ces.\n\n", 130, 130);
}

void ranger_entry(Game& game) {
    start_entry(game, "- R%cdeur:", 147);
    game.printf(" combattant qui vit dans la nature, il a quelques talents mineurs de\n");
    game.cprintf("gu%crison", 130);
    game.printf(". Polyvalent avec les armes, il re%coit un bonus avec les ", 135);
    game.cprintf("arcs");
    game.printf(" et les\n");
    game.printf("%cp%ces %c une main, et un malus avec les grandes armes. Il peut porter toutes\n", 130, 130, 133);
    game.printf("les armures sauf les ");
    game.cprintf("armures de plates");
    game.printf(".\n\n");
}

void thief_entry(Game& game) {
    start_entry(game, "- Voleur:");
    game.printf(" filou rus%c, il sait rep%crer et ", 130, 130);
    game.cprintf("d%csamorcer les pi%cges", 130, 138);
    game.printf(", ");
    game.cprintf("voler");
    game.printf(" des\nbiens et se ");
    game.cprintf("cacher");
    game.printf(". Il n'est %c l'aise qu'avec les %cp%ces courtes, les dagues\n", 133, 130, 130);
    game.printf("et les arcs courts, et ne porte que des armures l%cg%cres (cuir, peaux).\n", 130, 138);
}

void show_classes_page(Game& game) {
    start_page(game, "I) Classes disponibles dans ce jeu.");
    classes_foreword(game);
    knight_entry(game);
    barbarian_entry(game);
    ranger_entry(game);
    thief_entry(game);
    end_page(game);
}

void priest_entry(Game& game) {
    start_entry(game, "- Pr%ctre:", 136);
    game.printf(" sp%ccialis%c dans la ", 130, 130);
    game.cprintf("magie d%cfensive", 130);
    game.printf(" (sorts de protection et de soin,\n");
    game.printf("sur ses compagnons ou sur lui-m%cme). Il combat sans arme, ou au pire avec un\n", 136);
    game.cprintf("b%cton", 131);
    game.printf(" quand il manque d'%cnergie magique au combat. Il se sert des ", 130);
    game.cprintf("sorts divins");
    game.printf("\n");
    game.printf("pour purifier et repousser le mal. Il ne peut pas porter d'armure.\n\n");
}

void wizard_entry(Game& game) {
    start_entry(game, "- Sorcier:");
    game.printf(" il ne peut pas porter d'armure et se bat au ");
    game.cprintf("b%cton", 131);
    game.printf(" quand il n'a plus\n");
    game.printf("d'%cnergie magique. Sp%ccialis%c dans la ", 130, 130, 130);
    game.cprintf("magie offensive");
    game.printf(" (boules de feu,\n");
    game.printf("ouragan), il conna%ct aussi quelques sorts d%cfensifs, moins que le pr%ctre.\n", 140, 130, 136);
    game.printf("Il est craint pour sa magie de combat d%cvastatrice.\n", 130);
}

void show_classes_more_page(Game& game) {
    start_page(game, "I) Classes disponibles dans ce jeu.(suite)");
    priest_entry(game);
    wizard_entry(game);
    end_page(game);
}

void races_foreword(Game& game) {
    game.printf("Cinq races vous sont propos%ces, chacune avec ses avantages et ses d%cfauts :\n", 130, 130);
    game.printf("choisissez la v%ctre en pensant %c la classe que vous souhaitez. Vous pouvez\n", 147, 133);
    game.printf("%ctre un ", 136);
    game.textcolor(14);
    game.cprintf("humain");
    game.printf(", un ");
    game.cprintf("elfe");
    game.printf(", un ");
    game.cprintf("nain");
    game.printf(", un ");
    game.cprintf("demi-orque");
    game.printf(" ou un ");
    game.cprintf("farfadelfe");
    game.printf(".\n\n");
}

void human_entry(Game& game) {
    start_entry(game, "- Humain:");
    game.printf(" race principale de Vezerirer, les humains sont attir%cs par toutes les\n", 130);
    game.printf("magies et tous les styles de combat de Vovuzavo. Experts en rien, ils peuvent\n");
    game.printf("le devenir en tout. Ils n'ont presque pas de d%cfauts, ni d'avantages.\n", 130);
    game.printf("Passionn%cs et assoiff%cs de ", 130, 130);
    game.cprintf("pouvoir");
    game.printf(", ils se laissent facilement corrompre.\n");
    show_race_summary(game, {"Classe disponible pour humain", "toutes",
                             spelled("+1 pr%ccision,+1 agilit%c,+1 robustesse,+1 vigueur,+1intuition,+1vertue", 130, 130),
                             "rien"});
}

void elf_entry(Game& game) {
    start_entry(game, "- Elfe:");
    game.printf(" une partie de la for%ct elfique se trouve %c Vezerirer. Grands, minces,\n", 136, 133);
    game.printf("gracieux, d'une beaut%c l%cgendaire, les elfes sont agiles et pr%ccis et\n", 130, 130, 130);
    game.printf("prot%cgent la nature. Ils excellent %c l'", 138, 133);
    game.cprintf("arc");
    game.printf(" et dans le style de combat ");
    game.cprintf("finelame");
    game.printf(".\n");
    game.printf("Etres en partie magiques, ils ont une meilleure ");
    game.cprintf("r%csistance %c la magie", 130, 133);
    game.printf(".\n");
    show_race_summary(game, {"Classe disponible pour elfe", "toutes sauf barbare",
                             spelled("+3 agilit%c,+3 pr%ccision,+5 r%csistance %c la magie ", 130, 130, 130, 133),
                             "- 1 vigueur, - 1 robustesse"});
}

void show_races_page(Game& game) {
    start_page(game, "II) Races disponibles dans ce jeu.");
    races_foreword(game);
    human_entry(game);
    game.printf("\n");
    elf_entry(game);
    end_page(game);
}

void dwarf_entry(Game& game) {
    start_entry(game, "- Nain:");
    game.printf(" les mines des nains se trouvent %c l'est du royaume, et leurs alli%cs\n", 133, 130);
    game.printf("les gnomes vivent %c l'ouest. Grincheux mais travailleurs, petits mais tr%cs\n", 133, 138);
    game.printf("endurants, forts pour leur taille, les nains vivent longtemps et tiennent\n");
    game.printf("beaucoup %c leur ", 133);
    game.cprintf("barbe");
    game.printf(".\n");
    show_race_summary(game, {"Classe disponible pour nain", "toutes sauf barbare",
                             spelled("+4 vigueur,+2 robustesse,+2 d%cfense ", 130), "rien"});
}

void half_orc_entry(Game& game) {
    start_entry(game, "- Demi-orque:");
    game.printf(" peu nombreux %c Vezerirer, o%c les orques sont les grands ennemis,\n", 133, 151);
    game.printf("ils y sont tol%cr%cs pour leur sang humain. Ce sont de grands guerriers\n", 130, 130);
    game.printf("d'une ");
    game.cprintf("force colossale");
    game.printf(", peu malins et de grande taille. Ils aiment le\n");
    game.cprintf("corps %c corps", 133);
    game.printf(".\n");
    show_race_summary(game, {"Classe disponible pour demi-orque", "toutes sauf barbare",
                             spelled("+5 robustesse,+1 vigueur,+2 d%cfense ", 130),
                             spelled("- 1 intuition, - 1 vertu, -2 r%cputation", 130)});
}

void farfadelfe_entry(Game& game) {
    start_entry(game, "- Farfadelfe:");
    game.printf(" un peuple %ctrange et m%cconnu de petits %ctres, plus petits que les\n", 130, 130, 136);
    game.printf("nains et aussi fr%cles que les elfes. Faits surtout de ", 136);
    game.cprintf("magie");
    game.printf(", ils poss%cdent une\n", 138);
    game.printf("magie tr%cs puissante.\n", 138);
    show_race_summary(game, {"Classe disponible pour Farfadelfe", "toutes sauf barbare et chevalier",
                             spelled("+4 intuition,+4 vertu,+3 r%csistance %c la magie ", 130, 133),
                             spelled("- 2 vigueur, - 2 robustesse - 2 d%cfense", 130)});
}

void show_races_more_page(Game& game) {
    start_page(game, "II) Races disponibles dans ce jeu. (suite)");
    dwarf_entry(game);
    game.printf("\n");
    half_orc_entry(game);
    game.printf("\n");
    farfadelfe_entry(game);
    end_page(game);
}

}  // namespace

void show_rules_intro(Game& game) {
    game.play("themepetit.mp3");
    show_intro_page(game);
}

void show_rules_characteristics(Game& game) {
    game.play("thememoyen.mp3");
    show_major_characteristics_page(game);
    show_major_characteristics_more_page(game);
    show_minor_characteristics_page(game);
}

void show_rules_classes_races(Game& game) {
    game.play("themelong.mp3");
    show_classes_page(game);
    show_classes_more_page(game);
    show_races_page(game);
    show_races_more_page(game);
}

}  // namespace vov
