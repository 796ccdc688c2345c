#!/usr/bin/env python3
"""The web edition as one file: the page's HTML with everything it loads written into it,
so that it works opened from disk (file://) with no server and no network.

    one_file.py --page web/page/index.html --files DIR… --module wallcalc.js --out wallcalc.html

Each `src="…"` or `href="…"` of the page that names a file of the page (looked up in the
folders given, the module's folder first) is taken in: a style sheet as a <style>, a script
as a <script> (a deferred one at the end of the body, where it runs at the same moment), any
other file (the figure) as a data: URL. The module is Emscripten's single-file output, its
WebAssembly already inside. A name that is not found stops the build: nothing may be left
to load from beside the file.
"""
import argparse
import base64
import mimetypes
import os
import re
import sys

TAG = re.compile(r"<(link|script)\b[^>]*>(</script>)?", re.IGNORECASE)
ATTRIBUTE = re.compile(r'\b(src|href)="([^"]+)"')
# What would end or confuse a <script> or <style> element written inline.
UNSAFE = {".js": re.compile(r"</script|<!--|<script", re.IGNORECASE),
          ".css": re.compile(r"</style", re.IGNORECASE)}


def find(name, folders):
    for folder in folders:
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            return path
    return None


def read_text(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    unsafe = UNSAFE.get(os.path.splitext(path)[1])
    if unsafe and unsafe.search(text):
        sys.exit(f"one_file.py: {path} holds “{unsafe.search(text).group(0)}”, "
                 "which cannot stand inside the page")
    return text


def data_url(path):
    kind = mimetypes.guess_type(path)[0] or "application/octet-stream"
    with open(path, "rb") as f:
        return f"data:{kind};base64,{base64.b64encode(f.read()).decode('ascii')}"


def inline(page, folders):
    deferred = []

    def replace(match):
        tag = match.group(0)
        found = ATTRIBUTE.search(tag)
        if not found or found.group(2).startswith("data:"):
            return tag
        path = find(found.group(2), folders)
        if path is None:
            sys.exit(f"one_file.py: the page loads “{found.group(2)}”, found in none of "
                     f"{', '.join(folders)}")
        if path.endswith(".css") and 'rel="stylesheet"' in tag:
            return f"<style>\n{read_text(path)}</style>"
        if path.endswith(".js"):
            script = f"<script>\n{read_text(path)}</script>"
            if " defer" in tag:
                deferred.append(script)
                return ""
            return script
        return tag.replace(found.group(0), f'{found.group(1)}="{data_url(path)}"')

    page = TAG.sub(replace, page)
    if deferred:
        page = page.replace("</body>", "\n".join(deferred) + "\n</body>", 1)
    return page


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", required=True, help="the page's index.html")
    parser.add_argument("--module", required=True, help="Emscripten's single-file module")
    parser.add_argument("--files", nargs="+", default=[], help="folders of the page's files")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with open(args.page, encoding="utf-8") as f:
        page = f.read()
    # The module stands where the page names it (wallcalc.js), whatever the file's own name.
    module_name = os.path.basename(args.module)
    page = page.replace('src="wallcalc.js"', f'src="{module_name}"')
    folders = [os.path.dirname(os.path.abspath(args.module))] + args.files
    text = inline(page, folders)
    temporary = args.out + ".part"
    with open(temporary, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(temporary, args.out)
    print(f"one_file.py: {args.out}, {len(text.encode('utf-8')):,} bytes")


if __name__ == "__main__":
    main()
