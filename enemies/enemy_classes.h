#pragma once

// Every built object class; the registry's ENEMY rows.
#include "enemies/armor.h"
#include "enemies/bokusi.h"
#include "enemies/dyurahan.h"
#include "enemies/ghost.h"
#include "enemies/gool.h"
#include "enemies/gouremu.h"
#include "enemies/hyou.h"
#include "enemies/jyouhansin.h"
#include "enemies/konbou.h"
#include "enemies/madhand.h"
#include "enemies/medyusa_head.h"
#include "enemies/red.h"
#include "enemies/skeleton_soldier.h"
#include "enemies/slarge.h"
#include "enemies/une.h"
#include "enemies/zombie.h"
