// Puts the page together: the template, the window's markup and style (which the program
// VORLAGE.js prints), the program's script with its WebAssembly inside, the icon and the
// window's caption as the page's title, into one file. The Content-Security-Policy allows
// the one inline script and the one inline style by their hashes, WebAssembly, and images
// from data: URLs (the icon); nothing may be loaded or sent.
//   node seite_bauen.mjs TEMPLATE SCRIPT WASM VORLAGE.js ICON.png CONTROLS.hpp PAGE
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [vorlage, skriptDatei, wasmDatei, fensterDatei, symbolDatei, tabelle, ziel] =
  process.argv.slice(2);
// The WebAssembly goes into the script as base64, where laden.js hands it to the program.
const roh = readFileSync(skriptDatei, 'utf8').trim();
const platz = /(["'])@WASM@\1/;
if (!platz.test(roh)) {
  throw new Error(`${skriptDatei} has no place for the WebAssembly (laden.js)`);
}
const skript = roh.replace(platz, () => `"${readFileSync(wasmDatei).toString('base64')}"`);
if (/<\/script/i.test(skript)) {
  throw new Error(`${skriptDatei} would end the script element early`);
}
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const [anordnung, fenster] = execFileSync(process.execPath, [fensterDatei], { encoding: 'utf8' })
  .split('\n');
if (!anordnung.startsWith('.fenster{') || !fenster.startsWith('<main ')) {
  throw new Error(`${fensterDatei} printed no window`);
}
// Functions as replacements, so that no "$" in a text is read as a pattern.
let seite = readFileSync(vorlage, 'utf8')
  .replace('@ANORDNUNG@', () => anordnung).replace('@FENSTER@', () => fenster);
const stil = seite.match(/<style>([^]*?)<\/style>/)[1];
const csp = [
  "default-src 'none'",
  `script-src ${hash(skript)} 'wasm-unsafe-eval'`,
  `style-src ${hash(stil)}`,
  'img-src data:',
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');
const symbol = `data:image/png;base64,${readFileSync(symbolDatei).toString('base64')}`;
// The caption as the controls table spells it; it holds nothing that markup would escape.
const titel = readFileSync(tabelle, 'utf8').match(/FensterTitel = u"([^"<&]*)"/)[1];
seite = seite.replace('@CSP@', () => csp).replace('@SYMBOL@', () => symbol).replace('@TITEL@', () => titel)
  .replace('@SKRIPT@', () => skript);
writeFileSync(ziel, seite);
