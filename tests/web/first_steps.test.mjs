// The page replays the stored path `first_steps` (the music notice, the title, the
// main menu, a rules page, a new hero with a typed name, the prologue and the
// first menu of chapter 1) and shows, at every key wait, the very screens that the
// terminal showed: the same rows, colours and cursor, and the same tracks fetched.
import { strict as assert } from 'node:assert';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { newPage, openGame, press, readScreen, startBrowser } from './browser.mjs';
import { asTranscriptRows, formatRows, readTranscript } from './transcript.mjs';

const FOLDER = process.env.VOVUZAVO_TRANSCRIPTS ??
    fileURLToPath(new URL('../transcripts', import.meta.url));
const NAME = 'first_steps';

let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

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

// Gives one step of the path; the step that ends the game brings no new key wait.
async function give(page, step, endsGame) {
    const keys = step.key !== undefined ? [step.key] : [...step.line, 'Enter'];
    for (const [index, key] of keys.entries()) {
        if (endsGame && index === keys.length - 1) await page.keyboard.press(key);
        else await press(page, key);
    }
}

test('the page shows the terminal\'s screens along the first steps', async () => {
    const { waits, end, endTracks } = readTranscript(FOLDER, NAME);
    const gameOver = /^game over/.test(end);
    const page = await newPage(session);
    const fetched = [];
    page.on('request', (request) => {
        const music = /\/music\/([^/?]+)$/.exec(request.url());
        if (music) fetched.push(decodeURIComponent(music[1]));
    });
    await openGame(page, session.url);
    for (const [index, wait] of waits.entries()) {
        await expectWait(page, wait, fetched);
        if (wait.step === null) break;
        await give(page, wait.step, gameOver && index === waits.length - 1);
    }
    if (gameOver) {
        await page.waitForFunction(() => window.vovuzavo.over);
        assert.equal(await page.$eval('#over', (over) => over.hidden), false);
        assert.equal(await page.evaluate(() => window.vovuzavo.tracks.at(-1)), 'stopson.mp3');
        assert.deepEqual(fetched, endTracks.filter((track) => track !== 'stopson.mp3'));
    }
    assert.deepEqual(page.errors, []);
    await page.close();
});
