// The Win32 front end with its real window, controls, messages and clipboard, under Wine
// when cross-built. The rules behind it are tested against a fake window; only what this
// adapter translates is tested here.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
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
using Meldungen = std::vector<std::tuple<std::wstring, std::wstring, UINT>>;  // text, title, style
const std::wstring GanzeNummer = L"123456789520727101231";
const std::wstring Vollständig = L"1234|56789|7|D|520727|3|101231|2|6|";

std::wstring Breit(std::u16string_view text) {
  return {text.begin(), text.end()};
}

std::wstring Zwischenablage() {
  OpenClipboard(nullptr);  // failing, it leaves no data to read
  const HANDLE daten = GetClipboardData(CF_UNICODETEXT);
  std::wstring text = daten ? static_cast<const wchar_t*>(GlobalLock(daten)) : L"<leer>";
  GlobalUnlock(daten);
  CloseClipboard();
  return text;
}

class Fenster : public ::testing::Test {
 protected:
  Fenster() { Neu(); }

  // A fresh window, shown and activated; also for each row of a table.
  void Neu() {
    fenster_.reset();
    fenster_ = std::make_unique<Hauptfenster>(GetModuleHandleW(nullptr));
    fenster_->SetzeMeldungsfenster([this](HWND, const auto&... meldung) {
      meldungen_.emplace_back(meldung...);
      return IDOK;
    });
    fenster_->Zeigen(SW_SHOWNORMAL);
    Abarbeiten();
  }

  // Through the program's own loop step, so that the dialog manager sees each key first.
  void Abarbeiten() {
    for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
      fenster_->Verarbeiten(m);
    }
  }

  void Senden(HWND an, UINT nachricht, WPARAM w) {
    SendMessageW(an, nachricht, w, 1);
    Abarbeiten();
  }

  // As after TranslateMessage: one WM_CHAR per character, to the control with the focus.
  void Tippen(const std::wstring& zeichen) {
    for (const wchar_t c : zeichen) {
      Senden(GetFocus(), WM_CHAR, c);
    }
  }

  HWND F(Feld feld) const { return fenster_->FeldFenster(feld); }
  HWND E(std::string_view name) const {
    return fenster_->Element(static_cast<std::size_t>(
        std::ranges::find(Steuerelemente, name, ObjektName) - Steuerelemente.begin()));
  }

  // The nine fields in the order of the number row, each followed by a bar.
  std::wstring Texte() const {
    std::wstring texte;
    for (std::size_t i = 0; i < AnzahlFelder; ++i) {
      texte.append(Breit(fenster_->Text(static_cast<Feld>(i)))) += L'|';
    }
    return texte;
  }

  std::unique_ptr<Hauptfenster> fenster_;
  Meldungen meldungen_;
};

// Keys typed, then perhaps one message to a field with one character selected. An edit pastes
// on Ctrl+V's character. Wine reports EN_CHANGE for a fifth digit that the maximum length
// refuses and for a digit typed over itself: passed on as a change, the full field would pull
// the focus on. Delete types no character, so only the edit's notification can report it.
TEST_F(Fenster, TastenUndNachrichtenAnDieFelder) {
  constexpr Feld bkz = txtBehördenKennZahl;
  using Fall = std::tuple<std::wstring, Feld, int, UINT, WPARAM, std::wstring, Feld>;
  for (const auto& [getippt, feld, zeichen, nachricht, w, erwartet, fokus] :
       {Fall{GanzeNummer, txtAblauf, 0, 0, 0, Vollständig, txtAblauf},
        Fall{L"\x16", txtSeriennr, 0, 0, 0, L"|||D||||||", bkz},
        Fall{L"1234", bkz, 4, WM_CHAR, L'5', L"1234|||D||||||", bkz},
        Fall{L"1234", bkz, 0, WM_CHAR, L'1', L"1234|||D||||||", bkz},
        Fall{L"", txtSeriennr, 0, WM_PASTE, 0, L"|12345||D||||||", txtGeburt},
        Fall{GanzeNummer, txtGeburt, 0, WM_KEYDOWN, VK_DELETE, L"1234|56789|7|D|20727||101231|2|6|",
             txtGeburt}}) {
    SCOPED_TRACE(testing::Message() << getippt << ", then " << nachricht << " " << w);
    Neu();
    ASSERT_TRUE(fenster_->InZwischenablageLegen(u"1234567"));
    Tippen(getippt);
    if (nachricht != 0) {
      SetFocus(F(feld));
      SendMessageW(F(feld), EM_SETSEL, static_cast<WPARAM>(zeichen), zeichen + 1);
      Senden(F(feld), nachricht, w);
    }
    EXPECT_EQ(Texte(), erwartet);
    EXPECT_EQ(GetFocus(), F(fokus));
  }
}

