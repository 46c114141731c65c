// The window's controls from the table: their kinds, places, fonts and tool tips, the
// colours of the display fields, and the message box. The controls go onto the page as one
// piece of markup with one style sheet; each call into the page costs more than building
// them in C++.
#include <array>
#include <cmath>
#include <cstdio>
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

double InPx(double punkt) {
  return punkt * Dpi / 72.0;
}

// A length in the window's pixels (96 to the inch at 100 % zoom), which the page scales
// down where the screen is narrower than the window.
std::string Länge(double pixel) {
  char zahl[32];
  std::snprintf(zahl, sizeof zahl, "%g", pixel);
  return std::string("calc(") + zahl + " * var(--s))";
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

Farbe FarbeVon(const val& element, const char* eigenschaft) {
  const auto text = val::global("getComputedStyle")(element)[eigenschaft].as<std::string>();
  int rot = 0, grün = 0, blau = 0;
  std::sscanf(text.c_str(), "rgb%*[a(] %d , %d , %d", &rot, &grün, &blau);
  return {static_cast<std::uint8_t>(rot), static_cast<std::uint8_t>(grün),
          static_cast<std::uint8_t>(blau)};
}

}  // namespace

void Fenster::Aufbauen() {
  // A label's caption broken and sized as the shared rule says, measured in its own font.
  const val körper = dokument_["body"];
  const std::string familie =
      val::global("getComputedStyle")(körper)["fontFamily"].as<std::string>();
  val zeichner =
      dokument_.call<val>("createElement", val("canvas")).call<val>("getContext", val("2d"));
  const auto breiteVon = [&](std::u16string_view zeile, double punkt) {
    zeichner.set("font", std::to_string(InPx(punkt)) + "px " + familie);
    const double breite =
        zeichner.call<val>("measureText", std::u16string(zeile))["width"].as<double>();
    return static_cast<int>(std::ceil(breite));
  };

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
      const BeschriftungsSatz satz = BeschriftungSetzen(s, Dpi, StandardPunkt, breiteVon);
      std::u16string text;
      for (const std::u16string& z : satz.zeilen) {
        text += (text.empty() ? u"" : u"\n") + z;
      }
      html += "<label" + kopf + " for=\"" + ObjektName(ZeileVon(s.feld)) + "\">" + Html(text) +
              "</label>";
      PixelRechteck p = InPixel(s, Dpi);
      p.breite = satz.breite;
      stil += '#' + id + '{' + Ort(p, false) + "font-size:" + Länge(InPx(satz.punkt)) + '}';
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
  fenster_ = dokument_.call<val>("createElement", val("main"));
  fenster_.set("className", val("fenster"));
  fenster_.set("innerHTML", html);
  // Sheets made by the program itself, which the page's policy lets it add.
  const val Blatt = val::global("CSSStyleSheet");
  val anordnung = Blatt.new_();
  anordnung.call<void>("replaceSync", stil);
  farben_ = Blatt.new_();
  const val blätter = dokument_["adoptedStyleSheets"];
  dokument_.set("adoptedStyleSheets", blätter.call<val>("concat", anordnung, farben_));
  for (const std::size_t zeile : Erstellreihenfolge) {
    if (Steuerelemente[zeile].art != Art::Beschriftung) {
      elemente_[zeile] = fenster_.call<val>("querySelector",
                                            val("[data-zeile=\"" + std::to_string(zeile) + "\"]"));
    }
  }
}

// The display fields draw their text in the browser's grey for disabled text where it
// reads against the field and the window; otherwise that grey moved just far enough
// toward the text colour. Again whenever the colour scheme changes.
void Fenster::Färben() {
  farben_.call<void>("replaceSync", val(""));
  const val& anzeige = FeldElement(Feld::txtPZgesamt);
  const std::array gründe{FarbeVon(anzeige, "backgroundColor"),
                          FarbeVon(fenster_, "backgroundColor")};
  const Farbe f = LesbaresGrau(FarbeVon(anzeige, "color"), gründe,
                               FarbeVon(FeldElement(Feld::txtBehördenKennZahl), "color"));
  farben_.call<void>("replaceSync", "output{color:rgb(" + std::to_string(f.rot) + ',' +
                                        std::to_string(f.grün) + ',' + std::to_string(f.blau) +
                                        ")}");
}

// Windows' message box: its title, the icon, the text and one OK button, which has the
// focus. A form of method dialog closes it without a script; so does Escape.
void Fenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                           Meldungsart art) {
  if (meldung_.isUndefined()) {
    meldung_ = dokument_.call<val>("createElement", val("dialog"));
    meldung_.set("innerHTML",
                 val("<h2 id='meldung-titel'></h2><div class='symbol' aria-hidden='true'></div>"
                     "<p id='meldung-text'></p><form method='dialog'><button>OK</button></form>"));
    meldung_.call<void>("setAttribute", val("aria-labelledby"), val("meldung-titel"));
    meldung_.call<void>("setAttribute", val("aria-describedby"), val("meldung-text"));
    dokument_["body"].call<void>("append", meldung_);
  }
  meldung_.call<val>("querySelector", val("h2")).set("textContent", titel);
  meldung_.call<val>("querySelector", val("p")).set("textContent", text);
  const bool warnung = art == Meldungsart::Warnung;
  meldung_.call<val>("querySelector", val(".symbol")).set("textContent", val(warnung ? "!" : "i"));
  meldung_.set("className", val(warnung ? "meldung warnung" : "meldung"));
  meldung_.call<void>("setAttribute", val("role"), val(warnung ? "alertdialog" : "dialog"));
  pz_modal(meldung_.as_handle());
}

}  // namespace pz::web
