#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "felder.hpp"

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
  bool aktiviert;
  bool umbrechen;  // labels that wrap their caption at spaces within their width
  Feld feld;       // a text field's own; for a label, the field it stands over and names
  Knopf knopf;     // buttons only
};

namespace detail {
constexpr Feld kF = Feld::Text1;          // placeholder for a button, which has no field
constexpr Knopf kK = Knopf::cb_ZA_alles;  // placeholder where a control is no button
constexpr auto B = Art::Beschriftung;
constexpr auto K = Art::Knopf;
constexpr auto T = Art::Textfeld;
}  // namespace detail

// Listed in tab-index order, which is also the order in which front ends create the
// controls (so the z-order follows the Tab order).
// clang-format off
inline constexpr std::array<Steuerelement, 22> Steuerelemente = {{
  // name                   art        idx  links  oben breite höhe  text                     tipp                                          tab an     umbr   feld                        knopf
  {"Label1",               detail::B, -1,  120,  120,  630,  645, u"Behörden- Kenn- Zahl", u"",                                          0, true,  true,  Feld::txtBehördenKennZahl, detail::kK},
  {"Label2",               detail::B, -1,  960,  120,  504,  156, u"Seriennr.",            u"",                                          1, true,  false, Feld::txtSeriennr,         detail::kK},
  {"Label3",               detail::B, -1, 1800,  120,  168,  156, u"PZ",                   u"",                                          2, true,  false, Feld::txtPZBKZ_Seriennr,   detail::kK},
  {"Label4",               detail::B, -1, 2520,  120,  384,  156, u"Geburt",               u"",                                          3, true,  false, Feld::txtGeburt,           detail::kK},
  {"Label5",               detail::B, -1, 3600,  120,  168,  156, u"PZ",                   u"",                                          4, true,  false, Feld::txtPZGeburt,         detail::kK},
  {"Label6",               detail::B, -1, 3960,  120,  360,  156, u"Ablauf",               u"",                                          5, true,  false, Feld::txtAblauf,           detail::kK},
  {"Label7",               detail::B, -1, 5040,  120,  168,  156, u"PZ",                   u"",                                          6, true,  false, Feld::txtPZAblauf,         detail::kK},
  {"Label8",               detail::B, -1, 5400,  120,  492,  372, u"PZ gesamt",            u"",                                          7, true,  true,  Feld::txtPZgesamt,         detail::kK},
  {"cb_ZA_alles",          detail::K, -1, 5730, 1035,  520,  255, u"ZA", u"ganze Nummer in die Zwischenablage",                          8, true,  false, detail::kF,                Knopf::cb_ZA_alles},
  {"cb_löschen",           detail::K, -1, 5730,  765,  520,  255, u"X",  u"Nummer leeren",                                               9, true,  false, detail::kF,                Knopf::cb_löschen},
  {"cb_ZA",                detail::K,  0,  120, 1320, 1905,  255, u"ZA", u"Block in die Zwischenablage",                                10, true,  false, detail::kF,                Knopf::cb_ZA},
  {"cb_ZA",                detail::K,  1, 2520, 1320, 1305,  255, u"ZA", u"Block in die Zwischenablage",                                11, true,  false, detail::kF,                Knopf::cb_ZA},
  {"cb_ZA",                detail::K,  2, 3960, 1320, 1665,  255, u"ZA", u"Block in die Zwischenablage",                                12, true,  false, detail::kF,                Knopf::cb_ZA},
  {"txtPZBKZ_Seriennr",    detail::T, -1, 1800,  840,  192,  396, u"",   u"Prüfziffer über die BKZ und die Seriennr.",                  13, false, false, Feld::txtPZBKZ_Seriennr,   detail::kK},
  {"txtSeriennr",          detail::T, -1,  840,  840,  945,  396, u"",   u"5-stellige fortlaufende Nr.",                                14, true,  false, Feld::txtSeriennr,         detail::kK},
  {"txtGeburt",            detail::T, -1, 2520,  840, 1020,  396, u"",   u"Geburtsdatum (jjmmtt)",                                      15, true,  false, Feld::txtGeburt,           detail::kK},
  {"txtPZGeburt",          detail::T, -1, 3600,  840,  240,  396, u"",   u"Prüfziffer über das Geburtsdatum",                           16, false, false, Feld::txtPZGeburt,         detail::kK},
  {"txtPZgesamt",          detail::T, -1, 5400,  840,  240,  396, u"",   u"Prüfziffer über alle Ziffern",                               17, false, false, Feld::txtPZgesamt,         detail::kK},
  {"txtPZAblauf",          detail::T, -1, 5040,  840,  240,  396, u"",   u"Prüfziffer über das Ablaufdatum",                            18, false, false, Feld::txtPZAblauf,         detail::kK},
  {"txtAblauf",            detail::T, -1, 3960,  840, 1020,  396, u"",   u"Ablaufdatum des Ausweises (jjmmtt)",                         19, true,  false, Feld::txtAblauf,           detail::kK},
  {"Text1",                detail::T, -1, 2130,  840,  300,  396, u"D",  u"Nationalitätenkennzeichen",                                  20, false, false, Feld::Text1,               detail::kK},
  {"txtBehördenKennZahl",  detail::T, -1,  120,  840,  660,  396, u"",   u"4-stellige Kennzahl der Ausgabe-Behörde",                    21, true,  false, Feld::txtBehördenKennZahl, detail::kK},
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

constexpr bool NurEingabefelderSindAktiviert() {
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Textfeld && s.aktiviert != IstEingabefeld(s.feld)) {
      return false;
    }
  }
  return true;
}
static_assert(NurEingabefelderSindAktiviert(), "the user types into the input fields only");

