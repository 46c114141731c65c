// The Win32 front end against the real window: real controls, real messages, the real
// clipboard. Under Wine when cross-built.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/steuerelemente.hpp"
#include "ui/win32/hauptfenster.hpp"

namespace pz::win32 {
namespace {

std::wstring Breit(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::wstring TextVon(HWND fenster) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(fenster)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(fenster, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Reads the clipboard's plain text; "<leer>" when it holds none.
std::wstring Zwischenablage() {
  std::wstring text = L"<leer>";
  if (!OpenClipboard(nullptr)) {
    return L"<belegt>";
  }
  if (const HANDLE daten = GetClipboardData(CF_UNICODETEXT); daten != nullptr) {
    if (const auto* zeichen = static_cast<const wchar_t*>(GlobalLock(daten)); zeichen) {
      text = zeichen;
      GlobalUnlock(daten);
    }
  }
  CloseClipboard();
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

struct Meldung {
  std::wstring text;
  std::wstring titel;
  UINT stil;
};

std::size_t Zeile(const char* name, std::int16_t index = -1) {
  for (std::size_t i = 0; i < Steuerelemente.size(); ++i) {
    if (Steuerelemente[i].name == name && Steuerelemente[i].index == index) {
      return i;
    }
  }
  ADD_FAILURE() << "no row " << name;
  return 0;
}

// The nine fields in the order of the number row, for comparing all texts at once.
constexpr std::array<Feld, 9> AlleFelder = {
    Feld::txtBehördenKennZahl, Feld::txtSeriennr, Feld::txtPZBKZ_Seriennr, Feld::Text1,
    Feld::txtGeburt,           Feld::txtPZGeburt, Feld::txtAblauf,         Feld::txtPZAblauf,
    Feld::txtPZgesamt};
using Feldtexte = std::array<std::wstring, 9>;

class Fenster : public ::testing::Test {
 protected:
  void SetUp() override {
    fenster_ = std::make_unique<Hauptfenster>(GetModuleHandleW(nullptr));
    fenster_->SetzeMeldungsfenster(
        [this](HWND, const std::wstring& text, const std::wstring& titel, UINT stil) {
          meldungen_.push_back({text, titel, stil});
          return IDOK;
        });
    fenster_->Zeigen(SW_SHOWNORMAL);
    Abarbeiten();
  }

  void TearDown() override {
    fenster_.reset();
    Abarbeiten();
  }

  // Runs the queued messages through the program's own loop step.
  void Abarbeiten() {
    MSG nachricht;
    while (PeekMessageW(&nachricht, nullptr, 0, 0, PM_REMOVE)) {
      if (fenster_) {
        fenster_->Verarbeiten(nachricht);
      } else {
        DispatchMessageW(&nachricht);
      }
    }
  }

  HWND Feldfenster(Feld feld) const { return fenster_->FeldFenster(feld); }

  // Types like the keyboard does after TranslateMessage: one WM_CHAR per character, to
  // whichever control has the focus at that moment.
  void Tippen(const std::wstring& zeichen) {
    for (const wchar_t c : zeichen) {
      SendMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
      Abarbeiten();
    }
  }

  void Drücken(std::size_t zeile) {
    SendMessageW(fenster_->Element(zeile), BM_CLICK, 0, 0);
    Abarbeiten();
  }

  Feldtexte Texte() const {
    Feldtexte texte;
    for (std::size_t i = 0; i < AlleFelder.size(); ++i) {
      texte[i] = TextVon(Feldfenster(AlleFelder[i]));
    }
    return texte;
  }

  std::unique_ptr<Hauptfenster> fenster_;
  std::vector<Meldung> meldungen_;
};

const Feldtexte Vollständig = {L"1234", L"56789",  L"7", L"D", L"520727",
                               L"3",    L"101231", L"2", L"6"};

// --- Typing ------------------------------------------------------------------------

struct Tippfall {
  const char* name;
  std::wstring eingabe;
  Feldtexte erwartet;
  Feld fokus;
};

// Names the case in test names and failure messages instead of dumping its bytes.
void PrintTo(const Tippfall& fall, std::ostream* aus) {
  *aus << fall.name;
}

class Tippfolge : public Fenster, public ::testing::WithParamInterface<Tippfall> {};

TEST_P(Tippfolge, FelderUndFokusFolgenDenZeichen) {
  ASSERT_EQ(GetFocus(), Feldfenster(Feld::txtBehördenKennZahl)) << "Form_Activate at start";
  Tippen(GetParam().eingabe);
  EXPECT_EQ(Texte(), GetParam().erwartet);
  EXPECT_EQ(GetFocus(), Feldfenster(GetParam().fokus));
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Tippfolge,
    ::testing::Values(
        Tippfall{"Behoerdenkennzahl", L"1234", {L"1234", L"", L"", L"D"}, Feld::txtSeriennr},
        Tippfall{"ErsterBlock",
                 L"123456789",
                 {L"1234", L"56789", L"7", L"D", L"", L"", L"", L"", L""},
                 Feld::txtGeburt},
        Tippfall{"GanzeNummer", L"1234567895207271012 31", Vollständig, Feld::txtAblauf},
        // Letters, blanks, signs, Return, Escape and the Ctrl codes of C, X, V, Z are
        // cancelled; a fifth digit of the authority code is refused by the edit itself.
        Tippfall{"NurZiffern",
                 L"1a2 3-\r\x1b\x03\x18\x16\x1a"
                 L"4",
                 {L"1234", L"", L"", L"D"},
                 Feld::txtSeriennr},
        Tippfall{"BackspaceInUnvollstaendigemFeld",
                 L"12\b34",
                 {L"134", L"", L"", L"D"},
                 Feld::txtBehördenKennZahl},
        // With the date of birth complete the focus is already in txtAblauf.
        Tippfall{"Geburt",
                 L"123456789520727",
                 {L"1234", L"56789", L"7", L"D", L"520727", L"3"},
                 Feld::txtAblauf}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST_F(Fenster, VolleSeriennummerNimmtAuchBackspaceNicht) {
  Tippen(L"123456789");
  SetFocus(Feldfenster(Feld::txtSeriennr));
  SendMessageW(Feldfenster(Feld::txtSeriennr), EM_SETSEL, 5, 5);
  Tippen(L"\b0");
  EXPECT_EQ(TextVon(Feldfenster(Feld::txtSeriennr)), L"56789");
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtSeriennr));
}

// Wine reports EN_CHANGE for a keystroke that the maximum length refuses. Were it passed
// on, the full field's change rule would run again and pull the focus to txtSeriennr.
TEST_F(Fenster, FuenfteZifferDerBehoerdenkennzahlAendertNichts) {
  Tippen(L"1234");
  SetFocus(Feldfenster(Feld::txtBehördenKennZahl));
  SendMessageW(Feldfenster(Feld::txtBehördenKennZahl), EM_SETSEL, 4, 4);
  const Feldtexte vorher = Texte();
  Tippen(L"5");
  EXPECT_EQ(Texte(), vorher);
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtBehördenKennZahl));
}

// The same digit typed over itself leaves the text as it was: no change, so the focus
// stays. A different digit over a selection is a change: the focus moves on.
TEST_F(Fenster, ZifferUeberSichSelbstIstKeineAenderung) {
  Tippen(L"1234");
  const HWND bkz = Feldfenster(Feld::txtBehördenKennZahl);
  SetFocus(bkz);
  SendMessageW(bkz, EM_SETSEL, 0, 1);
  Tippen(L"1");
  EXPECT_EQ(GetFocus(), bkz);
  SendMessageW(bkz, EM_SETSEL, 0, 1);
  Tippen(L"9");
  EXPECT_EQ(TextVon(bkz), L"9234");
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtSeriennr));
}

// --- Paste and Delete --------------------------------------------------------------

TEST_F(Fenster, EinfuegenWirdAufDieHoechstlaengeGekuerzt) {
  InZwischenablage(L"1234567");
  SetFocus(Feldfenster(Feld::txtSeriennr));
  SendMessageW(Feldfenster(Feld::txtSeriennr), WM_PASTE, 0, 0);
  Abarbeiten();
  EXPECT_EQ(TextVon(Feldfenster(Feld::txtSeriennr)), L"12345");
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtGeburt)) << "the pasted field is complete";
}

