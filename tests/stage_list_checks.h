#pragma once

// The rules every stage object list keeps, each a function that returns what
// it finds wrong (empty: the list keeps the rule). They take a copy of a list
// so that a test can break one on purpose and see the right rule catch it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "enemies/model/registry.h"
#include "stages/stage_lists.h"

using StageList = std::vector<StageObject>;
using Findings = std::vector<std::string>;

// The stage's list as it is built.
StageList ListCopy(int32_t stage);

// The classes in list order with their instance counts, exactly as the stage's
// composition gives them.
Findings CheckComposition(int32_t stage, const StageList& list);
// Slots 0, 1, 2 ... of each class without gaps and inside its array (the
// third pendulum of stage 19 first), and each entry with its class's arity.
Findings CheckSlots(int32_t stage, const StageList& list);
// Self-reviving classes and pure pools placed idle with their dead argument
// 1; the clear orb hidden and last on the boss stages.
Findings CheckIdle(int32_t stage, const StageList& list);
// Every owner's pool slots (its first slot argument and on, or its fixed
// slots) placed idle in the same stage, inside the ranges the owner allows,
// and no slot written by two owners (but stage 30's one flame slot).
Findings CheckPools(int32_t stage, const StageList& list);
// Ground classes stand on a floor top of the stage, with their patrol bounds
// on the same rectangle on either side of x.
Findings CheckFooting(int32_t stage, const StageList& list);
// Fliers start inside the screen's rows.
Findings CheckInTheAir(int32_t stage, const StageList& list);
// Every placed x between 0 and the stage length.
Findings CheckInsideStage(int32_t stage, const StageList& list);
// Nothing live that hurts by touch within 300 pixels of the hero's start.
Findings CheckClearStart(int32_t stage, const StageList& list);

// All the rules above.
Findings CheckAll(int32_t stage, const StageList& list);

// The standing height of a ground class (from y to the floor it stands on),
// 0 for a class that does not stand.
int32_t StandingHeight(ObjectClass c);

// A stage's classes in list order with their instance counts (none for a
// number without a stage), and its number of objects.
std::vector<std::pair<ObjectClass, int32_t>> CompositionRuns(int32_t stage);
int32_t CompositionCount(int32_t stage);
