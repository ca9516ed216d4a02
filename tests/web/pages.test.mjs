// The pages around both programs: upright, as a phone shows them; what the page says of a program that
// prints, cannot load or loses its graphics; and Tab in the game.
import { after, before, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch, play, shootDownATriplane, site } from './browser.mjs';

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser?.close());

// A page whose canvas keeps its frames, with its WebGL 2 draws counted, and window.inkEdges(colour, top,
// bottom): the first and last columns with a magenta or cyan pixel between those rows (shares of the height).
// Its program is started from the start screen unless told not to.
async function open(path, width = 480, height = 300, blocked = null, start = true) {
  const page = await browser.newPage({ viewport: { width, height } });
  await page.addInitScript(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (kind, attributes) {
      return getContext.call(this, kind, { ...attributes, preserveDrawingBuffer: true });
    };
    window.drawCalls = 0;
    const draw = WebGL2RenderingContext.prototype.drawArrays;
    WebGL2RenderingContext.prototype.drawArrays = function (...args) {
      ++window.drawCalls;
      return draw.apply(this, args);
    };
    window.inkEdges = (colour, top, bottom) => {
      const canvas = document.getElementById('canvas');
      const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height });
      copy.getContext('2d').drawImage(canvas, 0, 0);
      const { width, height, data } = copy.getContext('2d').getImageData(0, 0, copy.width, copy.height);
      const inked = { magenta: (r, g, b) => r > 100 && b > 100 && g < 80, cyan: (r, g, b) => r < 80 && g > 150 && b > 150 };
      let [left, right] = [width, -1];
      for (let y = Math.floor(top * height); y < bottom * height; ++y) {
        for (let x = 0; x < width; ++x) {
          if (inked[colour](data[4 * (y * width + x)], data[4 * (y * width + x) + 1], data[4 * (y * width + x) + 2])) {
            [left, right] = [Math.min(left, x), Math.max(right, x)];
          }
        }
      }
      return right - left > width / 3 ? { left, right, width } : null;
    };
    // The share of the pixels of the canvas's top tenth, where the game's round clock is, that differ from
    // the last time it was asked.
    window.clockChange = () => {
      const canvas = document.getElementById('canvas');
      const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height });
      copy.getContext('2d').drawImage(canvas, 0, 0);
      const band = copy.getContext('2d').getImageData(0, 0, canvas.width, Math.ceil(canvas.height / 10)).data;
      const last = window.lastClock ?? band;
      window.lastClock = band;
      let differing = 0;
      for (let at = 0; at < band.length; at += 4) {
        differing += Math.abs(band[at] - last[at]) + Math.abs(band[at + 1] - last[at + 1]) + Math.abs(band[at + 2] - last[at + 2]) > 60;
      }
      return (4 * differing) / band.length;
    };
  });
  if (blocked) {
    await page.route(`**/${blocked}`, (route) => route.abort());
  }
  await page.goto(new URL(path, site).href);
  if (start) {
    await play(page);
  }
  return page;
}

async function edges(page, colour, top, bottom) {
  return (await page.waitForFunction((args) => window.inkEdges(...args), [colour, top, bottom], { timeout: 20000 })).jsonValue();
}

it('upright, shows the whole van across and keeps the status line off both edges', async () => {
  const viewer = await open('studio.html', 390, 844);
  const van = await edges(viewer, 'magenta', 0.25, 0.75);
  assert.ok(van.left > 2 && van.right < van.width - 3, `the van: ${JSON.stringify(van)}`);
  const game = await open('firstperson.html', 600, 900);
  await game.waitForFunction(() => window.drawCalls > 20);
  await game.keyboard.press('KeyP');
  const status = await edges(game, 'cyan', 0.85, 1);
  assert.ok(status.left > 0 && status.right < status.width - 1, `the status: ${JSON.stringify(status)}`);
  await Promise.all([viewer.close(), game.close()]);
});

