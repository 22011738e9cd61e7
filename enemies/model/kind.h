#pragma once

// What every kind's header starts from: the model's rules and the record
// members every kind has beside its own fields.
#include <cstdint>

#include "enemies/model/enemy_model.h"
#include "platform/platform.h"

// The default-built record is an empty slot of the kind's global array; the
// update runs the shared sequence over the steps the kind declares. A kind
// with an update of its own (the bosses, the orb) writes both lines itself.
#define ENEMY_RECORD(Class) \
    Class() = default;      \
    void Update() { enemy::RunUpdate(*this); }
