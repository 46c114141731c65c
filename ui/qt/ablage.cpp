// What another program put on the clipboard, the selection or into a drop, as it wrote it.
//
// Qt's X11 platform reads another program's UTF8_STRING with QString::fromUtf8, which
// takes a leading U+FEFF for a byte-order mark and drops it. A Windows edit pastes it as
// the character it is, and so must the fields here: on X11 the text is fetched on a
// connection of its own and decoded with the mark kept. Text this program holds itself,
// and text on other platforms, comes from Qt as it is.
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>
#include <optional>

#include "werkzeug.hpp"

#if PZ_MIT_XCB
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace pz::qt {

namespace {

#if PZ_MIT_XCB

struct Freigeben {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Antwort = std::unique_ptr<T, Freigeben>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
  const Antwort<xcb_intern_atom_reply_t> antwort(xcb_intern_atom_reply(
      x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return antwort ? antwort->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The selection's text as UTF-8 bytes, or nothing where its owner gives none, answers too
// late, or sends it in pieces (only texts of hundreds of kilobytes come so; Qt reads those).
// Qt's own connection would hand the answer to Qt's event loop.
std::optional<QByteArray> AuswahlLesen(const char* auswahl) {
  const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> x(
      xcb_connect(nullptr, nullptr), &xcb_disconnect);
  if (xcb_connection_has_error(x.get()) != 0) {
    return std::nullopt;
  }
  const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(x.get())).data->root;
  const xcb_window_t fenster = xcb_generate_id(x.get());
  xcb_create_window(x.get(), XCB_COPY_FROM_PARENT, fenster, wurzel, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  const xcb_atom_t ziel = Atom(x.get(), "VOVEDUZAZ_ABLAGE");
  xcb_convert_selection(x.get(), fenster, Atom(x.get(), auswahl), Atom(x.get(), "UTF8_STRING"),
                        ziel, XCB_CURRENT_TIME);
  xcb_flush(x.get());

  const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (true) {
    const Antwort<xcb_generic_event_t> ereignis(xcb_poll_for_event(x.get()));
    if (!ereignis) {
      const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
          frist - std::chrono::steady_clock::now());
      if (xcb_connection_has_error(x.get()) != 0 || rest.count() <= 0) {
        return std::nullopt;
      }
      pollfd warten{xcb_get_file_descriptor(x.get()), POLLIN, 0};
      poll(&warten, 1, static_cast<int>(rest.count()));
      continue;
    }
    if ((ereignis->response_type & 0x7F) != XCB_SELECTION_NOTIFY) {
      continue;
    }
    if (reinterpret_cast<const xcb_selection_notify_event_t*>(ereignis.get())->property ==
        XCB_ATOM_NONE) {
      return std::nullopt;
    }
    const Antwort<xcb_get_property_reply_t> wert(xcb_get_property_reply(
        x.get(),
        xcb_get_property(x.get(), 1, fenster, ziel, XCB_GET_PROPERTY_TYPE_ANY, 0, 0x1000000),
        nullptr));
    if (!wert || wert->format != 8 || wert->type == Atom(x.get(), "INCR")) {
      return std::nullopt;
    }
    return QByteArray(static_cast<const char*>(xcb_get_property_value(wert.get())),
                      xcb_get_property_value_length(wert.get()));
  }
}

std::optional<QString> WieGeschrieben(const char* auswahl) {
  if (QGuiApplication::platformName() != u"xcb") {
    return std::nullopt;
  }
  const std::optional<QByteArray> roh = AuswahlLesen(auswahl);
  if (!roh) {
    return std::nullopt;
  }
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return QString(utf8.decode(*roh));
}

#else

std::optional<QString> WieGeschrieben(const char*) {
  return std::nullopt;
}

#endif

}  // namespace

QString AblageText(QClipboard::Mode modus) {
  QClipboard& ablage = *QGuiApplication::clipboard();
  const bool eigene =
      modus == QClipboard::Selection ? ablage.ownsSelection() : ablage.ownsClipboard();
  if (!eigene) {
    if (std::optional<QString> text =
            WieGeschrieben(modus == QClipboard::Selection ? "PRIMARY" : "CLIPBOARD")) {
      return *text;
    }
  }
  return ablage.text(modus);
}

// A drag from within the program brings its own data; one from another program is
// offered on the drag selection, which its source holds until the drop is done.
QString AblageText(const QDropEvent& ablage) {
  if (ablage.source() == nullptr) {
    if (std::optional<QString> text = WieGeschrieben("XdndSelection")) {
      return *text;
    }
  }
  return ablage.mimeData()->text();
}

}  // namespace pz::qt
