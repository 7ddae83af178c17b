// Reads the stored transcripts of tests/transcripts: a path (`NAME.path`: the keys
// of a scripted game) and what the game showed at each key wait of it
// (`NAME.transcript`), and puts a page's screen in the transcript's form so that
// the two compare as text.
import { readFileSync } from 'node:fs';

const NAMED_KEYS = { Enter: '\n', Space: ' ', Backspace: '\b' };

// The path's keys as steps: { key } (one character, or 'special') or { line }.
export function parsePath(text) {
    const steps = [];
    for (const raw of text.split('\n')) {
        const tokens = tokenize(raw);
        if (tokens[0] !== 'keys') continue;
        for (const token of tokens.slice(1)) steps.push(...expand(token));
    }
    return steps;
}

// Splits a line into words; a quoted text is one word (with its quotes) and '#'
// outside quotes starts a comment.
function tokenize(line) {
    const tokens = [];
    let i = 0;
    while (i < line.length) {
        if (/\s/.test(line[i])) { ++i; continue; }
        if (line[i] === '#') break;
        let token = '';
        while (i < line.length && !/\s/.test(line[i])) {
            if (line[i] === '"') {
                token += line[i++];
                while (i < line.length && line[i] !== '"') {
                    if (line[i] === '\\') token += line[i++];
                    token += line[i++];
                }
                if (i >= line.length) throw new Error(`unclosed quote in: ${line}`);
            }
            token += line[i++];
        }
        tokens.push(token);
    }
    return tokens;
}

function expand(token) {
    const repeat = /^(.+)\*(\d+)$/.exec(token);
    if (repeat && repeat[1] !== '') {
        const one = expand(repeat[1]);
        return Array.from({ length: Number(repeat[2]) }, () => one).flat();
    }
    if (token.startsWith('"')) {
        return [{ line: token.slice(1, -1).replace(/\\(["\\])/g, '$1') }];
    }
    if (token in NAMED_KEYS) return [{ key: NAMED_KEYS[token] }];
    if (/^special\+\d+$/.test(token)) return [{ key: 'special' }];
    if ([...token].length !== 1) throw new Error(`unknown key: ${token}`);
    return [{ key: token }];
}

// The waits of a transcript: { number, tracks, rows: Map(row -> {text, colours}),
// cursor: [x, y] }, the closing line and the tracks started after the last wait.
export function parseTranscript(text) {
    const waits = [];
    let end = null;
    let endTracks = [];
    let wait = null;
    let lastRow = null;
    for (const line of text.split('\n')) {
        let match;
        if ((match = /^== wait (\d+)/.exec(line))) {
            wait = { number: Number(match[1]), tracks: [], rows: new Map(), cursor: null };
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
        }
    }
    return { waits, end, endTracks };
}

function trackList(text) {
    return text.trim() === '-' ? [] : text.split(/[,\s]+/).filter(Boolean);
}

export function readTranscript(folder, name) {
    return {
        steps: parsePath(readFileSync(`${folder}/${name}.path`, 'utf8')),
        ...parseTranscript(readFileSync(`${folder}/${name}.transcript`, 'utf8')),
    };
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
