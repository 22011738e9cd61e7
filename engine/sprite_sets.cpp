// The slot map: every sprite set in slot order, with its files, colour key
// and frame sizes. The loader, the draw operations and the data generator all
// read this one table.
#include "sprite_sets.h"

#include <cstdio>
#include <cstring>

namespace {

// Frame sizes, width then height, set after set in slot order.
// clang-format off
constexpr int16_t kSizes[][2] = {
    // Tobrin
    {36, 62}, {24, 62}, {33, 62}, {36, 62}, {24, 62}, {33, 62}, {61, 62}, {64, 62},
    {129, 62}, {61, 62}, {64, 62}, {129, 62}, {32, 46}, {32, 46}, {64, 62}, {64, 48},
    {128, 46}, {64, 62}, {64, 48}, {128, 46}, {36, 58}, {36, 58}, {61, 24}, {61, 24},
    // Hp Life
    {126, 12},
    // Hp Life
    {126, 12},
    // Hp boss
    {126, 12},
    // Hp boss
    {126, 12},
    // Hp Damage
    {6, 12},
    // Une
    {56, 30},
    // ghost
    {32, 32}, {32, 32}, {32, 32}, {32, 32},
    // skeletonsoldier
    {32, 62}, {32, 62}, {32, 62}, {32, 62},
    // zombie
    {30, 60}, {36, 60}, {30, 60}, {36, 60},
    // Merman
    {34, 64}, {37, 62}, {34, 64}, {37, 62}, {44, 64}, {34, 48},
    // Jyouhansin: the body stops at the floor, 42 rows below its y
    {42, 44}, {80, 34}, {34, 32},
    // Semusi
    {28, 30}, {28, 30},
    // Hari_Lift
    {64, 58},
    // Bokusi
    {36, 96}, {36, 96},
    // Syanderia
    {120, 64}, {120, 64},
    // Red
    {34, 96}, {34, 92}, {34, 66}, {34, 22}, {34, 96}, {34, 92}, {34, 66}, {34, 22},
    // Medyusa
    {44, 38}, {44, 38},
    // Furiko
    {60, 143},
    // Armor
    {54, 60}, {62, 60}, {54, 60}, {62, 60},
    // Dyurahan: the swings start 11 rows below its y, the hit box reaching 71
    // columns right of its x whichever way it faces
    {54, 96}, {54, 96}, {145, 85}, {54, 96}, {54, 96}, {145, 85},
    // Wasi
    {32, 32}, {32, 48}, {32, 56}, {32, 32}, {32, 48}, {32, 56},
    // honebasira
    {32, 62},
    // tobu_honoo
    {32, 12}, {32, 12},
    // Ihuriito
    {34, 62}, {40, 62}, {34, 62}, {40, 62},
    // Moeruhonoo
    {15, 32}, {15, 32},
    // Konbou: its raised club's box reaches 6 rows below the floor; the ogre
    // stops 3 rows below it
    {56, 59}, {56, 62},
    // Douzou: each stage of its fall stands on the floor
    {64, 149}, {63, 112}, {68, 73}, {68, 48},
    // Uma
    {52, 40}, {52, 40}, {52, 40}, {52, 40},
    // Crow: hunched, drawn 35 rows down, it stays inside its body
    {46, 60}, {40, 19}, {46, 60}, {40, 19},
    // Frog
    {28, 16}, {34, 28}, {32, 36}, {28, 16}, {34, 28}, {32, 36},
    // Hiru
    {16, 48}, {16, 48},
    // Toad: sitting, and stretched out in its leap
    {46, 31}, {62, 56}, {46, 31}, {46, 31}, {46, 31}, {62, 56}, {46, 31}, {46, 31},
    // San
    {16, 16}, {16, 16}, {16, 16}, {16, 16},
    // Gouremu
    {75, 94}, {70, 94}, {75, 94}, {70, 94},
    // Skeleton: every pose ends on the floor, 90 rows below its y
    {44, 80}, {48, 76}, {58, 90}, {54, 78}, {44, 80}, {48, 76}, {58, 90}, {54, 78},
    // Hone
    {28, 16}, {16, 28}, {16, 28}, {28, 16},
    // S_Large
    {58, 30}, {48, 32}, {58, 30}, {48, 32},
    // Ogideran
    {78, 144}, {94, 116}, {58, 116}, {78, 144}, {94, 116}, {58, 116},
    // Bat
    {48, 26}, {44, 30},
    // Leaf
    {56, 107}, {64, 107}, {56, 107}, {64, 107},
    // Hana
    {44, 52}, {58, 60}, {44, 52}, {58, 60},
    // Fukurou
    {46, 48}, {52, 62}, {76, 50}, {46, 48}, {52, 62}, {76, 50},
    // Sukaru
    {48, 60}, {52, 64}, {48, 60}, {52, 64},
    // Eipu
    {94, 120}, {80, 90}, {68, 90}, {58, 92}, {94, 120}, {80, 90}, {68, 90}, {58, 92},
    // Taru
    {56, 56}, {56, 56}, {56, 56}, {56, 56},
    // War
    {28, 59}, {28, 59}, {28, 59}, {28, 59},
    // Hyou
    {56, 32}, {60, 32}, {64, 30}, {56, 32}, {60, 32}, {64, 30},
    // Porutaa
    {32, 32}, {32, 32}, {32, 32}, {32, 32},
    // G_Hand
    {64, 32}, {64, 32}, {64, 30}, {64, 32}, {64, 32}, {64, 30},
    // Gargoile
    {44, 61}, {42, 61}, {44, 61}, {42, 61},
    // Spider
    {52, 58}, {36, 70},
    // M_Spider
    {28, 30}, {32, 30},
    // Ito
    {4, 360},
    // Ti
    {10, 14}, {38, 30},
    // Turn
    {132, 56}, {132, 56}, {132, 56},
    // Yuurei
    {38, 102}, {38, 102},
    // Dancer
    {50, 96}, {44, 96}, {34, 96}, {44, 96}, {50, 96}, {44, 96}, {34, 96}, {44, 96},
    // Suraimu: the puddle reaches down to the floor
    {32, 18}, {28, 26}, {20, 32}, {32, 14}, {28, 26},
    // Ax_Armor
    {54, 92}, {48, 92}, {64, 92}, {64, 92}, {64, 78}, {72, 78}, {54, 92}, {48, 92},
    {64, 92}, {64, 92}, {64, 78}, {72, 78},
    // Ax
    {30, 30}, {30, 30}, {30, 30}, {30, 30},
    // Nomi
    {32, 45}, {32, 48}, {32, 45}, {32, 48},
    // F_Dog: the third stride rears 14 rows above its y
    {62, 48}, {64, 48}, {62, 62}, {84, 46}, {62, 48}, {64, 48}, {62, 62}, {84, 46},
    // Fish
    {32, 30}, {32, 30}, {32, 30}, {32, 30},
    // W_Ghost
    {30, 56}, {30, 60},
    // Madhand
    {60, 48}, {60, 42}, {60, 42},
    // Balloon
    {28, 52}, {28, 52},
    // Housi
    {12, 28}, {12, 28},
    // M_Bat: however a frame starts, the bat flies at rows 92 to 128 below its
    // y and its passenger hangs from row 128, where it is let go
    {48, 128}, {48, 65}, {48, 27}, {48, 170}, {48, 107}, {48, 69}, {48, 158}, {48, 95},
    {48, 57}, {48, 128}, {48, 65}, {48, 27}, {48, 170}, {48, 107}, {48, 69}, {48, 158},
    {48, 95}, {48, 57},
    // Kanoke
    {64, 112}, {64, 112}, {64, 112}, {64, 112}, {64, 112}, {64, 112}, {64, 112}, {64, 112},
    // Gureibu: standing or leaping, it lands 86 rows below its y
    {48, 86}, {48, 86}, {48, 86}, {48, 86},
    // S_Night: the raised spear stands on the floor 39 rows below its anchor; the thrust reaches 116
    {54, 92}, {48, 92}, {54, 92}, {50, 131}, {116, 92}, {54, 92}, {48, 92}, {54, 92},
    {50, 131}, {116, 92},
    // Red_Whip: the lash reaches from the body to the whip's end, the same either way
    {58, 62}, {56, 62}, {66, 62}, {114, 60}, {48, 62}, {48, 30}, {48, 12}, {58, 62},
    {56, 62}, {66, 62}, {114, 60}, {48, 62}, {48, 30}, {48, 12},
    // Sunegusu: hanging from the ceiling, then crawling on a floor 30 rows below its y
    {64, 28}, {64, 30}, {64, 30}, {64, 30},
    // Madman
    {62, 12}, {58, 24}, {56, 42}, {56, 76}, {48, 80}, {62, 12}, {58, 24}, {56, 42},
    {56, 76}, {48, 80},
    // Red_Ax_Armor
    {60, 96}, {52, 128}, {82, 120}, {102, 90}, {60, 96}, {52, 128}, {82, 120}, {102, 90},
    // Medama
    {30, 32}, {30, 32}, {30, 30}, {30, 30}, {30, 32}, {30, 32}, {30, 30}, {30, 30},
    // Otiru_Honoo
    {10, 26}, {10, 26},
    // War_Sukaru
    {82, 66}, {88, 64}, {102, 62}, {124, 60}, {82, 66}, {88, 64}, {102, 62}, {124, 60},
    // War_Skeleton
    {64, 98}, {64, 98}, {64, 98}, {64, 98},
    // Pping
    {32, 32},
    // Hebi
    {30, 50}, {30, 52}, {30, 50}, {30, 52},
    // Gejigeji
    {30, 30}, {26, 30},
    // Bara: the grains leave from across its whole bloom
    {128, 64},
    // Kahun
    {22, 26}, {22, 26},
    // Bokujin: rooted in the floor 56 rows below its y while it grows
    {26, 56}, {58, 56}, {90, 56}, {102, 56}, {108, 56},
    // Haru
    {106, 134}, {96, 80}, {104, 86}, {94, 154}, {106, 134}, {96, 80}, {104, 86}, {94, 154},
    // Fyenriru
    {216, 132}, {186, 138}, {190, 144}, {154, 134}, {148, 156}, {216, 132}, {186, 138}, {190, 144},
    {154, 134}, {148, 156},
    // Otiru_Block
    {30, 26},
    // Archer
    {102, 112}, {98, 158}, {80, 122}, {102, 126}, {102, 112}, {98, 158}, {80, 122}, {102, 126},
    // Ya
    {64, 64}, {64, 40}, {64, 40}, {64, 64}, {64, 64}, {64, 40}, {64, 40}, {64, 64},
    // Jyuutan
    {125, 30}, {125, 30},
    // Rouba
    {128, 144},
    // Jyuhouten
    {16, 32}, {32, 30}, {50, 30},
    // Tyinman
    {86, 122}, {86, 122}, {86, 122}, {86, 122},
    // B_Armor
    {90, 122}, {96, 122}, {90, 122}, {96, 122},
    // Barukan
    {14, 8}, {14, 8},
    // Hunmer
    {84, 134}, {84, 130}, {124, 134}, {118, 180}, {98, 184}, {146, 110}, {84, 134}, {84, 130},
    {124, 134}, {118, 180}, {98, 184}, {146, 110},
    // Huran
    {24, 64},
    // Sukaru2
    {26, 26}, {26, 26}, {26, 26}, {26, 26},
    // Wil
    {30, 30}, {30, 30}, {30, 30}, {30, 30},
    // Fire_Skeleton
    {28, 60}, {28, 62}, {40, 76}, {42, 60}, {28, 60}, {28, 62}, {40, 76}, {42, 60},
    // B_Gaikotu: the box reaches 6 rows below the floor it lands on; the picture stops at the floor
    // but for the leap's legs
    {142, 54}, {136, 68}, {132, 86}, {114, 102}, {102, 114}, {104, 102}, {142, 54}, {136, 68},
    {132, 86}, {114, 102}, {102, 114}, {104, 102},
    // Oskerin_F: every pose ends on the floor, though the late wind-up boxes reach below it
    {34, 76}, {32, 48}, {48, 48}, {64, 48}, {56, 48}, {64, 48}, {32, 48}, {34, 76},
    {32, 48}, {48, 48}, {64, 48}, {56, 48}, {64, 48}, {32, 48},
    // Dugal_F
    {32, 48}, {32, 52}, {56, 46}, {36, 60}, {32, 48}, {32, 52}, {56, 46}, {36, 60},
    // Tanken
    {32, 18}, {32, 18},
    // Nerys_F
    {30, 60}, {26, 62}, {28, 60}, {42, 60}, {32, 60}, {30, 60}, {26, 62}, {28, 60},
    {42, 60}, {32, 60},
    // Lightning
    {24, 28}, {28, 32},
    // Specter
    {40, 96},
    // Saramanda
    {44, 60}, {44, 60}, {44, 60}, {44, 60},
    // Arumajiro
    {48, 32}, {48, 32}, {42, 32}, {32, 32}, {32, 32}, {48, 32}, {48, 32}, {42, 32},
    {32, 32}, {32, 32},
    // WhiteD_Hontai: the jaws open only before a shot
    {60, 48}, {60, 56},
    // WhiteD_Tukene: a neck bone, drawn from its top left corner along the line to the head
    {24, 24},
    // WhiteD_Honoo
    {30, 32}, {30, 32},
    // Kumo
    {28, 62}, {36, 58},
    // Noroi
    {68, 30}, {72, 30}, {76, 30},
    // Flying_S
    {70, 110}, {64, 110}, {70, 110}, {64, 110},
    // Yuka_Yari
    {10, 28},
    // Idou_Yari
    {64, 64},
    // D_Zombie
    {112, 174}, {176, 156}, {204, 138}, {112, 174}, {176, 156}, {204, 138},
    // Ekuto
    {62, 70},
    // Gia
    {128, 128}, {128, 128},
    // Victo: the blade-out frames reach from the body's back to the blade's tip
    {202, 124}, {196, 128}, {220, 124}, {104, 216}, {120, 206}, {182, 124}, {182, 144}, {182, 112},
    {202, 124}, {196, 128}, {220, 124}, {104, 216}, {120, 206}, {182, 124}, {182, 144}, {182, 112},
    // Ara
    {59, 53}, {59, 53}, {30, 70},
    // W_Wolf
    {52, 64}, {56, 92}, {76, 60}, {122, 52}, {56, 126}, {116, 104}, {128, 76}, {66, 86},
    {64, 78}, {52, 52}, {52, 52}, {52, 64}, {56, 92}, {76, 60}, {122, 52}, {56, 126},
    {116, 104}, {128, 76}, {66, 86}, {64, 78}, {52, 52}, {52, 52}, {50, 124},
    // Fire_B
    {54, 34}, {54, 34},
    // Mino: each pose spans its weapon and reach boxes in both facings
    {168, 154}, {168, 180}, {168, 184}, {168, 190}, {168, 180}, {168, 154}, {168, 154}, {168, 170},
    {168, 154}, {224, 150}, {168, 160}, {206, 154}, {150, 212}, {168, 154}, {168, 180}, {168, 184},
    {168, 190}, {168, 180}, {168, 154}, {168, 154}, {168, 170}, {168, 154}, {224, 150}, {168, 160},
    {206, 154}, {150, 212},
    // Tuti
    {32, 16}, {32, 16},
    // Maryoku
    {20, 24}, {28, 32},
    // G_Bat
    {96, 46}, {96, 46},
    // B_Medyusa
    {60, 122}, {60, 122}, {60, 122}, {60, 122},
    // Miira
    {42, 82}, {32, 82},
    // Ganseki
    {64, 54},
    // Houtai
    {30, 16}, {30, 16},
    // Huranken
    {40, 128}, {50, 126}, {60, 126}, {72, 126}, {58, 126}, {54, 128}, {88, 126},
    // Quorth
    {96, 108},
    // Tama
    {32, 32},
    // Beri_1: the breath out of its mouth is part of its fire-breathing poses
    {128, 122}, {128, 122}, {192, 120}, {128, 122}, {128, 122}, {192, 120},
    // Beri_Fire
    {32, 14}, {32, 14}, {94, 94},
    // Beri_2
    {176, 76}, {176, 76}, {140, 126},
    // Gyai_1
    {96, 186}, {158, 158}, {192, 128}, {128, 120}, {124, 112}, {124, 80}, {124, 116},
    // Gyai_Ganseki
    {24, 56},
    // Gyai_Fire1
    {22, 10},
    // Gyai_2: the giant's first four poses, on the wing
    {96, 186}, {158, 158}, {192, 128}, {128, 120},
    // Gyai_Fire2
    {16, 16},
    // Death_1: the reaper and the scythe it reaches with
    {124, 128}, {124, 128},
    // Kama: the spinning sickle's box in each turn
    {36, 40}, {44, 38}, {40, 36}, {38, 44}, {36, 40}, {44, 38}, {40, 36}, {38, 44},
    // Death_2
    {194, 194}, {188, 184}, {102, 178}, {124, 148}, {176, 136}, {288, 94}, {150, 106}, {138, 106},
    // Daibourei
    {132, 139}, {132, 139},
    // F_Sukaru
    {36, 50}, {36, 50},
    // Disk
    {128, 124}, {132, 132},
    // Sukea: the body in its box, on a pole down to the floor 130 rows below its y
    {58, 130}, {58, 130},
    // Up_Fire
    {32, 16}, {24, 62}, {32, 190}, {32, 222}, {32, 222},
    // S_Beamer
    {54, 65}, {498, 71}, {54, 65}, {498, 71},
    // Morvane1
    {48, 98}, {48, 98}, {48, 126}, {48, 98}, {48, 98}, {48, 126},
    // Morvane2
    {88, 168}, {94, 168}, {98, 168}, {106, 168}, {116, 168}, {94, 168}, {102, 168}, {112, 168},
    {88, 168}, {94, 168}, {98, 168}, {106, 168}, {116, 168}, {94, 168}, {102, 168}, {112, 168},
    {12, 413}, {52, 413}, {60, 413}, {64, 413},
    // HellFire
    {54, 22}, {54, 22},
    // Kokuen: the smoke reaches the foot of its touch box
    {62, 62}, {62, 62}, {62, 62}, {62, 62},
    // Morvane3
    {232, 250},
    // Stn_fire
    {58, 62}, {58, 62},
    // Sauji
    {64, 64}, {64, 64}, {64, 64}, {64, 64}, {64, 64}, {64, 64},
    // Ringo
    {24, 24},
    // Zonbi
    {48, 62}, {48, 62},
    // Shellok
    {60, 38}, {66, 38},
    // Tori
    {64, 54}, {64, 54},
    // Koumori: folded while it hangs, its wings spread or beating down in flight
    {16, 29}, {64, 26}, {28, 32},
    // Kyonsi
    {48, 60}, {54, 64}, {54, 64}, {48, 60}, {54, 64}, {54, 64},
    // Kaminarisama
    {64, 64}, {64, 64}, {64, 64}, {64, 64},
    // Kaminari: the bolt's box
    {20, 30}, {20, 30}, {20, 30}, {20, 30},
    // Gool
    {32, 28}, {40, 48}, {32, 28}, {40, 48},
    // Seliya: each pose is her body box; her fourth stride reaches the floor
    {32, 72}, {30, 46}, {38, 68}, {44, 70}, {42, 72}, {46, 70}, {36, 68}, {36, 70},
    {32, 72}, {30, 74}, {32, 72}, {32, 70}, {32, 58}, {34, 72}, {50, 72}, {36, 70},
    {32, 48}, {48, 48}, {32, 44}, {52, 58}, {68, 26}, {46, 60}, {32, 72}, {30, 46},
    {38, 68}, {44, 70}, {42, 72}, {46, 70}, {36, 68}, {36, 70}, {32, 72}, {30, 74},
    {32, 72}, {32, 70}, {32, 58}, {34, 72}, {50, 72}, {36, 70}, {32, 48}, {48, 48},
    {32, 44}, {52, 58}, {68, 26}, {46, 60},
    // Himitu
    {70, 60}, {76, 62}, {72, 60}, {70, 60}, {76, 62}, {72, 60},
    // Suzaku
    {24, 20}, {26, 26}, {24, 20}, {26, 26},
    // Hato
    {24, 20}, {26, 26}, {30, 30}, {22, 30}, {24, 20}, {26, 26}, {30, 30}, {22, 30},
    // Seliya_varm
    {48, 90}, {44, 90}, {44, 90}, {46, 90}, {44, 90}, {44, 90}, {46, 90}, {50, 90},
    {50, 90}, {48, 90}, {46, 90}, {46, 90}, {46, 90}, {26, 58}, {50, 86}, {54, 90},
    {48, 96}, {60, 116}, {46, 90}, {46, 90}, {94, 90}, {100, 90}, {106, 90}, {72, 92},
    {68, 92}, {50, 90}, {34, 58}, {68, 54}, {74, 50}, {130, 98}, {52, 90}, {50, 90},
    {88, 90}, {68, 86}, {56, 32}, {48, 90}, {44, 90}, {44, 90}, {46, 90}, {44, 90},
    {44, 90}, {46, 90}, {50, 90}, {50, 90}, {48, 90}, {46, 90}, {46, 90}, {46, 90},
    {26, 58}, {50, 86}, {54, 90}, {48, 96}, {60, 116}, {46, 90}, {46, 90}, {94, 90},
    {100, 90}, {106, 90}, {72, 92}, {68, 92}, {50, 90}, {34, 58}, {68, 54}, {74, 50},
    {130, 98}, {52, 90}, {50, 90}, {88, 90}, {68, 86}, {56, 32},
    // Kidan
    {42, 40},
    // Nerys
    {32, 62}, {40, 64}, {32, 62}, {32, 46}, {44, 62}, {32, 62}, {32, 40}, {60, 24},
    {32, 62}, {40, 64}, {32, 62}, {32, 46}, {44, 62}, {32, 62}, {32, 40}, {60, 24},
    // Flame
    {48, 20}, {80, 24}, {64, 28}, {32, 28}, {48, 20}, {80, 24}, {64, 28}, {32, 28},
    // Tavish: lying dead, as long as he is tall
    {36, 62}, {36, 62}, {36, 62}, {68, 62}, {68, 62}, {112, 62}, {36, 62}, {56, 62},
    {36, 48}, {68, 48}, {68, 48}, {108, 46}, {36, 62}, {60, 32}, {36, 62}, {36, 62},
    {36, 62}, {68, 62}, {68, 62}, {112, 62}, {36, 62}, {56, 62}, {36, 48}, {68, 48},
    {68, 48}, {108, 46}, {36, 62}, {60, 32},
    // Cross
    {28, 26}, {30, 28}, {30, 28},
};
// clang-format on

}  // namespace

