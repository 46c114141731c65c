// The Win32 front end with its real window, controls, messages and clipboard, under Wine
// when cross-built. The rules behind it are tested against a fake window; only what this
// adapter translates is tested here.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

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

#include "fenster.hpp"
#include "nummer.hpp"
#include "steuerelemente.hpp"

namespace pz::win32 {
namespace {

using enum Feld;
using Meldungen = std::vector<std::tuple<std::wstring, std::wstring, UINT>>;  // text, title, style
const std::wstring Eingabe = L"123456789520727101231";
const std::wstring Vollständig = L"1234|56789|7|D|520727|3|101231|2|6|";

std::wstring Breit(std::u16string_view text) {
  return {text.begin(), text.end()};
}

std::u16string Schmal(std::wstring_view text) {
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

class FensterTest : public ::testing::Test {
 protected:
  FensterTest() { Neu(); }

  // A fresh window, shown and activated; also for each row of a table.
  void Neu() {
    fenster_.reset();
    fenster_ = std::make_unique<Fenster>(GetModuleHandleW(nullptr));
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

  std::unique_ptr<Fenster> fenster_;
  Meldungen meldungen_;
};

// Keys typed, then perhaps one message to a field with a selection. An edit pastes on
// Ctrl+V's character. Wine reports EN_CHANGE for a fifth digit that the maximum length
// refuses: passed on as a change, the full field would pull the focus on. A digit typed over
// itself is a change. Delete types no character, so only the edit's notification reports it.
// Every message that brings a character passes the key filter; a paste takes what Form1
// says a field takes.
TEST_F(FensterTest, TastenUndNachrichtenAnDieFelder) {
  constexpr Feld bkz = txtBehördenKennZahl;
  struct Fall {
    const char* name;
    std::wstring getippt{};
    UINT nachricht = 0;
    WPARAM w = 0;
    Feld feld = bkz;
    std::pair<int, int> auswahl{};
    std::wstring ablage = L"1234567";
    std::wstring erwartet{};
    Feld fokus = bkz;
  };
  // clang-format off
  for (const Fall& fall : {
      Fall{.name = "whole number", .getippt = Eingabe, .erwartet = Vollständig, .fokus = txtAblauf},
      Fall{.name = "Ctrl+V typed", .getippt = L"\x16", .erwartet = L"|||D||||||"},
      Fall{.name = "digits of other scripts", .getippt = L"\x0663\x06F3\x0969\xFF13\x0E53",
           .erwartet = L"|||D||||||"},
      Fall{.name = "fifth digit refused", .getippt = L"1234", .nachricht = WM_CHAR, .w = L'5',
           .auswahl = {4, 4}, .erwartet = L"1234|||D||||||"},
      Fall{.name = "Backspace before the first digit", .getippt = L"1234", .nachricht = WM_CHAR,
           .w = L'\b', .erwartet = L"1234|||D||||||"},
      Fall{.name = "digit over itself", .getippt = L"1234", .nachricht = WM_CHAR, .w = L'1',
           .auswahl = {0, 1}, .erwartet = L"1234|||D||||||", .fokus = txtSeriennr},
      Fall{.name = "WM_UNICHAR, Arabic-Indic three", .nachricht = WM_UNICHAR, .w = 0x0663,
           .erwartet = L"|||D||||||"},
      Fall{.name = "WM_UNICHAR, beyond 16 bits", .nachricht = WM_UNICHAR, .w = 0x1D7D1,
           .erwartet = L"|||D||||||"},
      Fall{.name = "WM_UNICHAR, a digit", .nachricht = WM_UNICHAR, .w = L'5',
           .erwartet = L"5|||D||||||"},
      Fall{.name = "paste cut short", .nachricht = WM_PASTE, .feld = txtSeriennr,
           .erwartet = L"|12345||D||||||", .fokus = txtGeburt},
      Fall{.name = "paste up to the line break", .nachricht = WM_PASTE, .ablage = L"12\r\n34",
           .erwartet = L"12|||D||||||"},
      Fall{.name = "paste up to a lone carriage return", .nachricht = WM_PASTE,
           .ablage = L"12\r34", .erwartet = L"12|||D||||||"},
      Fall{.name = "paste, no half of a pair", .nachricht = WM_PASTE,
           .ablage = L"123\xD83D\xDE00", .erwartet = L"123|||D||||||"},
      Fall{.name = "paste, a whole pair", .nachricht = WM_PASTE, .ablage = L"12\xD83D\xDE00",
           .erwartet = L"12\xD83D\xDE00|||D||||||", .fokus = txtSeriennr},
      Fall{.name = "Delete", .getippt = Eingabe, .nachricht = WM_KEYDOWN, .w = VK_DELETE,
           .feld = txtGeburt, .erwartet = L"1234|56789|7|D|20727||101231|2|6|",
           .fokus = txtGeburt},
  }) {  // clang-format on
    SCOPED_TRACE(fall.name);
    Neu();
    ASSERT_TRUE(fenster_->InZwischenablageLegen(Schmal(fall.ablage)));
    Tippen(fall.getippt);
    if (fall.nachricht != 0) {
      SetFocus(F(fall.feld));
      SendMessageW(F(fall.feld), EM_SETSEL, static_cast<WPARAM>(fall.auswahl.first),
                   fall.auswahl.second);
      Senden(F(fall.feld), fall.nachricht, fall.w);
    }
    EXPECT_EQ(Texte(), fall.erwartet);
    EXPECT_EQ(GetFocus(), F(fall.fokus));
  }
  EXPECT_EQ(SendMessageW(F(bkz), WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
}

// Each copy button reaches its own command, and the clipboard hands out what Form1 put
// there. While another program holds the clipboard open, a copy must warn and change
// nothing; our window owns the clipboard and may have to answer the holder, so messages
// are pumped while waiting for it. The info box goes through the same seam.
TEST_F(FensterTest, KnöpfeZwischenablageUndMeldungen) {
  Tippen(Eingabe);
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Knopf && s.knopf != Knopf::cb_löschen) {
      Senden(E(ObjektName(s)), BM_CLICK, 0);
      EXPECT_EQ(Zwischenablage(),
                Breit(s.knopf == Knopf::cb_ZA ? Block(*fenster_, static_cast<std::size_t>(s.index))
                                              : GanzeNummer(*fenster_)))
          << ObjektName(s);
    }
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
  EXPECT_EQ(Zwischenablage(), Breit(GanzeNummer(*fenster_)));
  Senden(fenster_->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON);
  EXPECT_EQ(meldungen_,
            (Meldungen{{Breit(ZwischenablageBelegtText), Breit(FensterTitel), MB_ICONWARNING},
                       {Breit(InfoText), Breit(FensterTitel), MB_ICONINFORMATION}}));
  EXPECT_EQ(GetFocus(), E("cb_ZA_0")) << "the focus is back where it was before the boxes";
}

// The dialog manager walks the z-order, which must follow the table's tab order and skip the
// disabled fields. Labels size themselves to their caption, so only their corner is held to
// the table.
TEST_F(FensterTest, AnordnungUndTabFolge) {
  for (const Steuerelement& s : Steuerelemente) {
    RECT r;
    GetWindowRect(fenster_->Element(Zeile(s)), &r);
    MapWindowPoints(nullptr, fenster_->Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const PixelRechteck soll = InPixel(s, 96);
    const bool ganz = s.art != Art::Beschriftung;
    EXPECT_EQ((std::array<long, 4>{r.left, r.top, ganz ? r.right - r.left : 0,
                                   ganz ? r.bottom - r.top : 0}),
              (std::array<long, 4>{soll.x, soll.y, ganz ? soll.breite : 0, ganz ? soll.höhe : 0}))
        << ObjektName(s);
  }
  // The tips come once the window is on the screen, one for each control that has one.
  ASSERT_NE(fenster_->Tipps(), nullptr);
  EXPECT_EQ(SendMessageW(fenster_->Tipps(), TTM_GETTOOLCOUNT, 0, 0),
            std::ranges::count_if(Steuerelemente, [](const auto& s) { return !s.tipp.empty(); }));
  // A DPI no screen has, sent by another program, changes nothing.
  RECT vorher, nachher, vorschlag{0, 0, 10, 10};
  GetWindowRect(F(txtSeriennr), &vorher);
  SendMessageW(fenster_->Hwnd(), 0x02E0 /* WM_DPICHANGED */, 0,
               reinterpret_cast<LPARAM>(&vorschlag));
  GetWindowRect(F(txtSeriennr), &nachher);
  EXPECT_TRUE(EqualRect(&vorher, &nachher));
  // The focus starts in the authority code, the last stop of the cycle.
  for (const Steuerelement& s : Steuerelemente) {
    if (IstTabstopp(s)) {
      MSG taste{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
      fenster_->Verarbeiten(taste);
      EXPECT_EQ(GetFocus(), fenster_->Element(Zeile(s))) << ObjektName(s);
    }
  }
}

// Back in the window, the focus returns to the control that had it, a button too; a program
// write is a change even when it writes the same text.
TEST_F(FensterTest, AktivierungUndProgrammÄnderung) {
  SetFocus(E("cb_löschen"));
  SetFocus(nullptr);
  Senden(fenster_->Hwnd(), WM_ACTIVATE, WA_ACTIVE);
  EXPECT_EQ(GetFocus(), E("cb_löschen"));
  for (int mal = 0; mal < 2; ++mal) {
    SetFocus(F(txtBehördenKennZahl));
    fenster_->SetzeText(txtGeburt, u"520727");
    EXPECT_EQ(GetFocus(), F(txtAblauf)) << mal;
  }
}

}  // namespace
}  // namespace pz::win32
