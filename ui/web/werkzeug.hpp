#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "steuerelemente.hpp"

// What the page does for the program (browser.js). Controls are named by their row in the
// controls table, texts go as UTF-16 units with their length, and a text that comes back
// is a block the program frees (see Übernehmen).
extern "C" {
void pz_aufbauen();
void pz_zeigen();
void pz_vor_dem_zeichnen();
void pz_inhalt(std::size_t zeile, const char16_t* text, std::size_t n);
void pz_beschriften(const char* stil);
double pz_breite(const char16_t* text, std::size_t n, double pixel);
std::uint32_t pz_farbe(int zeile, bool vordergrund);
void pz_faerben(const char* farbe);
void pz_horchen(int ziel, const char* typ, int art);
std::uint32_t* pz_ereignis_text(int was);
void pz_ereignis_abwehren();
void pz_ereignis_ablegen(const char16_t* text, std::size_t n);
int pz_ereignis_stelle(std::size_t zeile);
std::uint32_t* pz_text(std::size_t zeile);
void pz_setze_text(std::size_t zeile, const char16_t* text, std::size_t n);
void pz_auswahl(std::size_t zeile, std::uint32_t* anfang, std::uint32_t* ende);
void pz_waehlen(std::size_t zeile, std::size_t anfang, std::size_t ende);
void pz_alles_waehlen(std::size_t zeile);
void pz_ersetzen(std::size_t zeile, const char16_t* text, std::size_t n, std::size_t anfang,
                 std::size_t ende);
void pz_fokus(std::size_t zeile, bool ohneRollen);
bool pz_befehl(const char* befehl);
void pz_modal(const char* markup);
}

namespace pz::web {

// The window's markup and style sheet, as the page holds them from the start (vorlage.cpp).
struct Vorlage {
  std::string stil;
  std::string markup;
};
Vorlage Entwerfen();

// Without a window system's dialog font, labels take the one Windows draws dialogs in at
// 96 dpi, 8 points, in the browser's own user-interface face.
inline constexpr double StandardPunkt = 8.25;
inline constexpr int Dpi = 96;

// A size in points in CSS pixels, to a millionth, so that a label is measured at the size
// the page gives it.
double InPx(double punkt);

// A length in the window's pixels (96 to the inch at 100 % zoom), which the page scales
// down where the screen is narrower than the window.
std::string Länge(double pixel);

// A control's place, as a style sheet's declarations.
std::string Ort(const PixelRechteck& p, bool mitHöhe);

// A text the page handed over, and its block freed; none becomes empty.
std::u16string Übernehmen(std::uint32_t* block);

// The texts of the event being handled, in the order pz_ereignis_text numbers them.
enum class EreignisText { Taste, Eingabeart, Eingabe, Übergeben };

inline std::u16string TextDesEreignisses(EreignisText was) {
  return Übernehmen(pz_ereignis_text(static_cast<int>(was)));
}

// UTF-8, in which the page's markup and style are put together.
std::string Utf8(std::u16string_view text);

// Text as it stands in markup, within an element or in double quotes.
std::string Html(std::u16string_view text);

// What a screen reader learns of a control, as the attributes of its element; see zugang.cpp.
std::string Zugang(const Steuerelement& s);

}  // namespace pz::web
