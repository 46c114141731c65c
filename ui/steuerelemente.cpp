#include "steuerelemente.hpp"

#include <algorithm>
#include <cassert>

namespace pz {

const Steuerelement& ZeileVon(Feld feld) {
  for (const auto& s : Steuerelemente) {
    if (s.art == Art::Textfeld && s.feld == feld) {
      return s;
    }
  }
  assert(false && "every field has a row");
  return Steuerelemente.back();
}

std::string ObjektName(const Steuerelement& s) {
  std::string name(s.name);
  if (s.index >= 0) {
    name += '_';
    name += std::to_string(s.index);
  }
  return name;
}

std::vector<std::u16string> Umbrechen(std::u16string_view text, int breite,
                                      const std::function<int(std::u16string_view)>& breiteVon) {
  std::vector<std::u16string> zeilen;
  while (!text.empty()) {
    const std::size_t ende = std::min(text.find(u' '), text.size());
    const std::u16string_view wort = text.substr(0, ende);
    text.remove_prefix(std::min(ende + 1, text.size()));
    if (wort.empty()) {
      continue;
    }
    if (!zeilen.empty()) {
      const std::u16string länger = zeilen.back() + u' ' + std::u16string(wort);
      if (breiteVon(länger) <= breite) {
        zeilen.back() = länger;
        continue;
      }
    }
    zeilen.emplace_back(wort);
  }
  return zeilen;
}

int InPixel(int twips, int dpi) {
  // Round half away from zero; twips are never negative here.
  const long long zähler = static_cast<long long>(twips) * dpi;
  return static_cast<int>((zähler + 720) / 1440);
}

PixelRechteck InPixel(const Steuerelement& s, int dpi) {
  const int x = InPixel(s.links, dpi);
  const int y = InPixel(s.oben, dpi);
  return {x, y, InPixel(s.links + s.breite, dpi) - x, InPixel(s.oben + s.höhe, dpi) - y};
}

}  // namespace pz
