#include "ui/settings_page.h"

#include <QRadioButton>
#include <span>
#include <vector>

#include "model/initial_styles.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/font_chooser.h"
#include "ui/group_box.h"
#include "ui/main_window_layout.h"
#include "ui/main_window_texts.h"
#include "ui/picture_file_chooser.h"
#include "ui/settings_page_layout.h"
#include "ui/stacking.h"

namespace brontel {
namespace {

namespace texts = main_window_texts;
using texts::ValuedItem;

enum class FieldMode { ReadOnly, IntegerInput };
enum class Enabled { No, Yes };

// Makes the rows of one page: each input control over the right part of its row's label.
class PageBuilder {
public:
    PageBuilder(ButtonState state, GroupBox* group) : state_(state), group_(group) {}

    ComboBox* combo(PageRow row, std::span<const ValuedItem> items, int initialIndex) {
        auto* box = place(new ComboBox(group_), row);
        for (const ValuedItem& item : items) box->addValuedItem(item.text, item.value);
        box->setCurrentIndex(initialIndex);
        return box;
    }

    ColourPicker* picker(PageRow row, Colour initial, bool offersNoColour, Enabled enabled) {
        auto* picker = place(new ColourPicker(initial, offersNoColour, group_), row);
        picker->setEnabled(enabled == Enabled::Yes);
        return picker;
    }

    EditBox* field(PageRow row, const char* text, FieldMode mode, Enabled enabled) {
        auto* box = place(new EditBox(group_), row);
        box->setReadOnlyBox(mode == FieldMode::ReadOnly);
        box->setIntegerInput(mode == FieldMode::IntegerInput);
        box->setContent(text);
        box->setEnabled(enabled == Enabled::Yes);
        return box;
    }

    std::array<QRadioButton*, 9> alignmentRadios() {
        addLabel(PageRow::Alignment);
        std::array<QRadioButton*, 9> radios{};
        for (int position = 0; position < kAlignmentRadioCount; ++position) {
            auto* radio = new QRadioButton(group_);
            radio->setObjectName(alignmentRadioName(state_, position));
            radio->setGeometry(alignmentRadioPlace(position));
            radios[static_cast<std::size_t>(position)] = radio;
            controls_.push_back(radio);
        }
        return radios;
    }

    // Input controls lie over the labels.
    void stack() const {
        std::vector<QWidget*> topmostFirst = controls_;
        topmostFirst.insert(topmostFirst.end(), labels_.begin(), labels_.end());
        stackTopmostFirst(topmostFirst);
    }

private:
    template <typename Control>
    Control* place(Control* control, PageRow row) {
        addLabel(row);
        control->setObjectName(pageControlName(state_, row));
        control->setGeometry(pageRowLayout(state_, row).controlPlace);
        controls_.push_back(control);
        return control;
    }

    void addLabel(PageRow row) {
        const PageRowLayout layout = pageRowLayout(state_, row);
        auto* label = new FaceWidget(rowLabelStyle(layout.labelText), group_);
        label->setObjectName(pageRowLabelName(state_, row));
        label->setGeometry(layout.labelPlace);
        labels_.push_back(label);
    }

    ButtonState state_;
    GroupBox* group_;
    std::vector<QWidget*> controls_;
    std::vector<QWidget*> labels_;
};

GroupBox* makeGroup(ButtonState state, QWidget* page) {
    static constexpr PerState<const char*> kGroupNames{
        "分组框_按钮正常设置", "分组框_按钮点燃设置", "分组框_按钮按下设置", "分组框_按钮禁止设置"};
    auto* group = new GroupBox(texts::kPageGroupTitles[indexOf(state)],
                               main_window_layout::kPageTitlePixels, page);
    group->setObjectName(kGroupNames[indexOf(state)]);
    group->setGeometry(main_window_layout::kPageGroupPlace);
    return group;
}

void addRows(PageBuilder& rows, SettingsPage& page) {
    constexpr bool kPlain = false, kTransparent = true;
    const FieldMode readOnly = FieldMode::ReadOnly;
    page.gradientMode = rows.combo(PageRow::GradientMode, texts::kGradientModeItems, 0);
    page.gradientColours = {rows.picker(PageRow::GradientColour1, 0x000000, kPlain, Enabled::No),
                            rows.picker(PageRow::GradientColour2, 0xFFFFFF, kPlain, Enabled::No),
                            rows.picker(PageRow::GradientColour3, 0x000000, kPlain, Enabled::No)};
    page.fontField = rows.field(PageRow::Font, texts::kClickToSet, readOnly, Enabled::Yes);
    page.textEffect = rows.combo(PageRow::TextEffect, texts::kTextEffectItems, 0);
    page.textColour = rows.picker(PageRow::TextColour, 0x000000, kPlain, Enabled::Yes);
    page.wordWrap = rows.combo(PageRow::WordWrap, texts::kWordWrapItems, 1);
    page.captionField = rows.field(PageRow::Caption, texts::kClickToSet, readOnly, Enabled::Yes);
    page.border = rows.combo(PageRow::Border, texts::kBorderItems, 0);
    page.frameColours = {rows.picker(PageRow::FrameColour1, 0x000000, kTransparent, Enabled::No),
                         rows.picker(PageRow::FrameColour2, 0xFFFFFF, kTransparent, Enabled::No),
                         rows.picker(PageRow::FrameColour3, 0x000000, kTransparent, Enabled::No)};
    page.frameWidth = rows.field(PageRow::FrameWidth, "5", FieldMode::IntegerInput, Enabled::No);
    page.pictureMode = rows.combo(PageRow::PictureMode, texts::kPictureModeItems, 3);
    page.pictureField = rows.field(PageRow::Picture, texts::kClickToSet, readOnly, Enabled::No);
    page.backColour = rows.picker(PageRow::BackColour, initialFaceStyle(page.state).backColour(),
                                  kTransparent, Enabled::Yes);
    page.canvasColour =
        rows.picker(PageRow::CanvasColour, kInitialCanvasColour, kTransparent, Enabled::Yes);
    page.alignment = rows.alignmentRadios();
    page.alignment[kCentreAlignmentPosition]->setChecked(true);
}

}  // namespace

SettingsPage buildSettingsPage(ButtonState state, QWidget* page) {
    SettingsPage settings;
    settings.state = state;
    settings.group = makeGroup(state, page);
    PageBuilder rows(state, settings.group);
    addRows(rows, settings);
    rows.stack();
    settings.fontChooser = new FontChooser(pageChooserName(state, "加载字体"), settings.group);
    settings.pictureChooser =
        new PictureFileChooser(pageChooserName(state, "加载底图"), settings.group);
    return settings;
}

}  // namespace brontel
