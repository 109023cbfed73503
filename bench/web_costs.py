#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's costs in headless Chromium against floors measured in the same run, runs
interleaved, medians, at the CPU's own speed and slowed 4 times: navigation to the first frame
(the whole window) against floor.html, the same captions with no program, on a first visit (no
HTTP cache, worker bypassed) and a repeat one (the worker's cache; the floor's HTTP cache); Enter
in the prompt box to the next box painted against a bare <dialog> loop; and the gzip -9 size of
each file the browser fetched.
Usage: /usr/bin/python3 bench/web_costs.py build-web [--runs 11] [--trips 30]"""
import argparse
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
const box = document.getElementById('Box'), reply = document.getElementById('BoxReply');
const ask = () => { BoxPrompt.textContent = Math.random(); reply.value = ''; box.showModal(); reply.focus(); };
Command1.onclick = ask;
reply.onkeydown = (event) => { if (event.key === 'Enter') { event.preventDefault(); box.close(); ask(); } };
document.body.dataset.ready = 'true';
</script>'''

# From the Enter key's event time to the end of the frame that shows the next prompt (a message
# posted from that frame's animation callback arrives after its paint).
TRIPS = '''(() => {
    window.trips = [];
    let enter = null;
    addEventListener('keydown', (event) => { if (event.key === 'Enter') enter = event.timeStamp; }, true);
    new MutationObserver(() => {
        if (enter === null)
            return;
        const from = enter, channel = new MessageChannel();
        enter = null;
        channel.port1.onmessage = () => { trips.push(performance.now() - from); window.tripDone?.(); };
        requestAnimationFrame(() => channel.port2.postMessage(0));
    }).observe(BoxPrompt, {childList: true});
})()'''
PAINT = 'performance.getEntriesByName("first-contentful-paint")[0]'


def first_frame(browser, url, cold):
    """Navigation start to the first contentful paint; whether the document was parsed by then."""
    browser.send('Network.setCacheDisabled', cacheDisabled=cold)
    browser.send('Network.setBypassServiceWorker', bypass=cold)
    browser.send('Page.navigate', url='about:blank')
    time.sleep(0.3)
    browser.send('Page.navigate', url=url)
    browser.wait('!!' + PAINT)
    paint, parsed = browser.run('[%s.startTime, performance.getEntriesByType("navigation")[0]'
                                '.domInteractive || 1e9]' % PAINT)
    # The page is left only once loaded, its program too, so that its work ends before the next.
    browser.wait('document.readyState === "complete" && (!document.scripts.length || '
                 'document.body.dataset.ready === "true")')
    return paint, parsed > paint


def round_trips(browser, url, count):
    browser.open(url)
    browser.run(TRIPS)
    browser.run('Command1.click()')
    browser.wait('Box.open')
    for i in range(count):
        browser.key('Enter', 13)
        browser.run('new Promise((done) => trips.length > %d ? done() : window.tripDone = done)' % i)
    trips = browser.run('trips')
    # Ends the run as a user would (an empty reply, then 0 to abandon), so leaving asks nothing.
    for reply in [''] * (count % 2 == 0) + ['0']:
        browser.answer(reply)
    return statistics.median(trips)


def measure(rate, pages, runs, count):
    """The table's rows for one CPU rate: both pages' medians and the ratio's target."""
    browser = Browser()
    frames = {(which, cold): [] for which in pages for cold in (True, False)}
    trips, unparsed = {which: [] for which in pages}, 0
    try:
        browser.send('Emulation.setCPUThrottlingRate', rate=rate)
        browser.open(pages['real'][0])  # the first visit: the worker registers and fills its cache
        browser.run('navigator.serviceWorker.ready.then(() => true)')
        time.sleep(0.5)
        for run in range(runs):
            order = list(pages)[::1 if run % 2 else -1]
            for cold in (True, False):
                for which in order:
                    paint, early = first_frame(browser, pages[which][0], cold)
                    frames[which, cold].append(paint)
                    unparsed += early
            for which in order:
                trips[which].append(round_trips(browser, pages[which][1], count))
    finally:
        browser.close()
    slowed = ', CPU 4× slower' if rate > 1 else ''
    if unparsed:
        print('%d of %d first frames came before the document was parsed%s' % (
            unparsed, 4 * runs, slowed))
    return [('navigation to first frame, %s visit%s' % (visit, slowed),
             *(statistics.median(frames[which, cold]) for which in pages), 1.15)
            for cold, visit in ((True, 'first'), (False, 'repeat'))] + \
        [('prompt round trip, Enter to next box painted' + slowed,
          *(statistics.median(trips[which]) for which in pages), 1.5)]


def main():
    options = argparse.ArgumentParser()
    options.add_argument('build', help='the web build folder, e.g. build-web')
    options.add_argument('--runs', type=int, default=11)
    options.add_argument('--trips', type=int, default=30, help='round trips per run')
    options = options.parse_args()
    dist = os.path.join(options.build, 'dist')
    floors = tempfile.mkdtemp(prefix='brannock-floors-')
    shutil.copy(os.path.join(options.build, 'app', 'web', 'pages', 'floor.html'), floors)
    pathlib.Path(floors, 'bare.html').write_text(BARE)
    site, floor = Site(dist), Site(floors)
    pages = {'real': (site.url, site.url),
             'floor': (floor.url + 'floor.html', floor.url + 'bare.html')}
    rows = [row for rate in (1, 4) for row in measure(rate, pages, options.runs, options.trips)]
    site.stop()
    floor.stop()
    shutil.rmtree(floors)

    print('\n| figure | Brannock | floor | ratio | target | met |\n|---|---|---|---|---|---|')
    for figure, real, bare, target in rows:
        print('| %s | %.1f ms | %.1f ms | %.2f× | ≤ %.2f× | %s |' % (
            figure, real, bare, real / bare, target, 'yes' if real <= target * bare else 'no'))
    # What the browser fetched, gzipped: the counted groups, then anything else.
    size = {name: len(gzip.compress(pathlib.Path(dist, name).read_bytes(), 9)) / 1024
            for name in (path.lstrip('/') or 'index.html' for path in site.asked)
            if os.path.isfile(os.path.join(dist, name))}
    groups = {'page': ['index.html', 'page.js'], 'program': ['brannock.js'], 'worker': ['sw.js'],
              'manifest': ['manifest.webmanifest']}
    counted = {name for names in groups.values() for name in names}
    groups['others'] = sorted(set(size) - counted)
    for group, names in groups.items():
        print('| %s (%s), gzip -9 | %.1f KiB | | | | |' % (
            group, ', '.join(names), sum(size.get(name, 0) for name in names)))
    total = sum(size.get(name, 0) for name in counted)
    print('| page, program, worker and manifest, gzip -9 | %.1f KiB | | | ≤ 100 KiB | %s |' % (
        total, 'yes' if total <= 100 else 'no'))


if __name__ == '__main__':
    main()
