// The window as the page holds it from the start, made from the controls table when the
// page is built (app/web/vorlage.cpp): its controls' kinds, places, fonts, names and tool
// tips, as markup and a style sheet. The browser reads them with the page, before the
// program runs, as it reads any page; the labels' captions and sizes follow once they can
// be measured (see Fenster::Beschriften).
#include <cmath>
#include <string>

#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::web {

namespace {

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

}  // namespace

double InPx(double punkt) {
  return static_cast<double>(std::llround(punkt * Dpi / 72.0 * 1e6)) / 1e6;
}

std::string Länge(double pixel) {
  return "calc(" + Zahl(pixel) + " * var(--s))";
}

std::string Ort(const PixelRechteck& p, bool mitHöhe) {
  return "left:" + Länge(p.x) + ";top:" + Länge(p.y) + ";width:" + Länge(p.breite) +
         (mitHöhe ? ";height:" + Länge(p.höhe) : std::string()) + ';';
}

Vorlage Entwerfen() {
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
  return {stil, "<main class=\"fenster ungesetzt\" hidden>" + html + "</main>"};
}

}  // namespace pz::web
