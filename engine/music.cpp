#include "music.h"

StageMusic g_stageMusic;
std::mutex g_musicMutex;
