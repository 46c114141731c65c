#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <string>

extern "C" {
// browser.js
void pz_horchen(emscripten::EM_VAL ziel, emscripten::EM_VAL typen, int zeile);
void pz_modal(emscripten::EM_VAL dialog);
}

namespace pz::web {

using emscripten::val;

// Hands the events of the space-separated types at ziel to Fenster::Ereignis.
inline void Horchen(const val& ziel, const char* typen, std::size_t zeile) {
  pz_horchen(ziel.as_handle(), val(typen).as_handle(), static_cast<int>(zeile));
}

// A length in the window's pixels (96 to the inch at 100 % zoom), which the page scales
// down where the screen is narrower than the window.
inline std::string Länge(double pixel) {
  return "calc(" + std::to_string(pixel) + " * var(--s))";
}

}  // namespace pz::web
