// The page driven by real keys and clicks: the key filter, the change rule, pastes and
// drops, the copy buttons, the Tab cycle and the message boxes. Each test closes its page
// through schliessen, which finds nothing loaded, sent or stored meanwhile.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { beispiel, meldung, oeffnen, schliessen, starten, tabfolge, text, zustand } from './hilfe.mjs';

let browser;
before(async () => { browser = await starten(); });
after(() => browser.close());

// Each row starts on a fresh page with the keys typed, clicks into a field, presses the
// keys and checks the state named. A change event where there was no edit would run the
// change rule and move the focus from a full field.
// Playwright's keypad has Num Lock off: with Shift its keys type their digits. Besides keys,
// 'text:' sends characters without keys, 'ime:' commits them from an input method, and
// 'Shift+Insert:' and 'drop:' paste and drop them.
const tastenfälle = [
  ['digits of the main keys and the keypad', '', 'txtSeriennr', ['Digit1', 'Shift+Numpad2', 'Shift+Numpad0', '3'], { txtSeriennr: '1203' }],
  ['letters, signs, Return, Escape, Alt and AltGr', '12', 'txtBehördenKennZahl',
    ['End', 'a', 'Shift+B', 'Space', 'Minus', 'Enter', 'Escape', 'Alt+1', 'Control+Alt+2'], { txtBehördenKennZahl: '12', fokus: 'txtBehördenKennZahl' }],
  // Ctrl+H types Backspace on Windows, and the edit deletes as Backspace does.
  ['Ctrl+Z, X, C and V do nothing; Ctrl+H deletes', '12', 'txtBehördenKennZahl',
    ['End', '3', 'Shift+Home', 'Control+x', 'Control+c', 'Control+v', 'End', 'Control+z', 'Control+h'], { txtBehördenKennZahl: '12', ablage: '99' }],
  // Characters that come without keys, and an input method's commit of several, go
  // through the filter one by one; each edit is a change, and the full field hands on.
  ['characters sent without keys, and an input method\'s commit', '1', 'txtBehördenKennZahl', ['End', 'text:2a', 'ime:3x4'],
    { txtBehördenKennZahl: '1234', fokus: 'txtSeriennr' }],
  ['Ctrl+A, then a digit, in an empty field', beispiel.slice(0, 9), 'txtGeburt', ['Control+a', '5'], { txtGeburt: '5' }],
  ['Ctrl+A, then a digit, in a part-filled field', beispiel.slice(0, 11), 'txtGeburt', ['Control+a', '7'], { txtGeburt: '7', fokus: 'txtGeburt' }],
  // A full date takes no digit, not even over its whole text; Delete then empties it.
  ['Ctrl+A, then a digit, in a full date; then Delete and 7', beispiel, 'txtGeburt', ['Control+a', '1', 'Delete', '7'],
    { txtGeburt: '7', txtAblauf: '101231', txtPZGeburt: '', txtPZgesamt: '6', fokus: 'txtGeburt' }],
  ['Backspace in a full date', beispiel, 'txtGeburt', ['End', 'Backspace'], { txtGeburt: '520727', txtPZGeburt: '3', fokus: 'txtGeburt' }],
  ['Delete in a full date', beispiel, 'txtGeburt', ['Home', 'Delete'], { txtGeburt: '20727', txtPZGeburt: '', txtPZgesamt: '6', fokus: 'txtGeburt' }],
  // The field's own maximum length refuses the fifth digit.
  ['a fifth digit, then Backspace, in a full authority code', beispiel, 'txtBehördenKennZahl', ['End', '5', 'Backspace'],
    { txtBehördenKennZahl: '123', txtPZBKZ_Seriennr: '', fokus: 'txtBehördenKennZahl' }],
  // The same text again is an edit too.
  ['a digit over itself in a full authority code', beispiel, 'txtBehördenKennZahl', ['Home', 'Shift+ArrowRight', '1'],
    { txtBehördenKennZahl: '1234', txtPZBKZ_Seriennr: '7', fokus: 'txtSeriennr' }],
  // Whichever way text arrives, the field takes what Form1 leaves of it, as one edit; full,
  // it has had its change event, which moves the focus on.
  ...['Shift+Insert', 'drop'].flatMap((weg) => [['a line break', '12\n34', '12'], ['a NUL', '1\u00002', '1'],
    ['an emoji at the cut', '1234\u{1F600}', '1234'], ['a leading U+FEFF', '\uFEFF1234', '\uFEFF1234']]
    .map(([name, eingefügt, erwartet]) => [`${weg} of ${name}`, '', 'txtSeriennr', [`${weg}:${eingefügt}`],
      { txtSeriennr: erwartet, fokus: erwartet.length === 5 ? 'txtGeburt' : 'txtSeriennr' }])),
];

