// The Win32 front end with its real window, controls, messages and clipboard, under Wine
// when cross-built. The rules behind it are tested against a test window without a screen; only
// what this adapter translates is tested here.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "fenster.hpp"
#include "kontrast_messen.hpp"
#include "nummer.hpp"
#include "steuerelemente.hpp"
#include "strg_a_faelle.hpp"
#include "werkzeug.hpp"

namespace pz::win32 {
namespace {

using enum Feld;

class FensterTest : public ::testing::Test {
 protected:
  FensterTest() { Neu(); }

  // A fresh window, shown and activated; also for each row of a table.
  void Neu() {
    fenster_.reset();
    fenster_ = std::make_unique<Fenster>(GetModuleHandleW(nullptr));
    fenster_->Zeigen(SW_SHOWNORMAL);
    Abarbeiten();
  }

  // Through the program's own loop step, so that the dialog manager sees each key first.
  void Abarbeiten() {
    for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
      fenster_->Verarbeiten(m);
    }
  }

  // Input as the system delivers it, through the program's loop: a key goes to the dialog
  // manager first, and the loop makes its character. Held is Shift or Ctrl, or nothing
  // else: the edit asks the thread's keyboard state.
  void Eingeben(HWND an, UINT nachricht, WPARAM w, LPARAM l = 1, BYTE gehalten = 0) {
    std::array<BYTE, 256> tasten{};
    tasten[gehalten] = gehalten != 0 ? 0x80 : 0;
    SetKeyboardState(tasten.data());
    MSG m{an, nachricht, w, l, 0, {0, 0}};
    fenster_->Verarbeiten(m);
    Abarbeiten();
  }

  // As after TranslateMessage: one WM_CHAR per character, to the control with the focus.
  void Tippen(const std::wstring& zeichen) {
    for (const wchar_t c : zeichen) {
      Eingeben(GetFocus(), WM_CHAR, c);
    }
  }

  HWND E(const Steuerelement& s) const { return fenster_->Element(Zeile(s)); }
  HWND E(Feld feld) const { return fenster_->FeldFenster(feld); }
  HWND E(std::string_view name) const {
    return E(*std::ranges::find(Steuerelemente, name, ObjektName));
  }

