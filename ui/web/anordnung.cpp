// The window's labels, measured in the browser's font, the colours of the display fields,
// and the message box. The rest of the window is on the page from the start (vorlage.cpp).
#include <array>
#include <cmath>
#include <string>

#include "fenster.hpp"
#include "kontrast.hpp"
#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::web {

namespace {

// A colour of the control's style, or of the window's for none.
Farbe FarbeVon(const Steuerelement* s, bool vordergrund) {
  const std::uint32_t rgb = pz_farbe(s != nullptr ? static_cast<int>(Zeile(*s)) : -1, vordergrund);
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

}  // namespace

// The window is on the page from the start (vorlage.cpp); the page finds its elements.
void Fenster::Aufbauen() {
  pz_aufbauen();
}

// The labels' captions broken and sized as the shared rule says, measured in their own
// font. That font is loaded here, as the page is first drawn, and not before it takes
// typing: until now the page has laid out nothing in the labels' face (see seite.html).
void Fenster::Beschriften() {
  const auto breiteVon = [](std::u16string_view zeile, double punkt) {
    return static_cast<int>(std::ceil(pz_breite(zeile.data(), zeile.size(), InPx(punkt))));
  };
  std::string stil;
  for (const std::size_t zeile : Erstellreihenfolge) {
    const Steuerelement& s = Steuerelemente[zeile];
    if (s.art != Art::Beschriftung) {
      continue;
    }
    const BeschriftungsSatz satz = BeschriftungSetzen(s, Dpi, StandardPunkt, breiteVon);
    std::u16string text;
    for (const std::u16string& z : satz.zeilen) {
      text += (text.empty() ? u"" : u"\n") + z;
    }
    pz_inhalt(zeile, text.data(), text.size());
    PixelRechteck p = InPixel(s, Dpi);
    p.breite = satz.breite;
    stil +=
        '#' + ObjektName(s) + '{' + Ort(p, false) + "font-size:" + Länge(InPx(satz.punkt)) + '}';
  }
  pz_beschriften(stil.c_str());
}

// The display fields draw their text in the browser's grey for disabled text where it
// reads against the field and the window; otherwise that grey moved just far enough
// toward the text colour. Again whenever the colour scheme changes.
void Fenster::Färben() {
  pz_faerben(nullptr);
  const Steuerelement* anzeige = &ZeileVon(Feld::txtPZgesamt);
  const std::array gründe{FarbeVon(anzeige, false), FarbeVon(nullptr, false)};
  const Farbe f = LesbaresGrau(FarbeVon(anzeige, true), gründe,
                               FarbeVon(&ZeileVon(Feld::txtBehördenKennZahl), true));
  pz_faerben(("rgb(" + std::to_string(f.rot) + ',' + std::to_string(f.grün) + ',' +
              std::to_string(f.blau) + ')')
                 .c_str());
}

// Windows' message box: its title, the icon, the text and one OK button, which has the
// focus. A form of method dialog closes it without a script; so does Escape.
void Fenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                           Meldungsart art) {
  const bool warnung = art == Meldungsart::Warnung;
  const std::string markup =
      std::string("<dialog class=\"") + (warnung ? "meldung warnung" : "meldung") + "\" role=\"" +
      (warnung ? "alertdialog" : "dialog") +
      "\" aria-labelledby=\"meldung-titel\" aria-describedby=\"meldung-text\">"
      "<h2 id=\"meldung-titel\">" +
      Html(titel) + "</h2><div class=\"symbol\" aria-hidden=\"true\">" + (warnung ? "!" : "i") +
      "</div><p id=\"meldung-text\">" + Html(text) +
      "</p><form method=\"dialog\"><button>OK</button></form></dialog>";
  pz_modal(markup.c_str());
}

}  // namespace pz::web
