"""A small DevTools-protocol driver of Debian's Chromium, and a static file server on 127.0.0.1."""
import functools
import http.server
import json
import pathlib
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

CHROMIUM_FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--remote-debugging-address=127.0.0.1', '--remote-debugging-port=0',
                  '--window-size=800,600']


class Server:
    """Serves one folder on 127.0.0.1 on a free port."""

    def __init__(self, folder):
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Browser:
    """One headless Chromium with a fresh profile and one page, driven over its WebSocket."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix='tumblox-chromium-')
        self.process = subprocess.Popen(['chromium', *CHROMIUM_FLAGS, '--user-data-dir=' + self.profile,
                                         'about:blank'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = pathlib.Path(self.profile, 'DevToolsActivePort')  # the port it chose, once it listens
        while self.process.poll() is None and not (port_file.exists() and port_file.read_text().strip()):
            time.sleep(0.05)
        port = port_file.read_text().split()[0]
        pages = json.load(urllib.request.urlopen('http://127.0.0.1:%s/json/list' % port))
        page = next(p for p in pages if p['type'] == 'page')
        self.socket = websocket.create_connection(page['webSocketDebuggerUrl'], timeout=60)
        self.next_id = 0

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error']))
                return message['result']

    def evaluate(self, expression):
        result = self.send('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError('%s: %s' % (expression, result['exceptionDetails']))
        return result['result'].get('value')

    def wait_for(self, expression, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.05)
        raise TimeoutError('never true: ' + expression)

    def open(self, url):
        self.send('Page.navigate', url=url)
        self.wait_for('document.readyState === "complete" && !!window.tumblox')

    def mouse(self, kind, x, y, button='none', buttons=0):
        self.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button=button, buttons=buttons,
                  clickCount=1 if kind != 'mouseMoved' else 0)

    def click(self, x, y, button='left'):
        self.mouse('mousePressed', x, y, button, 1 if button == 'left' else 2)
        self.mouse('mouseReleased', x, y, button)

    def key(self, name, code):
        for kind in ('rawKeyDown', 'keyUp'):
            self.send('Input.dispatchKeyEvent', type=kind, key=name, code=name, windowsVirtualKeyCode=code)

    def screenshot(self, width, height):
        """The page's top-left corner as a PNG, in base64."""
        clip = {'x': 0, 'y': 0, 'width': width, 'height': height, 'scale': 1}
        return self.send('Page.captureScreenshot', format='png', clip=clip)['data']

    def close(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait(10)
        shutil.rmtree(self.profile, ignore_errors=True)
