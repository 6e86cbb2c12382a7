#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The web build in headless Chromium: the page loads and plays, a copy
missing a texture still plays, and the page installs as an app that plays
offline. Serves the folder on 127.0.0.1 itself.
Prints the figures it saw (frame rate, time to the first frame, download
size) for docs/performance.md; they are measured, not asserted.

    /usr/bin/python3 tests/web/test_browser.py krellwick-web
"""
import functools
import hashlib
import http.server
import io
import json
import re
import shutil
import sys
import tempfile
import threading
import time
import unittest
import urllib.error
import urllib.request
from pathlib import Path

from PIL import Image, ImageChops, ImageStat
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
from picture_check import corner_colours, scaled_apart  # noqa: E402

WEB = Path(sys.argv.pop(1) if len(sys.argv) > 1 else "krellwick-web").resolve()
TEXTURE_LOADS = 51  # render/texture_table.cpp's load order, CAR.png four times
MISSING = "textures/MOON.png"
# A pad in the standard layout, in place of the browser's own list; the
# page counts the game's reads of it.
FAKE_PAD = """
const pad = {id: 'Krellwick Test Pad', index: 0, connected: true, mapping: 'standard',
             timestamp: 0, axes: [0, 0, 0, 0],
             buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
window.testPad = pad;
window.padReads = 0;
Object.defineProperty(navigator, 'getGamepads',
                      {configurable: true, value: () => { window.padReads++; return [pad]; }});
"""
# The page's clock steps exactly 1/60 s with each animation frame from the
# game's first, and Space comes at frame 120 and P at 180, as on the desktop
# that drew drive_in_paused.png (desktop_reference.sh); the page also notes
# the size of each picture it gives WebGL, its draw calls per frame and its
# copies from the canvas.
STEPPED_PAGE = """
let lastStamp = null, first = null, draws = 0;
window.frame = 0; window.copies = 0; window.textureSizes = []; window.drawsPerFrame = [];
performance.now = () => 1000 + Math.floor(frame * 1e6 / 60) / 1000;
Object.defineProperty(window, 'Module', {configurable: true, set(m) {
  const print = m.print;
  m.print = (line) => { if (line.startsWith('Drawing path')) first = frame + 1; print(line); };
  Object.defineProperty(window, 'Module', {value: m, writable: true, configurable: true});
}});
const proto = WebGL2RenderingContext.prototype, texImage2D = proto.texImage2D, drawArrays = proto.drawArrays;
const copy = proto.copyTexSubImage2D;
proto.copyTexSubImage2D = function(...a) { copies++; return copy.apply(this, a); };
proto.texImage2D = function(...a) { if (a[1] === 0 && a[8]) textureSizes.push([a[3], a[4]]); return texImage2D.apply(this, a); };
proto.drawArrays = function(...a) { draws++; return drawArrays.apply(this, a); };
const raf = window.requestAnimationFrame;
window.requestAnimationFrame = (callback) => raf.call(window, (stamp) => {
  if (stamp !== lastStamp) {
    lastStamp = stamp;
    if (draws) drawsPerFrame.push(draws);
    draws = 0;
    frame++;
    for (const [at, code] of [[120, 32], [180, 80]])
      if (first !== null && frame - first + 1 === at)
        for (const type of ['keydown', 'keyup'])
          window.dispatchEvent(new KeyboardEvent(type, {keyCode: code, which: code}));
  }
  callback(stamp);
});
"""
# Framebuffers that never complete: the game then draws every layer afresh.
PLAIN_DRAWING = "WebGL2RenderingContext.prototype.checkFramebufferStatus = () => 0;"
SOUTH, WEST, BACK, START, RIGHT = 0, 2, 8, 9, 15
TOUCH_BUTTONS = ["left", "right", "jump", "turret up", "turret down", "fire", "back"]
PHONE = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
         "Chrome/120.0 Mobile Safari/537.36")


def browser(*extra, phone=None):
    """Headless Chromium; `phone`, a (width, height) touch screen to emulate."""
    options = webdriver.ChromeOptions()
    if phone:
        options.add_experimental_option("mobileEmulation", {"userAgent": PHONE, "deviceMetrics": {
            "width": phone[0], "height": phone[1], "pixelRatio": 2.0, "touch": True}})
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader",
                "--enable-unsafe-swiftshader", "--window-size=1800,1000", "--mute-audio") + extra:
        options.add_argument(arg)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = Path(tempfile.mkdtemp(prefix="krellwick-web-test-"))
        shutil.copytree(WEB, cls.root / "game")
        # The copy missing one texture: its entry left out of the packed
        # files' list, as if the file had not been there when packing.
        shutil.copytree(WEB, cls.root / "missing")
        meta_path = cls.root / "missing" / "krellwick-data.js.metadata"
        meta = json.loads(meta_path.read_text())
        files = [f for f in meta["files"] if f["filename"] != "/" + MISSING]
        assert len(files) == len(meta["files"]) - 1, "the metadata lists " + MISSING
        meta["files"] = files
        meta_path.write_text(json.dumps(meta))

        cls.server, cls.base = cls.serve()

        cls.driver = browser()
        cls.figures = {}

    @classmethod
    def serve(cls):
        handler = functools.partial(QuietHandler, directory=str(cls.root))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        return server, "http://127.0.0.1:%d/" % server.server_address[1]

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        cls.server.server_close()
        shutil.rmtree(cls.root)
        for name, value in cls.figures.items():
            print("figure: %s: %s" % (name, value))

    def open(self, folder):
        self.logs = []
        self.driver.get(self.base + folder + "/index.html")
        self.wait_for_text("readout", "Fps:", 300)
        self.canvas = self.driver.find_element(By.ID, "canvas")
        self.canvas.click()

    def text(self, element_id):
        return self.driver.find_element(By.ID, element_id).text

    def wait_for_text(self, element_id, needle, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if needle in self.text(element_id):
                return
            time.sleep(0.2)
        self.fail("no %r in #%s within %d s; it shows:\n%s\nlog:\n%s" % (
            needle, element_id, seconds, self.text(element_id), self.text("log")))

    def keys(self, keys, pause=0.15):
        for key in keys:
            self.canvas.send_keys(key)
            time.sleep(pause)

    def pad(self, buttons=(), axes=(), down=True):
        """Sets the fake pad's buttons and axes, then waits for two reads of it
        (or for the game to end)."""
        self.driver.execute_script("""
            for (const b of arguments[0]) {
              testPad.buttons[b].pressed = arguments[2]; testPad.buttons[b].value = arguments[2] ? 1 : 0;
            }
            for (const a of arguments[1]) testPad.axes[a] = arguments[2] ? 1 : 0;
            testPad.timestamp = performance.now();
            window.readsAtChange = padReads;""", list(buttons), list(axes), down)
        end = time.monotonic() + 30
        while (self.driver.execute_script("return padReads - readsAtChange") < 2 and
               "has ended" not in self.text("cover")):
            self.assertLess(time.monotonic(), end, "the game stopped reading the pad")
            time.sleep(0.05)

    def tap(self, buttons=(), axes=()):
        self.pad(buttons, axes)
        self.pad(buttons, axes, down=False)

    def shows_play(self, menu):
        """Whether the canvas is lit and far from the menu's picture; keeps both figures."""
        play = self.shot()
        self.bright = ImageStat.Stat(play.convert("L")).mean[0]
        self.changed = ImageStat.Stat(ImageChops.difference(menu, play).convert("L")).mean[0]
        return self.bright > 8 and self.changed > 4

    def shot(self):
        return Image.open(io.BytesIO(self.canvas.screenshot_as_png)).convert("RGB")

    def fps_seen(self, seconds):
        values = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            m = re.search(r"\+ Fps:\s+([0-9.]+)", self.text("readout"))
            if m:
                values.append(float(m.group(1)))
            time.sleep(0.5)
        return values

    def browser_log(self):
        # Reading the log empties it: what was read is kept.
        self.logs += self.driver.get_log("browser")
        return self.logs

    def severe_log(self):
        return [e for e in self.browser_log() if e["level"] == "SEVERE"]

    def test_loads_plays_and_goes_back_to_the_menu(self):
        self.open("game")
        log = self.text("log")
        names = [f["filename"] for f in json.loads((WEB / "krellwick-data.js.metadata").read_text())["files"]]
        for name in names:
            # The score's font is read on the first fullscreen frame.
            if name.startswith(("/textures/", "/models/")) and name != "/textures/SCORE_FONT.png":
                self.assertIn("Loading " + name + "\n", log + "\n")
        self.assertEqual(len(re.findall(r"^Loading /textures/", log, re.M)), TEXTURE_LOADS)
        self.assertRegex(log, r"Drawing path: \S")
        self.assertNotIn("ERROR", log)
        self.assertIn("+ Score: 0", self.text("readout"))
        self.assertFalse(self.driver.find_element(By.ID, "touch").is_displayed())
        self.assertEqual(self.severe_log(), [])

        menu = self.shot()
        self.keys(" ")
        time.sleep(3)  # the car drives in; a key sent during it is only lost
        self.keys(["d", "d", "w", "k", " ", "l", " ", "a"])
        # Play shows once the browser has drawn it: waited for, not assumed.
        end = time.monotonic() + 60
        while not self.shows_play(menu) and time.monotonic() < end:
            time.sleep(0.5)
        self.assertGreater(self.bright, 8, "the canvas in play is black")
        self.assertGreater(self.changed, 4, "play looks like the menu")

        fps = self.fps_seen(10)
        self.assertTrue(fps, "no frame rate read out in play")
        self.figures["frame rate read out in play (median, min, max)"] = "%.1f, %.1f, %.1f" % (
            sorted(fps)[len(fps) // 2], min(fps), max(fps))
        first = [e["message"] for e in self.browser_log() if "First frame" in e["message"]]
        self.assertTrue(first, "the page did not log its first frame")
        self.figures["first frame"] = re.search(r"First frame \d+ ms", first[0]).group(0)

        # Esc leaves the game; in the menu a later Esc ends it, which only a
        # menu does (Esc is ignored while the car drives out).
        self.keys([Keys.ESCAPE])
        time.sleep(1)
        self.assertNotIn("has ended", self.text("cover"))
        end = time.monotonic() + 60
        while "has ended" not in self.text("cover") and time.monotonic() < end:
            self.keys([Keys.ESCAPE], pause=0.5)
        self.wait_for_text("cover", "Krellwick has ended", 10)
        self.assertEqual(self.severe_log(), [])

    def wait_for_script(self, script, seconds=30):
        end = time.monotonic() + seconds
        while not self.driver.execute_script(script) and time.monotonic() < end:
            time.sleep(0.2)
        self.assertTrue(self.driver.execute_script(script), script)

    def test_fullscreen_shows_the_picture_scaled_with_its_shape_kept(self):
        self.open("game")
        # Paused as the car drives in: a picture that holds still.
        self.keys([" ", "p"])
        self.wait_for_text("log", "Paused", 30)
        windowed = self.shot()
        self.assertEqual(windowed.size, (1280, 720))
        # The page's button: the canvas alone fullscreen.
        self.driver.find_element(By.ID, "fullscreen").click()
        self.wait_for_script("return document.fullscreenElement === document.getElementById('canvas')")
        end = time.monotonic() + 30
        while True:
            screen = Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")
            mean, brightest = scaled_apart(windowed, screen)
            if (mean < 3 and brightest == 0) or time.monotonic() > end:
                break
            time.sleep(0.5)
        self.figures["fullscreen canvas, shrunk back to 1280x720 (%dx%d)" % screen.size] = (
            "%.3f a channel from the windowed picture on average, bars at most %d" % (mean, brightest))
        self.assertLess(mean, 3)
        self.assertEqual(brightest, 0)
        self.driver.execute_script("document.exitFullscreen()")
        self.wait_for_script("return !document.fullscreenElement")
        self.assertEqual(self.canvas.size["width"], 1280)
        # The browser's own fullscreen: the game's box fills the window.
        try:
            self.driver.fullscreen_window()
            self.wait_for_script("return document.body.classList.contains('filled')")
            box = self.driver.execute_script(
                "const r = document.getElementById('screen').getBoundingClientRect();"
                "return [r.width, r.height, innerWidth, innerHeight];")
            self.assertEqual(box[:2], box[2:])
            screen = Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")
            mean, brightest = scaled_apart(windowed, screen)
            self.figures["browser fullscreen, shrunk back to 1280x720 (%dx%d)" % screen.size] = (
                "%.3f a channel from the windowed picture on average, bars at most %d" % (mean, brightest))
            self.assertLess(mean, 3)
            self.assertEqual(brightest, 0)
            # The console is hidden: the score stands in the corner, "PAUSED"
            # before it until the game plays on.
            amber, pale = corner_colours(screen)
            self.assertGreater(pale, 300, "no score in the corner")
            self.assertGreater(amber, 150, "no PAUSED in the corner")
            self.keys(["p"])
            end = time.monotonic() + 30
            while amber >= 5 and time.monotonic() < end:
                time.sleep(0.5)
                screen = Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")
                amber, pale = corner_colours(screen)
            self.assertLess(amber, 5, "PAUSED stayed after playing on")
        finally:
            self.driver.set_window_size(1800, 1000)
        self.wait_for_script("return !document.body.classList.contains('filled')")
        self.assertEqual(self.severe_log(), [])

    def test_a_gamepad_plays(self):
        self.open("game")
        self.driver.execute_script(FAKE_PAD)
        self.wait_for_text("log", "Gamepad: Krellwick Test Pad", 30)
        menu = self.shot()
        self.tap([START])
        # Driven, jumping and firing until play shows; what is sent during
        # the drive-in is only lost.
        end = time.monotonic() + 60
        while not self.shows_play(menu):
            self.assertLess(time.monotonic(), end, "the pad did not start a game")
            self.tap([RIGHT])
            self.tap(axes=[0])
            self.tap([SOUTH])
            self.tap([WEST])
        # Start pauses a game and plays on.
        self.tap([START])
        self.wait_for_text("log", "Paused", 30)
        self.tap([START])
        self.wait_for_text("log", "Playing on", 30)
        self.assertTrue(self.shows_play(menu), "play looks like the menu")
        # Back leaves the game, and in the menu ends it.
        end = time.monotonic() + 60
        while "has ended" not in self.text("cover"):
            self.assertLess(time.monotonic(), end, "Back did not end the game")
            self.tap([BACK])
        self.assertEqual(self.severe_log(), [])
        # A lucky shot's best score is not for the tests after this one.
        self.driver.execute_script("localStorage.clear()")

    def touch(self, *names):
        """Fingers on the named touch buttons ("game": the picture) and none
        elsewhere; then waits for two reads of them by the game."""
        points = []
        for i, name in enumerate(names):
            r = self.driver.find_element(
                By.CSS_SELECTOR, "#canvas" if name == "game" else "[aria-label='%s']" % name).rect
            points.append({"x": r["x"] + r["width"] / 2, "y": r["y"] + r["height"] / 2, "id": i})
        reads = self.driver.execute_script("return Module.touchReads")
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchStart" if points else "touchEnd", "touchPoints": points})
        end = time.monotonic() + 30
        while (self.driver.execute_script("return Module.touchReads") < reads + 2 and
               "has ended" not in self.text("cover")):
            self.assertLess(time.monotonic(), end, "the game stopped reading the touch buttons")
            time.sleep(0.05)

    def test_touch_buttons_play_on_a_phone(self):
        phone = browser(phone=(844, 390))
        self.driver = phone
        self.logs = []
        try:
            phone.get(self.base + "game/index.html")
            self.wait_for_script("return /Best \\d/.test(document.getElementById('scoreline').textContent)", 300)
            self.assertFalse(phone.find_element(By.ID, "readout").is_displayed())
            # Every button named for screen readers, thumb-sized, on the
            # screen, and over no part of the picture but the band of earth
            # below the ground line.
            game = phone.execute_script("""
                const r = document.getElementById('canvas').getBoundingClientRect();
                const w = Math.min(r.width, r.height * 16 / 9), h = w * 9 / 16;
                return {x: r.x + (r.width - w) / 2, y: r.y + (r.height - h) / 2, width: w, height: h};""")
            for name in TOUCH_BUTTONS:
                button = phone.find_element(By.CSS_SELECTOR, "[aria-label='%s']" % name)
                r = button.rect
                self.assertTrue(button.is_displayed(), name)
                self.assertGreaterEqual(min(r["width"], r["height"]), 44, name)
                self.assertTrue(0 <= r["x"] and r["x"] + r["width"] <= 844 and r["y"] + r["height"] <= 390, name)
                self.assertTrue(r["y"] >= game["y"] + 0.82 * game["height"] - 1 or
                                r["x"] + r["width"] <= game["x"] or r["x"] >= game["x"] + game["width"], name)
            # A tap on the game starts one, and the sound; the game paused
            # (the page left), a tap plays on.
            # Sound held back as a phone holds it until the player's first touch
            # (headless Chromium lets it play at once).
            sound = "return Module.audioContexts.map((c) => c.state).join()"
            phone.execute_script("Module.audioContexts.forEach((c) => c.suspend())")
            self.wait_for_script(sound + " === 'suspended'")
            self.touch("game")
            self.touch()
            self.wait_for_script(sound + " === 'running'")
            phone.execute_script("document.getElementById('canvas').blur()")
            log = "return document.getElementById('log').textContent"
            self.wait_for_script(log + ".includes('Paused: ')", 60)
            self.touch("game")
            self.touch()
            self.wait_for_script(log + ".includes('Playing on')", 60)
            # Two fingers: fire held while driving.
            self.touch("right")
            self.touch("right", "fire")
            self.assertEqual(phone.execute_script("return Module.touchButtons"), 0b100010)
            self.touch()
            self.assertEqual(phone.execute_script("return Module.touchButtons"), 0)
            phone.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                  {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
            self.wait_for_script("const r = document.getElementById('turn').getBoundingClientRect();"
                                 "return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2)"
                                 " === document.getElementById('turn')")
            phone.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                  {"width": 844, "height": 390, "deviceScaleFactor": 2, "mobile": True})
            end = time.monotonic() + 60
            while "has ended" not in self.text("cover"):  # back leaves the game, then ends it
                self.assertLess(time.monotonic(), end, "back did not end the game")
                self.touch("back")
                self.touch()
            self.assertEqual(self.severe_log(), [])
        finally:
            del self.driver
            phone.quit()

    def test_a_missing_texture_is_reported_and_the_game_still_plays(self):
        self.open("missing")
        log = self.text("log")
        self.assertRegex(log, r"ERROR: Could not load Texture Index \d+")
        self.assertIn("Picture /" + MISSING + " not loaded", log)
        self.keys(" ")
        time.sleep(3)
        self.keys(["d", " ", "w"])
        before = self.text("readout")
        end = time.monotonic() + 60
        while self.text("readout") == before and time.monotonic() < end:
            time.sleep(0.2)
        self.assertNotEqual(self.text("readout"), before, "the read-out stopped")
        self.assertRegex(self.text("readout"), r"\+ Fps:\s+[1-9]")
        self.assertEqual(self.severe_log(), [])

    def test_pausing_and_a_best_score_kept_across_a_reload(self):
        # The other tests' games may have kept a best on this page's origin.
        self.open("game")
        self.driver.execute_script("localStorage.clear()")
        self.open("game")
        self.assertIn("+ Best: 0", self.text("readout"))
        self.keys([" ", "p"])
        self.wait_for_text("log", "Paused: ", 60)
        self.keys(["p"])
        self.wait_for_text("log", "Playing on", 60)
        # The canvas losing the keyboard pauses the game too.
        self.driver.execute_script("document.getElementById('canvas').blur()")
        self.wait_for_count("Paused: ", 2)
        self.keys(["p"])
        self.wait_for_count("Playing on", 2)

        end = time.monotonic() + 180
        while not re.search(r"\+ Score: [1-9]", self.text("readout")):
            self.assertLess(time.monotonic(), end, "no score after three minutes of firing")
            self.keys([" "], pause=0.2)
        self.keys([Keys.ESCAPE])
        self.wait_for_text("log", "New best score: ", 60)
        best = re.search(r"New best score: (\d+)", self.text("log")).group(1)
        self.driver.refresh()
        self.wait_for_text("readout", "+ Best: " + best, 300)
        self.assertRegex(self.text("readout"), r"\+ Best: %s\s*$" % best)

    def wait_for_count(self, needle, count):
        end = time.monotonic() + 60
        while self.text("log").count(needle) < count and time.monotonic() < end:
            time.sleep(0.2)
        self.assertEqual(self.text("log").count(needle), count, self.text("log"))

    def stepped_drive_in(self, plain):
        """The paused drive-in of the stepped page, on the caching path or,
        with the page's framebuffers made to fail, the plain one: the
        screenshot, the path's line and what the page noted."""
        driver = browser()  # of its own: the page's clock is the script's
        try:
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": STEPPED_PAGE + (PLAIN_DRAWING if plain else "")})
            driver.get(self.base + "game/index.html")
            end = time.monotonic() + 300
            while "Paused" not in driver.find_element(By.ID, "log").text:
                self.assertLess(time.monotonic(), end, "the game did not pause at frame 180")
                time.sleep(0.2)
            # A few frames more: still views are kept from their second frame.
            frame = driver.execute_script("return frame")
            while driver.execute_script("return frame") < frame + 5:
                self.assertLess(time.monotonic(), end, "the page stopped drawing")
                time.sleep(0.2)
            shot = Image.open(io.BytesIO(driver.find_element(By.ID, "canvas").screenshot_as_png))
            path = [line for line in driver.find_element(By.ID, "log").text.splitlines()
                    if line.startswith("Drawing path")]
            noted = driver.execute_script("return [textureSizes, drawsPerFrame, copies]")
            return shot.convert("RGB"), path, noted
        finally:
            driver.quit()

    def test_the_drive_in_looks_as_on_the_desktop_on_both_paths(self):
        shot, path, (sizes, draws, copies) = self.stepped_drive_in(plain=False)
        self.assertEqual(path, ["Drawing path: framebuffer copy"])
        self.assertGreater(copies, 0, "the back layers were never kept")
        desktop = Image.open(Path(__file__).with_name("drive_in_paused.png")).convert("RGB")
        apart = sum(ImageStat.Stat(ImageChops.difference(desktop, shot)).mean) / 3
        self.figures["drive-in paused, from the desktop's picture"] = "%.3f a channel on average" % apart
        self.assertLess(apart, 0.5)
        # The menu pictures (1280x720) and the basket (128x160) keep their sizes.
        self.assertEqual(sizes.count([1280, 720]), 4)
        self.assertEqual(sizes.count([128, 160]), 1)
        draws = sorted(draws)
        self.figures["draw calls a frame in the menu and drive-in (median, max)"] = "%d, %d" % (
            draws[len(draws) // 2], draws[-1])
        # The kept layers and menu picture give the very pixels drawn afresh.
        plain_shot, plain_path, _ = self.stepped_drive_in(plain=True)
        self.assertEqual(plain_path, ["Drawing path: plain"])
        differing = ImageChops.difference(plain_shot, shot).convert("L").point(lambda v: v > 0)
        self.assertEqual(differing.histogram()[1], 0, "pixels differ from the plain drawing")

    def test_without_webgl_the_page_says_so(self):
        driver = browser("--disable-webgl")
        try:
            driver.get(self.base + "game/index.html")
            end = time.monotonic() + 60
            while "needs WebGL" not in driver.find_element(By.ID, "cover").text and time.monotonic() < end:
                time.sleep(0.2)
            self.assertIn("needs WebGL", driver.find_element(By.ID, "cover").text)
            self.assertEqual(driver.find_element(By.ID, "log").text, "", "the game started anyway")
        finally:
            driver.quit()

    def test_the_page_installs_as_an_app(self):
        self.open("game")
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        self.assertEqual(errors["installabilityErrors"], [])

    def test_the_worker_lists_every_file_and_its_version_is_their_hash(self):
        worker = urllib.request.urlopen(self.base + "game/sw.js", timeout=30).read().decode()
        version = re.search(r"const VERSION = '([0-9a-f]{12})';", worker).group(1)
        files = re.findall(r"'([^']+)'", re.search(r"const FILES = \[(.*)\];", worker).group(1))
        self.assertEqual(files[0], "./")
        needed = sorted(str(p.relative_to(WEB)) for p in WEB.rglob("*") if p.is_file() and
                        p.name != "sw.js" and p.relative_to(WEB).parts[0] != "licenses")
        self.assertEqual(sorted(files[1:]), needed)
        listing = "".join("%s  %s\n" % (hashlib.sha256((WEB / f).read_bytes()).hexdigest(), f)
                          for f in files[1:])
        self.assertEqual(version, hashlib.sha256(listing.encode()).hexdigest()[:12])

    def test_the_game_starts_again_offline(self):
        # A server of its own, stopped halfway: the other tests keep theirs.
        server, base = self.serve()
        try:
            self.logs = []
            self.driver.get(base + "game/")
            self.wait_for_text("readout", "Fps:", 300)
            self.wait_for_script("return !!navigator.serviceWorker.controller", 90)
        finally:
            server.shutdown()
            server.server_close()
        with self.assertRaises(urllib.error.URLError):
            urllib.request.urlopen(base + "game/", timeout=10)
        self.driver.refresh()
        self.wait_for_text("readout", "Fps:", 300)
        self.assertIn("+ Score: 0", self.text("readout"))
        self.assertNotIn("ERROR", self.text("log"))
        self.assertEqual(self.severe_log(), [])


if __name__ == "__main__":
    sizes = {p.name: p.stat().st_size for p in WEB.iterdir() if p.is_file()}
    print("figure: download size: %d bytes (%s)" % (sum(sizes.values()), ", ".join(
        "%s %d" % item for item in sorted(sizes.items()))))
    unittest.main(verbosity=2)
