#pragma once

#include "enemies/model/enemy_model.h"

namespace enemy {

// The update of a hazard that has no dead flag and so is there for the whole
// stage: the shared sequence without the death checks. One that wakes only
// once the hero comes near does nothing (and is not drawn) until then.
template <typename T>
void RunHazard(T& e) {
    if constexpr (requires { e.Awake(); }) {
        if (!e.Awake()) return;
    }
    if constexpr (requires { e.Move(); }) e.Move();
    if constexpr (requires { e.CheckWeaponHit(); }) e.CheckWeaponHit();
    e.CheckPlayerTouch();
    e.Draw();
}

}  // namespace enemy

// The record lines of a hazard kind: its idle slot and its update.
#define HAZARD_RECORD(Class) \
    Class() = default;       \
    void Update() { enemy::RunHazard(*this); }
