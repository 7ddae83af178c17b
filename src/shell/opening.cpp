#include "shell/opening.hpp"

namespace vov {

// The names on these screens belong to this project, not to any person.
namespace {
constexpr const char* kAuthor = "Equipe Vovuzavo";
constexpr const char* kSchool = "Atelier C++";
constexpr const char* kAuthorBirth = "Projet ne en 2026";
constexpr const char* kSchoolYear = "Annee 2026-2027";
constexpr const char* kExaminer = "Relecture : equipe Vovuzavo";
constexpr const char* kExamDate = "06/12/26";
constexpr const char* kSignature = "L'equipe Vovuzavo";
constexpr const char* kSoundtracks[] = {
    "- Les themes de Vovuzavo",
    "- Les themes de Vezerirer",
    "- Les themes de Voderuri",
    "- Les themes de la foret arc-en-ciel",
};
constexpr const char* kComposer = "l'equipe";
constexpr const char* kComposerAlias = "Vovuzavo";
constexpr const char* kSoundDesigner = "l'atelier";
constexpr const char* kSoundDesignerAlias = "Vezerirer";
}  // namespace

void show_music_notice(Game& game) {
    game.clrscr();
    game.gotoxy(1, 16);
    game.printf("Si vous disposez d'un logiciel qui peut lire des musiques, veuillez le lancer\ns'il vous plait.");
    game.gotoxy(1, 19);
    game.printf("Veuillez d%csactiver l'option -musique en boucle-. Ceci pour mieux profiter du\n"
                "programme que vous allez utiliser.", 130);
    game.gotoxy(1, 24);
    game.printf("Si cette fen%ctre n'est pas affich%ce en plein %ccran, veuillez appuyer sur la\n", 136, 130, 130);
    game.printf("touche alt (celle de gauche) de votre clavier et en m%cme temps sur", 136);
    game.printf(" la touche\nentr%ce.\n\n", 130);
    game.gotoxy(1, 28);
    game.printf("Quand cette fen%ctre sera en plein %ccran : appuyez sur une touche pour continuer.", 136, 130);
    game.getch();
}

void show_title_screen(Game& game) {
    game.clrscr();
    game.textcolor(11);
    game.gotoxy(1, 1);
    game.cprintf("%s", kAuthor);
    game.gotoxy(67, 1);
    game.cprintf("%s", kSchool);
    game.gotoxy(2, 2);
    game.cprintf("%s", kAuthorBirth);
    game.gotoxy(62, 2);
    game.cprintf("%s", kSchoolYear);
    game.gotoxy(25, 20);
    game.cprintf("Projet de programmation (C++)");
    game.gotoxy(25, 21);
    game.cprintf("-----------------------------");
    game.textcolor(14);
    game.gotoxy(20, 26);
    game.cprintf("Sujet : ");
    game.printf("Un jeu dont ");
    game.textcolor(14);
    game.cprintf("VOUS ");
    game.printf("%ctes le h%cros", 136, 130);
    game.textcolor(11);
    game.gotoxy(1, 44);
    game.cprintf("%s", kExaminer);
    game.gotoxy(58, 44);
    game.cprintf("examin%c le : %s", 130, kExamDate);
    game.textcolor(7);
    game.getch();
    game.clrscr();
}

void show_end_screen(Game& game) {
    game.clrscr();
    game.textcolor(11);
    game.gotoxy(24, 14);
    game.cprintf("Votre aventure se termine ici.");
    game.textcolor(14);
    game.gotoxy(12, 17);
    game.cprintf("Non vous n'%ctes pas mort mais le sc%cnario s'acheve pour", 136, 130);
    game.gotoxy(21, 19);
    game.cprintf("l'instant la ou vous venez d'arriver.");
    game.gotoxy(10, 23);
    game.printf("Mais ne vous inquietez pas, la suite ne va pas tarder a venir");
    game.gotoxy(32, 29);
    game.cprintf("See you soon.");
    game.gotoxy(27, 32);
    game.cprintf("%s", kSignature);
    game.textcolor(11);
    game.gotoxy(18, 39);
    game.cprintf("Appuyez sur une touche pour continuer...");
    game.textcolor(7);
    game.getch();

    game.clrscr();
    game.textcolor(11);
    game.gotoxy(15, 12);
    game.cprintf("Les musiques utilis%ces dans ce programme proviennent", 130);
    game.gotoxy(30, 14);
    game.cprintf("dex jeux suivants :");
    game.textcolor(14);
    for (int i = 0; i < 4; ++i) {
        game.gotoxy(30, 18 + 2 * i);
        game.cprintf("%s", kSoundtracks[i]);
    }
    game.textcolor(13);
    game.gotoxy(13, 28);
    game.printf("Une musique a %ct%c con%cue par ", 130, 130, 135);
    game.cprintf("%s ", kComposer);
    game.printf("alias ");
    game.cprintf("%s", kComposerAlias);
    game.printf(".");
    game.gotoxy(6, 30);
    game.printf("Un son de cr%cature a %ct%c con%cu par ", 130, 130, 130, 135);
    game.cprintf("%s ", kSoundDesigner);
    game.printf("alias ");
    game.cprintf("%s", kSoundDesignerAlias);
    game.printf(".");
    game.textcolor(11);
    game.gotoxy(21, 37);
    game.cprintf("Appuyez sur une touche pour quitter...");
    game.textcolor(7);
    game.getch();
    throw GameOver{};
}

}  // namespace vov
