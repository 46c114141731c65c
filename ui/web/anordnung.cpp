// The window's controls from the table: their kinds, places, fonts and tool tips, the
// colours of the display fields, and the message box. The controls go onto the page as one
// piece of markup with one style sheet; each call into the page costs more than building
// them in C++.
#include <array>
#include <cmath>
#include <string>

#include "fenster.hpp"
#include "kontrast.hpp"
#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::web {

namespace {

// Without a window system's dialog font, labels take the one Windows draws dialogs in at
// 96 dpi, 8 points, in the browser's own user-interface face.
constexpr double StandardPunkt = 8.25;
constexpr int Dpi = 96;

// To a millionth of a pixel, so that a label is measured at the size the page gives it.
double InPx(double punkt) {
  return static_cast<double>(std::llround(punkt * Dpi / 72.0 * 1e6)) / 1e6;
}

// A number as the style sheet takes it, to a millionth (printf would come into the
// program with %g, and make it a fifth larger).
std::string Zahl(double wert) {
  if (wert < 0) {
    return '-' + Zahl(-wert);
  }
  const long long millionstel = std::llround(wert * 1e6);
  std::string text = std::to_string(millionstel / 1000000);
  if (long long rest = millionstel % 1000000; rest != 0) {
    std::string bruch = std::to_string(rest + 1000000).substr(1);
    bruch.erase(bruch.find_last_not_of('0') + 1);
    text += '.' + bruch;
  }
  return text;
}

// A length in the window's pixels (96 to the inch at 100 % zoom), which the page scales
// down where the screen is narrower than the window.
std::string Länge(double pixel) {
  return "calc(" + Zahl(pixel) + " * var(--s))";
}

std::string Ort(const PixelRechteck& p, bool mitHöhe) {
  return "left:" + Länge(p.x) + ";top:" + Länge(p.y) + ";width:" + Länge(p.breite) +
         (mitHöhe ? ";height:" + Länge(p.höhe) : std::string()) + ';';
}

// Where Courier New is missing, its metric-compatible faces take its place.
std::string Schrift(const SchriftDef& def) {
  return "font:" + std::to_string(def.gewicht) + ' ' + Länge(InPx(def.hundertstelPunkt / 100.0)) +
         " \"" + Utf8(def.name) + "\", \"Liberation Mono\", Cousine, monospace;";
}

// Where a control's tool tip shows: under it, and kept inside the window at its right.
std::string TippOrt(const Steuerelement& s) {
  const PixelRechteck p = InPixel(s, Dpi);
  const int breite = InPixel(FensterBreite, Dpi);
  return "top:" + Länge(p.y + p.höhe + 2) + ';' +
         (2 * p.x + p.breite > breite ? "right:" + Länge(breite - p.x - p.breite)
                                      : "left:" + Länge(p.x)) +
         ';';
}

// A colour of the control's style, or of the window's for none.
Farbe FarbeVon(const Steuerelement* s, bool vordergrund) {
  const std::uint32_t rgb = pz_farbe(s != nullptr ? static_cast<int>(Zeile(*s)) : -1, vordergrund);
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

}  // namespace

void Fenster::Aufbauen() {
  const int breite = InPixel(FensterBreite, Dpi);
  // One window pixel is a CSS pixel, less where the screen is narrower than the window.
  std::string stil = ".fenster{--s:min(1px, calc(100vw / " + std::to_string(breite) +
                     "));width:" + Länge(breite) + ";height:" + Länge(InPixel(FensterHöhe, Dpi)) +
                     "}";
  // The browser shows the caption in its title bar; a screen reader finds it as the heading.
  std::string html = "<h1 class=\"titel\">" + Html(FensterTitel) + "</h1>";
  for (const std::size_t zeile : Erstellreihenfolge) {
    const Steuerelement& s = Steuerelemente[zeile];
    const std::string id = ObjektName(s);
    const std::string kopf = " id=\"" + id + "\" data-zeile=\"" + std::to_string(zeile) + '"';
    if (s.art == Art::Beschriftung) {
      // Its caption and size follow once it is measured; see Beschriften.
      html += "<label" + kopf + " for=\"" + ObjektName(ZeileVon(s.feld)) + "\"></label>";
      continue;
    }
    if (s.art == Art::Knopf) {
      html += "<button type=\"button\"" + kopf + Zugang(s) + '>' + Html(s.text) + "</button>";
    } else if (s.aktiviert) {
      // A tap brings up the digits; the key filter still decides what the field takes.
      html +=
          "<input type=\"text\" inputmode=\"numeric\" autocomplete=\"off\" "
          "autocapitalize=\"off\" spellcheck=\"false\" maxlength=\"" +
          std::to_string(MaxLänge(s)) + '"' + kopf + Zugang(s) + " value=\"" + Html(s.text) + "\">";
    } else {
      // A display field takes neither the focus nor input; the program writes it.
      html += "<output" + kopf + Zugang(s) + '>' + Html(s.text) + "</output>";
    }
    html += "<span class=\"tipp\" id=\"tipp-" + id + "\" aria-hidden=\"true\">" + Html(s.tipp) +
            "</span>";
    stil += '#' + id + '{' + Ort(InPixel(s, Dpi), true) + Schrift(SchriftVon(s)) + '}';
    stil += "#tipp-" + id + '{' + TippOrt(s) + '}';
  }
  pz_aufbauen(html.c_str(), stil.c_str());
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
  pz_faerben("");
  const Steuerelement* anzeige = &ZeileVon(Feld::txtPZgesamt);
  const std::array gründe{FarbeVon(anzeige, false), FarbeVon(nullptr, false)};
  const Farbe f = LesbaresGrau(FarbeVon(anzeige, true), gründe,
                               FarbeVon(&ZeileVon(Feld::txtBehördenKennZahl), true));
  pz_faerben(("output{color:rgb(" + std::to_string(f.rot) + ',' + std::to_string(f.grün) + ',' +
              std::to_string(f.blau) + ")}")
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
