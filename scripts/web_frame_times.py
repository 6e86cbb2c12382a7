#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measures a web build in headless Chromium (SwiftShader): for the menu and
for play, the main thread's time inside each animation frame that ran a
game frame (median, 90th percentile), the WebGL draw calls of such a frame
and the game frames a second. Serves the folder on 127.0.0.1 itself.

    /usr/bin/python3 scripts/web_frame_times.py krellwick-web [seconds] [plain] [mesa]

With "plain" the page's framebuffers are made to fail, so the game draws
every layer afresh, as where the browser offers no framebuffer copy. With
"mesa" Chromium draws through ANGLE on the system's OpenGL (Mesa, which
it blocks for WebGL unless told not to), in a window: run it under
xvfb-run.
"""
import functools
import http.server
import json
import statistics
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

# Time inside each animation frame callback, and its draw calls.
WRAP = """
window.frameLog = []; let draws = 0;
for (const proto of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype])
  for (const name of ['drawArrays', 'drawElements']) {
    const f = proto[name]; proto[name] = function() { draws++; return f.apply(this, arguments); };
  }
const raf = window.requestAnimationFrame;
window.requestAnimationFrame = (cb) => raf.call(window, (t) => {
  draws = 0; const start = performance.now(); cb(t);
  frameLog.push([start, performance.now() - start, draws]);
});
"""
PLAIN = "WebGL2RenderingContext.prototype.checkFramebufferStatus = () => 0;"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def figures(driver, seconds):
    driver.execute_script("window.frameLog = []")
    time.sleep(seconds)
    frames = [f for f in driver.execute_script("return frameLog") if f[2] > 0]
    ms = sorted(f[1] for f in frames)
    draws = sorted(f[2] for f in frames)
    return {"ms median": round(statistics.median(ms), 2), "ms p90": round(ms[int(0.9 * (len(ms) - 1))], 2),
            "draws median": draws[len(draws) // 2], "draws max": draws[-1],
            "frames a second": round(len(frames) / ((frames[-1][0] - frames[0][0]) / 1000), 1)}


def main():
    folder, seconds = sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 15
    plain, mesa = "plain" in sys.argv[3:], "mesa" in sys.argv[3:]
    server = serve(folder)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    renderer = ("--use-angle=gl", "--ignore-gpu-blocklist") if mesa else ("--headless=new", "--use-angle=swiftshader",
                                                   "--enable-unsafe-swiftshader")
    for arg in renderer + ("--no-sandbox", "--window-size=1800,1000", "--mute-audio"):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": WRAP + (PLAIN if plain else "")})
        driver.get("http://127.0.0.1:%d/index.html" % server.server_address[1])
        while "Fps:" not in driver.find_element(By.ID, "readout").text:
            time.sleep(0.2)
        canvas = driver.find_element(By.ID, "canvas")
        canvas.click()
        time.sleep(2)
        log = driver.find_element(By.ID, "log").text
        result = {"path": [line for line in log.splitlines() if line.startswith("Drawing path")],
                  "menu": figures(driver, seconds)}
        canvas.send_keys(" ")
        time.sleep(12)  # the drive-in, then play as the enemies come
        for key in "ddw":
            canvas.send_keys(key)
        result["play"] = figures(driver, seconds)
        print(json.dumps(result))
    finally:
        driver.quit()
        server.shutdown()


main()
