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
// (as the top left corner shows it) and that are magenta (the van), and the share of all pixels that differ
// from the picture kept before.
function picture(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const copy = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
    copy.drawImage(canvas, 0, 0);
    const { data } = copy.getImageData(0, 0, canvas.width, canvas.height);
    const before = window.lastPicture;
    window.lastPicture = data;
    let [scenery, magenta, differing, middle] = [0, 0, 0, 0];
    for (let at = 0; at < data.length; at += 4) {
      const [r, g, b] = [data[at], data[at + 1], data[at + 2]];
      const row = Math.floor(at / 4 / canvas.width);
      if (row > canvas.height / 3 && row < (2 * canvas.height) / 3) {
        ++middle;
        scenery += Math.abs(r - data[0]) + Math.abs(g - data[1]) + Math.abs(b - data[2]) >= 60;
        magenta += r > 100 && b > 100 && g < 80;
      }
      differing += before !== undefined && Math.abs(r - before[at]) + Math.abs(g - before[at + 1]) + Math.abs(b - before[at + 2]) > 60;
    }
    return { scenery: scenery / middle, magenta: magenta / middle, changed: (4 * differing) / data.length };
  });
}

// How much the picture changes over count frames with nothing touched.
async function byItself(page, count = 5) {
  await picture(page);
  await framesPass(page, count);
  return (await picture(page)).changed;
}

describe('touch alone', () => {
  it('plays the game: the stick walks, a drag on the right looks, Fire fires, Jump jumps and Pause pauses, none over the status line', async () => {
    const { page, touch, drag, close } = await openPhone('firstperson.html');
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

    const still = await byItself(page);
    await drag({ 0: [300, 400] }, { 0: [370, 420] });
    await framesPass(page);
    const looked = (await picture(page)).changed;
    assert.ok(looked > 2 * still + 0.01, `the view turns: ${looked} changed, ${still} by itself`);

    const standing = await byItself(page, 40);
    await touch('touchStart', { 1: [100, 500] });
    await touch('touchMove', { 1: [160, 380] });
    await framesPass(page, 40);
    const walked = (await picture(page)).changed;
    await touch('touchEnd', {});
    assert.ok(walked > 2 * standing + 0.01, `the stick walks: ${walked} changed, ${standing} by itself`);

    const box = await jump.boundingBox();
    await framesPass(page);
    const landed = await byItself(page, 4);
    await touch('touchStart', { 2: [box.x + box.width / 2, box.y + box.height / 2] });
    const heights = [];
    for (let look = 0; look < 4; ++look) {
      await framesPass(page, 4);
      heights.push((await picture(page)).changed);
    }
    await touch('touchEnd', {});
    assert.ok(Math.max(...heights) > 2 * landed + 0.01, `held, Jump jumps: ${heights} changed, ${landed} by itself`);

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
