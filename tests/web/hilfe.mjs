// What the page's tests share: Debian's Chromium driven by Playwright, the page as built,
// and the controls table, read from the header that every front end builds its window from.
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

// A fresh page, with the clipboard open to the test.
export async function oeffnen(browser, optionen = {}, gegeben = undefined) {
  const kontext = gegeben ?? await browser.newContext({ viewport: { width: 640, height: 240 }, ...optionen });
  await kontext.grantPermissions(['clipboard-read', 'clipboard-write']);
  const page = await kontext.newPage();
  const fehler = [];
  page.on('pageerror', (e) => fehler.push(e.message));
  page.on('console', (m) => m.type() === 'error' && fehler.push(m.text()));
  await page.goto(seite);
  await page.waitForFunction(() => document.activeElement?.id === 'txtBehördenKennZahl');
  page.fehler = fehler;
  return page;
}

// Every text field's text, and which control has the focus.
export function zustand(page) {
  return page.evaluate(() => ({
    ...Object.fromEntries([...document.querySelectorAll('input, output')].map((e) => [e.id, e.value])),
    fokus: document.activeElement.id,
  }));
}

export const ablage = (page) => page.evaluate(() => navigator.clipboard.readText());

// Types each block of the number into the field that has the focus, as a user does.
export async function tippen(page, ...bloecke) {
  for (const block of bloecke) {
    await page.keyboard.type(block);
  }
}

// A text of the program's own, as the header spells it in one or more pieces.
export const text = (name) => [...kopf.match(new RegExp(`${name} =\\s*((?:u"[^"]*"\\s*)+);`))[1]
  .matchAll(/u"([^"]*)"/g)].map((m) => m[1]).join('');

// The message box, if one is open: its role, title, text and buttons.
export function meldung(page) {
  return page.evaluate(() => {
    const box = document.querySelector('dialog[open]');
    return box && {
      rolle: box.getAttribute('role'), titel: box.querySelector('h2').textContent,
      text: box.querySelector('p').textContent, symbol: box.querySelector('.symbol').textContent,
      knoepfe: [...box.querySelectorAll('button')].map((b) => b.textContent),
    };
  });
}
