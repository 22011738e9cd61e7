// Compiled once per language; nothing else in the game depends on it.
#include "texts.h"

namespace texts {

#if MORVANE_LANG_JA
const bool kJapanese = true;
const char* const kLoading = "ロード中です。しばらくお待ちください";

// clang-format off
const char* const kStageLabel[50] = {
    "ステージ１", "ステージ２", "ステージ３", "ステージ４", "ステージ５",
    "ステージ６", "ステージ７", "ステージ８", "ステージ９", "ステージ１０",
    "ステージ１１", "ステージ１２", "ステージ１３", "ステージ１４", "ステージ１５",
    "ステージ１６", "ステージ１７", "ステージ１８", "ステージ１９", "ステージ２０",
    "ステージ２１", "ステージ２２", "ステージ２３", "ステージ２４", "ステージ２５",
    "ステージ２６", "ステージ２７", "ステージ２８", "ステージ２９", "ステージ３０",
    "ステージ３１", "ステージ３２", "ステージ３３", "ステージ３４", "ステージ３５",
    "ステージ３６", "ステージ３７", "ステージ３８", "ステージ３９", "ステージ４０",
    "ステージ４１", "ステージ４２", "ステージ４３", "ステージ４４", "ステージ４５",
    "ステージ４６", "ステージ４７", "ステージ４８", "ステージ４９", "ステージ５０",
};
// clang-format on

// clang-format off
const char* const kStageTitle[50] = {
    "城門前の墓地",     "炎の回廊",         "地下水路",         "石像の広間",       "鴉の森",
    "蛙の沼",           "蛭の湿地",         "溶岩の坑道",       "骨の納骨堂",       "針の昇降路",
    "吊り針の縦穴",     "古き中庭",         "蝙蝠の洞窟",       "燭台の大広間",     "花咲く温室",
    "梟の森",           "兵舎",             "悪魔像の礼拝堂",   "振り子の時計塔",   "蜘蛛の巣窟",
    "首なし騎士の間",   "舞踏の間",         "武器庫",           "猟犬の小屋",       "地底湖",
    "狂気の回廊",       "棺の墓所",         "処刑場",           "眼の祭壇",         "蛇の巣穴",
    "薔薇園",           "弓兵の城壁",       "宝物庫",           "鍛冶場",           "灼熱の地下牢",
    "勇者の闘技場",     "亡霊の谷",         "呪いの塔",         "槍の回廊",         "死者の庭",
    "魔力の塔",         "狼の玉座",         "不死者の霊廟",     "死神の聖堂",       "亡者の大聖堂",
    "天空の回廊",       "業火の道",         "最後の回廊",       "魔王の間",         "雷雲の里",
};
// clang-format on

const char* const kSelectPrompt = "左Altキーで決定してください";
// clang-format off
const char* const kMenuItem[7] = {
    "ゲームを続ける", "ステージ選択", "キャラクター選択", "操作方法",
    "モンスター図鑑", "このゲームについて", "ゲーム終了",
};
// clang-format on
const char* const kStageSelectPrompt = "左Altキーでステージを決定、左CtrlキーかEscキーで戻ります";
// clang-format off
const char* const kPlayerName[11] = {
    "セリヤ・ヴォリス（クイロン）",
    "セリヤ・ヴォリス（ヴァルミエル）",
    "ドラン・ケストレイン",
    "ハルヴァード・ケストレイン（制作中）",
    "ケンリック・ケストレイン（制作中）",
    "タヴィッシュ・ケストレイン",
    "ネリス・イルヴァレン",
    "ドゥガル・トーウィック（制作中）",
    "オスケリン（制作中）",
    "ジョリー・ソンドレル（制作中）",
    "ブレック・ペラム（制作中）",
};
// clang-format on
const char* const kBackPrompt = "左Alt・左Ctrl・Escキーで戻ります";
const char* const kCreating = "制作中";

// clang-format off
const ControlRow kControlsDoran[5] = {
    {"←", "左へ移動"}, {"↓", "しゃがむ"}, {"→", "右へ移動"},
    {"左Ctrl", "グリムベインの鞭"}, {"左Alt", "ジャンプ"},
};
// clang-format on
// clang-format off
const ControlRow kControlsSeliya[7] = {
    {"←", "左へ移動"}, {"↓", "しゃがむ"}, {"→", "右へ移動"}, {"左Ctrl", "白い鳥"},
    {"↑", "赤い鳥"}, {"左Shift", "必殺技"}, {"左Alt", "二段ジャンプ"},
};
// clang-format on
// clang-format off
const ControlRow kControlsSeliyaVarm[7] = {
    {"←", "左へ移動"}, {"↓", "しゃがむ"}, {"→", "右へ移動"}, {"左Ctrl", "魔法攻撃"},
    {"↑", "ブレイクフィスト"}, {"左Shift", "物理攻撃"}, {"左Alt", "二段ジャンプ"},
};
// clang-format on
// clang-format off
const ControlRow kControlsNerys[6] = {
    {"←", "左へ移動"}, {"↓", "しゃがむ"}, {"→", "右へ移動"},
    {"左Ctrl", "雷"}, {"左Shift", "炎"}, {"左Alt", "ジャンプ"},
};
// clang-format on
// clang-format off
const ControlRow kControlsTavish[6] = {
    {"←", "左へ移動"}, {"↓", "しゃがむ"}, {"→", "右へ移動"},
    {"左Ctrl", "鎖の鞭"}, {"左Shift", "十字架"}, {"左Alt", "ジャンプ"},
};
// clang-format on
const ControlRow kControlsEsc = {"Esc", "メニューへ"};
const ControlRow kControlsMouse = {"マウス左クリック", "ゲーム終了"};

// clang-format off
const char* const kAbout[kAboutLines] = {
    "モーヴェインは横スクロールのアクションゲームです。",
    "五人の主人公から一人を選び、五十のステージに挑みます。",
    "出口にたどり着くか、ボスが落とす宝玉に触れればクリアです。",
    "ステージ五十の次はステージ一へ戻ります。",
    "Escキーでいつでもメニューを開けます。",
    "マウスを左クリックするとゲームを終了します。",
};
// clang-format on

#else
const bool kJapanese = false;
const char* const kLoading = "Loading, please wait";

// clang-format off
const char* const kStageLabel[50] = {
    "stage 1", "stage 2", "stage 3", "stage 4", "stage 5", "stage 6", "stage 7", "stage 8", "stage 9", "stage10",
    "stage11", "stage12", "stage13", "stage14", "stage15", "stage16", "stage17", "stage18", "stage19", "stage20",
    "stage21", "stage22", "stage23", "stage24", "stage25", "stage26", "stage27", "stage28", "stage29", "stage30",
    "stage31", "stage32", "stage33", "stage34", "stage35", "stage36", "stage37", "stage38", "stage39", "stage40",
    "stage41", "stage42", "stage43", "stage44", "stage45", "stage46", "stage47", "stage48", "stage49", "stage50",
};
// clang-format on

// Every title is the one empty text in this language.
static const char kNoTitle[] = "";
// clang-format off
const char* const kStageTitle[50] = {
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
    kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle, kNoTitle,
};
// clang-format on

const char* const kSelectPrompt = "Please select using the left_alt";
// clang-format off
const char* const kMenuItem[7] = {
    "continue game", "stage select", "player select", "controls",
    "monster encyclopedia", "about this game", "exit game",
};
// clang-format on
const char* const kStageSelectPrompt = "Please select stage using left_alt or left_ctrl, or esc to exit";
// clang-format off
const char* const kPlayerName[11] = {
    "Seliya Vollis(Quillon)",
    "Seliya Vollis(Varmiel)",
    "Doran Kestrane",
    "Halvard Kestrane(createing now)",
    "Kenric Kestrane(createing now)",
    "Tavish Kestrane",
    "Nerys Ilvaren",
    "Dugal Torwick(createing now)",
    "Oskerin(createing now)",
    "Jory Sondrel(createing now)",
    "Brecc Pellam(createing now)",
};
// clang-format on
const char* const kBackPrompt = "using left_alt or left_ctrl, or esc to exit";
const char* const kCreating = "createing now";

// clang-format off
const ControlRow kControlsDoran[5] = {
    {"left", "move left"}, {"down", "sit"}, {"right", "move right"},
    {"left_ctrl", "grimbane whip"}, {"left_alt", "jump"},
};
// clang-format on
// clang-format off
const ControlRow kControlsSeliya[7] = {
    {"left", "move left"}, {"down", "sit"}, {"right", "move right"}, {"Left_Ctrl", "white bird"},
    {"up", "red bird"}, {"Left_Shift", "special attack"}, {"Left_Alt", "two jumps"},
};
// clang-format on
// clang-format off
const ControlRow kControlsSeliyaVarm[7] = {
    {"left", "move left"}, {"down", "sit"}, {"right", "move right"}, {"Left_Ctrl", "magic attack"},
    {"up", "brakfist"}, {"Left_Shift", "physical attack"}, {"Left_Alt", "two jumps"},
};
// clang-format on
// clang-format off
const ControlRow kControlsNerys[6] = {
    {"left", "move left"}, {"down", "sit"}, {"right", "move right"},
    {"Left_Ctrl", "lightning"}, {"Left_Shift", "flame"}, {"Left_Alt", "jump"},
};
// clang-format on
// clang-format off
const ControlRow kControlsTavish[6] = {
    {"left", "move left"}, {"down", "sit"}, {"right", "move right"},
    {"Left_Ctrl", "chain whip"}, {"Left_Shift", "cross"}, {"Left_Alt", "jump"},
};
// clang-format on
const ControlRow kControlsEsc = {"esc", "go menu"};
const ControlRow kControlsMouse = {"mouse left_click", "exit game"};

// clang-format off
const char* const kAbout[kAboutLines] = {
    "Morvane is a side-scrolling action game.",
    "Choose one of five heroes and fight through fifty stages.",
    "Reach the exit, or touch the orb a boss leaves behind, to clear a stage.",
    "After stage 50 the journey starts again at stage 1.",
    "Press esc at any time to open the menu.",
    "A left click of the mouse ends the game.",
};
// clang-format on

#endif

}  // namespace texts
