// The texts that stand for the hero's codes. Creation and loading use the same
// tables; the last text of each table stands for any code not listed.
#pragma once

namespace vov {

const char* race_text(int race);
const char* skin_text(int skin);
const char* hair_text(int hair);
const char* eyes_text(int eyes);
const char* class_text(int hero_class);
const char* weapon_text(int weapon_kind);

}  // namespace vov
