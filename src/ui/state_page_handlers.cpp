#include "ui/state_page_handlers.h"

#include <QRadioButton>
#include <array>
#include <utility>

#include "model/face_style.h"
#include "model/text_conversion.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/main_window_texts.h"
#include "ui/settings_page.h"

namespace brontel {
namespace {

using ColourSetter = void (FaceStyle::*)(Colour);

constexpr std::array<ColourSetter, 3> kInOrder{
    &FaceStyle::setGradientColour1, &FaceStyle::setGradientColour2, &FaceStyle::setGradientColour3};
constexpr std::array<ColourSetter, 3> kGradientReversed{
    &FaceStyle::setGradientColour3, &FaceStyle::setGradientColour2, &FaceStyle::setGradientColour1};
constexpr std::array<ColourSetter, 3> kFrameReversed{
    &FaceStyle::setFrameColour3, &FaceStyle::setFrameColour2, &FaceStyle::setFrameColour1};

constexpr int kNoGradient = 0;
constexpr int kWrapItem = 0;
constexpr int kOneLineItem = 1;

bool isPickerIndex(int picker) {
    return picker >= 0 && picker < 3;
}

void setColour(FaceWidget& face, ColourSetter setter, Colour colour) {
    face.changeStyle([setter, colour](FaceStyle& style) { (style.*setter)(colour); });
}

// A picker without "透明" cannot hold the default-colour marker: it shows the marker's
// colour part, black.
void showColour(ColourPicker& picker, Colour colour) {
    const bool holdsMarker = colour != NoColour || picker.offersNoColour();
    picker.setColour(holdsMarker ? colour : rgb(0, 0, 0));
}

void enableAll(const std::array<ColourPicker*, 3>& pickers, bool enabled) {
    for (ColourPicker* picker : pickers) picker->setEnabled(enabled);
}

}  // namespace

void onGradientModeChosen(const SettingsPage& page, FaceWidget& face) {
    const int mode = page.gradientMode->currentValue();
    enableAll(page.gradientColours, mode != kNoGradient);
    if (page.state == ButtonState::Normal) page.backColour->setEnabled(mode == kNoGradient);
    face.changeStyle([mode](FaceStyle& style) { style.setGradientMode(mode); });
}

void onGradientColourPicked(const SettingsPage& page, int picker, FaceWidget& face) {
    if (!isPickerIndex(picker)) return;
    const auto& setters = page.state == ButtonState::Normal ? kGradientReversed : kInOrder;
    const auto index = static_cast<std::size_t>(picker);
    setColour(face, setters[index], page.gradientColours[index]->colour());
}

void onTextEffectChosen(const SettingsPage& page, FaceWidget& face) {
    const int effect = page.textEffect->currentValue();
    face.changeStyle([effect](FaceStyle& style) { style.setTextEffect(effect); });
}

void onTextColourPicked(const SettingsPage& page, FaceWidget& face) {
    setColour(face, &FaceStyle::setTextColour, page.textColour->colour());
}

void onWordWrapChosen(const SettingsPage& page, FaceWidget& face) {
    const int item = page.wordWrap->currentValue();
    if (item != kWrapItem && item != kOneLineItem) return;
    const int wrap = item == kWrapItem ? 1 : 0;
    face.changeStyle([wrap](FaceStyle& style) { style.setWordWrap(wrap); });
}

void onBorderChosen(const SettingsPage& page, FaceWidget& face) {
    const int border = page.border->currentValue();
    const bool usesFrame = border == border::GradientFrame;
    page.frameWidth->setEnabled(usesFrame);
    enableAll(page.frameColours, usesFrame);
    face.changeStyle([border](FaceStyle& style) { style.setBorder(border); });
}

void onFrameColourPicked(const SettingsPage& page, int picker, FaceWidget& face) {
    if (!isPickerIndex(picker)) return;
    const auto index = static_cast<std::size_t>(picker);
    setColour(face, kFrameReversed[index], page.frameColours[index]->colour());
}

void onFrameWidthChanged(const SettingsPage& page, FaceWidget& face) {
    const int width = truncateToPixels(textToNumber(page.frameWidth->content().toStdString()));
    face.changeStyle([width](FaceStyle& style) { style.setFrameWidth(width); });
}

void onBackColourPicked(const SettingsPage& page, FaceWidget& face) {
    const Colour colour = page.backColour->colour();
    showColour(*page.gradientColours[2], colour);
    showColour(*page.gradientColours[0], colour);
    face.changeStyle([colour](FaceStyle& style) {
        style.setBackColour(colour);
        style.setGradientColour1(colour);
        style.setGradientColour3(colour);
    });
}

void onCanvasColourPicked(const SettingsPage& page, FaceWidget& canvas) {
    setColour(canvas, &FaceStyle::setBackColour, page.canvasColour->colour());
}

void onAlignmentClicked(int position, FaceWidget& face) {
    const auto& positions = main_window_texts::kAlignmentPositions;
    if (position < 0 || position >= static_cast<int>(positions.size())) return;
    const auto& alignment = positions[static_cast<std::size_t>(position)];
    face.changeStyle([&alignment](FaceStyle& style) {
        style.setHAlign(alignment.hAlign);
        style.setVAlign(alignment.vAlign);
    });
}

namespace {

// Each connection lives as long as the control that raises the event.
using PageHandler = void (*)(const SettingsPage&, FaceWidget&);
using PickerHandler = void (*)(const SettingsPage&, int, FaceWidget&);

void connectCombos(const SettingsPage& page, FaceWidget* face) {
    const std::pair<ComboBox*, PageHandler> combos[]{{page.gradientMode, &onGradientModeChosen},
                                                     {page.textEffect, &onTextEffectChosen},
                                                     {page.wordWrap, &onWordWrapChosen},
                                                     {page.border, &onBorderChosen}};
    for (const auto& [combo, handler] : combos) {
        QObject::connect(combo, &ComboBox::itemChosen, combo,
                         [page, face, handler] { handler(page, *face); });
    }
}

void connectPicker(ColourPicker* picker, const SettingsPage& page, FaceWidget* target,
                   PageHandler handler) {
    QObject::connect(picker, &ColourPicker::colourPicked, picker,
                     [page, target, handler] { handler(page, *target); });
}

void connectPickerRow(const std::array<ColourPicker*, 3>& pickers, const SettingsPage& page,
                      FaceWidget* face, PickerHandler handler) {
    for (int i = 0; i < 3; ++i) {
        QObject::connect(pickers[static_cast<std::size_t>(i)], &ColourPicker::colourPicked,
                         pickers[static_cast<std::size_t>(i)],
                         [page, i, face, handler] { handler(page, i, *face); });
    }
}

void connectPickers(const SettingsPage& page, FaceWidget* face, FaceWidget* canvas) {
    connectPickerRow(page.gradientColours, page, face, &onGradientColourPicked);
    connectPickerRow(page.frameColours, page, face, &onFrameColourPicked);
    connectPicker(page.textColour, page, face, &onTextColourPicked);
    connectPicker(page.backColour, page, face, &onBackColourPicked);
    connectPicker(page.canvasColour, page, canvas, &onCanvasColourPicked);
}

}  // namespace

void connectStatePageHandlers(const SettingsPage& page, FaceWidget& face, FaceWidget& canvas) {
    connectCombos(page, &face);
    connectPickers(page, &face, &canvas);
    QObject::connect(page.frameWidth, &EditBox::contentChanged, page.frameWidth,
                     [page, target = &face] { onFrameWidthChanged(page, *target); });
    for (int position = 0; position < static_cast<int>(page.alignment.size()); ++position) {
        QRadioButton* radio = page.alignment[static_cast<std::size_t>(position)];
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         [position, target = &face] { onAlignmentClicked(position, *target); });
    }
}

}  // namespace brontel