test('keys, pastes and drops in the input fields', async (t) => {
  for (const [name, getippt, feld, tasten, erwartet] of tastenfälle) {
    await t.test(name, async () => {
      const page = await oeffnen(browser, getippt);
      await page.evaluate(() => navigator.clipboard.writeText('99'));
      await page.click(`#${feld}`);
      const cdp = await page.context().newCDPSession(page);
      for (const taste of tasten) {
        const [art, zeichen] = taste.split(':');
        if (art === 'ime') {
          await cdp.send('Input.imeSetComposition', { text: '\uFF13', selectionStart: 1, selectionEnd: 1 });
          await cdp.send('Input.insertText', { text: zeichen });
        } else if (art === 'text') {
          await page.keyboard.insertText(zeichen);
        } else if (art === 'drop') {
          const box = await page.locator(`#${feld}`).boundingBox();
          const data = { items: [{ mimeType: 'text/plain', data: zeichen }], dragOperationsMask: 1 };
          for (const type of ['dragEnter', 'dragOver', 'drop']) {
            await cdp.send('Input.dispatchDragEvent', { type, x: box.x + box.width / 2, y: box.y + box.height / 2, data });
          }
        } else if (art === 'Shift+Insert') {
          await page.evaluate((t) => navigator.clipboard.writeText(t), zeichen);
          await page.keyboard.press(art);
        } else {
          await page.keyboard.press(taste);
        }
      }
      const jetzt = await zustand(page);
      assert.deepEqual(Object.fromEntries(Object.keys(erwartet).map((k) => [k, jetzt[k]])), erwartet);
      await schliessen(page);
    });
  }
});

// A click, Return and Space on a focused button press it alike.
test('the copy buttons put plain text on the clipboard; a copy the browser refuses warns and changes nothing', async () => {
  const page = await oeffnen(browser, beispiel);
  const knöpfe = [['cb_ZA_0', 'click', '1234567897'], ['cb_ZA_1', 'Enter', '5207273'], ['cb_ZA_2', 'Space', '10123126'],
    ['cb_ZA_alles', 'click', '1234567897D520727310123126']];
  for (const [knopf, wie, erwartet] of knöpfe) {
    await page.evaluate(() => navigator.clipboard.writeText('vorher'));
    if (wie === 'click') {
      await page.click(`#${knopf}`);
    } else {
      await page.focus(`#${knopf}`);
      await page.keyboard.press(wie);
    }
    const inhalt = await page.evaluate(async () =>
      Promise.all((await navigator.clipboard.read()).map(async (e) => [e.types, await (await e.getType('text/plain')).text()])));
    assert.deepEqual(inhalt, [[['text/plain'], erwartet]], knopf);
  }
  await page.evaluate(() => navigator.clipboard.writeText('vorher'));
  const vorher = await zustand(page);
  await page.evaluate(() => { Document.prototype.execCommand = () => false; });
  await page.click('#cb_ZA_alles');
  assert.deepEqual(await meldung(page), ['alertdialog', text('FensterTitel'), '!', text('ZwischenablageBelegtText'), 'OK']);
  await page.keyboard.press('Enter');
  assert.equal(await meldung(page), null);
  assert.deepEqual(await zustand(page), vorher);
  await schliessen(page);
});

// The focus starts in the authority code field, which comes last; from it, Tab goes on to
// the first button.
test('Tab and Shift+Tab cycle within the window in the order of the table', async () => {
  const page = await oeffnen(browser);
  for (const [taste, folge] of [['Tab', tabfolge], ['Shift+Tab', [...tabfolge.slice(0, -1).reverse(), tabfolge.at(-1)]]]) {
    for (const erwartet of folge) {
      await page.keyboard.press(taste);
      assert.equal((await zustand(page)).fokus, erwartet, taste);
    }
  }
  await schliessen(page);
});

test('a double click on the free surface shows the about box; the focus comes back', async () => {
  const page = await oeffnen(browser, '123456');
  await page.dblclick('#txtSeriennr');  // a field takes its own double click
  assert.equal(await meldung(page), null);
  // A click on a label or a display field leaves the focus where it is.
  await page.click('#Label4');
  await page.click('#txtPZGeburt');
  assert.equal((await zustand(page)).fokus, 'txtSeriennr');
  await page.mouse.dblclick(2, 2);
  assert.deepEqual(await meldung(page), ['dialog', text('FensterTitel'), 'i', text('InfoText'), 'OK']);
  // Modal: the window takes no typing meanwhile.
  await page.keyboard.press('7');
  assert.equal((await zustand(page)).txtSeriennr, '56');
  await page.keyboard.press('Escape');
  assert.equal(await meldung(page), null);
  assert.equal((await zustand(page)).fokus, 'txtSeriennr');
  await schliessen(page);
});
