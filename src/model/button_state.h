#pragma once

#include <array>
#include <cstddef>

namespace brontel {

// The four looks of a push button. Every four-entry array of the product is indexed in
// this order: faces, canvases, settings pages and exported files alike.
enum class ButtonState { Normal, Hot, Pressed, Disabled };

inline constexpr std::array<ButtonState, 4> kButtonStates{
    ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled};

constexpr std::size_t indexOf(ButtonState state) { return static_cast<std::size_t>(state); }

template <typename T>
using PerState = std::array<T, 4>;

}  // namespace brontel