it('shows on the page what the program printed, or why it could not load, with a link to try again', async () => {
  for (const [path, blocked, words] of [['studio.html?model=--help', null, /usage: studio \[/],
    ['firstperson.html?model=--version', null, /^firstperson \d+\.\d+/], ['studio.html', 'studio.wasm', /studio\.wasm/],
    ['studio.html', 'studio.js', /studio\.js/]]) {
    const page = await open(path, 480, 300, blocked, false);
    await page.waitForFunction(() => document.body.classList.contains('ended'), null, { timeout: 20000 });
    assert.match(await page.locator('#reason').innerText(), words);
    assert.equal(await page.locator('#again').getAttribute('href'), page.url());
    await page.close();
  }
});

it('says so while the graphics are lost, and goes on where it was once they are back: its clock and score kept', async () => {
  const page = await open('firstperson.html');
  await page.waitForFunction(() => window.drawCalls > 50, null, { timeout: 20000 });
  await shootDownATriplane(page);
  await page.keyboard.press('KeyP');
  await page.waitForFunction(() => document.title.includes('paused'));
  const score = (await page.title()).match(/\[ (\d+) :/)[1];
  const drawnPaused = await page.evaluate(() => window.drawCalls);
  await page.waitForFunction((from) => window.drawCalls > from + 20, drawnPaused, { timeout: 20000 });
  await page.evaluate(() => window.clockChange());
  await page.evaluate(() => {
    window.lose = document.getElementById('canvas').getContext('webgl2').getExtension('WEBGL_lose_context');
    window.lose.loseContext();
  });
  await page.waitForFunction(() => document.body.classList.contains('lost'));
  assert.match(await page.locator('#lost').innerText(), /Lost the graphics; waiting for the browser to restore them/);
  // The frame under way when the graphics went (drawn into the lost context, to no effect) ends at the
  // program's next pause.
  await page.evaluate(() => new Promise((done) => {
    window.Module.onPause = () => {
      delete window.Module.onPause;
      done();
    };
  }));
  const drawnWhenLost = await page.evaluate(() => window.drawCalls);
  // Ten display frames pass without a draw.
  await page.evaluate(() => new Promise((done) => {
    let frames = 10;
    const frame = () => (--frames > 0 ? requestAnimationFrame(frame) : done());
    requestAnimationFrame(frame);
  }));
  assert.equal(await page.evaluate(() => window.drawCalls), drawnWhenLost, 'nothing drawn while lost');

  await page.evaluate(() => window.lose.restoreContext());
  await page.waitForFunction((from) => window.drawCalls > from + 20 && !document.body.classList.contains('lost'),
    drawnWhenLost, { timeout: 20000 });
  await edges(page, 'cyan', 0.85, 1);  // the status line, with a new font texture and program
  assert.match(await page.title(), /paused/, 'the game as it was');
  assert.equal((await page.title()).match(/\[ (\d+) :/)?.[1], score, 'the score kept');
  assert.equal(await page.evaluate(() => window.clockChange()), 0, 'the round clock kept');
  await page.keyboard.press('KeyP');
  await page.waitForFunction(() => !document.title.includes('paused'));
  // The band is the clock: it ticks on.
  await page.waitForFunction(() => window.clockChange() > 0, null, { timeout: 5000 });
  await page.close();
});

it('keeps the focus on the game\'s page at Tab, which lets the mouse go without pausing', async () => {
  const page = await open('firstperson.html');
  await page.waitForFunction(() => window.drawCalls > 20, null, { timeout: 20000 });
  await page.waitForFunction(() => document.pointerLockElement?.id === 'canvas', null, { timeout: 5000 });
  // Heard after the program's own listener, which the page set first.
  await page.evaluate(() => window.addEventListener('keydown', (event) => {
    window.tabKept = event.code === 'Tab' && event.defaultPrevented;
  }));
  await page.keyboard.press('Tab');
  await page.waitForFunction(() => document.pointerLockElement === null, null, { timeout: 5000 });
  assert.equal(await page.evaluate(() => window.tabKept && document.hasFocus()), true);
  assert.doesNotMatch(await page.title(), /paused/);
  await page.close();
});
