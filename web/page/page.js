// The web edition's window. Everything it shows comes from the WebAssembly module: the
// controls, their places, labels, defaults and lists from the engine's tables, the rules
// of the options from the window model, and each press of 计算 as the same JSON value the
// command line writes. This script only mirrors those answers onto the page.
"use strict";

(() => {
  const { encoder, element, fileName, download } = wallcalcPageTools;
  const decoder = new TextDecoder();
  const byId = (id) => document.getElementById(id);
  // The wall figure's file, named once in the page (a data: URL in the one-file edition).
  const figureUrl = () => byId("wall-figure-file").href;
  let module = null;
  let window1 = null; // the description of the window
  let firstResultAt = null;

  // ---- The module's functions, with texts passed as UTF-8 bytes and answers read back.

  const withBytes = (bytes, use) => wallcalcPageTools.withBytes(module, bytes, use);
  const withText = (text, use) => wallcalcPageTools.withText(module, text, use);
  const answer = (pointer) => module.UTF8ToString(pointer);

  const engine = {
    describe: () => JSON.parse(answer(module._wc_describe())),
    grown: (width, height) => JSON.parse(answer(module._wc_grown(width, height))),
    state: () => JSON.parse(answer(module._wc_state())),
    type: (box, text) =>
      withText(box, (name) => withText(text, (t, n) => module._wc_type(name, t, n))) === 1,
    select: (list, position) => withText(list, (name) => module._wc_select(name, position)) === 1,
    clickOption: (index) => module._wc_click_option(index),
    press: () => readPress(module._wc_press()),
    checksText: () => answer(module._wc_checks_text()),
    session: (line) => withText(line, (p, n) => answer(module._wc_session(p, n))),
    setProject: (key, value) =>
      withText(key, (k) => withText(value, (v, n) => module._wc_set_project(k, v, n))),
    wallFile: () => answer(module._wc_wall_file()),
    openWall: (bytes) => JSON.parse(withBytes(bytes, (p, n) => answer(module._wc_open_wall(p, n)))),
    sheet: (date) => JSON.parse(withText(date, (d) => answer(module._wc_sheet(d)))),
  };

  // UTF-8 bytes as text. Short ASCII texts (the result boxes) go without the decoder,
  // whose every call costs more than such a text.
  function decode(bytes, start, end) {
    if (end - start <= 24) {
      let ascii = "";
      for (let i = start; i < end; ++i) {
        if (bytes[i] >= 0x80) return decoder.decode(bytes.subarray(start, end));
        ascii += String.fromCharCode(bytes[i]);
      }
      return ascii;
    }
    return decoder.decode(bytes.subarray(start, end));
  }

  // A press's outcome from the table the module leaves in memory (see exports.cpp), in
  // the shape of the JSON a session line answers with.
  function readPress(address) {
    const words = module.HEAPU32;
    let at = address >> 2;
    const next = () => words[at++];
    const text = () => {
      const start = next();
      return decode(module.HEAPU8, start, start + next());
    };
    const completed = next() === 1;
    const messages = Array.from({ length: next() }, () => ({ title: text(), text: text() }));
    const results = {};
    for (const result of window1.results) results[result.key] = text();
    const report = text();
    const judged = next();
    const line = text();
    const failed = Array.from({ length: next() }, text);
    // null for a press that did not complete, as the session's "verdict" is.
    const verdict = judged === 0 ? null : { ok: judged === 1, line, failed };
    return { completed, messages, results, report, verdict };
  }

  // ---- Building the window from its description.

  const px = (twips) => `${twips / window1.twipsPerPixel}px`;

  function place(element, rect) {
    const [left, top, width, height] = rect;
    Object.assign(element.style, { left: px(left), top: px(top), width: px(width), height: px(height) });
  }

  function textBox(name, readOnly) {
    const box = document.createElement("input");
    box.type = "text";
    box.id = name;
    box.autocomplete = "off";
    box.spellcheck = false;
    box.readOnly = readOnly;
    if (readOnly) {
      // A result is selected and copied with the mouse; Tab passes it, as in the window.
      box.classList.add("result");
      box.tabIndex = -1;
    }
    return box;
  }

  function labelFor(buddy, lines) {
    const label = document.createElement("label");
    label.htmlFor = buddy;
    lines.forEach((line, i) => {
      if (i > 0) label.append(document.createElement("br"));
      label.append(line);
    });
    return label;
  }

  // One maker a kind of control; each returns the element placed on the window. The
  // lists are filled, and the options checked, from the window model's state.
  const makers = {
    frame(c) {
      const frame = document.createElement("div");
      frame.setAttribute("role", "group");
      frame.setAttribute("aria-label", c.caption);
      const caption = document.createElement("span");
      caption.className = "caption";
      caption.textContent = c.caption;
      frame.append(caption);
      return frame;
    },
    label: (c) => labelFor(c.buddy, c.lines),
    input: (c) => textBox(c.name, false),
    result: (c) => textBox(c.name, true),
    list(c) {
      const select = document.createElement("select");
      select.id = c.name;
      return select;
    },
    option(c) {
      const holder = document.createElement("label");
      const radio = document.createElement("input");
      radio.type = "radio";
      radio.name = "Option1";
      radio.id = c.name;
      holder.append(radio, c.caption);
      holder.dataset.control = c.name;
      return holder;
    },
    button(c) {
      const button = document.createElement("button");
      button.type = "button";
      button.id = c.name;
      button.textContent = c.caption;
      return button;
    },
    report(c) {
      const text = document.createElement("textarea");
      text.id = c.name;
      text.readOnly = true;
      // The calculation text keeps its lines as written; the supplementary design wraps
      // them at the panel's width, as the window does.
      text.wrap = c.name === "TextChecks" ? "soft" : "off";
      text.spellcheck = false;
      text.setAttribute("aria-label", c.caption);
      return text;
    },
    figure(c) {
      const img = document.createElement("img");
      img.id = c.name;
      img.src = figureUrl();
      img.alt = c.caption;
      return img;
    },
    verdict(c) {
      const line = document.createElement("div");
      line.id = c.name;
      line.setAttribute("role", "status");
      line.setAttribute("aria-label", c.caption);
      return line;
    },
    note(c) {
      const note = document.createElement("div");
      note.id = c.name;
      note.setAttribute("role", "status");
      note.textContent = c.caption;
      return note;
    },
  };

  function buildWindow() {
    const form = byId("Form1");
    form.textContent = "";
    const parents = { "": form };
    for (const c of window1.controls) {
      const element = makers[c.kind](c);
      if (!element.id && c.kind !== "option") element.id = c.name;
      element.classList.add(c.kind);
      place(element, c.rect);
      parents[c.frame].append(element);
      if (c.kind === "frame") parents[c.name] = element;
    }
    byId("TextChecks").placeholder = window1.checksPlaceholder;
    fitWindow();
  }

  // ---- The window's size: the specified size, and in a larger browser window the room
  // beyond it, which the layout table's growth rule shares out (asked of the module). A
  // smaller browser window scrolls.

  let fitting = 0;

  function fitWindow() {
    const form = byId("Form1");
    const desk = getComputedStyle(byId("desk"));
    const [width, height] = window1.area.map((twips) => twips / window1.twipsPerPixel);
    const borders = form.offsetWidth - form.clientWidth;
    // Twice: the page's scroll bars come and go with the window's size.
    for (let pass = 0; pass < 2; ++pass) {
      const room = [
        document.documentElement.clientWidth - parseFloat(desk.paddingLeft) - parseFloat(desk.paddingRight),
        document.documentElement.clientHeight - byId("menu").offsetHeight -
          parseFloat(desk.paddingTop) - parseFloat(desk.paddingBottom),
      ];
      const extra = [room[0] - borders - width, room[1] - borders - height].map((e) => Math.max(0, Math.floor(e)));
      form.style.width = `${width + extra[0]}px`;
      form.style.height = `${height + extra[1]}px`;
      for (const [name, left, top, w, h] of engine.grown(extra[0], extra[1])) {
        Object.assign(byId(name).style, { left: `${left}px`, top: `${top}px`, width: `${w}px`, height: `${h}px` });
      }
    }
  }

  function refitOnResize() {
    window.addEventListener("resize", () => {
      cancelAnimationFrame(fitting);
      fitting = requestAnimationFrame(fitWindow);
    });
  }

  function buildProjectForm() {
    const rows = document.querySelector("#project-dialog .rows");
    for (const field of window1.project) {
      const row = document.createElement("div");
      row.className = "row";
      const box = textBox(`project-${field.key}`, false);
      row.append(labelFor(box.id, [`${field.label}：`]), box);
      rows.append(row);
    }
  }

  // ---- Showing the window model's state and a press's outcome.

  // The items a list shows, put in anew only when they differ: the steel list's are
  // those of the basis.
  function showItems(select, items) {
    const same = select.length === items.length && items.every((item, i) => select.options[i].text === item);
    if (same) return;
    select.length = 0;
    for (const item of items) select.add(new Option(item));
  }

  function showState() {
    const state = engine.state();
    for (const box of window1.boxes) {
      const element = byId(box.name);
      element.value = state.boxes[box.name];
      if (box.kind === "input") element.disabled = !state.enabled[box.name];
    }
    for (const list of window1.lists) {
      const select = byId(list.name);
      showItems(select, list.itemsByBasis[state.basis]);
      select.selectedIndex = state.lists[list.name];
    }
    state.checked.forEach((checked, i) => (byId(`Option1_${i}`).checked = checked));
    showFlags(state);
  }

  // Results that belong to earlier inputs are greyed and said to be so; a wall changed
  // since it was opened or saved has a mark in the title.
  function showFlags(state = engine.state()) {
    document.body.classList.toggle("stale", state.stale);
    document.title = (state.modified ? "*" : "") + window1.title;
  }

  function showPress(press) {
    for (const result of window1.results) byId(result.name).value = press.results[result.key];
    const report = byId("Text12");
    report.value = press.report;
    report.scrollTop = 0;
    report.scrollLeft = 0;
    // The supplementary design once the press is drawn.
    showVerdict(press.verdict);
    if (press.completed) setTimeout(showChecks, 0);
    if (firstResultAt === null && press.completed) firstResultAt = performance.now();
    showMessages(press.messages);
  }

  // The verdict of the press beside the six results: green 满足, red 不满足 with the checks
  // that failed, their texts in its tooltip; nothing for a press that did not complete.
  function showVerdict(verdict) {
    const line = byId("VerdictLine");
    line.textContent = verdict ? verdict.line : "";
    line.title = verdict ? verdict.failed.join("\n") : "";
    line.classList.toggle("satisfied", verdict !== null && verdict.ok);
    line.classList.toggle("failed", verdict !== null && !verdict.ok);
  }

  // The supplementary design of the last press, formula by formula, when it has one. A
  // press that ends early leaves the last one standing, as it leaves the calculation text.
  function showChecks() {
    const checks = byId("TextChecks");
    checks.value = engine.checksText().replace(/\r\n/g, "\n");
    checks.scrollTop = 0;
    checks.scrollLeft = 0;
  }

  // ---- Message boxes: modal, one after another, each closed by its button.

  const pendingMessages = [];

  function showMessages(messages) {
    pendingMessages.push(...messages);
    const dialog = byId("message");
    if (!dialog.open) showNextMessage();
  }

  function showNextMessage() {
    const message = pendingMessages.shift();
    if (!message) return;
    byId("message-title").textContent = message.title;
    byId("message-text").textContent = message.text.replace(/\r\n/g, "\n");
    byId("message").showModal();
    byId("message-ok").focus();
  }

  function setUpMessageBox() {
    const dialog = byId("message");
    byId("message-ok").addEventListener("click", () => dialog.close());
    dialog.addEventListener("close", showNextMessage);
  }

  // ---- The window's events.

  function press() {
    showPress(engine.press());
    showFlags();
  }

  function exit() {
    window.close(); // closes a page that a script opened; any other stays
    document.body.classList.add("closed");
    byId("Form1").inert = true;
  }

  const helpMessage = () => ({ title: window1.helpTitle, text: window1.help.join("\n") });

  function wireWindow() {
    for (const box of window1.boxes) {
      const element = byId(box.name);
      if (box.kind !== "input") continue;
      element.addEventListener("input", () => {
        engine.type(box.name, element.value);
        showFlags();
      });
      element.addEventListener("keydown", (event) => {
        if (event.key === "Enter") byId("Command1").click();
      });
    }
    // The basis decides the steel list's items, the steel chosen and which boxes are read.
    for (const list of window1.lists) {
      const select = byId(list.name);
      select.addEventListener("change", () => {
        engine.select(list.name, select.selectedIndex);
        showState();
      });
    }
    for (const index of [0, 1]) {
      byId(`Option1_${index}`).addEventListener("click", () => {
        engine.clickOption(index);
        showState();
      });
    }
    byId("Command1").addEventListener("click", press);
    byId("Command2").addEventListener("click", () => showMessages([helpMessage()]));
    byId("Command3").addEventListener("click", exit);
  }

  // ---- Wall files: opened from the file picker, saved as a download.

  const wallFileName = () => fileName(engine.state().project.wall, "墙体", "wall");

  function saveWall() {
    download(new Blob([engine.wallFile()], { type: "application/json" }), wallFileName());
    showFlags();
  }

  async function openWall(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const outcome = engine.openWall(bytes);
    if (outcome.error !== undefined) {
      showMessages([{ title: window1.messageTitle, text: `无法读取“${file.name}”：${outcome.error}` }]);
      return;
    }
    showState();
    byId("TextChecks").value = "";
  }

  // 计算书信息: the names of the title block, taken when 确定 closes the dialog.
  function editProject() {
    const dialog = byId("project-dialog");
    const project = engine.state().project;
    for (const field of window1.project) byId(`project-${field.key}`).value = project[field.key];
    dialog.returnValue = "";
    dialog.showModal();
  }

  function wireProjectDialog() {
    const dialog = byId("project-dialog");
    byId("project-info").addEventListener("click", editProject);
    dialog.addEventListener("close", () => {
      if (dialog.returnValue !== "ok") return;
      for (const field of window1.project) engine.setProject(field.key, byId(`project-${field.key}`).value.trim());
      showFlags();
    });
  }

  // ---- A batch of walls from a CSV file: the command line's own batch in the module, a
  // few rows at a time with the progress shown between them, the results as a download
  // byte for byte what wallcalc-cli --batch writes for the same file.

  const batch = {
    isUtf8: (bytes) => withBytes(bytes, (p, n) => module._wc_is_utf8(p, n)) === 1,
    notAText: (name, line) => withText(name, (p, n) => answer(module._wc_not_a_text(p, n, line))),
    start: (bytes) => JSON.parse(withBytes(bytes, (p, n) => answer(module._wc_batch_start(p, n)))),
    step: (rows) => JSON.parse(answer(module._wc_batch_step(rows))),
    finish: () => JSON.parse(answer(module._wc_batch_finish())),
    results() {
      const start = module._wc_batch_results();
      return module.HEAPU8.slice(start, start + module._wc_batch_results_size());
    },
    clear: () => module._wc_batch_clear(),
  };

  // The line of the first bytes that belong to no GB18030 character. A line break (0x0A)
  // is never part of a GB18030 character, so each line decodes on its own.
  function firstBadLine(bytes) {
    const gb18030 = new TextDecoder("gb18030", { fatal: true });
    for (let start = 0, line = 1; start <= bytes.length; ++line) {
      const end = bytes.indexOf(0x0a, start) < 0 ? bytes.length : bytes.indexOf(0x0a, start);
      try {
        gb18030.decode(bytes.subarray(start, end));
      } catch {
        return line;
      }
      start = end + 1;
    }
    return 1;
  }

  // The file as UTF-8, read as the command line reads it: UTF-8 when every byte of it is
  // (the module's test), otherwise GB18030 through the browser's own decoder, otherwise
  // refused with the line at fault.
  function batchText(file, bytes) {
    if (batch.isUtf8(bytes)) return { bytes };
    try {
      const text = new TextDecoder("gb18030", { fatal: true }).decode(bytes);
      return { bytes: encoder.encode(text), note: `“${file.name}”按GB18030（GBK）编码读入` };
    } catch {
      return { error: batch.notAText(file.name, firstBadLine(bytes)) };
    }
  }

  const resultsName = (name) => `${name.replace(/\.[^.]*$/, "")}_结果.csv`;
  const nextTask = () => new Promise((resolve) => setTimeout(resolve, 0));

  // Steps of about 30 ms, the progress shown after each; 取消 stops between two steps.
  async function computeRows(lines) {
    const dialog = byId("batch-dialog");
    let cancelled = false;
    byId("batch-cancel").onclick = () => (cancelled = true);
    dialog.showModal();
    for (;;) {
      const until = performance.now() + 30;
      let progress;
      do progress = batch.step(20);
      while (!progress.done && performance.now() < until);
      byId("batch-progress").value = progress.done ? 1 : progress.line / Math.max(lines, 1);
      byId("batch-count").textContent = `已计算 ${progress.rows} 行`;
      window.wallcalc.lastBatch.progressShown += 1;
      if (progress.done || cancelled) break;
      await nextTask();
    }
    dialog.close();
    return !cancelled;
  }

  async function runBatchFile(file) {
    const say = (lines) => showMessages([{ title: window1.messageTitle, text: lines.filter(Boolean).join("\n") }]);
    const read = batchText(file, new Uint8Array(await file.arrayBuffer()));
    if (read.error !== undefined) return say([read.error]);
    const started = batch.start(read.bytes);
    if (started.error !== undefined) return say([`“${file.name}”：${started.error}`]);
    byId("batch-file-name").textContent = file.name;
    byId("batch-progress").value = 0;
    window.wallcalc.lastBatch = { file: file.name, progressShown: 0 };
    const finished = await computeRows(started.lines);
    const outcome = batch.finish();
    if (!finished) {
      batch.clear();
      return say(["批量计算已取消，没有写出结果"]);
    }
    const name = resultsName(file.name);
    download(new Blob([batch.results()], { type: "text/csv" }), name);
    batch.clear();
    const stopped = outcome.stopped && `“${file.name}”：${outcome.stopped}；此前的各行已写出`;
    say([read.note, outcome.summary, outcome.unchosen, stopped, `结果已下载为“${name}”`]);
  }

  function wireBatch() {
    const picker = byId("batch-file");
    byId("batch").addEventListener("click", () => picker.click());
    picker.addEventListener("change", () => {
      if (picker.files.length > 0) runBatchFile(picker.files[0]);
      picker.value = "";
    });
  }

  function wireMenu() {
    const picker = byId("wall-file");
    byId("open-wall").addEventListener("click", () => picker.click());
    picker.addEventListener("change", () => {
      if (picker.files.length > 0) openWall(picker.files[0]);
      picker.value = "";
    });
    byId("save-wall").addEventListener("click", saveWall);
    wireProjectDialog();
    byId("print-sheet").addEventListener("click", () => window.print());
    window.addEventListener("beforeprint", buildSheet);
    wireBatch();
  }

  // ---- The calculation sheet the browser prints.


  function today() {
    const d = new Date();
    const two = (n) => String(n).padStart(2, "0");
    return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
  }


  // Label and value side by side, `pairs` of them to a row, as the PDF sheet sets them.
  function entryTable(entries, pairs, className) {
    const table = element("table", className);
    for (let i = 0; i < entries.length; i += pairs) {
      const row = table.insertRow();
      for (const entry of entries.slice(i, i + pairs)) {
        row.append(element("th", "", entry.label), element("td", "", entry.value));
      }
    }
    return table;
  }

  // The result frames side by side: a caption over each, then their rows.
  function resultTable(groups) {
    const table = element("table", "entries results");
    const head = table.insertRow();
    for (const group of groups) {
      const caption = element("th", "caption", group.caption);
      caption.colSpan = 2;
      head.append(caption);
    }
    const rows = Math.max(...groups.map((g) => g.entries.length));
    for (let i = 0; i < rows; ++i) {
      const row = table.insertRow();
      for (const group of groups) {
        const entry = group.entries[i] || { label: "", value: "" };
        row.append(element("th", "", entry.label), element("td", "", entry.value));
      }
    }
    return table;
  }

  function sheetSection(heading, ...content) {
    const section = element("section", "sheet-section");
    section.append(element("h2", "", heading), ...content);
    return section;
  }

  // The calculation text line by line. A line that ends in a colon ("(2)水下土压力：",
  // "说明：") is kept on one page with the first line it introduces.
  function calculationLines(lines) {
    const text = element("div", "calculation");
    const introduces = (line) => /[：:]\s*$/.test(line);
    let group = null;
    for (const line of lines) {
      const row = element("div", "line", line === "" ? "\u00a0" : line);
      if (group === null && introduces(line)) {
        group = element("div", "kept-together");
        text.append(group);
      }
      (group || text).append(row);
      if (group !== null && !introduces(line)) group = null;
    }
    return text;
  }

  // The title block: the project's names and the date two to a row, then the codes of
  // the design across the table, one a line.
  function titleBlock(s) {
    const table = entryTable([...s.project, { label: "计算日期", value: s.date }], 2, "entries title-block");
    const row = table.insertRow();
    const codes = element("td", "codes");
    codes.append(...s.codes.map((code) => element("div", "", code)));
    codes.colSpan = 3;
    row.append(element("th", "", s.headings.codes), codes);
    return table;
  }

  const notes = (lines) => lines.map((line) => element("p", "note", line));

  function buildSheet() {
    const sheet = byId("sheet");
    sheet.textContent = "";
    const s = engine.sheet(today());
    if (s.title === undefined) {
      sheet.append(element("p", "no-sheet", "尚无计算结果：请先按“计算”，计算完成后再打印计算书。"));
      return;
    }
    const head = element("header", "sheet-head");
    head.append(element("h1", "", s.title), titleBlock(s));
    // The figure drawn for this wall: its elevations, water level and loads.
    const figure = element("div", "sheet-figure");
    figure.innerHTML = s.figure;
    sheet.append(
      head,
      sheetSection(s.headings.inputs, entryTable(s.inputs, 2, "entries inputs")),
      sheetSection(s.headings.materials, entryTable(s.materials, 2, "entries"),
        ...notes(s.materialNotes)),
      sheetSection(s.headings.figure, figure, ...notes(s.figureLines)),
      sheetSection(s.headings.results, resultTable(s.results), ...notes(s.resultNotes)),
      sheetSection(s.headings.calculation, calculationLines(s.calculation)),
    );
    const supplementary = s.supplementary.filter((line, i) => !(i === 0 && /^补充验算[：:]$/.test(line)));
    if (supplementary.join("") !== "") {
      sheet.append(sheetSection(s.headings.supplementary, calculationLines(supplementary)));
    }
  }

  // ---- For tests and scripts: the page's own window model, line by line as the CLI.

  // Microseconds a press takes, as 计算 runs it up to the page's drawing: the run in the
  // module and its outcome read into the page.
  function measurePress(count) {
    const start = performance.now();
    for (let i = 0; i < count; ++i) engine.press();
    return ((performance.now() - start) * 1000) / count;
  }

  // Microseconds a session line takes: read, pressed and answered with its JSON text.
  function measureSession(line, count) {
    const start = performance.now();
    for (let i = 0; i < count; ++i) engine.session(line);
    return ((performance.now() - start) * 1000) / count;
  }

  function exposeForScripts() {
    window.wallcalc = {
      session: (line) => engine.session(line),
      supplementaryText: () => engine.checksText(),
      state: () => engine.state(),
      description: () => window1,
      measurePress,
      measureSession,
      firstResultAt: () => firstResultAt,
      readyAt: null,
      lastBatch: null, // the file of the last batch and how often its progress was shown
    };
  }

  async function start() {
    module = await createWallcalc();
    window1 = engine.describe();
    document.title = window1.title;
    buildWindow();
    buildProjectForm();
    setUpMessageBox();
    refitOnResize();
    wireWindow();
    wireMenu();
    showState();
    exposeForScripts();
    window.wallcalc.readyAt = performance.now();
    document.body.dataset.ready = "true";
    // The 墙体模型 tab (model_page.js) works on the same module, built once the window is.
    window.wallcalcModule = module;
    window.dispatchEvent(new CustomEvent("wallcalc-module", { detail: module }));
  }

  start();
})();
