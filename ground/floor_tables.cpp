// Floor and wall rectangles of every stage, in table order (left, top, right,
// bottom). Stages with the same ground share one table.
#include "ground/stage_floor.h"

namespace {

using platform::Rect;

// Five stretches of ground with four narrow pits.
// clang-format off
const Rect kFloor1[] = {
    {kOpenLeft, 379, 2813, 426},
    {2826, 379, 2974, 426},
    {2992, 379, 3295, 426},
    {3308, 379, 3452, 426},
    {3465, 379, kOpenRight, 426},
};
// clang-format on

// Seven stretches over pits; the last runs far past the exit.
// clang-format off
const Rect kFloor2[] = {
    {kOpenLeft, 420, 640, 467},
    {664, 420, 1280, 467},
    {1312, 420, 1920, 467},
    {1960, 420, 2560, 467},
    {2580, 420, 3200, 467},
    {3228, 420, 3840, 467},
    {3876, 420, 65535, 467},
};
// clang-format on

// An upper walkway (325 and 326) with pits that drop onto a lower path (376);
// the lower path has pits of its own and rejoins the walkway by a jump.
// clang-format off
const Rect kFloor3[] = {
    {kOpenLeft, 325, 700, 372},
    {740, 326, 1300, 373},
    {1340, 325, 1900, 372},
    {1950, 326, 2500, 373},
    {2540, 325, 3100, 372},
    {3150, 326, 3700, 373},
    {3740, 325, kOpenRight, 372},
    {600, 376, 1100, 423},
    {1124, 376, 1700, 423},
    {1724, 376, 2300, 423},
    {2324, 376, 2800, 423},
    {2824, 376, 3300, 423},
    {3324, 376, 3800, 423},
    {3824, 376, 4100, 423},
    {4124, 376, 4300, 423},
    {4324, 376, kOpenRight, 423},
};
// clang-format on

const Rect kFloor4[] = {{kOpenLeft, 425, kOpenRight, 472}};

// Five stretches with four pits.
// clang-format off
const Rect kFloor5[] = {
    {kOpenLeft, 428, 900, 475},
    {932, 428, 1790, 475},
    {1830, 428, 2690, 475},
    {2710, 428, 3580, 475},
    {3608, 428, kOpenRight, 475},
};
// clang-format on

const Rect kFloor6[] = {{kOpenLeft, 315, kOpenRight, 362}};
const Rect kFloor7[] = {{kOpenLeft, 214, kOpenRight, 261}};
const Rect kFloor8[] = {{kOpenLeft, 349, kOpenRight, 396}};

// A high ledge over a deep floor; the ledge is first so that it answers
// where the two overlap.
// clang-format off
const Rect kFloor9[] = {
    {kOpenLeft, 175, 2484, 222},
    {kOpenLeft, 456, kOpenRight, 856},
};
// clang-format on

const Rect kFloor11[] = {{kOpenLeft, 299, kOpenRight, 346}};
const Rect kFloor12[] = {{kOpenLeft, 285, kOpenRight, 332}};

// Ground at 279 with raised stretches at 245: two bridge pits, one sits on
// the last stretch of ground.
// clang-format off
const Rect kFloor13[] = {
    {kOpenLeft, 279, 900, 326},
    {940, 245, 1500, 292},
    {1540, 279, 2200, 326},
    {2240, 245, 2800, 292},
    {2840, 279, kOpenRight, 326},
    {3100, 245, 3400, 292},
};
// clang-format on

const Rect kFloor14[] = {{kOpenLeft, 425, kOpenRight, 1065}};
const Rect kFloor15[] = {{kOpenLeft, 400, kOpenRight, 1040}};

// Two step pyramids up to 138 on three stretches of ground. Neighbouring
// steps overlap by 10 pixels so that no seam lets a hero drop between them.
// The two summits come first, the ground last.
// clang-format off
const Rect kFloor16[] = {
    {845, 138, 940, 185},
    {2562, 138, 2650, 185},
    {80, 424, 175, 471},
    {165, 392, 260, 439},
    {250, 362, 345, 409},
    {335, 330, 430, 377},
    {420, 298, 515, 345},
    {505, 266, 600, 313},
    {590, 234, 685, 281},
    {675, 202, 770, 249},
    {760, 170, 855, 217},
    {930, 170, 1025, 217},
    {1015, 202, 1110, 249},
    {1100, 234, 1195, 281},
    {1185, 266, 1280, 313},
    {1270, 298, 1365, 345},
    {1355, 330, 1450, 377},
    {1440, 362, 1535, 409},
    {1525, 392, 1620, 439},
    {1610, 424, 1705, 471},
    {1860, 424, 1948, 471},
    {1938, 392, 2026, 439},
    {2016, 362, 2104, 409},
    {2094, 330, 2182, 377},
    {2172, 298, 2260, 345},
    {2250, 266, 2338, 313},
    {2328, 234, 2416, 281},
    {2406, 202, 2494, 249},
    {2484, 170, 2572, 217},
    {2640, 170, 2728, 217},
    {2718, 202, 2806, 249},
    {2796, 234, 2884, 281},
    {2874, 266, 2962, 313},
    {2952, 298, 3040, 345},
    {3030, 330, 3118, 377},
    {3108, 362, 3196, 409},
    {3186, 392, 3274, 439},
    {3264, 424, 3352, 471},
    {kOpenLeft, 456, 1800, 503},
    {1840, 456, 3400, 503},
    {3440, 456, kOpenRight, 503},
};
// clang-format on

const Rect kFloor17[] = {{kOpenLeft, 420, kOpenRight, 1060}};

// Eight stretches over pits, the first reaching back past the left end.
// clang-format off
const Rect kFloor18[] = {
    {-640, 213, 720, 259},
    {760, 213, 1440, 259},
    {1460, 213, 2160, 259},
    {2188, 213, 2880, 259},
    {2916, 213, 3600, 259},
    {3616, 213, 4320, 259},
    {4344, 213, 5040, 259},
    {5072, 213, kOpenRight, 259},
};
// clang-format on

const Rect kFloor20[] = {{kOpenLeft, 383, kOpenRight, 1023}};
const Rect kFloor22[] = {{kOpenLeft, 297, kOpenRight, 937}};

// Thirteen stretches over pits, the same six pits every 2560 columns as the
// stage's pictures repeat.
// clang-format off
const Rect kFloor25[] = {
    {kOpenLeft, 299, 390, 345},
    {410, 299, 790, 345},
    {818, 299, 1180, 345},
    {1216, 299, 1580, 345},
    {1596, 299, 1970, 345},
    {1994, 299, 2360, 345},
    {2392, 299, 2950, 345},
    {2970, 299, 3350, 345},
    {3378, 299, 3740, 345},
    {3776, 299, 4140, 345},
    {4156, 299, 4530, 345},
    {4554, 299, 4920, 345},
    {4952, 299, kOpenRight, 345},
};
// clang-format on

const Rect kFloor27[] = {{kOpenLeft, 407, kOpenRight, 1047}};

// Ground at 308 in five stretches, each of the first four carrying a block
// at 242: too tall to walk into for the whip heroes and the spell caster,
// who jump onto it.
// clang-format off
const Rect kFloor29[] = {
    {kOpenLeft, 308, 900, 355},
    {500, 242, 700, 289},
    {930, 308, 1700, 355},
    {1200, 242, 1450, 289},
    {1736, 308, 2500, 355},
    {2000, 242, 2300, 289},
    {2524, 308, 3200, 355},
    {2700, 242, 2950, 289},
    {3232, 308, kOpenRight, 355},
};
// clang-format on

// Five stretches of ground at 297 with four hills between the pits: a step
// at 255, a summit at 214 and a step at 255 again; one hill and one pit
// every 1280 columns, as the stage's pictures repeat.
// clang-format off
const Rect kFloor30[] = {
    {kOpenLeft, 297, 1000, 344},
    {600, 255, 720, 302},
    {710, 214, 880, 261},
    {870, 255, 990, 302},
    {1030, 297, 2280, 344},
    {1880, 255, 2000, 302},
    {1990, 214, 2160, 261},
    {2150, 255, 2270, 302},
    {2310, 297, 3560, 344},
    {3160, 255, 3280, 302},
    {3270, 214, 3440, 261},
    {3430, 255, 3550, 302},
    {3590, 297, 4840, 344},
    {4440, 255, 4560, 302},
    {4550, 214, 4720, 261},
    {4710, 255, 4830, 302},
    {4870, 297, kOpenRight, 344},
};
// clang-format on

const Rect kFloor31[] = {{kOpenLeft, 438, kOpenRight, 1078}};
const Rect kFloor32[] = {{kOpenLeft, 443, kOpenRight, 1083}};

// clang-format off
const Rect kFloor33[] = {
    {kOpenLeft, 175, 5044, 222},
    {kOpenLeft, 456, kOpenRight, 856},
};
// clang-format on

const Rect kFloor35[] = {{kOpenLeft, 429, kOpenRight, 1069}};
const Rect kFloor36[] = {{kOpenLeft, 416, kOpenRight, 1056}};

// Thirty-seven short stretches over pits, the same four pits in every 640
// columns as the stage's one picture repeats.
// clang-format off
const Rect kFloor39[] = {
    {kOpenLeft, 265, 100, 312},
    {128, 265, 250, 312},
    {282, 265, 400, 312},
    {428, 265, 540, 312},
    {576, 265, 740, 312},
    {768, 265, 890, 312},
    {922, 265, 1040, 312},
    {1068, 265, 1180, 312},
    {1216, 265, 1380, 312},
    {1408, 265, 1530, 312},
    {1562, 265, 1680, 312},
    {1708, 265, 1820, 312},
    {1856, 265, 2020, 312},
    {2048, 265, 2170, 312},
    {2202, 265, 2320, 312},
    {2348, 265, 2460, 312},
    {2496, 265, 2660, 312},
    {2688, 265, 2810, 312},
    {2842, 265, 2960, 312},
    {2988, 265, 3100, 312},
    {3136, 265, 3300, 312},
    {3328, 265, 3450, 312},
    {3482, 265, 3600, 312},
    {3628, 265, 3740, 312},
    {3776, 265, 3940, 312},
    {3968, 265, 4090, 312},
    {4122, 265, 4240, 312},
    {4268, 265, 4380, 312},
    {4416, 265, 4580, 312},
    {4608, 265, 4730, 312},
    {4762, 265, 4880, 312},
    {4908, 265, 5020, 312},
    {5056, 265, 5220, 312},
    {5248, 265, 5370, 312},
    {5402, 265, 5520, 312},
    {5548, 265, 5660, 312},
    {5696, 265, kOpenRight, 312},
};
// clang-format on

const Rect kFloor42[] = {{kOpenLeft, 413, kOpenRight, 1053}};

// Nineteen stretches over pits, walked from the right end to the left.
// clang-format off
const Rect kFloor45[] = {
    {kOpenLeft, 213, 270, 260},
    {306, 213, 540, 260},
    {556, 213, 810, 260},
    {834, 213, 1080, 260},
    {1112, 213, 1350, 260},
    {1390, 213, 1620, 260},
    {1640, 213, 1890, 260},
    {1918, 213, 2160, 260},
    {2196, 213, 2430, 260},
    {2446, 213, 2690, 260},
    {2714, 213, 2960, 260},
    {2992, 213, 3230, 260},
    {3270, 213, 3500, 260},
    {3520, 213, 3770, 260},
    {3798, 213, 4040, 260},
    {4076, 213, 4310, 260},
    {4326, 213, 4580, 260},
    {4604, 213, 4850, 260},
    {4882, 213, kOpenRight, 260},
};
// clang-format on

const Rect kFloor46[] = {{kOpenLeft, 310, kOpenRight, 950}};
const Rect kFloor48[] = {{kOpenLeft, 401, kOpenRight, 1041}};

template <int32_t N>
constexpr FloorTable Table(const Rect (&rects)[N]) {
    return FloorTable{rects, N};
}

}  // namespace

