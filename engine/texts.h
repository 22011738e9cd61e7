#pragma once

// Screen texts of the built language (UTF-8). Positions are the same in
// every language and live with the screens that draw them.
namespace texts {

struct ControlRow {
    const char* key;
    const char* action;
};

// True in the Japanese build: the texts need a Japanese font.
extern const bool kJapanese;
extern const char* const kLoading;
extern const char* const kStageLabel[50];
extern const char* const kStageTitle[50];

extern const char* const kSelectPrompt;  // menu and player-select heading
extern const char* const kMenuItem[7];   // "continue game" ... "exit game"
extern const char* const kStageSelectPrompt;
extern const char* const kPlayerName[11];
extern const char* const kBackPrompt;  // controls, encyclopedia, about
extern const char* const kCreating;    // encyclopedia placeholder

// Controls page, per hero, in screen order.
extern const ControlRow kControlsDoran[5];
extern const ControlRow kControlsSeliya[7];
extern const ControlRow kControlsSeliyaVarm[7];
extern const ControlRow kControlsNerys[6];
extern const ControlRow kControlsTavish[6];
extern const ControlRow kControlsEsc;
extern const ControlRow kControlsMouse;

constexpr int kAboutLines = 6;
extern const char* const kAbout[kAboutLines];

}  // namespace texts
