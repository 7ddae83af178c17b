// Measures the web page: the size of what a browser downloads, the time from
// opening the page to the first screen, and from a key press to the repainted
// screen, in headless Chromium with the page served from 127.0.0.1.
// Run after `bash scripts/web.sh --build` and `npm ci` in tests/web:
//   node bench/web/web_bench.mjs [LOADS] [KEYS]
// (VOVUZAVO_BROWSER=firefox measures Firefox instead.)
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { SITE, openGame, press, startBrowser } from '../../tests/web/browser.mjs';

const LOADS = Number(process.argv[2] ?? 20);
const KEYS = Number(process.argv[3] ?? 200);
const FILES = ['index.html', 'style.css', 'page.js', 'vovuzavo.js', 'vovuzavo.wasm'];

function summary(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
    return `min ${sorted[0].toFixed(1)} ms, median ${at(0.5).toFixed(1)} ms, ` +
        `95% ${at(0.95).toFixed(1)} ms, ` +
        `max ${sorted.at(-1).toFixed(1)} ms (${values.length} runs)`;
}

function sizes() {
    let total = 0;
    let packed = 0;
    for (const file of FILES) {
        const bytes = readFileSync(join(SITE, file));
        total += statSync(join(SITE, file)).size;
        packed += gzipSync(bytes, { level: 9 }).length;
        console.log(`  ${file.padEnd(14)} ${(bytes.length / 1024).toFixed(1).padStart(7)} KiB`);
    }
    console.log(`Size: ${(total / 1024).toFixed(1)} KiB uncompressed ` +
                `(${(packed / 1024).toFixed(1)} KiB gzipped)`);
}

// Each load in a fresh browser context (a new browser process for the page, as for
// a first visit): nothing cached, storage empty.
async function loads(session) {
    const times = [];
    for (let i = 0; i < LOADS; ++i) {
        const context = await session.browser.createBrowserContext();
        const page = await context.newPage();
        await openGame(page, session.url);
        times.push(await page.evaluate(() => window.vovuzavo.firstScreenAt));
        await context.close();
    }
    console.log(`Page load to first screen, new context: ${summary(times)}`);
}

// Loads again in the same tab: no new browser process, the files fetched again.
async function reloads(session) {
    const context = await session.browser.createBrowserContext();
    const page = await context.newPage();
    const times = [];
    for (let i = 0; i < LOADS; ++i) {
        await openGame(page, session.url);
        times.push(await page.evaluate(() => window.vovuzavo.firstScreenAt));
    }
    console.log(`Page reload to first screen: ${summary(times)}`);
    await context.close();
}

// Times each key from its keydown event to the rows written (drawn) and to the
// next frame after that (painted). The keys go from the main menu to a rules page
// and back (whole screens), then type into the name prompt (one row).
async function keys(session) {
    const context = await session.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1000, height: 900 });
    await openGame(page, session.url);
    await page.evaluate(() => {
        window.bench = { drawn: [], painted: [] };
        const endDrawing = Module.page.endDrawing;
        Module.page.endDrawing = (x, y) => {
            endDrawing(x, y);
            const game = window.vovuzavo;
            window.bench.drawn.push(game.lastDrawnAt - game.lastKeyAt);
            requestAnimationFrame(() => window.bench.painted.push(performance.now() - game.lastKeyAt));
        };
    });
    await press(page, 'x');
    await press(page, 'x');
    for (let i = 0; i < KEYS / 2; ++i) {
        await press(page, i % 2 === 0 ? '1' : 'x');
    }
    await press(page, '4');
    for (let i = 0; i < KEYS / 2; ++i) await press(page, i % 2 === 0 ? 'a' : 'Backspace');
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(done)));
    const { drawn, painted } = await page.evaluate(() => window.bench);
    console.log(`Key press to drawn screen: ${summary(drawn.slice(2))}`);
    console.log(`Key press to painted frame: ${summary(painted.slice(2))}`);
    await context.close();
}

// The page comes from the same server as `scripts/web.sh` uses, in a process of
// its own, as a player's browser would get it.
async function startServer() {
    const script = new URL('../../scripts/static_server.mjs', import.meta.url).pathname;
    const server = spawn(process.execPath, [script, SITE, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
    const [line] = await once(server.stdout, 'data');
    return { server, url: /http:\/\/[^ ]+\//.exec(line.toString())[0] };
}

const { server, url } = await startServer();
const session = await startBrowser();
session.url = url;
try {
    sizes();
    await loads(session);
    await reloads(session);
    await keys(session);
} finally {
    await session.close();
    server.kill();
}
