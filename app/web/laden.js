// The program's WebAssembly, inline as base64 (seite_bauen.mjs writes it in), decoded by
// the browser itself where it can: emscripten's own decoding of the data: URL it would
// embed took longer than compiling the module.
Module['wasmBinary'] = (function(base64) {
  if (Uint8Array.fromBase64) {
    return Uint8Array.fromBase64(base64);
  }
  var text = atob(base64), bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) {
    bytes[i] = text.charCodeAt(i);
  }
  return bytes;
})('@WASM@');
