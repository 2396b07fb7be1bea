#include "ui/shared_group.h"

#include <QPushButton>
#include <vector>

#include "model/initial_styles.h"
#include "ui/colour_picker.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/group_box.h"
#include "ui/main_window_layout.h"
#include "ui/main_window_texts.h"
#include "ui/picture_file_chooser.h"
#include "ui/stacking.h"

namespace brontel {
namespace {

namespace texts = main_window_texts;

// A plain label with the input control that lies over its right part.
struct LabelledPlace {
    const char* labelName;
    const char* labelText;
    QRect labelPlace;
    const char* controlName;
    QRect controlPlace;
};

constexpr LabelledPlace kHeight{
    "标签2", texts::kHeightLabel, {15, 15, 64, 20}, "统一按钮_高度_编辑框", {65, 15, 40, 20}};
constexpr LabelledPlace kWidth{
    "标签3", texts::kWidthLabel, {15, 39, 56, 20}, "统一按钮_宽度_编辑框", {65, 39, 40, 20}};
constexpr LabelledPlace kCanvas{"标签1",
                                texts::kCanvasLabel,
                                {133, 14, 65, 20},
                                "统一按钮_按钮画布颜色_颜色选择器",
                                {183, 15, 46, 20}};
constexpr LabelledPlace kCorner{
    "标签68", texts::kCornerLabel, {132, 39, 65, 20}, "统一按钮_角度_编辑框", {183, 39, 28, 20}};
constexpr LabelledPlace kCaptions{"标签5",
                                  texts::kSharedTextLabel,
                                  {358, 16, 64, 20},
                                  "统一按钮_文本_编辑框",
                                  {409, 17, 145, 20}};
constexpr LabelledPlace kPicture{"标签9",
                                 texts::kSharedPictureLabel,
                                 {357, 40, 64, 20},
                                 "统一按钮_底图_编辑框",
                                 {409, 41, 146, 20}};
constexpr QRect kPreviewExportPlace{241, 23, 90, 36};

// The height and width fields hold at most this many characters, whatever their value.
constexpr int kHeightLengthLimit = 220;
constexpr int kWidthLengthLimit = 270;

class GroupBuilder {
public:
    explicit GroupBuilder(GroupBox* group) : group_(group) {}

    template <typename Control>
    Control* place(Control* control, const LabelledPlace& where) {
        auto* label = new FaceWidget(plainLabelStyle(where.labelText), group_);
        label->setObjectName(where.labelName);
        label->setGeometry(where.labelPlace);
        labels_.push_back(label);
        control->setObjectName(where.controlName);
        control->setGeometry(where.controlPlace);
        controls_.push_back(control);
        return control;
    }

    EditBox* field(const LabelledPlace& where, const char* text) {
        auto* box = place(new EditBox(group_), where);
        box->setContent(text);
        return box;
    }

    QPushButton* previewExportButton() {
        auto* button = new QPushButton(texts::kPreviewExportButton, group_);
        button->setObjectName("按钮预览_按钮");
        button->setGeometry(kPreviewExportPlace);
        controls_.push_back(button);
        return button;
    }

    // Each input control lies over the label beside it.
    void stack() const {
        std::vector<QWidget*> topmostFirst = controls_;
        topmostFirst.insert(topmostFirst.end(), labels_.begin(), labels_.end());
        stackTopmostFirst(topmostFirst);
    }

private:
    GroupBox* group_;
    std::vector<QWidget*> controls_;
    std::vector<QWidget*> labels_;
};

EditBox* integerField(GroupBuilder& builder, const LabelledPlace& where, const char* text) {
    EditBox* box = builder.field(where, text);
    box->setIntegerInput(true);
    return box;
}

}  // namespace

SharedGroup buildSharedGroup(QWidget* window) {
    SharedGroup shared;
    shared.group =
        new GroupBox(texts::kSharedGroupTitle, main_window_layout::kLargeTitlePixels, window);
    shared.group->setObjectName("分组框1");
    shared.group->setGeometry(main_window_layout::kSharedGroupPlace);

    GroupBuilder builder(shared.group);
    shared.heightField = integerField(builder, kHeight, "220");
    shared.heightField->setGbkLengthLimit(kHeightLengthLimit);
    shared.widthField = integerField(builder, kWidth, "270");
    shared.widthField->setGbkLengthLimit(kWidthLengthLimit);
    shared.canvasColour =
        builder.place(new ColourPicker(kInitialCanvasColour, true, shared.group), kCanvas);
    shared.cornerField = integerField(builder, kCorner, "0");
    shared.previewExport = builder.previewExportButton();
    shared.captionsField = builder.field(kCaptions, texts::kClickToSet);
    shared.pictureField = builder.field(kPicture, texts::kClickToSet);
    shared.pictureField->setReadOnlyBox(true);
    builder.stack();
    shared.pictureChooser = new PictureFileChooser("通用对话框1", shared.group);
    return shared;
}

}  // namespace brontel
