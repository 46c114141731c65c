#include "steuerelemente.hpp"

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
