#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/felder.hpp"

namespace pz {

// The window and its 22 controls. This table is the one place where their geometry,
// texts, fonts, tab order and limits live; every front end builds its window from it.
// Positions and sizes are in twips (1440 to the inch, 15 to the pixel at 96 dpi),
// relative to the top left corner of the client area.

inline constexpr std::u16string_view FensterTitel = u"MORVAs Voveduzaz";
inline constexpr int FensterBreite = 6420;  // client area, twips
inline constexpr int FensterHöhe = 1695;

inline constexpr std::u16string_view InfoText =
    u"Ergänzt die Nummer des Personalausweises (alte Form) um ihre vier Prüfziffern, "
    u"berechnet nach dem Verfahren 7-3-1 für maschinenlesbare Ausweise.";
inline constexpr std::u16string_view ZwischenablageBelegtText =
    u"Die Zwischenablage ist gerade von einem anderen Programm belegt. "
    u"Bitte noch einmal versuchen.";

enum class Art { Beschriftung, Knopf, Textfeld };

// Buttons by their handler; the three cb_ZA buttons share one and differ by index.
enum class Knopf { cb_ZA, cb_löschen, cb_ZA_alles };

struct SchriftDef {
  std::u16string_view name;  // empty: the platform's default user-interface font
  int hundertstelPunkt;
  int gewicht;  // 400 regular, 700 bold
};

inline constexpr SchriftDef StandardSchrift{u"", 0, 400};
inline constexpr SchriftDef FeldSchrift{u"Courier New", 975, 700};   // 13 px at 96 dpi
inline constexpr SchriftDef KnopfSchrift{u"Courier New", 825, 400};  // 11 px at 96 dpi

struct Steuerelement {
  std::string_view name;  // the control's name, UTF-8
  Art art;
  std::int16_t index;  // index within the cb_ZA control array, -1 elsewhere
  int links, oben, breite, höhe;
  std::u16string_view text;  // caption, or the text a field holds at start
  std::u16string_view tipp;  // tool tip; empty for labels
  int tabIndex;
  int maxLänge;  // text fields only, 0 elsewhere
  bool aktiviert;
  bool umbrechen;  // labels that wrap their caption at spaces within their width
  Feld feld;       // text fields only
  Knopf knopf;     // buttons only
};

namespace detail {
constexpr Feld kF = Feld::Text1;          // placeholder where a control is no field
constexpr Knopf kK = Knopf::cb_ZA_alles;  // placeholder where a control is no button
constexpr auto B = Art::Beschriftung;
constexpr auto K = Art::Knopf;
constexpr auto T = Art::Textfeld;
}  // namespace detail

// Listed in tab-index order, which is also the order in which front ends create the
// controls (so the z-order follows the Tab order).
// clang-format off
inline constexpr std::array<Steuerelement, 22> Steuerelemente = {{
  // name                   art        idx  links  oben breite höhe  text                     tipp                                          tab max  an     umbr   feld                        knopf
  {"Label1",               detail::B, -1,  120,  120,  630,  645, u"Behörden- Kenn- Zahl", u"",                                          0,  0, true,  true,  detail::kF,                detail::kK},
  {"Label2",               detail::B, -1,  960,  120,  504,  156, u"Seriennr.",            u"",                                          1,  0, true,  false, detail::kF,                detail::kK},
  {"Label3",               detail::B, -1, 1800,  120,  168,  156, u"PZ",                   u"",                                          2,  0, true,  false, detail::kF,                detail::kK},
  {"Label4",               detail::B, -1, 2520,  120,  384,  156, u"Geburt",               u"",                                          3,  0, true,  false, detail::kF,                detail::kK},
  {"Label5",               detail::B, -1, 3600,  120,  168,  156, u"PZ",                   u"",                                          4,  0, true,  false, detail::kF,                detail::kK},
  {"Label6",               detail::B, -1, 3960,  120,  360,  156, u"Ablauf",               u"",                                          5,  0, true,  false, detail::kF,                detail::kK},
  {"Label7",               detail::B, -1, 5040,  120,  168,  156, u"PZ",                   u"",                                          6,  0, true,  false, detail::kF,                detail::kK},
  {"Label8",               detail::B, -1, 5400,  120,  492,  372, u"PZ gesamt",            u"",                                          7,  0, true,  true,  detail::kF,                detail::kK},
  {"cb_ZA_alles",          detail::K, -1, 5730, 1035,  520,  255, u"ZA", u"ganze Nummer in die Zwischenablage",                          8,  0, true,  false, detail::kF,                Knopf::cb_ZA_alles},
  {"cb_löschen",           detail::K, -1, 5730,  765,  520,  255, u"X",  u"Nummer leeren",                                               9,  0, true,  false, detail::kF,                Knopf::cb_löschen},
  {"cb_ZA",                detail::K,  0,  120, 1320, 1905,  255, u"ZA", u"Block in die Zwischenablage",                                10,  0, true,  false, detail::kF,                Knopf::cb_ZA},
  {"cb_ZA",                detail::K,  1, 2520, 1320, 1305,  255, u"ZA", u"Block in die Zwischenablage",                                11,  0, true,  false, detail::kF,                Knopf::cb_ZA},
  {"cb_ZA",                detail::K,  2, 3960, 1320, 1665,  255, u"ZA", u"Block in die Zwischenablage",                                12,  0, true,  false, detail::kF,                Knopf::cb_ZA},
  {"txtPZBKZ_Seriennr",    detail::T, -1, 1800,  840,  192,  396, u"",   u"Prüfziffer über die BKZ und die Seriennr.",                  13, 10, false, false, Feld::txtPZBKZ_Seriennr,   detail::kK},
  {"txtSeriennr",          detail::T, -1,  840,  840,  945,  396, u"",   u"5-stellige fortlaufende Nr.",                                14,  5, true,  false, Feld::txtSeriennr,         detail::kK},
  {"txtGeburt",            detail::T, -1, 2520,  840, 1020,  396, u"",   u"Geburtsdatum (jjmmtt)",                                      15,  6, true,  false, Feld::txtGeburt,           detail::kK},
  {"txtPZGeburt",          detail::T, -1, 3600,  840,  240,  396, u"",   u"Prüfziffer über das Geburtsdatum",                           16, 10, false, false, Feld::txtPZGeburt,         detail::kK},
  {"txtPZgesamt",          detail::T, -1, 5400,  840,  240,  396, u"",   u"Prüfziffer über alle Ziffern",                               17, 10, false, false, Feld::txtPZgesamt,         detail::kK},
  {"txtPZAblauf",          detail::T, -1, 5040,  840,  240,  396, u"",   u"Prüfziffer über das Ablaufdatum",                            18, 10, false, false, Feld::txtPZAblauf,         detail::kK},
  {"txtAblauf",            detail::T, -1, 3960,  840, 1020,  396, u"",   u"Ablaufdatum des Ausweises (jjmmtt)",                         19,  6, true,  false, Feld::txtAblauf,           detail::kK},
  {"Text1",                detail::T, -1, 2130,  840,  300,  396, u"D",  u"Nationalitätenkennzeichen",                                  20, 10, false, false, Feld::Text1,               detail::kK},
  {"txtBehördenKennZahl",  detail::T, -1,  120,  840,  660,  396, u"",   u"4-stellige Kennzahl der Ausgabe-Behörde",                    21,  4, true,  false, Feld::txtBehördenKennZahl, detail::kK},
}};
// clang-format on

constexpr bool TabIndexIstPosition() {
  for (std::size_t i = 0; i < Steuerelemente.size(); ++i) {
    if (Steuerelemente[i].tabIndex != static_cast<int>(i)) {
      return false;
    }
  }
  return true;
}
static_assert(TabIndexIstPosition(), "the table lists the controls in tab-index order");

// The table's row of a text field.
const Steuerelement& ZeileVon(Feld feld);

// The font a control uses.
constexpr const SchriftDef& SchriftVon(const Steuerelement& s) {
  switch (s.art) {
    case Art::Textfeld:
      return FeldSchrift;
    case Art::Knopf:
      return KnopfSchrift;
    default:
      return StandardSchrift;
  }
}

// A name unique among the 22 controls, for toolkits that find widgets by name:
// the control's name, with "_<index>" for a member of the cb_ZA array.
std::string ObjektName(const Steuerelement& s);

// What a screen reader announces for a field or button: its tool tip, which says more
// than the short label above it.
inline std::u16string_view ZugänglicherName(const Steuerelement& s) {
  return s.tipp;
}

// Breaks a wrapping label's caption at its spaces into lines no wider than breite, as the
// front end's font measures them. A word wider on its own gets a line of its own; the
// label then grows to fit it.
std::vector<std::u16string> Umbrechen(std::u16string_view text, int breite,
                                      const std::function<int(std::u16string_view)>& breiteVon);

struct PixelRechteck {
  int x, y, breite, höhe;
  friend bool operator==(const PixelRechteck&, const PixelRechteck&) = default;
};

// Twips to pixels at the given dpi, rounded to the nearest pixel.
int InPixel(int twips, int dpi);

// A control's rectangle in pixels. Its edges are converted, not its size, so that
// neighbouring controls keep their gaps however the fractions fall.
PixelRechteck InPixel(const Steuerelement& s, int dpi);

}  // namespace pz
