// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the site together in dist/ and writes brannock.html, the same page in one file. The style
// sheet is inline in both, so that the first frame waits on no other file, and allowed by its hash
// in the page's Content-Security-Policy; in the one file the scripts are inline too, allowed the
// same way, without the manifest, icon and service worker, which a page opened from disk cannot
// use. Usage: node assemble.mjs PROGRAM_JS PAGES_DIR APP_DIR DIST_DIR SINGLE_HTML
import {copyFileSync, readFileSync, writeFileSync} from 'node:fs';
import {createHash} from 'node:crypto';
import {join} from 'node:path';

const [program, pages, app, dist, single] = process.argv.slice(2);
// As the HTML parser reads it, so that the hashes are of what it reads.
const read = (path) => readFileSync(path, 'utf8').replace(/\r\n?/g, '\n');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const inline = (tag, text) => {
    if (new RegExp(`</${tag}|<!--`, 'i').test(text))
        throw new Error(`an inline ${tag} may not hold </${tag} or <!--`);
    return `<${tag}>${text}</${tag}>`;
};
const edit = (html, changes) => changes.reduce((page, [from, to]) => {
    if (!page.includes(from))
        throw new Error(`index.html has no ${from}`);
    return page.replace(from, () => to);
}, html);

const css = read(join(pages, 'brannock.css'));
const site = edit(read(join(pages, 'index.html')), [
    ['<link rel="stylesheet" href="brannock.css">', inline('style', css)],
    ["style-src 'self'", `style-src ${hash(css)}`],
]);
writeFileSync(join(dist, 'index.html'), site);
copyFileSync(join(pages, 'manifest.webmanifest'), join(dist, 'manifest.webmanifest'));
copyFileSync(join(app, 'page.js'), join(dist, 'page.js'));
copyFileSync(program, join(dist, 'brannock.js'));

// What the worker keeps; its cache is named after them, so that a new build replaces it. The
// manifest's PNG icons are left to the browser, which fetches them when it installs the page.
const files = ['./', 'index.html', 'page.js', 'brannock.js', 'manifest.webmanifest', 'icon.svg'];
const version = createHash('sha256');
for (const file of files.slice(1))
    version.update(readFileSync(join(dist, file)));
writeFileSync(join(dist, 'sw.js'), read(join(app, 'sw.js'))
                                           .replace('@VERSION@', version.digest('hex').slice(0, 16))
                                           .replace('@FILES@', JSON.stringify(files)));

const scripts = [read(join(app, 'page.js')), read(program)];
writeFileSync(single, edit(site, [
    ['<link rel="manifest" href="manifest.webmanifest">\n', ''],
    ['<link rel="icon" href="icon.svg" type="image/svg+xml">\n', ''],
    ['<script src="page.js" defer></script>', scripts.map((s) => inline('script', s)).join('\n')],
    ["script-src 'self'", `script-src ${scripts.map(hash).join(' ')}`],
    [" img-src 'self'; manifest-src 'self'; worker-src 'self';", ''],
]));
