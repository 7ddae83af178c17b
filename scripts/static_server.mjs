// A small static file server for the web page, bound to 127.0.0.1.
// As a program: node scripts/static_server.mjs FOLDER PORT (serves until stopped).
// As a module: serve(folder, port) starts one (port 0: any free port) and
// resolves to the running http.Server.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.mp3': 'audio/mpeg',
    '.png': 'image/png',
};

// The file a request asks for, or null when it lies outside the folder.
function fileFor(root, url) {
    let path;
    try {
        path = decodeURIComponent(new URL(url, 'http://localhost').pathname);
    } catch {
        return null;
    }
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    return file === root || file.startsWith(root + sep) ? file : null;
}

function answer(root, request, response) {
    const file = fileFor(root, request.url);
    let size = -1;
    try {
        if (file !== null && statSync(file).isFile()) size = statSync(file).size;
    } catch {
        size = -1;
    }
    if (size < 0 || (request.method !== 'GET' && request.method !== 'HEAD')) {
        response.writeHead(404, { 'Content-Type': 'text/plain' });
        response.end('not found\n');
        return;
    }
    response.writeHead(200, {
        'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Content-Length': size,
        'Cache-Control': 'no-cache',
    });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file).pipe(response);
}

export function serve(folder, port = 0) {
    const root = resolve(folder);
    const server = createServer((request, response) => answer(root, request, response));
    return new Promise((done, fail) => {
        server.once('error', fail);
        server.listen(port, '127.0.0.1', () => done(server));
    });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port] = process.argv.slice(2);
    const server = await serve(folder, Number(port ?? 8080));
    console.log(`Vovuzavo: http://127.0.0.1:${server.address().port}/ (Ctrl-C to stop)`);
}
