#include "story/prologue.hpp"

namespace vov {

namespace {

void show_opening_card(Game& game) {
    game.play("introduction.mp3");
    game.clrscr();
    game.textcolor(11);
    game.gotoxy(22, 23);
    game.cprintf("!!!! DEBUT DE VOTRE AVENTURE !!!!");
    game.gotoxy(22, 24);
    game.cprintf("---------------------------------");
    game.gotoxy(22, 26);
    game.textcolor(7);
    game.getch();
}

void tell_childhood(Game& game) {
    game.textcolor(13);
    game.printf("etes ne dans la celebre cite de ");
    game.cprintf("Didizizi");
    game.printf(", sur les terres de ");
    game.cprintf("T%ckimiar", 130);
    game.printf(".\n"
                "Vos parents, des combattants legendaires connus dans tous les royaumes, ont\n"
                "ete appeles a defendre leur patrie dans la lutte sans fin qui oppose le bien\n"
                "au mal. Ils vous ont alors confie a l'un de leurs meilleurs amis, le sage\n");
    game.cprintf("Vevoduz");
    game.printf(". Celui-ci vous a emmene chez lui, a ");
    game.cprintf("Circ%c", 130);
    game.printf(", une ville prospere de la\npeninsule de ");
    game.cprintf("Zariz");
    game.printf(". Il vous a eleve durant ces 20 dernieres annees et vous a\n"
                "enseigne tout ce qu'il savait, dans l'espoir de faire de vous quelqu'un\n"
                "d'aussi digne que vos parents.\n\n");
}

void tell_departure(Game& game) {
    game.textcolor(6);
    game.printf("Aujourd'hui, votre tuteur est parti pour une raison qu'il n'a pas voulu vous\n"
                "donner. Avant de s'en aller, il vous a simplement dit :\n\n");
    game.cprintf("je pars\r\n");
    game.cprintf("m'occuper de choses dont l'on aurait du s'occuper depuis bien longtemps, mais\r\n");
    game.cprintf("ne vous inqui%ctez pas, je ne serai pas long  mon retour sera proche.\r\n\n", 130);
    game.printf("Profitant de cette pause dans l'entrainement intensif que vous suivez depuis\n"
                "votre plus tendre enfance, vous decidez d'accompagner votre meilleure amie,\n"
                "une jeune magicienne talentueuse qui vit a quelques rues de chez vous et qui\n"
                "est avide de savoir, a un congres d'invocateurs qui se tient dans quelques\n"
                "jours dans une ville voisine. Vous pourrez ainsi passer du temps avec elle,\n"
                "que vos etudes vous empechaient de voir souvent, et la proteger.\n\n"
                "En preparant vos bagages, vous vous apercevez que deux chevaux ne pourront\n"
                "pas tout porter : vous louez donc une petite charrette. Le congres n'etant\n"
                "plus qu'a deux jours de route, vous devez partir des l'aube. Apres une nuit\n"
                "reposante et un bon petit dejeuner, vous faites l'inventaire des armes et\n"
                "des babioles que chacun emporte, puis vous vous mettez en route sur la\n"
                "charrette.\n");
}

void show_origins(Game& game) {
    game.clrscr();
    game.textcolor(14);
    game.printf("Vous, ");
    game.cprintf("%s", game.hero.name);
    game.printf("\n");
    tell_childhood(game);
    tell_departure(game);
    game.textcolor(7);
    game.getch();
}

void show_ambush(Game& game) {
    game.clrscr();
    game.textcolor(13);
    game.printf("La route est calme. Toute la journee, vous vous relayez tous les deux pour\n"
                "conduire la charrette et vous parlez de toutes ces choses dont vous n'aviez\n"
                "jamais eu le temps de parler.\n\n"
                "La nuit tombe. Votre amie s'endort a l'arriere pendant que vous tenez les\n"
                "renes. En la regardant, vous comprenez que ce que vous ressentez pour la\n"
                "jeune magicienne est bien plus que de l'amitie, et vous reportez les yeux\n"
                "sur la route en souriant.\n\n"
                "Alors que vous traversez une foret, vous apercevez au loin les lumieres de\n");
    game.cprintf("Voderuri ");
    game.printf(": la ville du congres des invocateurs, que vous atteindrez sans peine\n"
                "demain.\n\n"
                "Soudain, des galops retentissent derriere vous. Rien d'etrange sur cette\n"
                "route tres frequentee, mais le bruit se rapproche. Le cheval d'un cavalier\n"
                "pousse un hennissement strident qui reveille votre amie et vous glace le\n"
                "sang. Voyant la peur sur son visage, vous pressez votre cheval, mais vos\n"
                "poursuivants gagnent du terrain. Une detonation retentit, la charrette se\n"
                "renverse et tout devient noir.\n\n"
                "Vous vous reveillez quelques heures plus tard dans un buisson. Votre cheval\n"
                "a disparu et il ne reste sur la route que l'epave de la charrette. En\n"
                "tombant dans ce buisson, vous avez echappe aux regards de vos poursuivants,\n"
                "qui ont visiblement fouille vos affaires.\n");
    game.textcolor(7);
    game.getch();
}

int ask_the_question(Game& game) {
    game.clrscr();
    game.gotoxy(10, 13);
    game.printf("Mais une question se pr%csente tout %c coup %c votre esprit :", 130, 133, 133);
    game.textcolor(11);
    game.gotoxy(8, 23);
    game.cprintf("Qu'est 'il donc advenu de l'amie que vous commenciez d'aimer?");
    game.gotoxy(8, 25);
    game.textcolor(7);
    return game.getch();
}

}  // namespace

int play_prologue(Game& game) {
    show_opening_card(game);
    show_origins(game);
    show_ambush(game);
    return ask_the_question(game);
}

}  // namespace vov
