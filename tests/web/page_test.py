#!/usr/bin/env python3
"""The web edition in a real browser: headless Chromium driven by Selenium, the page served
from its folder on 127.0.0.1, answers compared with the native command line.

    page_test.py --site build-web/site --cli build/cli/wallcalc-cli GROUP

    page_test.py --one-file build-web/wallcalc.html --cli build/cli/wallcalc-cli single

GROUP: window, rules, messages, files, batch, agreement or speed (one ctest entry each), on
the page served from its folder; single: the one-file edition opened from disk (file://).
"""
import argparse
import base64
import collections
import csv
import functools
import http.server
import io
import json
import os
import random
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ARGS = None
SEED = int(os.environ.get("WALLCALC_WEB_SEED", "13"))

# ---------------------------------------------------------------- the page and the browser


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """A static server for the page's folder on a free port of 127.0.0.1."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def chromium(downloads):
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1200,900",
                 f"--user-data-dir={tempfile.mkdtemp(prefix='wallcalc-chromium-')}"):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                              "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    """One browser and one server for a group; a fresh page for every test."""

    @classmethod
    def setUpClass(cls):
        cls.server = serve(ARGS.site)
        cls.url = f"http://127.0.0.1:{cls.server.server_address[1]}/index.html"
        cls.downloads = tempfile.mkdtemp(prefix="wallcalc-downloads-")
        cls.browser = chromium(cls.downloads)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()

    def setUp(self):
        self.open_page()

    def open_page(self):
        self.browser.get(self.url)
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return document.body.dataset.ready === 'true'"))

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def el(self, name):
        return self.browser.find_element(By.ID, name)

    def value(self, name):
        return self.el(name).get_attribute("value")

    def type_into(self, name, text):
        box = self.el(name)
        box.clear()
        box.send_keys(text)

    def click(self, name):
        self.el(name).click()

    def saved_json(self, button):
        """Clicks `button` and reads the JSON file it downloads: (its name, its contents)."""
        before = set(os.listdir(self.downloads))
        self.click(button)
        for _ in range(100):
            new = [f for f in set(os.listdir(self.downloads)) - before
                   if not f.endswith(".crdownload") and not f.startswith(".")]
            if new:
                with open(os.path.join(self.downloads, new[0]), encoding="utf-8") as f:
                    return new[0], json.load(f)
            time.sleep(0.05)
        self.fail(f"{button} downloaded no file")

    def dialog(self):
        """The open message box as (title, text), or None."""
        shown = self.js("""const d = document.getElementById('message');
            return d.open ? [d.querySelector('.title-bar').textContent,
                             document.getElementById('message-text').textContent] : null;""")
        return tuple(shown) if shown else None

    def close_dialog(self):
        self.click("message-ok")

    def cli_session(self, lines):
        """What wallcalc-cli --session answers for these lines, one answer a line."""
        with tempfile.NamedTemporaryFile("w", suffix=".jsonl", encoding="utf-8", delete=False) as f:
            f.write("".join(line + "\n" for line in lines))
        try:
            out = subprocess.run([ARGS.cli, "--session", f.name], check=False,
                                 stdout=subprocess.PIPE).stdout
        finally:
            os.unlink(f.name)
        return out.decode("utf-8").split("\n")[:-1]

    def description(self):
        return self.js("return window.wallcalc.description()")

    def fill_project(self, fields):
        """Types the title block's names into 计算书信息 and closes it with 确定."""
        self.click("project-info")
        for key, text in fields.items():
            self.type_into(f"project-{key}", text)
        self.click("project-ok")

    def choose(self, name, text):
        Select(self.el(name)).select_by_visible_text(text)

    def items(self, name):
        return [o.text for o in Select(self.el(name)).options]

    def places(self):
        """Each control's place in pixels relative to the window, as the page shows it."""
        return self.js("""
            const origin = document.getElementById('Form1').getBoundingClientRect();
            const places = {};
            for (const c of window.wallcalc.description().controls) {
              const e = document.getElementById(c.name);
              const r = (c.kind === 'option' ? e.parentElement : e).getBoundingClientRect();
              places[c.name] = [r.left - origin.left - 1, r.top - origin.top - 1, r.width, r.height];
            }
            return places;""")


# ---------------------------------------------------------------- groups


