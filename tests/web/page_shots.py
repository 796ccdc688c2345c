#!/usr/bin/env python3
"""Pictures of the web edition for looking at it beside the window: the page as it opens,
after 非人防 and 计算 (the window, and the whole page with the supplementary design), with a
message box, and its printed sheet as a PDF.

    /usr/bin/python3 tests/web/page_shots.py --site build-web/site --out DIR
"""
import argparse
import base64
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import page_test  # noqa: E402  the same server and browser as the tests


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--site", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    server = page_test.serve(args.site)
    browser = page_test.chromium(args.out)
    shot = page_test.PageTest()
    shot.browser, shot.downloads = browser, args.out
    shot.url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    try:
        browser.set_window_size(1100, 1000)
        shot.open_page()
        browser.save_screenshot(os.path.join(args.out, "web-opened.png"))
        shot.type_into("project-project", "某住宅小区地下车库")
        shot.type_into("project-wall", "WQ-1 北侧外墙")
        shot.click("Option1_1")
        shot.click("Command1")
        browser.save_screenshot(os.path.join(args.out, "web-window.png"))
        browser.set_window_size(1100, 1900)  # the whole page: the supplementary design below
        browser.save_screenshot(os.path.join(args.out, "web-page.png"))
        browser.set_window_size(1100, 1000)
        with open(os.path.join(args.out, "web-sheet.pdf"), "wb") as f:
            f.write(base64.b64decode(browser.print_page()))
        shot.type_into("Text4", "abc")
        shot.click("Command1")
        browser.save_screenshot(os.path.join(args.out, "web-message.png"))
    finally:
        browser.quit()
        server.shutdown()


if __name__ == "__main__":
    main()
