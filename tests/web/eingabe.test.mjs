// The page driven by real keys and clicks: the key filter, the change rule, pastes and
// drops, the copy buttons, the Tab cycle and the message boxes.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { ablage, meldung, oeffnen, starten, steuerelemente, tabfolge, text, tippen, zustand } from './hilfe.mjs';

const beispiel = ['1234', '56789', '520727', '101231'];
let browser;
before(async () => { browser = await starten(); });
after(() => browser.close());

// Each row starts on a fresh page with the blocks typed, clicks into a field, presses the
// keys and checks the fields named. A change event where there was no edit would run the
// change rule and move the focus from a full field.
// Playwright's keypad has Num Lock off: with Shift its keys type their digits.
const tastenfälle = [
  ['digits of the main keys and the keypad', [], 'txtSeriennr', ['Digit1', 'Shift+Numpad2', 'Shift+Numpad0', '3'], { txtSeriennr: '1203' }],
  ['letters, signs, Return, Escape, Alt and AltGr', ['12'], 'txtBehördenKennZahl',
    ['End', 'a', 'Shift+B', 'Space', 'Minus', 'Enter', 'Escape', 'Alt+1', 'Control+Alt+2'], { txtBehördenKennZahl: '12', fokus: 'txtBehördenKennZahl' }],
  ['Ctrl+Z, X, C and V', ['12'], 'txtBehördenKennZahl',
    ['End', '3', 'Shift+Home', 'Control+x', 'Control+c', 'Control+v', 'End', 'Control+z'], { txtBehördenKennZahl: '123' }],
  ['Ctrl+H types Backspace', ['123'], 'txtBehördenKennZahl', ['End', 'Control+h'], { txtBehördenKennZahl: '12' }],
  // An input method's commit, and characters that come without keys, one by one.
  ['an input method commits several characters', ['12'], 'txtBehördenKennZahl', ['End', 'ime:3x4'],
    { txtBehördenKennZahl: '1234', fokus: 'txtSeriennr' }],
  ['characters sent without keys', [], 'txtSeriennr', ['text:5a6'], { txtSeriennr: '56' }],
  ['Ctrl+A, then a digit, in an empty field', beispiel.slice(0, 2), 'txtGeburt', ['Control+a', '5'], { txtGeburt: '5' }],
  ['Ctrl+A, then a digit, in a part-filled field', [...beispiel.slice(0, 2), '52'], 'txtGeburt', ['Control+a', '7'], { txtGeburt: '7', fokus: 'txtGeburt' }],
  ['Ctrl+A, then a digit, in a full date', beispiel, 'txtGeburt', ['Control+a', '1'],
    { txtGeburt: '520727', txtAblauf: '101231', txtPZGeburt: '3', fokus: 'txtGeburt' }],
  ['Ctrl+A, a digit, Delete and 7 in a full date', beispiel, 'txtGeburt', ['Control+a', '1', 'Delete', '7'],
    { txtGeburt: '7', txtAblauf: '101231', txtPZGeburt: '', txtPZgesamt: '6', fokus: 'txtGeburt' }],
  ['Ctrl+A, then a digit, in a full authority code', beispiel, 'txtBehördenKennZahl', ['Control+a', '5'],
    { txtBehördenKennZahl: '5', txtPZBKZ_Seriennr: '', fokus: 'txtBehördenKennZahl' }],
  ['Backspace in a full date', beispiel, 'txtGeburt', ['End', 'Backspace'], { txtGeburt: '520727', txtPZGeburt: '3', fokus: 'txtGeburt' }],
  ['Delete in a full date', beispiel, 'txtGeburt', ['Home', 'Delete'], { txtGeburt: '20727', txtPZGeburt: '', txtPZgesamt: '6', fokus: 'txtGeburt' }],
  ['Backspace in a full authority code', beispiel, 'txtBehördenKennZahl', ['End', 'Backspace'], { txtBehördenKennZahl: '123', txtPZBKZ_Seriennr: '' }],
  ['a fifth digit in a full authority code', beispiel, 'txtBehördenKennZahl', ['End', '5'], { txtBehördenKennZahl: '1234', fokus: 'txtBehördenKennZahl' }],
  ['a digit over itself in a full authority code', beispiel, 'txtBehördenKennZahl', ['Home', 'Shift+ArrowRight', '1'],
    { txtBehördenKennZahl: '1234', txtPZBKZ_Seriennr: '7', fokus: 'txtSeriennr' }],
];

test('keys in the input fields', async (t) => {
  for (const [name, bloecke, feld, tasten, erwartet] of tastenfälle) {
    await t.test(name, async () => {
      const page = await oeffnen(browser);
      await page.evaluate(() => navigator.clipboard.writeText('99'));
      await tippen(page, ...bloecke);
      await page.click(`#${feld}`);
      const cdp = await page.context().newCDPSession(page);
      for (const taste of tasten) {
        const [art, zeichen] = taste.split(':');
        if (art === 'ime') {
          await cdp.send('Input.imeSetComposition', { text: '\uFF13', selectionStart: 1, selectionEnd: 1 });
          await cdp.send('Input.insertText', { text: zeichen });
        } else if (art === 'text') {
          await page.keyboard.insertText(zeichen);
        } else {
          await page.keyboard.press(taste);
        }
      }
      const jetzt = await zustand(page);
      assert.deepEqual(Object.fromEntries(Object.keys(erwartet).map((k) => [k, jetzt[k]])), erwartet);
      assert.equal(await ablage(page), '99');
      assert.deepEqual(page.fehler, []);
      await page.context().close();
    });
  }
});

