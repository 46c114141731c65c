// The page as a user opens it: `chromium --app` on a real X server, typed into by xdotool,
// its copies read back by xclip. Runs under xvfb-run, which gives it a display of its own.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { setTimeout as warten } from 'node:timers/promises';
import { chromiumFlags, seite, text } from './hilfe.mjs';

const x = (programm, ...argumente) => execFileSync(programm, argumente, { encoding: 'utf8', timeout: 20000 });
const gruppeLebt = (pid) => { try { process.kill(-pid, 0); return true; } catch { return false; } };
const ablage = (ziel = 'UTF8_STRING') => x('xclip', '-o', '-selection', 'clipboard', '-t', ziel);

test('typed with real keys, the number goes to the X clipboard as plain text', async () => {
  const profil = mkdtempSync(join(tmpdir(), 'pz-chromium-'));
  const chromium = spawn('/usr/bin/chromium', [...chromiumFlags, '--test-type', `--user-data-dir=${profil}`, `--app=${seite}`], { stdio: 'ignore', detached: true });
  try {
    const fenster = x('xdotool', 'search', '--sync', '--name', `^${text('FensterTitel')}$`).split('\n')[0];
    x('xdotool', 'windowfocus', '--sync', fenster);
    await warten(500);
    // The keypad's digits too; each field hands the focus on when it is full.
    x('xdotool', 'type', '--delay', '20', '12');
    x('xdotool', 'key', '--delay', '20', 'KP_3', 'KP_4');
    x('xdotool', 'type', '--delay', '20', '56789520727101231');
    // From the expiry date, Tab goes to the authority code and on to the whole number's
    // button; then to the block buttons, in their order.
    const kopien = [];
    for (const tasten of [['Tab', 'Tab'], ['Tab', 'Tab'], ['Tab'], ['Tab']]) {
      x('xdotool', 'key', '--delay', '50', ...tasten, 'space');
      await warten(300);
      kopien.push(ablage());
    }
    assert.deepEqual(kopien, ['1234567897D520727310123126', '1234567897', '5207273', '10123126']);
    // Text in its encodings, beside what Chromium notes of every copy's source; no other
    // format such as HTML.
    const formate = ablage('TARGETS').split('\n').filter((f) => f.includes('/') && !f.startsWith('chromium/'));
    assert.deepEqual(formate, ['text/plain', 'text/plain;charset=utf-8']);
  } finally {
    // Chromium's helper processes outlive its main one for a moment and still write to
    // the profile; they share its process group, so the profile goes once all have ended.
    try { process.kill(-chromium.pid, 'SIGTERM'); } catch { /* already gone */ }
    for (let i = 0; i < 100 && gruppeLebt(chromium.pid); ++i) await warten(100);
    rmSync(profil, { recursive: true, force: true, maxRetries: 5 });
  }
});
