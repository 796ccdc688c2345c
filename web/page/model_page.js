// The 墙体模型 tab: a wall of one to five storeys typed into cells laid out from the model's
// key table (wc_model_describe), computed as the engineer types by the same press the
// command line runs (wc_model_press takes the model's JSON), with the figure, the results
// per storey and the calculation text as the module answers them. A cell that is not a
// number, or a model the press refuses, shows its problem, marks the cell and greys the
// last results: nothing is computed.
"use strict";

(() => {
  const { encoder, element, fileName, download } = wallcalcPageTools;
  const byId = (id) => document.getElementById(id);
  let module = null;
  let keys = null; // the model's key table
  let lastAnswer = null; // the last press that completed
  let lastComputeMs = null;

  const withBytes = (bytes, use) => wallcalcPageTools.withBytes(module, bytes, use);
  const withText = (text, use) => wallcalcPageTools.withText(module, text, use);
  const answer = (pointer) => JSON.parse(module.UTF8ToString(pointer));
  const engine = {
    describe: () => answer(module._wc_model_describe()),
    press: (json) => withText(json, (p, n) => answer(module._wc_model_press(p, n))),
    file: (json) => withText(json, (p, n) => answer(module._wc_model_file(p, n))),
    open: (bytes) => withBytes(bytes, (p, n) => answer(module._wc_model_open(p, n))),
    sheet: (date) => withText(date, (d) => answer(module._wc_model_sheet(d))),
  };

  const withUnit = (k) => (k.unit ? `${k.label} (${k.unit})` : k.label);
  const keyOf = (name) => keys.keys.find((k) => k.key === name);

  // ---- The cells: one input or list per key, each carrying its key as the model's JSON
  // names it (data-key), so that a problem finds its cell.

  function numberCell(key, k) {
    const input = element("input", "cell");
    input.type = "text";
    input.dataset.key = key;
    input.setAttribute("aria-label", withUnit(k));
    if (k.need === "default") input.placeholder = String(k.default);
    if (k.need === "sameAs") input.placeholder = `同${k.sameAsLabel}`;
    return input;
  }

  function nameCell(key, k) {
    const select = element("select", "cell");
    select.dataset.key = key;
    select.setAttribute("aria-label", withUnit(k));
    if (k.need !== "default") select.append(new Option("", ""));
    for (const c of k.choices) select.append(new Option(c.label, c.name));
    if (k.need === "default") select.value = k.default;
    return select;
  }

  const cellFor = (key, k) => (k.kind === "name" ? nameCell(key, k) : numberCell(key, k));

  function formRow(form, k, cell) {
    const label = element("label", "", withUnit(k));
    label.htmlFor = cell.id = `model-${cell.dataset.key}`;
    form.append(label, cell);
  }

  function group(title, id) {
    const box = element("fieldset", "model-group");
    if (id) box.id = id;
    box.append(element("legend", "", title));
    return box;
  }

  // The storeys' table: a row per storey (the elevation of its top slab, its thickness,
  // covers and civil-defence load) and the base slab's row with its elevation only.
  function buildStoreys(inputs) {
    const box = group(keyOf("storeys").label, "model-storeys");
    const table = element("table", "storeys");
    table.id = "StoreyTable";
    const head = table.createTHead().insertRow();
    head.append(element("th", "", ""), element("th", "", withUnit(keyOf("slabs"))));
    for (const k of keys.storeyKeys) head.append(element("th", "", withUnit(k)));
    table.createTBody();
    const buttons = element("div", "buttons");
    const add = element("button", "", "增加一层");
    add.type = "button";
    add.id = "AddStorey";
    const remove = element("button", "", "删除最下一层");
    remove.type = "button";
    remove.id = "RemoveStorey";
    add.addEventListener("click", addStorey);
    remove.addEventListener("click", removeStorey);
    buttons.append(add, remove);
    box.append(table, buttons);
    inputs.append(box);
  }

  function storeyRows() {
    return byId("StoreyTable").tBodies[0];
  }
  const storeyCount = () => storeyRows().rows.length - 1;

  // Rows for `n` storeys, each cell's key following its row.
  function setStoreyCount(n) {
    const body = storeyRows();
    while (body.rows.length < n + 1) {
      const row = body.insertRow();
      row.append(element("th"), element("td"));
      for (let f = 0; f < keys.storeyKeys.length; ++f) row.append(element("td"));
    }
    while (body.rows.length > n + 1) body.deleteRow(body.rows.length - 1);
    for (let r = 0; r <= n; ++r) {
      const row = body.rows[r];
      row.cells[0].textContent = r < n ? keys.storeyNames[r] : "底板";
      placeCell(row.cells[1], `slabs[${r}]`, keyOf("slabs"));
      keys.storeyKeys.forEach((k, f) => {
        const td = row.cells[2 + f];
        if (r === n) td.replaceChildren();
        else placeCell(td, `storeys[${r}].${k.key}`, k);
      });
    }
    byId("AddStorey").disabled = n >= keys.maxStoreys;
    byId("RemoveStorey").disabled = n <= keys.minStoreys;
  }

  // The cell of `key` in a table cell, kept with its text where it stands already.
  function placeCell(td, key, k) {
    const old = td.querySelector(".cell");
    if (old && old.dataset.key === key) return;
    const cell = numberCell(key, k);
    if (old) cell.value = old.value;
    td.replaceChildren(cell);
  }

  const cellText = (key) => {
    const c = document.querySelector(`#model-page [data-key="${key}"]`);
    return c ? c.value : "";
  };
  const setCellText = (key, text) => {
    const c = document.querySelector(`#model-page [data-key="${key}"]`);
    if (c) c.value = text;
  };

  // 增加一层: the new storey takes the lowest storey's cells; its top is the old base slab,
  // and the base goes down by the lowest storey's height where both are numbers.
  function addStorey() {
    const n = storeyCount();
    if (n >= keys.maxStoreys) return;
    const top = numberOf(cellText(`slabs[${n - 1}]`));
    const base = numberOf(cellText(`slabs[${n}]`));
    const lowest = keys.storeyKeys.map((k) => cellText(`storeys[${n - 1}].${k.key}`));
    const baseText = cellText(`slabs[${n}]`);
    setStoreyCount(n + 1);
    setCellText(`slabs[${n}]`, baseText);
    keys.storeyKeys.forEach((k, f) => setCellText(`storeys[${n}].${k.key}`, lowest[f]));
    setCellText(`slabs[${n + 1}]`, top !== null && base !== null ? String(base - (top - base)) : "");
    edited();
  }

  // 删除最下一层: the base slab rises to the top of the storey taken away.
  function removeStorey() {
    const n = storeyCount();
    if (n <= keys.minStoreys) return;
    const top = cellText(`slabs[${n - 1}]`);
    setStoreyCount(n - 1);
    setCellText(`slabs[${n - 1}]`, top);
    edited();
  }

  // Every number and name of the model's table in the groups its keys start.
  function buildFields(inputs) {
    let form = null;
    for (const k of keys.keys) {
      const start = keys.groups.find((g) => g.key === k.key);
      if (start) {
        const box = group(start.title);
        form = element("div", "form");
        box.append(form);
        inputs.append(box);
      }
      if (form === null || (k.kind !== "number" && k.kind !== "name")) continue;
      formRow(form, k, cellFor(k.key, k));
    }
  }

  // The optional two-way panel, off until the engineer ticks it.
  function buildPanel(inputs) {
    const box = group(keyOf("panel").label, "model-panel");
    const on = element("input");
    on.type = "checkbox";
    on.id = "panel-on";
    const onLabel = element("label", "panel-switch", "按双向板计算（墙板两侧有支承）");
    onLabel.prepend(on);
    const form = element("div", "form");
    for (const k of keys.panelKeys) formRow(form, k, cellFor(`panel.${k.key}`, k));
    for (const select of form.querySelectorAll("select")) select.selectedIndex = 1;
    on.addEventListener("change", () => {
      form.hidden = !on.checked;
      edited();
    });
    form.hidden = true;
    box.append(onLabel, form);
    inputs.append(box);
  }

  function buildTitle(inputs) {
    const box = group(keyOf("project").label);
    const form = element("div", "form");
    for (const f of keys.title) {
      const input = element("input", "cell");
      input.type = "text";
      input.dataset.key = `project.${f.key}`;
      formRow(form, f, input);
    }
    box.append(form);
    inputs.append(box);
  }

  // ---- The model the cells describe.

  // A cell's text as a number: a decimal number (the window's cells take no other), or null.
  const NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;
  function numberOf(text) {
    const t = text.trim();
    if (!NUMBER.test(t)) return null;
    const v = Number(t);
    return Number.isFinite(v) ? v : null;
  }

  // The model's JSON object and the cells whose text is not a number. An empty cell is a
  // key left out: its default, or the model's "没有给出" for a key that has none.
  function readCells() {
    const model = {};
    const notNumbers = [];
    const number = (key, label, put) => {
      const text = cellText(key).trim();
      if (text === "") return;
      const v = numberOf(text);
      if (v === null) notNumbers.push({ key, message: `${key}（${label}）“${text}”不是数值，请输入数值` });
      else put(v);
    };
    const n = storeyCount();
    for (const k of keys.keys) {
      if (k.kind === "number") number(k.key, k.label, (v) => (model[k.key] = v));
      if (k.kind === "name") {
        const name = cellText(k.key);
        if (name !== "") model[k.key] = name;
      }
      if (k.kind === "elevations") {
        model.slabs = [];
        for (let r = 0; r <= n; ++r) {
          const key = `slabs[${r}]`;
          if (cellText(key).trim() === "") notNumbers.push({ key, message: `${key}（${k.label}）没有给出，请输入数值` });
          number(key, k.label, (v) => (model.slabs[r] = v));
        }
      }
      if (k.kind === "storeys") {
        model.storeys = [];
        for (let r = 0; r < n; ++r) {
          const storey = {};
          for (const s of keys.storeyKeys) number(`storeys[${r}].${s.key}`, s.label, (v) => (storey[s.key] = v));
          model.storeys.push(storey);
        }
      }
    }
    const project = {};
    for (const f of keys.title) project[f.key] = cellText(`project.${f.key}`).trim();
    model.project = project;
    if (byId("panel-on").checked) {
      const panel = {};
      for (const k of keys.panelKeys) {
        const key = `panel.${k.key}`;
        if (k.kind === "number") number(key, k.label, (v) => (panel[k.key] = v));
        else if (cellText(key) !== "") panel[k.key] = cellText(key);
      }
      model.panel = panel;
    }
    return { model, notNumbers };
  }

  // The cells showing a model file's keys (a default shows as its cell's placeholder).
  function showModel(m) {
    const n = Math.min(keys.maxStoreys, Math.max(keys.minStoreys, (m.storeys || []).length, (m.slabs || []).length - 1));
    setStoreyCount(n);
    const text = (v) => (typeof v === "number" ? String(v) : "");
    for (let r = 0; r <= n; ++r) {
      setCellText(`slabs[${r}]`, text((m.slabs || [])[r]));
      if (r === n) break;
      const storey = (m.storeys || [])[r] || {};
      for (const s of keys.storeyKeys) setCellText(`storeys[${r}].${s.key}`, text(storey[s.key]));
    }
    for (const k of keys.keys) {
      if (k.kind === "number") {
        const v = m[k.key];
        setCellText(k.key, k.need === "default" && v === k.default ? "" : text(v));
      }
      if (k.kind === "name") setCellText(k.key, m[k.key] ?? (k.need === "default" ? k.default : ""));
    }
    for (const f of keys.title) setCellText(`project.${f.key}`, (m.project || {})[f.key] || "");
    const panel = m.panel;
    byId("panel-on").checked = panel !== undefined;
    document.querySelector("#model-panel .form").hidden = panel === undefined;
    if (panel) for (const k of keys.panelKeys) setCellText(`panel.${k.key}`, k.kind === "number" ? text(panel[k.key]) : panel[k.key]);
    edited();
  }

  // ---- Computing as the engineer types.

  let pending = false;
  function edited() {
    if (pending) return;
    pending = true;
    setTimeout(() => {
      pending = false;
      compute();
    }, 0);
  }

  function compute() {
    const start = performance.now();
    const { model, notNumbers } = readCells();
    const outcome = notNumbers.length > 0 ? { problems: notNumbers } : engine.press(JSON.stringify(model));
    for (const c of document.querySelectorAll("#model-page .cell.wrong")) c.classList.remove("wrong");
    const results = byId("model-results");
    if (outcome.problems !== undefined) {
      for (const p of outcome.problems) markCell(p.key);
      const problem = byId("model-problem");
      problem.textContent = outcome.problems[0].message;
      problem.hidden = false;
      results.classList.toggle("stale", lastAnswer !== null);
    } else {
      byId("model-problem").hidden = true;
      results.classList.remove("stale");
      lastAnswer = outcome;
      showResults(outcome);
    }
    lastComputeMs = performance.now() - start;
    document.body.dataset.modelComputed = String(Number(document.body.dataset.modelComputed || 0) + 1);
  }

  // The cell of a problem's key, or of the list or storey it stands in.
  function markCell(key) {
    const exact = document.querySelector(`#model-page [data-key="${key}"]`);
    if (exact) {
      exact.classList.add("wrong");
      return;
    }
    for (const c of document.querySelectorAll("#model-page .cell")) {
      if (c.dataset.key.startsWith(`${key}[`) || c.dataset.key.startsWith(`${key}.`)) c.classList.add("wrong");
    }
  }

  function table(columns, rows, id) {
    const t = element("table", "model-table");
    t.id = id;
    const head = t.createTHead().insertRow();
    for (const c of columns) head.append(element("th", "", c));
    const body = t.createTBody();
    for (const r of rows) body.append(r);
    return t;
  }

  function showResults(r) {
    const verdict = byId("model-verdict");
    verdict.textContent = r.verdict.line;
    verdict.className = r.verdict.ok ? "ok" : "failed";
    byId("model-figure").innerHTML = r.figure;
    const analysisRows = r.analysis.rows.map((row) => {
      const tr = element("tr");
      tr.append(element("th", "", row.heading));
      for (const c of row.cells) {
        const td = element("td", row.verdict ? (c.ok ? "ok" : "failed") : "", c.text);
        if (c.at) td.dataset.at = c.at;
        tr.append(td);
      }
      return tr;
    });
    byId("model-analysis").replaceChildren(table(["", ...r.analysis.columns], analysisRows, "ModelAnalysis"));
    const designRows = r.design.rows.map((row) => {
      const tr = element("tr", row.ok ? "" : "failed");
      row.cells.forEach((c, i) => tr.append(element("td", i === row.cells.length - 1 ? (row.ok ? "ok" : "failed") : "", c)));
      return tr;
    });
    byId("model-design").replaceChildren(table(r.design.columns, designRows, "ModelDesign"));
    byId("model-text").textContent = r.text;
  }

  // ---- Model files: opened from the file picker, saved as a download.

  function saveModel() {
    const { model, notNumbers } = readCells();
    const outcome = notNumbers.length > 0 ? { problems: notNumbers } : engine.file(JSON.stringify(model));
    if (outcome.problems !== undefined) {
      showProblem(`无法保存：${outcome.problems[0].message}`);
      return;
    }
    download(new Blob([outcome.file], { type: "application/json" }), fileName(model.project.wall, "墙体模型", "json"));
  }

  function showProblem(text) {
    const problem = byId("model-problem");
    problem.textContent = text;
    problem.hidden = false;
  }

  async function openModel(file) {
    const outcome = engine.open(new Uint8Array(await file.arrayBuffer()));
    if (outcome.error !== undefined) {
      showProblem(`无法读取“${file.name}”：${outcome.error}`);
      return;
    }
    // More storeys than the cells hold would be lost from the file: it is refused instead.
    const m = outcome.model;
    const storeys = Math.max((m.storeys || []).length, (m.slabs || []).length - 1);
    if (storeys > keys.maxStoreys) {
      showProblem(`无法读取“${file.name}”：${keyOf("storeys").label}有${storeys}层，墙体模型为${keys.minStoreys}～${keys.maxStoreys}层`);
      return;
    }
    showModel(m);
  }

  // ---- The model's calculation sheet, as the browser prints it.

  function printedTable(rows, className) {
    const t = element("table", className);
    rows.forEach((cells, i) => {
      const tr = t.insertRow();
      for (const c of cells) tr.append(element(i === 0 ? "th" : "td", "", c));
    });
    return t;
  }

  function buildSheet() {
    const sheet = byId("model-sheet");
    sheet.textContent = "";
    if (document.body.dataset.tab !== "model") return;
    const today = new Date();
    const two = (n) => String(n).padStart(2, "0");
    const s = engine.sheet(`${today.getFullYear()}-${two(today.getMonth() + 1)}-${two(today.getDate())}`);
    if (s.title === undefined) {
      sheet.append(element("p", "no-sheet", "尚无计算结果：请先输入墙体模型，计算完成后再打印计算书。"));
      return;
    }
    const section = (heading, ...content) => {
      const e = element("section", "sheet-section");
      e.append(element("h2", "", heading), ...content);
      return e;
    };
    const pairs = (entries) => {
      const t = element("table", "entries");
      for (let i = 0; i < entries.length; i += 2) {
        const row = t.insertRow();
        for (const e of entries.slice(i, i + 2)) row.append(element("th", "", e.label), element("td", "", e.value));
      }
      return t;
    };
    const head = element("header", "sheet-head");
    head.append(element("h1", "", s.title), pairs([...s.project, { label: "计算日期", value: s.date }]));
    const codes = element("p", "note", `设计依据：${s.codes.join("；")}`);
    head.append(codes);
    const figure = element("div", "model-sheet-figure");
    figure.innerHTML = s.figure;
    const verdict = element("p", s.verdict.ok ? "verdict ok" : "verdict failed", s.verdict.line);
    const failures = s.verdict.failures.map((f) => element("p", "note", f));
    const design = printedTable([s.design.columns, ...s.design.rows.map((r) => r.cells)], "design");
    const lines = element("div", "calculation");
    for (const line of s.calculation) lines.append(element("div", "line", line === "" ? "\u00a0" : line));
    const [inputs, storeys, drawing, conclusion, sections, calculation] = s.headings;
    sheet.append(head, section(inputs, pairs(s.inputs)), section(storeys, printedTable(s.storeys, "storeys")),
      section(drawing, figure), section(conclusion, verdict, ...failures), section(sections, design),
      section(calculation, lines));
  }

  // ---- The tabs: the window as it stands, and the wall model.

  function showTab(name) {
    // The tab is built the first time it is shown, so that the window opens as fast as ever.
    if (name === "model" && keys === null && module !== null) build();
    document.body.dataset.tab = name;
    byId("desk").hidden = name === "model";
    byId("model-page").hidden = name !== "model";
    byId("tab-window").setAttribute("aria-selected", String(name !== "model"));
    byId("tab-model").setAttribute("aria-selected", String(name === "model"));
    // The window fits itself to the browser window again, which may have changed meanwhile.
    if (name !== "model") window.dispatchEvent(new Event("resize"));
  }

  function wire() {
    const page = byId("model-page");
    page.addEventListener("input", edited);
    page.addEventListener("change", (e) => {
      if (e.target.tagName === "SELECT") edited();
    });
    const picker = byId("model-file");
    byId("open-model").addEventListener("click", () => picker.click());
    picker.addEventListener("change", () => {
      if (picker.files.length > 0) openModel(picker.files[0]);
      picker.value = "";
    });
    byId("save-model").addEventListener("click", saveModel);
    byId("print-model").addEventListener("click", () => window.print());
    window.addEventListener("beforeprint", buildSheet);
  }

  function build() {
    keys = engine.describe();
    const inputs = byId("model-inputs");
    buildStoreys(inputs);
    buildFields(inputs);
    buildPanel(inputs);
    buildTitle(inputs);
    setStoreyCount(keys.minStoreys);
    wire();
    // For tests and scripts: the press alone, and the last whole computation (cells read,
    // pressed, shown) in milliseconds.
    window.wallcalcModel = {
      showModel,
      lastAnswer: () => lastAnswer,
      lastComputeMs: () => lastComputeMs,
      measurePress: (json, count) => {
        const start = performance.now();
        for (let i = 0; i < count; ++i) engine.press(json);
        return (performance.now() - start) / count;
      },
    };
    compute();
    document.body.dataset.modelReady = "true";
  }

  function start(m) {
    if (module !== null) return;
    module = m;
    if (document.body.dataset.tab === "model") build();
  }
  byId("tab-window").addEventListener("click", () => showTab("window"));
  byId("tab-model").addEventListener("click", () => showTab("model"));
  if (window.wallcalcModule) start(window.wallcalcModule);
  else window.addEventListener("wallcalc-module", (e) => start(e.detail));
})();
