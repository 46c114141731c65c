// What a screen reader learns of the controls: the names and descriptions the table gives
// every front end, each field's label, and that the display fields are read-only text.
#include <string>

#include "fenster_port.hpp"
#include "werkzeug.hpp"

namespace pz::web {

std::string Zugang(const Steuerelement& s) {
  std::string attribute = " aria-label=\"" + Html(ZugänglicherName(s)) + '"';
  // The tool tip is the description only where it adds to the name. A tip of the browser's
  // own (the title attribute) would be the description everywhere, so the page draws them.
  if (!ZugänglicheBeschreibung(s).empty()) {
    attribute += " aria-describedby=\"tipp-" + ObjektName(s) + '"';
  }
  if (s.art == Art::Textfeld && !s.aktiviert) {
    // Read-only text that cannot be reached, not a live announcement of each digit.
    attribute += " role=\"textbox\" aria-readonly=\"true\"";
  }
  return attribute;
}

std::string Utf8(std::u16string_view text) {
  std::string utf8;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (ImPaar(text, i + 1)) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    const auto byte = [&utf8](char32_t b) { utf8 += static_cast<char>(b); };
    if (c < 0x80) {
      byte(c);
    } else if (c < 0x800) {
      byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F));
    } else {
      byte(0xF0 | c >> 18), byte(0x80 | (c >> 12 & 0x3F)), byte(0x80 | (c >> 6 & 0x3F)),
          byte(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

std::string Html(std::u16string_view text) {
  std::string html;
  for (const char c : Utf8(text)) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

}  // namespace pz::web
