// What the program asks of the page, each as one plain call: the window's elements by
// their row in the controls table, the event being handed over, texts as UTF-16 units.
// It only reaches into the page; every decision is the C++'s (fenster.cpp and its
// neighbours). Only JavaScript can listen to an event and wait for a dialog to close.
mergeInto(LibraryManager.library, {
  // The window, its controls by row, and the event that is being handed to the program.
  $pz: {fenster: null, elemente: [], ereignis: null, zeichner: null},

  // A text of the program's: n UTF-16 units at p.
  $pzText: function(p, n) {
    var text = '';
    for (var i = 0; i < n; i++) {
      text += String.fromCharCode(HEAPU16[(p >> 1) + i]);
    }
    return text;
  },

  // A text for the program, in memory it frees: its length, then its UTF-16 units.
  $pzAbgeben__deps: ['malloc'],
  $pzAbgeben: function(text) {
    if (typeof text != 'string') {
      return 0;
    }
    var p = _malloc(4 + 2 * text.length);
    HEAPU32[p >> 2] = text.length;
    for (var i = 0; i < text.length; i++) {
      HEAPU16[(p >> 1) + 2 + i] = text.charCodeAt(i);
    }
    return p;
  },

  // Finds the window, which the page holds from the start, and its controls.
  pz_aufbauen__deps: ['$pz'],
  pz_aufbauen: function() {
    pz.fenster = document.querySelector('main.fenster');
    pz.fenster.querySelectorAll('[data-zeile]').forEach(function(element) {
      pz.elemente[element.dataset.zeile] = element;
    });
  },

  pz_zeigen__deps: ['$pz'],
  pz_zeigen: function() {
    pz.fenster.hidden = false;
  },

  // Calls pz_erstes_bild just before the page is next drawn.
  pz_vor_dem_zeichnen__deps: ['pz_erstes_bild'],
  pz_vor_dem_zeichnen: function() {
    requestAnimationFrame(function() {
      _pz_erstes_bild();
    });
  },

  pz_inhalt__deps: ['$pz', '$pzText'],
  pz_inhalt: function(zeile, text, n) {
    pz.elemente[zeile].textContent = pzText(text, n);
  },

  // The labels' places and sizes; the window then shows what is drawn in their face.
  pz_beschriften__deps: ['$pz'],
  pz_beschriften: function(stil) {
    // A sheet made by the program itself, which the page's policy lets it add.
    var beschriftung = new CSSStyleSheet();
    beschriftung.replaceSync(UTF8ToString(stil));
    document.adoptedStyleSheets = document.adoptedStyleSheets.concat(beschriftung);
    pz.fenster.classList.remove('ungesetzt');
  },

  // The width of a line of text at a size in pixels, in the face the page gives labels.
  pz_breite__deps: ['$pz', '$pzText'],
  pz_breite: function(text, n, pixel) {
    if (!pz.zeichner) {
      pz.zeichner = document.createElement('canvas').getContext('2d');
      pz.familie = getComputedStyle(document.body).fontFamily;
    }
    pz.zeichner.font = pixel + 'px ' + pz.familie;
    return pz.zeichner.measureText(pzText(text, n)).width;
  },

  // A colour of a control's (or, for row -1, the window's) style as 0xRRGGBB. The window
  // itself is transparent; the ground it shows is the page's.
  pz_farbe__deps: ['$pz'],
  pz_farbe: function(zeile, vordergrund) {
    var element = zeile < 0 ? document.body : pz.elemente[zeile];
    var stil = getComputedStyle(element);
    var teile = (vordergrund ? stil.color : stil.backgroundColor).match(/[\d.]+/g);
    return teile[0] << 16 | teile[1] << 8 | teile[2];
  },

  // The colour of the display fields' text (seite.html), or, for none, the browser's grey
  // for disabled text. A style set by the program itself, which the page's policy allows.
  pz_faerben__deps: ['$pz'],
  pz_faerben: function(farbe) {
    if (farbe) {
      pz.fenster.style.setProperty('--anzeige', UTF8ToString(farbe));
    } else {
      pz.fenster.style.removeProperty('--anzeige');
    }
  },

  // Hands each event of the given type at the target to pz_ereignis, with the row of the
  // field or button it concerns (-1: none, the window's surface) and the state of the
  // modifier keys and mouse buttons. While a message box waits, the window takes no input
  // and runs no handler. Targets: 0 the page, 1 its colour scheme, 2 the document, 3 the
  // window.
  pz_horchen__deps: ['$pz', 'pz_ereignis'],
  pz_horchen: function(ziel, typ, art) {
    var element = [window, matchMedia('(prefers-color-scheme: dark)'), document, pz.fenster][ziel];
    element.addEventListener(UTF8ToString(typ), function(e) {
      if (Asyncify.currData) {
        return;
      }
      var steuerelement = e.target instanceof Element && e.target.closest('input, button');
      var zeile = steuerelement && steuerelement.dataset.zeile ? +steuerelement.dataset.zeile : -1;
      var zustand = (e.ctrlKey ? 1 : 0) | (e.metaKey ? 2 : 0) | (e.altKey ? 4 : 0) |
          (e.shiftKey ? 8 : 0) | (e.isComposing ? 16 : 0) | (e.button === 0 ? 32 : 0);
      // An event may raise another one while the program handles it (a focus, a copy).
      var vorher = pz.ereignis;
      pz.ereignis = e;
      try {
        _pz_ereignis(art, zeile, zustand);
      } finally {
        pz.ereignis = vorher;
      }
    });
  },

  // A text of the event: 0 its key, 1 the kind of input, 2 the input's text, 3 the text
  // pasted or dropped. None (0) where the event has no such text.
  pz_ereignis_text__deps: ['$pz', '$pzAbgeben'],
  pz_ereignis_text: function(was) {
    var e = pz.ereignis;
    if (was == 3) {
      var daten = e.clipboardData || e.dataTransfer;
      return pzAbgeben(daten && daten.getData('text/plain'));
    }
    return pzAbgeben([e.key, e.inputType, e.data][was]);
  },

  pz_ereignis_abwehren__deps: ['$pz'],
  pz_ereignis_abwehren: function() {
    pz.ereignis.preventDefault();
  },

  // Puts a text on the clipboard, as plain text only, from within a copy event.
  pz_ereignis_ablegen__deps: ['$pz', '$pzText'],
  pz_ereignis_ablegen: function(text, n) {
    pz.ereignis.clipboardData.setData('text/plain', pzText(text, n));
    pz.ereignis.preventDefault();
  },

  // Where in the control's text the pointer of the event stands, or -1 if elsewhere.
  pz_ereignis_stelle__deps: ['$pz'],
  pz_ereignis_stelle: function(zeile) {
    var e = pz.ereignis;
    var stelle = document.caretPositionFromPoint(e.clientX, e.clientY);
    return stelle && stelle.offsetNode === pz.elemente[zeile] ? stelle.offset : -1;
  },

  pz_text__deps: ['$pz', '$pzAbgeben'],
  pz_text: function(zeile) {
    return pzAbgeben(pz.elemente[zeile].value);
  },

  pz_setze_text__deps: ['$pz', '$pzText'],
  pz_setze_text: function(zeile, text, n) {
    pz.elemente[zeile].value = pzText(text, n);
  },

  // The selection's start and end.
  pz_auswahl__deps: ['$pz'],
  pz_auswahl: function(zeile, anfang, ende) {
    var element = pz.elemente[zeile];
    HEAPU32[anfang >> 2] = element.selectionStart;
    HEAPU32[ende >> 2] = element.selectionEnd;
  },

  pz_waehlen__deps: ['$pz'],
  pz_waehlen: function(zeile, anfang, ende) {
    pz.elemente[zeile].setSelectionRange(anfang, ende);
  },

  pz_alles_waehlen__deps: ['$pz'],
  pz_alles_waehlen: function(zeile) {
    pz.elemente[zeile].select();
  },

  // Replaces the text from anfang to ende, and puts the caret after what took its place.
  pz_ersetzen__deps: ['$pz', '$pzText'],
  pz_ersetzen: function(zeile, text, n, anfang, ende) {
    pz.elemente[zeile].setRangeText(pzText(text, n), anfang, ende, 'end');
  },

  pz_fokus__deps: ['$pz'],
  pz_fokus: function(zeile, ohneRollen) {
    pz.elemente[zeile].focus({preventScroll: !!ohneRollen});
  },

  pz_befehl: function(befehl) {
    return document.execCommand(UTF8ToString(befehl));
  },

  // Shows a dialog, given as markup, modally, and returns once it is closed, by its
  // button or by Escape. The event being handled is the program's again when it goes on.
  pz_modal__deps: ['$pz'],
  pz_modal: function(markup) {
    var halter = document.createElement('div');
    halter.innerHTML = UTF8ToString(markup);
    var box = halter.firstChild;
    var ereignis = pz.ereignis;
    document.body.append(box);
    Asyncify.handleSleep(function(aufwachen) {
      box.addEventListener('close', function() {
        box.remove();
        pz.ereignis = ereignis;
        aufwachen();
        pz.ereignis = null;
      }, {once: true});
      box.showModal();
    });
  },
});
