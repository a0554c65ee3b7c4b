// Checks the family website kinmora-cli writes, in Debian's headless Chromium:
// every view against what kinmora-cli prints for the same family, that no
// request leaves the site's folder, that no file of a site made with
// --living names holds a living person's dates, age or biography, the phone
// and desktop widths with their touch targets, the keyboard, and axe-core.
//
//   node check-site.mjs --cli BIN --mkfamily BIN --genfamily BIN --work DIR
//                       --sample FILE.mdb [--chromium PATH]
import { execFile } from "node:child_process";
import { promisify } from "node:util";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const run = promisify(execFile);
const here = path.dirname(fileURLToPath(import.meta.url));
const args = Object.fromEntries(
  process.argv.slice(2).reduce((pairs, word, i, all) => (word.startsWith("--") ? [...pairs, [word.slice(2), all[i + 1]]] : pairs), []));
for (const need of ["cli", "mkfamily", "genfamily", "work", "sample"])
  if (!args[need]) throw new Error(`missing --${need}`);
const chromium = args.chromium || "/usr/bin/chromium";
const NOW = "2026-12-07 10:00:00";
const TODAY = { y: 2026, m: 12, d: 7 };
const failures = [];
const fail = (what) => { failures.push(what); if (failures.length <= 40) console.error("FAIL:", what); };
const equal = (what, got, want) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) fail(`${what}\n  site:        ${JSON.stringify(got)}\n  kinmora-cli: ${JSON.stringify(want)}`);
};

async function cli(...words) {
  try {
    const { stdout } = await run(args.cli, words, { maxBuffer: 1 << 28 });
    return { status: 0, out: stdout };
  } catch (error) {
    if (typeof error.code === "number") return { status: error.code, out: error.stdout, err: error.stderr };
    throw error;
  }
}
// Runs `task` on every item, `width` at a time.
async function eachLimited(items, width, task) {
  let next = 0;
  await Promise.all(Array.from({ length: width }, async () => {
    while (next < items.length) { const i = next++; await task(items[i], i); }
  }));
}

// RFC 4180 rows, as kinmora-cli csv writes them.
function parseCsv(text) {
  const rows = [];
  let row = [], cell = "", quoted = false;
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') { cell += '"'; ++i; }
      else if (c === '"') quoted = false;
      else cell += c;
    } else if (c === '"') quoted = true;
    else if (c === ",") { row.push(cell); cell = ""; }
    else if (c === "\n" || c === "\r") {
      if (c === "\r" && text[i + 1] === "\n") ++i;
      row.push(cell); rows.push(row); row = []; cell = "";
    } else cell += c;
  }
  if (cell || row.length) { row.push(cell); rows.push(row); }
  const [head, ...body] = rows;
  // "code:int": the name before the type, without the byte-order mark.
  const names = head.map((h) => h.replace(/^\uFEFF/, "").split(":")[0].toLowerCase());
  return body.map((r) => Object.fromEntries(names.map((h, k) => [h, r[k]])));
}

// ---- the families
const work = path.resolve(args.work);
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(work, { recursive: true });
async function makeFamily(name, csvDir) {
  const file = path.join(work, name + ".mdb");
  await run(args.mkfamily, ["--family", path.join(csvDir, "family.csv"), "--married", path.join(csvDir, "married.csv"), "-o", file]);
  return file;
}
// Every given name different, so that every person's page and charts are checked.
await run(args.genfamily, ["--persons", "300", "--shape", "compact", "--out", path.join(work, "gen-csv")]);
const families = [
  { name: "sample", file: args.sample, pairs: "all" },
  { name: "edge", file: await makeFamily("edge", path.join(here, "data")), pairs: "all" },
  { name: "generated", file: await makeFamily("generated", path.join(work, "gen-csv")), pairs: 400 },
];

const browser = await puppeteer.launch({
  executablePath: chromium, headless: true, protocolTimeout: 600000,
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking", "--disable-component-update"],
});

// A page on `dir` that refuses, and reports, any request outside it.
async function openSite(dir, viewport = { width: 360, height: 740 }) {
  const page = await browser.newPage();
  page.setDefaultTimeout(120000);
  await page.setViewport(viewport);
  const inside = pathToFileURL(dir).href + "/";
  await page.setRequestInterception(true);
  page.on("request", (request) => {
    if (request.url().startsWith(inside)) return request.continue();
    fail(`a request left the site's folder: ${request.url()}`);
    return request.abort();
  });
  page.on("pageerror", (error) => fail(`script error in ${dir}: ${error.message}`));
  await page.goto(inside + "index.html");
  await page.waitForFunction(() => document.getElementById("main").dataset.route !== undefined);
  return page;
}
async function go(page, hash) {
  await page.evaluate((h) => { location.hash = h; }, hash);
  await page.waitForFunction((h) => decodeURIComponent(document.getElementById("main").dataset.route) === decodeURIComponent(h), {}, hash);
}
async function waitBiographies(page) {
  await page.waitForFunction(() => [...document.querySelectorAll(".biography[data-person]")].every((b) => b.textContent !== "กำลังเปิด..."));
}

