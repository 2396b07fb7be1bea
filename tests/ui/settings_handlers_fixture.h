#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "model/shared_settings.h"
#include "ui/chooser_dialogs.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/font_chooser.h"
#include "ui/main_window.h"
#include "ui/picture_file_chooser.h"
#include "ui/settings_handlers.h"
#include "ui/vertical_tab_control.h"

namespace brontel::test {

// Answers the choosers' dialogs for the user, in the order given; a dialog with no answer
// left is cancelled. Records what each dialog opened with.
class ScriptedDialogs : public ChooserDialogs {
public:
    std::optional<FontSpec> chooseFont(const FontChooser& chooser) override {
        fontsOpenedWith.push_back(chooser.lastFont());
        return next(fontAnswers);
    }
    std::optional<QString> choosePictureFile(const PictureFileChooser& chooser) override {
        filesOpenedWith.push_back(chooser.lastFile());
        return next(fileAnswers);
    }

    std::deque<std::optional<FontSpec>> fontAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<FontSpec> fontsOpenedWith;
    std::vector<QString> filesOpenedWith;

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

inline const QString kStateWords[] = {QStringLiteral("正常"), QStringLiteral("点燃"),
                                      QStringLiteral("按下"), QStringLiteral("禁止")};

// A main window wired as the program wires it, its controls reached by their names.
class WiredWindow {
public:
    WiredWindow() { connectSettingsHandlers(window, shared, dialogs); }

    template <typename Control>
    Control& control(const QString& name) {
        auto* found = window.findChild<Control*>(name);
        if (found == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
        return *found;
    }

    static QString pageName(ButtonState state, const char* setting, const char* kind) {
        return QStringLiteral("按钮%1_%2_%3")
            .arg(kStateWords[indexOf(state)], QString::fromUtf8(setting), QString::fromUtf8(kind));
    }
    ComboBox& combo(ButtonState state, const char* setting) {
        return control<ComboBox>(pageName(state, setting, "组合框"));
    }
    ColourPicker& picker(ButtonState state, const char* setting) {
        return control<ColourPicker>(pageName(state, setting, "颜色选择器"));
    }
    EditBox& field(ButtonState state, const char* setting) {
        return control<EditBox>(pageName(state, setting, "编辑框"));
    }
    FaceWidget& face(ButtonState state) {
        return control<FaceWidget>(QStringLiteral("标签_%1按钮").arg(kStateWords[indexOf(state)]));
    }
    FaceWidget& canvas(ButtonState state) {
        return control<FaceWidget>(
            QStringLiteral("标签_%1按钮_画板").arg(kStateWords[indexOf(state)]));
    }
    FaceWidget& selectionFrame() { return control<FaceWidget>(QStringLiteral("边框_标签")); }
    EditBox& sharedField(const char* setting) {
        return control<EditBox>(
            QStringLiteral("统一按钮_%1_编辑框").arg(QString::fromUtf8(setting)));
    }

    // The user's choice of the item with this text.
    static void choose(ComboBox& box, const char* item) {
        const int index = box.findText(QString::fromUtf8(item));
        ASSERT_GE(index, 0) << item;
        box.chooseIndex(index);
    }

    void showPage(ButtonState state) {
        window.settingsTabs().setCurrentPage(static_cast<int>(indexOf(state)));
    }

    SharedSettings shared;
    ScriptedDialogs dialogs;
    MainWindow window;
};

class SettingsHandlersTest : public testing::Test, public WiredWindow {};

inline Colour pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return rgb(c.red(), c.green(), c.blue());
}

// Whether each channel of `seen` is within a few steps of `expected`, as a gradient's
// first and last rows are of its end colours.
inline bool isNear(Colour seen, Colour expected) {
    constexpr int kSteps = 8;
    const auto near = [](int a, int b) { return a - b <= kSteps && b - a <= kSteps; };
    return near(redOf(seen), redOf(expected)) && near(greenOf(seen), greenOf(expected)) &&
           near(blueOf(seen), blueOf(expected));
}

}  // namespace brontel::test
