// The page around the game. The game (vovuzavo.js, the core compiled to
// WebAssembly) calls Module.page to draw rows, wait for keys, play tracks, keep
// its saves in storage and say that a game is over; this script turns key presses
// into the game's code-page-850 keys, writes the rows as text, announces new text
// to screen readers, scales the font and runs the save and music buttons.
//
// window.vovuzavo tells tools and tests how far the game is: `waits` counts the
// key waits, `tracks` lists the tracks started, `cursor` is where the cursor
// stands, `over` is true while the page waits for a new game, `firstScreenAt` is
// when the first screen was shown.
'use strict';

var Module = (function () {
    const COLS = 80;
    const ROWS = 44;
    const ENTER = 10;
    const BACKSPACE = 8;
    const ESCAPE = 27;
    const SPECIAL_KEY = 256;  // keys without a character: no menu accepts them
    const FOLDER = '/saves';
    const SAVE_SUFFIX = '_save.txt';
    const LARGEST_UPLOAD = 64 * 1024;
    const QUEUED_KEYS = 64;
    // Keys without a character, numbered as the terminal reads them, so that they
    // continue a "press any key" screen there and here alike.
    const NAMED_KEYS = {
        ArrowDown: SPECIAL_KEY + 258, ArrowUp: SPECIAL_KEY + 259, ArrowLeft: SPECIAL_KEY + 260,
        ArrowRight: SPECIAL_KEY + 261, Home: SPECIAL_KEY + 262, Delete: SPECIAL_KEY + 330,
        Insert: SPECIAL_KEY + 331, PageDown: SPECIAL_KEY + 338, PageUp: SPECIAL_KEY + 339,
        End: SPECIAL_KEY + 360,
    };

    const $ = (id) => document.getElementById(id);
    const screenEl = $('screen');
    const consoleEl = $('console');
    const cursorEl = $('cursor');
    const announceEl = $('announce');
    const statusEl = $('status');
    const overEl = $('over');
    const saveList = $('save-list');
    const loadingText = statusEl.textContent;

    const game = { waits: 0, tracks: [], cursor: null, over: false, firstScreenAt: null,
                   lastKeyAt: null, lastDrawnAt: null };
    window.vovuzavo = game;

    let charset = [];             // code-page-850 code -> the character shown
    const codes = new Map();      // typed character -> its code-page-850 code
    const rows = [];              // the row elements
    const rowTexts = [];          // each row's text as drawn
    let changedRows = [];         // rows drawn since the last end of drawing
    const pendingKeys = [];
    let keyWaiter = null;
    let newGameWaiter = null;

    // ---- The screen ----

    function buildRows() {
        for (let y = 0; y < ROWS; ++y) {
            const row = document.createElement('div');
            row.className = 'row';
            row.textContent = ' '.repeat(COLS);
            screenEl.appendChild(row);
            rows.push(row);
            rowTexts.push(' '.repeat(COLS));
        }
    }

    function setCharset(table) {
        charset = Array.from(table, (unicode) => String.fromCharCode(unicode));
        // A character that several codes show is typed as the lowest of them.
        for (let code = 255; code >= 128; --code) codes.set(charset[code], code);
        for (let code = 32; code < 127; ++code) codes.set(String.fromCharCode(code), code);
    }

    // `cells` holds two bytes per column: the code-page-850 code and the attribute
    // (foreground colour in the low four bits; the game never sets a background).
    function drawRow(y, cells) {
        const runs = [];
        let text = '';
        let runStart = 0;
        for (let x = 0; x < cells.length / 2; ++x) {
            const colour = cells[2 * x + 1] & 15;
            if (x > 0 && colour !== (cells[2 * x - 1] & 15)) {
                runs.push(span(text.slice(runStart), cells[2 * x - 1] & 15));
                runStart = text.length;
            }
            text += charset[cells[2 * x]];
        }
        runs.push(span(text.slice(runStart), cells[cells.length - 1] & 15));
        rows[y - 1].replaceChildren(...runs);
        changedRows.push({ y, before: rowTexts[y - 1], after: text });
        rowTexts[y - 1] = text;
    }

    function span(text, colour) {
        const run = document.createElement('span');
        run.className = 'fg-' + colour;
        run.textContent = text;
        return run;
    }

    function endDrawing(cursorX, cursorY) {
        game.cursor = [cursorX, cursorY];
        cursorEl.style.left = (cursorX - 1) + 'ch';
        cursorEl.style.top = ((cursorY - 1) * 1.2) + 'em';
        announce(changedRows);
        changedRows = [];
        game.lastDrawnAt = performance.now();
        if (game.firstScreenAt === null) {
            game.firstScreenAt = game.lastDrawnAt;
            if (statusEl.textContent === loadingText) setStatus('');
        }
    }

    // New text is read out after each key. The echo of a typed answer is not:
    // the screen reader already speaks the keys as they are typed.
    function announce(changed) {
        const lines = changed.filter((row) => row.before !== row.after)
            .sort((a, b) => a.y - b.y)
            .map((row) => row.after.trimEnd())
            .filter((text) => text.length > 0);
        if (lines.length === 0 || isEcho(changed)) return;
        announceEl.textContent = lines.join('\n');
    }

    function isEcho(changed) {
        if (changed.length !== 1) return false;
        const before = changed[0].before.trimEnd();
        const after = changed[0].after.trimEnd();
        return after.startsWith(before) || before.startsWith(after);
    }

    // The font takes the largest size at which 80 columns and 44 rows fit.
    function fitFont() {
        const probe = $('probe');
        const charWidth = probe.getBoundingClientRect().width / probe.textContent.length / 100;
        const controls = $('controls').getBoundingClientRect().height +
            statusEl.getBoundingClientRect().height + (overEl.hidden ? 0 : overEl.offsetHeight);
        const byWidth = (window.innerWidth - 16) / (COLS * charWidth);
        const byHeight = (window.innerHeight - controls - 24) / (ROWS * 1.2);
        consoleEl.style.fontSize = Math.max(4, Math.min(byWidth, byHeight)) + 'px';
    }

    // ---- Keys ----

    function keyCode(event) {
        if (event.isComposing) return null;
        const altGraph = event.getModifierState && event.getModifierState('AltGraph');
        if ((event.ctrlKey || event.altKey || event.metaKey) && !altGraph) return null;
        if (event.key === 'Enter') return ENTER;
        if (event.key === 'Backspace') return BACKSPACE;
        if (event.key === 'Escape') return ESCAPE;
        if (event.key in NAMED_KEYS) return NAMED_KEYS[event.key];
        if ([...event.key].length !== 1) return null;  // Tab, F1-F12, dead keys...: the browser's
        return codes.has(event.key) ? codes.get(event.key) : SPECIAL_KEY;
    }

    function onKeyDown(event) {
        if (game.over) {
            const restart = event.target === $('restart') || !isControl(event.target);
            if (event.key === 'Enter' && restart) {
                event.preventDefault();
                startNewGame();
            }
            return;
        }
        if (isControl(event.target)) return;
        const code = keyCode(event);
        if (code === null) return;
        event.preventDefault();
        game.lastKeyAt = event.timeStamp;
        giveKey(code);
    }

    function isControl(element) {
        return element instanceof HTMLButtonElement || element instanceof HTMLSelectElement ||
            element instanceof HTMLInputElement;
    }

    function giveKey(code) {
        if (keyWaiter !== null) {
            const waiter = keyWaiter;
            keyWaiter = null;
            waiter(code);
        } else if (pendingKeys.length < QUEUED_KEYS) {
            pendingKeys.push(code);
        }
    }

    function nextKey() {
        listSaves();  // the game may just have saved
        game.waits += 1;
        if (pendingKeys.length > 0) return Promise.resolve(pendingKeys.shift());
        return new Promise((resolve) => { keyWaiter = resolve; });
    }

    // ---- End of a game ----

    function gameOver() {
        game.over = true;
        pendingKeys.length = 0;
        overEl.hidden = false;
        fitFont();
        $('restart').focus();
        return new Promise((resolve) => { newGameWaiter = resolve; });
    }

    function startNewGame() {
        if (!game.over) return;
        game.over = false;
        overEl.hidden = true;
        fitFont();
        screenEl.focus();
        const waiter = newGameWaiter;
        newGameWaiter = null;
        waiter();
    }

    // ---- Music ----

    let track = null;   // the track the game plays now
    let audio = null;
    let musicOn = setting('vovuzavo-music') !== 'off';

    // `stops`: the name is the game's way to stop the music, not a track.
    function playTrack(name, stops) {
        game.tracks.push(name);
        track = stops ? null : name;
        startTrack();
    }

    // A missing file, or a browser that refuses to play, is silence.
    function startTrack() {
        if (audio !== null) {
            audio.pause();
            audio = null;
        }
        if (track === null || !musicOn) return;
        audio = new Audio('music/' + encodeURIComponent(track));
        audio.play().catch(() => {});
    }

    function toggleMusic() {
        musicOn = !musicOn;
        setting('vovuzavo-music', musicOn ? 'on' : 'off');
        showMusicButton();
        startTrack();
        screenEl.focus();
    }

    // Reads or writes a setting of the page; a browser that keeps no storage
    // forgets them.
    function setting(name, value) {
        try {
            if (value === undefined) return localStorage.getItem(name);
            localStorage.setItem(name, value);
        } catch {
            return null;
        }
        return value;
    }

    function showMusicButton() {
        $('music').setAttribute('aria-pressed', String(musicOn));
        $('music').textContent = musicOn ? 'Musique : oui' : 'Musique : non';
    }

    // ---- Saves ----

    let storageWorks = true;

    // Copies the folder from storage (populate) or to it; a browser without
    // storage keeps the saves in the page only, and says so.
    function syncStorage(populate) {
        return new Promise((resolve) => {
            Module.FS.syncfs(populate, (error) => {
                if (error) storageRefused();
                listSaves();
                resolve();
            });
        });
    }

    function storageRefused() {
        if (!storageWorks) return;
        storageWorks = false;
        setStatus('Ce navigateur ne garde pas les sauvegardes : elles seront perdues ' +
                  'en quittant la page. Téléchargez-les pour les garder.');
    }

    function listSaves() {
        const names = Module.FS.readdir(FOLDER).filter((name) => name.endsWith(SAVE_SUFFIX)).sort();
        if (names.join('/') === [...saveList.options].map((option) => option.value).join('/')) {
            return;
        }
        const chosen = saveList.value;
        saveList.replaceChildren(...names.map((name) => new Option(name, name)));
        if (names.includes(chosen)) saveList.value = chosen;
        $('download').disabled = names.length === 0;
    }

    function downloadSave() {
        const name = saveList.value;
        if (!name) return;
        const bytes = Module.FS.readFile(FOLDER + '/' + name);
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
        link.download = name;
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
        setStatus(`Sauvegarde ${name} téléchargée.`);
        screenEl.focus();
    }

    // The file goes into the folder under its own name; the game checks its
    // contents when the player loads it, as it does in the terminal.
    async function uploadSave(file) {
        screenEl.focus();
        const refusal = uploadRefusal(file);
        if (refusal) {
            setStatus(refusal);
            return;
        }
        const bytes = new Uint8Array(await file.arrayBuffer());
        const path = FOLDER + '/' + file.name;
        const replaced = Module.FS.analyzePath(path).exists;
        Module.FS.writeFile(path, bytes);
        await syncStorage(false);
        const saveName = file.name.slice(0, -SAVE_SUFFIX.length);
        setStatus(`Sauvegarde ${file.name} ${replaced ? 'remplacée' : 'ajoutée'} : chargez-la ` +
                  `avec l'option 5 du menu principal sous le nom « ${saveName} ».`);
    }

    function uploadRefusal(file) {
        if (!file.name.endsWith(SAVE_SUFFIX)) {
            return `Fichier refusé : le nom d'une sauvegarde finit par ${SAVE_SUFFIX}.`;
        }
        // The name must be one that the game can be given at its prompt.
        const saveName = [...file.name.slice(0, -SAVE_SUFFIX.length)];
        if (saveName.length > 10 || !saveName.every((ch) => codes.has(ch) && ch !== '/')) {
            return 'Fichier refusé : le nom de sauvegarde a 10 caractères au plus, sans « / ».';
        }
        if (file.size > LARGEST_UPLOAD) return 'Fichier refusé : une sauvegarde est bien plus petite.';
        return null;
    }

    function setStatus(text) {
        statusEl.textContent = text;
    }

    // ---- Start ----

    buildRows();
    fitFont();
    showMusicButton();
    window.addEventListener('resize', fitFont);
    document.addEventListener('keydown', onKeyDown);
    $('restart').addEventListener('click', startNewGame);
    $('music').addEventListener('click', toggleMusic);
    $('download').addEventListener('click', downloadSave);
    $('upload').addEventListener('click', () => $('upload-file').click());
    $('upload-file').addEventListener('change', (event) => {
        const file = event.target.files[0];
        event.target.value = '';
        if (file) uploadSave(file);
    });
    screenEl.addEventListener('click', () => screenEl.focus());
    screenEl.focus();

    return {
        page: { setCharset, drawRow, endDrawing, nextKey, gameOver, playTrack, syncStorage,
                storageRefused },
        onAbort: (what) => setStatus('Le jeu s\'est arrêté sur une erreur : ' + what),
    };
})();
