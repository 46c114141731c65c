#include "form1.hpp"

#include <algorithm>

#include "nummer.hpp"
#include "tastencode.hpp"

namespace pz {

namespace {

bool IstZifferOderBackspace(std::int16_t code) {
  return (code >= 48 && code <= 57) || code == Backspace;
}

}  // namespace

void Form1::Form_Load() {
  rechner_.Laden();
}

void Form1::Form_Activate() {
  port_.SetzeFokus(Feld::txtBehördenKennZahl);
}

void Form1::Form_DblClick() {
  Melden(InfoText, Meldungsart::Information);
}

void Form1::txtBehördenKennZahl_KeyPress(std::int16_t& KeyAscii) {
  Tastenfilter(Feld::txtBehördenKennZahl, KeyAscii);
}
void Form1::txtSeriennr_KeyPress(std::int16_t& KeyAscii) {
  Tastenfilter(Feld::txtSeriennr, KeyAscii);
}
void Form1::txtGeburt_KeyPress(std::int16_t& KeyAscii) {
  Tastenfilter(Feld::txtGeburt, KeyAscii);
}
void Form1::txtAblauf_KeyPress(std::int16_t& KeyAscii) {
  Tastenfilter(Feld::txtAblauf, KeyAscii);
}

// A full field that takes nothing refuses even Backspace; Delete still works, as it types
// no character. The authority code has no such test: its maximum length refuses a fifth
// character, while a digit typed over a selection must still get through.
void Form1::Tastenfilter(Feld feld, std::int16_t& KeyAscii) const {
  const Eingabefeld* e = EingabefeldVon(feld);
  if (e == nullptr || (e->vollNimmtNichts && port_.Text(feld).size() == e->volleLänge) ||
      !IstZifferOderBackspace(KeyAscii)) {
    KeyAscii = 0;
  }
}

void Form1::txtBehördenKennZahl_Change() {
  Änderungsregel(Feld::txtBehördenKennZahl);
}
void Form1::txtSeriennr_Change() {
  Änderungsregel(Feld::txtSeriennr);
}
void Form1::txtGeburt_Change() {
  Änderungsregel(Feld::txtGeburt);
}
void Form1::txtAblauf_Change() {
  Änderungsregel(Feld::txtAblauf);
}

void Form1::Änderungsregel(Feld feld) {
  const Eingabefeld* e = EingabefeldVon(feld);
  if (e == nullptr) {
    return;
  }
  if (port_.Text(feld).size() >= e->volleLänge) {
    if (e->nächstes) {
      port_.SetzeFokus(*e->nächstes);
    }
    rechner_.PZs(port_);
  } else {
    port_.SetzeText(e->prüfziffer, u"");
  }
}

void Form1::cb_ZA_Click(std::int16_t Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= AnzahlBlöcke) {
    return;
  }
  InZwischenablage(Block(port_, static_cast<std::size_t>(Index)));
}

void Form1::cb_ZA_alles_Click() {
  InZwischenablage(GanzeNummer(port_));
}

// Each write raises the field's change rule at once, which empties the dependent check
// digit; only the overall check digit has no rule and is emptied here.
void Form1::cb_löschen_Click() {
  port_.SetzeText(Feld::txtBehördenKennZahl, u"");
  port_.SetzeText(Feld::txtSeriennr, u"");
  port_.SetzeText(Feld::txtGeburt, u"");
  port_.SetzeText(Feld::txtAblauf, u"");
  port_.SetzeText(Feld::txtPZgesamt, u"");
}

// A busy clipboard must not pass for a successful copy. The fields stay as they are.
void Form1::InZwischenablage(const std::u16string& text) {
  if (!port_.InZwischenablageLegen(text)) {
    Melden(ZwischenablageBelegtText, Meldungsart::Warnung);
  }
}

// Without a window manager nothing hands the focus back once the box is closed.
void Form1::Melden(std::u16string_view text, Meldungsart art) {
  port_.ZeigeMeldung(std::u16string(text), std::u16string(FensterTitel), art);
  if (fokus_ != nullptr) {
    port_.SetzeFokus(*fokus_);
  }
}

void Form1::KeyPress(Feld feld, std::int16_t& KeyAscii) {
  switch (feld) {
    case Feld::txtBehördenKennZahl:
      txtBehördenKennZahl_KeyPress(KeyAscii);
      break;
    case Feld::txtSeriennr:
      txtSeriennr_KeyPress(KeyAscii);
      break;
    case Feld::txtGeburt:
      txtGeburt_KeyPress(KeyAscii);
      break;
    case Feld::txtAblauf:
      txtAblauf_KeyPress(KeyAscii);
      break;
    default:
      break;
  }
}

void Form1::Change(Feld feld) {
  switch (feld) {
    case Feld::txtBehördenKennZahl:
      txtBehördenKennZahl_Change();
      break;
    case Feld::txtSeriennr:
      txtSeriennr_Change();
      break;
    case Feld::txtGeburt:
      txtGeburt_Change();
      break;
    case Feld::txtAblauf:
      txtAblauf_Change();
      break;
    default:
      break;
  }
}

void Form1::Click(const Steuerelement& knopf) {
  if (knopf.art != Art::Knopf) {
    return;
  }
  switch (knopf.knopf) {
    case Knopf::cb_ZA:
      cb_ZA_Click(knopf.index);
      break;
    case Knopf::cb_löschen:
      cb_löschen_Click();
      break;
    case Knopf::cb_ZA_alles:
      cb_ZA_alles_Click();
      break;
  }
}

std::u16string_view Form1::Einfügbar(std::u16string_view text, std::size_t platz) {
  text =
      text.substr(0, std::min(text.find_first_of(std::u16string_view(u"\r\n\0", 3)), text.size()));
  if (text.size() <= platz) {
    return text;
  }
  const bool trenntPaar = platz > 0 && IstHoch(text[platz - 1]);
  return text.substr(0, trenntPaar ? platz - 1 : platz);
}

void Form1::Aktiviert() {
  if (!aktiviert_) {
    aktiviert_ = true;
    Form_Activate();
    return;
  }
  port_.SetzeFokus(fokus_ != nullptr ? *fokus_ : ZeileVon(Feld::txtBehördenKennZahl));
}

void Form1::FokusErhalten(const Steuerelement& element) {
  if (element.art != Art::Beschriftung && element.aktiviert) {
    fokus_ = &element;
  }
}

}  // namespace pz
