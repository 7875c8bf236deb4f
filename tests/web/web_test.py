"""The browser build in a real headless Chromium, against the headless runner on the same data."""
import base64
import json
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import time
import unittest

from browser import Browser, Server

WWW = os.environ['TUMBLOX_WWW']            # the web build's page
DATA = os.environ['TUMBLOX_DATA']          # the data set it packs
HEADLESS = os.environ['TUMBLOX_HEADLESS']  # tumblox-headless
STRAIGHT_SHAPES = b'1 0 0 0\n' * 4 * 28    # every piece the straight one, upright


def four_row_script():
    """Twelve straight pieces, the left button held, each steered a column a tick to its place:
    the twelfth clears the bottom four rows at once."""
    targets = [5, 4, 6, 3, 7, 2, 8, 1, 9, 10, 11, 12]
    lines, cursor, piece, row, counter, tick, clearing = ['0 cursor 100 240', '7 down lbutton'], 100, 0, 0, 0, 0, 0
    steps = targets[0] - 5
    while not clearing:
        tick += 1
        counter += 1
        for _ in range(2 if counter > 50 else 1):  # the button, then gravity in every 51st tick
            if row < 20:
                row += 1
                continue
            piece, row = piece + 1, 0
            if piece == 12:
                clearing = tick
                break
            steps = targets[piece] - 5
        counter = 0 if counter > 50 else counter
        if steps and not clearing:
            cursor += 24 if steps > 0 else -24
            steps -= 1 if steps > 0 else -1
            lines.append('%d cursor %d 240' % (7 + tick, cursor))
    return '\n'.join(lines + ['%d close' % (7 + clearing + 4 * 27 + 23 + 2)]) + '\n'


class WebTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='tumblox-web-')
        self.browser = Browser()
        self.server = None

    def tearDown(self):
        self.browser.close()
        if self.server:
            self.server.close()
        shutil.rmtree(self.folder)

    def serve(self, replaced=None):
        """The page in a folder of its own, its data packed anew with files replaced (None: left out)."""
        www = os.path.join(self.folder, 'www')
        shutil.copytree(WWW, www)
        code = pathlib.Path(www, 'tumblox.js').read_text()
        package = re.search(r'loadPackage\((\{"files":.*?\})\)', code)
        metadata = json.loads(package.group(1))
        files, packed = [], b''
        for entry in metadata['files']:
            name = entry['filename'][1:]
            data = (replaced or {}).get(name, pathlib.Path(DATA, name).read_bytes())
            if data is not None:
                files.append({'filename': entry['filename'], 'start': len(packed), 'end': len(packed) + len(data)})
                packed += data
        metadata.update(files=files, remote_package_size=len(packed))
        pathlib.Path(www, 'tumblox.js').write_text(code[:package.start(1)] + json.dumps(metadata) + code[package.end(1):])
        pathlib.Path(www, 'tumblox.data').write_bytes(packed)
        self.server = Server(www)
        return www

    def headless(self, args, script, replaced=None):
        """tumblox-headless's stdout in a copy of the data folder."""
        run = os.path.join(self.folder, 'run')
        shutil.copytree(DATA, run, dirs_exist_ok=True)
        for name, data in (replaced or {}).items():
            pathlib.Path(run, name).write_bytes(data)
        pathlib.Path(run, 'script.txt').write_bytes(script.encode())
        return subprocess.run([HEADLESS, *args, 'script.txt'], cwd=run, capture_output=True, text=True,
                              check=True).stdout

    def start(self, url):
        self.browser.send('Emulation.setDeviceMetricsOverride', width=640, height=480, deviceScaleFactor=1,
                          mobile=False)  # the canvas at its own size
        self.browser.open(url)
        self.browser.wait_for('window.tumblox.firstFrameMs !== null')

    def test_scripted_four_rows_give_the_headless_trace(self):
        script = four_row_script()
        www = self.serve({'Block.Dat': STRAIGHT_SHAPES})
        pathlib.Path(www, 'four.txt').write_bytes(script.encode())
        for layout in ('565', '555'):
            expected = self.headless(['--trace', '--time', '77', '--layout', layout], script,
                                     {'Block.Dat': STRAIGHT_SHAPES})
            self.assertIn('sound FSOUND_PlaySound -1 Explo.Wav', expected)
            self.browser.open(self.server.url + 'index.html?script=four.txt&time=77&layout=' + layout)
            self.browser.wait_for('window.tumblox.done', 120)
            self.assertEqual(self.browser.evaluate('window.tumblox.trace'), expected)

    def shown(self, left, top, right, bottom):
        return self.browser.evaluate('document.getElementById("screen").getContext("2d").getImageData(%d, %d, %d, %d)'
                                     '.data.join()' % (left, top, right - left, bottom - top))

    # True once the canvas shows something else there (within 10 s, however loaded the machine).
    def changes(self, area, before):
        deadline = time.monotonic() + 10
        while self.shown(*area) == before and time.monotonic() < deadline:
            time.sleep(0.02)
        return self.shown(*area) != before

    def test_the_player_steers_turns_and_ends_the_game(self):
        self.serve()
        self.start(self.server.url)
        self.browser.click(320, 240)
        self.assertEqual(self.browser.evaluate('document.pointerLockElement?.id'), 'screen')
        column, row, well = (8, 0, 16, 16), (24, 0, 48, 16), (40, 30, 376, 460)  # status "(5,0)", the well
        before = self.shown(*column)
        self.browser.mouse('mouseMoved', 360, 240)  # two columns to the right
        self.assertTrue(self.changes(column, before), 'the piece moved')
        for _ in range(5):  # a turn, unless gravity moved the piece meanwhile
            row_before, well_before = self.shown(*row), self.shown(*well)
            self.browser.click(360, 240, 'right')
            turned = self.changes(well, well_before)
            if self.shown(*row) == row_before:
                break
        self.assertTrue(turned, 'the right button turned the piece')
        # The browser keeps the first Escape to end the pointer lock: the page says what the next does.
        self.browser.evaluate('document.exitPointerLock()')
        self.browser.wait_for('!document.getElementById("hint").hidden')
        self.assertEqual(self.browser.evaluate('document.getElementById("hint").textContent'),
                         'Escape again to quit, click to go on')
        self.browser.key('Escape', 27)
        self.browser.wait_for('window.tumblox.done')
        self.assertIn('ended', self.browser.evaluate('end.hidden ? "" : end.textContent'))  # the page says so

    def test_a_missing_data_file_is_told_in_korean(self):
        self.serve({'Block.QSF': None})
        self.browser.open(self.server.url)
        self.browser.wait_for('document.getElementById("box").open')
        said = self.browser.evaluate('[...document.querySelectorAll("#box h2, #box p")].map(e => e.textContent)')
        self.assertEqual(said, ['Blokfal', 'Block.QSF 파일이 없습니다.'])
        self.assertIs(self.browser.evaluate('document.getElementById("box-icon").hidden'), False)  # the stop icon
        self.browser.evaluate('document.getElementById("box-ok").click()')
        self.assertEqual(self.browser.wait_for('window.tumblox.done && window.tumblox.exitCode'), 1)

    def test_the_panel_after_the_intro_is_the_headless_frame(self):
        frames = os.path.join(self.folder, 'frames')
        self.headless(['--frames', frames, '--every', '8'], '9 close\n')
        self.serve()
        self.start(self.server.url)
        self.browser.click(320, 240)  # and the page's "click to play" is gone
        time.sleep(1)  # the intro's seven frames are over long before
        shot = self.browser.screenshot(640, 480)
        expected = base64.b64encode(pathlib.Path(frames, 'frame-000008.png').read_bytes()).decode()
        panel = (376, 24, 640, 440)  # below it, the page's full-screen button
        same = self.browser.evaluate('''(async () => {
            const pixels = async (png) => { const picture = new Image(); picture.src = 'data:image/png;base64,' + png;
              await picture.decode(); const c = new OffscreenCanvas(640, 480).getContext('2d');
              c.drawImage(picture, 0, 0); return c.getImageData(%d, %d, %d, %d).data.join(); };
            return await pixels('%s') === await pixels('%s'); })()''' % (
            panel[0], panel[1], panel[2] - panel[0], panel[3] - panel[1], shot, expected))
        self.assertTrue(same)


if __name__ == '__main__':
    unittest.main()
