# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's wiring, in headless Chromium: a route typed into the real dialogs, the report
printed to PDF against the Linux program's, keyboard, markup, offline and from disk, the phone's
view, the fields' names, Command2. Usage: web_test.py CASE; the build folder and tools come from
the environment (tests/web/CMakeLists.txt)."""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

import browser

BUILD = os.environ['BRANNOCK_WEB_BUILD']
DIST = os.path.join(BUILD, 'dist')


def route(name):
    output = subprocess.run(os.environ['BRANNOCK_ROUTE_STEPS'].split() + [name], check=True,
                            capture_output=True, text=True).stdout
    return json.loads(output)


def check(actual, expected, what=''):
    if actual != expected:
        raise AssertionError('%s: %r != %r' % (what, actual, expected))


def words(pdf):
    """Each page's words with their boxes, as pdftotext -bbox reads them, line by line from the
    top and each line from the left: the order they are drawn in is not the report's."""
    html = subprocess.run(['pdftotext', '-bbox', pdf, '-'], check=True, capture_output=True,
                          text=True).stdout
    pages = []
    for page in html.split('<page ')[1:]:
        found = sorted((float(y), float(x), float(x2), float(y2), word) for x, y, x2, y2, word in
                       re.findall(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                                  r'yMax="([\d.]+)">([^<]*)</word>', page))
        lines = []
        for word in found:
            if lines and word[0] - lines[-1][0][0] < 2:
                lines[-1].append(word)
            else:
                lines.append([word])
        pages.append([(w[4], w[1], w[0], w[2], w[3]) for line in lines for w in sorted(
            line, key=lambda w: w[1])])
    return pages


def linux_pdf(name, folder):
    """The report the Linux program saves for the route, with no printer."""
    program = os.environ['BRANNOCK_LINUX_WINDOW_RUN']
    if not os.path.exists(program):
        browser.skip('the Linux build has no ' + program)
    env = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, BRANNOCK_RUN_ROUTE=name,
               BRANNOCK_RUN_RESULT=os.path.join(folder, 'result.json'),
               CUPS_SERVER=os.path.join(folder, 'no-scheduler'), QT_QPA_PLATFORM='offscreen')
    subprocess.run([program], env=env, check=True, capture_output=True, timeout=600)
    return glob.glob(os.path.join(folder, 'Documents', '*.pdf'))[0]


def run_route(page, steps, typed=True):
    """Runs a route through the boxes: each reply typed and Enter pressed, or, untyped, answered in
    the page. Each box is checked to open over the fields the core shows then, painted."""
    page.run('document.getElementById("Command1").click()')
    for step, reply in zip(steps['steps'], steps['replies'] + ['0'] * len(steps['steps'])):
        page.wait('document.getElementById("Box").open && window.painted === window.boxes')
        check(page.run('document.getElementById("BoxPrompt").textContent'), step['prompt'])
        check(page.fields(), step['fields'], step['prompt'])
        page.answer(reply, typed)
    page.wait('!document.getElementById("Box").open && !Brannock.isRunning()')


def compare_report(page, steps, name):
    with tempfile.TemporaryDirectory() as folder:
        page.pdf(os.path.join(folder, 'web.pdf'))
        web, linux = words(os.path.join(folder, 'web.pdf')), words(linux_pdf(name, folder))
    check(len(web), len(linux), 'pages')
    for web_page, linux_page in zip(web, linux):
        check([w[0] for w in web_page], [w[0] for w in linux_page], 'words')
        for a, b in zip(web_page, linux_page):
            if max(abs(p - q) for p, q in zip(a[1:], b[1:])) > 0.5:
                raise AssertionError('%s stands at %s, on Linux at %s' % (a[0], a[1:], b[1:]))
    text = ''.join(''.join(w[0] for w in p) for p in web)
    check(text, ''.join(''.join(line.split()) for line in steps['report']), 'report')


def example(page, site):
    page.open(site.url)
    check(page.run('document.activeElement.id'), 'Text1', 'focus')
    steps = route('example')
    page.events.clear()
    run_route(page, steps)
    requests = [e for e in page.events if e.get('method') == 'Network.requestWillBeSent']
    check(requests, [], 'requests after load')
    check(page.run('window.printed'), 1, 'print dialogs')
    compare_report(page, steps, 'example')