// While another program holds the clipboard open, a copy must warn and change nothing. Our
// window owns the clipboard and may have to answer the holder, so messages are pumped while
// waiting for it. The info box goes through the same seam.
TEST_F(Fenster, KnoepfeZwischenablageUndInfo) {
  Tippen(GanzeNummer);
  const wchar_t* const ganz = L"1234567897D520727310123126";
  for (const auto& [knopf, erwartet] :
       {std::tuple{"cb_ZA_0", L"1234567897"}, std::tuple{"cb_ZA_1", L"5207273"},
        std::tuple{"cb_ZA_2", L"10123126"}, std::tuple{"cb_ZA_alles", ganz}}) {
    Senden(E(knopf), BM_CLICK, 0);
    EXPECT_EQ(Zwischenablage(), erwartet) << knopf;
  }
  std::binary_semaphore offen{0}, freigeben{0};
  std::thread halter([&] {
    OpenClipboard(nullptr);
    offen.release();
    freigeben.acquire();
    CloseClipboard();
  });
  while (!offen.try_acquire_for(std::chrono::milliseconds(10))) {
    Abarbeiten();
  }
  Senden(E("cb_ZA_0"), BM_CLICK, 0);
  freigeben.release();
  halter.join();
  EXPECT_EQ(Zwischenablage(), ganz);
  Senden(fenster_->Fenster(), WM_LBUTTONDBLCLK, MK_LBUTTON);
  EXPECT_EQ(meldungen_,
            (Meldungen{{Breit(ZwischenablageBelegtText), Breit(FensterTitel), MB_ICONWARNING},
                       {Breit(InfoText), Breit(FensterTitel), MB_ICONINFORMATION}}));
}

// The dialog manager walks the z-order, which must follow the table's tab order and skip the
// disabled fields. Labels size themselves to their caption, so only their corner is held to
// the table.
TEST_F(Fenster, AnordnungUndTabFolge) {
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    RECT r;
    GetWindowRect(fenster_->Element(zeile), &r);
    MapWindowPoints(nullptr, fenster_->Fenster(), reinterpret_cast<POINT*>(&r), 2);
    const PixelRechteck soll = InPixel(s, 96);
    const bool ganz = s.art != Art::Beschriftung;
    EXPECT_EQ((std::array<long, 4>{r.left, r.top, ganz ? r.right - r.left : 0,
                                   ganz ? r.bottom - r.top : 0}),
              (std::array<long, 4>{soll.x, soll.y, ganz ? soll.breite : 0, ganz ? soll.höhe : 0}))
        << ObjektName(s);
  }
  for (const HWND ziel :
       {E("cb_ZA_alles"), E("cb_löschen"), E("cb_ZA_0"), E("cb_ZA_1"), E("cb_ZA_2"), F(txtSeriennr),
        F(txtGeburt), F(txtAblauf), F(txtBehördenKennZahl)}) {
    MSG taste{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    fenster_->Verarbeiten(taste);
    EXPECT_EQ(GetFocus(), ziel);
  }
}

}  // namespace
}  // namespace pz::win32