  std::unique_ptr<Fenster> fenster_;
};

// A key, message or click to a field with a selection, then characters typed; the number
// and the focus after it. Every message that brings a character passes the key filter,
// which also keeps the edit from pasting on Ctrl+V's character; a code point beyond 16 bits
// passes it as its two halves. A paste, also the one the edit makes on Shift+Insert, takes
// what Form1 says a field takes. Wine reports EN_CHANGE for a fifth digit that the maximum
// length refuses: passed on as a change, the full field would pull the focus on. A digit
// typed over itself is a change.
// Wine's edit steps by UTF-16 unit; after each key or click the caret and the selection
// must stand beside a character beyond the Basic Multilingual Plane, never inside it, and
// a key that deletes half of it deletes it whole, not leaving the other half selected, so
// that the next digit typed leaves it whole. A click goes a pixel before or after the
// middle of the pair, where the edit puts its caret; the caret goes to the side nearer the
// pointer.
TEST_F(FensterTest, TastenNachrichtenUndKlicksAnDieFelder) {
  constexpr Feld bkz = txtBehördenKennZahl, ser = txtSeriennr, geb = txtGeburt;
  const std::u16string paar = u"1\U0001F6002";
  // name, the field, its text and selection; a message, its wParam (of a click: pixels from
  // the middle of the pair) and the key held; typed after it; the number and the focus
  const std::tuple<const char*, Feld, std::u16string, std::pair<WPARAM, LPARAM>, UINT, int, BYTE,
                   std::wstring, std::u16string, Feld>
      fälle[] = {
          // clang-format off
      {"Ctrl+V, digits of other scripts", bkz, u"", {}, 0, 0, 0, L"\x16\x0663\x06F3\x0969\xFF13\x0E53", u"D", bkz},
      {"fifth digit refused", bkz, u"1234", {4, 4}, 0, 0, 0, L"5", u"1234D", bkz},
      {"digit over itself", bkz, u"1234", {0, 1}, 0, 0, 0, L"1", u"1234D", ser},
      {"WM_UNICHAR beyond 16 bits", bkz, u"", {}, WM_UNICHAR, 0x1D7D1, 0, L"", u"D", bkz},
      {"WM_UNICHAR, a digit", bkz, u"", {}, WM_UNICHAR, L'5', 0, L"", u"5D", bkz},
      {"Shift+Insert, no half of a pair", bkz, u"1", {1, 1}, WM_KEYDOWN, VK_INSERT, VK_SHIFT, L"", u"112D", bkz},
      {"paste beside text, no half of a pair", ser, u"12", {2, 2}, WM_PASTE, 0, 0, L"", u"1212D", ser},
      {"Backspace", geb, paar, {3, 3}, 0, 0, 0, L"\b3", u"D132", geb},
      {"Delete", geb, paar, {1, 1}, WM_KEYDOWN, VK_DELETE, 0, L"3", u"D132", geb},
      {"Left", geb, paar, {3, 3}, WM_KEYDOWN, VK_LEFT, 0, L"3", u"D13\U0001F6002", geb},
      {"Shift+Left", geb, paar, {3, 3}, WM_KEYDOWN, VK_LEFT, VK_SHIFT, L"3", u"D132", geb},
      {"Shift+Right", geb, paar, {1, 1}, WM_KEYDOWN, VK_RIGHT, VK_SHIFT, L"3", u"D132", geb},
      {"click before the middle", geb, paar, {}, WM_LBUTTONDOWN, -1, 0, L"3", u"D13\U0001F6002", geb},
      {"click after the middle", geb, paar, {}, WM_LBUTTONDOWN, 1, 0, L"3", u"D1\U0001F60032", geb},
          // clang-format on
      };
  for (const auto& [name, feld, text, auswahl, nachricht, w, gehalten, getippt, nummer, fokus] :
       fälle) {
    SCOPED_TRACE(name);
    Neu();
    ASSERT_TRUE(fenster_->InZwischenablageLegen(u"12\U0001F600"));
    fenster_->SetzeText(feld, text);
    SetFocus(E(feld));
    SendMessageW(E(feld), EM_SETSEL, auswahl.first, auswahl.second);
    if (nachricht == WM_LBUTTONDOWN) {
      const int x = LOWORD(SendMessageW(E(feld), EM_POSFROMCHAR, 2, 0)) + w;
      Eingeben(E(feld), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
      Eingeben(E(feld), WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    } else if (nachricht != 0) {
      Eingeben(E(feld), nachricht, static_cast<WPARAM>(w), 1, gehalten);
    }
    EXPECT_EQ(EinzelneHälften(GanzeNummer(*fenster_)), 0U);
    Tippen(getippt);
    EXPECT_EQ(GanzeNummer(*fenster_), nummer);
    EXPECT_EQ(GetFocus(), E(fokus));
  }
  EXPECT_EQ(SendMessageW(E(bkz), WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
}

TEST_F(FensterTest, StrgAWähltAllesUndÄndertNichts) {
  int änderungen = 0;
  test::StrgAPrüfen(
      [&](const test::StrgAFall& fall) -> FeldAnsicht& {
        Neu();
        Tippen(Breit(test::StrgAEingabe));
        fenster_->SetzeText(fall.feld, fall.vorher);
        SetFocus(E(fall.feld));
        fenster_->BeobachteÄnderungen([&änderungen](Feld) { ++änderungen; });
        return *fenster_;
      },
      [&](std::size_t schritt) {
        const WPARAM tasten[] = {'A', '5', VK_DELETE};
        Eingeben(GetFocus(), WM_KEYDOWN, tasten[schritt], 1, schritt == 0 ? VK_CONTROL : 0);
      },
      [&](Feld feld) { return GetFocus() == E(feld); }, änderungen);
}

// Return presses the focused button, as in a dialog, and the clipboard hands out what Form1
// put there. While another program holds the clipboard open, a copy must warn; our window
// owns the clipboard and may have to answer the holder, so it pumps messages while the
// holder, with the clipboard open, clicks a copy button. The info box goes through the same
// seam. Afterwards, and back from another program, the focus is where it was, a button
// too. Clearing writes to the fields, and each write must reach Form1 as a change, which
// empties the check digits.
TEST_F(FensterTest, KnöpfeZwischenablageUndMeldungen) {
  std::vector<std::tuple<std::wstring, std::wstring, UINT>> meldungen;  // text, title, style
  fenster_->SetzeMeldungsfenster([&meldungen](HWND, const auto&... meldung) {
    meldungen.emplace_back(meldung...);
    SetFocus(nullptr);  // as the box takes it
    return IDOK;
  });
  Tippen(Breit(test::StrgAEingabe));
  SetFocus(E("cb_ZA_2"));
  Eingeben(GetFocus(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(AblageText(nullptr), Block(*fenster_, 2));
  auto halter = std::async(std::launch::async, [&] {
    OpenClipboard(nullptr);
    SendMessageW(E("cb_ZA_0"), BM_CLICK, 0, 0);  // handled on the window's thread
    CloseClipboard();
  });
  while (halter.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
    Abarbeiten();
  }
  Eingeben(fenster_->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON);
  EXPECT_EQ(meldungen, (decltype(meldungen){
                           {Breit(ZwischenablageBelegtText), Breit(FensterTitel), MB_ICONWARNING},
                           {Breit(InfoText), Breit(FensterTitel), MB_ICONINFORMATION}}));
  EXPECT_EQ(GetFocus(), E("cb_ZA_0")) << "the focus is back where it was before the boxes";
  SetFocus(nullptr);  // and back in the window after another program
  Eingeben(fenster_->Hwnd(), WM_ACTIVATE, WA_ACTIVE);
  EXPECT_EQ(GetFocus(), E("cb_ZA_0"));
  Eingeben(E("cb_löschen"), BM_CLICK, 0);
  EXPECT_EQ(GanzeNummer(*fenster_), u"D");
}

// Each control as the eye, the dialog manager and a screen reader meet it. It stands where
// the table puts it; labels size themselves to their caption, so only their corner is held
// to the table. Tab walks the z-order, which must follow the table's tab order and skip the
// disabled fields; it starts from the authority code, the last stop of the cycle. Through
// MSAA labels are static text, buttons push buttons, fields text; a display field is
// read-only and unavailable. A field's value is its text, a display field's its digit. The
// names are the program's on Windows and Wine alike, whether the system's property service
// or the control itself supplies them. Where nothing names a field, a screen reader takes
// the nearest label before it in the z-order: that is the field's own, and Text1 has none
// before it at all. A display field's digit also reads against its ground as it stands on
// the screen.
TEST_F(FensterTest, JedesSteuerelementGesehenUndGehört) {
  Tippen(Breit(test::StrgAEingabe));  // a digit in each display field
  SetFocus(E(txtBehördenKennZahl));
  for (const Steuerelement& s : Steuerelemente) {
    SCOPED_TRACE(ObjektName(s));
    RECT r;
    GetWindowRect(E(s), &r);
    MapWindowPoints(nullptr, fenster_->Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const PixelRechteck soll = InPixel(s, 96);
    const bool ganz = s.art != Art::Beschriftung;
    EXPECT_EQ((PixelRechteck{r.left, r.top, ganz ? r.right - r.left : soll.breite,
                             ganz ? r.bottom - r.top : soll.höhe}),
              soll);
    if (IstTabstopp(s)) {
      Eingeben(GetFocus(), WM_KEYDOWN, VK_TAB);
      EXPECT_EQ(GetFocus(), E(s));
    }
    IAccessible* zugang = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(E(s), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&zugang)),
              S_OK);
    VARIANT selbst{}, rolle{}, zustand{};
    selbst.vt = VT_I4;  // CHILDID_SELF
    // A text the object tells of itself; none is the empty text.
    const auto text = [&](auto frage) {
      BSTR bstr = nullptr;
      (zugang->*frage)(selbst, &bstr);
      std::wstring ergebnis = bstr != nullptr ? bstr : L"";
      SysFreeString(bstr);
      return ergebnis;
    };
    EXPECT_EQ(text(&IAccessible::get_accName), Breit(ZugänglicherName(s)));
    EXPECT_EQ(text(&IAccessible::get_accDescription), Breit(ZugänglicheBeschreibung(s)));
    EXPECT_EQ(text(&IAccessible::get_accValue),
              s.art == Art::Textfeld ? Breit(fenster_->Text(s.feld)) : L"");
    zugang->get_accRole(selbst, &rolle);
    zugang->get_accState(selbst, &zustand);
    zugang->Release();
    EXPECT_EQ(rolle.lVal, s.art == Art::Knopf      ? ROLE_SYSTEM_PUSHBUTTON
                          : s.art == Art::Textfeld ? ROLE_SYSTEM_TEXT
                                                   : ROLE_SYSTEM_STATICTEXT);
    if (s.art == Art::Textfeld) {
      const LONG nurLesen = STATE_SYSTEM_READONLY | STATE_SYSTEM_UNAVAILABLE;
      EXPECT_EQ(zustand.lVal & nurLesen, s.aktiviert ? 0 : nurLesen);
      const Steuerelement* label = BeschriftungVon(s);
      EXPECT_EQ(GetWindow(E(s), GW_HWNDPREV), label != nullptr ? E(*label) : nullptr);
    }
    if (s.art == Art::Textfeld && !s.aktiviert) {
      GetClientRect(E(s), &r);
      const HDC dc = GetDC(E(s));
      const auto rgb = [dc](int x, int y) {  // GetPixel gives 0xBBGGRR
        const COLORREF c = GetPixel(dc, x, y);
        return RGB(GetBValue(c), GetGValue(c), GetRValue(c));
      };
      EXPECT_GE(test::GezeichneterKontrast(r.right, r.bottom, rgb), LesbarerKontrast);
      ReleaseDC(E(s), dc);
    }
  }
  // The tips come once the window is on the screen, one for each control that has one.
  EXPECT_EQ(SendMessageW(fenster_->Tipps(), TTM_GETTOOLCOUNT, 0, 0),
            std::ranges::count_if(Steuerelemente, [](const auto& s) { return !s.tipp.empty(); }));
  // The client area keeps the table's size after a DPI no screen has, sent by another
  // program, and has it on a screen of 144 dpi.
  for (const auto& [gesendet, dpi] : {std::pair{0, 96}, std::pair{144, 144}}) {
    RECT vorschlag{0, 0, 10, 10}, innen;
    SendMessageW(fenster_->Hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(gesendet, gesendet),
                 reinterpret_cast<LPARAM>(&vorschlag));
    GetClientRect(fenster_->Hwnd(), &innen);
    EXPECT_EQ((std::array<long, 2>{innen.right, innen.bottom}),
              (std::array<long, 2>{InPixel(FensterBreite, dpi), InPixel(FensterHöhe, dpi)}));
  }
}

}  // namespace
}  // namespace pz::win32