// The program writes at most one character into a display field; the limit never bites.
inline constexpr int AnzeigefeldMaxLänge = 10;

// A text field's maximum length: an input field's is its full length, so that it never
// holds more than its change rule expects.
constexpr int MaxLänge(const Steuerelement& s) {
  return IstEingabefeld(s.feld) ? static_cast<int>(VolleLänge(s.feld)) : AnzeigefeldMaxLänge;
}

// A control's row in the table.
constexpr std::size_t Zeile(const Steuerelement& s) {
  return static_cast<std::size_t>(&s - Steuerelemente.data());
}

// Whether the Tab key stops at a control: labels and disabled fields never take the focus.
constexpr bool IstTabstopp(const Steuerelement& s) {
  return s.art != Art::Beschriftung && s.aktiviert;
}

// The table's row of a text field.
constexpr const Steuerelement& ZeileVon(Feld feld) {
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Textfeld && s.feld == feld) {
      return s;
    }
  }
  return Steuerelemente.back();  // unreachable: every field has a row
}

// The table row of the label that names a text field, or the table's size where there is
// none: Text1 has no label, and buttons carry their own caption.
constexpr std::size_t BeschriftungsZeile(const Steuerelement& s) {
  std::size_t zeile = 0;
  while (zeile < Steuerelemente.size() &&
         (s.art != Art::Textfeld || Steuerelemente[zeile].art != Art::Beschriftung ||
          Steuerelemente[zeile].feld != s.feld)) {
    ++zeile;
  }
  return zeile;
}

// The label that names a text field, or nullptr.
constexpr const Steuerelement* BeschriftungVon(const Steuerelement& s) {
  const std::size_t zeile = BeschriftungsZeile(s);
  return zeile < Steuerelemente.size() ? &Steuerelemente[zeile] : nullptr;
}

// A label names the field below it: its left edge lies over the field, and no other label
// names the same field.
constexpr bool BeschriftungenStehenÜberIhremFeld() {
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& b = Steuerelemente[zeile];
    if (b.art != Art::Beschriftung) {
      continue;
    }
    const Steuerelement& f = ZeileVon(b.feld);
    if (BeschriftungsZeile(f) != zeile || b.links < f.links || b.links >= f.links + f.breite ||
        b.oben + b.höhe > f.oben) {
      return false;
    }
  }
  return true;
}
static_assert(BeschriftungenStehenÜberIhremFeld(), "each label stands over the field it names");

