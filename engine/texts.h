#pragma once

// Screen texts of the built language (UTF-8).
namespace texts {
// True in the Japanese build: the texts need a Japanese font.
extern const bool kJapanese;
extern const char* const kLoading;
extern const char* const kStageLabel[50];
extern const char* const kStageTitle[50];
}  // namespace texts
