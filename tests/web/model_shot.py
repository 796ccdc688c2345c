#!/usr/bin/env python3
"""A picture of the web page's 墙体模型 tab: a golden wall model opened from its file, with its
figure and its results per storey.

    /usr/bin/python3 tests/web/model_shot.py --site build-web/site --model FILE --out PNG
"""
import argparse
import json
import os
import sys
import tempfile

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page_test  # noqa: E402  the same server and browser as the tests


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--site", required=True)
    parser.add_argument("--model", required=True, help="a wallcalc-model/1 file")
    parser.add_argument("--out", required=True)
    parser.add_argument("--size", default="1440x1100", help="browser window, WxH")
    parser.add_argument("--project", default="某住宅小区地下车库")
    parser.add_argument("--wall", default="WQ-2 北侧外墙")
    args = parser.parse_args()
    with open(args.model, encoding="utf-8") as f:
        model = json.load(f)
    model["project"] = {"project": args.project, "wall": args.wall}
    path = os.path.join(tempfile.mkdtemp(), "model.json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(model, f, ensure_ascii=False)
    server = page_test.serve(args.site)
    browser = page_test.chromium(tempfile.mkdtemp())
    try:
        browser.set_window_size(*[int(n) for n in args.size.split("x")])
        browser.get(f"http://127.0.0.1:{server.server_address[1]}/index.html")
        WebDriverWait(browser, 10).until(
            lambda b: b.execute_script("return document.body.dataset.ready === 'true'"))
        browser.find_element("id", "tab-model").click()
        WebDriverWait(browser, 10).until(
            lambda b: b.execute_script("return document.body.dataset.modelReady === 'true'"))
        browser.find_element("id", "model-file").send_keys(path)
        WebDriverWait(browser, 20).until(lambda b: b.execute_script(
            "return window.wallcalcModel.lastAnswer() !== null"))
        browser.save_screenshot(args.out)
    finally:
        browser.quit()
        server.shutdown()


if __name__ == "__main__":
    main()
