#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <vector>

#include "model/initial_styles.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/font_chooser.h"
#include "ui/group_box.h"
#include "ui/main_window.h"
#include "ui/picture_file_chooser.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

enum class Kind { Face, Combo, Picker, Field, Radio, Button, Group, Tabs, Picture };

// One named control of the window as it must stand when the window opens.
struct Expected {
    QString name;
    Kind kind;
    QRect place;   // relative to the parent's client area
    QString text;  // caption, content, selected item or title; empty when there is none
    bool enabled = true;
};

const char* kindName(Kind kind) {
    constexpr std::array kNames{"face",   "combo", "picker", "field",  "radio",
                                "button", "group", "tabs",   "picture"};
    return kNames[static_cast<std::size_t>(kind)];
}

bool isKind(const QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Face:
            return qobject_cast<const FaceWidget*>(widget) != nullptr;
        case Kind::Combo:
            return qobject_cast<const ComboBox*>(widget) != nullptr;
        case Kind::Picker:
            return qobject_cast<const ColourPicker*>(widget) != nullptr;
        case Kind::Field:
            return qobject_cast<const EditBox*>(widget) != nullptr;
        case Kind::Radio:
            return qobject_cast<const QRadioButton*>(widget) != nullptr;
        case Kind::Button:
            return qobject_cast<const QPushButton*>(widget) != nullptr;
        case Kind::Group:
            return qobject_cast<const GroupBox*>(widget) != nullptr;
        case Kind::Tabs:
            return qobject_cast<const VerticalTabControl*>(widget) != nullptr;
        case Kind::Picture:
            return qobject_cast<const QLabel*>(widget) != nullptr;
    }
    return false;
}

QString textOf(const QWidget* widget) {
    if (auto* face = qobject_cast<const FaceWidget*>(widget)) {
        return QString::fromStdString(face->style().caption());
    }
    if (auto* field = qobject_cast<const EditBox*>(widget)) return field->content();
    if (auto* combo = qobject_cast<const ComboBox*>(widget)) return combo->currentText();
    if (auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<const GroupBox*>(widget)) return group->title();
    return {};
}

// --- The window's own tables ---------------------------------------------------------------

std::vector<Expected> topLevelControls() {
    return {{"图片框1", Kind::Picture, {12, 508, 175, 62}, ""},
            {"高级选择夹1", Kind::Tabs, {0, 8, 224, 584}, ""},
            {"分组框1", Kind::Group, {227, 515, 572, 69}, "统一按设置钮"},
            {"分组框6", Kind::Group, {228, 10, 572, 502}, "图片预览"}};
}

std::vector<Expected> boardControls() {
    const QRect normal(12, 31, 270, 220), hot(287, 31, 270, 220), pressed(12, 255, 270, 220),
        disabled(287, 255, 270, 220);
    return {{"标签_禁止按钮", Kind::Face, disabled, "禁止按钮文字"},
            {"标签_按下按钮", Kind::Face, pressed, "按下按钮文字"},
            {"标签_点燃按钮", Kind::Face, hot, "点燃按钮文字"},
            {"标签_正常按钮", Kind::Face, normal, "正常按钮文字"},
            {"标签_正常按钮_画板", Kind::Face, normal, "正常按钮文字"},
            {"标签_点燃按钮_画板", Kind::Face, hot, "正常按钮文字"},
            {"标签_按下按钮_画板", Kind::Face, pressed, "正常按钮文字"},
            {"标签_禁止按钮_画板", Kind::Face, disabled, "正常按钮文字"},
            {"边框_标签", Kind::Face, {10, 29, 274, 224}, ""},
            {"标签59", Kind::Face, {16, 9, 64, 24}, "正常图片"},
            {"标签60", Kind::Face, {504, 9, 64, 24}, "点燃图片"},
            {"标签62", Kind::Face, {503, 476, 64, 24}, "禁止图片"},
            {"标签61", Kind::Face, {16, 476, 64, 24}, "按下图片"}};
}

