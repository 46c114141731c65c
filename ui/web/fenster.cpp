#include "fenster.hpp"

#include <emscripten/emscripten.h>

#include <string>

#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace {

pz::web::Fenster* dasFenster = nullptr;

}  // namespace

extern "C" {
// Every event of the page arrives here, from browser.js.
EMSCRIPTEN_KEEPALIVE void pz_ereignis(emscripten::EM_VAL ereignis) {
  if (dasFenster != nullptr) {
    dasFenster->Ereignis(emscripten::val::take_ownership(ereignis));
  }
}
}

namespace pz::web {

Fenster::Fenster()
    : form_(*this),
      dokument_(val::global("document")),
      fenster_(val::undefined()),
      farben_(val::undefined()) {
  dasFenster = this;
  Aufbauen();
  form_.Form_Load();
}

void Fenster::Zeigen() {
  dokument_["body"].call<void>("append", fenster_);
  Färben();
  const val seite = val::global("window");
  Horchen(seite, "focus");
  Horchen(seite.call<val>("matchMedia", val("(prefers-color-scheme: dark)")), "change");
  Horchen(dokument_, "copy");
  // The controls' events rise to the window, which hands each to the control's handler.
  Horchen(fenster_,
          "keydown focusin click dblclick mousedown beforeinput input paste drop "
          "compositionstart compositionend");
  // Showing counts as an activation, whether or not the page has the system's focus yet.
  form_.Aktiviert();
}

std::u16string Fenster::Text(Feld feld) const {
  return FeldElement(feld)["value"].as<std::u16string>();
}

// As on Windows, every write is a change, even of the same text.
void Fenster::SetzeText(Feld feld, const std::u16string& text) {
  FeldElement(feld).set("value", text);
  Geändert(feld);
}

// A field keeps its selection while it has no focus, and the browser gives it back. The
// window is never scrolled: it fits the screen's width, and the browser would lay the page
// out first to see whether it has to.
void Fenster::SetzeFokus(const Steuerelement& element) {
  val ohneRollen = val::object();
  ohneRollen.set("preventScroll", true);
  elemente_[Zeile(element)].call<void>("focus", ohneRollen);
}

// The browser answers at once whether a copy went through, by the copy event that it
// raises inside execCommand; there the text goes on the clipboard as plain text and in no
// other format. A browser that refuses the copy raises no event, or returns false.
bool Fenster::InZwischenablageLegen(const std::u16string& text) {
  ablage_ = text;
  abgelegt_ = false;
  const bool kopiert = dokument_.call<bool>("execCommand", val("copy"));
  ablage_.reset();
  return kopiert && abgelegt_;
}

void Fenster::Geändert(Feld feld) {
  if (IstEingabefeld(feld)) {
    form_.Change(feld);
  }
}

void Fenster::Ereignis(const val& e) {
  const std::string typ = e["type"].as<std::string>();
  if (typ == "focus") {
    form_.Aktiviert();
    return;
  }
  if (typ == "change") {
    Färben();
    return;
  }
  if (typ == "copy") {
    if (ablage_) {
      e["clipboardData"].call<void>("setData", val("text/plain"), *ablage_);
      e.call<void>("preventDefault");
      abgelegt_ = true;
    }
    return;
  }
  const val ziel = e["target"];
  const val nummer = ziel["dataset"]["zeile"];
  // Fields and buttons take their own clicks; labels and display fields are part of the
  // window's surface, as a label and a disabled control are on Windows.
  const bool aufSteuerelement = !ziel.call<val>("closest", val("input, button")).isNull();
  if (typ == "dblclick") {
    if (!aufSteuerelement && e["button"].as<int>() == 0) {
      form_.Form_DblClick();
    }
    return;
  }
  if (!aufSteuerelement) {
    if (typ == "mousedown" || typ == "click") {
      // A click on the surface leaves the focus where it is and selects nothing; one on a
      // label does not pass on to its field.
      e.call<void>("preventDefault");
    }
    return;
  }
  const auto zeile = static_cast<std::size_t>(std::stoul(nummer.as<std::string>()));
  const Steuerelement& s = Steuerelemente[zeile];
  if (typ == "keydown") {
    Taste(zeile, e);
  } else if (typ == "focusin") {
    form_.FokusErhalten(s);
  } else if (typ == "click") {
    form_.Click(s);
  } else if (typ == "beforeinput") {
    VorEingabe(s.feld, e);
  } else if (typ == "input") {
    // What an input method shows while it composes is no edit yet; see KompositionEnde.
    if (!komposition_ && e["inputType"].as<std::string>() != "insertCompositionText") {
      Geändert(s.feld);
    }
  } else if (typ == "paste" || typ == "drop") {
    e.call<void>("preventDefault");
    const val daten = typ == "paste" ? e["clipboardData"] : e["dataTransfer"];
    if (typ == "drop") {
      // The field drops where the pointer is, as the browser shows while dragging.
      const val stelle = dokument_.call<val>("caretPositionFromPoint", e["clientX"], e["clientY"]);
      if (!stelle.isNull() && stelle["offsetNode"].strictlyEquals(ziel)) {
        ziel.call<void>("setSelectionRange", stelle["offset"], stelle["offset"]);
      }
      ziel.call<void>("focus");
    }
    Einfügen(s.feld, daten.call<std::u16string>("getData", val("text/plain")));
  } else if (typ == "compositionstart") {
    komposition_ =
        Komposition{ziel["value"].as<std::u16string>(), ziel["selectionStart"].as<std::size_t>(),
                    ziel["selectionEnd"].as<std::size_t>()};
  } else if (typ == "compositionend") {
    KompositionEnde(s.feld, e);
  }
}

}  // namespace pz::web