FloorTable StageFloorTable(int32_t stage) {
    // clang-format off
    switch (stage) {
        case 1: return Table(kFloor1);
        case 2: return Table(kFloor2);
        case 3: return Table(kFloor3);
        case 4: return Table(kFloor4);
        case 5: return Table(kFloor5);
        case 6: return Table(kFloor6);
        case 7: return Table(kFloor7);
        case 8: return Table(kFloor8);
        case 9: case 10: case 19: case 28: return Table(kFloor9);
        case 11: return Table(kFloor11);
        case 12: return Table(kFloor12);
        case 13: return Table(kFloor13);
        case 14: case 23: case 24: return Table(kFloor14);
        case 15: return Table(kFloor15);
        case 16: case 40: return Table(kFloor16);
        case 17: return Table(kFloor17);
        case 18: return Table(kFloor18);
        case 20: case 21: case 26: return Table(kFloor20);
        case 22: return Table(kFloor22);
        case 25: return Table(kFloor25);
        case 27: return Table(kFloor27);
        case 29: return Table(kFloor29);
        case 30: return Table(kFloor30);
        case 31: return Table(kFloor31);
        case 32: case 34: case 41: case 50: return Table(kFloor32);
        case 33: return Table(kFloor33);
        case 35: return Table(kFloor35);
        case 36: case 37: case 38: return Table(kFloor36);
        case 39: return Table(kFloor39);
        case 42: case 43: case 44: case 47: case 49: return Table(kFloor42);
        case 45: return Table(kFloor45);
        case 46: return Table(kFloor46);
        case 48: return Table(kFloor48);
        default: return FloorTable{nullptr, 0};
    }
    // clang-format on
}
