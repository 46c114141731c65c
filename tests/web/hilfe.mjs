// What the page's tests share: Debian's Chromium driven by Playwright, the page as built,
// opened and closed alike for every test, and the controls table, read from the header
// that every front end builds its window from.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const seite = 'file://' + (process.env.PZ_SEITE ??
  fileURLToPath(new URL('../../build/web/Voveduzaz.html', import.meta.url)));

// Chromium as root needs --no-sandbox; the rest keeps it from reaching for the network.
export const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export function starten() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: chromiumFlags });
}

// The rows of ui/steuerelemente.hpp, with each control's rectangle in pixels at 96 dpi,
// rounded as the front ends round it.
const kopf = readFileSync(new URL('../../ui/steuerelemente.hpp', import.meta.url), 'utf8');
const px = (twips) => Math.floor((twips * 96 + 720) / 1440);
export const fensterBreite = px(Number(kopf.match(/FensterBreite = (\d+)/)[1]));
export const steuerelemente = [...kopf.matchAll(/\{"([^"]+)",\s*detail::(\w),\s*(-?\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*u"([^"]*)",\s*u"([^"]*)",\s*(\d+),\s*(true|false)/g)]
  .map(([, name, art, index, links, oben, breite, hoehe, text, tipp, tab, an]) => ({
    id: Number(index) >= 0 ? `${name}_${index}` : name,
    art: { B: 'label', K: 'button', T: 'field' }[art], text, tipp, tab: Number(tab), an: an === 'true',
    x: px(+links), y: px(+oben), breite: px(+links + +breite) - px(+links), hoehe: px(+oben + +hoehe) - px(+oben),
  }));
export const tabfolge = steuerelemente.filter((s) => s.art !== 'label' && s.an).map((s) => s.id);

// The typed example, all four blocks; each field hands the focus on when it is full.
export const beispiel = '1234' + '56789' + '520727' + '101231';

// A fresh page, with the clipboard open to the test and the given keys typed, as a user
// types them. It notes the page's errors and every request of the page.
export async function oeffnen(browser, getippt = '', optionen = {}) {
  const kontext = await browser.newContext({ viewport: { width: 640, height: 240 }, ...optionen });
  await kontext.grantPermissions(['clipboard-read', 'clipboard-write']);
  const page = await kontext.newPage();
  Object.assign(page, { fehler: [], anfragen: [] });
  kontext.on('request', (r) => page.anfragen.push(r.url()));
  page.on('pageerror', (e) => page.fehler.push(e.message));
  page.on('console', (m) => m.type() === 'error' && page.fehler.push(m.text()));
  await page.goto(seite);
  await page.waitForFunction(() => document.activeElement?.id === 'txtBehördenKennZahl');
  await page.keyboard.type(getippt);
  return page;
}

// Closes the page, used as each test used it, once it has shown no error, loaded and sent
// nothing beyond the file itself, and stored nothing. Should a script ever try, the page's
// Content-Security-Policy refuses every connection, even one that needs no network.
export async function schliessen(page) {
  assert.deepEqual(page.fehler, []);
  assert.deepEqual(page.anfragen, [seite]);
  const spuren = await page.evaluate(async () => [document.cookie, localStorage.length, sessionStorage.length,
    (await indexedDB.databases()).length, await fetch('data:,1').then(() => 'geladen', () => 'verweigert')]);
  assert.deepEqual(spuren, ['', 0, 0, 0, 'verweigert']);
  await page.context().close();
}

// Every text field's text, which control has the focus, and the clipboard's text.
export function zustand(page) {
  return page.evaluate(async () => ({
    ...Object.fromEntries([...document.querySelectorAll('input, output')].map((e) => [e.id, e.value])),
    fokus: document.activeElement.id,
    ablage: await navigator.clipboard.readText(),
  }));
}

// A text of the program's own, as the header spells it in one or more pieces.
export const text = (name) => [...kopf.match(new RegExp(`${name} =\\s*((?:u"[^"]*"\\s*)+);`))[1]
  .matchAll(/u"([^"]*)"/g)].map((m) => m[1]).join('');

// The message box, if one is open: its role, then its title, icon, text and buttons.
export const meldung = (page) => page.evaluate(() => {
  const box = document.querySelector('dialog[open]');
  return box && [box.getAttribute('role'), ...[...box.querySelectorAll('h2, .symbol, p, button')].map((e) => e.textContent)];
});
