#pragma once

// Every built object class; the registry's ENEMY rows.
#include "enemies/ghost.h"
#include "enemies/gool.h"
#include "enemies/medyusa_head.h"
#include "enemies/red.h"
#include "enemies/skeleton_soldier.h"
#include "enemies/une.h"
#include "enemies/zombie.h"
