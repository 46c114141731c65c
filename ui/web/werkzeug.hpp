#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "steuerelemente.hpp"

extern "C" {
// browser.js
void pz_horchen(emscripten::EM_VAL ziel, emscripten::EM_VAL typen);
void pz_modal(emscripten::EM_VAL dialog);
}

namespace pz::web {

using emscripten::val;

// Hands the events of the space-separated types at ziel to Fenster::Ereignis.
inline void Horchen(const val& ziel, const char* typen) {
  pz_horchen(ziel.as_handle(), val(typen).as_handle());
}

// UTF-8, in which the page's markup and style are put together.
std::string Utf8(std::u16string_view text);

// Text as it stands in markup, within an element or in double quotes.
std::string Html(std::u16string_view text);

// What a screen reader learns of a control, as the attributes of its element; see zugang.cpp.
std::string Zugang(const Steuerelement& s);

}  // namespace pz::web
