#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A village at night with its own cast: apple droppers fly the whole street, bats hang from the
// eaves, hopping corpses and runners come along it and two thunder spirits throw bolts over the
// middle.
constexpr StageObject kList[] = {
    // EnemySauji: x, appleSlot
    Obj(C::EnemySauji, 0, {600, 0}),
    Obj(C::EnemySauji, 1, {1100, 1}),
    Obj(C::EnemySauji, 2, {1600, 2}),
    Obj(C::EnemySauji, 3, {2100, 3}),
    Obj(C::EnemySauji, 4, {2600, 4}),
    Obj(C::EnemySauji, 5, {3100, 5}),
    Obj(C::EnemySauji, 6, {3600, 6}),
    Obj(C::EnemySauji, 7, {4100, 7}),
    Obj(C::EnemySauji, 8, {4600, 8}),
    Obj(C::EnemySauji, 9, {5100, 9}),
    // EnemyRingo: x, dead
    Obj(C::EnemyRingo, 0, {0, 1}),
    Obj(C::EnemyRingo, 1, {0, 1}),
    Obj(C::EnemyRingo, 2, {0, 1}),
    Obj(C::EnemyRingo, 3, {0, 1}),
    Obj(C::EnemyRingo, 4, {0, 1}),
    Obj(C::EnemyRingo, 5, {0, 1}),
    Obj(C::EnemyRingo, 6, {0, 1}),
    Obj(C::EnemyRingo, 7, {0, 1}),
    Obj(C::EnemyRingo, 8, {0, 1}),
    Obj(C::EnemyRingo, 9, {0, 1}),
    // EnemyZonbi: x, dead
    Obj(C::EnemyZonbi, 0, {0, 1}),
    Obj(C::EnemyZonbi, 1, {0, 1}),
    // EnemyShellok: x
    Obj(C::EnemyShellok, 0, {400}),
    Obj(C::EnemyShellok, 1, {1500}),
    Obj(C::EnemyShellok, 2, {2600}),
    Obj(C::EnemyShellok, 3, {3700}),
    Obj(C::EnemyShellok, 4, {4700}),
    // EnemyTori: x, spare, dead
    Obj(C::EnemyTori, 0, {0, 0, 1}),
    // EnemyKoumori: x
    Obj(C::EnemyKoumori, 0, {900}),
    Obj(C::EnemyKoumori, 1, {2000}),
    Obj(C::EnemyKoumori, 2, {3100}),
    Obj(C::EnemyKoumori, 3, {4200}),
    Obj(C::EnemyKoumori, 4, {5200}),
    // EnemyKyonsi: x
    Obj(C::EnemyKyonsi, 0, {1000}),
    Obj(C::EnemyKyonsi, 1, {1700}),
    Obj(C::EnemyKyonsi, 2, {2500}),
    Obj(C::EnemyKyonsi, 3, {3400}),
    Obj(C::EnemyKyonsi, 4, {4300}),
    Obj(C::EnemyKyonsi, 5, {5000}),
    // EnemyKaminarisama: x, boltBase
    Obj(C::EnemyKaminarisama, 0, {1800, 0}),
    Obj(C::EnemyKaminarisama, 1, {3900, 5}),
    // EnemyKaminari: x, y, faceRight, dead
    Obj(C::EnemyKaminari, 0, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 1, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 2, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 3, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 4, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 5, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 6, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 7, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 8, {0, 0, 0, 1}),
    Obj(C::EnemyKaminari, 9, {0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList50() { return ListOf(kList); }
