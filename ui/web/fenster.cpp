#include "fenster.hpp"

#include <emscripten/emscripten.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>

#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace {

pz::web::Fenster* dasFenster = nullptr;

using pz::web::Ereignisart;

// The DOM's names of the events, in the order of Ereignisart.
// clang-format off
constexpr std::array<const char*, 14> Ereignisnamen{
    "focus", "change", "copy", "keydown", "focusin", "click", "dblclick", "mousedown",
    "beforeinput", "input", "paste", "drop", "compositionstart", "compositionend"};
// clang-format on

// Where the page hands events over from (see pz_horchen).
enum Ziel { Seite, Farbschema, Dokument, FensterFläche };

void Horchen(Ziel ziel, std::initializer_list<Ereignisart> arten) {
  for (const Ereignisart art : arten) {
    pz_horchen(ziel, Ereignisnamen[static_cast<std::size_t>(art)], static_cast<int>(art));
  }
}

}  // namespace

extern "C" {
// Before the page is first drawn, from browser.js.
EMSCRIPTEN_KEEPALIVE void pz_erstes_bild() {
  if (dasFenster != nullptr) {
    dasFenster->ErstesBild();
  }
}

// Every event of the page arrives here, from browser.js.
EMSCRIPTEN_KEEPALIVE void pz_ereignis(int art, int zeile, unsigned zustand) {
  if (dasFenster != nullptr) {
    dasFenster->Ereignis(
        static_cast<Ereignisart>(art),
        zeile < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(zeile)),
        zustand);
  }
}
}

namespace pz::web {

std::u16string Übernehmen(std::uint32_t* block) {
  if (block == nullptr) {
    return {};
  }
  std::u16string text(reinterpret_cast<const char16_t*>(block + 1), block[0]);
  std::free(block);
  return text;
}

Fenster::Fenster() : form_(*this) {
  dasFenster = this;
  Aufbauen();
  form_.Form_Load();
}

void Fenster::Zeigen() {
  pz_zeigen();
  Horchen(Seite, {Ereignisart::focus});
  Horchen(Farbschema, {Ereignisart::change});
  Horchen(Dokument, {Ereignisart::copy});
  // The controls' events rise to the window, which hands each to the control's handler.
  Horchen(FensterFläche,
          {Ereignisart::keydown, Ereignisart::focusin, Ereignisart::click, Ereignisart::dblclick,
           Ereignisart::mousedown, Ereignisart::beforeinput, Ereignisart::input, Ereignisart::paste,
           Ereignisart::drop, Ereignisart::compositionstart, Ereignisart::compositionend});
  // Showing counts as an activation, whether or not the page has the system's focus yet.
  form_.Aktiviert();
  pz_vor_dem_zeichnen();
}

// Done before the browser first draws the page, but after the focus is in its field: a key
// pressed meanwhile goes first.
void Fenster::ErstesBild() {
  Beschriften();
  Färben();
}

std::u16string Fenster::Text(Feld feld) const {
  return Übernehmen(pz_text(Zeile(ZeileVon(feld))));
}

// As on Windows, every write is a change, even of the same text.
void Fenster::SetzeText(Feld feld, const std::u16string& text) {
  pz_setze_text(Zeile(ZeileVon(feld)), text.data(), text.size());
  Geändert(feld);
}

// A field keeps its selection while it has no focus, and the browser gives it back. The
// window is never scrolled: it fits the screen's width, and the browser would lay the page
// out first to see whether it has to.
void Fenster::SetzeFokus(const Steuerelement& element) {
  pz_fokus(Zeile(element), true);
}

// The browser answers at once whether a copy went through, by the copy event that it
// raises inside execCommand; there the text goes on the clipboard as plain text and in no
// other format. A browser that refuses the copy raises no event, or returns false.
bool Fenster::InZwischenablageLegen(const std::u16string& text) {
  ablage_ = text;
  abgelegt_ = false;
  const bool kopiert = pz_befehl("copy");
  ablage_.reset();
  return kopiert && abgelegt_;
}

void Fenster::Geändert(Feld feld) {
  if (IstEingabefeld(feld)) {
    form_.Change(feld);
  }
}

// Fields and buttons take their own events; labels and display fields are part of the
// window's surface, as a label and a disabled control are on Windows.
void Fenster::Ereignis(Ereignisart art, std::optional<std::size_t> zeile, unsigned zustand) {
  switch (art) {
    case Ereignisart::focus:
      form_.Aktiviert();
      return;
    case Ereignisart::change:
      Färben();
      return;
    case Ereignisart::copy:
      if (ablage_) {
        pz_ereignis_ablegen(ablage_->data(), ablage_->size());
        abgelegt_ = true;
      }
      return;
    case Ereignisart::dblclick:
      if (!zeile && (zustand & Haupttaste) != 0) {
        form_.Form_DblClick();
      }
      return;
    default:
      break;
  }
  if (!zeile) {
    if (art == Ereignisart::mousedown || art == Ereignisart::click) {
      // A click on the surface leaves the focus where it is and selects nothing; one on a
      // label does not pass on to its field.
      pz_ereignis_abwehren();
    }
    return;
  }
  const Steuerelement& s = Steuerelemente[*zeile];
  switch (art) {
    case Ereignisart::keydown:
      Taste(*zeile, zustand);
      break;
    case Ereignisart::focusin:
      form_.FokusErhalten(s);
      break;
    case Ereignisart::click:
      form_.Click(s);
      break;
    case Ereignisart::beforeinput:
      VorEingabe(s.feld);
      break;
    case Ereignisart::input:
      // What an input method shows while it composes is no edit yet; see KompositionEnde.
      if (!komposition_ &&
          TextDesEreignisses(EreignisText::Eingabeart) != u"insertCompositionText") {
        Geändert(s.feld);
      }
      break;
    case Ereignisart::paste:
    case Ereignisart::drop:
      pz_ereignis_abwehren();
      if (art == Ereignisart::drop) {
        // The field drops where the pointer is, as the browser shows while dragging.
        if (const int stelle = pz_ereignis_stelle(*zeile); stelle >= 0) {
          pz_waehlen(*zeile, static_cast<std::size_t>(stelle), static_cast<std::size_t>(stelle));
        }
        pz_fokus(*zeile, false);
      }
      Einfügen(s.feld, TextDesEreignisses(EreignisText::Übergeben));
      break;
    case Ereignisart::compositionstart: {
      std::uint32_t anfang = 0, ende = 0;
      pz_auswahl(*zeile, &anfang, &ende);
      komposition_ = Komposition{Übernehmen(pz_text(*zeile)), anfang, ende};
      break;
    }
    case Ereignisart::compositionend:
      KompositionEnde(s.feld);
      break;
    default:
      break;
  }
}

}  // namespace pz::web
