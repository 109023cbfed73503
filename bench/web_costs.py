#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's costs in headless Chromium against floors measured in the same run, runs
interleaved, medians, at the CPU's own speed and slowed 4 times: navigation to the first frame
(the whole window) against floor.html, the same captions with no program, on a first visit (no
HTTP cache, worker bypassed) and a repeat one (the worker's cache; the floor's HTTP cache); Enter
in the prompt box to the next prompt painted against a bare <dialog> loop; and the gzip -9 size
of the files the page loads. Usage: /usr/bin/python3 bench/web_costs.py build-web [runs] [trips]"""
import gzip
import os
import pathlib
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from browser import Browser, Site  # noqa: E402

BARE = '''<!DOCTYPE html><meta charset="utf-8"><title>bare</title>
<button id="Command1">go</button><dialog id="Box"><p id="BoxPrompt"></p><input id="BoxReply"></dialog>
<script>
const ask = () => { BoxPrompt.textContent = Math.random(); BoxReply.value = ''; Box.showModal(); };
Command1.onclick = ask;
BoxReply.onkeydown = (e) => { if (e.key === 'Enter') { e.preventDefault(); Box.close(); ask(); } };
document.body.dataset.ready = 'true';
</script>'''

# From the Enter key's event time to the end of the frame that shows the next prompt (a message
# posted from that frame's animation callback arrives after its paint).
TRIPS = '''(() => {
    window.trips = [];
    let enter = null;
    addEventListener('keydown', (e) => { if (e.key === 'Enter') enter = e.timeStamp; }, true);
    new MutationObserver(() => {
        const from = enter, channel = new MessageChannel();
        channel.port1.onmessage = () => trips.push(performance.now() - from);
        requestAnimationFrame(() => channel.port2.postMessage(0));
    }).observe(BoxPrompt, {childList: true});
})()'''
PAINT = 'performance.getEntriesByName("first-contentful-paint")[0]'


def first_frame(browser, url, cold):
    browser.send('Network.setCacheDisabled', cacheDisabled=cold)
    browser.send('Network.setBypassServiceWorker', bypass=cold)
    browser.send('Page.navigate', url='about:blank')
    time.sleep(0.3)
    browser.send('Page.navigate', url=url)
    browser.wait('!!' + PAINT)
    paint = browser.run(PAINT + '.startTime')
    # The page is left once loaded, its program too, so that its work ends before the next.
    browser.wait('document.readyState === "complete" && (!document.scripts.length || '
                 'document.body.dataset.ready === "true")')
    return paint


def round_trips(browser, url, count):
    browser.open(url)
    browser.run(TRIPS)
    browser.run('Command1.click()')
    browser.wait('Box.open')
    for i in range(count):
        browser.key('Enter', 13)
        browser.wait('trips.length > %d' % i)
    trips = browser.run('trips')
    # Ends the run as a user would (an empty reply, then 0 to abandon), so leaving asks nothing.
    for reply in [''] * (count % 2 == 0) + ['0']:
        browser.answer(reply)
    return statistics.median(trips)


def measure(rate, pages, runs, count):
    """The table's rows for one CPU rate: the page's median, the floor's, the target ratio."""
    browser = Browser()
    figures = {}
    try:
        browser.send('Emulation.setCPUThrottlingRate', rate=rate)
        browser.open(pages['real'][0])  # the first visit: the worker registers and fills its cache
        browser.run('navigator.serviceWorker.ready.then(() => true)')
        for run in range(runs):
            for which in list(pages)[::1 if run % 2 else -1]:
                for cold in (True, False):
                    figures.setdefault((cold, which), []).append(
                        first_frame(browser, pages[which][0], cold))
                figures.setdefault(('trip', which), []).append(
                    round_trips(browser, pages[which][1], count))
    finally:
        browser.close()
    slowed = ', CPU 4× slower' if rate > 1 else ''
    names = {True: 'first frame, first visit', False: 'first frame, repeat visit',
             'trip': 'prompt round trip'}
    return [(names[what] + slowed, *(statistics.median(figures[what, which]) for which in pages),
             1.5 if what == 'trip' else 1.15) for what in names]


def main():
    build, runs, trips = sys.argv[1], *map(int, sys.argv[2:] or [11, 30])
    dist = os.path.join(build, 'dist')
    floors = tempfile.mkdtemp(prefix='brannock-floors-')
    shutil.copy(os.path.join(build, 'app', 'web', 'pages', 'floor.html'), floors)
    pathlib.Path(floors, 'bare.html').write_text(BARE)
    site, floor = Site(dist), Site(floors)
    pages = {'real': (site.url, site.url),
             'floor': (floor.url + 'floor.html', floor.url + 'bare.html')}
    try:
        rows = [row for rate in (1, 4) for row in measure(rate, pages, runs, trips)]
    finally:
        site.stop()
        floor.stop()
        shutil.rmtree(floors)
    print('| figure | Brannock | floor | ratio | target | met |\n|---|---|---|---|---|---|')
    for figure, real, bare, target in rows:
        print('| %s | %.1f ms | %.1f ms | %.2f× | ≤ %.2f× | %s |' % (
            figure, real, bare, real / bare, target, 'yes' if real <= target * bare else 'no'))
    total = 0
    for name in ('index.html', 'page.js', 'brannock.js', 'sw.js', 'manifest.webmanifest'):
        size = len(gzip.compress(pathlib.Path(dist, name).read_bytes(), 9)) / 1024
        total += size
        print('| %s, gzip -9 | %.1f KiB | | | | |' % (name, size))
    print('| transferred, gzip -9 | %.1f KiB | | | ≤ 100 KiB | %s |' % (
        total, 'yes' if total <= 100 else 'no'))


if __name__ == '__main__':
    main()
