#!/usr/bin/env python3
"""The web page's 墙体模型 tab in headless Chromium (the browser and server of page_test.py):
the golden models of tests/golden/model opened from their files and shown with their golden
figures, wrong cells that compute nothing, model files, the printed sheets and the time a
three-storey panel takes.

    model_page_test.py --site build-web/site --golden tests/golden/model GROUP

GROUP: goldens, problems, files, print or speed (one ctest entry each).
"""
import argparse
import base64
import json
import os
import statistics
import sys
import tempfile
import unittest

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page_test  # noqa: E402  (its browser, server and PDF text)

ARGS = None


def golden(name):
    with open(os.path.join(ARGS.golden, name), encoding="utf-8") as f:
        return f.read()


def batch_models():
    """The models of models.jsonl with their expected answers, by line."""
    models = [json.loads(line) for line in golden("models.jsonl").splitlines()
              if line.strip() and not line.startswith("#")]
    answers = [json.loads(line) for line in golden("models.expected.jsonl").splitlines() if line]
    return list(zip(models, answers))


def at(answer, pointer):
    """The value at a JSON pointer ("/analysis/supports/1/moment"), or None."""
    value = answer
    for part in pointer.strip("/").split("/"):
        if isinstance(value, list):
            value = value[int(part)] if int(part) < len(value) else None
        elif isinstance(value, dict):
            value = value.get(part)
        if value is None:
            return None
    return value


