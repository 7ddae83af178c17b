// The page replays the stored path `first_steps` (the music notice, the title, the
// main menu, a rules page, a new hero with a typed name, the prologue and the
// first menu of chapter 1) and shows, at every key wait, the very screens that the
// terminal showed: the same rows, colours and cursor, and the same tracks fetched.
import { strict as assert } from 'node:assert';
import { existsSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { newPage, openGame, press, readScreen, startBrowser } from './browser.mjs';
import { asTranscriptRows, formatRows, readTranscript } from './transcript.mjs';

const FOLDER = process.env.VOVUZAVO_TRANSCRIPTS ??
    fileURLToPath(new URL('../transcripts', import.meta.url));
const NAME = 'first_steps';
const stored = existsSync(`${FOLDER}/${NAME}.transcript`);

let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

// The browser key for a key of the path.
function browserKey(key) {
    return { '\n': 'Enter', '\b': 'Backspace', ' ': 'Space', special: 'ArrowDown' }[key] ?? key;
}

async function expectWait(page, wait, fetched) {
    const shown = asTranscriptRows(await readScreen(page));
    assert.equal(formatRows(shown), formatRows(wait.rows), `screen at wait ${wait.number}`);
    assert.deepEqual(await page.evaluate(() => window.vovuzavo.cursor), wait.cursor,
                     `cursor at wait ${wait.number}`);
    // The browser fetches a track a little after the game starts it.
    const played = wait.tracks.filter((track) => track !== 'stopson.mp3');
    for (let tries = 0; fetched.length < played.length && tries < 100; ++tries) {
        await new Promise((done) => setTimeout(done, 20));
    }
    assert.deepEqual(fetched.splice(0), played, `tracks fetched before wait ${wait.number}`);
}

test('the page shows the terminal\'s screens along the first steps', { skip: !stored && `no ${NAME} transcript in ${FOLDER}` }, async () => {
    const { steps, waits, end } = readTranscript(FOLDER, NAME);
    assert.match(end, /no more keys/);
    const page = await newPage(session);
    const fetched = [];
    page.on('request', (request) => {
        const music = /\/music\/([^/?]+)$/.exec(request.url());
        if (music) fetched.push(decodeURIComponent(music[1]));
    });
    await openGame(page, session.url);
    let next = 0;
    for (const wait of waits) {
        await expectWait(page, wait, fetched);
        if (next === steps.length) break;
        const step = steps[next++];
        if (step.key !== undefined) {
            await press(page, browserKey(step.key));
        } else {
            for (const ch of step.line) await press(page, ch);
            await press(page, 'Enter');
        }
    }
    assert.equal(next, steps.length, 'every key of the path was used');
    assert.deepEqual(page.errors, []);
    await page.close();
});