// Control first, then the label it lies over.
std::vector<std::pair<Expected, Expected>> sharedGroupRows() {
    return {
        {{"统一按钮_高度_编辑框", Kind::Field, {65, 15, 40, 20}, "220"},
         {"标签2", Kind::Face, {15, 15, 64, 20}, "按钮高度"}},
        {{"统一按钮_宽度_编辑框", Kind::Field, {65, 39, 40, 20}, "270"},
         {"标签3", Kind::Face, {15, 39, 56, 20}, "按钮宽度"}},
        {{"统一按钮_按钮画布颜色_颜色选择器", Kind::Picker, {183, 15, 46, 20}, ""},
         {"标签1", Kind::Face, {133, 14, 65, 20}, "统一画布"}},
        {{"统一按钮_角度_编辑框", Kind::Field, {183, 39, 28, 20}, "0"},
         {"标签68", Kind::Face, {132, 39, 65, 20}, "统一圆角"}},
        {{"统一按钮_文本_编辑框", Kind::Field, {409, 17, 145, 20}, "点击设置"},
         {"标签5", Kind::Face, {358, 16, 64, 20}, "统一文字"}},
        {{"统一按钮_底图_编辑框", Kind::Field, {409, 41, 146, 20}, "点击设置"},
         {"标签9", Kind::Face, {357, 40, 64, 20}, "统一底图"}},
    };
}

constexpr std::array kWords{"正常", "点燃", "按下", "禁止"};

struct Row {
    int labelTop;
    const char* labelText;
    const char* setting;
    const char* kind;
    Kind controlKind;
    QRect place;
    const char* initialText;
    bool enabled;
};

// The rows every page holds, before the pages' own deviations.
const std::array<Row, 18> kRows{{
    {16, "背景渐变方式", "背景渐变方式", "组合框", Kind::Combo, {96, 17, 88, 20}, "无", true},
    {39,
     "渐变背景颜色1",
     "渐变背景颜色1",
     "颜色选择器",
     Kind::Picker,
     {136, 40, 48, 20},
     "",
     false},
    {62,
     "渐变背景颜色2",
     "渐变背景颜色2",
     "颜色选择器",
     Kind::Picker,
     {136, 63, 48, 20},
     "",
     false},
    {85,
     "渐变背景颜色3",
     "渐变背景颜色3",
     "颜色选择器",
     Kind::Picker,
     {136, 86, 48, 20},
     "",
     false},
    {108,
     "按钮文字字体",
     "按钮文字字体",
     "编辑框",
     Kind::Field,
     {96, 109, 88, 20},
     "点击设置",
     true},
    {131, "按钮文字效果", "按钮文字效果", "组合框", Kind::Combo, {136, 132, 48, 20}, "通常", true},
    {154, "按钮文字颜色", "按钮文字颜色", "颜色选择器", Kind::Picker, {136, 155, 48, 20}, "", true},
    {177, "是否自动换行", "是否自动换行", "组合框", Kind::Combo, {135, 178, 48, 20}, "假", true},
    {200, "按钮文字", "按钮文字", "编辑框", Kind::Field, {96, 201, 88, 20}, "点击设置", true},
    {223, "按钮效果", "按钮效果", "组合框", Kind::Combo, {96, 224, 88, 20}, "无边框", true},
    {246,
     "渐变边框颜色1",
     "渐变边框颜色1",
     "颜色选择器",
     Kind::Picker,
     {136, 247, 48, 20},
     "",
     false},
    {269,
     "渐变边框颜色2",
     "渐变边框颜色2",
     "颜色选择器",
     Kind::Picker,
     {136, 270, 48, 20},
     "",
     false},
    {292,
     "渐变边框颜色3",
     "渐变边框颜色3",
     "颜色选择器",
     Kind::Picker,
     {136, 293, 48, 20},
     "",
     false},
    {315, "渐变边框宽度", "渐变边框宽度", "编辑框", Kind::Field, {136, 315, 30, 20}, "5", false},
    {338, "底图方式", "底图方式", "组合框", Kind::Combo, {96, 339, 88, 20}, "不使用", true},
    {361, "按钮底图", "按钮底图", "编辑框", Kind::Field, {96, 362, 88, 20}, "点击设置", false},
    {384, "按钮背景颜色", "按钮背景颜色", "颜色选择器", Kind::Picker, {136, 385, 48, 20}, "", true},
    {407, "按钮画布颜色", "按钮画布颜色", "颜色选择器", Kind::Picker, {136, 408, 48, 20}, "", true},
}};

