#pragma once

#include <cstdint>

// Every object class of the stages, generated from registry.def.
enum class ObjectClass : uint8_t {
#define ENEMY(Class, array, size, arity, deadArg) Class,
#include "enemies/model/registry.def"
#undef ENEMY
};

constexpr int kObjectClassCount = 0
#define ENEMY(Class, array, size, arity, deadArg) +1
#include "enemies/model/registry.def"
#undef ENEMY
    ;

// The most constructor arguments any class takes.
constexpr int kMaxObjectArgs = 6;

struct ObjectClassInfo {
    const char* name;
    int32_t size;     // slots of its global array
    int32_t arity;    // constructor arguments
    int32_t deadArg;  // the argument that builds an idle slot, -1 for none
};

extern const ObjectClassInfo kObjectClasses[kObjectClassCount];

inline const ObjectClassInfo& InfoOf(ObjectClass c) { return kObjectClasses[static_cast<int>(c)]; }

// Builds a fresh record from the arguments (arity of them) and copies it
// over the slot. False, and nothing written, for a slot outside the array.
bool PlaceObject(ObjectClass c, int32_t slot, const int32_t* args);
// One frame of the object in the slot; nothing for a slot outside the array.
void UpdateObject(ObjectClass c, int32_t slot);
// The slot's dead flag, x and y; false when there is no such slot.
bool ReadObject(ObjectClass c, int32_t slot, int32_t* dead, int32_t* x, int32_t* y);
// Marks the slot's object dead (it is then skipped until placed again);
// false for a class that has no dead flag or a slot outside the array.
bool SetObjectDead(ObjectClass c, int32_t slot);