// The order in which a front end creates the controls, as table rows; on Windows it is
// their z-order. There a screen reader names a field after the nearest label before it,
// so each label goes just before the field it names, and a control that takes no Tab stop
// and has no label (Text1) goes before every label, lest it borrow another field's.
// Everything else keeps the table's order; as labels and disabled fields take no Tab stop,
// the Tab order stays the table's.
inline constexpr std::array<std::size_t, Steuerelemente.size()> Erstellreihenfolge = [] {
  std::array<std::size_t, Steuerelemente.size()> reihe{};
  std::size_t n = 0;
  const auto vorab = [](const Steuerelement& s) {
    return s.art != Art::Beschriftung && !IstTabstopp(s) &&
           BeschriftungsZeile(s) == Steuerelemente.size();
  };
  for (const Steuerelement& s : Steuerelemente) {
    if (vorab(s)) {
      reihe[n++] = Zeile(s);
    }
  }
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Beschriftung || vorab(s)) {
      continue;
    }
    if (const std::size_t label = BeschriftungsZeile(s); label < Steuerelemente.size()) {
      reihe[n++] = label;
    }
    reihe[n++] = Zeile(s);
  }
  return reihe;
}();

constexpr bool JedesElementEinmal() {
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    if (std::count(Erstellreihenfolge.begin(), Erstellreihenfolge.end(), zeile) != 1) {
      return false;
    }
  }
  return true;
}
static_assert(JedesElementEinmal(), "every label names a field, so each control is created once");

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

// What a screen reader announces for a control. The name begins with the caption the user
// sees, so that voice control finds the control by it: a label's own, a field's label's, a
// button's. A label says what its field holds, unless other labels read the same ("PZ"); a
// button's caption ("ZA", "X") is only a sign; Text1 has no caption at all. There the tool
// tip completes the name, for a cb_ZA button with the captions of the fields its block
// takes, so that the three tell apart.
std::u16string ZugänglicherName(const Steuerelement& s);

// The tool tip, where it adds to the name; empty where the name already carries it.
std::u16string_view ZugänglicheBeschreibung(const Steuerelement& s);

struct PixelRechteck {
  int x, y, breite, höhe;
  friend bool operator==(const PixelRechteck&, const PixelRechteck&) = default;
};

// Twips to pixels at the given dpi, rounded to the nearest pixel.
int InPixel(int twips, int dpi);

// A control's rectangle in pixels. Its edges are converted, not its size, so that
// neighbouring controls keep their gaps however the fractions fall.
PixelRechteck InPixel(const Steuerelement& s, int dpi);

// Breaks a wrapping label's caption at its spaces into lines no wider than breite, as the
// front end's font measures them. A word wider on its own gets a line of its own; the
// label then grows to fit it.
std::vector<std::u16string> Umbrechen(std::u16string_view text, int breite,
                                      const std::function<int(std::u16string_view)>& breiteVon);

// How a label shows its caption in the platform's default font.
struct BeschriftungsSatz {
  std::vector<std::u16string> zeilen;  // one, or where a wrapping label breaks
  int breite;                          // pixels
  double punkt;                        // font size: the default, or smaller where needed
};

// Labels size themselves to their caption in the platform's default font, which may be
// wider than the one the window was drawn for. A wrapping label keeps its design width
// and breaks there; a word wider than that widens it. A label that would then run into
// the next control to its right, or past the window's edge, steps its font down in
// quarter points just far enough; every other label keeps the default font.
//   breiteVon(zeile, punkt): the line's width in pixels at that size of the default font.
BeschriftungsSatz BeschriftungSetzen(
    const Steuerelement& label, int dpi, double standardPunkt,
    const std::function<int(std::u16string_view zeile, double punkt)>& breiteVon);

// The pixel width a label may take from its left edge before it comes too close to the
// next control beside it, or to the window's edge.
int BeschriftungsRaum(const Steuerelement& label, int dpi);

}  // namespace pz
