// The page as a player meets it: keys (accented letters, Backspace, keys without a
// character) reach the game as in the terminal while the browser keeps its own
// shortcuts; new text is announced to screen readers but a typed answer is not
// read twice; the controls are labelled buttons that Tab reaches; the console
// keeps 80x44 at any window size. A screenshot of the main menu is left in
// build-web/web.png.
import { strict as assert } from 'node:assert';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { newPage, openGame, press, readScreen, startBrowser, waits } from './browser.mjs';

const SCREENSHOT = fileURLToPath(new URL('../../build-web/web.png', import.meta.url));

let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

async function row(page, y) {
    return (await readScreen(page))[y - 1].text.trimEnd();
}

function announced(page) {
    return page.$eval('#announce', (region) => region.textContent);
}

// Sends a key event as a browser shortcut would come; tells whether the page
// took it from the browser.
function taken(page, init) {
    return page.evaluate((event) => !document.getElementById('screen').dispatchEvent(
        new KeyboardEvent('keydown', { ...event, bubbles: true, cancelable: true })), init);
}

test('the console keeps 80 columns and 44 rows in small and large windows', async () => {
    const page = await newPage(session);
    await openGame(page, session.url);
    await press(page, 'x');
    await press(page, 'x');
    const sizes = [];
    for (const [width, height] of [[640, 480], [1600, 1000], [1000, 900]]) {
        await page.setViewport({ width, height });
        await page.evaluate(() => new Promise((done) =>  // the resize is handled by then
            requestAnimationFrame(() => requestAnimationFrame(done))));
        const box = await page.$eval('#screen', (screen) => {
            const { width: w, height: h } = screen.getBoundingClientRect();
            const fontSize = parseFloat(getComputedStyle(screen).fontSize);
            return { w, h, fontSize, rows: screen.children.length };
        });
        assert.equal(box.rows, 44);
        assert.ok(box.w <= width && box.h <= height, `${width}x${height}: ${box.w}x${box.h}`);
        assert.ok(box.w >= width * 0.6 || box.h >= height * 0.6, `${width}x${height} is used`);
        sizes.push(box.fontSize);
    }
    assert.ok(sizes[1] > sizes[0], 'a larger window, a larger font');
    assert.equal((await readScreen(page))[0].text.length, 80);
    await page.screenshot({ path: SCREENSHOT });
    assert.deepEqual([...readFileSync(SCREENSHOT).subarray(1, 4)], [...Buffer.from('PNG')]);
    await page.close();
});

test('keys reach the game as the terminal gives them, browser shortcuts stay', async () => {
    const page = await newPage(session);
    await openGame(page, session.url);
    await press(page, 'ArrowDown');  // any key goes on, even one without a character
    await press(page, 'x');
    await press(page, '4');
    for (const key of ['Z', 'o', 'é', 'ï', 'x']) await press(page, key);
    assert.equal(await row(page, 3), 'Zoéïx');
    await press(page, 'Backspace');
    assert.equal(await row(page, 3), 'Zoéï');

    const before = await waits(page);
    for (const shortcut of [{ key: 'r', ctrlKey: true }, { key: 'F5' }, { key: 'Tab' },
                            { key: 'l', altKey: true }, { key: 'Dead' }]) {
        assert.equal(await taken(page, shortcut), false, JSON.stringify(shortcut));
    }
    assert.equal(await taken(page, { key: ' ' }), true, 'Space is a key of the game');
    assert.equal(await waits(page), before + 1);
    assert.equal(await row(page, 3), 'Zoéï');
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('new screens are announced, typed answers are not read twice', async () => {
    const page = await newPage(session);
    await openGame(page, session.url);
    assert.match(await announced(page), /appuyez sur une touche pour continuer\./);
    await press(page, 'x');
    assert.match(await announced(page), /Sujet : Un jeu dont VOUS êtes le héros/);
    await press(page, 'x');
    await press(page, '4');
    assert.equal(await announced(page), 'Saisissez le nom de votre personnage:');
    await press(page, 'A');
    await press(page, 'b');
    assert.equal(await announced(page), 'Saisissez le nom de votre personnage:');

    const names = await page.$$eval('button, select', (controls) => controls.map((control) =>
        control.labels?.[0]?.textContent ?? control.textContent));
    assert.deepEqual(names, ['Nouvelle partie (Entrée)', 'Sauvegardes :', 'Télécharger la sauvegarde',
                             'Ajouter un fichier de sauvegarde', 'Musique : oui']);
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'save-list');
    await page.keyboard.press('Tab');  // the download button waits for a save
    assert.equal(await page.evaluate(() => document.activeElement.id), 'upload');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#music', (button) => button.getAttribute('aria-pressed')),
                 'false');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'screen');
    await page.close();
});
