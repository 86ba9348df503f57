// The modern index page's filter on a large index: the time from a key
// typed into the filter box to the next frame drawn, and to clear it again.
// Usage: node filter_bench.mjs PAGE.htm [ROUNDS]
import { pathToFileURL } from "node:url";
import { launch } from "../../scripts/browser/chromium.mjs";

const page = process.argv[2];
const rounds = Number(process.argv[3] || 3);
const queries = ["k", "ke", "kes", "kest", "kestr", "kestrel 1", "zz", "a"];

const browser = await launch();
const tab = await browser.newPage();
await tab.setViewport({ width: 1280, height: 900 });
const loadStart = Date.now();
await tab.goto(pathToFileURL(page).href, { waitUntil: "load", timeout: 600000 });
await tab.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))));
const loaded = Date.now() - loadStart;

// One change of the box's text, as typing makes it, timed to the frame after it.
async function change(text) {
  return tab.evaluate(async (text) => {
    const input = document.getElementById("tv-filter");
    const start = performance.now();
    input.value = text;
    input.dispatchEvent(new Event("input", { bubbles: true }));
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
    return performance.now() - start;
  }, text);
}

const keystrokes = [], clears = [];
for (let round = 0; round < rounds; round++) {
  let typed = "";
  for (const query of queries) {
    // Each query typed key by key, then cleared.
    for (const key of query.slice(typed.length)) {
      typed += key;
      keystrokes.push(await change(typed));
    }
    if (!query.startsWith("kes") || query === "kestrel 1") {
      clears.push(await change(""));
      typed = "";
    }
  }
}
const shown = await tab.evaluate(() => document.querySelectorAll("#tv-index li").length);
await browser.close();

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const max = (list) => Math.max(...list);
console.log(JSON.stringify({
  page, items: shown, loadMs: loaded,
  keystroke: { count: keystrokes.length, medianMs: +median(keystrokes).toFixed(1), maxMs: +max(keystrokes).toFixed(1) },
  clear: { count: clears.length, medianMs: +median(clears).toFixed(1), maxMs: +max(clears).toFixed(1) },
}));