// clang-format off
const SpriteSet kSpriteSets[kSpriteSetCount] = {
    {"Tobrin", 0, 24, "bmp\\Tobrin\\%d.bmp", false, 0, 24, SpriteKind::kHero, &kSizes[0]},
    {"Hp\\Life", 24, 1, "bmp\\Hp\\Life.bmp", true, 0, 1, SpriteKind::kLifeBar, &kSizes[24]},
    {"Hp\\Life", 25, 1, "bmp\\Hp\\Life.bmp", true, -1, 1, SpriteKind::kLifeBar, &kSizes[25]},
    {"Hp\\boss", 26, 1, "bmp\\Hp\\boss.bmp", true, 0, 1, SpriteKind::kLifeBar, &kSizes[26]},
    {"Hp\\boss", 27, 1, "bmp\\Hp\\boss.bmp", true, -1, 1, SpriteKind::kLifeBar, &kSizes[27]},
    {"Hp\\Damage", 28, 1, "bmp\\Hp\\Damage.bmp", true, -1, 1, SpriteKind::kLifeBar, &kSizes[28]},
    {"Une", 38, 1, "bmp\\Enemy\\Une.bmp", true, 0, 1, SpriteKind::kEnemy, &kSizes[29]},
    {"ghost", 39, 4, "bmp\\enemy\\ghost\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[30]},
    {"skeletonsoldier", 43, 4, "bmp\\enemy\\skeletonsoldier\\%d.bmp", false, 0, 4, SpriteKind::kEnemy, &kSizes[34]},
    {"zombie", 47, 4, "bmp\\enemy\\zombie\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[38]},
    {"Merman", 51, 6, "bmp\\enemy\\Merman\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[42]},
    {"Jyouhansin", 57, 3, "bmp\\enemy\\Jyouhansin\\%d.bmp", false, 0, 3, SpriteKind::kEnemy, &kSizes[48]},
    {"Semusi", 60, 2, "bmp\\enemy\\Semusi\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[51]},
    {"Hari_Lift", 62, 1, "bmp\\enemy\\Hari_Lift.bmp", true, 0, 1, SpriteKind::kTrap, &kSizes[53]},
    {"Bokusi", 63, 2, "bmp\\enemy\\Bokusi\\%d.bmp", false, 0, 2, SpriteKind::kEnemy, &kSizes[54]},
    {"Syanderia", 65, 2, "bmp\\enemy\\Syanderia\\%d.bmp", false, 0, 2, SpriteKind::kTrap, &kSizes[56]},
    {"Red", 67, 8, "bmp\\enemy\\Red\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[58]},
    {"Medyusa", 75, 2, "bmp\\enemy\\Medyusa\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[66]},
    {"Furiko", 77, 1, "bmp\\enemy\\Furiko.bmp", true, 255, 1, SpriteKind::kTrap, &kSizes[68]},
    {"Armor", 78, 4, "bmp\\enemy\\Armor\\%d.bmp", false, 0, 4, SpriteKind::kEnemy, &kSizes[69]},
    {"Dyurahan", 82, 6, "bmp\\enemy\\Dyurahan\\%d.bmp", false, 0, 6, SpriteKind::kEnemy, &kSizes[73]},
    {"Wasi", 88, 6, "bmp\\enemy\\Wasi\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[79]},
    {"honebasira", 94, 1, "bmp\\enemy\\honebasira\\%d.bmp", false, 255, 1, SpriteKind::kEnemy, &kSizes[85]},
    {"tobu_honoo", 95, 2, "bmp\\enemy\\tobu_honoo\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[86]},
    {"Ihuriito", 97, 4, "bmp\\enemy\\Ihuriito\\%d.bmp", false, 0, 4, SpriteKind::kEnemy, &kSizes[88]},
    {"Moeruhonoo", 101, 2, "bmp\\enemy\\Moeruhonoo\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[92]},
    {"Konbou", 103, 2, "bmp\\enemy\\Konbou\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[94]},
    {"Douzou", 105, 4, "bmp\\enemy\\Douzou\\%d.bmp", false, 255, 4, SpriteKind::kTrap, &kSizes[96]},
    {"Uma", 109, 4, "bmp\\enemy\\Uma\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[100]},
    {"Crow", 113, 4, "bmp\\enemy\\Crow\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[104]},
    {"Frog", 117, 6, "bmp\\enemy\\Frog\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[108]},
    {"Hiru", 123, 2, "bmp\\enemy\\Hiru\\%d.bmp", false, 0, 2, SpriteKind::kEnemy, &kSizes[114]},
    {"Toad", 125, 8, "bmp\\enemy\\Toad\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[116]},
    {"San", 133, 4, "bmp\\enemy\\San\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[124]},
    {"Gouremu", 137, 4, "bmp\\enemy\\Gouremu\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[128]},
    {"Skeleton", 141, 8, "bmp\\enemy\\Skeleton\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[132]},
    {"Hone", 149, 4, "bmp\\enemy\\Hone\\%d.bmp", false, 255, 4, SpriteKind::kShot, &kSizes[140]},
    {"S_Large", 153, 4, "bmp\\enemy\\S_Large\\%d.bmp", false, 0, 4, SpriteKind::kEnemy, &kSizes[144]},
    {"Ogideran", 157, 6, "bmp\\enemy\\Ogideran\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[148]},
    {"Bat", 163, 2, "bmp\\enemy\\Bat\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[154]},
    {"Leaf", 165, 4, "bmp\\enemy\\Leaf\\%d.bmp", false, 0, 4, SpriteKind::kTrap, &kSizes[156]},
    {"Hana", 169, 4, "bmp\\enemy\\Hana\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[160]},
    {"Fukurou", 173, 6, "bmp\\enemy\\Fukurou\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[164]},
    {"Sukaru", 179, 4, "bmp\\enemy\\Sukaru\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[170]},
    {"Eipu", 183, 8, "bmp\\enemy\\Eipu\\%d.bmp", false, 0, 8, SpriteKind::kEnemy, &kSizes[174]},
    {"Taru", 191, 4, "bmp\\enemy\\Taru\\%d.bmp", false, 255, 4, SpriteKind::kTrap, &kSizes[182]},
    {"War", 195, 4, "bmp\\enemy\\War\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[186]},
    {"Hyou", 199, 6, "bmp\\enemy\\Hyou\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[190]},
    {"Porutaa", 205, 4, "bmp\\enemy\\Porutaa\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[196]},
    {"G_Hand", 209, 6, "bmp\\enemy\\G_Hand\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[200]},
    {"Gargoile", 215, 4, "bmp\\enemy\\Gargoile\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[206]},
    {"Spider", 219, 2, "bmp\\enemy\\Spider\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[210]},
    {"M_Spider", 221, 2, "bmp\\enemy\\M_Spider\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[212]},
    {"Ito", 223, 1, "bmp\\enemy\\Ito.bmp", true, -1, 1, SpriteKind::kTrap, &kSizes[214]},
    {"Ti", 224, 2, "bmp\\enemy\\Ti\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[215]},
    {"Turn", 226, 3, "bmp\\enemy\\Turn\\%d.bmp", false, 255, 3, SpriteKind::kTrap, &kSizes[217]},
    {"Yuurei", 229, 2, "bmp\\enemy\\Yuurei\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[220]},
    {"Dancer", 231, 8, "bmp\\enemy\\Dancer\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[222]},
    {"Suraimu", 239, 5, "bmp\\enemy\\Suraimu\\%d.bmp", false, 0, 5, SpriteKind::kEnemy, &kSizes[230]},
    {"Ax_Armor", 244, 12, "bmp\\enemy\\Ax_Armor\\%d.bmp", false, 255, 12, SpriteKind::kEnemy, &kSizes[235]},
    {"Ax", 256, 4, "bmp\\enemy\\Ax\\%d.bmp", false, 255, 4, SpriteKind::kShot, &kSizes[247]},
    {"Nomi", 260, 4, "bmp\\enemy\\Nomi\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[251]},
    {"F_Dog", 264, 8, "bmp\\enemy\\F_Dog\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[255]},
    {"Fish", 272, 4, "bmp\\enemy\\Fish\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[263]},
    {"W_Ghost", 276, 2, "bmp\\enemy\\W_Ghost\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[267]},
    {"Madhand", 278, 3, "bmp\\enemy\\Madhand\\%d.bmp", false, 255, 3, SpriteKind::kEnemy, &kSizes[269]},
    {"Balloon", 281, 2, "bmp\\enemy\\Balloon\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[272]},
    {"Housi", 283, 2, "bmp\\enemy\\Housi\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[274]},
    {"M_Bat", 285, 18, "bmp\\enemy\\M_Bat\\%d.bmp", false, 255, 18, SpriteKind::kEnemy, &kSizes[276]},
    {"Kanoke", 303, 8, "bmp\\enemy\\Kanoke\\%d.bmp", false, 255, 8, SpriteKind::kTrap, &kSizes[294]},
    {"Gureibu", 311, 4, "bmp\\enemy\\Gureibu\\%d.bmp", false, 255, 4, SpriteKind::kTrap, &kSizes[302]},
    {"S_Night", 315, 10, "bmp\\enemy\\S_Night\\%d.bmp", false, 0, 10, SpriteKind::kEnemy, &kSizes[306]},
    {"Red_Whip", 325, 14, "bmp\\enemy\\Red_Whip\\%d.bmp", false, 255, 14, SpriteKind::kEnemy, &kSizes[316]},
    {"Sunegusu", 339, 4, "bmp\\enemy\\Sunegusu\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[330]},
    {"Madman", 343, 10, "bmp\\enemy\\Madman\\%d.bmp", false, 255, 10, SpriteKind::kEnemy, &kSizes[334]},
    {"Red_Ax_Armor", 353, 8, "bmp\\enemy\\Red_Ax_Armor\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[344]},
    {"Medama", 361, 8, "bmp\\enemy\\Medama\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[352]},
    {"Otiru_Honoo", 369, 2, "bmp\\enemy\\Otiru_Honoo\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[360]},
    {"War_Sukaru", 371, 8, "bmp\\enemy\\War_Sukaru\\%d.bmp", false, 0, 8, SpriteKind::kEnemy, &kSizes[362]},
    {"War_Skeleton", 379, 4, "bmp\\enemy\\War_Skeleton\\%d.bmp", false, 0, 4, SpriteKind::kEnemy, &kSizes[370]},
    {"Pping", 383, 1, "bmp\\enemy\\Pping\\%d.bmp", false, 255, 1, SpriteKind::kTrap, &kSizes[374]},
    {"Hebi", 384, 4, "bmp\\enemy\\Hebi\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[375]},
    {"Gejigeji", 388, 2, "bmp\\enemy\\Gejigeji\\%d.bmp", false, 0, 2, SpriteKind::kEnemy, &kSizes[379]},
    {"Bara", 390, 1, "bmp\\enemy\\Bara\\%d.bmp", false, 255, 1, SpriteKind::kTrap, &kSizes[381]},
    {"Kahun", 391, 2, "bmp\\enemy\\Kahun\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[382]},
    {"Bokujin", 393, 5, "bmp\\enemy\\Bokujin\\%d.bmp", false, 255, 5, SpriteKind::kEnemy, &kSizes[384]},
    {"Haru", 398, 8, "bmp\\enemy\\Haru\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[389]},
    {"Fyenriru", 406, 10, "bmp\\enemy\\Fyenriru\\%d.bmp", false, 255, 10, SpriteKind::kEnemy, &kSizes[397]},
    {"Otiru_Block", 416, 1, "bmp\\enemy\\Otiru_Block\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[407]},
    {"Archer", 417, 8, "bmp\\enemy\\Archer\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[408]},
    {"Ya", 425, 8, "bmp\\enemy\\Ya\\%d.bmp", false, 255, 8, SpriteKind::kShot, &kSizes[416]},
    {"Jyuutan", 433, 2, "bmp\\enemy\\Jyuutan\\%d.bmp", false, 255, 2, SpriteKind::kTrap, &kSizes[424]},
    {"Rouba", 435, 1, "bmp\\enemy\\Rouba\\%d.bmp", false, 255, 1, SpriteKind::kTrap, &kSizes[426]},
    {"Jyuhouten", 436, 3, "bmp\\enemy\\Jyuhouten\\%d.bmp", false, 255, 3, SpriteKind::kEnemy, &kSizes[427]},
    {"Tyinman", 439, 4, "bmp\\enemy\\Tyinman\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[430]},
    {"B_Armor", 443, 4, "bmp\\enemy\\B_Armor\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[434]},
    {"Barukan", 447, 2, "bmp\\enemy\\Barukan\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[438]},
    {"Hunmer", 449, 12, "bmp\\enemy\\Hunmer\\%d.bmp", false, 255, 12, SpriteKind::kEnemy, &kSizes[440]},
    {"Huran", 461, 1, "bmp\\enemy\\Huran.bmp", true, 255, 1, SpriteKind::kTrap, &kSizes[452]},
    {"Sukaru2", 462, 4, "bmp\\enemy\\Sukaru2\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[453]},
    {"Wil", 466, 4, "bmp\\enemy\\Wil\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[457]},
    {"Fire_Skeleton", 470, 8, "bmp\\enemy\\Fire_Skeleton\\%d.bmp", false, 0, 8, SpriteKind::kEnemy, &kSizes[461]},
    {"B_Gaikotu", 478, 12, "bmp\\enemy\\B_Gaikotu\\%d.bmp", false, 255, 12, SpriteKind::kEnemy, &kSizes[469]},
    {"Oskerin_F", 490, 14, "bmp\\enemy\\Oskerin_F\\%d.bmp", false, 255, 14, SpriteKind::kEnemy, &kSizes[481]},
    {"Dugal_F", 504, 8, "bmp\\enemy\\Dugal_F\\%d.bmp", false, 255, 8, SpriteKind::kEnemy, &kSizes[495]},
    {"Tanken", 512, 2, "bmp\\enemy\\Tanken\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[503]},
    {"Nerys_F", 514, 10, "bmp\\enemy\\Nerys_F\\%d.bmp", false, 0, 10, SpriteKind::kEnemy, &kSizes[505]},
    {"Lightning", 524, 2, "bmp\\enemy\\Lightning\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[515]},
    {"Specter", 526, 1, "bmp\\enemy\\Specter.bmp", true, 255, 1, SpriteKind::kTrap, &kSizes[517]},
    {"Saramanda", 527, 4, "bmp\\enemy\\Saramanda\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[518]},
    {"Arumajiro", 531, 10, "bmp\\enemy\\Arumajiro\\%d.bmp", false, 255, 10, SpriteKind::kEnemy, &kSizes[522]},
    {"WhiteD_Hontai", 541, 2, "bmp\\enemy\\WhiteD_Hontai\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[532]},
    {"WhiteD_Tukene", 543, 1, "bmp\\enemy\\WhiteD_Tukene\\%d.bmp", false, 255, 1, SpriteKind::kEnemy, &kSizes[534]},
    {"WhiteD_Honoo", 544, 2, "bmp\\enemy\\WhiteD_Honoo\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[535]},
    {"Kumo", 546, 2, "bmp\\enemy\\Kumo\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[537]},
    {"Noroi", 548, 3, "bmp\\enemy\\Noroi\\%d.bmp", false, 255, 3, SpriteKind::kEnemy, &kSizes[539]},
    {"Flying_S", 551, 4, "bmp\\enemy\\Flying_S\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[542]},
    {"Yuka_Yari", 555, 1, "bmp\\enemy\\Yuka_Yari\\%d.bmp", false, 0, 1, SpriteKind::kTrap, &kSizes[546]},
    {"Idou_Yari", 556, 1, "bmp\\enemy\\Idou_Yari\\%d.bmp", false, 255, 1, SpriteKind::kTrap, &kSizes[547]},
    {"D_Zombie", 557, 6, "bmp\\enemy\\D_Zombie\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[548]},
    {"Ekuto", 563, 1, "bmp\\enemy\\Ekuto\\%d.bmp", false, 255, 1, SpriteKind::kEnemy, &kSizes[554]},
    {"Gia", 564, 2, "bmp\\enemy\\Gia\\%d.bmp", false, 255, 2, SpriteKind::kTrap, &kSizes[555]},
    {"Victo", 566, 16, "bmp\\enemy\\Victo\\%d.bmp", false, 255, 16, SpriteKind::kEnemy, &kSizes[557]},
    {"Ara", 582, 3, "bmp\\enemy\\Ara\\%d.bmp", false, 255, 3, SpriteKind::kEnemy, &kSizes[573]},
    {"W_Wolf", 585, 23, "bmp\\enemy\\W_Wolf\\%d.bmp", false, 255, 23, SpriteKind::kBoss, &kSizes[576]},
    {"Fire_B", 608, 2, "bmp\\enemy\\Fire_B\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[599]},
    {"Mino", 610, 26, "bmp\\enemy\\Mino\\%d.bmp", false, 255, 26, SpriteKind::kBoss, &kSizes[601]},
    {"Tuti", 636, 2, "bmp\\enemy\\Tuti\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[627]},
    {"Maryoku", 638, 2, "bmp\\Maryoku\\%d.bmp", false, 255, 2, SpriteKind::kItem, &kSizes[629]},
    {"G_Bat", 640, 2, "bmp\\enemy\\G_Bat\\%d.bmp", false, 255, 2, SpriteKind::kBoss, &kSizes[631]},
    {"B_Medyusa", 642, 4, "bmp\\enemy\\B_Medyusa\\%d.bmp", false, 255, 4, SpriteKind::kBoss, &kSizes[633]},
    {"Miira", 646, 2, "bmp\\enemy\\Miira\\%d.bmp", false, 255, 2, SpriteKind::kBoss, &kSizes[637]},
    {"Ganseki", 648, 1, "bmp\\enemy\\Ganseki\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[639]},
    {"Houtai", 649, 2, "bmp\\enemy\\Houtai\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[640]},
    {"Huranken", 651, 7, "bmp\\enemy\\Huranken\\%d.bmp", false, 255, 7, SpriteKind::kBoss, &kSizes[642]},
    {"Quorth", 658, 1, "bmp\\enemy\\Quorth\\%d.bmp", false, 255, 1, SpriteKind::kBoss, &kSizes[649]},
    {"Tama", 659, 1, "bmp\\enemy\\Tama\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[650]},
    {"Beri_1", 660, 6, "bmp\\enemy\\Beri_1\\%d.bmp", false, 255, 6, SpriteKind::kBoss, &kSizes[651]},
    {"Beri_Fire", 666, 3, "bmp\\enemy\\Beri_Fire\\%d.bmp", false, 0, 3, SpriteKind::kShot, &kSizes[657]},
    {"Beri_2", 669, 3, "bmp\\enemy\\Beri_2\\%d.bmp", false, 255, 3, SpriteKind::kBoss, &kSizes[660]},
    {"Gyai_1", 672, 7, "bmp\\enemy\\Gyai_1\\%d.bmp", false, 255, 7, SpriteKind::kBoss, &kSizes[663]},
    {"Gyai_Ganseki", 679, 1, "bmp\\enemy\\Gyai_Ganseki\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[670]},
    {"Gyai_Fire1", 680, 1, "bmp\\enemy\\Gyai_Fire1\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[671]},
    {"Gyai_2", 681, 4, "bmp\\enemy\\Gyai_2\\%d.bmp", false, 255, 4, SpriteKind::kBoss, &kSizes[672]},
    {"Gyai_Fire2", 685, 1, "bmp\\enemy\\Gyai_Fire2\\%d.bmp", false, 0, 1, SpriteKind::kShot, &kSizes[676]},
    {"Death_1", 686, 2, "bmp\\enemy\\Death_1\\%d.bmp", false, 255, 2, SpriteKind::kBoss, &kSizes[677]},
    {"Kama", 688, 8, "bmp\\enemy\\Kama\\%d.bmp", false, 255, 8, SpriteKind::kShot, &kSizes[679]},
    {"Death_2", 696, 8, "bmp\\enemy\\Death_2\\%d.bmp", false, 255, 8, SpriteKind::kBoss, &kSizes[687]},
    {"Daibourei", 704, 2, "bmp\\enemy\\Daibourei\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[695]},
    {"F_Sukaru", 706, 2, "bmp\\enemy\\F_Sukaru\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[697]},
    {"Disk", 708, 2, "bmp\\enemy\\Disk\\%d.bmp", false, 255, 2, SpriteKind::kShot, &kSizes[699]},
    {"Sukea", 710, 2, "bmp\\enemy\\Sukea\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[701]},
    {"Up_Fire", 712, 5, "bmp\\enemy\\Up_Fire\\%d.bmp", false, 0, 5, SpriteKind::kShot, &kSizes[703]},
    {"S_Beamer", 717, 4, "bmp\\enemy\\S_Beamer\\%d.bmp", false, 255, 4, SpriteKind::kShot, &kSizes[708]},
    {"Morvane1", 721, 6, "bmp\\enemy\\Morvane1\\%d.bmp", false, 255, 6, SpriteKind::kBoss, &kSizes[712]},
    {"Morvane2", 727, 20, "bmp\\enemy\\Morvane2\\%d.bmp", false, 255, 16, SpriteKind::kBoss, &kSizes[718]},
    {"HellFire", 747, 2, "bmp\\enemy\\HellFire\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[738]},
    {"Kokuen", 749, 4, "bmp\\enemy\\Kokuen\\%d.bmp", false, 255, 4, SpriteKind::kShot, &kSizes[740]},
    {"Morvane3", 753, 1, "bmp\\enemy\\Morvane3\\%d.bmp", false, 255, 1, SpriteKind::kBoss, &kSizes[744]},
    {"Stn_fire", 754, 2, "bmp\\enemy\\Stn_fire\\%d.bmp", false, 0, 2, SpriteKind::kShot, &kSizes[745]},
    {"Sauji", 756, 6, "bmp\\enemy\\Sauji\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[747]},
    {"Ringo", 762, 1, "bmp\\enemy\\Ringo\\%d.bmp", false, 255, 1, SpriteKind::kShot, &kSizes[753]},
    {"Zonbi", 763, 2, "bmp\\enemy\\Zonbi\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[754]},
    {"Shellok", 765, 2, "bmp\\enemy\\Shellok\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[756]},
    {"Tori", 767, 2, "bmp\\enemy\\Tori\\%d.bmp", false, 255, 2, SpriteKind::kEnemy, &kSizes[758]},
    {"Koumori", 769, 3, "bmp\\enemy\\Koumori\\%d.bmp", false, 255, 3, SpriteKind::kEnemy, &kSizes[760]},
    {"Kyonsi", 772, 6, "bmp\\enemy\\Kyonsi\\%d.bmp", false, 255, 6, SpriteKind::kEnemy, &kSizes[763]},
    {"Kaminarisama", 778, 4, "bmp\\enemy\\Kaminarisama\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[769]},
    {"Kaminari", 782, 4, "bmp\\enemy\\Kaminari\\%d.bmp", false, 255, 4, SpriteKind::kShot, &kSizes[773]},
    {"Gool", 786, 4, "bmp\\enemy\\Gool\\%d.bmp", false, 255, 4, SpriteKind::kEnemy, &kSizes[777]},
    {"Seliya", 790, 44, "bmp\\Seliya\\%d.bmp", false, 255, 44, SpriteKind::kHero, &kSizes[781]},
    {"Himitu", 834, 6, "bmp\\Himitu\\%d.bmp", false, 255, 6, SpriteKind::kHeroShot, &kSizes[825]},
    {"Suzaku", 840, 4, "bmp\\Suzaku\\%d.bmp", false, 255, 4, SpriteKind::kHeroShot, &kSizes[831]},
    {"Hato", 844, 8, "bmp\\Hato\\%d.bmp", false, 255, 8, SpriteKind::kHeroShot, &kSizes[835]},
    {"Seliya_varm", 852, 70, "bmp\\Seliya_varm\\%d.bmp", false, 255, 70, SpriteKind::kHero, &kSizes[843]},
    {"Kidan", 922, 1, "bmp\\Kidan\\%d.bmp", false, 255, 1, SpriteKind::kHeroShot, &kSizes[913]},
    {"Nerys", 923, 16, "bmp\\Nerys\\%d.bmp", false, 0, 16, SpriteKind::kHero, &kSizes[914]},
    {"Flame", 939, 8, "bmp\\Flame\\%d.bmp", false, 255, 8, SpriteKind::kHeroShot, &kSizes[930]},
    {"Tavish", 947, 28, "bmp\\Tavish\\%d.bmp", false, 255, 28, SpriteKind::kHero, &kSizes[938]},
    {"Cross", 975, 3, "bmp\\Cross\\%d.bmp", false, 255, 3, SpriteKind::kHeroShot, &kSizes[966]},
};
// clang-format on

const SpriteSet* FindSpriteSet(const char* name) {
    for (const SpriteSet& s : kSpriteSets)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}

void FormatFramePath(const SpriteSet& set, int frame, char* out, int size) {
    if (set.file)
        std::snprintf(out, static_cast<size_t>(size), "%s", set.path);
    else
        std::snprintf(out, static_cast<size_t>(size), set.path, frame);
}
