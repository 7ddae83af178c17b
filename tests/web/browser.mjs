// What the browser tests share: the built page served from 127.0.0.1 on a free
// port, a headless Chromium of its own (own profile folder, closed by its own
// handle), and helpers that read the page's screen and type into it.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from '../../scripts/static_server.mjs';

export const SITE = process.env.VOVUZAVO_SITE ??
    fileURLToPath(new URL('../../build-web/site', import.meta.url));
// VOVUZAVO_BROWSER=firefox runs the tests in Firefox (Debian's firefox-esr).
export const FIREFOX = process.env.VOVUZAVO_BROWSER === 'firefox';
const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';
const TIMEOUT = 15000;

// Starts the server (of the built site, or of another folder) and the browser;
// `close` stops both and removes the profile.
export async function startBrowser(site = SITE) {
    const server = await serve(site, 0);
    const profile = mkdtempSync(join(tmpdir(), 'vovuzavo-chromium-'));
    const browser = await puppeteer.launch(FIREFOX ? {
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: profile,
    } : {
        executablePath: CHROMIUM,
        headless: true,
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update',
               '--disable-sync'],
    });
    const url = `http://127.0.0.1:${server.address().port}/`;
    return {
        browser, server, url,
        async close() {
            await browser.close();
            await new Promise((done) => server.close(done));
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A new tab; an error thrown in the page fails the test.
export async function newPage(session, context = session.browser) {
    const page = await context.newPage();
    await page.setViewport({ width: 1000, height: 900 });
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error));
    return page;
}

// Loads (or reloads) the game and waits for its first key wait.
export async function openGame(page, url) {
    await page.goto(url);
    await waitForWaits(page, 1);
    return page;
}

export function waits(page) {
    return page.evaluate(() => window.vovuzavo.waits);
}

export async function waitForWaits(page, count) {
    await page.waitForFunction((n) => window.vovuzavo && window.vovuzavo.waits >= n,
                               { timeout: TIMEOUT }, count);
}

// Presses one key ('Enter', 'a', 'é', ...) and waits until the game waits again.
export async function press(page, key) {
    const before = await waits(page);
    if (key.length === 1 && !/^[ -~]$/.test(key)) {
        await pressLetter(page, key);
    } else {
        await page.keyboard.press(key);
    }
    await waitForWaits(page, before + 1);
}

// A letter that the US keyboard lacks, sent as a keyboard with that key (a French
// one for 'é') sends it.
async function pressLetter(page, letter) {
    if (FIREFOX) {
        await page.keyboard.press(letter);
        return;
    }
    const cdp = await page.createCDPSession();
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: letter, text: letter });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: letter });
    await cdp.detach();
}

export async function type(page, text) {
    for (const key of text) await press(page, key);
    await press(page, 'Enter');
}

// The screen as the page shows it: for each of the 44 rows its text and, per
// column, its console colour (from the class of the span that holds the cell).
export function readScreen(page) {
    return page.evaluate(() => [...document.querySelectorAll('#screen > *')].map((row) => {
        const colours = [];
        for (const run of row.children) {
            const colour = Number(run.className.replace('fg-', ''));
            for (let i = 0; i < run.textContent.length; ++i) colours.push(colour);
        }
        return { text: row.textContent, colours };
    }));
}

export async function screenText(page) {
    return (await readScreen(page)).map((row) => row.text.trimEnd()).join('\n');
}

export async function waitForText(page, text) {
    await page.waitForFunction(
        (wanted) => document.getElementById('screen').textContent.includes(wanted),
        { timeout: TIMEOUT }, text);
}
