// The Win32 front end with its real window, controls, messages and clipboard, under Wine
// when cross-built. The rules behind it are tested against a fake window; these are not.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <memory>
#include <semaphore>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "ui/steuerelemente.hpp"
#include "ui/win32/hauptfenster.hpp"

namespace pz::win32 {
namespace {

using enum Feld;

std::wstring Breit(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::wstring TextVon(HWND fenster) {
  wchar_t text[64] = {};  // far more than any field holds
  GetWindowTextW(fenster, text, 64);
  return text;
}

std::wstring Zwischenablage() {
  std::wstring text = L"<belegt>";
  if (OpenClipboard(nullptr)) {
    const HANDLE daten = GetClipboardData(CF_UNICODETEXT);
    const auto* zeichen = static_cast<const wchar_t*>(daten ? GlobalLock(daten) : nullptr);
    text = zeichen ? zeichen : L"<leer>";
    GlobalUnlock(daten);
    CloseClipboard();
  }
  return text;
}

void InZwischenablage(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL speicher = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(speicher), text.c_str(), bytes);
  GlobalUnlock(speicher);
  SetClipboardData(CF_UNICODETEXT, speicher);
  CloseClipboard();
}

// The message boxes shown: text, title, style.
using Meldungen = std::vector<std::tuple<std::wstring, std::wstring, UINT>>;

// The nine fields' texts, in the order of the number row.
using Feldtexte = std::array<std::wstring, AnzahlFelder>;

// Typed left to right; the blank is cancelled on the way.
const std::wstring GanzeNummer = L"1234567895207271012 31";
const Feldtexte Vollständig = {L"1234", L"56789",  L"7", L"D", L"520727",
                               L"3",    L"101231", L"2", L"6"};

class Fenster : public ::testing::Test {
 protected:
  void SetUp() override { Neu(); }
  void TearDown() override {
    fenster_.reset();
    Abarbeiten();
  }

  // A fresh window, shown and activated; also for each row of a table.
  void Neu() {
    TearDown();
    meldungen_.clear();
    fenster_ = std::make_unique<Hauptfenster>(GetModuleHandleW(nullptr));
    fenster_->SetzeMeldungsfenster(
        [this](HWND, const std::wstring& text, const std::wstring& titel, UINT stil) {
          meldungen_.emplace_back(text, titel, stil);
          return IDOK;
        });
    fenster_->Zeigen(SW_SHOWNORMAL);
    Abarbeiten();
  }

  // Runs the queued messages through the program's own loop step.
  void Abarbeiten() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      fenster_ ? fenster_->Verarbeiten(m) : static_cast<void>(DispatchMessageW(&m));
    }
  }

  // Short, as nearly every line needs them: a field's window, a control's by its name.
  HWND F(Feld feld) const { return fenster_->FeldFenster(feld); }
  HWND E(std::string_view name) const {
    const auto* zeile = std::find_if(Steuerelemente.begin(), Steuerelemente.end(),
                                     [&](const auto& s) { return ObjektName(s) == name; });
    return fenster_->Element(static_cast<std::size_t>(zeile - Steuerelemente.begin()));
  }

  // As after TranslateMessage: one WM_CHAR per character, to the control with the focus.
  void Tippen(const std::wstring& zeichen) {
    for (const wchar_t c : zeichen) {
      SendMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
      Abarbeiten();
    }
  }

  void Drücken(std::string_view name) {
    SendMessageW(E(name), BM_CLICK, 0, 0);
    Abarbeiten();
  }