class Window(PageTest):
    def test_controls_stand_where_the_layout_table_puts_them(self):
        # A browser window smaller than the window's specified size: the page scrolls and
        # every control stands at the place the table gives it.
        self.browser.set_window_size(900, 650)
        self.open_page()
        d = self.description()
        places = self.places()
        frames = {c["name"]: c["rect"] for c in d["controls"] if c["kind"] == "frame"}
        for control in d["controls"]:
            name = control["name"]
            left, top, width, height = places[name]
            with self.subTest(control=name):
                x, y, w, h = control["rect"]
                if control["frame"]:
                    fx, fy, _, _ = frames[control["frame"]]
                    x, y = x + fx, y + fy
                    left, top = left - 1, top - 1  # inside the frame's border
                self.assertAlmostEqual(left, x / 15, delta=1)
                self.assertAlmostEqual(top, y / 15, delta=1)
                self.assertAlmostEqual(width, w / 15, delta=1)
                self.assertAlmostEqual(height, h / 15, delta=1)
        self.assertEqual(self.js("return document.getElementById('Form1').clientWidth"),
                         d["area"][0] // 15)

    def test_a_larger_browser_window_gives_its_room_to_the_panels(self):
        self.browser.set_window_size(900, 650)
        self.open_page()
        before = self.places()
        self.browser.set_window_size(1700, 1150)
        WebDriverWait(self.browser, 5).until(
            lambda b: self.js("return document.getElementById('Form1').clientWidth") > 1100)
        after = self.places()
        form = self.js("const f = document.getElementById('Form1'); return [f.clientWidth, f.clientHeight]")
        d = self.description()
        def moved(places, control):  # relative to its frame, which may move
            x, y, w, h = places[control["name"]]
            fx, fy = places[control["frame"]][:2] if control["frame"] else (0, 0)
            return [x - fx, y - fy, w, h]

        for control in d["controls"]:
            with self.subTest(control=control["name"]):
                if not control.get("grows"):
                    self.assertEqual(moved(after, control), moved(before, control),
                                     "a control of the table stays, in its frame")
        for panel in ("WallFigure", "Text12", "TextChecks"):
            with self.subTest(panel=panel):
                self.assertGreater(after[panel][2], before[panel][2])
                self.assertGreater(after[panel][3], before[panel][3])
        checks, text = after["TextChecks"], after["Text12"]
        margin = d["area"][0] // 15 - (before["TextChecks"][0] + before["TextChecks"][2])
        self.assertAlmostEqual(form[0] - (checks[0] + checks[2]), margin, delta=1)
        self.assertAlmostEqual(form[1] - (text[1] + text[3]), margin, delta=1)
        self.assertAlmostEqual(after["Frame6"][0], checks[0], delta=1)
        self.assertLess(text[0] + text[2], checks[0])
        self.assertLess(after["WallFigure"][1] + after["WallFigure"][3], after["StaleNote"][1] + 1)
        self.assertLess(after["StaleNote"][1] + after["StaleNote"][3], text[1] + 1)

    def test_compute_and_the_six_results_show_in_a_1366_by_768_viewport(self):
        # A laptop's screen at 100 %: the viewport itself set to 1366×768 CSS pixels.
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 1366, "height": 768, "deviceScaleFactor": 1, "mobile": False})
        try:
            self.open_page()
            self.js("document.getElementById('Option1_1').click();"
                    "document.getElementById('Command1').click();")
            names = ["Command1"] + [r["name"] for r in self.description()["results"]]
            shown = self.js("""return arguments[0].map(n => {
                const r = document.getElementById(n).getBoundingClientRect();
                return [n, r.left, r.top, r.right, r.bottom]; });""", names)
            view = self.js("return [innerWidth, innerHeight, scrollX, scrollY]")
            if ARGS.shots:
                self.browser.save_screenshot(os.path.join(ARGS.shots, "web-1366x768.png"))
        finally:
            self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.assertEqual(view, [1366, 768, 0, 0])
        for name, left, top, right, bottom in shown:
            with self.subTest(control=name):
                self.assertGreaterEqual(left, 0)
                self.assertGreaterEqual(top, 0)
                self.assertLessEqual(right, 1366)
                self.assertLessEqual(bottom, 768)
        self.assertEqual(len([n for n, *_ in shown if self.value(n)]), 6, "the six results")

    def test_boxes_lists_and_labels_open_with_the_window_defaults(self):
        d = self.description()
        for box in d["boxes"]:
            with self.subTest(box=box["name"]):
                self.assertEqual(self.value(box["name"]), box["default"])
                if box["kind"] != "report":
                    label = self.browser.find_element(By.CSS_SELECTOR, f"label[for={box['name']}]")
                    self.assertEqual(label.text.replace("\n", ""), box["label"])
        for lst in d["lists"]:
            with self.subTest(list=lst["name"]):
                select = Select(self.el(lst["name"]))
                self.assertEqual([o.text for o in select.options], lst["items"])
                self.assertEqual(select.first_selected_option.text, lst["items"][0])
        self.assertEqual([self.el(n).text for n in ("Command1", "Command2", "Command3")],
                         ["计算", "帮助", "退出"])
        self.assertGreater(self.js("return document.getElementById('WallFigure').naturalWidth"), 0)

    def test_defaults_typed_and_compute_give_six_results_and_39_lines(self):
        d = self.description()
        for box in d["boxes"]:
            if box["kind"] == "input" and self.el(box["name"]).is_enabled():
                self.type_into(box["name"], box["default"])
        self.click("Option1_1")
        self.click("Command1")
        self.assertIsNone(self.dialog())
        expected = json.loads(self.cli_session(['{"mode":"ordinary"}'])[0])
        shown = {r["key"]: self.value(r["name"]) for r in d["results"]}
        self.assertEqual(shown, expected["results"])
        self.assertEqual(len([v for v in shown.values() if v]), 6)
        report = self.value("Text12")
        self.assertEqual(report.replace("\n", "\r\n"), expected["report"])
        lines = report.split("\n")
        self.assertEqual(len(lines), 39)
        self.assertEqual(lines[0], "1.荷载计算：")
        self.assertEqual(lines[21], "αs=MB*10^6/(Fc*1000*h0^2)=143.19*10^6/(7.2*1000*300^2)=0.221")
        self.assertEqual(lines[-1], "    则实际所配钢筋为 18@200+20@200（依次类推）")
        WebDriverWait(self.browser, 5).until(lambda b: self.value("TextChecks") != "")
        self.assertEqual(self.value("TextChecks"),
                         self.js("return window.wallcalc.supplementaryText()").replace("\r\n", "\n"))
        self.assertTrue(self.value("TextChecks").startswith("补充验算："))
        overflow = self.js("const t = document.getElementById('TextChecks');"
                           "return [t.scrollWidth - t.clientWidth, t.scrollHeight - t.clientHeight]")
        self.assertEqual(overflow[0], 0, "补充验算 wraps its lines: no horizontal scrolling")
        self.assertGreater(overflow[1], 0)

    def test_tab_goes_through_the_inputs_in_the_window_order(self):
        # As in the desktop window: the layout table's order, the result boxes passed over,
        # the two options one stop, a disabled box (Text20, the 2010 factors) none.
        expected = ["Combo1", "Combo2", "Combo3", "Text1", "Text2", "Text3", "Text16", "Option1_0",
                    "Text4", "Text13", "Text17", "Text14", "Text15", "Text5", "Text10", "Text8",
                    "Command1", "Command2", "Command3", "Text12", "Combo4", "TextChecks"]
        self.el("Combo1").click()
        self.el("Combo1").send_keys(Keys.ESCAPE)
        visited = [self.js("return document.activeElement.id")]
        while len(visited) < len(expected):
            self.browser.switch_to.active_element.send_keys(Keys.TAB)
            visited.append(self.js("return document.activeElement.id"))
        self.assertEqual(visited, expected)

    def test_page_loads_nothing_from_beyond_its_own_server(self):
        origin = self.url.rsplit("/", 1)[0] + "/"
        loaded = self.js("return performance.getEntriesByType('resource').map(e => e.name)")
        self.assertIn(origin + "wallcalc.wasm", loaded)
        for url in loaded:
            self.assertTrue(url.startswith(origin), url)

    def test_exit_leaves_a_window_that_takes_no_input(self):
        self.click("Command3")
        self.assertTrue(self.js("return document.body.classList.contains('closed')"))
        self.assertTrue(self.js("return document.getElementById('Form1').inert"))

    def test_help_shows_the_windows_help_under_its_title(self):
        self.click("Command2")
        title, text = self.dialog()
        self.assertEqual(title, "友情帮助:")
        self.assertEqual(text.split("\n"), self.description()["help"])
        for words in ("GB 50010-2002", "GB 50010-2010(2015年版)", "补充验算", "墙体文件"):
            self.assertIn(words, text)
        self.close_dialog()
        self.assertIsNone(self.dialog())


