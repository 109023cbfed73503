// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the site together in dist/ and writes brannock.html, the same page in one file: its style
// sheet and scripts inline, allowed by their hashes in the page's Content-Security-Policy, and
// without the manifest, icon and service worker, which a page opened from disk cannot use.
// Usage: node assemble.mjs PROGRAM_JS PAGES_DIR APP_DIR DIST_DIR SINGLE_HTML
import {copyFileSync, readFileSync, writeFileSync} from 'node:fs';
import {createHash} from 'node:crypto';
import {join} from 'node:path';

const [program, pages, app, dist, single] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'utf8');

copyFileSync(join(pages, 'index.html'), join(dist, 'index.html'));
copyFileSync(join(pages, 'brannock.css'), join(dist, 'brannock.css'));
copyFileSync(join(pages, 'manifest.webmanifest'), join(dist, 'manifest.webmanifest'));
copyFileSync(join(app, 'page.js'), join(dist, 'page.js'));
copyFileSync(program, join(dist, 'brannock.js'));

// The worker's cache is named after the files it keeps, so that a new build replaces it.
const files = ['./', 'index.html', 'brannock.css', 'page.js', 'brannock.js',
               'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png'];
const version = createHash('sha256');
for (const file of files.slice(1))
    version.update(readFileSync(join(dist, file)));
writeFileSync(join(dist, 'sw.js'), read(join(app, 'sw.js'))
                                           .replace('@VERSION@', version.digest('hex').slice(0, 16))
                                           .replace('@FILES@', JSON.stringify(files)));

const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const inline = (tag, text) => {
    if (text.includes(`</${tag}`))
        throw new Error(`an inline ${tag} may not hold </${tag}`);
    return `<${tag}>${text}</${tag}>`;
};
const css = read(join(pages, 'brannock.css'));
const scripts = [read(join(app, 'page.js')), read(program)];
let html = read(join(pages, 'index.html'));
const replace = (from, to) => {
    if (!html.includes(from))
        throw new Error(`index.html has no ${from}`);
    html = html.replace(from, () => to);
};
replace('<link rel="manifest" href="manifest.webmanifest">\n', '');
replace('<link rel="icon" href="icon.svg" type="image/svg+xml">\n', '');
replace('<link rel="stylesheet" href="brannock.css">', inline('style', css));
replace('<script src="page.js" defer></script>', inline('script', scripts[0]));
replace('<script src="brannock.js" defer></script>', inline('script', scripts[1]));
replace("script-src 'self'", `script-src ${scripts.map(hash).join(' ')}`);
replace("style-src 'self'", `style-src ${hash(css)}`);
replace(" img-src 'self'; manifest-src 'self'; worker-src 'self';", '');
writeFileSync(single, html);
