// The window's controls from the table: their kinds, places, fonts and tool tips, the
// colours of the display fields, and the message box.
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

// Where Courier New is missing, its metric-compatible faces take its place.
std::u16string Familie(const SchriftDef& def) {
  return u"\"" + std::u16string(def.name) + u"\", \"Liberation Mono\", Cousine, monospace";
}

val Neu(const val& dokument, const char* was) {
  return dokument.call<val>("createElement", val(was));
}

void Setzen(val& element, const PixelRechteck& p) {
  val stil = element["style"];
  stil.set("left", Länge(p.x));
  stil.set("top", Länge(p.y));
  stil.set("width", Länge(p.breite));
  stil.set("height", Länge(p.höhe));
}

void Schrift(val& element, double punkt, std::u16string_view familie, int gewicht) {
  val stil = element["style"];
  stil.set("fontSize", Länge(InPx(punkt)));
  if (!familie.empty()) {
    stil.set("fontFamily", std::u16string(familie));
  }
  stil.set("fontWeight", gewicht);
}

// A label's caption broken and sized as the shared rule says, measured in its own font.
val NeueBeschriftung(const val& dokument, const Steuerelement& s, const val& fenster) {
  val label = Neu(dokument, "label");
  const auto familie = val::global("getComputedStyle")(fenster)["fontFamily"].as<std::u16string>();
  val zeichner = Neu(dokument, "canvas").call<val>("getContext", val("2d"));
  const auto breiteVon = [&](std::u16string_view zeile, double punkt) {
    zeichner.set("font", std::to_string(InPx(punkt)) + "px " + val(familie).as<std::string>());
    const double breite =
        zeichner.call<val>("measureText", std::u16string(zeile))["width"].as<double>();
    return static_cast<int>(std::ceil(breite));
  };
  const BeschriftungsSatz satz = BeschriftungSetzen(s, Dpi, StandardPunkt, breiteVon);
  std::u16string text;
  for (const std::u16string& zeile : satz.zeilen) {
    text += (text.empty() ? u"" : u"\n") + zeile;
  }
  label.set("textContent", text);
  PixelRechteck p = InPixel(s, Dpi);
  p.breite = satz.breite;
  Setzen(label, p);
  label["style"].set("height", val(""));  // as high as its lines
  Schrift(label, satz.punkt, u"", 400);
  return label;
}

val NeuesElement(const val& dokument, const Steuerelement& s) {
  switch (s.art) {
    case Art::Knopf: {
      val knopf = Neu(dokument, "button");
      knopf.set("type", val("button"));
      knopf.set("textContent", std::u16string(s.text));
      return knopf;
    }
    case Art::Textfeld:
      if (s.aktiviert) {
        val feld = Neu(dokument, "input");
        feld.set("type", val("text"));
        feld.set("maxLength", MaxLänge(s));
        // A tap brings up the digits; the key filter still decides what the field takes.
        feld.call<void>("setAttribute", val("inputmode"), val("numeric"));
        feld.call<void>("setAttribute", val("autocomplete"), val("off"));
        feld.call<void>("setAttribute", val("autocapitalize"), val("off"));
        feld.set("spellcheck", false);
        feld.set("value", std::u16string(s.text));
        return feld;
      } else {
        // A display field takes neither the focus nor input; the program writes it.
        val feld = Neu(dokument, "output");
        feld.set("value", std::u16string(s.text));
        return feld;
      }
    default:
      return val::undefined();
  }
}

