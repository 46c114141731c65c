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

// Keys typed, then perhaps one message to a field with one character selected. An edit pastes
// on Ctrl+V's character. Wine reports EN_CHANGE for a fifth digit that the maximum length
// refuses: passed on as a change, the full field would pull the focus on. A digit typed over
// itself is a change. Delete types no character, so only the edit's notification reports it.
TEST_F(FensterTest, TastenUndNachrichtenAnDieFelder) {
  constexpr Feld bkz = txtBehördenKennZahl;
  struct Fall {
    const char* name;
    std::wstring getippt;
    Feld feld;
    int zeichen;  // selected
    UINT nachricht;
    WPARAM w;
    std::wstring erwartet;
    Feld fokus;
  };
  for (const Fall& fall : {
           Fall{"whole number", Eingabe, txtAblauf, 0, 0, 0, Vollständig, txtAblauf},
           Fall{"Ctrl+V typed", L"\x16", txtSeriennr, 0, 0, 0, L"|||D||||||", bkz},
           Fall{"fifth digit refused", L"1234", bkz, 4, WM_CHAR, L'5', L"1234|||D||||||", bkz},
           Fall{"Backspace before the first digit", L"1234", bkz, 0, WM_CHAR, L'\b',
                L"1234|||D||||||", bkz},
           Fall{"digit over itself", L"1234", bkz, 0, WM_CHAR, L'1', L"1234|||D||||||",
                txtSeriennr},
           Fall{"paste cut short", L"", txtSeriennr, 0, WM_PASTE, 0, L"|12345||D||||||", txtGeburt},
           Fall{"Delete", Eingabe, txtGeburt, 0, WM_KEYDOWN, VK_DELETE,
                L"1234|56789|7|D|20727||101231|2|6|", txtGeburt},
       }) {
    SCOPED_TRACE(fall.name);
    Neu();
    ASSERT_TRUE(fenster_->InZwischenablageLegen(u"1234567"));
    Tippen(fall.getippt);
    if (fall.nachricht != 0) {
      SetFocus(F(fall.feld));
      const int bis = fall.nachricht == WM_CHAR && fall.w == L'\b' ? 0 : fall.zeichen + 1;
      SendMessageW(F(fall.feld), EM_SETSEL, static_cast<WPARAM>(fall.zeichen), bis);
      Senden(F(fall.feld), fall.nachricht, fall.w);
    }
    EXPECT_EQ(Texte(), fall.erwartet);
    EXPECT_EQ(GetFocus(), F(fall.fokus));
  }
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
