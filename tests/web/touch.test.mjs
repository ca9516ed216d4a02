// Both programs on a phone-sized page with touch alone: real touch input through the DevTools protocol, so
// that several fingers can be down at once.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch, play, site } from './browser.mjs';

let browser;
before(async () => { browser = await launch('--autoplay-policy=user-gesture-required'); });
after(() => browser?.close());

const [width, height] = [390, 844];

// A page of the phone, started, and a session to touch it with.
async function openPhone(path) {
  const context = await browser.newContext({ viewport: { width, height }, hasTouch: true, isMobile: true, deviceScaleFactor: 1 });
  const page = await context.newPage();
  await page.addInitScript(() => {
    // The canvas keeps its last frame for reading back; WebGL draws and Web Audio starts are counted.
    const wrap = (type, name, around) => { const inner = type.prototype[name]; type.prototype[name] = around(inner); };
    wrap(HTMLCanvasElement, 'getContext', (inner) => function (kind, attributes) {
      return inner.call(this, kind, { ...attributes, preserveDrawingBuffer: true });
    });
    window.drawCalls = window.audioStarts = 0;
    wrap(WebGL2RenderingContext, 'drawArrays', (inner) => function (...args) { ++window.drawCalls; return inner.apply(this, args); });
    wrap(AudioBufferSourceNode, 'start', (inner) => function (...args) { ++window.audioStarts; return inner.apply(this, args); });
  });
  await page.goto(new URL(path, site).href);
  await play(page, { touch: true });
  const cdp = await context.newCDPSession(page);
  // The fingers down after this change, each [x, y], by number.
  const touch = (type, fingers) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: Object.entries(fingers).map(([id, [x, y]]) => ({ id: Number(id), x, y })) });
  // Fingers put down at from, moved in steps to to, and lifted.
  const drag = async (from, to, steps = 8) => {
    await touch('touchStart', from);
    for (let step = 1; step <= steps; ++step) {
      const at = Object.fromEntries(Object.entries(from).map(([id, [x, y]]) =>
        [id, [x + ((to[id][0] - x) * step) / steps, y + ((to[id][1] - y) * step) / steps]]));
      await touch('touchMove', at);
    }
    await touch('touchEnd', {});
  };
  return { page, touch, drag, close: () => context.close() };
}

async function framesPass(page, count = 5) {
  const drawn = await page.evaluate(() => window.drawCalls);
  await page.waitForFunction((least) => window.drawCalls >= least, drawn + count, { timeout: 20000 });
}

// The canvas's pixels, kept in the page: the shares of the middle third of the rows that are not background
// (as the top left corner shows it) and that are magenta (the van), and the shares of all pixels and of the
// ground's (below the horizon, above the status line) that differ from the picture kept before; on the ground
// even its faint grid lines count.
function picture(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const copy = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
    copy.drawImage(canvas, 0, 0);
    const { data } = copy.getImageData(0, 0, canvas.width, canvas.height);
    const before = window.lastPicture;
    window.lastPicture = data;
    let [scenery, magenta, differing, middle, ground, groundDiffering] = [0, 0, 0, 0, 0, 0];
    for (let at = 0; at < data.length; at += 4) {
      const [r, g, b] = [data[at], data[at + 1], data[at + 2]];
      const row = Math.floor(at / 4 / canvas.width);
      if (row > canvas.height / 3 && row < (2 * canvas.height) / 3) {
        ++middle;
        scenery += Math.abs(r - data[0]) + Math.abs(g - data[1]) + Math.abs(b - data[2]) >= 60;
        magenta += r > 100 && b > 100 && g < 80;
      }
      const off = before && Math.abs(r - before[at]) + Math.abs(g - before[at + 1]) + Math.abs(b - before[at + 2]);
      differing += off > 60;
      if (row > canvas.height / 2 && row < 0.87 * canvas.height) {
        ++ground;
        groundDiffering += off > 30;
      }
    }
    return { scenery: scenery / middle, magenta: magenta / middle, changed: (4 * differing) / data.length, ground: groundDiffering / ground };
  });
}

// How much the picture changes over count frames with nothing touched.
async function byItself(page, count = 5) {
  await picture(page);
  await framesPass(page, count);
  return (await picture(page)).changed;
}

// How much the ground moves over count frames: its changes summed a few frames at a time, step(frames passed
// by their end) acting before each few. Below the horizon little but the player's own moves changes the
// picture: the scene's own motion (aircraft, wrecks) stays mostly above it.
async function groundMoves(page, count, step = async () => {}) {
  await picture(page);
  let moved = 0;
  for (let passed = 0; passed < count; passed += 6) {
    await step(passed + 6);
    await framesPass(page, 6);
    moved += (await picture(page)).ground;
  }
  return moved;
}

