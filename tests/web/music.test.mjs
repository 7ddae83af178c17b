// Music in the page: a track that lies in the music/ folder plays once the player
// has pressed a key, a missing one is silence, and the end of the game stops the
// music. The site is served from a folder of the test's own, with one real track.
import { strict as assert } from 'node:assert';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, rmSync, symlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { SITE, newPage, openGame, press, startBrowser } from './browser.mjs';

let session;
let site;
before(async () => {
    site = mkdtempSync(join(tmpdir(), 'vovuzavo-music-'));
    // The page's files, but a music folder of the test's own: the built site may
    // hold the game's rendered tracks.
    for (const file of readdirSync(SITE)) {
        if (file !== 'music') symlinkSync(join(SITE, file), join(site, file));
    }
    mkdirSync(join(site, 'music'));
    // A 441 Hz square wave, long enough to play on until the test ends.
    const samples = 44100 * 30;
    const tone = Buffer.alloc(samples * 2);
    for (let i = 0; i < samples; ++i) tone.writeInt16LE(i % 100 < 50 ? 8000 : -8000, 2 * i);
    execFileSync('lame', ['--quiet', '-r', '-s', '44.1', '--bitwidth', '16', '--signed',
                          '--little-endian', '-m', 'm', '-', join(site, 'music', 'accueildebut.mp3')],
                 { input: tone });
    session = await startBrowser(site);
});
after(async () => {
    await session.close();
    rmSync(site, { recursive: true, force: true });
});

test('a track plays after the first key, a missing one is silence, the end stops it', async () => {
    const page = await newPage(session);
    await page.evaluateOnNewDocument(() => {
        window.audios = [];
        const play = HTMLMediaElement.prototype.play;
        HTMLMediaElement.prototype.play = function () {
            const started = play.call(this);
            const audio = { track: this.src.split('/').pop(), element: this, result: null };
            window.audios.push(audio);
            started.then(() => { audio.result = 'playing'; }, (error) => { audio.result = error.name; });
            return started;
        };
    });
    const results = () => page.evaluate(() => window.audios.map((audio) => [audio.track, audio.result]));
    await openGame(page, session.url);
    await press(page, 'x');
    await press(page, 'x');  // the main menu starts its track
    await page.waitForFunction(() => window.audios.length === 1 && window.audios[0].result);
    assert.deepEqual(await results(), [['accueildebut.mp3', 'playing']]);
    await press(page, '1');  // the first rules page: its track is missing
    await page.waitForFunction(() => window.audios.length === 2 && window.audios[1].result);
    assert.deepEqual((await results())[1], ['themepetit.mp3', 'NotSupportedError']);

    await press(page, 'x');
    await page.keyboard.press('6');
    await page.waitForFunction(() => window.vovuzavo.over);
    assert.ok(await page.evaluate(() => window.audios.every((audio) => audio.element.paused)));
    assert.deepEqual(page.errors, []);
    await page.close();
});
