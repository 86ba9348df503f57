// Runs axe-core in headless Chromium on every page named, as a reader's
// browser shows it, and prints each violation. Exit 0 when there is none.
// Usage: node axe_check.mjs PAGE.htm...
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";
import { launch } from "./chromium.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const browser = await launch();
const tab = await browser.newPage();
let violations = 0;
for (const file of process.argv.slice(2)) {
  await tab.goto(pathToFileURL(file).href, { waitUntil: "load" });
  // A frame set's frames are checked as pages of their own.
  if (await tab.evaluate(() => !!document.querySelector("frameset"))) continue;
  await tab.evaluate(axeSource);
  const result = await tab.evaluate(() => window.axe.run(document, { resultTypes: ["violations"] }));
  for (const violation of result.violations) {
    violations++;
    const where = violation.nodes.slice(0, 3).map((node) => node.html).join(" | ");
    console.log(`${file}: ${violation.id} (${violation.impact}): ${violation.help}: ${where}`);
  }
}
await browser.close();
console.log(`violations=${violations}`);
process.exit(violations === 0 ? 0 : 1);