class Rules(PageTest):
    def state(self):
        return (self.el("Option1_0").is_selected(), self.el("Option1_1").is_selected(),
                self.el("Text20").is_enabled(), self.value("Text20"))

    def test_civil_defence_option_rules(self):
        steps = [
            ("window opens: no option, load 0 and disabled", None, None, (False, False, False, "0")),
            ("人防 enables the load, reset to 0", "Option1_0", None, (True, False, True, "0")),
            ("the load takes typing", None, "50", (True, False, True, "50")),
            ("非人防 disables it and keeps the text", "Option1_1", None, (False, True, False, "50")),
            ("人防 again resets it to 0", "Option1_0", None, (True, False, True, "0")),
            ("typed once more", None, "35", (True, False, True, "35")),
            ("人防 clicked while checked resets it too", "Option1_0", None, (True, False, True, "0")),
        ]
        for name, click, typed, expected in steps:
            with self.subTest(step=name):
                if click:
                    self.click(click)
                if typed is not None:
                    self.type_into("Text20", typed)
                self.assertEqual(self.state(), expected)
                self.assertEqual(json.loads(self.js("return JSON.stringify(window.wallcalc.state())"))
                                 ["boxes"]["Text20"], expected[3])

    def test_results_typed_past_are_marked_stale_until_the_next_press(self):
        stale = lambda: (self.el("StaleNote").is_displayed(),
                         self.js("return document.body.classList.contains('stale')"))
        self.click("Option1_1")
        self.click("Command1")
        self.assertEqual(stale(), (False, False))
        self.type_into("Text4", "400")
        self.assertEqual(stale(), (True, True))
        self.assertTrue(self.browser.title.startswith("*"))
        self.click("Command1")
        self.assertEqual(stale(), (False, False))

    def test_basis_decides_the_boxes_and_the_steel_list(self):
        eta_and_factors = lambda: [self.el(n).is_enabled() for n in ("Text5", "Text21", "Text22", "Text23", "Text24")]
        steel2002 = ["Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)", "Ⅳ级(RRB400)"]
        steel2010 = ["HPB300", "HRB335", "HRB400", "RRB400", "HRB500"]
        steps = [
            ("opens on 2002: η read", None, None, [True, False, False, False, False], steel2002, "Ⅰ级(HPB235)"),
            ("HRB335 chosen", None, "Ⅱ级(HRB335)", [True, False, False, False, False], steel2002, "Ⅱ级(HRB335)"),
            ("2010: γG, γQ, ψq read, HRB335 kept", "GB 50010-2010(2015年版)", None,
             [False, True, True, True, True], steel2010, "HRB335"),
            ("HRB500 chosen", None, "HRB500", [False, True, True, True, True], steel2010, "HRB500"),
            ("2002 has no HRB500: no steel chosen", "GB 50010-2002", None,
             [True, False, False, False, False], steel2002, None),
        ]
        for name, basis, steel, enabled, items, chosen in steps:
            with self.subTest(step=name):
                if basis:
                    self.choose("Combo4", basis)
                if steel:
                    self.choose("Combo2", steel)
                self.assertEqual(eta_and_factors(), enabled)
                self.assertEqual(self.items("Combo2"), items)
                shown = self.js("return document.getElementById('Combo2').selectedIndex")
                self.assertEqual(shown, self.js("return window.wallcalc.state()")["lists"]["Combo2"])
                self.assertEqual(items[shown] if shown >= 0 else None, chosen)

    def verdict(self):
        """The verdict line as shown: its text, its colour, and whether it is marked."""
        return self.js("""const v = document.getElementById('VerdictLine');
            return [v.textContent, getComputedStyle(v).color, v.title !== ''];""")

    def test_verdict_line_judges_each_press_and_a_press_that_ends_early_clears_it(self):
        red, green = "rgb(183, 28, 28)", "rgb(27, 94, 32)"
        steps = [
            ("default wall, 2002: fails shear, in red with the figures in its tooltip",
             [], "结论：不满足（受剪）", red, True),
            ("C30, HRB400, 2010: satisfied, in green",
             [("Combo4", "GB 50010-2010(2015年版)"), ("Combo1", "C30"), ("Combo2", "HRB400")],
             "结论：满足", green, False),
            ("a thickness that is no number: no verdict, the six boxes as the window leaves them",
             [("Text4", "abc")], "", None, False),
        ]
        self.click("Option1_1")
        for name, changes, line, colour, marked in steps:
            with self.subTest(step=name):
                for box, value in changes:
                    if box.startswith("Combo"):
                        self.choose(box, value)
                    else:
                        self.type_into(box, value)
                self.click("Command1")
                if self.dialog():
                    self.close_dialog()
                shown, shown_colour, has_tip = self.verdict()
                self.assertEqual((shown, has_tip), (line, marked))
                if colour:
                    self.assertEqual(shown_colour, colour)
                press = self.js("return window.wallcalc.state()")["boxes"]
                for result in self.description()["results"]:
                    self.assertEqual(self.value(result["name"]), press[result["name"]])

    def test_structural_importance_factor_box_in_the_2010_basis(self):
        label = self.js("return document.querySelector('label[for=Text24]').textContent")
        self.assertEqual(label, "结构重要性系数γ0：")
        self.assertFalse(self.el("Text24").is_enabled())
        self.choose("Combo4", "GB 50010-2010(2015年版)")
        self.assertTrue(self.el("Text24").is_enabled())
        self.assertEqual(self.value("Text24"), "1.0")

    def test_basis_in_the_frame_and_not_remembered_by_the_page(self):
        frame = self.js("return ['Combo4', 'Text21', 'Text22', 'Text23', 'Text24']"
                        ".map(n => document.getElementById(n).parentElement.id)")
        self.assertEqual(frame, ["Frame6"] * 5)
        self.choose("Combo4", "GB 50010-2010(2015年版)")
        self.open_page()  # like a fresh session of the command line: on 2002
        self.assertEqual(Select(self.el("Combo4")).first_selected_option.text, "GB 50010-2002")
        self.assertTrue(self.el("Text5").is_enabled())

    def test_compute_before_any_option_shows_the_reminder_only(self):
        self.click("Command1")
        self.assertEqual(self.dialog(), ("友情提示:", "注意人防选择，搞结构的要细心哟！"))
        self.close_dialog()
        self.assertEqual(self.value("Text6"), "")
        self.assertEqual(self.value("Text12"), "您可以在此处看到计算的全过程")

    def test_civil_defence_press_skips_the_crack_check(self):
        self.click("Option1_0")
        self.type_into("Text20", "50")
        self.click("Command1")
        expected = json.loads(self.cli_session(['{"mode":"civil-defence","qrf":"50"}'])[0])
        self.assertEqual(self.value("Text12").replace("\n", "\r\n"), expected["report"])
        self.assertTrue(self.value("Text12").endswith("3.人防工程不计算裂缝。"))
        for box in ("Text9", "Text18", "Text11"):
            self.assertEqual(self.value(box).strip(), "")


