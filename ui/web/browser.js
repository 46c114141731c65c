// What only JavaScript can do for the window: be an event listener, and wait for a
// dialog to close. Everything else is C++ (fenster.cpp and its neighbours).
mergeInto(LibraryManager.library, {
  // Hands each event of the given types at the target to pz_ereignis. While a message box
  // waits, the window takes no input and runs no handler.
  pz_horchen__deps: ['$Emval'],
  pz_horchen: function(ziel, typen) {
    var element = Emval.toValue(ziel);
    Emval.toValue(typen).split(' ').forEach(function(typ) {
      element.addEventListener(typ, function(ereignis) {
        if (!Asyncify.currData) {
          _pz_ereignis(Emval.toHandle(ereignis));
        }
      });
    });
  },

  // Shows a dialog modally and returns once it is closed, by its button or by Escape.
  pz_modal__deps: ['$Emval'],
  pz_modal: function(dialog) {
    var box = Emval.toValue(dialog);
    Asyncify.handleSleep(function(aufwachen) {
      box.addEventListener('close', function() { aufwachen(); }, {once: true});
      box.showModal();
    });
  },
});