class ModelPageTest(page_test.PageTest):
    """A fresh page for every test, with the 墙体模型 tab in front."""

    def open_page(self):
        super().open_page()
        self.click("tab-model")
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return document.body.dataset.modelReady === 'true'"))

    def computed(self):
        return int(self.js("return Number(document.body.dataset.modelComputed || 0)"))

    def after(self, action):
        """Does `action` and waits until the tab has computed (or refused) what it changed."""
        before = self.computed()
        action()
        WebDriverWait(self.browser, 20).until(lambda b: self.computed() > before)

    def open_model(self, model, name="model.json"):
        text = model if isinstance(model, str) else json.dumps(
            {"format": "wallcalc-model/1", **model}, ensure_ascii=False)
        path = os.path.join(tempfile.mkdtemp(), name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        self.after(lambda: self.el("model-file").send_keys(path))

    def cell(self, key):
        return self.js(f"return document.querySelector('#model-page [data-key=\"{key}\"]')")

    def type_cell(self, key, text):
        def typing():
            # As the engineer does it: the cell's text selected and typed over (or deleted).
            box = self.cell(key)
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(text if text else Keys.DELETE)
        self.after(typing)

    def problem(self):
        return self.js("const p = document.getElementById('model-problem');"
                       "return p.hidden ? null : p.textContent")

    def analysis_cells(self):
        """[at, text] of every figure of the analysis table."""
        return self.js("return [...document.querySelectorAll('#ModelAnalysis td[data-at]')]"
                       ".map(td => [td.dataset.at, td.textContent])")


# ---------------------------------------------------------------- golden models


class Goldens(ModelPageTest):
    def check_figures(self, answer):
        cells = self.analysis_cells()
        self.assertGreater(len(cells), 0)
        for pointer, text in cells:
            expected = at(answer, pointer)
            with self.subTest(figure=pointer):
                if expected is None:
                    self.assertEqual(text, "—")
                else:
                    self.assertAlmostEqual(float(text), expected, delta=5e-4)

    def check_design(self, answer):
        """Every storey's bars of the golden answer stand in its rows of the design table."""
        rows = self.js("return [...document.querySelectorAll('#ModelDesign tbody tr')]"
                       ".map(tr => [...tr.cells].map(td => td.textContent))")
        for i, storey in enumerate(answer["design"]["storeys"]):
            shown = " ".join(r[4] for r in rows if r[0] == f"第{i + 1}层")
            for key, face in storey.items():
                bars = face.get("bars") if isinstance(face, dict) else None
                if bars:
                    with self.subTest(storey=i + 1, face=key):
                        self.assertIn(f"{bars}（", shown)

    def check_verdict(self, answer):
        verdict = self.el("model-verdict")
        self.assertEqual(verdict.get_attribute("class"), "ok" if answer["verdict"]["ok"] else "failed")
        colour = verdict.value_of_css_property("color")
        self.assertEqual(colour, "rgba(27, 127, 42, 1)" if answer["verdict"]["ok"]
                         else "rgba(198, 40, 40, 1)")

    def check_figure_labels(self, answer):
        """The figure drawn for the wall carries its slabs' elevations and its moments."""
        labels = self.js("return [...document.querySelectorAll('#model-figure svg text')]"
                         ".map(t => t.textContent)")
        for support in answer["analysis"].get("supports", []):
            with self.subTest(elevation=support["elevation"]):
                self.assertTrue(any(f"{support['elevation']:.3f}" in label for label in labels))

    def test_batch_goldens_show_their_figures(self):
        names = ["three storeys, pinned top, fixed base", "three storeys in civil-defence works",
                 "two storeys fixed at the top, pinned at the base, water above the ground",
                 "a cantilever wall with its top above the ground",
                 "a 200 mm wall that does not satisfy",
                 "a 250 mm wall under water that no bar can carry"]
        for name, (model, answer) in zip(names, batch_models()):
            with self.subTest(row=name):
                self.open_page()
                self.open_model(model)
                self.assertIsNone(self.problem())
                self.check_figures(answer)
                self.check_design(answer)
                self.check_verdict(answer)
                self.check_figure_labels(answer)

    def test_text_goldens_show_their_calculation_text(self):
        rows = [("three storeys", "three_storeys"),
                ("two-storey panel, fixed left and pinned right", "two_storey_panel"),
                ("two-storey panel under the permanent water", "two_storey_panel_permanent")]
        for name, stem in rows:
            with self.subTest(row=name):
                self.open_page()
                self.open_model(golden(f"{stem}.json"), f"{stem}.json")
                self.assertIsNone(self.problem())
                self.assertEqual(self.el("model-text").get_attribute("textContent").rstrip("\n"),
                                 golden(f"{stem}.text.expected.txt").rstrip("\n"))
                if os.path.exists(os.path.join(ARGS.golden, f"{stem}.expected.json")):
                    answer = json.loads(golden(f"{stem}.expected.json"))
                    self.check_figures(answer)
                    self.check_design(answer)
                    self.check_verdict(answer)

    def test_panel_cells_follow_the_file(self):
        self.open_model(golden("two_storey_panel.json"))
        self.assertTrue(self.el("panel-on").is_selected())
        self.assertEqual(self.cell("panel.width").get_attribute("value"), "6")
        self.assertEqual(Select(self.cell("panel.right")).first_selected_option.text, "铰接")


# ---------------------------------------------------------------- problems


class Problems(ModelPageTest):
    def test_a_wrong_cell_shows_its_problem_and_computes_nothing(self):
        rows = [
            ("a thickness that is not a number", "storeys[1].thickness", "3o0", None,
             "storeys[1].thickness（墙厚）“3o0”不是数值，请输入数值"),
            ("an empty slab elevation", "slabs[2]", "", None, "slabs[2]（楼板顶标高）没有给出"),
            ("slabs that do not go down", "slabs[2]", "-3.0", None, "slabs[2]"),
            ("a wall no thicker than twice its cover", "storeys[0].thickness", "90", None,
             "storeys[0]"),
            ("an empty spacing", "spacing", "", None, "spacing（钢筋间距）"),
            ("a panel of no width", "panel.width", "0", "panel", "panel.width"),
        ]
        model = json.loads(golden("three_storeys.json"))
        for name, key, text, panel, message in rows:
            with self.subTest(row=name):
                self.open_page()
                self.open_model(model)
                if panel:
                    self.after(lambda: self.click("panel-on"))
                    self.type_cell("panel.width", "6")
                before = self.js("return JSON.stringify(window.wallcalcModel.lastAnswer())")
                shown = self.analysis_cells()
                self.type_cell(key, text)
                self.assertIsNotNone(self.problem())
                self.assertIn(message, self.problem())
                self.assertIn("wrong", self.cell(key).get_attribute("class"))
                self.assertIn("stale", self.el("model-results").get_attribute("class"))
                self.assertEqual(self.js("return JSON.stringify(window.wallcalcModel.lastAnswer())"),
                                 before)
                self.assertEqual(self.analysis_cells(), shown)

    def test_a_corrected_cell_computes_again(self):
        self.open_model(json.loads(golden("three_storeys.json")))
        self.type_cell("storeys[0].thickness", "x")
        self.type_cell("storeys[0].thickness", "300")
        self.assertIsNone(self.problem())
        self.assertNotIn("stale", self.el("model-results").get_attribute("class"))
        self.assertEqual(self.cell("storeys[0].thickness").get_attribute("class"), "cell")


# ---------------------------------------------------------------- files and storeys


class Files(ModelPageTest):
    def save(self):
        return self.saved_json("save-model")

    def test_saved_file_holds_the_opened_model(self):
        rows = [("three storeys", "three_storeys.json", "WQ-3"),
                ("two-storey panel", "two_storey_panel.json", "WQ-P")]
        for name, file, wall in rows:
            with self.subTest(row=name):
                self.open_page()
                model = json.loads(golden(file))
                model["project"] = {"project": "某工程", "wall": wall, "designer": "", "checker": "",
                                    "reviewer": ""}
                self.open_model(json.dumps(model, ensure_ascii=False))
                saved_name, saved = self.save()
                self.assertEqual(saved_name, f"{wall}.json")
                for key, value in model.items():
                    with self.subTest(key=key):
                        self.assertEqual(saved.get(key), value)

    def test_a_file_the_tab_cannot_show_changes_nothing(self):
        six = json.loads(golden("three_storeys.json"))
        six["slabs"] += [-14.0, -17.0, -20.0]
        six["storeys"] += six["storeys"]
        rows = [("an unknown key", '{"format": "wallcalc-model/1", "h9": 1}', "键“h9”是未知的键（可用的键见 README 的墙体模型一节）"),
                ("six storeys", json.dumps(six), "各层墙体有6层，墙体模型为1～5层")]
        for name, text, why in rows:
            with self.subTest(row=name):
                self.open_page()
                self.open_model(json.loads(golden("three_storeys.json")))
                self.el("model-file").send_keys(self.write("bad.json", text))
                WebDriverWait(self.browser, 5).until(lambda b: self.problem() is not None)
                self.assertEqual(self.problem(), f"无法读取“bad.json”：{why}")
                self.assertEqual(self.cell("storeys[2].thickness").get_attribute("value"), "450")
                self.assertEqual(self.js("return document.querySelectorAll('#StoreyTable tbody tr').length"), 4)

    def write(self, name, text):
        path = os.path.join(tempfile.mkdtemp(), name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def test_storeys_added_and_removed_between_one_and_five(self):
        self.open_model(json.loads(golden("three_storeys.json")))
        rows = [("a fourth storey, its base as deep below as the third's", "AddStorey", 4, "-14.8"),
                ("a fifth storey", "AddStorey", 5, "-18.6"),
                ("no sixth storey", None, 5, "-18.6"),
                ("back to four, the base at the fifth's top", "RemoveStorey", 4, "-14.8")]
        for name, button, storeys, base in rows:
            with self.subTest(row=name):
                if button:
                    self.after(lambda: self.click(button))
                self.assertEqual(self.js("return document.querySelectorAll('#StoreyTable tbody tr').length"),
                                 storeys + 1)
                self.assertAlmostEqual(float(self.cell(f"slabs[{storeys}]").get_attribute("value")),
                                       float(base))
                self.assertEqual(not self.el("AddStorey").is_enabled(), storeys == 5)
                self.assertIsNone(self.problem())
                self.assertEqual(len(self.js("return window.wallcalcModel.lastAnswer().answer"
                                             ".design.storeys")), storeys)


# ---------------------------------------------------------------- printed sheets


class Print(ModelPageTest):
    def test_printed_model_sheet_has_every_section(self):
        self.open_model(json.loads(golden("three_storeys.json")))
        pdf = base64.b64decode(self.browser.print_page())
        text = page_test.pdf_text(pdf).replace(" ", "")
        for expected in ("地下室外墙计算书（墙体模型）", "一、输入", "二、各层墙体", "三、计算简图",
                         "四、结论", "结论：满足", "五、截面设计", "14@150（1026.254）", "六、计算过程",
                         "-160.468", "第1页共"):
            with self.subTest(text=expected):
                self.assertIn(expected, text)
        self.assertNotIn("地下室外墙配筋计算书", text)  # not the window's sheet

    def test_window_tab_still_prints_the_window_sheet(self):
        self.open_model(json.loads(golden("three_storeys.json")))
        self.click("tab-window")
        self.click("Option1_1")
        self.click("Command1")
        text = page_test.pdf_text(base64.b64decode(self.browser.print_page())).replace(" ", "")
        self.assertIn("地下室外墙配筋计算书", text)
        self.assertNotIn("墙体模型", text)


    def test_printed_window_sheet_draws_the_wall_figure(self):
        rows = [("case A: water above the top of the wall", "A", "-1.0", False),
                ("case B: water within the wall, its load value at the water level", "B", "-3.5", True),
                ("case C: water below the base", "C", "-7.0", False)]
        for name, case, h2, at_water in rows:
            with self.subTest(row=name):
                self.open_page()
                self.click("tab-window")
                wall = {"format": "wallcalc-wall/1", "mode": "ordinary", "case": case, "h1": "-0.45",
                        "h2": h2, "h3": "-2.0", "h4": "-6.0", "h5": "300"}
                path = os.path.join(tempfile.mkdtemp(), "w.wall")
                with open(path, "w", encoding="utf-8") as f:
                    json.dump(wall, f)
                self.el("wall-file").send_keys(path)
                WebDriverWait(self.browser, 5).until(lambda b: self.value("Text2") == h2)
                self.click("Command1")
                mbk = self.value("Text6")
                self.assertNotEqual(mbk, "")
                self.js("window.dispatchEvent(new Event('beforeprint'))")
                labels = self.js("return [...document.querySelectorAll('#sheet .sheet-figure svg text')]"
                                 ".map(t => t.textContent)")
                for expected in ("h1=-0.45", f"h2={h2}", "h3=-2.0", "h4=-6.0", "h5=300", f"MBk={mbk}"):
                    with self.subTest(label=expected):
                        self.assertIn(expected, labels)
                # The load values stand on the figure as the lines under it add them up.
                lines = self.js("return [...document.querySelectorAll('#sheet .sheet-section p.note')]"
                                ".map(p => p.textContent)")
                sums = [line.split("=")[-1].split(" ")[0] for line in lines if "(kN/m)" in line]
                self.assertEqual(len(sums), 3 if at_water else 2)
                for value in sums:
                    with self.subTest(load=value):
                        self.assertIn(value, labels)


# ---------------------------------------------------------------- speed


class Speed(ModelPageTest):
    def test_a_three_storey_panel_follows_the_typing_within_200_ms(self):
        model = json.loads(golden("three_storeys.json"))
        model["panel"] = {"width": 6.0, "left": "fixed", "right": "pinned"}
        self.open_model(model)
        self.assertIsNone(self.problem())
        times = []
        for surcharge in ("10", "12", "14", "16", "18", "20", "22"):
            self.type_cell("surcharge", surcharge)
            times.append(self.js("return window.wallcalcModel.lastComputeMs()"))
        press = self.js("return window.wallcalcModel.measurePress(arguments[0], 5)",
                        json.dumps(model))
        print(f"speed: a three-storey panel typed: cells read, pressed and shown in "
              f"{min(times):.0f}–{max(times):.0f} ms (median {statistics.median(times):.0f} ms "
              f"of {len(times)}); the press alone {press:.0f} ms")
        self.assertLessEqual(statistics.median(times), 200)


GROUPS = {"goldens": Goldens, "problems": Problems, "files": Files, "print": Print,
          "speed": Speed}


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", required=True, help="the page's folder (build-web/site)")
    parser.add_argument("--golden", required=True, help="tests/golden/model")
    parser.add_argument("group", choices=sorted(GROUPS))
    ARGS = parser.parse_args()
    page_test.ARGS = argparse.Namespace(site=ARGS.site, cli=None, keep_pdf=None, shots=None)
    if not os.path.exists(os.path.join(ARGS.site, "index.html")):
        sys.exit(f"missing: {ARGS.site}/index.html (build the web preset first)")
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(GROUPS[ARGS.group])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