class Messages(PageTest):
    def test_bad_input_shows_a_modal_message_box(self):
        self.click("Option1_1")
        self.type_into("Text4", "abc")
        self.click("Command1")
        expected = json.loads(self.cli_session(['{"mode":"ordinary","h5":"abc"}'])[0])
        title, text = self.dialog()
        self.assertEqual((title, text), (expected["messages"][0]["title"],
                                         expected["messages"][0]["text"].replace("\r\n", "\n")))
        self.assertEqual(title, "友情提示:")
        self.assertTrue(self.js("return document.getElementById('message').matches(':modal')"))
        self.assertEqual(self.el("message-ok").text, "确定")
        self.close_dialog()
        self.assertIsNone(self.dialog())
        self.assertEqual(self.value("Text12"), "您可以在此处看到计算的全过程")

    def test_elevations_that_do_not_fit_the_case(self):
        self.click("Option1_1")
        Select(self.el("Combo3")).select_by_visible_text("情况C")
        self.click("Command1")
        self.assertEqual(self.dialog(), ("友情提示:", "输入标高与实际情况不符，请重新输入"))

    def test_enter_in_a_box_computes(self):
        self.click("Option1_1")
        self.type_into("Text10", "150\n")
        self.assertIsNone(self.dialog())
        self.assertIn("@ 150  (mm)", self.value("Text12"))