function allFiles(dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) =>
    e.isDirectory() ? allFiles(path.join(dir, e.name)) : [path.join(dir, e.name)]);
}

// Living on TODAY: still not Yes, die empty, born empty or under 100 years before.
function isLiving(row) {
  if (row.still === "1" || row.die) return false;
  if (!row.born) return true;
  const [y, m, d] = row.born.slice(0, 10).split("-").map(Number);
  return y + 100 > TODAY.y || (y + 100 === TODAY.y && (m > TODAY.m || (m === TODAY.m && d > TODAY.d)));
}

for (const family of families) {
  console.log(`== ${family.name}`);
  const full = path.join(work, family.name + "-full");
  const names = path.join(work, family.name + "-names");
  equal(`${family.name}: site --living full exits 0`, (await cli("site", family.file, "-o", full, "--living", "full", "--now", NOW)).status, 0);
  equal(`${family.name}: site exits 0`, (await cli("site", family.file, "-o", names, "--now", NOW)).status, 0);
  const csvDir = path.join(work, family.name + "-csv");
  fs.mkdirSync(csvDir, { recursive: true });
  await cli("csv", family.file, "--family", path.join(csvDir, "f.csv"), "--married", path.join(csvDir, "m.csv"));
  const rows = parseCsv(fs.readFileSync(path.join(csvDir, "f.csv"), "utf8"));

  const page = await openSite(full);
  const data = await page.evaluate(() => {
    const f = window.KINMORA_FAMILY;
    return { code: f.code, name: f.name, surname: f.surname, father: f.father, mother: f.mother, hidden: f.hidden, born: f.born, died: f.died, age: f.age };
  });
  const count = data.name.length;
  const firstOfName = [...Array(count).keys()].filter((i) => data.name.indexOf(data.name[i]) === i);
  const codeUses = new Map();
  for (const c of data.code) if (c !== null) codeUses.set(c, (codeUses.get(c) || 0) + 1);
  const firstWithCode = (c) => data.code.indexOf(c);

  // Search: the hits of kinmora-cli search, in its order.
  const texts = [...new Set(data.name.map((n) => n.slice(0, 2)))].slice(0, 12);
  texts.push(data.surname[0] || "x", "          ", "ไม่มีชื่อนี้แน่นอน");
  for (const text of texts) {
    const want = await cli("search", family.file, text);
    await go(page, "#/search/" + encodeURIComponent(text));
    const got = await page.$$eval(".hits li", (items) => items.map((li) => li.textContent));
    equal(`${family.name}: search "${text}"`, got, want.status === 0 ? want.out.trimEnd().split("\n").map((l) => l.replace("          ", " ")) : []);
  }

  // The person page and both charts of every person the window can reach by name.
  const people = firstOfName.filter((i) => data.code[i] !== null && firstWithCode(data.code[i]) === i);
  await eachLimited(people, 1, async (i) => {
    const code = data.code[i];
    const person = await cli("person", family.file, data.name[i], "--now", NOW);
    const want = Object.fromEntries(person.out.split("\n").slice(0, -1).map((l) => l.split("\t")));
    await go(page, `#/person/${code}`);
    await waitBiographies(page);
    const got = await page.$$eval(".particulars:not(.namesake .particulars) [data-field], .biography[data-field]", (cells) =>
      Object.fromEntries(cells.slice(0, 9).map((c) => [c.dataset.field, c.textContent])));
    got.biography = got.biography.replace(/\r\n|\n/g, "\\n") + " ";
    equal(`${family.name}: particulars of ${data.name[i]} (${code})`, got, want);

    for (const side of ["father", "mother"]) {
      const chart = await cli("chart", family.file, "--name", data.name[i], "--side", side);
      const lines = await page.evaluate((i, side) =>
        KinmoraChart.lines(KinmoraChart.build(window.KINMORA_FAMILY, i, side)), i, side);
      equal(`${family.name}: chart of ${data.name[i]} (${code}) on the ${side}'s side`, lines, chart.out.trimEnd().split("\n"));
      await go(page, `#/chart/${code}/${side}`);
      const drawn = await page.$$eval(".tree a.node", (nodes) => nodes.map((a) => a.dataset.key));
      const persons = chart.out.trimEnd().split("\n").map((l) => l.split("\t"))
        .filter((f) => f.length === 5 && f[1] !== "Root" && f[2] !== "?").map((f) => f[1]);
      equal(`${family.name}: the chart drawn for ${code} on the ${side}'s side`, drawn, persons);
    }
  });

  // The forebears follow the parent codes of the family table.
  const byCode = new Map();
  for (const r of rows) if (r.code !== "") byCode.set(Number(r.code), [...(byCode.get(Number(r.code)) || []), r]);
  const parentCodes = (c) => {
    if (c === null || byCode.get(c)?.length !== 1) return null;
    const r = byCode.get(c)[0];
    const named = (v) => (v !== "" && Math.abs(Number(v)) <= 32767 && byCode.has(Number(v)) ? Number(v) : null);
    return [named(r.fathercode), named(r.mothercode)];
  };
  for (const i of people.slice(0, 120)) {
    const code = data.code[i];
    await go(page, `#/ancestors/${code}`);
    const got = await page.$$eval(".generation", (levels) => levels.map((l) =>
      [...l.querySelectorAll(".ancestor")].map((a) => { const link = a.querySelector("a"); return link ? Number(link.getAttribute("href").split("/")[2]) : null; })));
    const g1 = parentCodes(code);
    if (!g1) continue;
    equal(`${family.name}: parents of ${code}`, got[0], g1);
    const g2 = g1.flatMap((c) => parentCodes(c) || [null, null]);
    if (g1.every((c) => c === null || byCode.get(c).length === 1)) equal(`${family.name}: grandparents of ${code}`, got[1], g2);
  }

  // What B is to A: every pair, or a fixed spread of pairs in a large family.
  const graphCodes = data.code.filter((c) => c !== null && c > 0 && codeUses.get(c) === 1);
  let pairs = graphCodes.flatMap((a) => graphCodes.map((b) => [a, b]));
  if (family.pairs !== "all") pairs = pairs.filter((_, k) => k % Math.ceil(pairs.length / family.pairs) === 0);
  const terms = await page.evaluate((pairs) => {
    const k = KinmoraKinship(window.KINMORA_FAMILY);
    return pairs.map(([a, b]) => k.sentenceByCode(a, b));
  }, pairs);
  await eachLimited(pairs, 3, async ([a, b], k) => {
    const want = await cli("relation", family.file, String(a), String(b), "--codes");
    equal(`${family.name}: what ${b} is to ${a}`, terms[k], want.out.trim());
  });
  for (const [a, b] of pairs.slice(0, 30)) {
    await go(page, `#/relation/${a}/${b}`);
    const shown = await page.$eval("[data-term]", (p) => p.dataset.term);
    equal(`${family.name}: the relation page of ${a} and ${b}`, shown, terms[pairs.findIndex((p) => p[0] === a && p[1] === b)]);
  }
  await page.close();

  // Privacy: no file of the names site holds what the full site shows of the living.
  const living = [...Array(count).keys()].filter((i) => {
    const r = byCode.get(data.code[i]);
    return r && r.length === 1 && isLiving(r[0]);
  });
  const visibleTexts = new Set();
  const fullPage = await openSite(full);
  const bios = await fullPage.evaluate(async () => {
    const f = window.KINMORA_FAMILY;
    const out = [];
    for (let file = 0; file * f.notesPerFile < f.name.length; ++file) {
      await new Promise((resolve) => {
        window.KinmoraNotes = (n, list) => { out.push(...list); resolve(); };
        const s = document.createElement("script");
        s.src = `data/notes-${file}.js`;
        document.head.appendChild(s);
      });
    }
    return out;
  });
  await fullPage.close();
  const secret = (i) => [data.born[i], data.died[i], data.age[i], bios[i]].filter((t) => t && t !== "??/??/????" && t.length >= 4);
  for (let i = 0; i < count; ++i) if (!living.includes(i)) for (const t of secret(i)) visibleTexts.add(t);
  const forbidden = [...new Set(living.flatMap(secret))].filter((t) => !visibleTexts.has(t));
  for (const r of rows) if (isLiving(r)) for (const t of [r.born, r.biography]) if (t && t.length >= 4 && !rows.some((o) => !isLiving(o) && (o.born === t || o.die === t || o.biography === t))) forbidden.push(t);
  if (family.name === "edge" && !forbidden.some((t) => t.includes("งานลับ"))) fail("edge: the living person's biography was not looked for");
  const files = allFiles(names).map((f) => [f, fs.readFileSync(f, "utf8")]);
  const escaped = (t) => JSON.stringify(t).slice(1, -1).replace(/\//g, "\\/");
  for (const t of forbidden)
    for (const [f, text] of files)
      if (text.includes(t) || text.includes(escaped(t))) fail(`${family.name}: ${path.relative(work, f)} holds a living person's "${t.slice(0, 40)}"`);
  const fullFiles = allFiles(full).map((f) => fs.readFileSync(f, "utf8")).join("\n");
  const shownInFull = forbidden.filter((t) => fullFiles.includes(escaped(t)) || fullFiles.includes(t)).length;
  console.log(`${count} persons, ${people.length} pages and charts, ${pairs.length} pairs, ${living.length} living, ${forbidden.length} private texts (${shownInFull} of them in the full site)`);
  if (living.length && !shownInFull) fail(`${family.name}: the full site shows none of the living persons' details`);

  // The names site's own pages show the living by name only.
  const namesPage = await openSite(names);
  for (const i of living.filter((i) => firstWithCode(data.code[i]) === i).slice(0, 10)) {
    await go(namesPage, `#/person/${data.code[i]}`);
    await waitBiographies(namesPage);
    const shown = await namesPage.$eval("main", (m) => m.textContent);
    if (!shown.includes(data.name[i])) fail(`${family.name}: the names site lacks ${data.name[i]}'s name`);
    for (const t of secret(i)) if (shown.includes(t)) fail(`${family.name}: the names site shows "${t}" of ${data.name[i]}`);
  }
  await namesPage.close();
}

// ---- phones, desktops, the keyboard and axe, on the sample family's site
const sampleSite = path.join(work, "sample-names");
const axeSource = fs.readFileSync(path.join(here, "node_modules/axe-core/axe.min.js"), "utf8");
const views = ["", "#/search/" + encodeURIComponent("สม"), "#/person/1", "#/person/21", "#/chart/1/father", "#/chart/21/mother", "#/relation/21/1", "#/ancestors/21", "#/person/99999"];
for (const viewport of [{ width: 360, height: 740 }, { width: 1366, height: 768 }]) {
  const page = await openSite(sampleSite, viewport);
  await page.addScriptTag({ content: axeSource });
  for (const view of views) {
    await go(page, view);
    await waitBiographies(page);
    const where = `${viewport.width}×${viewport.height} ${decodeURIComponent(view) || "start"}`;
    const width = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
    if (width[0] > width[1]) fail(`${where}: scrolls sideways (${width[0]} px in ${width[1]})`);
    const small = await page.evaluate(() => [...document.querySelectorAll("a, button, input")]
      .filter((e) => e.getClientRects().length && e.className !== "skip")
      .map((e) => [e.textContent.trim() || e.id, e.getBoundingClientRect()])
      .filter(([, r]) => r.width > 0 && (r.height < 44 || r.width < 44))
      .map(([t, r]) => `${t} ${Math.round(r.width)}×${Math.round(r.height)}`));
    if (small.length) fail(`${where}: touch targets under 44 px: ${small.slice(0, 5).join(", ")}`);
    const serious = await page.evaluate(async () => (await axe.run(document, { resultTypes: ["violations"] })).violations
      .filter((v) => v.impact === "serious" || v.impact === "critical").map((v) => `${v.id}: ${v.nodes.length}`));
    if (serious.length) fail(`${where}: axe-core: ${serious.join("; ")}`);
  }
  await page.close();
}

// The keyboard alone: search from the start page and open a hit.
const keys = await openSite(sampleSite);
await go(keys, "#/");
await keys.keyboard.type("สมชาย");
await keys.keyboard.press("Enter");
await keys.waitForFunction(() => decodeURIComponent(document.getElementById("main").dataset.route) === "#/search/สมชาย");
for (let tab = 0; tab < 10 && !(await keys.evaluate(() => document.activeElement.matches(".hits a"))); ++tab)
  await keys.keyboard.press("Tab");
const target = await keys.evaluate(() => document.activeElement.getAttribute("href"));
if (!target || !target.startsWith("#/person/")) fail("the keyboard does not reach the first search hit");
else {
  await keys.keyboard.press("Enter");
  await keys.waitForFunction((h) => document.getElementById("main").dataset.route === h, {}, target);
}
await keys.close();

await browser.close();
if (failures.length) {
  console.error(`${failures.length} failures`);
  process.exit(1);
}
console.log("all views agree with kinmora-cli");
