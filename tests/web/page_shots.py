#!/usr/bin/env python3
"""Pictures of the web edition for looking at it beside the window: the page as it opens,
after 非人防 and 计算 (the supplementary design where the window has it), in the 2010 basis
with the results stale, in a larger browser window, with a message box, and its printed
sheet as a PDF.

    /usr/bin/python3 tests/web/page_shots.py --site build-web/site --out DIR
"""
import argparse
import base64
import os
import sys

from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.dirname(__file__))
import page_test  # noqa: E402  the same server and browser as the tests


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--site", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--size", default="1040x850", help="browser window, WxH")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    size = [int(n) for n in args.size.split("x")]
    server = page_test.serve(args.site)
    browser = page_test.chromium(args.out)
    shot = page_test.PageTest()
    shot.browser, shot.downloads = browser, args.out
    shot.url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    save = lambda name: browser.save_screenshot(os.path.join(args.out, name))
    try:
        browser.set_window_size(*size)
        shot.open_page()
        save("web-opened.png")
        shot.fill_project({"project": "某住宅小区地下车库", "wall": "WQ-1 北侧外墙"})
        shot.click("Option1_1")
        shot.click("Command1")
        save("web-window.png")
        with open(os.path.join(args.out, "web-sheet.pdf"), "wb") as f:
            f.write(base64.b64decode(browser.print_page()))
        browser.set_window_size(1600, 1000)
        save("web-grown.png")
        browser.set_window_size(*size)
        Select(shot.el("Combo4")).select_by_visible_text("GB 50010-2010(2015年版)")
        shot.click("Command1")
        with open(os.path.join(args.out, "web-sheet-2010.pdf"), "wb") as f:
            f.write(base64.b64decode(browser.print_page()))
        shot.type_into("Text22", "1.4")
        save("web-2010-stale.png")
        shot.click("project-info")
        save("web-project.png")
        shot.click("project-cancel")
        shot.type_into("Text4", "abc")
        shot.click("Command1")
        save("web-message.png")
    finally:
        browser.quit()
        server.shutdown()


if __name__ == "__main__":
    main()
