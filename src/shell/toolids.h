// The ID strings of the main window's tools (menus, menu items, toolbar
// buttons, the print popup), named once: the menu is built from them, the
// commands are dispatched on them and the windows enable tools through them.
#pragma once

namespace talvo {

inline constexpr const char* kMenuFile = "ID_ファイル";  // the file menu
inline constexpr const char* kToolNew = "ID_新規作成";
inline constexpr const char* kToolOpen = "ID_ファイルを開く";
inline constexpr const char* kToolClose = "ID_ファイルを閉じる";
inline constexpr const char* kToolSave = "ID_上書き保存";
inline constexpr const char* kToolSaveAs = "ID_名前を付けて保存";
inline constexpr const char* kToolPrint = "ID_印刷";  // the print submenu
inline constexpr const char* kToolPrintShort = "ID_簡易印刷";
inline constexpr const char* kToolPrintFull = "ID_全項印刷";
inline constexpr const char* kToolRecentPrefix =
    "ID_最近使ったファイル";  // + 1 to 4: the recent files
inline constexpr const char* kToolExit = "ID_タルヴォ－SI の終了";
inline constexpr const char* kMenuStandards = "ID_規格";
inline constexpr const char* kToolRebarStandard = "ID_異形鉄筋の規格";
inline constexpr const char* kMenuSettings = "ID_設定";
inline constexpr const char* kToolSnowDepth = "ID_設計積雪深の設定";
inline constexpr const char* kToolForceFormulas = "ID_Mmax・Smax 算出式";
inline constexpr const char* kToolStirrups = "ID_スターラップの設定";
inline constexpr const char* kToolRebarCount = "ID_主鉄筋本数の算出条件";
inline constexpr const char* kMenuWindow = "ID_ウィンドウ(W)";
inline constexpr const char* kToolArrangeIcons = "ID_アイコンの整列";
inline constexpr const char* kToolStepIconPrefix = "ID_アイコン";  // + 1 to 15: the step icons
inline constexpr const char* kMenuHelp = "ID_ヘルプ";
inline constexpr const char* kToolHelpContents = "ID_目次";
inline constexpr const char* kToolHelpSearch = "ID_キーワードで検索";
inline constexpr const char* kToolHomePage = "ID_クオラのホームページへ";
inline constexpr const char* kToolVersion = "ID_バージョン情報";
inline constexpr const char* kPopupPrint = "ID_ポップアップ印刷";
inline constexpr const char* kToolStart =
    "ID_検討開始";  // tools without a menu place: the step buttons' access keys
inline constexpr const char* kToolResults = "ID_結果画面";
inline constexpr const char* kToolBegin = "ID_初期画面";
inline constexpr const char* kToolBack = "ID_前画面へ";
inline constexpr const char* kToolNext = "ID_次画面へ";

}  // namespace talvo
