// What the scripts of both tabs use alike: a text or bytes handed to the module as a
// zero-ended UTF-8 copy in its memory (freed once the call returns), elements made with
// a class and a text, and files handed to the browser's downloads.
"use strict";

const wallcalcPageTools = (() => {
  const encoder = new TextEncoder();

  function withBytes(module, bytes, use) {
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    module.HEAPU8[pointer + bytes.length] = 0;
    try {
      return use(pointer, bytes.length);
    } finally {
      module._free(pointer);
    }
  }
  const withText = (module, text, use) => withBytes(module, encoder.encode(text), use);

  function element(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // A file's name from the wall's name (or `fallback` where it has none), with the
  // characters no file system takes replaced.
  function fileName(wall, fallback, extension) {
    const name = (wall || "").trim() || fallback;
    return `${name.replace(/[\\/:*?"<>|]/g, "_")}.${extension}`;
  }

  // A file handed to the browser's downloads: no server, the page's own bytes.
  function download(blob, name) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  return Object.freeze({ encoder, withBytes, withText, element, fileName, download });
})();
