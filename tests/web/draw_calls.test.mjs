// The batched layer's draw calls in Chromium: a frame of either program, in each polygon mode, makes at
// most 40 WebGL draw calls however many faces it has. Over the server that scripts/test-web.sh starts.
import { after, before, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, play } from './browser.mjs';

let browser;

before(async () => {
  browser = await launch();
});
after(() => browser?.close());

// Before the page's own script: the draw calls of each frame, a frame ending where the colour is cleared.
function countDrawsPerFrame() {
  window.drawsPerFrame = [];
  let draws = -1;
  const prototype = WebGL2RenderingContext.prototype;
  for (const name of ['drawArrays', 'drawElements']) {
    const draw = prototype[name];
    prototype[name] = function (...args) {
      ++draws;
      return draw.apply(this, args);
    };
  }
  const clear = prototype.clear;
  prototype.clear = function (mask) {
    if (mask & this.COLOR_BUFFER_BIT) {
      if (draws >= 0) {
        window.drawsPerFrame.push(draws);
      }
      draws = 0;
    }
    return clear.call(this, mask);
  };
}

for (const program of ['studio.html', 'firstperson.html']) {
  it(`${program} makes at most 40 draw calls a frame in each polygon mode`, async () => {
    const page = await openPage(browser, program, countDrawsPerFrame);
    await play(page);
    for (const mode of ['filled', 'back faces as lines', 'all lines']) {
      // A few frames for the mode to take.
      await page.evaluate(() => { window.drawsPerFrame = []; });
      await page.waitForFunction(() => window.drawsPerFrame.length >= 3, null, { timeout: 20000 });
      await page.evaluate(() => { window.drawsPerFrame = []; });
      await page.waitForFunction(() => window.drawsPerFrame.length >= 10, null, { timeout: 20000 });
      const counts = await page.evaluate(() => window.drawsPerFrame);
      assert.ok(Math.min(...counts) > 0, `${mode}: every frame draws: ${counts}`);
      assert.ok(Math.max(...counts) <= 40, `${mode}: ${Math.max(...counts)} draw calls in a frame`);
      await page.keyboard.press('KeyW');
    }
    await page.close();
  });
}
