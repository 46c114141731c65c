// The time from navigation until the page takes typing, in headless Chromium, beside a
// bare page with the same 22 controls in plain HTML and no WebAssembly, in turns; and until
// each is first drawn.
//   node bench/seite_messen.mjs PAGE ROUNDS
// The page takes typing once an input field has the focus: both pages put it there
// themselves, ours through Form1 once its handlers listen, the bare one by autofocus. Both
// still lay out and draw after that, ours its labels as well: the first drawn frame shows
// what the focus left for later.
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { starten, steuerelemente, text } from '../tests/web/hilfe.mjs';

const [seite, runden = '21'] = process.argv.slice(2);
const ordner = mkdtempSync(join(tmpdir(), 'pz-bench-'));
const leer = join(ordner, 'leere_seite.html');
const tags = { label: 'label', button: 'button', field: 'input' };
writeFileSync(leer, `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>${text('FensterTitel')}</title>
<style>body { margin: 0; font: 11px system-ui, sans-serif; } body > * { position: absolute; box-sizing: border-box; margin: 0; }
input, button { font: 13px "Courier New", "Liberation Mono", Cousine, monospace; }</style></head><body>
${steuerelemente.map((s) => `<${tags[s.art]} id="${s.id}" title="${s.tipp}" style="left: ${s.x}px; top: ${s.y}px; width: ${s.breite}px; height: ${s.hoehe}px"${
  s.art === 'field' ? ` value="${s.text}"${s.an ? '' : ' disabled'}${s.id === 'txtBehördenKennZahl' ? ' autofocus' : ''}>` : `>${s.text}</${tags[s.art]}>`}`).join('\n')}
</body></html>`);

const browser = await starten();
async function messen(url) {
  const kontext = await browser.newContext();
  await kontext.addInitScript(() => addEventListener('focusin', (e) => {
    if (e.target.localName === 'input') window.pzBereit ??= performance.now();
  }, true));
  const page = await kontext.newPage();
  await page.goto(url);
  const zeit = await (await page.waitForFunction(() => window.pzBereit)).jsonValue();
  const bild = await (await page.waitForFunction(() =>
    performance.getEntriesByName('first-contentful-paint')[0]?.startTime)).jsonValue();
  await kontext.close();
  return [zeit, bild];
}
const median = (werte) => [...werte].sort((a, b) => a - b)[Math.floor(werte.length / 2)];

try {
  const url = { programm: `file://${seite}`, leer: `file://${leer}` };
  await messen(url.programm);  // a warm-up round of each, for the caches
  await messen(url.leer);
  const zeiten = { programm: [], leer: [] };
  for (let runde = 0; runde < Number(runden); runde++) {
    for (const was of ['programm', 'leer']) {
      zeiten[was].push(await messen(url[was]));
    }
  }
  console.log(`\nBrowser page, headless ${browser.version()}, medians of ${runden} rounds:`);
  console.log(`${''.padEnd(34)} ${'page'.padStart(8)}  ${'bare'.padStart(8)}  ${'ratio'.padStart(7)}`);
  for (const [i, was] of ['navigation until typing (ms)', 'navigation until drawn (ms)'].entries()) {
    const [p, l] = [median(zeiten.programm.map((z) => z[i])), median(zeiten.leer.map((z) => z[i]))];
    console.log(`${was.padEnd(34)} ${p.toFixed(1).padStart(8)}  ${l.toFixed(1).padStart(8)}  ${(p / l).toFixed(2).padStart(6)}x`);
  }
  console.log(`${'file size (bytes)'.padEnd(34)} ${String(statSync(seite).size).padStart(8)}  ${String(statSync(leer).size).padStart(8)}`);
} finally {
  await browser.close();
  rmSync(ordner, { recursive: true, force: true });
}
