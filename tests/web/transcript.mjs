// Reads the stored transcripts of tests/transcripts (`NAME.transcript`: what the
// game showed at each key wait of a scripted game, and the key given there), and
// puts a page's screen in the transcript's form so that the two compare as text.
import { readFileSync } from 'node:fs';

// The waits of a transcript: { number, tracks, rows: Map(row -> {text, colours}),
// cursor: [x, y], step }, the closing line and the tracks started after the last
// wait. A step is what the wait was given: { key } (a browser key name) or { line },
// or null where the script had no more keys.
export function parseTranscript(text) {
    const waits = [];
    let end = null;
    let endTracks = [];
    let wait = null;
    let lastRow = null;
    for (const line of text.split('\n')) {
        let match;
        if ((match = /^== wait (\d+)/.exec(line))) {
            wait = { number: Number(match[1]), tracks: [], rows: new Map(), cursor: null, step: null };
            waits.push(wait);
        } else if ((match = /^== end: (.*)$/.exec(line))) {
            end = match[1];
            wait = null;
        } else if (wait === null) {
            if ((match = /^tracks: (.*)$/.exec(line)) && end !== null) endTracks = trackList(match[1]);
        } else if ((match = /^tracks: (.*)$/.exec(line))) {
            wait.tracks = trackList(match[1]);
        } else if (/^screen: unchanged/.test(line)) {
            wait.rows = waits.at(-2).rows;
        } else if ((match = /^([ \d]\d)\|(.*)$/.exec(line))) {
            lastRow = Number(match[1]);
            wait.rows.set(lastRow, { text: match[2], colours: '' });
        } else if ((match = /^ {2}:(.*)$/.exec(line)) && lastRow !== null) {
            wait.rows.get(lastRow).colours = match[1];
        } else if ((match = /^cursor: (\d+),(\d+)/.exec(line))) {
            wait.cursor = [Number(match[1]), Number(match[2])];
        } else if ((match = /^key: (.+)$/.exec(line))) {
            wait.step = match[1] === '-' ? null : { key: browserKey(match[1]) };
        } else if ((match = /^line: "(.*)"$/.exec(line))) {
            wait.step = { line: match[1].replace(/\\(["\\])/g, '$1') };
        }
    }
    return { waits, end, endTracks };
}

// The browser key for a key of the transcript: Space, Enter, Backspace and Tab are
// browser key names already; a special key stands for any key the game reads as one.
function browserKey(key) {
    return /^special\+\d+$/.test(key) ? 'ArrowDown' : key;
}

function trackList(text) {
    return text.trim() === '-' ? [] : text.split(/[,\s]+/).filter(Boolean);
}

export function readTranscript(folder, name) {
    return parseTranscript(readFileSync(`${folder}/${name}.transcript`, 'utf8'));
}

// A page screen (readScreen) in the transcript's form: its non-blank rows, each
// with the colour digit of every non-blank cell whose colour is not 7.
export function asTranscriptRows(screen) {
    const rows = new Map();
    screen.forEach((row, index) => {
        const text = row.text.trimEnd();
        if (text === '') return;
        const colours = [...row.text].map((ch, x) => (ch === ' ' || row.colours[x] === 7
            ? ' ' : row.colours[x].toString(16))).join('').trimEnd();
        rows.set(index + 1, { text, colours });
    });
    return rows;
}

// The rows as the transcript writes them, for a readable difference.
export function formatRows(rows) {
    return [...rows].map(([y, row]) => `${String(y).padStart(2)}|${row.text}` +
        (row.colours ? `\n  :${row.colours}` : '')).join('\n');
}
