// The page as a user and a screen reader meet it: every control where the table puts it,
// at any zoom and on a phone; tool tips, names and axe-core's checks in both colour
// schemes. That nothing is loaded, sent or stored, every test checks as it closes its page
// (schliessen in hilfe.mjs).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { beispiel, fensterBreite, oeffnen, schliessen, starten, steuerelemente, zustand } from './hilfe.mjs';

const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
let browser;
before(async () => { browser = await starten(); });
after(() => browser.close());

// Zoom 2 shows the page at half its CSS width on twice the device pixels.
const bildschirme = [
  ['zoom 1', { viewport: { width: 1280, height: 400 } }],
  ['zoom 2', { viewport: { width: 640, height: 200 }, deviceScaleFactor: 2 }],
  ['a phone held upright', { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
];

test('every control at its place, whole, and the window as wide as the screen allows', async (t) => {
  for (const [name, optionen] of bildschirme) {
    await t.test(name, async () => {
      const page = await oeffnen(browser, beispiel, optionen);
      const maß = Math.min(1, optionen.viewport.width / fensterBreite);
      const kästen = await page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-zeile]')]
        .map((e) => { const r = e.getBoundingClientRect(); const k = r.width / e.offsetWidth;
          // what the content needs, text included, beside what the box gives it
          return [e.id, { x: r.x, y: r.y, breite: r.width, hoehe: r.height, inhalt: [e.scrollWidth * k, e.scrollHeight * k] }]; })));
      for (const s of steuerelemente) {
        const k = kästen[s.id];
        assert.ok(k, s.id);
        assert.ok(Math.abs(k.x - s.x * maß) < 0.6 && Math.abs(k.y - s.y * maß) < 0.6, `${s.id} at ${k.x},${k.y}`);
        // Labels size themselves to their caption in the browser's font.
        if (s.art !== 'label') {
          assert.ok(Math.abs(k.breite - s.breite * maß) < 0.6 && Math.abs(k.hoehe - s.hoehe * maß) < 0.6, `${s.id} sized ${k.breite}x${k.hoehe}`);
        }
        assert.ok(k.inhalt[0] <= k.breite + 0.6 && k.inhalt[1] <= k.hoehe + 0.6, `${s.id} shows all of ${k.inhalt} in ${k.breite}x${k.hoehe}`);
      }
      // Each label keeps clear of its neighbours, below and to the right.
      const namen = Object.keys(kästen);
      for (const a of namen) {
        for (const b of namen.filter((n) => n !== a)) {
          const [p, q] = [kästen[a], kästen[b]];
          assert.ok(p.x + p.breite <= q.x + 0.6 || q.x + q.breite <= p.x + 0.6 || p.y + p.hoehe <= q.y + 0.6 || q.y + q.hoehe <= p.y + 0.6,
            `${a} overlaps ${b}`);
        }
      }
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), 'no scrolling sideways');
      if (optionen.hasTouch) {
        await page.tap('#txtGeburt');
        assert.equal((await zustand(page)).fokus, 'txtGeburt');
      }
      await schliessen(page);
    });
  }
});

test('the tool tips of the table, under the pointer', async () => {
  const page = await oeffnen(browser);
  for (const s of steuerelemente.filter((e) => e.tipp)) {
    await page.hover(`#${s.id}`);
    await page.waitForFunction((id) => getComputedStyle(document.getElementById(`tipp-${id}`)).visibility === 'visible', s.id);
    const sichtbar = await page.evaluate(() => [...document.querySelectorAll('.tipp')]
      .filter((t) => getComputedStyle(t).visibility === 'visible').map((t) => t.textContent));
    assert.deepEqual(sichtbar, [s.tipp], s.id);
  }
  await schliessen(page);
});

// Names as every front end gives them: beginning with the caption the user sees, telling
// the controls apart, the tool tip once, in the name or as the description.
test('names, labels and read-only display fields for a screen reader; axe-core finds nothing', async (t) => {
  for (const colorScheme of ['light', 'dark']) {
    await t.test(colorScheme, async () => {
      const page = await oeffnen(browser, beispiel, { colorScheme });
      const cdp = await page.context().newCDPSession(page);
      const { nodes } = await cdp.send('Accessibility.getFullAXTree');
      const namen = new Set();
      for (const s of steuerelemente.filter((e) => e.art !== 'label')) {
        const { backendNodeId } = (await cdp.send('DOM.describeNode', { objectId: (await cdp.send('Runtime.evaluate', { expression: `document.getElementById('${s.id}')` })).result.objectId })).node;
        const knoten = nodes.find((n) => n.backendDOMNodeId === backendNodeId);
        const eigenschaft = (name) => knoten.properties?.find((p) => p.name === name)?.value.value;
        const beschriftung = await page.evaluate((id) => document.getElementById(id).labels?.[0]?.textContent.replaceAll('\n', ' '), s.id);
        const name = knoten.name.value;
        const beschreibung = knoten.description?.value;
        assert.ok(name.startsWith(s.art === 'button' ? s.text : beschriftung ?? ''), `${s.id}: ${name}`);
        assert.equal(name.includes(s.tipp), beschreibung === undefined, `${s.id}: ${name} / ${beschreibung}`);
        assert.ok(beschreibung === undefined || beschreibung === s.tipp, s.id);
        assert.equal(knoten.role.value, s.art === 'button' ? 'button' : 'textbox', s.id);
        if (s.art === 'field') {
          assert.equal(eigenschaft('readonly'), !s.an, s.id);
          assert.equal(eigenschaft('focusable') ?? false, s.an, s.id);
        }
        namen.add(name);
      }
      assert.equal(namen.size, steuerelemente.filter((e) => e.art !== 'label').length, 'names tell the controls apart');
      // The check digits read at 4.5:1 against their field and the window, as WCAG measures it.
      const kontraste = await page.evaluate(() => {
        const leuchte = (farbe) => farbe.match(/\d+/g).slice(0, 3).map((k) => k / 255)
          .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
          .reduce((summe, c, i) => summe + c * [0.2126, 0.7152, 0.0722][i], 0);
        const kontrast = (a, b) => (Math.max(leuchte(a), leuchte(b)) + 0.05) / (Math.min(leuchte(a), leuchte(b)) + 0.05);
        const fenster = getComputedStyle(document.querySelector('.fenster')).backgroundColor;
        return [...document.querySelectorAll('output')].map((o) => { const stil = getComputedStyle(o);
          return Math.min(kontrast(stil.color, stil.backgroundColor), kontrast(stil.color, fenster)); });
      });
      assert.ok(kontraste.every((k) => k >= 4.5), `contrast ${kontraste}`);
      await page.evaluate(axe);
      const { violations } = await page.evaluate(() => axe.run());
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`), []);
      await schliessen(page);
    });
  }
});