class Files(PageTest):
    def save(self):
        return self.saved_json("save-wall")

    def upload(self, name, text):
        path = os.path.join(tempfile.mkdtemp(), name)
        with open(path, "wb") as f:
            f.write(text.encode("utf-8"))
        self.el("wall-file").send_keys(path)

    def test_saved_wall_holds_what_the_window_holds(self):
        self.click("Option1_0")
        self.type_into("Text20", "50")
        self.type_into("Text4", "400.0")
        Select(self.el("Combo1")).select_by_visible_text("C30")
        self.fill_project({"wall": "WQ-1"})
        name, wall = self.save()
        self.assertEqual(name, "WQ-1.wall")
        self.assertEqual((wall["format"], wall["mode"], wall["concrete"], wall["h5"], wall["qrf"]),
                         ("wallcalc-wall/1", "civil-defence", "C30", "400.0", "50"))
        self.assertEqual(wall["project"]["wall"], "WQ-1")

    def test_opened_wall_fills_the_window(self):
        wall = {"format": "wallcalc-wall/1", "mode": "ordinary", "case": "B", "h2": "-3.5",
                "steel": "HRB335", "project": {"project": "某工程", "designer": "张三"}}
        self.upload("w.wall", json.dumps(wall, ensure_ascii=False))
        WebDriverWait(self.browser, 5).until(lambda b: self.value("Text2") == "-3.5")
        self.assertTrue(self.el("Option1_1").is_selected())
        self.assertEqual(Select(self.el("Combo3")).first_selected_option.text, "情况B")
        self.assertEqual(Select(self.el("Combo2")).first_selected_option.text, "Ⅱ级(HRB335)")
        self.assertEqual(self.js("return window.wallcalc.state()")["project"]["project"], "某工程")
        self.click("Command1")
        self.assertIsNone(self.dialog())
        self.assertNotEqual(self.value("Text6"), "")

    def test_a_file_that_is_no_wall_changes_nothing(self):
        self.type_into("Text4", "500")
        self.upload("bad.wall", '{"format": "wallcalc-wall/1", "h9": "1"}')
        WebDriverWait(self.browser, 5).until(lambda b: self.dialog() is not None)
        title, text = self.dialog()
        self.assertEqual(title, "友情提示:")
        self.assertEqual(text, "无法读取“bad.wall”：未知的键“h9”")
        self.assertEqual(self.value("Text4"), "500")

    def test_printed_sheet_has_title_block_inputs_results_and_text(self):
        self.fill_project({"project": "某住宅地下室"})
        self.click("Option1_1")
        self.click("Command1")
        pdf = base64.b64decode(self.browser.print_page())
        text = pdf_text(pdf).replace(" ", "")
        for expected in ("地下室外墙配筋计算书", "工程名称某住宅地下室", "设计依据", "一、输入数据",
                         "二、材料强度（C15，Ⅰ级(HPB235)）", "三、计算简图", "四、计算结果",
                         "五、计算过程", "1.荷载计算：", "则实际所配钢筋为", "六、补充验算", "第1页共"):
            with self.subTest(text=expected):
                self.assertIn(expected, text)
        if ARGS.keep_pdf:
            with open(ARGS.keep_pdf, "wb") as f:
                f.write(pdf)

    def test_title_block_names_the_codes_of_the_basis(self):
        c2002 = ["GB 50010-2002《混凝土结构设计规范》"]
        c2010 = ["GB 50010-2010(2015年版)《混凝土结构设计规范》", "GB 55001-2021《工程结构通用规范》"]
        c38 = ["GB 50038-2005《人民防空地下室设计规范》"]
        rows = [("2002, ordinary works", "GB 50010-2002", "Option1_1", c2002),
                ("2002, civil-defence works", "GB 50010-2002", "Option1_0", c2002 + c38),
                ("2010, ordinary works", "GB 50010-2010(2015年版)", "Option1_1", c2010),
                ("2010, civil-defence works", "GB 50010-2010(2015年版)", "Option1_0", c2010 + c38)]
        for name, basis, option, codes in rows:
            with self.subTest(row=name):
                self.open_page()
                self.choose("Combo4", basis)
                self.click(option)
                if option == "Option1_0":
                    self.type_into("Text20", "50")
                    self.choose("Combo2", self.items("Combo2")[1])  # a grade GB 50038 adjusts
                self.click("Command1")
                self.assertIsNone(self.dialog())
                self.js("window.dispatchEvent(new Event('beforeprint'))")
                self.assertEqual(self.js("return [...document.querySelectorAll('#sheet td.codes div')]"
                                         ".map(d => d.textContent)"), codes)


def pdf_text(pdf):
    with tempfile.NamedTemporaryFile(suffix=".pdf", delete=False) as f:
        f.write(pdf)
    try:
        return subprocess.run(["pdftotext", "-layout", f.name, "-"], check=True,
                              stdout=subprocess.PIPE).stdout.decode("utf-8")
    finally:
        os.unlink(f.name)


# ---------------------------------------------------------------- batches


# Two-byte codes that Debian 12's C library (glibc 2.36, through which the command line
# reads GB18030) and the browsers' decoder (the WHATWG Encoding Standard's gb18030) read as
# different characters: 0xA3A0 (U+E5E5 / U+3000) and six that glibc reads as CJK Extension B
# characters and the browsers as private-use ones. Every other two-byte code reads alike.
GB18030_READ_APART = {b"\xa3\xa0", b"\xfe\x51", b"\xfe\x52", b"\xfe\x53", b"\xfe\x6c",
                      b"\xfe\x76", b"\xfe\x91"}


def two_byte_codes():
    return [bytes([lead, trail]) for lead in range(0x81, 0xFF)
            for trail in [*range(0x40, 0x7F), *range(0x80, 0xFF)]
            if bytes([lead, trail]) not in GB18030_READ_APART]


