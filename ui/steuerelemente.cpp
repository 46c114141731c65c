#include "steuerelemente.hpp"

#include <algorithm>
#include <cmath>

#include "nummer.hpp"

namespace pz {

std::string ObjektName(const Steuerelement& s) {
  std::string name(s.name);
  if (s.index >= 0) {
    name += '_';
    name += std::to_string(s.index);
  }
  return name;
}

namespace {

// The caption a control shows: a field's is its label's.
std::u16string_view Beschriftung(const Steuerelement& s) {
  if (s.art != Art::Textfeld) {
    return s.text;
  }
  const Steuerelement* label = BeschriftungVon(s);
  return label != nullptr ? label->text : std::u16string_view{};
}

// Whether the tool tip completes the control's name; see ZugänglicherName.
bool TippImNamen(const Steuerelement& s) {
  switch (s.art) {
    case Art::Knopf:
      return true;
    case Art::Textfeld: {
      const Steuerelement* label = BeschriftungVon(s);
      return label == nullptr ||
             std::count_if(Steuerelemente.begin(), Steuerelemente.end(),
                           [&](const Steuerelement& o) { return o.text == label->text; }) > 1;
    }
    default:
      return false;
  }
}

// The fields whose texts a block joins, in its order. The block itself is asked, over
// fields that each hold a mark of their own, so that a button's name says what it copies.
std::vector<Feld> FelderVonBlock(std::size_t index) {
  struct Marken final : FeldAnsicht {
    std::u16string Text(Feld feld) const override {
      return std::u16string(1, static_cast<char16_t>(u'A' + FeldIndex(feld)));
    }
    void SetzeText(Feld, const std::u16string&) override {}
  };
  std::vector<Feld> felder;
  for (const char16_t marke : Block(Marken{}, index)) {
    felder.push_back(static_cast<Feld>(marke - u'A'));
  }
  return felder;
}

}  // namespace

std::u16string ZugänglicherName(const Steuerelement& s) {
  std::u16string name(Beschriftung(s));
  if (!TippImNamen(s)) {
    return name;
  }
  if (!name.empty()) {
    name += u": ";
  }
  name += s.tipp;
  if (s.art == Art::Knopf && s.knopf == Knopf::cb_ZA) {
    const char16_t* trenner = u" (";
    for (const Feld feld : FelderVonBlock(static_cast<std::size_t>(s.index))) {
      name.append(trenner).append(Beschriftung(ZeileVon(feld)));
      trenner = u", ";
    }
    name += u')';
  }
  return name;
}

std::u16string_view ZugänglicheBeschreibung(const Steuerelement& s) {
  return TippImNamen(s) ? std::u16string_view{} : s.tipp;
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

int BeschriftungsRaum(const Steuerelement& label, int dpi) {
  constexpr int Abstand = 60;  // twips, 4 pixels at 96 dpi
  int grenze = FensterBreite - Abstand;
  for (const Steuerelement& andere : Steuerelemente) {
    const bool gleicheZeile =
        andere.oben < label.oben + label.höhe && label.oben < andere.oben + andere.höhe;
    if (&andere != &label && gleicheZeile && andere.links > label.links) {
      grenze = std::min(grenze, andere.links - Abstand);
    }
  }
  return InPixel(grenze, dpi) - InPixel(label.links, dpi);
}

BeschriftungsSatz BeschriftungSetzen(
    const Steuerelement& label, int dpi, double standardPunkt,
    const std::function<int(std::u16string_view zeile, double punkt)>& breiteVon) {
  const int entwurf = InPixel(label, dpi).breite;
  BeschriftungsSatz satz{{std::u16string(label.text)}, 0, standardPunkt};
  if (label.umbrechen) {
    satz.zeilen = Umbrechen(label.text, entwurf, [&](std::u16string_view zeile) {
      return breiteVon(zeile, standardPunkt);
    });
  }
  const auto breiteBei = [&](double punkt) {
    int breite = label.umbrechen ? entwurf : 0;
    for (const std::u16string& zeile : satz.zeilen) {
      breite = std::max(breite, breiteVon(zeile, punkt));
    }
    return breite;
  };
  satz.breite = breiteBei(standardPunkt);
  const int raum = BeschriftungsRaum(label, dpi);
  if (satz.breite <= raum) {
    return satz;
  }
  // Text widths scale with the size: one jump lands close, a few quarter points finish.
  constexpr double Kleinste = 6.0;
  double punkt = std::floor(standardPunkt * raum / satz.breite * 4.0) / 4.0;
  punkt = std::clamp(punkt, Kleinste, std::max(Kleinste, standardPunkt - 0.25));
  int breite = breiteBei(punkt);
  while (breite > raum && punkt > Kleinste) {
    punkt -= 0.25;
    breite = breiteBei(punkt);
  }
  // The jump may have overshot; take back the quarter points that still fit.
  while (punkt + 0.25 < standardPunkt && breiteBei(punkt + 0.25) <= raum) {
    punkt += 0.25;
    breite = breiteBei(punkt);
  }
  satz.punkt = punkt;
  satz.breite = breite;
  return satz;
}

}  // namespace pz
