// What an input field's subclass hands on: typed characters to the key filter, pastes as
// Form1 takes them, and characters kept whole where the edit would split one.
#include "fenster.hpp"

#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "werkzeug.hpp"

namespace pz::win32 {

namespace {

std::pair<std::size_t, std::size_t> AuswahlVon(HWND feld) {
  DWORD anfang = 0, ende = 0;
  SendMessageW(feld, EM_GETSEL, reinterpret_cast<WPARAM>(&anfang), reinterpret_cast<LPARAM>(&ende));
  return {anfang, ende};
}

// The edit puts the caret at the second position it is given.
void AuswahlSetzen(HWND feld, std::size_t anker, std::size_t marke) {
  SendMessageW(feld, EM_SETSEL, anker, static_cast<LPARAM>(marke));
}

int XVon(HWND feld, std::size_t pos) {
  const auto ort = SendMessageW(feld, EM_POSFROMCHAR, pos, 0);
  return ort == -1 ? -0x8000 : static_cast<short>(LOWORD(ort));
}

}  // namespace

std::optional<std::u16string> AblageText(HWND besitzer) {
  if (!OpenClipboard(besitzer)) {
    return std::nullopt;
  }
  std::optional<std::u16string> ablage;
  const HANDLE daten = GetClipboardData(CF_UNICODETEXT);
  if (const auto* text =
          daten != nullptr ? static_cast<const wchar_t*>(GlobalLock(daten)) : nullptr) {
    ablage = Schmal(text);
    GlobalUnlock(daten);
  }
  CloseClipboard();
  return ablage;
}

// The key filter sees every typed character before the edit does, whichever message
// brings it; a code set to 0 never reaches the edit.
LRESULT Fenster::Tippen(std::size_t zeile, UINT nachricht, WPARAM zeichen, LPARAM l) {
  const HWND element = elemente_[zeile];
  auto code = static_cast<std::int16_t>(static_cast<std::uint16_t>(zeichen));
  form_.KeyPress(Steuerelemente[zeile].feld, code);
  if (code == 0) {
    return 0;
  }
  zeichen = static_cast<WPARAM>(static_cast<std::uint16_t>(code));
  if (zeichen == VK_BACK) {
    return Ganz(zeile, nachricht, zeichen, l, Seite::Davor);
  }
  // A full edit with nothing selected refuses a character without a change, but Wine
  // reports EN_CHANGE for it all the same. Refusing it here does what the edit does on
  // Windows, so it changes nothing there.
  const auto [anfang, ende] = AuswahlVon(element);
  const auto grenze = static_cast<int>(SendMessageW(element, EM_GETLIMITTEXT, 0, 0));
  const bool fügtEin = zeichen >= L' ' && zeichen != 0x7F;
  if (anfang == ende && fügtEin && GetWindowTextLengthW(element) >= grenze) {
    return 0;
  }
  return DefSubclassProc(element, nachricht, zeichen, l);
}

// Another program may send a character as a code point; the edit would insert it past the
// filter. Each UTF-16 unit goes through the filter as a typed character instead.
LRESULT Fenster::UnicodeTippen(std::size_t zeile, WPARAM zeichen, LPARAM l) {
  if (zeichen == UNICODE_NOCHAR) {
    return TRUE;  // yes, this window takes WM_UNICHAR
  }
  if (zeichen > 0x10FFFF) {
    return 0;
  }
  if (zeichen > 0xFFFF) {
    Tippen(zeile, WM_CHAR, 0xD800 + ((zeichen - 0x10000) >> 10), l);
    Tippen(zeile, WM_CHAR, 0xDC00 + (zeichen & 0x3FF), l);
  } else {
    Tippen(zeile, WM_CHAR, zeichen, l);
  }
  return 0;
}

// The edit would paste past a lone carriage return or cut a character in half at its
// limit; it takes what Form1 says a field takes of pasted text, and nothing if the
// clipboard holds no text.
LRESULT Fenster::Einfügen(std::size_t zeile) {
  const HWND element = elemente_[zeile];
  const std::optional<std::u16string> ablage = AblageText(element);
  if (!ablage) {
    return 0;
  }
  const auto [anfang, ende] = AuswahlVon(element);
  const auto grenze = static_cast<std::size_t>(SendMessageW(element, EM_GETLIMITTEXT, 0, 0));
  const std::size_t übrig =
      static_cast<std::size_t>(GetWindowTextLengthW(element)) - (ende - anfang);
  const std::u16string_view neu = Form1::Einfügbar(*ablage, grenze > übrig ? grenze - übrig : 0);
  if (neu.empty() && anfang == ende) {
    return 0;  // nothing replaced, nothing inserted: no change
  }
  const std::wstring breit = Breit(neu);
  SendMessageW(element, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(breit.c_str()));
  return 0;
}

// Wine's edit counts in UTF-16 units where it deletes, steps and places the caret:
// Backspace and Delete take half of a character beyond the Basic Multilingual Plane, and
// an arrow key or the mouse can stop between its halves, where the next character typed
// would split it. So the edit acts first, and then only what it left inside a pair is
// mended: the other half of a character it deleted half of goes as well, as one change,
// and a caret or selection end inside a pair moves to the pair's far side in the
// direction the key went, or to the side nearer the pointer. An edit that keeps every
// character whole, as Windows' does, leaves nothing to mend, and there this changes nothing.
LRESULT Fenster::Ganz(std::size_t zeile, UINT nachricht, WPARAM w, LPARAM l, Seite seite) {
  const HWND feld = elemente_[zeile];
  const std::u16string vorher = TextVon(feld);
  const bool äußeres = !aufschub_.has_value();
  if (äußeres) {
    aufschub_ = Aufschub{zeile, false};
  }
  const LRESULT ergebnis = DefSubclassProc(feld, nachricht, w, l);
  const std::u16string text = TextVon(feld);
  const auto [anfang, ende] = AuswahlVon(feld);
  if (anfang == ende && EinzelneHälften(text) > EinzelneHälften(vorher)) {
    const bool davor = anfang > 0 && IstHoch(text[anfang - 1]);
    const bool danach = anfang < text.size() && IstTief(text[anfang]);
    if (davor != danach) {
      AuswahlSetzen(feld, davor ? anfang - 1 : anfang, davor ? anfang : anfang + 1);
      SendMessageW(feld, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
    }
  } else if (ImPaar(text, anfang) || ImPaar(text, ende)) {
    int x = static_cast<short>(LOWORD(l));
    if (nachricht == WM_TIMER) {  // scrolling while the mouse drags outside the field
      POINT zeiger{};
      GetCursorPos(&zeiger);
      ScreenToClient(feld, &zeiger);
      x = zeiger.x;
    }
    const auto daneben = [&](std::size_t pos) {
      if (seite == Seite::NäherAmZeiger) {
        return std::abs(XVon(feld, pos - 1) - x) <= std::abs(XVon(feld, pos + 1) - x) ? pos - 1
                                                                                      : pos + 1;
      }
      return seite == Seite::Davor ? pos - 1 : pos + 1;
    };
    // The end that did not move stays whole, being mended before; the other one is the caret.
    if (anfang == ende) {
      AuswahlSetzen(feld, daneben(anfang), daneben(anfang));
    } else if (ImPaar(text, anfang) && ImPaar(text, ende)) {
      AuswahlSetzen(feld, anfang - 1, ende + 1);  // a word taken by a double click
    } else if (ImPaar(text, ende)) {
      AuswahlSetzen(feld, anfang, daneben(ende));
    } else {
      AuswahlSetzen(feld, ende, daneben(anfang));
    }
  }
  // Wine's edit reports a change for Ctrl+A, which only selects; passed on, a full field
  // would pull the focus on, and the next digit land in another field. What passes through
  // here can only remove text, so a text left as it was is no edit. An edit that reports
  // only real changes loses nothing by the test.
  if (äußeres) {
    const bool geändert = aufschub_->geändert && TextVon(feld) != vorher;
    aufschub_.reset();
    if (geändert) {
      Geändert(Steuerelemente[zeile].feld);
    }
  }
  return ergebnis;
}

LRESULT CALLBACK Fenster::Eingabeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR zeile, DWORD_PTR selbst) {
  auto* fenster = reinterpret_cast<Fenster*>(selbst);
  switch (nachricht) {
    case WM_CHAR:
    // Wine turns an input method's character into WM_CHAR before the edit sees it; an edit
    // that took it as it is would let it past the filter.
    case WM_IME_CHAR:
      return fenster->Tippen(zeile, nachricht, w, l);
    case WM_UNICHAR:
      return fenster->UnicodeTippen(zeile, w, l);
    case WM_PASTE:
      return fenster->Einfügen(zeile);
    case WM_KEYDOWN:
      // The edit pastes on Shift+Insert by itself, without a WM_PASTE to see.
      if (w == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
        return fenster->Einfügen(zeile);
      }
      return fenster->Ganz(zeile, nachricht, w, l,
                           w == VK_LEFT || w == VK_UP || w == VK_HOME || w == VK_PRIOR
                               ? Seite::Davor
                               : Seite::Danach);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_TIMER:
      return fenster->Ganz(zeile, nachricht, w, l, Seite::NäherAmZeiger);
    case WM_NCDESTROY:
      RemoveWindowSubclass(feld, &Fenster::Eingabeprozedur, zeile);
      break;
    default:
      break;
  }
  return DefSubclassProc(feld, nachricht, w, l);
}

}  // namespace pz::win32
