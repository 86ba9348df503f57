// Headless Chromium as the checks of the modern page drive it.
import puppeteer from "puppeteer-core";

export const chromiumPath = process.env.CHROMIUM || "/usr/bin/chromium";

export function launch() {
  return puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    protocolTimeout: 900000,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
}
