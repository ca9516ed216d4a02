// The programs' start screen: the download's progress, then the program's name and its controls for the
// device in hand; nothing runs before the click or tap, which starts the program and lets it play sound.
import { after, before, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch, play, site } from './browser.mjs';

let browser;
before(async () => {
  browser = await launch('--autoplay-policy=user-gesture-required');
});
after(() => browser?.close());

// Before the page's own script: the WebGL draw calls counted, and whether the sound was let play.
function countDraws() {
  window.drawCalls = 0;
  const resume = AudioContext.prototype.resume;
  AudioContext.prototype.resume = function () {
    return resume.call(this).then(() => { window.soundUnlocked = this.state === 'running'; });
  };
  const draw = WebGL2RenderingContext.prototype.drawArrays;
  WebGL2RenderingContext.prototype.drawArrays = function (...args) {
    ++window.drawCalls;
    return draw.apply(this, args);
  };
}

const desktop = { viewport: { width: 480, height: 300 } };
const phone = { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true };

it('shows the bytes arriving, then the name, the controls and "Click or tap to play"; draws only once started', async () => {
  for (const [path, device, name, controls, otherControls] of [
    ['firstperson.html', desktop, /first-person combat/, /Mouse\s+look/, /Right half/],
    ['firstperson.html', phone, /first-person combat/, /Right half\s+drag to look/, /Mouse/],
    ['studio.html', phone, /model viewer/, /Pinch\s+nearer, farther/, /Page Up/]]) {
    const context = await browser.newContext(device);
    await context.addInitScript(countDraws);
    const page = await context.newPage();
    // A slow line, so that the bytes are seen arriving.
    const devTools = await context.newCDPSession(page);
    const line = (downloadThroughput) => devTools.send('Network.emulateNetworkConditions',
      { offline: false, latency: 0, downloadThroughput, uploadThroughput: -1 });
    await line(200 * 1024);
    await page.goto(new URL(path, site).href);
    await page.waitForFunction(() => {
      const bar = document.querySelector('#start progress');
      return bar.value > 0 && bar.value < bar.max;
    }, null, { timeout: 20000, polling: 20 });
    assert.match(await page.locator('#start .received').innerText(), /^\d+ KB of \d+ KB$/);
    await line(-1);

    await page.waitForSelector('#start.ready', { timeout: 20000 });
    const words = await page.locator('#start').innerText();
    [name, controls, /Click or tap to play/].forEach((expected) => assert.match(words, expected));
    assert.doesNotMatch(words, otherControls, `${path}: the controls of the device in hand only`);
    // Ten display frames pass without a draw.
    await page.evaluate(() => new Promise((done) => {
      let frames = 10;
      const frame = () => (--frames > 0 ? requestAnimationFrame(frame) : done());
      requestAnimationFrame(frame);
    }));
    assert.equal(await page.evaluate(() => window.drawCalls), 0, `${path}: nothing drawn before the start`);

    await play(page, { touch: device === phone });
    await page.waitForFunction(() => window.drawCalls > 20, null, { timeout: 20000 });
    await page.waitForFunction(() => window.soundUnlocked, null, { timeout: 5000 });
    assert.equal(await page.locator('#start').count(), 0, 'the start screen gone');
    // The game takes the pointer at the start on a desktop only.
    const lockWanted = path === 'firstperson.html' && device === desktop;
    if (lockWanted) {
      await page.waitForFunction(() => document.pointerLockElement?.id === 'canvas', null, { timeout: 5000 });
    }
    assert.equal(await page.evaluate(() => document.pointerLockElement !== null), lockWanted, `${path}: pointer lock`);
    await context.close();
  }
});

it('the landing page shows the game\'s link on its first screen, on a desktop and a phone, and lists every control', async () => {
  for (const viewport of [{ width: 1280, height: 720 }, { width: 390, height: 844 }]) {
    const page = await browser.newPage({ viewport });
    await page.goto(new URL('index.html', site).href);
    const link = await page.locator('a[href="firstperson.html"]').first().boundingBox();
    assert.ok(link.y >= 0 && link.y + link.height <= viewport.height, `the game's link at ${JSON.stringify(link)}`);
    const words = await page.locator('body').innerText();
    for (const control of [/wheel/, /double click/, /move left/, /right button/, /\bP\b/, /\bTab\b/, /\bF1\b/, /pinch/i,
      /Fire/]) {
      assert.match(words, control);
    }
    await page.close();
  }
});
