// From opening a family website's index.html to its first search result, in
// Debian's headless Chromium: each run opens index.html#/search/TEXT in a
// fresh page (no cache) and waits for the first hit.
//
//   node bench/site_first_search.mjs SITE_DIR TEXT [RUNS]
// Prints each run's time (ms, from the start of navigation as the page
// counts it, and as measured outside the browser), then the medians.
import { createRequire } from "node:module";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, "../tests/site/package.json"));
const puppeteer = require("puppeteer-core");
const [dir, text, runsText] = process.argv.slice(2);
if (!dir || !text) throw new Error("usage: node bench/site_first_search.mjs SITE_DIR TEXT [RUNS]");
const runs = Number(runsText || 7);
const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, args: ["--no-sandbox"] });
const inPage = [], outside = [];
for (let run = 0; run < runs; ++run) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  const url = pathToFileURL(path.resolve(dir)).href + "/index.html#/search/" + encodeURIComponent(text);
  const start = performance.now();
  await page.goto(url, { waitUntil: "domcontentloaded", timeout: 120000 });
  await page.waitForSelector(".hits li", { timeout: 120000 });
  outside.push(performance.now() - start);
  inPage.push(await page.evaluate(() => performance.getEntriesByName("kinmora-shown")[0].startTime));
  const hits = await page.$$eval(".hits li", (items) => items.length);
  console.log(`run ${run + 1}: ${inPage[run].toFixed(0)} ms in the page, ${outside[run].toFixed(0)} ms outside, ${hits} hits`);
  await page.close();
}
await browser.close();
const median = (list) => list.slice().sort((a, b) => a - b)[Math.floor(list.length / 2)];
console.log(`median: ${median(inPage).toFixed(0)} ms in the page, ${median(outside).toFixed(0)} ms outside`);
