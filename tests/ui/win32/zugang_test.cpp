// What a screen reader learns of the Win32 window through MSAA, under Wine when cross-built,
// and how the display fields read on screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "fenster.hpp"
#include "kontrast_messen.hpp"
#include "steuerelemente.hpp"
#include "zugang_soll.hpp"

namespace pz::win32 {
namespace {

std::wstring Breit(std::u16string_view text) {
  return {text.begin(), text.end()};
}

// A BSTR an accessible object handed over, as text; none is the empty text.
std::wstring Übernehmen(BSTR text) {
  std::wstring ergebnis = text != nullptr ? text : L"";
  SysFreeString(text);
  return ergebnis;
}

std::wstring Fenstertext(HWND element) {
  std::wstring text(256, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(element, text.data(), 256)));
  return text;
}

class ZugangTest : public ::testing::Test {
 protected:
  ZugangTest() {
    fenster_.Zeigen(SW_SHOWNORMAL);
    for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
      fenster_.Verarbeiten(m);
    }
  }
  HWND E(const Steuerelement& s) const { return fenster_.Element(Zeile(s)); }

  Fenster fenster_{GetModuleHandleW(nullptr)};
};

// Labels are static text, buttons push buttons, fields text; a display field is read-only
// and unavailable, its digit the value. The names are the program's on Windows and Wine
// alike, whether the system's property service or the control itself supplies them.
TEST_F(ZugangTest, JedesSteuerelementWieEinScreenreaderEsHört) {
  fenster_.SetzeText(Feld::txtPZGeburt, u"3");
  for (const Steuerelement& s : Steuerelemente) {
    SCOPED_TRACE(ObjektName(s));
    IAccessible* zugang = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(E(s), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&zugang)),
              S_OK);
    VARIANT selbst{};
    selbst.vt = VT_I4;
    selbst.lVal = CHILDID_SELF;
    BSTR name = nullptr, beschreibung = nullptr, wert = nullptr;
    VARIANT rolle{}, zustand{};
    zugang->get_accName(selbst, &name);
    zugang->get_accDescription(selbst, &beschreibung);
    zugang->get_accValue(selbst, &wert);
    zugang->get_accRole(selbst, &rolle);
    zugang->get_accState(selbst, &zustand);
    zugang->Release();
    const test::ZugangSoll& soll = test::SollFür(ObjektName(s));
    EXPECT_EQ(Übernehmen(name), Breit(soll.name));
    EXPECT_EQ(Übernehmen(beschreibung), Breit(soll.beschreibung));
    const std::wstring text = Übernehmen(wert);
    EXPECT_EQ(rolle.lVal, s.art == Art::Knopf      ? ROLE_SYSTEM_PUSHBUTTON
                          : s.art == Art::Textfeld ? ROLE_SYSTEM_TEXT
                                                   : ROLE_SYSTEM_STATICTEXT);
    if (s.art == Art::Textfeld) {
      const LONG nurLesen = STATE_SYSTEM_READONLY | STATE_SYSTEM_UNAVAILABLE;
      EXPECT_EQ(zustand.lVal & nurLesen, s.aktiviert ? 0 : nurLesen);
      EXPECT_EQ(text, Breit(fenster_.Text(s.feld)));
    }
  }
  EXPECT_EQ(fenster_.Text(Feld::txtPZGeburt), u"3");
}

// Where nothing names a field, a screen reader takes the nearest label before it in the
// z-order. That is the field's own label; Text1 has no label before it at all. The Tab
// cycle, which follows the z-order too, is tested with the window's layout.
TEST_F(ZugangTest, JedeBeschriftungStehtVorIhremFeld) {
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art != Art::Textfeld) {
      continue;
    }
    SCOPED_TRACE(ObjektName(s));
    const Steuerelement* label = BeschriftungVon(s);
    if (label != nullptr) {
      EXPECT_EQ(GetWindow(E(s), GW_HWNDPREV), E(*label));
    }
    for (HWND davor = GetWindow(E(s), GW_HWNDPREV); label == nullptr && davor != nullptr;
         davor = GetWindow(davor, GW_HWNDPREV)) {
      wchar_t klasse[16] = {};
      GetClassNameW(davor, klasse, 16);
      EXPECT_NE(std::wstring(klasse), L"Static") << Fenstertext(davor);
    }
    // The system's own object, past what this program answers itself. Where the property
    // service works, that object carries the program's name.
    IAccessible* system = nullptr;
    ASSERT_EQ(CreateStdAccessibleObject(E(s), OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&system)),
              S_OK);
    VARIANT selbst{};
    selbst.vt = VT_I4;
    selbst.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    system->get_accName(selbst, &name);
    system->Release();
    const std::wstring gelesen = Übernehmen(name);
    EXPECT_TRUE(gelesen == (label != nullptr ? Fenstertext(E(*label)) : L"") ||
                gelesen == Breit(ZugänglicherName(s)))
        << std::string(gelesen.begin(), gelesen.end());
  }
}

// The pixels inside a control's frame, as they stand on the screen.
std::vector<Farbe> Pixel(HWND element) {
  RECT r;
  GetClientRect(element, &r);
  const int breite = r.right, höhe = r.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = breite;
  info.bmiHeader.biHeight = -höhe;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC quelle = GetDC(element);
  const HDC speicher = CreateCompatibleDC(quelle);
  const HBITMAP bild = CreateDIBSection(quelle, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ vorher = SelectObject(speicher, bild);
  BitBlt(speicher, 0, 0, breite, höhe, quelle, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<Farbe> pixel;
  for (int y = 2; y < höhe - 2; ++y) {
    for (int x = 2; x < breite - 2; ++x) {
      const DWORD bgr = static_cast<const DWORD*>(bits)[y * breite + x];
      pixel.push_back({static_cast<std::uint8_t>(bgr >> 16), static_cast<std::uint8_t>(bgr >> 8),
                       static_cast<std::uint8_t>(bgr)});
    }
  }
  SelectObject(speicher, vorher);
  DeleteObject(bild);
  DeleteDC(speicher);
  ReleaseDC(element, quelle);
  return pixel;
}

// The check digits and the "D" stay disabled, and their text reads against its ground as
// it stands on the screen.
TEST_F(ZugangTest, AnzeigefelderLesbar) {
  for (const Feld feld :
       {Feld::txtPZBKZ_Seriennr, Feld::txtPZGeburt, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
    fenster_.SetzeText(feld, u"8");
  }
  RedrawWindow(fenster_.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Textfeld && !s.aktiviert) {
      SCOPED_TRACE(ObjektName(s));
      EXPECT_FALSE(IsWindowEnabled(E(s)));
      EXPECT_GE(test::GezeichneterKontrast(Pixel(E(s))), LesbarerKontrast);
    }
  }
}

}  // namespace
}  // namespace pz::win32
