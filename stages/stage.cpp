#include "stage.h"

#include "engine/shell.h"

Stage g_stage;

Stage::Stage() : endX_(600) {}

void Stage::PlaceObjects() {}

void Stage::Update() {}

void Stage::CheckExit() {}