// Pasted text is not filtered: letters count as a complete input.
TEST_F(Fenster, EingefuegteBuchstabenMachenDasFeldVollstaendig) {
  InZwischenablage(L"12a4");
  SendMessageW(Feldfenster(Feld::txtBehördenKennZahl), WM_PASTE, 0, 0);
  Abarbeiten();
  EXPECT_EQ(TextVon(Feldfenster(Feld::txtBehördenKennZahl)), L"12a4");
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtSeriennr));
}

TEST_F(Fenster, StrgVFuegtNichtsEin) {
  InZwischenablage(L"1234");
  Tippen(L"\x16");
  EXPECT_EQ(TextVon(Feldfenster(Feld::txtBehördenKennZahl)), L"");
  EXPECT_EQ(Zwischenablage(), L"1234");
}

// Delete types no character, so the key filter of a full field does not stop it.
TEST_F(Fenster, EntfInVollemFeldLeertSeinePruefziffer) {
  Tippen(L"1234567895207271012 31");
  const HWND geburt = Feldfenster(Feld::txtGeburt);
  SetFocus(geburt);
  SendMessageW(geburt, EM_SETSEL, 0, 0);
  SendMessageW(geburt, WM_KEYDOWN, VK_DELETE, 0x01530001);
  SendMessageW(geburt, WM_KEYUP, VK_DELETE, static_cast<LPARAM>(0xC1530001));
  Abarbeiten();
  Feldtexte erwartet = Vollständig;
  erwartet[4] = L"20727";
  erwartet[5] = L"";  // only the block's own check digit; the overall one stays
  EXPECT_EQ(Texte(), erwartet);
  EXPECT_EQ(GetFocus(), geburt);
}