  // Through the loop step, so that the dialog manager sees the key first.
  void Tab(bool umschalt) {
    BYTE tasten[256];
    GetKeyboardState(tasten);
    tasten[VK_SHIFT] = umschalt ? 0x80 : 0;
    SetKeyboardState(tasten);
    MSG nachricht{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    fenster_->Verarbeiten(nachricht);
    Abarbeiten();
  }

  Feldtexte Texte() const {
    Feldtexte texte;
    for (std::size_t i = 0; i < AnzahlFelder; ++i) {
      texte[i] = TextVon(F(static_cast<Feld>(i)));
    }
    return texte;
  }

  std::unique_ptr<Hauptfenster> fenster_;
  Meldungen meldungen_;
};

// Keys typed, then perhaps one message to a field. Letters, blanks, signs, Return, Escape
// and Ctrl codes are cancelled; Ctrl+V must not paste. Wine reports EN_CHANGE for a fifth digit
// that the maximum length refuses, an edit one for a digit typed over itself: passed on, the full
// field's rule would pull the focus on. Paste is cut to the maximum length. Delete types no
// character, so a full field's key filter does not stop it.
TEST_F(Fenster, TastenUndNachrichtenAnDieFelder) {
  const Feldtexte nurBkz = {L"1234", L"", L"", L"D"}, eingefügt = {L"", L"12345", L"", L"D"},
                  entfernt = {L"1234", L"56789", L"7", L"D", L"20727", L"", L"101231", L"2", L"6"};
  const struct {
    const char* name;
    std::wstring getippt;
    Feld feld;
    int zeichen;     // selected, if there
    UINT nachricht;  // 0: none
    WPARAM w;
    Feldtexte erwartet;
    Feld fokus;
  } fälle[] = {
      {"whole number", GanzeNummer, txtAblauf, 0, 0, 0, Vollständig, txtAblauf},
      {"only digits", L"1a\x03\x18\x16\x1a-2 3\r\x1b 4", txtSeriennr, 0, 0, 0, nurBkz, txtSeriennr},
      {"fifth digit", L"1234", txtBehördenKennZahl, 4, WM_CHAR, L'5', nurBkz, txtBehördenKennZahl},
      {"same digit", L"1234", txtBehördenKennZahl, 0, WM_CHAR, L'1', nurBkz, txtBehördenKennZahl},
      {"paste", L"", txtSeriennr, 0, WM_PASTE, 0, eingefügt, txtGeburt},
      {"delete", GanzeNummer, txtGeburt, 0, WM_KEYDOWN, VK_DELETE, entfernt, txtGeburt}};
  for (const auto& fall : fälle) {
    SCOPED_TRACE(fall.name);
    Neu();
    ASSERT_EQ(GetFocus(), F(txtBehördenKennZahl)) << "Form_Activate at start";
    InZwischenablage(L"1234567");
    Tippen(fall.getippt);
    if (fall.nachricht != 0) {
      SetFocus(F(fall.feld));
      SendMessageW(F(fall.feld), EM_SETSEL, static_cast<WPARAM>(fall.zeichen), fall.zeichen + 1);
      SendMessageW(F(fall.feld), fall.nachricht, fall.w, 1);
      Abarbeiten();
    }
    EXPECT_EQ(Texte(), fall.erwartet);
    EXPECT_EQ(GetFocus(), F(fall.fokus));
  }
}

// Each copy button puts its block on the clipboard. While another program holds the
// clipboard open, a copy says so through the warning box and changes nothing. The clear
// button empties the number back to its start and leaves the clipboard alone.
TEST_F(Fenster, KnoepfeUndZwischenablage) {
  Tippen(GanzeNummer);
  const wchar_t* const ganz = L"1234567897D520727310123126";
  for (const auto& [knopf, erwartet] :
       {std::tuple{"cb_ZA_0", L"1234567897"}, std::tuple{"cb_ZA_1", L"5207273"},
        std::tuple{"cb_ZA_2", L"10123126"}, std::tuple{"cb_ZA_alles", ganz}}) {
    SCOPED_TRACE(knopf);
    InZwischenablage(L"vorher");
    Drücken(knopf);
    EXPECT_EQ(Zwischenablage(), erwartet);
  }
  EXPECT_TRUE(meldungen_.empty());

  std::binary_semaphore offen{0}, freigeben{0};
  BOOL geöffnet = FALSE;
  std::thread halter([&] {
    geöffnet = OpenClipboard(nullptr);
    offen.release();
    freigeben.acquire();
    CloseClipboard();
  });
  while (!offen.try_acquire_for(std::chrono::milliseconds(10))) {
    Abarbeiten();  // the clipboard's owner, our window, may have to answer the holder
  }
  Drücken("cb_ZA_0");
  freigeben.release();
  halter.join();
  ASSERT_TRUE(geöffnet);
  EXPECT_EQ(
      meldungen_,
      (Meldungen{{Breit(ZwischenablageBelegtText), Breit(FensterTitel), MB_ICONWARNING | MB_OK}}));
  EXPECT_EQ(Zwischenablage(), ganz);
  EXPECT_EQ(Texte(), Vollständig);

  Drücken("cb_löschen");
  EXPECT_EQ(Texte(), (Feldtexte{L"", L"", L"", L"D"}));
  EXPECT_EQ(Zwischenablage(), ganz);
}

// Only the enabled controls take part, in the table's order, which must also be the
// z-order the dialog manager walks.
TEST_F(Fenster, TabUndUmschaltTabDurchlaufenNeunElemente) {
  const std::vector<HWND> zyklus = {E("cb_ZA_alles"), E("cb_löschen"), E("cb_ZA_0"),
                                    E("cb_ZA_1"),     E("cb_ZA_2"),    F(txtSeriennr),
                                    F(txtGeburt),     F(txtAblauf),    F(txtBehördenKennZahl)};
  ASSERT_EQ(GetFocus(), zyklus.back());
  const std::size_t n = zyklus.size();
  for (const bool umschalt : {false, true}) {  // once round forwards, then backwards
    for (std::size_t i = 0; i < n; ++i) {
      Tab(umschalt);
      EXPECT_EQ(GetFocus(), zyklus[umschalt ? (2 * n - 2 - i) % n : i])
          << (umschalt ? "Shift+" : "") << "Tab " << i + 1;
    }
  }
}

// Coming back to the window puts the focus where it was, not on the first field.
TEST_F(Fenster, RueckkehrInsFensterGibtDemFeldDenFokusZurueck) {
  Tippen(L"123456789");
  const HWND anderes =
      CreateWindowExW(0, L"STATIC", L"anderes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(anderes);
  Abarbeiten();
  ASSERT_NE(GetActiveWindow(), fenster_->Fenster());
  SetActiveWindow(fenster_->Fenster());
  Abarbeiten();
  EXPECT_EQ(GetFocus(), F(txtGeburt));
  DestroyWindow(anderes);
}

// A double click in a field stays there; only one on the free area shows the info.
TEST_F(Fenster, DoppelklickAufDieFreieFlaecheZeigtDieInfo) {
  PostMessageW(F(txtBehördenKennZahl), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageW(fenster_->Fenster(), WM_LBUTTONDBLCLK, MK_LBUTTON,
               MAKELPARAM(InPixel(6300, 96), InPixel(1600, 96)));
  Abarbeiten();
  EXPECT_EQ(meldungen_, (Meldungen{{Breit(InfoText), Breit(FensterTitel), MB_ICONINFORMATION}}));
}

// Every control at its place from the table's twips, at the start and after a move to a
// monitor with 150 %; labels size themselves to their caption, so only their corner counts.
TEST_F(Fenster, JedesElementStehtAnSeinemPlatz) {
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    if (dpi != 96) {
      RECT vorschlag{10, 10, 700, 300};
      SendMessageW(fenster_->Fenster(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&vorschlag));
    }
    RECT innen;
    GetClientRect(fenster_->Fenster(), &innen);
    EXPECT_EQ(innen.right, InPixel(FensterBreite, dpi));
    EXPECT_EQ(innen.bottom, InPixel(FensterHöhe, dpi));
    for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
      const Steuerelement& s = Steuerelemente[zeile];
      RECT r;
      GetWindowRect(fenster_->Element(zeile), &r);
      MapWindowPoints(nullptr, fenster_->Fenster(), reinterpret_cast<POINT*>(&r), 2);
      const PixelRechteck soll = InPixel(s, dpi);
      const bool ganz = s.art != Art::Beschriftung;
      using Maße = std::array<long, 4>;
      EXPECT_EQ((Maße{r.left, r.top, ganz ? r.right - r.left : 0, ganz ? r.bottom - r.top : 0}),
                (Maße{soll.x, soll.y, ganz ? soll.breite : 0, ganz ? soll.höhe : 0}))
          << ObjektName(s) << ": x, y, width, height";
    }
  }
  LOGFONTW schrift;
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(F(txtGeburt), WM_GETFONT, 0, 0)), sizeof schrift,
             &schrift);
  EXPECT_EQ(schrift.lfHeight, -20) << "9.75 pt at 144 dpi";
}

}  // namespace
}  // namespace pz::win32
