// What a screen reader learns of the controls: the names and descriptions the table gives
// every front end, and that the display fields are read-only text.
#include <string>

#include "fenster.hpp"
#include "steuerelemente.hpp"

namespace pz::web {

void Fenster::Benennen(const Steuerelement& s, val& element, const val& tipp) {
  const auto setzen = [&element](const char* attribut, const val& wert) {
    element.call<void>("setAttribute", val(attribut), wert);
  };
  setzen("aria-label", val(ZugänglicherName(s)));
  // The tool tip is the description only where it adds to the name. A tip of the browser's
  // own (the title attribute) would be the description everywhere, so the page draws them.
  if (!ZugänglicheBeschreibung(s).empty()) {
    setzen("aria-describedby", tipp["id"]);
  }
  tipp.call<void>("setAttribute", val("aria-hidden"), val("true"));
  if (s.art == Art::Textfeld && !s.aktiviert) {
    // Read-only text that cannot be reached, not a live announcement of each digit.
    setzen("role", val("textbox"));
    setzen("aria-readonly", val("true"));
  }
}

}  // namespace pz::web
