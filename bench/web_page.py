"""The browser build's page in headless Chromium: its size, the time to its first frame, the
cost of drawing a frame on the canvas, and the period of gravity.

    cmake --build --preset web && /usr/bin/python3 bench/web_page.py
"""
import os
import statistics
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
from browser import Browser, Server  # noqa: E402

WWW = os.path.join(ROOT, 'build', 'web', 'www')
ROWS = 12  # gravity steps timed, from the first seen change of the status line's row


def main():
    files = {name: os.path.getsize(os.path.join(WWW, name)) for name in sorted(os.listdir(WWW))}
    print('page: %d bytes (%s)' % (sum(files.values()), ', '.join('%s %d' % f for f in files.items())))
    server, browser = Server(WWW), Browser()
    try:
        browser.send('Emulation.setDeviceMetricsOverride', width=640, height=480, deviceScaleFactor=1, mobile=False)
        browser.open(server.url)
        browser.wait_for('window.tumblox.firstFrameMs !== null')
        loaded = browser.evaluate('performance.getEntriesByType("navigation")[0].loadEventEnd')
        print('first frame: %.0f ms after the load event' % (browser.evaluate('tumblox.firstFrameMs') - loaded))
        # The row number in the status line ("(5,0)", up to two digits), watched on every animation frame.
        browser.evaluate('''window.rowChanges = []; (() => { let last = null;
            const watch = (now) => { const row = document.getElementById("screen").getContext("2d")
                .getImageData(24, 0, 24, 16).data.join(); if (last !== null && row !== last) rowChanges.push(now);
              last = row; if (rowChanges.length <= %d) requestAnimationFrame(watch); };
            requestAnimationFrame(watch); })()''' % ROWS)
        browser.wait_for('rowChanges.length > %d' % ROWS, 60)
        changes = browser.evaluate('rowChanges')
        print('gravity: %.1f ms a row over %d rows (51 x 10 ms = 510 ms)' % ((changes[-1] - changes[0]) / ROWS, ROWS))
        draws = sorted(browser.evaluate('tumblox.drawMs'))
        print('drawing a frame on the canvas: median %.2f ms, 95th percentile %.2f ms, of %d animation frames'
              % (statistics.median(draws), draws[int(len(draws) * 0.95)], len(draws)))
    finally:
        browser.close()
        server.close()


if __name__ == '__main__':
    main()
