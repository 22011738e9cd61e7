// The placement and update dispatch, generated as plain switches from the
// class registry.
#include "enemies/model/registry.h"

#include <utility>

#include "enemies/model/enemy_classes.h"
#include "enemies/model/enemy_model.h"

const ObjectClassInfo kObjectClasses[kObjectClassCount] = {
#define ENEMY(Class, array, size, arity, deadArg) {#Class, size, arity, deadArg},
#include "enemies/model/registry.def"
#undef ENEMY
};

namespace {

template <typename T, size_t... I>
T BuildFrom(const int32_t* args, std::index_sequence<I...>) {
    return T(args[I]...);
}

// The array sizes the registry states are the arrays the classes define.
#define ENEMY(Class, array, size, arity, deadArg)                                  \
    static_assert(sizeof(array) / sizeof(array[0]) == size, #Class " array size"); \
    static_assert(arity <= kMaxObjectArgs, #Class " arity");
#include "enemies/model/registry.def"
#undef ENEMY

// A class without a dead flag is always there; one on a fixed row or at a
// fixed place reads 0 for what it has not.
template <typename T>
bool ReadRecord(const T* e, int32_t* dead, int32_t* x, int32_t* y) {
    if (!e) return false;
    if constexpr (requires { e->dead; })
        *dead = e->dead;
    else
        *dead = 0;
    if constexpr (requires { e->x; })
        *x = e->x;
    else
        *x = 0;
    if constexpr (requires { e->y; })
        *y = e->y;
    else
        *y = 0;
    return true;
}

// A class without a dead flag cannot be taken away.
template <typename T>
bool KillRecord(T* e) {
    if constexpr (requires { e->dead; }) {
        if (!e) return false;
        e->dead = 1;
        return true;
    } else {
        return false;
    }
}

}  // namespace

bool PlaceObject(ObjectClass c, int32_t slot, const int32_t* args) {
    switch (c) {
#define ENEMY(Class, array, size, arity, deadArg) \
    case ObjectClass::Class:                      \
        return enemy::PoolWrite(array, slot, BuildFrom<Class>(args, std::make_index_sequence<arity>{}));
#include "enemies/model/registry.def"
#undef ENEMY
    }
    return false;
}

void UpdateObject(ObjectClass c, int32_t slot) {
    switch (c) {
#define ENEMY(Class, array, size, arity, deadArg)               \
    case ObjectClass::Class:                                    \
        if (Class* e = enemy::SlotAt(array, slot)) e->Update(); \
        return;
#include "enemies/model/registry.def"
#undef ENEMY
    }
}

bool ReadObject(ObjectClass c, int32_t slot, int32_t* dead, int32_t* x, int32_t* y) {
    switch (c) {
#define ENEMY(Class, array, size, arity, deadArg) \
    case ObjectClass::Class:                      \
        return ReadRecord(enemy::SlotAt(array, slot), dead, x, y);
#include "enemies/model/registry.def"
#undef ENEMY
    }
    return false;
}

bool SetObjectDead(ObjectClass c, int32_t slot) {
    switch (c) {
#define ENEMY(Class, array, size, arity, deadArg) \
    case ObjectClass::Class:                      \
        return KillRecord(enemy::SlotAt(array, slot));
#include "enemies/model/registry.def"
#undef ENEMY
    }
    return false;
}