def gb18030_walls(rows=1000):
    """A batch file as Excel on Chinese Windows writes it: GB18030, the window's labels as
    headings, commas, CR LF. The names run through every two-byte code of GB18030 (but the
    seven above); the rows complete, end early (elevations, a box that is no number, no
    mode), are not understood (a grade, a row cut short) and take both modes."""
    codes = two_byte_codes()
    per_row = -(-len(codes) // rows)
    header = "名称,人防选择,情况选择,砼强度等级,钢筋种类,h2(m),墙厚度h5（mm）,人防荷载(kN/m2),设计"
    lines = [header.encode("gb18030")]
    for i in range(rows):
        name = b"".join(codes[i * per_row:(i + 1) * per_row]) or f"WQ-{i}".encode()
        mode = "" if i % 37 == 3 else ("人防" if i % 2 else "非人防")
        case = "ABC"[i % 3]
        h2 = {"A": "-0.5", "B": "-3.5", "C": "-7"}[case]
        if i % 41 == 6:
            case = "C"  # water above the base: the elevations do not fit the case
        concrete = "C33" if i % 53 == 7 else f"C{20 + 5 * (i % 5)}"
        steel = ["Ⅱ级(HRB335)", "Ⅲ级(HRB400)", "0", "2"][i % 4]
        h5 = "abc" if i % 59 == 8 else str(300 + 50 * (i % 4))
        qrf = "50" if mode == "人防" else ""
        cells = [f"情况{case}", concrete, steel, h2, h5, qrf, "张三" if i % 2 else ""]
        line = name + b"," + ",".join([mode] + cells).encode("gb18030")
        if i % 97 == 5:
            line = line.rsplit(b",", 2)[0]  # cut short by two cells
        lines.append(line)
    return b"\r\n".join(lines) + b"\r\n"


def utf8_walls(separator, bom):
    """A smaller batch by the session keys, in UTF-8, with the given separator."""
    lines = [separator.join(["name", "mode", "case", "h2", "concrete", "steel", "h5", "qrf"])]
    for i in range(60):
        mode = ["ordinary", "civil-defence", "人防", "非人防", ""][i % 5]
        case = "ABC"[i % 3]
        h2 = {"A": "-0.5", "B": "-3.5", "C": "-7"}[case]
        qrf = "50" if mode in ("civil-defence", "人防") else ""
        lines.append(separator.join([f"墙{i}", mode, case, h2, "C30", "HRB400",
                                     str(250 + 25 * (i % 6)), qrf]))
    return (b"\xef\xbb\xbf" if bom else b"") + "\n".join(lines).encode("utf-8") + b"\n"


class BatchChecks:
    """The page's batch against wallcalc-cli --batch, for the served page and the one file."""

    def run_batch(self, name, data):
        folder = tempfile.mkdtemp(prefix="wallcalc-batch-")
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        before = set(os.listdir(self.downloads))
        self.el("batch-file").send_keys(path)
        WebDriverWait(self.browser, 120).until(lambda b: self.dialog() is not None)
        message = self.dialog()
        self.close_dialog()
        results = None
        wanted = name.rsplit(".", 1)[0] + "_结果.csv"
        for _ in range(100):
            if wanted in set(os.listdir(self.downloads)) - before:
                with open(os.path.join(self.downloads, wanted), "rb") as f:
                    results = f.read()
                break
            time.sleep(0.05)
        cli = subprocess.run([ARGS.cli, "--batch", path], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, check=False)
        return message, results, cli, path

    def test_a_gb18030_file_of_1000_rows_gives_the_command_lines_results_byte_for_byte(self):
        message, results, cli, _ = self.run_batch("外墙.csv", gb18030_walls())
        self.assertEqual(cli.returncode, 1, "rows that did not complete")
        self.assertIsNotNone(results, f"no results were downloaded; the page said {message}")
        self.assertEqual(results[:3], b"\xef\xbb\xbf")
        if results != cli.stdout:
            page_lines, cli_lines = results.split(b"\r\n"), cli.stdout.split(b"\r\n")
            for number, (a, b) in enumerate(zip(page_lines, cli_lines), start=1):
                self.assertEqual(a.decode("utf-8"), b.decode("utf-8"), f"record {number}")
            self.assertEqual(len(page_lines), len(cli_lines))
        summary = [line for line in cli.stderr.decode("utf-8").splitlines() if "共 " in line]
        self.assertEqual(message[0], "友情提示:")
        self.assertIn(summary[0].removeprefix("wallcalc-cli："), message[1])
        self.assertIn("按GB18030（GBK）编码读入", message[1])
        self.assertIn("行未指明人防选择", message[1])
        records = list(csv.reader(io.StringIO(results.decode("utf-8-sig"), newline="")))
        status = records[0].index("status")
        statuses = collections.Counter(r[status] for r in records[1:])
        print(f"batch: {len(records) - 1} rows ({dict(statuses)}), {len(results):,} bytes of "
              "results, equal to the command line's")
        self.assertEqual(len(records), 1001)
        self.assertEqual(set(statuses), {"completed", "ended", "error"})
        self.assertEqual(self.js("return document.getElementById('batch-progress').value"), 1)
        self.assertGreaterEqual(self.js("return window.wallcalc.lastBatch.progressShown"), 1)

    def test_utf8_files_with_keys_and_each_separator_give_the_command_lines_results(self):
        for name, separator, bom in (("commas.csv", ",", True), ("semicolons.csv", ";", False),
                                     ("tabs.txt", "\t", True)):
            with self.subTest(file=name):
                message, results, cli, _ = self.run_batch(name, utf8_walls(separator, bom))
                self.assertIsNotNone(results, f"no results; the page said {message}")
                self.assertEqual(results, cli.stdout)

    def test_a_file_neither_utf8_nor_gb18030_is_refused_as_the_command_line_refuses_it(self):
        message, results, cli, path = self.run_batch("bad.csv", b"name,h5\r\nW1,300\r\nW2,\xff\xff\r\n")
        self.assertIsNone(results)
        self.assertEqual(cli.returncode, 2)
        said = cli.stderr.decode("utf-8").strip().removeprefix("wallcalc-cli：")
        self.assertEqual(message[1], said.replace(path, "bad.csv"))
        self.assertIn("第3行", message[1])


class Batch(PageTest, BatchChecks):
    pass


# ---------------------------------------------------------------- the one-file edition


class SingleFile(PageTest, BatchChecks):
    """wallcalc.html opened from disk: no server, nothing loaded from anywhere."""

    @classmethod
    def setUpClass(cls):
        cls.server = None
        cls.url = "file://" + os.path.abspath(ARGS.one_file)
        cls.downloads = tempfile.mkdtemp(prefix="wallcalc-downloads-")
        cls.browser = chromium(cls.downloads)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def test_computes_the_default_wall_with_its_six_results_and_supplementary_design(self):
        self.click("Option1_1")
        self.click("Command1")
        self.assertIsNone(self.dialog())
        expected = json.loads(self.cli_session(['{"mode":"ordinary"}'])[0])
        shown = {r["key"]: self.value(r["name"]) for r in self.description()["results"]}
        self.assertEqual(shown, expected["results"])
        self.assertEqual(len([v for v in shown.values() if v]), 6)
        self.assertEqual(self.value("Text12").replace("\n", "\r\n"), expected["report"])
        WebDriverWait(self.browser, 5).until(lambda b: self.value("TextChecks") != "")
        self.assertTrue(self.value("TextChecks").startswith("补充验算："))
        self.assertGreater(self.js("return document.getElementById('WallFigure').naturalWidth"), 0)

    def test_loads_nothing_beside_itself(self):
        self.assertTrue(self.url.startswith("file://"))
        loaded = self.js("return performance.getEntriesByType('resource').map(e => e.name)")
        for url in loaded:
            self.assertTrue(url.startswith("data:") or url.startswith("blob:"), url)
        self.assertEqual(self.js("return [...document.querySelectorAll('[src],[href]')]"
                                 ".map(e => e.src || e.href).filter(u => !/^(data|blob):/.test(u))"),
                         [])

    def test_a_wall_saved_by_download_opens_again_by_the_picker(self):
        self.click("Option1_0")
        self.type_into("Text20", "50")
        self.type_into("Text4", "400")
        self.fill_project({"wall": "WQ-2"})
        before = set(os.listdir(self.downloads))
        self.click("save-wall")
        WebDriverWait(self.browser, 10).until(
            lambda b: "WQ-2.wall" in set(os.listdir(self.downloads)) - before)
        self.open_page()
        default = next(b["default"] for b in self.description()["boxes"] if b["name"] == "Text4")
        self.assertEqual(self.value("Text4"), default, "a fresh page")
        self.el("wall-file").send_keys(os.path.join(self.downloads, "WQ-2.wall"))
        WebDriverWait(self.browser, 5).until(lambda b: self.value("Text4") == "400")
        self.assertTrue(self.el("Option1_0").is_selected())
        self.assertEqual(self.value("Text20"), "50")
        self.assertEqual(self.js("return window.wallcalc.state()")["project"]["wall"], "WQ-2")

    def test_prints_the_sheet_with_its_figure_and_supplementary_design(self):
        self.click("Option1_1")
        self.click("Command1")
        pdf = base64.b64decode(self.browser.print_page())
        text = pdf_text(pdf).replace(" ", "")
        for expected in ("地下室外墙配筋计算书", "三、计算简图", "五、计算过程", "六、补充验算"):
            with self.subTest(text=expected):
                self.assertIn(expected, text)
        # The figure drawn for this wall, inline: its MBk is the one of the results.
        self.assertIn(f"MBk={self.value('Text6')}",
                      self.js("return [...document.querySelectorAll('#sheet .sheet-figure svg text')]"
                              ".map(t => t.textContent)"))


# ---------------------------------------------------------------- agreement with the CLI


# Sound values of each input, as an engineer types them: (low, high, decimals).
SOUND = {"h1": (-0.6, 0.3, 2), "h2": (-1.4, -0.65, 2), "h3": (-3.2, -1.5, 2), "h4": (-8, -4.5, 2),
         "qrf": (0, 120, 1), "h5": (200, 600, 0), "c1": (15, 70, 0), "c2": (15, 50, 0),
         "gamma": (15, 21, 1), "qfj": (0, 30, 1), "eta": (1.0, 1.5, 2), "spacing": (80, 250, 0),
         "limit": (0.1, 0.4, 2), "gammaG": (1.0, 1.35, 2), "gammaQ": (1.0, 1.5, 2),
         "psiq": (0.0, 1.0, 1), "gamma0": (0.9, 1.1, 1)}

# Ground water of each loading case within the elevations above: A between h1 and h3, B
# between h3 and h4, C below h4.
WATER = {"A": (-1.4, -0.65), "B": (-4.4, -3.3), "C": (-9.5, -8.1)}

# Texts that are no number, or a number at the edges of the range.
ODD = ["", " ", "abc", "1,5", "0", "-0", "1e999", "1e-400", " 350.00 ", "350.", ".5", "＋3",
       "3 5", "1e", "--1", "0x10", "inf", "nan", "2.5E2", "1e-3", "-1", "1e308"]


def number_text(rng, key):
    if rng.random() < 0.1:
        return rng.choice(ODD)
    low, high, decimals = SOUND.get(key, (0, 100, 2))
    text = f"{rng.uniform(low, high):.{decimals}f}"
    return text + "0" * rng.randint(0, 1) if "." in text else text


def random_line(rng, description):
    """One session line: mostly sound changes, now and then a value at the edges or a line
    that is not understood; about one line in eight types every input afresh."""
    roll = rng.random()
    if roll < 0.04:
        return rng.choice(["", "not json", "[1,2]", '"text"', "{", '{"h1": 1}', '{"mode": 3}',
                           '{"unknown": "1"}', '{"mode": "both"}', '{"case": "D"}',
                           '{"concrete": true}', "{}", '{"h5": "35\u0000"}'])
    inputs = [b["key"] for b in description["boxes"] if b["kind"] == "input"]
    line = {}
    if rng.random() < 0.4:
        line["mode"] = rng.choice(["ordinary", "civil-defence", "人防", "非人防"])
    chosen = inputs if rng.random() < 0.12 else rng.sample(inputs, rng.randint(0, 3))
    for key in chosen:
        line[key] = number_text(rng, key)
    if rng.random() < 0.3:
        case = rng.choice("ABC")
        line["case"] = rng.choice([case, "情况" + case, "ABC".index(case)])
        if "h2" not in line or rng.random() < 0.9:
            line["h2"] = f"{rng.uniform(*WATER[case]):.2f}"
    for lst in description["lists"]:
        # The items of either basis: a steel grade the basis in effect lacks is refused.
        items = sorted({item for basis in lst["itemsByBasis"] for item in basis})
        if lst["key"] == "basis":
            items += ["2002", "2010"]
        if lst["key"] != "case" and rng.random() < 0.3:
            line[lst["key"]] = rng.choice(items + [rng.randint(0, len(lst["items"]) - 1)])
        if rng.random() < 0.01:
            line[lst["key"]] = rng.choice([-1, len(lst["items"]), str(len(lst["items"]) - 1)])
    return json.dumps(line, ensure_ascii=rng.random() < 0.5)


class Agreement(PageTest):
    def test_2000_random_session_lines_answer_as_the_command_line(self):
        rng = random.Random(SEED)
        description = self.description()
        lines = [random_line(rng, description) for _ in range(2000)]
        page = []
        for start in range(0, len(lines), 250):
            page += self.js("return arguments[0].map(l => window.wallcalc.session(l));",
                            lines[start:start + 250])
        cli = self.cli_session(lines)
        self.assertEqual(len(cli), len(lines))
        completed = sum(1 for a in cli if a.startswith('{"completed":true'))
        print(f"agreement: {len(lines)} lines (seed {SEED}), {completed} completed presses")
        for number, (line, a, b) in enumerate(zip(lines, page, cli), start=1):
            if a != b:
                self.fail(f"line {number}: {line}\n page: {a[:300]}\n cli:  {b[:300]}")
        self.assertGreater(completed, 400, "too few lines complete to compare calculations")


# ---------------------------------------------------------------- speed and size


class Speed(PageTest):
    def setUp(self):
        pass  # each test opens the page itself, to time it

    def test_first_result_within_one_second_of_navigation(self):
        times = []
        for _ in range(3):
            self.browser.get("about:blank")
            self.open_page()
            self.click("Option1_1")
            self.click("Command1")
            WebDriverWait(self.browser, 5).until(lambda b: self.value("Text6") != "")
            times.append(self.js("return [window.wallcalc.readyAt, window.wallcalc.firstResultAt()]"))
        ready, first = max(t[0] for t in times), max(t[1] for t in times)
        print(f"speed: ready {ready:.0f} ms, first result {first:.0f} ms after navigation "
              f"(worst of 3 loads)")
        self.assertLess(first, 1000)

    def test_wasm_is_at_most_1_5_mb(self):
        size = os.path.getsize(os.path.join(ARGS.site, "wallcalc.wasm"))
        print(f"size: wallcalc.wasm {size} bytes ({size / 1e6:.3f} MB)")
        self.assertLessEqual(size, 1_500_000)

    def test_a_press_takes_at_most_20_microseconds(self):
        # The machine is shared: the fastest of several runs is the one least slowed by
        # other processes, and the figure to hold against the limit.
        self.open_page()
        self.js("window.wallcalc.session('{\"mode\":\"ordinary\"}')")
        self.js("window.wallcalc.measurePress(3000)")  # warm-up: compiled and tiered up
        runs = sorted(self.js("return window.wallcalc.measurePress(5000)") for _ in range(7))
        sessions = sorted(self.js("return window.wallcalc.measureSession('{}', 5000)")
                          for _ in range(7))
        print(f"speed: a press in the page {runs[0]:.1f} µs (fastest of 7 × 5000 presses; "
              f"median {runs[3]:.1f} µs); a session line {sessions[0]:.1f} µs "
              f"(median {sessions[3]:.1f} µs)")
        checks = self.js("""const w = window.wallcalc; w.measurePress(1);
            const start = performance.now();
            for (let i = 0; i < 2000; ++i) w.supplementaryText();
            return (performance.now() - start) * 1000 / 2000;""")
        print(f"speed: the supplementary design's text, written after the press is drawn, "
              f"{checks:.1f} µs")
        self.assertLessEqual(runs[0], 20)


GROUPS = {"window": Window, "rules": Rules, "messages": Messages, "files": Files,
          "batch": Batch, "agreement": Agreement, "speed": Speed, "single": SingleFile}


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", help="the page's folder (build-web/site)")
    parser.add_argument("--one-file", help="the one-file edition (build-web/wallcalc.html)")
    parser.add_argument("--cli", required=True)
    parser.add_argument("--keep-pdf", help="also write the printed sheet here")
    parser.add_argument("--shots", help="keep screenshots of what the tests look at here")
    parser.add_argument("group", choices=sorted(GROUPS))
    ARGS = parser.parse_args()
    page = ARGS.one_file if ARGS.group == "single" else os.path.join(ARGS.site or "", "index.html")
    for path in (page, ARGS.cli):
        if not os.path.exists(path):
            sys.exit(f"missing: {path} (build the web preset and the default preset first)")
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(GROUPS[ARGS.group])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
