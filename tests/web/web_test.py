# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's wiring in headless Chromium: routes typed into the real dialogs, the report
printed to PDF against the Linux program's, keyboard, markup, offline and from disk, the phone's
view, the fields' names, Command2. Usage: web_test.py CASE, with the build folder and tools in the
environment (tests/web/CMakeLists.txt)."""
import base64
import glob
import html
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile

import browser

BUILD = os.environ['BRANNOCK_WEB_BUILD']
FIELDS = '[...Array(9).keys()].map(i => document.getElementById("Text" + (i + 1)).value)'
LEAVING_ASKS = ('(() => { const e = new Event("beforeunload", {cancelable: true});'
                ' dispatchEvent(e); return e.defaultPrevented; })()')


def route(name):
    """What the core prompts, shows and prints for the route (route_steps.cpp)."""
    return json.loads(subprocess.run(os.environ['BRANNOCK_ROUTE_STEPS'].split() + [name],
                                     check=True, capture_output=True, text=True).stdout)


def check(actual, expected, what=''):
    if actual != expected:
        raise AssertionError('%s: %r != %r' % (what, actual, expected))


def words(pdf):
    """Each page's words and boxes as pdftotext -bbox reads them, in lines from the top, each from
    the left: the order they are drawn in is not the report's."""
    pages = []
    for page in subprocess.run(['pdftotext', '-bbox', pdf, '-'], check=True, capture_output=True,
                               text=True).stdout.split('<page ')[1:]:
        found = sorted((float(y), float(x), float(x2), float(y2), html.unescape(w))
                       for x, y, x2, y2, w in re.findall(
                           r'xMin="(.*?)" yMin="(.*?)" xMax="(.*?)" yMax="(.*?)">(.*?)<', page))
        top, keyed = None, []
        for word in found:  # a line's words lie within 2 pt of its first one's top
            top = word[0] if top is None or word[0] - top >= 2 else top
            keyed.append(((top, word[1]), word))
        pages.append([word for _, word in sorted(keyed)])
    return pages


def linux_pdf(name, folder):
    """The report the Linux program saves for the route when there is no printer."""
    program = os.environ['BRANNOCK_LINUX_WINDOW_RUN']
    if not os.path.exists(program):
        browser.skip('the Linux build has no ' + program)
    subprocess.run([program], check=True, capture_output=True, timeout=600, env=dict(
        os.environ, HOME=folder, XDG_CONFIG_HOME=folder, BRANNOCK_RUN_ROUTE=name,
        BRANNOCK_RUN_RESULT=os.path.join(folder, 'result.json'), QT_QPA_PLATFORM='offscreen',
        CUPS_SERVER=os.path.join(folder, 'no-scheduler')))
    return glob.glob(os.path.join(folder, 'Documents', '*.pdf'))[0]


def run_route(page, name, typed=True):
    """Runs the route through the boxes, checking that each opens over the fields the core shows
    then, painted; that nothing was asked of the network, stored, run from the user's text or
    refused by the page's policy; then the report printed to PDF against the Linux program's."""
    steps = route(name)
    check(len(steps['steps']), len(steps['replies']), 'prompts')
    check(page.run('document.activeElement.id'), 'Text1', 'focus')
    page.events.clear()
    page.run('Command1.click()')
    for step, reply in zip(steps['steps'], steps['replies']):
        page.wait('Box.open && window.painted === window.boxes')
        check(page.run('BoxPrompt.textContent'), step['prompt'])
        check(page.run(FIELDS), step['fields'], step['prompt'])
        page.answer(reply, typed)
    page.wait('!Box.open && !Brannock.isRunning()')
    check(page.run('indexedDB.databases().then(d => [window.printed, window.violations, '
                   'document.images.length, !!window.alerted, document.cookie, localStorage.length,'
                   ' sessionStorage.length, d.length])'), [1, None, 0, False, '', 0, 0, 0])
    check([e for e in page.events if e['method'] == 'Network.requestWillBeSent'], [], 'requests')
    with tempfile.TemporaryDirectory() as folder:
        pathlib.Path(folder, 'web.pdf').write_bytes(base64.b64decode(
            page.send('Page.printToPDF', preferCSSPageSize=True)['data']))
        web, linux = words(os.path.join(folder, 'web.pdf')), words(linux_pdf(name, folder))
    check([[w[4] for w in p] for p in web], [[w[4] for w in p] for p in linux], 'words')
    for a, b in zip(sum(web, []), sum(linux, [])):
        if max(abs(p - q) for p, q in zip(a[:4], b[:4])) > 0.5:
            raise AssertionError('%s stands at %s, on Linux at %s' % (a[4], a[:4], b[:4]))
    check(''.join(w[4] for w in sum(web, [])), ''.join(''.join(line.split())
                                                       for line in steps['report']))


