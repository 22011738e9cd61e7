#pragma once

#include <cstdint>

// A rose hanging from above that sheds pollen for ever. It cannot be hit and
// does not hurt; only its pollen does.
class EnemyBara {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    EnemyBara() = default;
    EnemyBara(int32_t x, int32_t y, int32_t slotBase);
    void Update();
};

inline EnemyBara g_enemyBara[4];