constexpr int kCanvasRow = 17;

QString labelName(int page, const Row& row, int rowIndex) {
    if (rowIndex == kCanvasRow) return QStringLiteral("按钮正常_按钮背景颜色_标签%1").arg(page + 1);
    if (page == 3) return QStringLiteral("按钮按下_%1_标签1").arg(row.setting);
    return QStringLiteral("按钮%1_%2_标签").arg(kWords[page], row.setting);
}

// The page's rows with its own deviations: the Hot page's gradient pickers 2 and 3, the
// Normal page's frame-width field and back-colour label.
std::vector<std::pair<Expected, Expected>> pageRows(int page) {
    std::vector<std::pair<Expected, Expected>> rows;
    for (int i = 0; i < static_cast<int>(kRows.size()); ++i) {
        const Row& row = kRows[static_cast<std::size_t>(i)];
        Expected control{QStringLiteral("按钮%1_%2_%3").arg(kWords[page], row.setting, row.kind),
                         row.controlKind, row.place, row.initialText, row.enabled};
        Expected label{
            labelName(page, row, i), Kind::Face, {6, row.labelTop, 179, 22}, row.labelText};
        if (page == 1 && i == 2) control.place = {136, 64, 48, 20};
        if (page == 1 && i == 3) control.place = {135, 86, 49, 20};
        if (page == 0 && i == 13) control.place = {136, 316, 30, 20};
        if (page == 0 && i == 16) label.text = "按钮低颜色";
        rows.emplace_back(control, label);
    }
    return rows;
}

Expected alignmentLabel(int page) {
    const QString name = page == 3 ? QStringLiteral("按钮按下_文本对齐方式_标签1")
                                   : QStringLiteral("按钮%1_文本对齐方式_标签").arg(kWords[page]);
    return {name, Kind::Face, {6, 430, 179, 57}, "文本对齐方式"};
}

std::vector<Expected> alignmentRadios(int page) {
    constexpr std::array kPositions{"左上", "上中", "右上", "中左", "中",
                                    "中右", "左下", "下中", "右下"};
    std::vector<Expected> radios;
    for (int i = 0; i < 9; ++i) {
        QString name = QStringLiteral("按钮%1_%2_单选框").arg(kWords[page], kPositions[i]);
        if (page == 3 && i == 5) name = "按钮按下_中右_单选框1";
        radios.push_back({name, Kind::Radio, {133 + 16 * (i % 3), 433 + 16 * (i / 3), 19, 19}, ""});
    }
    return radios;
}

const char* pageGroupName(int page) {
    constexpr std::array kNames{"分组框_按钮正常设置", "分组框_按钮点燃设置", "分组框_按钮按下设置",
                                "分组框_按钮禁止设置"};
    return kNames[static_cast<std::size_t>(page)];
}

void expectPictureChooserSettings(const PictureFileChooser& chooser) {
    EXPECT_EQ(chooser.title(), "选择背景图片");
    EXPECT_EQ(chooser.filter(), "图片文件 (*.jpg *.gif *.bmp *.ico *.cur)");
    EXPECT_TRUE(chooser.lastFile().isEmpty());
}

// --- Checking ------------------------------------------------------------------------------

class MainWindowLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* find(const QString& name) const {
        auto* widget = window.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void check(const Expected& expected, const QWidget* parent) const {
        SCOPED_TRACE(expected.name.toStdString());
        const QWidget* widget = find(expected.name);
        if (widget == nullptr) return;
        EXPECT_TRUE(isKind(widget, expected.kind)) << "not a " << kindName(expected.kind);
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(widget->geometry(), expected.place);
        EXPECT_EQ(textOf(widget), expected.text);
        EXPECT_EQ(widget->isEnabled(), expected.enabled);
    }

