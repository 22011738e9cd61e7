// Compiled once per language; nothing else in the game depends on it.
#include "texts.h"

namespace texts {

#if MORVANE_LANG_JA
const bool kJapanese = true;
const char* const kLoading = "ロード中です。しばらくお待ちください";
#define L(n) "ステージ" n
const char* const kStageLabel[50] = {
    L("１"), L("２"), L("３"), L("４"), L("５"), L("６"), L("７"), L("８"), L("９"), L("１０"),
    L("１１"), L("１２"), L("１３"), L("１４"), L("１５"), L("１６"), L("１７"), L("１８"), L("１９"), L("２０"),
    L("２１"), L("２２"), L("２３"), L("２４"), L("２５"), L("２６"), L("２７"), L("２８"), L("２９"), L("３０"),
    L("３１"), L("３２"), L("３３"), L("３４"), L("３５"), L("３６"), L("３７"), L("３８"), L("３９"), L("４０"),
    L("４１"), L("４２"), L("４３"), L("４４"), L("４５"), L("４６"), L("４７"), L("４８"), L("４９"), L("５０"),
};
#undef L
#define E ""
const char* const kStageTitle[50] = {
    E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E,
    E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E,
};
#undef E
#else
const bool kJapanese = false;
const char* const kLoading = "Loading, please wait";
const char* const kStageLabel[50] = {
    "stage 1", "stage 2", "stage 3", "stage 4", "stage 5", "stage 6", "stage 7", "stage 8", "stage 9", "stage10",
    "stage11", "stage12", "stage13", "stage14", "stage15", "stage16", "stage17", "stage18", "stage19", "stage20",
    "stage21", "stage22", "stage23", "stage24", "stage25", "stage26", "stage27", "stage28", "stage29", "stage30",
    "stage31", "stage32", "stage33", "stage34", "stage35", "stage36", "stage37", "stage38", "stage39", "stage40",
    "stage41", "stage42", "stage43", "stage44", "stage45", "stage46", "stage47", "stage48", "stage49", "stage50",
};
// Every title is the one empty text in this language.
static const char kNoTitle[] = "";
const char* const kStageTitle[50] = {
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
};
#endif

}  // namespace texts
