// Saves in the page: a hero saved in the game survives a reload of the page and
// loads again; a save downloaded from the page and uploaded again (as one from
// the terminal would be) loads too; a damaged upload is refused by the game as in
// the terminal, and a file that is no save is refused by the page. The end of a
// game offers a new one and keeps the saves.
import { strict as assert } from 'node:assert';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
    newPage, openGame, press, screenText, startBrowser, type, waitForText,
} from './browser.mjs';

let session;
let folder;     // downloads land here
let context;
before(async () => {
    session = await startBrowser();
    folder = mkdtempSync(join(tmpdir(), 'vovuzavo-saves-'));
    context = await session.browser.createBrowserContext(
        { downloadBehavior: { policy: 'allow', downloadPath: folder } });
});
after(async () => {
    await session.close();
    rmSync(folder, { recursive: true, force: true });
});

// From the music notice to the save offer, with a human wizard.
async function newHero(page, name) {
    await press(page, 'x');
    await press(page, 'x');
    await press(page, '4');
    await type(page, name);
    for (const key of '1111') await press(page, key);
    await type(page, '180');
    for (const key of '1111xx') await press(page, key);
    await waitForText(page, 'Voulez vous sauvegarder votre personnage ?');
}

// From the music notice, loads a save and goes on to chapter 1's first menu.
async function loadSave(page, saveName) {
    for (const key of 'xx59') await press(page, key);
    await type(page, saveName);
    await waitForText(page, '!!!! DEBUT DE VOTRE AVENTURE !!!!');
    for (const key of 'xxxxx') await press(page, key);
    await waitForText(page, '0) Quitter le jeu.');
}

async function savesListed(page) {
    return page.$$eval('#save-list option', (options) => options.map((option) => option.value));
}

async function upload(page, path) {
    const input = await page.$('#upload-file');
    await page.$eval('#status', (status) => { status.textContent = ''; });
    await input.uploadFile(path);
    await page.waitForFunction(() => document.getElementById('status').textContent !== '');
    return page.$eval('#status', (status) => status.textContent);
}

async function download(page, name) {
    await page.select('#save-list', name);
    await page.click('#download');
    for (let tries = 0; tries < 200 && !readdirSync(folder).includes(name); ++tries) {
        await new Promise((done) => setTimeout(done, 25));
    }
    return readFileSync(join(folder, name));
}

test('a save made in the page survives a reload, downloads, uploads and loads again', async () => {
    const page = await newPage(session, context);
    await openGame(page, session.url);
    await newHero(page, 'Hélène');
    await press(page, '1');
    await type(page, 'web');
    await waitForText(page, '!!!! DEBUT DE VOTRE AVENTURE !!!!');
    assert.deepEqual(await savesListed(page), ['web_save.txt']);

    const file = await download(page, 'web_save.txt');
    const lines = file.toString('latin1').split('\n');
    assert.equal(lines.length, 64, '63 lines, each ended');
    assert.equal(lines[0], 'H\x82l\x8ane', 'the name in code page 850, as the terminal writes it');

    await openGame(page, session.url);
    await loadSave(page, 'web');
    await press(page, '9');
    assert.match(await screenText(page), /Vous vous appelez Hélène, vous êtes un humain\./);

    // The downloaded file, uploaded under another name, is a save like any other.
    writeFileSync(join(folder, 'copié_save.txt'), file);
    assert.match(await upload(page, join(folder, 'copié_save.txt')), /copié_save\.txt ajoutée/);
    assert.deepEqual(await savesListed(page), ['copié_save.txt', 'web_save.txt']);
    await press(page, 'x');
    await page.keyboard.press('0');  // quits: the game is over
    await page.waitForFunction(() => window.vovuzavo.over);
    assert.equal(await page.$eval('#over', (over) => over.hidden), false);
    assert.equal(await page.evaluate(() => window.vovuzavo.tracks.at(-1)), 'stopson.mp3');

    await page.keyboard.press('Enter');
    await waitForText(page, 'appuyez sur une touche pour continuer');
    assert.equal(await page.$eval('#over', (over) => over.hidden), true);
    await loadSave(page, 'copié');
    await press(page, '9');
    assert.match(await screenText(page), /Vous vous appelez Hélène, vous êtes un humain\./);
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('a damaged save is refused by the game, a file that is no save by the page', async () => {
    const page = await newPage(session, context);
    await openGame(page, session.url);
    const short = ['Abel', ...Array(61).fill('1')].join('\n') + '\n';
    writeFileSync(join(folder, 'abime_save.txt'), short);
    assert.match(await upload(page, join(folder, 'abime_save.txt')), /abime_save\.txt ajoutée/);
    writeFileSync(join(folder, 'notes.txt'), short);
    assert.match(await upload(page, join(folder, 'notes.txt')), /Fichier refusé/);
    for (const name of ['bien trop long_save.txt', 'euro€_save.txt']) {
        writeFileSync(join(folder, name), short);
        assert.match(await upload(page, join(folder, name)), /Fichier refusé/, name);
    }
    assert.ok(!(await savesListed(page)).includes('notes.txt'));

    for (const key of 'xx59') await press(page, key);
    await type(page, 'abime');
    assert.match(await screenText(page),
                 /Impossible de charger le fichier \(sauvegarde endommagée\)\./);
    await press(page, 'x');
    assert.match(await screenText(page), /5\) Charger une sauvegarde\./);
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('without storage the page says so and the game saves for the time of the page', async () => {
    const refusals = {
        missing: () => {
            Object.defineProperty(window, 'indexedDB', { value: undefined });
            Object.defineProperty(window, 'localStorage', { get: () => { throw new DOMException(); } });
        },
        failing: () => { indexedDB.open = () => { throw new DOMException('refused'); }; },
    };
    for (const [name, refuse] of Object.entries(refusals)) {
        const page = await newPage(session, context);
        await page.evaluateOnNewDocument(refuse);
        await openGame(page, session.url);
        assert.match(await page.$eval('#status', (status) => status.textContent),
                     /ne garde pas les sauvegardes/, name);
        await newHero(page, 'Abel');
        await press(page, '1');
        await type(page, name);
        await waitForText(page, '!!!! DEBUT DE VOTRE AVENTURE !!!!');
        assert.ok((await savesListed(page)).includes(`${name}_save.txt`), name);
        assert.deepEqual(page.errors, [], name);
        await page.close();
    }
});