describe('touch alone', () => {
  it('plays the game: the stick walks, a drag on the right looks, Fire fires, Jump jumps and Pause pauses, none over the status line', async () => {
    const { page, touch, close } = await openPhone('firstperson.html');
    await framesPass(page);
    const fire = page.getByRole('button', { name: 'Fire' });
    const jump = page.getByRole('button', { name: 'Jump' });
    // Clear of the round clock at the top and the status line from 0.876 of the height down.
    for (const control of [fire, jump, page.locator('#stick'), page.locator('#pause')]) {
      const box = await control.boundingBox();
      assert.ok(box.y > 0.1 * height && box.y + box.height < 0.87 * height, `clear of the lines: ${JSON.stringify(box)}`);
    }

    assert.equal(await page.evaluate(() => window.audioStarts), 0, 'nothing plays before the first shot');
    await fire.tap();
    await page.waitForFunction(() => window.audioStarts > 0, null, { timeout: 5000 });

    // A drag on the right looks, the stick walks ahead, back and to either side (each way back to about where
    // it was) and Jump held jumps: each moves the ground more than three times as much as standing still does
    // over the same frames.
    const standing = await groundMoves(page, 90);
    const enough = 3 * standing + 0.05;
    await touch('touchStart', { 0: [300, 400] });
    const looked = await groundMoves(page, 90, (passed) => touch('touchMove', { 0: [300 + passed / 1.2, 400 + passed / 4] }));
    await touch('touchEnd', {});
    assert.ok(looked > enough, `the view turns: the ground moves ${looked}, ${standing} by itself`);
    const box = await jump.boundingBox();
    const jumpAt = [box.x + box.width / 2, box.y + box.height / 2];
    const stick = [100, 500];
    for (const [what, from, to] of [['the stick walks ahead', stick, [100, 420]], ['the stick walks back', stick, [100, 580]],
      ['the stick walks right', stick, [180, 500]], ['the stick walks left', stick, [20, 500]], ['held, Jump jumps', jumpAt, jumpAt]]) {
      await touch('touchStart', { 1: from });
      await touch('touchMove', { 1: to });
      const moved = await groundMoves(page, 90);
      await touch('touchEnd', {});
      assert.ok(moved > enough, `${what}: the ground moves ${moved}, ${standing} by itself`);
    }

    // Paused and played on, as P does.
    await page.getByRole('button', { name: 'Pause' }).tap();
    await page.waitForFunction(() => document.title.includes('[ paused'), null, { timeout: 5000 });
    await page.getByRole('button', { name: 'Pause' }).tap();
    await page.waitForFunction(() => !document.title.includes('[ paused'), null, { timeout: 5000 });

    // Taken as touches, none of them came again as a click that takes the mouse.
    assert.equal(await page.evaluate(() => document.pointerLockElement), null);
    await close();
  });

  it('turns the viewer: a drag orbits, a pinch comes nearer, a double tap resets, a button cycles the drawing', async () => {
    const { page, touch, drag, close } = await openPhone('studio.html');
    await framesPass(page);
    const first = await picture(page);
    const bobbing = await byItself(page);
    await picture(page);
    await drag({ 0: [80, 400] }, { 0: [300, 400] });
    await framesPass(page);
    const orbited = await picture(page);
    assert.ok(orbited.changed > 2 * bobbing + 0.01, `the drag orbits: ${orbited.changed} changed, ${bobbing} by itself`);

    await drag({ 0: [150, 420], 1: [240, 420] }, { 0: [40, 420], 1: [350, 420] });
    await framesPass(page);
    const nearer = await picture(page);
    assert.ok(nearer.scenery > 1.2 * orbited.scenery, `the pinch comes nearer: ${nearer.scenery} of ${orbited.scenery}`);

    for (let tap = 0; tap < 2; ++tap) {
      await touch('touchStart', { 0: [195, 420] });
      await touch('touchEnd', {});
    }
    await framesPass(page);
    const reset = await picture(page);
    assert.ok(Math.abs(reset.scenery - first.scenery) < 0.05 * first.scenery, `the first view again: ${reset.scenery} of ${first.scenery}`);

    const mode = page.getByRole('button', { name: 'Drawing mode' });
    await mode.tap();
    await mode.tap();
    await framesPass(page);
    const lines = await picture(page);
    assert.ok(lines.magenta < 0.5 * reset.magenta, `everything as lines: ${lines.magenta} of ${reset.magenta}`);
    await close();
  });
});