    // The widgets among the parent's children, the one on top first.
    static std::vector<QString> stackingOf(const QWidget* parent) {
        std::vector<QString> names;
        for (const QObject* child : parent->children()) {
            if (child->isWidgetType()) names.push_back(child->objectName());
        }
        std::reverse(names.begin(), names.end());
        return names;
    }

    static std::vector<QString> namesOf(const std::vector<Expected>& controls) {
        std::vector<QString> names;
        for (const Expected& control : controls) names.push_back(control.name);
        return names;
    }

    static std::ptrdiff_t depthOf(const std::vector<QString>& stacking, const QString& name) {
        return std::find(stacking.begin(), stacking.end(), name) - stacking.begin();
    }

    void checkLabelledRows(const std::vector<std::pair<Expected, Expected>>& rows,
                           const QWidget* group) const {
        const std::vector<QString> stacking = stackingOf(group);
        for (const auto& [control, label] : rows) {
            check(control, group);
            check(label, group);
            EXPECT_LT(depthOf(stacking, control.name), depthOf(stacking, label.name))
                << control.name.toStdString() << " must lie over its label";
        }
    }

    MainWindow window;
};

TEST_F(MainWindowLayoutTest, TopLevelAreasAndBoardStandAtTheirPlacesInTheirStackingOrder) {
    for (const Expected& control : topLevelControls()) check(control, &window);
    EXPECT_EQ(stackingOf(&window), namesOf(topLevelControls()));

    const QWidget* board = find("分组框6");
    for (const Expected& control : boardControls()) check(control, board);
    EXPECT_EQ(stackingOf(board), namesOf(boardControls()));
}

TEST_F(MainWindowLayoutTest, EveryPageHoldsItsRowsRadiosAndChoosers) {
    const QWidget* tabs = find("高级选择夹1");
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        const QWidget* group = find(pageGroupName(page));
        ASSERT_NE(group, nullptr);
        // The group is its page's only child and stands at 5, 4 in the tab control.
        EXPECT_EQ(group->parentWidget()->parentWidget(), tabs);
        EXPECT_EQ(group->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                  1);
        EXPECT_EQ(QRect(group->mapTo(tabs, QPoint(0, 0)), group->size()), QRect(5, 4, 192, 572));
        EXPECT_EQ(group->isVisibleTo(&window), page == 0);

        checkLabelledRows(pageRows(page), group);
        check(alignmentLabel(page), group);
        const std::vector<QString> stacking = stackingOf(group);
        for (const Expected& radio : alignmentRadios(page)) {
            check(radio, group);
            EXPECT_LT(depthOf(stacking, radio.name), depthOf(stacking, alignmentLabel(page).name));
            auto* button = window.findChild<QRadioButton*>(radio.name);
            EXPECT_EQ(button->isChecked(), radio.name.contains("_中_")) << radio.name.toStdString();
            EXPECT_TRUE(button->text().isEmpty());
        }

        auto* font = window.findChild<FontChooser*>(
            QStringLiteral("按钮%1_加载字体_通用对话框").arg(kWords[page]));
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->parent(), group);
        EXPECT_EQ(font->lastFont(), FontSpec{});
        EXPECT_EQ(font->lastColour(), 0x000000u);
        auto* picture = window.findChild<PictureFileChooser*>(
            QStringLiteral("按钮%1_加载底图_通用对话框").arg(kWords[page]));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->parent(), group);
        expectPictureChooserSettings(*picture);
    }
}

TEST_F(MainWindowLayoutTest, SharedGroupHoldsItsFieldsOverTheirLabels) {
    const QWidget* group = find("分组框1");
    checkLabelledRows(sharedGroupRows(), group);
    check({"按钮预览_按钮", Kind::Button, {241, 23, 90, 36}, "预览导出"}, group);
    auto* chooser = window.findChild<PictureFileChooser*>("通用对话框1");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->parent(), group);
    expectPictureChooserSettings(*chooser);
}