def long_route(page, site):
    page.open(site.url)
    steps = route('long')
    run_route(page, steps, typed=False)
    compare_report(page, steps, 'long')


def markup(page, site):
    page.open(site.url)
    steps = route('markup')
    run_route(page, steps)
    name = '<img src=x onerror=alert(1)>'
    check(page.run('[Text9.value, Text6.value.trim(), document.images.length, !!window.alerted]'),
          [' ' + name, 'B', 0, False])
    check(page.run('document.getElementById("Report").textContent.includes(%s)' % json.dumps(name)),
          True, 'report')


def keys(page, site):
    page.open(site.url)
    page.key('Enter', 13)
    page.key('Escape', 27)
    check(page.box_open(), False, 'Enter and Esc in a field')
    steps = route('example')
    page.run('document.getElementById("Command1").click()')
    page.wait('document.getElementById("Box").open')
    check(page.run('window.onbeforeunload === null && (() => { const e = new Event("beforeunload",'
                   ' {cancelable: true}); window.dispatchEvent(e); return e.defaultPrevented; })()'),
          True, 'leaving asks during a run')
    page.type('点')
    page.run('BoxReply.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter", keyCode: 229,'
             ' isComposing: true, bubbles: true}))')
    check([page.box_open(), page.run('BoxReply.value')], [True, '点'], 'Enter ending a composition')
    page.key('Escape', 27)  # the number prompt gets empty text: do you abandon?
    page.wait('window.boxes === 2')
    page.run('BoxCancel.click()')  # empty text again: go on
    page.wait('window.boxes === 3')
    check(page.run('BoxPrompt.textContent'), steps['steps'][0]['prompt'])
    page.key('Escape', 27)
    page.answer('0')  # abandon
    page.wait('!Brannock.isRunning()')
    check(page.run('(() => { const e = new Event("beforeunload", {cancelable: true});'
                   ' window.dispatchEvent(e); return e.defaultPrevented; })()'), False, 'after')
    check(page.fields(), [''] * 9, 'fields')


def names(page, site):
    page.open(site.url)
    nodes = page.send('Accessibility.getFullAXTree')['nodes']
    boxes = [n['name']['value'] for n in nodes if n.get('role', {}).get('value') == 'textbox']
    check(boxes, [route('example')['spoken'][int(i[4:]) - 1] for i in page.run(
        '[...document.querySelectorAll("#Brannock input")].map(e => e.id)')], 'names')


def command2(page, site):
    page.open(site.url)
    page.run('document.getElementById("Command2").click()')
    check(page.run('[document.getElementById("Brannock").hidden, Ended.hidden, Ended.textContent, StartAgain.href]'),
          [True, False, 'Brannock 已结束。 重新启动', site.url])


def offline(page, site):
    page.open(site.url)
    page.wait('navigator.serviceWorker.controller !== null')
    check(page.send('Page.getInstallabilityErrors')['installabilityErrors'], [], 'installable')
    site.stop()
    page.open(site.url)
    run_route(page, route('example'), typed=False)


def single_file(page, site):
    page.open('file://' + os.path.join(BUILD, 'brannock.html'))
    run_route(page, route('example'), typed=False)
    check(page.run('window.printed'), 1, 'print dialogs')


def phone(page, site):
    for width, height in ((390, 844), (360, 740)):
        page.send('Emulation.setDeviceMetricsOverride', width=width, height=height,
                  deviceScaleFactor=3, mobile=True)
        page.open(site.url)
        view = page.run('(() => { const r = id => document.getElementById(id).getBoundingClientRect();'
                        ' return [r("Label16").left, r("Text8").right, r("Label1").top,'
                        ' r("Line3").bottom, r("Text8").width / 81, innerWidth,'
                        ' document.documentElement.scrollWidth, visualViewport.scale]; })()')
        left, right, top, bottom, scale, inner, scroll, zoom = view
        if not (0 <= left and right <= inner <= width and 0 <= top and bottom <= height
                and scale >= 0.9 and scroll <= inner and zoom == 1):
            raise AssertionError('%dx%d: %r' % (width, height, view))


CASES = {f.__name__: f for f in (example, long_route, markup, keys, names, command2, offline,
                                  single_file, phone)}

if __name__ == '__main__':
    site, page = browser.Site(DIST), browser.Browser()
    try:
        CASES[sys.argv[1]](page, site)
    finally:
        page.close()
        site.stop()
