// What a screen reader learns of the controls beyond what the system tells it itself.
#include "fenster.hpp"

#include <commctrl.h>

// The accessibility GUIDs are defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include <array>
#include <atomic>
#include <optional>

#include "werkzeug.hpp"

namespace pz::win32 {

namespace {

// COM and the accessibility libraries, loaded when the first screen reader asks: a start
// without one loads none of them. They stay loaded until the process ends, since a screen
// reader may still hold objects whose code lives in them.
struct Bibliotheken {
  decltype(&::CoInitializeEx) coInitializeEx;
  decltype(&::CoUninitialize) coUninitialize;
  decltype(&::CoCreateInstance) coCreateInstance;
  decltype(&::CreateStdAccessibleObject) createStdAccessibleObject;
  decltype(&::LresultFromObject) lresultFromObject;
  decltype(&::SysAllocString) sysAllocString;
};

// From the system folder only, never a DLL of the same name beside the program.
HMODULE SystemBibliothek(const wchar_t* name) {
  std::wstring pfad(MAX_PATH, L'\0');
  const UINT länge = GetSystemDirectoryW(pfad.data(), MAX_PATH);
  if (länge == 0 || länge >= MAX_PATH) {
    return nullptr;
  }
  pfad.resize(länge);
  return LoadLibraryW((pfad + L'\\' + name).c_str());
}

template <typename Funktion>
bool Holen(HMODULE modul, const char* name, Funktion& ziel) {
  ziel = Nachschlagen<Funktion>(modul, name);
  return ziel != nullptr;
}

// nullptr where a library or one of its functions is missing.
const Bibliotheken* Laden() {
  static const std::optional<Bibliotheken> geladen = []() -> std::optional<Bibliotheken> {
    Bibliotheken b{};
    const HMODULE ole32 = SystemBibliothek(L"ole32.dll");
    const HMODULE oleacc = SystemBibliothek(L"oleacc.dll");
    const HMODULE oleaut32 = SystemBibliothek(L"oleaut32.dll");
    if (Holen(ole32, "CoInitializeEx", b.coInitializeEx) &&
        Holen(ole32, "CoUninitialize", b.coUninitialize) &&
        Holen(ole32, "CoCreateInstance", b.coCreateInstance) &&
        Holen(oleacc, "CreateStdAccessibleObject", b.createStdAccessibleObject) &&
        Holen(oleacc, "LresultFromObject", b.lresultFromObject) &&
        Holen(oleaut32, "SysAllocString", b.sysAllocString)) {
      return b;
    }
    return std::nullopt;
  }();
  return geladen ? &*geladen : nullptr;
}

bool IstSelbst(const VARIANT& kind) {
  return kind.vt == VT_I4 && kind.lVal == CHILDID_SELF;
}

HRESULT Text(const Bibliotheken& bibliotheken, std::u16string_view text, BSTR* ziel) {
  if (ziel == nullptr) {
    return E_POINTER;
  }
  if (text.empty()) {
    *ziel = nullptr;
    return S_FALSE;
  }
  *ziel = bibliotheken.sysAllocString(Breit(text).c_str());
  return *ziel != nullptr ? S_OK : E_OUTOFMEMORY;
}

// COM interfaces have no virtual destructor: an object deletes itself in Release, never
// through an interface.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// A control's accessible object where the property service cannot name it: the system's
// own object, with the name, the description and the role the control has on Windows.
// Everything else comes from the system's object.
class Benannt final : public IAccessible, public IOleWindow {
 public:
  // Takes over the reference to the system's object.
  Benannt(const Bibliotheken& bibliotheken, IAccessible& system, const Steuerelement& element,
          HWND hwnd)
      : bibliotheken_(bibliotheken), system_(system), element_(element), hwnd_(hwnd) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override {
    if (objekt == nullptr) {
      return E_POINTER;
    }
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *objekt = static_cast<IAccessible*>(this);
    } else if (iid == __uuidof(IOleWindow)) {
      *objekt = static_cast<IOleWindow*>(this);
    } else {
      *objekt = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++zähler_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG übrig = --zähler_;
    if (übrig == 0) {
      delete this;
    }
    return übrig;
  }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
    if (hwnd == nullptr) {
      return E_POINTER;
    }
    *hwnd = hwnd_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT kind, BSTR* name) override {
    return IstSelbst(kind) ? Text(bibliotheken_, ZugänglicherName(element_), name)
                           : system_.get_accName(kind, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT kind, BSTR* beschreibung) override {
    return IstSelbst(kind) ? Text(bibliotheken_, ZugänglicheBeschreibung(element_), beschreibung)
                           : system_.get_accDescription(kind, beschreibung);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT kind, VARIANT* rolle) override {
    if (!IstSelbst(kind) || rolle == nullptr) {
      return system_.get_accRole(kind, rolle);
    }
    rolle->vt = VT_I4;
    rolle->lVal = element_.art == Art::Knopf      ? ROLE_SYSTEM_PUSHBUTTON
                  : element_.art == Art::Textfeld ? ROLE_SYSTEM_TEXT
                                                  : ROLE_SYSTEM_STATICTEXT;
    return S_OK;
  }

  // Handed on as they are.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* anzahl) override {
    return system_.GetTypeInfoCount(anzahl);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT nr, LCID sprache, ITypeInfo** info) override {
    return system_.GetTypeInfo(nr, sprache, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* namen, UINT anzahl, LCID sprache,
                                          DISPID* ids) override {
    return system_.GetIDsOfNames(iid, namen, anzahl, sprache, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID sprache, WORD art,
                                   DISPPARAMS* parameter, VARIANT* ergebnis, EXCEPINFO* fehler,
                                   UINT* falsch) override {
    return system_.Invoke(id, iid, sprache, art, parameter, ergebnis, fehler, falsch);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** eltern) override {
    return system_.get_accParent(eltern);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* anzahl) override {
    return system_.get_accChildCount(anzahl);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT kind, IDispatch** objekt) override {
    return system_.get_accChild(kind, objekt);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT kind, BSTR* wert) override {
    return system_.get_accValue(kind, wert);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT kind, VARIANT* zustand) override {
    return system_.get_accState(kind, zustand);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT kind, BSTR* hilfe) override {
    return system_.get_accHelp(kind, hilfe);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* datei, VARIANT kind, LONG* thema) override {
    return system_.get_accHelpTopic(datei, kind, thema);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT kind, BSTR* taste) override {
    return system_.get_accKeyboardShortcut(kind, taste);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* kind) override {
    return system_.get_accFocus(kind);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* kinder) override {
    return system_.get_accSelection(kinder);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT kind, BSTR* aktion) override {
    return system_.get_accDefaultAction(kind, aktion);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG art, VARIANT kind) override {
    return system_.accSelect(art, kind);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* breite, LONG* höhe,
                                        VARIANT kind) override {
    return system_.accLocation(x, y, breite, höhe, kind);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG richtung, VARIANT start, VARIANT* ziel) override {
    return system_.accNavigate(richtung, start, ziel);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* kind) override {
    return system_.accHitTest(x, y, kind);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT kind) override {
    return system_.accDoDefaultAction(kind);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT kind, BSTR name) override {
    return system_.put_accName(kind, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT kind, BSTR wert) override {
    return system_.put_accValue(kind, wert);
  }

 private:
  ~Benannt() { system_.Release(); }

  const Bibliotheken& bibliotheken_;
  IAccessible& system_;
  const Steuerelement& element_;
  HWND hwnd_;
  std::atomic<ULONG> zähler_{1};
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

bool Benennen(IAccPropServices& dienst, HWND element, const Steuerelement& s) {
  const std::wstring name = Breit(ZugänglicherName(s));
  const std::wstring beschreibung = Breit(ZugänglicheBeschreibung(s));
  const auto setzen = [&](const MSAAPROPID& eigenschaft, const std::wstring& text) {
    return SUCCEEDED(dienst.SetHwndPropStr(element, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           eigenschaft, text.c_str()));
  };
  return setzen(PROPID_ACC_NAME, name) &&
         (beschreibung.empty() || setzen(PROPID_ACC_DESCRIPTION, beschreibung));
}

}  // namespace

void Fenster::ZugangVorbereiten(std::size_t zeile) {
  SetWindowSubclass(elemente_[zeile], &Fenster::Zugangsprozedur, zeile,
                    reinterpret_cast<DWORD_PTR>(this));
  if (zugangStand_ == Zugang::Eingerichtet) {
    ElementBenennen(zeile);  // asked while the window was still being built
  }
}

// Runs at the first WM_GETOBJECT that the window or any control receives, before it is
// answered, so that a screen reader already running has the names at its first question.
void Fenster::ZugangEinrichten() {
  if (zugangStand_ != Zugang::Ungefragt) {
    return;
  }
  zugangStand_ = Zugang::Eingerichtet;
  if (const Bibliotheken* b = Laden(); b != nullptr) {
    comBereit_ = SUCCEEDED(b->coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (!comBereit_ ||
        FAILED(b->coCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&zugang_)))) {
      zugang_ = nullptr;
    }
  }
  for (std::size_t zeile = 0; zeile < elemente_.size(); ++zeile) {
    if (elemente_[zeile] != nullptr) {
      ElementBenennen(zeile);
    }
  }
}

// Where the property service works (Windows), it names the control, and a screen reader
// asks the system. Wine's service is a stub: there the control answers for itself, with the
// same names; on Windows that answer is never given. Either way a field's label stands just
// before it in the z-order, where a screen reader looks for a name the system has none for.
void Fenster::ElementBenennen(std::size_t zeile) {
  antwortetSelbst_[zeile] =
      zugang_ == nullptr || !Benennen(*zugang_, elemente_[zeile], Steuerelemente[zeile]);
}

// The service keeps the names until told otherwise, also for windows that are gone.
void Fenster::ZugänglicheNamenLöschen() {
  zugangStand_ = Zugang::Beendet;
  if (zugang_ == nullptr) {
    return;
  }
  std::array<MSAAPROPID, 2> eigenschaften{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
  for (HWND element : elemente_) {
    if (element != nullptr) {
      zugang_->ClearHwndProps(element, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              eigenschaften.data(), static_cast<int>(eigenschaften.size()));
    }
  }
}

void Fenster::ZugangBeenden() {
  if (zugang_ != nullptr) {
    zugang_->Release();
    zugang_ = nullptr;
  }
  if (comBereit_) {
    Laden()->coUninitialize();
    comBereit_ = false;
  }
}

LRESULT CALLBACK Fenster::Zugangsprozedur(HWND element, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR zeile, DWORD_PTR selbst) {
  if (nachricht == WM_GETOBJECT) {
    auto* fenster = reinterpret_cast<Fenster*>(selbst);
    fenster->ZugangEinrichten();
    const Bibliotheken* b = Laden();
    IAccessible* system = nullptr;
    if (fenster->antwortetSelbst_[zeile] && b != nullptr &&
        static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT) &&
        SUCCEEDED(b->createStdAccessibleObject(element, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&system)))) {
      auto* benannt = new Benannt(*b, *system, Steuerelemente[zeile], element);
      const LRESULT ergebnis =
          b->lresultFromObject(__uuidof(IAccessible), w, static_cast<IAccessible*>(benannt));
      benannt->Release();
      return ergebnis;
    }
  } else if (nachricht == WM_NCDESTROY) {
    RemoveWindowSubclass(element, &Fenster::Zugangsprozedur, zeile);
  }
  return DefSubclassProc(element, nachricht, w, l);
}

}  // namespace pz::win32