// --- Initial values beyond place and text -------------------------------------------------

using ItemList = std::vector<std::pair<QString, int>>;

ItemList itemsOf(ComboBox& combo) {
    ItemList items;
    const int selected = combo.currentIndex();
    for (int i = 0; i < combo.count(); ++i) {
        combo.setCurrentIndex(i);
        items.emplace_back(combo.currentText(), combo.currentValue());
    }
    combo.setCurrentIndex(selected);
    return items;
}

struct PickerStart {
    const char* setting;
    Colour colour;
    bool offersNoColour;
};

TEST_F(MainWindowLayoutTest, CombosCarryTheirItemsWithValues) {
    const std::vector<std::pair<const char*, ItemList>> combos{
        {"背景渐变方式",
         {{"无", 0},
          {"从上到下", 1},
          {"从左到右", 2},
          {"从左上到右下", 3},
          {"从右上到左下", 4},
          {"从下到上", 5},
          {"从右到左", 6},
          {"从右下到左上", 7},
          {"从左下到右上", 8}}},
        {"按钮文字效果", {{"通常", 0}, {"凹入", 1}, {"凸出", 2}, {"阴影", 3}}},
        {"是否自动换行", {{"真", 0}, {"假", 1}}},
        {"按钮效果",
         {{"无边框", 0},
          {"凹入式", 1},
          {"凸出式", 2},
          {"浅凹入式", 3},
          {"镜框式", 4},
          {"单线边框式", 5},
          {"渐变镜框式", 6}}},
        {"底图方式", {{"底图左上", 0}, {"底图平铺", 1}, {"底图居中", 2}, {"不使用", 3}}}};
    for (const char* word : kWords) {
        for (const auto& [setting, items] : combos) {
            const QString name = QStringLiteral("按钮%1_%2_组合框").arg(word, setting);
            auto* combo = window.findChild<ComboBox*>(name);
            ASSERT_NE(combo, nullptr) << name.toStdString();
            EXPECT_EQ(itemsOf(*combo), items) << name.toStdString();
        }
    }
}

TEST_F(MainWindowLayoutTest, PickersStartWithTheirColoursAndOnlySomeOfferTransparent) {
    constexpr PerState<Colour> kBackColours{0xFFA8FF, 0xFFD2A2, 0x9BFF9B, 0x97FFFF};
    for (int page = 0; page < 4; ++page) {
        const std::vector<PickerStart> pickers{
            {"渐变背景颜色1", 0x000000, false}, {"渐变背景颜色2", 0xFFFFFF, false},
            {"渐变背景颜色3", 0x000000, false}, {"按钮文字颜色", 0x000000, false},
            {"渐变边框颜色1", 0x000000, true},  {"渐变边框颜色2", 0xFFFFFF, true},
            {"渐变边框颜色3", 0x000000, true},  {"按钮背景颜色", kBackColours[page], true},
            {"按钮画布颜色", 0x00FF00, true}};
        for (const PickerStart& start : pickers) {
            const QString name =
                QStringLiteral("按钮%1_%2_颜色选择器").arg(kWords[page], start.setting);
            auto* picker = window.findChild<ColourPicker*>(name);
            ASSERT_NE(picker, nullptr) << name.toStdString();
            EXPECT_EQ(picker->colour(), start.colour) << name.toStdString();
            EXPECT_EQ(picker->offersNoColour(), start.offersNoColour) << name.toStdString();
        }
    }
    auto* shared = window.findChild<ColourPicker*>("统一按钮_按钮画布颜色_颜色选择器");
    EXPECT_EQ(shared->colour(), 0x00FF00u);
    EXPECT_TRUE(shared->offersNoColour());
}

