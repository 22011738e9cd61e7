#pragma once

#include <string>

// Each writer creates its part of the data tree below root and returns false
// (after saying why on standard error) when a file cannot be written.
bool GenerateBitmaps(const std::string& root);
bool GenerateAudio(const std::string& root);