def routes(page, site):
    """Each route from the site, the markup name typed; the example from the one file too."""
    for name, typed in (('example', True), ('markup', True), ('wide', False), ('long', False)):
        page.open(site.url)
        run_route(page, name, typed)
    page.open('file://' + os.path.join(BUILD, 'brannock.html'))
    run_route(page, 'example', typed=False)


def keys(page, site):
    """Tab, Enter and Esc in the window; a message; in the box a composition's Enter, Esc and
    "取消"; the browser's "leave?" during a run only."""
    expected = route('example')
    page.open(site.url)
    order = []
    for _ in expected['tabOrder']:
        order.append(page.run('document.activeElement.id'))
        page.key('Tab', 9)
    check(order, expected['tabOrder'], 'tab order')
    page.run('Text1.focus()')
    page.key('Enter', 13)
    page.key('Escape', 27)
    check(page.run('[Box.open, ' + LEAVING_ASKS + ']'), [False, False], 'before the run')
    page.run('Brannock.tell(%s).then(() => { window.told = true; }), 0' % json.dumps(
        expected['notANumber']))  # the message box, which the browser's report never needs
    check(page.run('[BoxPrompt.textContent, BoxReply.hidden, BoxCancel.hidden, '
                   'document.activeElement.id]'), [expected['notANumber'], True, True, 'BoxOk'])
    page.key('Enter', 13)
    page.wait('window.told')
    page.run('Command1.click()')
    page.wait('Box.open')
    page.send('Input.insertText', text='点')
    page.run('BoxReply.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter", keyCode: 229,'
             ' isComposing: true}))')
    check(page.run('[Box.open, BoxReply.value, ' + LEAVING_ASKS + ']'), [True, '点', True])
    page.run('BoxOk.dispatchEvent(new MouseEvent("click", {detail: 2}))')  # a double click's second
    check(page.run('[window.boxes, BoxReply.value]'), [2, '点'], 'a second click')
    page.key('Escape', 27)  # no reply: abandon?
    page.wait('window.boxes === 3')
    page.run('BoxCancel.click()')  # no: the number again
    page.wait('window.boxes === 4')
    check(page.run('BoxPrompt.textContent'), expected['steps'][0]['prompt'])
    page.key('Escape', 27)
    page.answer('0')  # abandon
    check(page.run('[Box.open, Brannock.isRunning(), %s, %s]' % (LEAVING_ASKS, FIELDS)),
          [False, False, False, [''] * 9], 'abandoned')


def names(page, site):
    page.open(site.url)
    nodes = page.send('Accessibility.getFullAXTree')['nodes']
    fields = page.run('[...document.querySelectorAll("#Brannock input")].map(e => e.id)')
    check([n['name']['value'] for n in nodes if n.get('role', {}).get('value') == 'textbox'],
          [route('example')['spoken'][int(field[4:]) - 1] for field in fields])


def command2(page, site):
    page.open(site.url)
    page.run('Command2.click()')
    check(page.run('[document.getElementById("Brannock").hidden, Ended.hidden, '
                   'Ended.textContent, StartAgain.href]'),
          [True, False, 'Brannock 已结束。 重新启动', site.url])


def offline(page, site):
    page.open(site.url)
    page.run('navigator.serviceWorker.ready.then(() => true)')
    page.open(site.url)  # a worker takes the pages that open after it
    check(page.send('Page.getInstallabilityErrors')['installabilityErrors'], [], 'installable')
    site.stop()
    page.open(site.url)
    served = {e['params']['response']['url'][len(site.url):]: e['params']['response'].get(
        'fromServiceWorker') for e in page.events if e['method'] == 'Network.responseReceived'
        and e['params']['response']['url'].startswith(site.url)}
    check([set(served) >= {'', 'page.js', 'brannock.js'}, set(served.values())], [True, {True}],
          'from the worker')
    run_route(page, 'example', typed=False)


def phone(page, site):
    """The layout band in view at no less than 0.9 of its size, and nothing wider than the
    screen."""
    for width, height in ((390, 844), (360, 740)):
        page.send('Emulation.setDeviceMetricsOverride', width=width, height=height,
                  deviceScaleFactor=3, mobile=True)
        page.open(site.url)
        view = page.run('(r => [r("Label16").left, r("Text8").right, r("Label1").top, '
                        'r("Line3").bottom, r("Text8").width / 81, innerWidth, '
                        'document.documentElement.scrollWidth, visualViewport.scale])'
                        '(id => document.getElementById(id).getBoundingClientRect())')
        left, right, top, bottom, scale, inner, scroll, zoom = view
        if not (0 <= left and right <= inner == width and 0 <= top and bottom <= height
                and scale >= 0.9 and scroll <= inner and zoom == 1):
            raise AssertionError('%dx%d: %r' % (width, height, view))


if __name__ == '__main__':
    site, page = browser.Site(os.path.join(BUILD, 'dist')), browser.Browser()
    try:
        globals()[sys.argv[1]](page, site)
    finally:
        page.close()
        site.stop()
