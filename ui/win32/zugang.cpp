// What a screen reader learns of the controls beyond what the system tells it itself.
#include "fenster.hpp"

// The accessibility GUIDs are defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include "werkzeug.hpp"

namespace pz::win32 {

// A screen reader names an edit after the label before it in the z-order; here the
// z-order follows the Tab order, which puts every label first. So each field and button
// is given its name explicitly.
void Fenster::ZugänglicheNamenSetzen() {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comBereit_ = SUCCEEDED(com);
  if (!comBereit_ ||
      FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&zugang_)))) {
    zugang_ = nullptr;
    return;  // without the service the window works, unnamed
  }
  for (const Steuerelement& s : Steuerelemente) {
    const std::wstring name = Breit(ZugänglicherName(s));
    if (!name.empty()) {
      zugang_->SetHwndPropStr(elemente_[Zeile(s)], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, name.c_str());
    }
  }
}

// The service keeps the names until told otherwise, also for windows that are gone.
void Fenster::ZugänglicheNamenLöschen() {
  if (zugang_ == nullptr) {
    return;
  }
  MSAAPROPID eigenschaft = PROPID_ACC_NAME;
  for (HWND element : elemente_) {
    if (element != nullptr) {
      zugang_->ClearHwndProps(element, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &eigenschaft,
                              1);
    }
  }
}

void Fenster::ZugangBeenden() {
  if (zugang_ != nullptr) {
    zugang_->Release();
    zugang_ = nullptr;
  }
  if (comBereit_) {
    CoUninitialize();
    comBereit_ = false;
  }
}

}  // namespace pz::win32