// Whichever way text arrives, the field takes what Form1 leaves of it, as one edit.
test('pastes and drops', async (t) => {
  const fälle = [['a line break', '12\n34', '12'], ['a NUL', '1\u00002', '1'],
    ['an emoji at the cut', '1234\u{1F600}', '1234'], ['a leading U+FEFF', '\uFEFF1234', '\uFEFF1234']];
  for (const weg of ['Shift+Insert', 'drop']) {
    for (const [name, eingefügt, erwartet] of fälle) {
      await t.test(`${weg} of ${name}`, async () => {
        const page = await oeffnen(browser);
        await page.click('#txtSeriennr');
        if (weg === 'drop') {
          const cdp = await page.context().newCDPSession(page);
          const box = await page.locator('#txtSeriennr').boundingBox();
          const data = { items: [{ mimeType: 'text/plain', data: eingefügt }], dragOperationsMask: 1 };
          for (const type of ['dragEnter', 'dragOver', 'drop']) {
            await cdp.send('Input.dispatchDragEvent', { type, x: box.x + box.width / 2, y: box.y + box.height / 2, data });
          }
        } else {
          await page.evaluate((t) => navigator.clipboard.writeText(t), eingefügt);
          await page.keyboard.press('Shift+Insert');
        }
        const jetzt = await zustand(page);
        assert.equal(jetzt.txtSeriennr, erwartet);
        // Full, the field has had its change event, which moves the focus on.
        assert.equal(jetzt.fokus, erwartet.length === 5 ? 'txtGeburt' : 'txtSeriennr');
        await page.context().close();
      });
    }
  }
});

test('the copy buttons put the blocks and the whole number on the clipboard as plain text', async () => {
  const page = await oeffnen(browser);
  await tippen(page, ...beispiel);
  const soll = { cb_ZA_0: '1234567897', cb_ZA_1: '5207273', cb_ZA_2: '10123126', cb_ZA_alles: '1234567897D520727310123126' };
  // A click, Return and Space on a focused button press it alike.
  const wie = { cb_ZA_0: null, cb_ZA_1: 'Enter', cb_ZA_2: 'Space', cb_ZA_alles: null };
  for (const [knopf, erwartet] of Object.entries(soll)) {
    await page.evaluate(() => navigator.clipboard.writeText('vorher'));
    if (wie[knopf]) {
      await page.focus(`#${knopf}`);
      await page.keyboard.press(wie[knopf]);
    } else {
      await page.click(`#${knopf}`);
    }
    const inhalt = await page.evaluate(async () =>
      Promise.all((await navigator.clipboard.read()).map(async (e) => [e.types, await (await e.getType('text/plain')).text()])));
    assert.deepEqual(inhalt, [[['text/plain'], erwartet]], knopf);
  }
  assert.deepEqual(page.fehler, []);
  await page.context().close();
});

test('a copy that the browser refuses warns, and changes nothing', async () => {
  const page = await oeffnen(browser);
  await tippen(page, ...beispiel);
  const vorher = await zustand(page);
  await page.evaluate(() => navigator.clipboard.writeText('vorher'));
  await page.evaluate(() => { Document.prototype.execCommand = () => false; });
  await page.click('#cb_ZA_alles');
  assert.deepEqual(await meldung(page),
    { rolle: 'alertdialog', titel: text('FensterTitel'), text: text('ZwischenablageBelegtText'), symbol: '!', knoepfe: ['OK'] });
  await page.keyboard.press('Enter');
  assert.equal(await meldung(page), null);
  assert.deepEqual(await zustand(page), { ...vorher, fokus: 'cb_ZA_alles' });
  assert.equal(await ablage(page), 'vorher');
  await page.context().close();
});

test('Tab and Shift+Tab cycle within the window in the order of the table', async () => {
  const page = await oeffnen(browser);
  const gang = async (taste) => {
    const besucht = [];
    for (let i = 0; i < tabfolge.length; i++) {
      await page.keyboard.press(taste);
      besucht.push((await zustand(page)).fokus);
    }
    return besucht;
  };
  // The authority code field comes last; from it, Tab goes on to the first button.
  assert.equal(tabfolge.at(-1), 'txtBehördenKennZahl');
  assert.deepEqual(await gang('Tab'), tabfolge);
  assert.deepEqual(await gang('Shift+Tab'), [...tabfolge.slice(0, -1).reverse(), tabfolge.at(-1)]);
  await page.context().close();
});

test('a double click on the free surface shows the about box; the focus comes back', async () => {
  const page = await oeffnen(browser);
  await tippen(page, '1234', '56');
  await page.dblclick('#txtSeriennr');  // a field takes its own double click
  assert.equal(await meldung(page), null);
  // A click on a label or a display field leaves the focus where it is.
  await page.click('#Label4');
  await page.click('#txtPZGeburt');
  assert.equal((await zustand(page)).fokus, 'txtSeriennr');
  const [links, rechts] = [steuerelemente.find((s) => s.id === 'cb_ZA_0'), steuerelemente.find((s) => s.id === 'cb_ZA_1')];
  await page.mouse.dblclick((links.x + links.breite + rechts.x) / 2, links.y + links.hoehe / 2);
  assert.deepEqual(await meldung(page),
    { rolle: 'dialog', titel: text('FensterTitel'), text: text('InfoText'), symbol: 'i', knoepfe: ['OK'] });
  // Modal: the window takes no typing meanwhile.
  await page.keyboard.press('7');
  assert.equal((await zustand(page)).txtSeriennr, '56');
  await page.keyboard.press('Escape');
  assert.equal(await meldung(page), null);
  assert.equal((await zustand(page)).fokus, 'txtSeriennr');
  assert.deepEqual(page.fehler, []);
  await page.context().close();
});
