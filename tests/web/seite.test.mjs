// The page as a user and a screen reader meet it: every control where the table puts it,
// whole, at any zoom and on a phone, with its tool tip, name and description, and
// axe-core's checks in both colour schemes. That nothing is loaded, sent or stored, every
// test checks as it closes its page (schliessen in hilfe.mjs).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { beispiel, fensterBreite, oeffnen, schliessen, starten, steuerelemente, zustand } from './hilfe.mjs';

const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
let browser;
before(async () => { browser = await starten(); });
after(() => browser.close());

// Zoom 2 shows the page at half its CSS width on twice the device pixels; it is seen in the
// dark colour scheme, the others in the light one.
const bildschirme = [
  ['zoom 1', { viewport: { width: 1280, height: 400 } }],
  ['zoom 2, dark', { viewport: { width: 640, height: 200 }, deviceScaleFactor: 2, colorScheme: 'dark' }],
  ['a phone held upright', { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
];

// Names as every front end gives them: beginning with the caption the user sees, telling
// the controls apart, the tool tip once, in the name or as the description.
test('every control at its place, whole, named and readable, and the window as wide as the screen allows', async (t) => {
  for (const [name, optionen] of bildschirme) {
    await t.test(name, async () => {
      const page = await oeffnen(browser, beispiel, optionen);
      const maß = Math.min(1, optionen.viewport.width / fensterBreite);
      const kästen = await page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-zeile]')]
        .map((e) => { const r = e.getBoundingClientRect(); const k = r.width / e.offsetWidth;
          // what the content needs, text included, beside what the box gives it
          return [e.id, { x: r.x, y: r.y, breite: r.width, hoehe: r.height, inhalt: [e.scrollWidth * k, e.scrollHeight * k] }]; })));
      const cdp = await page.context().newCDPSession(page);
      const namen = new Set();
      for (const s of steuerelemente) {
        const k = kästen[s.id];
        assert.ok(Math.abs(k.x - s.x * maß) < 0.6 && Math.abs(k.y - s.y * maß) < 0.6, `${s.id} at ${k.x},${k.y}`);
        assert.ok(k.inhalt[0] <= k.breite + 0.6 && k.inhalt[1] <= k.hoehe + 0.6, `${s.id} shows all of ${k.inhalt} in ${k.breite}x${k.hoehe}`);
        // Labels size themselves to their caption in the browser's font.
        if (s.art === 'label') {
          continue;
        }
        assert.ok(Math.abs(k.breite - s.breite * maß) < 0.6 && Math.abs(k.hoehe - s.hoehe * maß) < 0.6, `${s.id} sized ${k.breite}x${k.hoehe}`);
        const { objectId } = (await cdp.send('Runtime.evaluate', { expression: `document.getElementById('${s.id}')` })).result;
        const [knoten] = (await cdp.send('Accessibility.getPartialAXTree', { objectId, fetchRelatives: false })).nodes;
        const eigenschaft = (name) => knoten.properties?.find((p) => p.name === name)?.value.value;
        const beschriftung = knoten.name.sources.find((q) => q.nativeSource === 'labelfor')?.value?.value.replaceAll('\n', ' ');
        const [name, beschreibung] = [knoten.name.value, knoten.description?.value];
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
      // Each label keeps clear of its neighbours, below and to the right.
      for (const [a, p] of Object.entries(kästen)) {
        for (const [b, q] of Object.entries(kästen).filter(([n]) => n !== a)) {
          assert.ok(p.x + p.breite <= q.x + 0.6 || q.x + q.breite <= p.x + 0.6 || p.y + p.hoehe <= q.y + 0.6 || q.y + q.hoehe <= p.y + 0.6,
            `${a} overlaps ${b}`);
        }
      }
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), 'no scrolling sideways');
      // axe leaves one-character text, the check digits among it, undecided, but measures its
      // contrast all the same: every control's text, the check digits too, reads at 4.5:1.
      await page.evaluate(axe);
      const { violations, passes, incomplete } = await page.evaluate(() => axe.run());
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`), []);
      const kontraste = [...passes, ...incomplete].filter((r) => r.id === 'color-contrast').flatMap((r) => r.nodes)
        .map((n) => [n.target[0], n.any[0].data.contrastRatio]);
      assert.equal(kontraste.filter(([, k]) => k >= 4.5).length, steuerelemente.length, `contrast ${kontraste}`);
      if (optionen.hasTouch) {
        await page.tap('#txtGeburt');
        assert.equal((await zustand(page)).fokus, 'txtGeburt');
      } else {
        // The tool tips of the table, under the pointer, one at a time.
        for (const s of steuerelemente.filter((e) => e.tipp)) {
          await page.hover(`#${s.id}`);
          await page.waitForFunction((id) => getComputedStyle(document.getElementById(`tipp-${id}`)).visibility === 'visible', s.id);
          const sichtbar = await page.evaluate(() => [...document.querySelectorAll('.tipp')]
            .filter((e) => getComputedStyle(e).visibility === 'visible').map((e) => e.textContent));
          assert.deepEqual(sichtbar, [s.tipp], s.id);
        }
      }
      await schliessen(page);
    });
  }
});