// --- Buttons and the clipboard -----------------------------------------------------

struct Kopierfall {
  const char* name;
  std::int16_t index;  // -1: cb_ZA_alles
  const wchar_t* erwartet;
};

void PrintTo(const Kopierfall& fall, std::ostream* aus) {
  *aus << fall.name;
}

class Kopieren : public Fenster, public ::testing::WithParamInterface<Kopierfall> {
 protected:
  std::size_t Knopf() const {
    return GetParam().index < 0 ? Zeile("cb_ZA_alles") : Zeile("cb_ZA", GetParam().index);
  }
};

TEST_P(Kopieren, LegtDenBlockInDieZwischenablage) {
  Tippen(L"1234567895207271012 31");
  InZwischenablage(L"vorher");
  Drücken(Knopf());
  EXPECT_EQ(Zwischenablage(), GetParam().erwartet);
  EXPECT_EQ(Texte(), Vollständig);
  EXPECT_TRUE(meldungen_.empty());
}

// Another program holds the clipboard open: the copy fails, says so with the warning
// box, and leaves the fields and the clipboard alone.
TEST_P(Kopieren, BelegteZwischenablageMeldetSichUndAendertNichts) {
  Tippen(L"1234567895207271012 31");
  InZwischenablage(L"vorher");

  struct Halter {
    HANDLE offen = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE freigeben = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    BOOL geöffnet = FALSE;
  } halter;
  const HANDLE faden = CreateThread(
      nullptr, 0,
      [](LPVOID p) -> DWORD {
        auto* h = static_cast<Halter*>(p);
        h->geöffnet = OpenClipboard(nullptr);
        SetEvent(h->offen);
        WaitForSingleObject(h->freigeben, 10000);
        if (h->geöffnet) {
          CloseClipboard();
        }
        return 0;
      },
      &halter, 0, nullptr);
  ASSERT_NE(faden, nullptr);
  WaitForSingleObject(halter.offen, 10000);
  ASSERT_TRUE(halter.geöffnet);

  Drücken(Knopf());

  SetEvent(halter.freigeben);
  WaitForSingleObject(faden, 10000);
  CloseHandle(faden);
  CloseHandle(halter.offen);
  CloseHandle(halter.freigeben);

  ASSERT_EQ(meldungen_.size(), 1U);
  EXPECT_EQ(meldungen_[0].text, Breit(ZwischenablageBelegtText));
  EXPECT_EQ(meldungen_[0].titel, Breit(FensterTitel));
  EXPECT_EQ(meldungen_[0].stil, static_cast<UINT>(MB_ICONWARNING | MB_OK));
  EXPECT_EQ(Texte(), Vollständig);
  EXPECT_EQ(Zwischenablage(), L"vorher");
  EXPECT_TRUE(IsWindow(fenster_->Fenster()));
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Kopieren,
    ::testing::Values(Kopierfall{"GanzeNummer", -1, L"1234567897D520727310123126"},
                      Kopierfall{"Block0", 0, L"1234567897"}, Kopierfall{"Block1", 1, L"5207273"},
                      Kopierfall{"Block2", 2, L"10123126"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST_F(Fenster, LeerenLeertDieNummerUndLaesstDZurueck) {
  Tippen(L"1234567895207271012 31");
  InZwischenablage(L"vorher");
  Drücken(Zeile("cb_löschen"));
  EXPECT_EQ(Texte(), (Feldtexte{L"", L"", L"", L"D", L"", L"", L"", L"", L""}));
  EXPECT_EQ(Zwischenablage(), L"vorher");
  Drücken(Zeile("cb_ZA_alles"));
  EXPECT_EQ(Zwischenablage(), L"D");
}

// Return on a focused button presses it, through the dialog manager's IDOK.
TEST_F(Fenster, ReturnDrueckteDenKnopfMitDemFokus) {
  Tippen(L"1234");
  SetFocus(fenster_->Element(Zeile("cb_ZA", 0)));
  MSG nachricht{GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {0, 0}};
  fenster_->Verarbeiten(nachricht);
  Abarbeiten();
  EXPECT_EQ(Zwischenablage(), L"1234");
}

// --- Keyboard order and activation -------------------------------------------------

class TabReihenfolge : public Fenster {
 protected:
  void Tab(bool umschalt) {
    BYTE tasten[256];
    GetKeyboardState(tasten);
    tasten[VK_SHIFT] = umschalt ? 0x80 : 0;
    SetKeyboardState(tasten);
    MSG nachricht{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    fenster_->Verarbeiten(nachricht);
    tasten[VK_SHIFT] = 0;
    SetKeyboardState(tasten);
    Abarbeiten();
  }

  std::vector<HWND> Zyklus() const {
    std::vector<HWND> zyklus;
    for (const auto* name : {"cb_ZA_alles", "cb_löschen"}) {
      zyklus.push_back(fenster_->Element(Zeile(name)));
    }
    for (std::int16_t i = 0; i < 3; ++i) {
      zyklus.push_back(fenster_->Element(Zeile("cb_ZA", i)));
    }
    for (const Feld f :
         {Feld::txtSeriennr, Feld::txtGeburt, Feld::txtAblauf, Feld::txtBehördenKennZahl}) {
      zyklus.push_back(Feldfenster(f));
    }
    return zyklus;
  }
};

TEST_F(TabReihenfolge, TabDurchlaeuftNeunElementeUndKehrtZurueck) {
  const auto zyklus = Zyklus();
  ASSERT_EQ(GetFocus(), zyklus.back());
  for (std::size_t i = 0; i < zyklus.size(); ++i) {
    Tab(false);
    EXPECT_EQ(GetFocus(), zyklus[i]) << "Tab " << i + 1;
  }
}

TEST_F(TabReihenfolge, UmschaltTabLaeuftRueckwaerts) {
  const auto zyklus = Zyklus();
  for (std::size_t i = zyklus.size() - 1; i-- > 0;) {
    Tab(true);
    EXPECT_EQ(GetFocus(), zyklus[i]) << "Shift+Tab to step " << i;
  }
  Tab(true);
  EXPECT_EQ(GetFocus(), zyklus.back());
}

TEST_F(Fenster, RueckkehrInsFensterGibtDemFeldDenFokusZurueck) {
  Tippen(L"123456789");
  ASSERT_EQ(GetFocus(), Feldfenster(Feld::txtGeburt));
  const HWND anderes =
      CreateWindowExW(0, L"STATIC", L"anderes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(anderes);
  Abarbeiten();
  ASSERT_NE(GetActiveWindow(), fenster_->Fenster());
  SetActiveWindow(fenster_->Fenster());
  Abarbeiten();
  EXPECT_EQ(GetFocus(), Feldfenster(Feld::txtGeburt));
  DestroyWindow(anderes);
}

// --- About box ---------------------------------------------------------------------

TEST_F(Fenster, DoppelklickAufDieFreieFlaecheZeigtDieInfo) {
  const LPARAM frei = MAKELPARAM(InPixel(6300, 96), InPixel(1600, 96));
  PostMessageW(fenster_->Fenster(), WM_LBUTTONDBLCLK, MK_LBUTTON, frei);
  Abarbeiten();
  ASSERT_EQ(meldungen_.size(), 1U);
  EXPECT_EQ(meldungen_[0].text, Breit(InfoText));
  EXPECT_EQ(meldungen_[0].titel, Breit(FensterTitel));
  EXPECT_EQ(meldungen_[0].stil, 64U);
}

TEST_F(Fenster, DoppelklickInEinFeldOderAufEinenKnopfZeigtNichts) {
  for (const HWND ziel :
       {Feldfenster(Feld::txtBehördenKennZahl), fenster_->Element(Zeile("cb_löschen"))}) {
    PostMessageW(ziel, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(ziel, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Abarbeiten();
  }
  EXPECT_TRUE(meldungen_.empty());
}

// --- Layout ------------------------------------------------------------------------

RECT ImFenster(HWND element) {
  RECT r;
  GetWindowRect(element, &r);
  MapWindowPoints(nullptr, GetParent(element), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class Anordnung : public Fenster {
 protected:
  // Every control at its place for the given dpi; labels keep their top left corner and
  // take the lines of their caption in their font.
  void PrüfeAnordnung(int dpi) {
    RECT innen;
    GetClientRect(fenster_->Fenster(), &innen);
    EXPECT_EQ(innen.right, InPixel(FensterBreite, dpi));
    EXPECT_EQ(innen.bottom, InPixel(FensterHöhe, dpi));

    for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
      const Steuerelement& s = Steuerelemente[zeile];
      SCOPED_TRACE(ObjektName(s));
      const HWND element = fenster_->Element(zeile);
      const RECT r = ImFenster(element);
      const PixelRechteck soll = InPixel(s, dpi);
      EXPECT_EQ(r.left, soll.x);
      EXPECT_EQ(r.top, soll.y);
      if (s.art != Art::Beschriftung) {
        EXPECT_EQ(r.right - r.left, soll.breite);
        EXPECT_EQ(r.bottom - r.top, soll.höhe);
        continue;
      }
      const HDC dc = GetDC(element);
      const HGDIOBJ vorher =
          SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(element, WM_GETFONT, 0, 0)));
      TEXTMETRICW maße;
      GetTextMetricsW(dc, &maße);
      const std::wstring beschriftung = Breit(s.text);
      SIZE einzeilig;
      GetTextExtentPoint32W(dc, beschriftung.c_str(), static_cast<int>(beschriftung.size()),
                            &einzeilig);
      SelectObject(dc, vorher);
      ReleaseDC(element, dc);

      const int zeilen = s.name == "Label1" ? 3 : s.name == "Label8" ? 2 : 1;
      EXPECT_EQ(r.bottom - r.top, zeilen * maße.tmHeight);
      if (s.umbrechen) {
        EXPECT_GE(r.right - r.left, soll.breite) << "a wrapping label keeps its width";
        EXPECT_LT(r.right - r.left, einzeilig.cx) << "and does not take the whole line";
      } else {
        EXPECT_EQ(r.right - r.left, einzeilig.cx);
      }
    }
  }
};

TEST_F(Anordnung, JedesElementStehtAnSeinemPlatzBei96Dpi) {
  ASSERT_EQ(fenster_->Dpi(), 96);
  PrüfeAnordnung(96);
}

// Moved to a monitor with 150 %, the window scales its twips anew.
TEST_F(Anordnung, NeueDpiOrdnetAllesNeuAn) {
  RECT vorschlag{10, 10, 700, 300};
  SendMessageW(fenster_->Fenster(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&vorschlag));
  EXPECT_EQ(fenster_->Dpi(), 144);
  PrüfeAnordnung(144);
  LOGFONTW schrift;
  GetObjectW(
      reinterpret_cast<HGDIOBJ>(SendMessageW(Feldfenster(Feld::txtGeburt), WM_GETFONT, 0, 0)),
      sizeof(schrift), &schrift);
  EXPECT_EQ(schrift.lfHeight, -20);  // 9.75 pt at 144 dpi
}

TEST_F(Fenster, ZOrdnungIstDieTabReihenfolge) {
  std::size_t zeile = 0;
  for (HWND kind = GetWindow(fenster_->Fenster(), GW_CHILD); kind != nullptr;
       kind = GetWindow(kind, GW_HWNDNEXT), ++zeile) {
    ASSERT_LT(zeile, Steuerelemente.size());
    EXPECT_EQ(kind, fenster_->Element(zeile)) << ObjektName(Steuerelemente[zeile]);
  }
  EXPECT_EQ(zeile, Steuerelemente.size());
}

TEST_F(Fenster, RahmenIstFestUndOhneMaximieren) {
  const HWND f = fenster_->Fenster();
  const auto stil = static_cast<DWORD>(GetWindowLongPtrW(f, GWL_STYLE));
  EXPECT_EQ(stil & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0U);
  EXPECT_EQ(stil & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_NE(GetClassLongPtrW(f, GCL_STYLE) & CS_DBLCLKS, 0U);
  EXPECT_EQ(TextVon(f), Breit(FensterTitel));
}

// Each control with its font, state, length limit and start text from the table.
TEST_F(Fenster, ElementeTragenDieEigenschaftenDerTabelle) {
  NONCLIENTMETRICSW system{};
  system.cbSize = sizeof(system);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(system), &system, 0);
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    SCOPED_TRACE(ObjektName(s));
    const HWND element = fenster_->Element(zeile);
    LOGFONTW schrift{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(element, WM_GETFONT, 0, 0)), sizeof(schrift),
               &schrift);
    const SchriftDef& soll = SchriftVon(s);
    if (soll.name.empty()) {
      EXPECT_STREQ(schrift.lfFaceName, system.lfMessageFont.lfFaceName);
    } else {
      EXPECT_EQ(std::wstring(schrift.lfFaceName), Breit(soll.name));
      EXPECT_EQ(schrift.lfHeight, -MulDiv(soll.hundertstelPunkt, 96, 7200));
      EXPECT_EQ(schrift.lfWeight, soll.gewicht);
    }
    EXPECT_EQ(IsWindowEnabled(element) != FALSE, s.aktiviert);
    if (s.art == Art::Textfeld) {
      EXPECT_EQ(SendMessageW(element, EM_GETLIMITTEXT, 0, 0), s.maxLänge);
      EXPECT_EQ(TextVon(element), Breit(s.text));
    } else if (s.art == Art::Knopf) {
      EXPECT_EQ(TextVon(element), Breit(s.text));
      EXPECT_EQ(GetWindowLongPtrW(element, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    }
  }
}

// Every field and button has its tip; the tool of a disabled field sits on the window.
TEST_F(Fenster, JedesFeldUndJederKnopfHatSeinenTipp) {
  const HWND tipps = fenster_->Tipps();
  ASSERT_NE(tipps, nullptr);
  std::size_t mitTipp = 0;
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    if (s.art == Art::Beschriftung) {
      continue;
    }
    ++mitTipp;
    SCOPED_TRACE(ObjektName(s));
    wchar_t text[128] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = fenster_->Fenster();
    info.uId =
        s.aktiviert ? reinterpret_cast<UINT_PTR>(fenster_->Element(zeile)) : ErsteTippId + zeile;
    info.lpszText = text;
    SendMessageW(tipps, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(text), Breit(s.tipp));
  }
  EXPECT_EQ(SendMessageW(tipps, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(mitTipp));
}

}  // namespace
}  // namespace pz::win32
