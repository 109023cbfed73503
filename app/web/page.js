// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the program: the prompt box, the fields, the report's SVG pages and their
// printing, the program's end, and the start button. The program (brannock.js) calls Brannock's
// functions; whatever a user types is only ever set as text, never as markup.
'use strict';

const Brannock = (() => {
    const $ = (id) => document.getElementById(id);
    const svgNs = 'http://www.w3.org/2000/svg';
    let running = false;

    // The prompt box: resolves with the reply, or with '' for Esc and "取消". Answered, it stays
    // open until the next task: a box the run asks for at once takes its place without closing and
    // opening again, which would move the focus through the window and restyle it. A box the
    // browser closes anyway while it waits for its answer (a second Esc with no click or key in
    // between, which the page may not refuse) opens again. The second click of a double click and
    // a held key answer nothing: they would answer the next box, its line just emptied.
    let closing = null, waiting = false, focused = null, composing = false;
    function show() {
        if (!$('Box').open)
            $('Box').showModal();
        focused.focus();
    }
    function openBox(prompt, asking) {
        const box = $('Box'), reply = $('BoxReply');
        clearTimeout(closing);
        $('BoxPrompt').textContent = prompt;
        reply.value = '';
        reply.hidden = !asking;
        $('BoxCancel').hidden = !asking;
        return new Promise((resolve) => {
            const answer = (text) => {
                waiting = false;
                closing = setTimeout(() => box.close());
                resolve(text);
            };
            $('BoxOk').onclick = (event) => {
                if (event.detail < 2)
                    answer(asking ? reply.value : '');
            };
            $('BoxCancel').onclick = (event) => {
                if (event.detail < 2)
                    answer('');
            };
            // Esc that cancels an input method's composition leaves the box as it is.
            box.oncancel = (event) => {
                event.preventDefault();
                if (!composing)
                    answer('');
            };
            box.onkeydown = (event) => {
                if (event.repeat)
                    event.preventDefault();
            };
            box.onclose = () => waiting && show();
            // Enter is OK, unless it only ends an input method's composition.
            reply.onkeydown = (event) => {
                if (event.key !== 'Enter')
                    return;
                event.preventDefault();
                if (!event.repeat && !event.isComposing && event.keyCode !== 229)
                    answer(reply.value);
            };
            reply.oncompositionstart = () => {
                composing = true;
            };
            reply.oncompositionend = () => {
                composing = false;
            };
            waiting = true;
            focused = asking ? reply : $('BoxOk');
            show();
        });
    }

    // Measuring in the report's fonts, which are sized in twips.
    const context = document.createElement('canvas').getContext('2d');
    const lineBoxes = new Map();
    function measure(font, text) {
        context.font = font;
        return context.measureText(text).width;
    }

    let pages = [], page = null, paper = null;
    function addPage() {
        page = document.createElementNS(svgNs, 'svg');
        page.setAttribute('viewBox', `0 0 ${paper.width} ${paper.height}`);
        page.setAttribute('width', `${paper.width / 1440}in`);
        page.setAttribute('height', `${paper.height / 1440}in`);
        pages.push(page);
    }

    return {
        ask: (prompt) => openBox(prompt, true),
        tell: (text) => openBox(text, false),
        setField: (name, text) => {
            $(name).value = text;
        },
        // A tab the script did not open may not be closed: the window then gives way to a note.
        end: () => {
            window.close();
            $('Brannock').hidden = true;
            $('Ended').hidden = false;
        },
        beginReport: (width, height) => {
            paper = {width, height};
            pages = [];
            addPage();
        },
        advance: measure,
        // Ascent, descent and the height of a line box: the canvas has no line gap, a line tells.
        metrics: (font) => {
            context.font = font;
            const m = context.measureText('国');
            if (!lineBoxes.has(font)) {
                const probe = document.createElement('div');
                probe.style.cssText = 'position:absolute;visibility:hidden;white-space:pre';
                probe.style.font = font;
                probe.style.lineHeight = 'normal';
                probe.textContent = '国';
                document.body.append(probe);
                lineBoxes.set(font, probe.getBoundingClientRect().height);
                probe.remove();
            }
            // Browsers without the font's own box (Firefox before 116) give the glyph's.
            return [m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent,
                    m.fontBoundingBoxDescent ?? m.actualBoundingBoxDescent, lineBoxes.get(font)];
        },
        // How many code points from the start of text fit within width.
        fitting: (font, text, width) => {
            const points = Array.from(text);
            let low = 0, high = points.length;
            while (low < high) {
                const middle = Math.ceil((low + high) / 2);
                if (measure(font, points.slice(0, middle).join('')) <= width)
                    low = middle;
                else
                    high = middle - 1;
            }
            return low;
        },
        drawText: (x, baseline, font, text) => {
            const piece = document.createElementNS(svgNs, 'text');
            piece.setAttribute('x', x);
            piece.setAttribute('y', baseline);
            piece.style.font = font;
            piece.setAttributeNS('http://www.w3.org/XML/1998/namespace', 'xml:space', 'preserve');
            piece.textContent = text;
            page.append(piece);
        },
        newPage: addPage,
        // The report becomes the page's print content until the next one, so the browser's own
        // Print prints it again; then the browser's print dialog opens.
        printReport: () => {
            clearTimeout(closing);
            $('Box').close();
            $('Report').replaceChildren(...pages);
            document.body.classList.add('reported');
            window.print();
        },
        isRunning: () => running,
        setRunning: (state) => {
            running = state;
        },
    };
})();

// The buttons do nothing while a run waits on a box: the program takes no second call then.
var Module = {
    onRuntimeInitialized() {
        const start = document.getElementById('Command1');
        start.onclick = async () => {
            if (Brannock.isRunning())
                return;
            Brannock.setRunning(true);
            try {
                await Module.ccall('brannock_start', null, [], [], {async: true});
            } finally {
                Brannock.setRunning(false);
            }
        };
        document.getElementById('Command2').onclick = () => {
            if (!Brannock.isRunning())
                Module.ccall('brannock_end', null, [], []);
        };
        document.body.dataset.ready = 'true';
    },
    // A program that cannot go on (out of memory, say) ends as Command2 ends it.
    onAbort() {
        Brannock.setRunning(false);
        Brannock.end();
    },
};

// Leaving the page while a route is being entered asks first; otherwise it asks nothing.
window.addEventListener('beforeunload', (event) => {
    if (Brannock.isRunning()) {
        event.preventDefault();
        event.returnValue = '';
    }
});

// The program loads once the window's first frame is up, so that it never holds that frame back,
// and the worker keeps the site for offline use; in the one-file page the program follows inline
// and there is no worker.
if (document.currentScript.src) {
    requestAnimationFrame(() => setTimeout(() => {
        const program = document.createElement('script');
        program.src = 'brannock.js';
        document.body.append(program);
    }));
    if ('serviceWorker' in navigator && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js').catch(() => {});
}