// Where a control's tool tip shows: under it, and kept inside the window at its right.
void TippSetzen(val& tipp, const Steuerelement& s) {
  const PixelRechteck p = InPixel(s, Dpi);
  val stil = tipp["style"];
  stil.set("top", Länge(p.y + p.höhe + 2));
  if (2 * p.x + p.breite > InPixel(FensterBreite, Dpi)) {
    stil.set("right", Länge(InPixel(FensterBreite, Dpi) - p.x - p.breite));
  } else {
    stil.set("left", Länge(p.x));
  }
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
  dokument_.set("title", std::u16string(FensterTitel));
  fenster_ = Neu(dokument_, "main");
  fenster_.set("className", val("fenster"));
  val stil = fenster_["style"];
  const int breite = InPixel(FensterBreite, Dpi);
  // One window pixel is a CSS pixel, less where the screen is narrower than the window.
  stil.call<void>("setProperty", val("--s"),
                  val("min(1px, calc(100vw / " + std::to_string(breite) + "))"));
  stil.set("width", Länge(breite));
  stil.set("height", Länge(InPixel(FensterHöhe, Dpi)));
  dokument_["body"].call<void>("append", fenster_);  // for the labels' font
  // The browser shows the caption in its title bar; a screen reader finds it as the heading.
  val überschrift = Neu(dokument_, "h1");
  überschrift.set("className", val("titel"));
  überschrift.set("textContent", std::u16string(FensterTitel));
  fenster_.call<void>("append", überschrift);
  for (const std::size_t zeile : Erstellreihenfolge) {
    const Steuerelement& s = Steuerelemente[zeile];
    if (s.art == Art::Beschriftung) {
      elemente_[zeile] = NeueBeschriftung(dokument_, s, fenster_);
      fenster_.call<void>("append", elemente_[zeile]);
      continue;
    }
    val element = NeuesElement(dokument_, s);
    element.set("id", ObjektName(s));
    Setzen(element, InPixel(s, Dpi));
    const SchriftDef& def = SchriftVon(s);
    Schrift(element, def.hundertstelPunkt / 100.0, Familie(def), def.gewicht);
    val tipp = Neu(dokument_, "span");
    tipp.set("className", val("tipp"));
    tipp.set("id", "tipp-" + ObjektName(s));
    tipp.set("textContent", std::u16string(s.tipp));
    TippSetzen(tipp, s);
    Benennen(s, element, tipp);
    for (const char* typen :
         {"keydown focus", s.art == Art::Knopf ? "click" : "beforeinput input",
          s.aktiviert && s.art == Art::Textfeld ? "paste drop compositionstart compositionend"
                                                : ""}) {
      if (*typen != '\0' && (s.aktiviert || s.art == Art::Knopf)) {
        Horchen(element, typen, zeile);
      }
    }
    elemente_[zeile] = element;
    fenster_.call<void>("append", element, tipp);
  }
  // Labels name their fields once both are there.
  for (const Steuerelement& s : Steuerelemente) {
    if (const Steuerelement* label = BeschriftungVon(s)) {
      elemente_[Zeile(*label)].set("htmlFor", ObjektName(s));
    }
  }
  fenster_.call<void>("remove");
}

// The display fields draw their text in the browser's grey for disabled text where it
// reads against the field and the window; otherwise that grey moved just far enough
// toward the text colour. Again whenever the colour scheme changes.
void Fenster::Färben() {
  const val& eingabe = FeldElement(Feld::txtBehördenKennZahl);
  for (std::size_t zeile = 0; zeile < elemente_.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    if (s.art != Art::Textfeld || s.aktiviert) {
      continue;
    }
    val& feld = elemente_[zeile];
    feld["style"].set("color", val(""));
    const std::array gründe{FarbeVon(feld, "backgroundColor"),
                            FarbeVon(fenster_, "backgroundColor")};
    const Farbe f = LesbaresGrau(FarbeVon(feld, "color"), gründe, FarbeVon(eingabe, "color"));
    feld["style"].set("color", "rgb(" + std::to_string(f.rot) + ", " + std::to_string(f.grün) +
                                   ", " + std::to_string(f.blau) + ")");
  }
}

// Windows' message box: its title, the icon, the text and one OK button, which has the
// focus. A form of method dialog closes it without a script; so does Escape.
void Fenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                           Meldungsart art) {
  if (meldung_.isUndefined()) {
    meldung_ = Neu(dokument_, "dialog");
    meldung_.set("className", val("meldung"));
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
