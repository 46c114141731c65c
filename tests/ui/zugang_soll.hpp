#pragma once

#include <algorithm>
#include <array>
#include <string_view>

// What a screen reader is to hear of each control, on every front end: its name and its
// description, by the control's object name.
namespace pz::test {

struct ZugangSoll {
  std::string_view objekt;
  std::u16string_view name, beschreibung;
};

// clang-format off
inline constexpr std::array<ZugangSoll, 22> ZugangTabelle = {{
  {"Label1",              u"Behörden- Kenn- Zahl", u""},
  {"Label2",              u"Seriennr.", u""},
  {"Label3",              u"PZ", u""},
  {"Label4",              u"Geburt", u""},
  {"Label5",              u"PZ", u""},
  {"Label6",              u"Ablauf", u""},
  {"Label7",              u"PZ", u""},
  {"Label8",              u"PZ gesamt", u""},
  {"cb_ZA_alles",         u"ZA: ganze Nummer in die Zwischenablage", u""},
  {"cb_löschen",          u"X: Nummer leeren", u""},
  {"cb_ZA_0",             u"ZA: Block in die Zwischenablage (Behörden- Kenn- Zahl, Seriennr., PZ)", u""},
  {"cb_ZA_1",             u"ZA: Block in die Zwischenablage (Geburt, PZ)", u""},
  {"cb_ZA_2",             u"ZA: Block in die Zwischenablage (Ablauf, PZ, PZ gesamt)", u""},
  {"txtPZBKZ_Seriennr",   u"PZ: Prüfziffer über die BKZ und die Seriennr.", u""},
  {"txtSeriennr",         u"Seriennr.", u"5-stellige fortlaufende Nr."},
  {"txtGeburt",           u"Geburt", u"Geburtsdatum (jjmmtt)"},
  {"txtPZGeburt",         u"PZ: Prüfziffer über das Geburtsdatum", u""},
  {"txtPZgesamt",         u"PZ gesamt", u"Prüfziffer über alle Ziffern"},
  {"txtPZAblauf",         u"PZ: Prüfziffer über das Ablaufdatum", u""},
  {"txtAblauf",           u"Ablauf", u"Ablaufdatum des Ausweises (jjmmtt)"},
  {"Text1",               u"Nationalitätenkennzeichen", u""},
  {"txtBehördenKennZahl", u"Behörden- Kenn- Zahl", u"4-stellige Kennzahl der Ausgabe-Behörde"},
}};
// clang-format on

inline const ZugangSoll& SollFür(std::string_view objekt) {
  return *std::ranges::find(ZugangTabelle, objekt, &ZugangSoll::objekt);
}

}  // namespace pz::test
