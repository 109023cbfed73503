# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless Chromium driven through the DevTools protocol, and a folder served on localhost: what
the web tests and the web costs share."""
import ctypes
import functools
import http.server
import json
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

import websocket

# Run in every page before its own scripts: the print dialog, which never ends headless, and
# alert only count their calls, and what the page's security policy refuses is noted; each box
# shown (a prompt set) is counted, and marked painted once a frame has been made with it, so that
# a test knows when the next box is up and shown.
PAGE_HOOKS = '''
window.print = () => { window.printed = (window.printed || 0) + 1; };
window.alert = () => { window.alerted = true; };
addEventListener('securitypolicyviolation', (e) => {
    (window.violations = window.violations || []).push(e.violatedDirective + ' ' + e.blockedURI);
});
addEventListener('DOMContentLoaded', () => new MutationObserver(() => {
    const count = window.boxes = (window.boxes || 0) + 1;
    requestAnimationFrame(() => requestAnimationFrame(() => { window.painted = count; }));
}).observe(document.getElementById('BoxPrompt'), {childList: true}));'''


def skip(reason):
    """Exits 77, which ctest reports as a skipped test."""
    print('Skipped: ' + reason, file=sys.stderr)
    sys.exit(77)


class Site:
    """The folder served over http on a free localhost port until stop()."""

    def __init__(self, folder):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              '.webmanifest': 'application/manifest+json'}

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(
            ('127.0.0.1', 0), functools.partial(Quiet, directory=folder))
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One headless Chromium with one page in the front, in a profile of its own."""

    def __init__(self):
        chromium = shutil.which('chromium') or skip('chromium is not installed')
        self.profile = tempfile.mkdtemp(prefix='brannock-chromium-')
        self.process = subprocess.Popen(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--remote-debugging-port=0', '--user-data-dir=' + self.profile, 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
            # It goes when this process goes, even when killed (PR_SET_PDEATHSIG).
            preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL))
        listening = re.compile(r'DevTools listening on ws://[^:]+:(\d+)/')
        port = next(m.group(1) for m in map(listening.search, self.process.stderr) if m)
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        targets = json.load(urllib.request.urlopen('http://127.0.0.1:%s/json/list' % port))
        self.socket = websocket.create_connection(
            next(t for t in targets if t['type'] == 'page')['webSocketDebuggerUrl'],
            suppress_origin=True, timeout=60)
        self.next_id = 0
        self.events = []
        for domain in ('Page', 'Runtime', 'Network'):
            self.send(domain + '.enable')
        self.send('Page.setLifecycleEventsEnabled', enabled=True)
        self.send('Emulation.setDeviceMetricsOverride', width=1024, height=768,
                  deviceScaleFactor=1, mobile=False)
        self.send('Page.bringToFront')  # a page in the background never paints
        self.send('Page.addScriptToEvaluateOnNewDocument', source=PAGE_HOOKS)

    def send(self, method, **params):
        """A DevTools command's result; the events that come meanwhile go to self.events."""
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error']))
                return message['result']
            self.events.append(message)

    def run(self, expression):
        """The value of a JavaScript expression in the page, promises awaited."""
        result = self.send('Runtime.evaluate', expression=expression, awaitPromise=True,
                           returnByValue=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(result['exceptionDetails'])
        return result['result'].get('value')

    def wait(self, expression, timeout=20):
        """Waits until the expression is true in the page."""
        end = time.monotonic() + timeout
        while not self.run(expression):
            if time.monotonic() > end:
                raise TimeoutError(expression)
            time.sleep(0.02)

    def open(self, url):
        """Opens the page and waits until the program has loaded and the network is idle."""
        self.run('window.left = true')  # so that the page left behind is not taken for it
        self.events.clear()
        loader = self.send('Page.navigate', url=url)['loaderId']
        self.wait('!window.left && document.body && document.body.dataset.ready === "true"')
        while not any(e.get('method') == 'Page.lifecycleEvent' and e['params']['loaderId'] == loader
                      and e['params']['name'] == 'networkIdle' for e in self.events):
            self.events.append(json.loads(self.socket.recv()))

    def key(self, name, code):
        """Presses and releases a key; Enter types its character too, as a keyboard does."""
        text = {'Enter': '\r'}.get(name, '')
        self.send('Input.dispatchKeyEvent', type='keyDown', key=name, code=name, text=text,
                  windowsVirtualKeyCode=code)
        self.send('Input.dispatchKeyEvent', type='keyUp', key=name, code=name,
                  windowsVirtualKeyCode=code)

    def answer(self, reply, typed=True):
        """Types the reply into the open prompt box and presses Enter; untyped, the page's script
        puts it there and presses Enter, which is quicker. Returns when the box has closed or the
        next one is open."""
        self.wait('Box.open')
        count = self.run('window.boxes')
        if typed:
            if reply:
                self.send('Input.insertText', text=reply)
            self.key('Enter', 13)
        else:
            self.run('BoxReply.value = %s; BoxReply.dispatchEvent(new KeyboardEvent("keydown", '
                     '{key: "Enter", keyCode: 13}))' % json.dumps(reply))
        self.wait('!Box.open || window.boxes !== %d' % count)

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.kill()
            self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)