TEST_F(MainWindowLayoutTest, FieldsHaveTheirInputModesAndLimits) {
    struct FieldMode {
        QString name;
        bool readOnly;
        bool integerInput;
        int gbkLimit;  // below 0: none
    };
    std::vector<FieldMode> fields{{"统一按钮_高度_编辑框", false, true, 220},
                                  {"统一按钮_宽度_编辑框", false, true, 270},
                                  {"统一按钮_角度_编辑框", false, true, -1},
                                  {"统一按钮_文本_编辑框", false, false, -1},
                                  {"统一按钮_底图_编辑框", true, false, -1}};
    for (const char* word : kWords) {
        const QString page = QStringLiteral("按钮%1_").arg(word);
        fields.push_back({page + "按钮文字字体_编辑框", true, false, -1});
        fields.push_back({page + "按钮文字_编辑框", true, false, -1});
        fields.push_back({page + "渐变边框宽度_编辑框", false, true, -1});
        fields.push_back({page + "按钮底图_编辑框", true, false, -1});
    }
    for (const FieldMode& mode : fields) {
        auto* field = window.findChild<EditBox*>(mode.name);
        ASSERT_NE(field, nullptr) << mode.name.toStdString();
        EXPECT_EQ(field->isReadOnly(), mode.readOnly) << mode.name.toStdString();
        EXPECT_EQ(field->integerInput(), mode.integerInput) << mode.name.toStdString();
        EXPECT_EQ(field->gbkLengthLimit() >= 0 ? field->gbkLengthLimit() : -1, mode.gbkLimit)
            << mode.name.toStdString();
    }
}

TEST_F(MainWindowLayoutTest, FacesAndLabelsCarryTheirInitialStyles) {
    for (ButtonState state : kButtonStates) {
        const QString face = QStringLiteral("标签_%1按钮").arg(kWords[indexOf(state)]);
        EXPECT_EQ(window.findChild<FaceWidget*>(face)->style(), initialFaceStyle(state));
        EXPECT_EQ(window.findChild<FaceWidget*>(face + "_画板")->style(), canvasStyle());
    }
    EXPECT_EQ(window.findChild<FaceWidget*>("边框_标签")->style(), selectionFrameStyle());
    for (const char* caption : {"标签59", "标签60", "标签61", "标签62", "标签2", "标签68"}) {
        const FaceWidget* label = window.findChild<FaceWidget*>(caption);
        EXPECT_EQ(label->style(), plainLabelStyle(label->style().caption())) << caption;
    }
    for (int page = 0; page < 4; ++page) {
        for (const auto& [control, label] : pageRows(page)) {
            EXPECT_EQ(window.findChild<FaceWidget*>(label.name)->style(),
                      rowLabelStyle(label.text.toStdString()))
                << label.name.toStdString();
        }
    }
}

TEST_F(MainWindowLayoutTest, WindowIsAFixedWhiteWindowWithItsCaptionIconAndLogo) {
    EXPECT_EQ(window.windowTitle(), "Brontel by Ossimer 【Quorra：Taspin】");
    EXPECT_EQ(window.size(), QSize(800, 592));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.grab().toImage().pixelColor(400, 4), QColor(Qt::white));
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(48, 48)));
    EXPECT_TRUE(iconSizes.contains(QSize(24, 24)));

    auto* logo = window.findChild<QLabel*>("图片框1");
    const QPixmap picture = logo->pixmap();
    EXPECT_TRUE(picture.hasAlphaChannel());
    // 193 x 61 scaled down to the box's width, proportions kept, centred.
    EXPECT_EQ(picture.size(), QSize(175, 55));
    EXPECT_EQ(logo->alignment(), Qt::AlignCenter);
    EXPECT_EQ(logo->frameShape(), QFrame::NoFrame);
}

TEST_F(MainWindowLayoutTest, SettingsTabsStartOnTheNormalPageWithTheStoredColours) {
    auto* tabs = window.findChild<VerticalTabControl*>("高级选择夹1");
    EXPECT_EQ(tabs->currentPage(), 0);
    EXPECT_EQ(tabs->tabColour(), 0xFFFFFFu);
    EXPECT_EQ(tabs->hotTabColour(), 0xFFC4FFu);
    EXPECT_EQ(tabs->currentTabColour(), 0xFFBBFFu);
}

}  // namespace
}  // namespace brontel
