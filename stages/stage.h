#pragma once

#include <cstdint>

class Stage {
public:
    Stage();
    int32_t GetEndX() const { return endX_; }
    void SetEndX(int32_t x) { endX_ = x; }
    void PlaceObjects();
    void Update();
    void CheckExit();

private:
    int32_t endX_;
};

extern Stage g_stage;
