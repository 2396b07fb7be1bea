#pragma once

#include <array>

#include "model/button_state.h"

// Every text the main window shows, in one place. Texts are UTF-8.
namespace brontel::main_window_texts {

inline constexpr const char* kCaption = "Brontel by Ossimer 【Quorra：Taspin】";
inline constexpr const char* kClickToSet = "点击设置";

// The word of each state inside control names: 按钮<word>_<setting>_<kind>.
inline constexpr PerState<const char*> kStateWords{"正常", "点燃", "按下", "禁止"};

inline constexpr PerState<const char*> kTabTitles{"按钮正常", "按钮点燃", "按钮按下", "按钮停止"};
inline constexpr PerState<const char*> kTabToolTips{"设置按钮正常", "设置按钮点燃", "设置按钮按下",
                                                    "设置按钮停止"};
inline constexpr PerState<const char*> kPageGroupTitles{"按钮正常设置", "按钮点燃设置",
                                                        "按钮按下设置", "按钮禁止设置"};

inline constexpr const char* kBoardTitle = "图片预览";
inline constexpr PerState<const char*> kBoardCaptions{"正常图片", "点燃图片", "按下图片",
                                                      "禁止图片"};

inline constexpr const char* kSharedGroupTitle = "统一按设置钮";
inline constexpr const char* kHeightLabel = "按钮高度";
inline constexpr const char* kWidthLabel = "按钮宽度";
inline constexpr const char* kCanvasLabel = "统一画布";
inline constexpr const char* kCornerLabel = "统一圆角";
inline constexpr const char* kSharedTextLabel = "统一文字";
inline constexpr const char* kSharedPictureLabel = "统一底图";
inline constexpr const char* kPreviewExportButton = "预览导出";

inline constexpr const char* kPictureChooserTitle = "选择背景图片";
inline constexpr const char* kPictureChooserFilter = "图片文件 (*.jpg *.gif *.bmp *.ico *.cur)";

// Row labels of a settings page, top to bottom.
inline constexpr const char* kGradientModeLabel = "背景渐变方式";
inline constexpr std::array<const char*, 3> kGradientColourLabels{"渐变背景颜色1", "渐变背景颜色2",
                                                                  "渐变背景颜色3"};
inline constexpr const char* kFontLabel = "按钮文字字体";
inline constexpr const char* kTextEffectLabel = "按钮文字效果";
inline constexpr const char* kTextColourLabel = "按钮文字颜色";
inline constexpr const char* kWordWrapLabel = "是否自动换行";
inline constexpr const char* kCaptionLabel = "按钮文字";
inline constexpr const char* kBorderLabel = "按钮效果";
inline constexpr std::array<const char*, 3> kFrameColourLabels{"渐变边框颜色1", "渐变边框颜色2",
                                                               "渐变边框颜色3"};
inline constexpr const char* kFrameWidthLabel = "渐变边框宽度";
inline constexpr const char* kPictureModeLabel = "底图方式";
inline constexpr const char* kPictureLabel = "按钮底图";
inline constexpr const char* kBackColourLabel = "按钮背景颜色";
// The Normal page has always called its back colour this.
inline constexpr const char* kNormalBackColourLabel = "按钮低颜色";
inline constexpr const char* kCanvasColourLabel = "按钮画布颜色";
inline constexpr const char* kAlignmentLabel = "文本对齐方式";

// A combo item and the value its handler reads.
struct ValuedItem {
    const char* text;
    int value;
};

inline constexpr std::array<ValuedItem, 9> kGradientModeItems{{{"无", 0},
                                                               {"从上到下", 1},
                                                               {"从左到右", 2},
                                                               {"从左上到右下", 3},
                                                               {"从右上到左下", 4},
                                                               {"从下到上", 5},
                                                               {"从右到左", 6},
                                                               {"从右下到左上", 7},
                                                               {"从左下到右上", 8}}};
inline constexpr std::array<ValuedItem, 4> kTextEffectItems{
    {{"通常", 0}, {"凹入", 1}, {"凸出", 2}, {"阴影", 3}}};
// "真" (wrap) carries 0 and "假" carries 1: the handler turns them into the style's flag.
inline constexpr std::array<ValuedItem, 2> kWordWrapItems{{{"真", 0}, {"假", 1}}};
inline constexpr std::array<ValuedItem, 7> kBorderItems{{{"无边框", 0},
                                                         {"凹入式", 1},
                                                         {"凸出式", 2},
                                                         {"浅凹入式", 3},
                                                         {"镜框式", 4},
                                                         {"单线边框式", 5},
                                                         {"渐变镜框式", 6}}};
inline constexpr std::array<ValuedItem, 4> kPictureModeItems{
    {{"底图左上", 0}, {"底图平铺", 1}, {"底图居中", 2}, {"不使用", 3}}};

// The nine alignment radios, named by their position, with the alignment each one sets.
struct AlignmentPosition {
    const char* name;
    int hAlign;
    int vAlign;
};

inline constexpr std::array<AlignmentPosition, 9> kAlignmentPositions{{{"左上", 0, 0},
                                                                       {"上中", 1, 0},
                                                                       {"右上", 2, 0},
                                                                       {"中左", 0, 1},
                                                                       {"中", 1, 1},
                                                                       {"中右", 2, 1},
                                                                       {"左下", 0, 2},
                                                                       {"下中", 1, 2},
                                                                       {"右下", 2, 2}}};

}  // namespace brontel::main_window_texts
