#include "hero/tables.hpp"

namespace vov {

const char* race_text(int race) {
    switch (race) {
        case 1: return "humain";
        case 2: return "nain";
        case 3: return "elfe";
        case 4: return "mi-orque mi-humain";
        default: return "farfadelfe";
    }
}

const char* skin_text(int skin) {
    switch (skin) {
        case 1: return "rose clair";
        case 2: return "rose tres pale";
        case 3: return "rose bruni";
        case 4: return "marron clair";
        case 5: return "marron fonce";
        default: return "noire";
    }
}

const char* hair_text(int hair) {
    switch (hair) {
        case 1: return "brun";
        case 2: return "blond";
        case 3: return "chatain";
        case 4: return "roux";
        case 5: return "blanc";
        default: return "pas de cheveux";
    }
}

const char* eyes_text(int eyes) {
    switch (eyes) {
        case 1: return "verts";
        case 2: return "marrons";
        case 3: return "bleus";
        default: return "noirs";
    }
}

const char* class_text(int hero_class) {
    switch (hero_class) {
        case 1: return "barbare";
        case 2: return "rodeur";
        case 3: return "chevalier";
        case 4: return "sorcier";
        case 5: return "voleur";
        default: return "pretre";
    }
}

// An unknown weapon code (only an edited save gives one) shows as a staff.
const char* weapon_text(int weapon_kind) {
    switch (weapon_kind) {
        case 1: return "sceptre";
        case 2: return "dague";
        case 3: return "epee batarde";
        case 4: return "claymore";
        case 5: return "epee";
        default: return "baton";
    }
}

}  // namespace vov
