// Debian's Chromium (headless, software WebGL 2) and the programs' pages in it, over the local server that
// scripts/test-web.sh or scripts/bench-web.sh starts (STUDIO_WEB_URL names it, STUDIO_CHROMIUM the browser).
// Shared by the browser tests and the browser benchmark.
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';

export const site = process.env.STUDIO_WEB_URL ?? 'http://127.0.0.1:8000/';

const executablePath = process.env.STUDIO_CHROMIUM ?? '/usr/lib/chromium/chromium';
const softwareWebGl = ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader', '--ignore-gpu-blocklist'];

// Chromium with software WebGL 2, and the flags given.
export function launch(...flags) {
  return chromium.launch({ executablePath, args: [...softwareWebGl, ...flags] });
}

// The same with a profile of its own in folder, as a user's browser has: one that can install a page.
export function launchWithProfile(folder, options = {}) {
  return chromium.launchPersistentContext(folder, { executablePath, args: softwareWebGl, ...options });
}

// A new page of from (a browser or a browser context) at path on the site, instrument run before the page's
// own script.
export async function openPage(from, path, instrument, { deviceScaleFactor = 1 } = {}) {
  const page = await from.newPage({ viewport: { width: 480, height: 300 }, deviceScaleFactor });
  await page.addInitScript(instrument);
  await page.goto(new URL(path, site).href);
  return page;
}

// Starts the program on page as a user does: a click (or with touch, a tap) on the start screen once it is
// ready. Pages without a start screen start by themselves.
export async function play(page, { touch = false } = {}) {
  const start = page.locator('#start');
  if ((await start.count()) === 0) {
    return;
  }
  await page.waitForSelector('#start.ready', { timeout: 20000 });
  if (touch) {
    await start.tap();
  } else {
    await start.click();
  }
}

// Jumping all the time and firing fast while turning brings an aircraft down sooner or later: the score
// then shows in the game page's title.
export async function shootDownATriplane(page) {
  await page.keyboard.down('Enter');
  await page.keyboard.down('ArrowLeft');
  for (let volley = 0; volley < 400 && !(await page.title()).includes('['); ++volley) {
    await page.keyboard.press('Space', { delay: 30 });
    await page.waitForTimeout(30);
  }
  await page.keyboard.up('ArrowLeft');
  await page.keyboard.up('Enter');
  assert.match(await page.title(), /^Studio 3D first-person combat \| studio3d\.dev \[ \d+ : /);
}
