// Both programs in Debian's Chromium (headless, software WebGL 2), as a user meets them over the local
// server that scripts/test-web.sh starts: STUDIO_WEB_URL names it.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch as launchChromium, openPage, play, shootDownATriplane, site } from './browser.mjs';

let browser;

function launch(...flags) {
  return launchChromium('--autoplay-policy=user-gesture-required', ...flags);
}

before(async () => {
  browser = await launch();
});
after(() => browser?.close());

// Before the page's own script: the canvas keeps its last frame so that it can be read back, WebGL draw
// calls and Web Audio starts are counted, and the gamepads are whatever the test puts in window.testPads.
function instrument() {
  window.drawCalls = 0;
  window.audioStarts = 0;
  window.testPads = [];
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, attributes) {
    return getContext.call(this, kind, { ...attributes, preserveDrawingBuffer: true });
  };
  for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    for (const name of ['drawArrays', 'drawElements']) {
      const draw = context.prototype[name];
      context.prototype[name] = function (...args) {
        ++window.drawCalls;
        return draw.apply(this, args);
      };
    }
  }
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    ++window.audioStarts;
    return start.apply(this, args);
  };
  navigator.getGamepads = () => window.testPads;
}

// The page at path, its program started from the start screen.
async function open(path, from = browser, deviceScaleFactor = 1) {
  const page = await openPage(from, path, instrument, { deviceScaleFactor });
  await play(page);
  return page;
}

// Waits until the program has drawn a few frames past those it has drawn so far.
async function framesPass(page, count = 5) {
  const drawn = await page.evaluate(() => window.drawCalls);
  await page.waitForFunction((least) => window.drawCalls >= least, drawn + count, { timeout: 20000 });
  await page.waitForTimeout(200);
}

// Keeps a copy of the canvas in the page, where it is measured: its pixels are too many to send over.
async function picture(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    window.pictures = window.pictures ?? [];
    window.pictures.push(context.getImageData(0, 0, copy.width, copy.height));
    return window.pictures.length - 1;
  });
}

// The share of the pixels in the middle third of a picture (or the band of the status line at the bottom)
// that are magenta (the van), cyan (the status) or anything but the background.
function share(page, picture, colour, rows = [1 / 3, 2 / 3]) {
  return page.evaluate(([picture, colour, rows]) => {
    const { width, height, data } = window.pictures[picture];
    // The top left corner shows the background.
    const background = (r, g, b) => Math.abs(r - data[0]) + Math.abs(g - data[1]) + Math.abs(b - data[2]) < 60;
    const tests = {
      magenta: (r, g, b) => r > 100 && b > 100 && g < 80,
      cyan: (r, g, b) => r < 80 && g > 150 && b > 150,
      scenery: (r, g, b) => !background(r, g, b),
    };
    let passed = 0;
    let all = 0;
    for (let y = Math.floor(rows[0] * height); y < rows[1] * height; ++y) {
      for (let x = Math.floor(width / 3); x < (2 * width) / 3; ++x) {
        const at = 4 * (y * width + x);
        passed += tests[colour](data[at], data[at + 1], data[at + 2]) ? 1 : 0;
        ++all;
      }
    }
    return passed / all;
  }, [picture, colour, rows]);
}

// The share of the pixels that differ between two pictures.
function changed(page, first, second) {
  return page.evaluate(([first, second]) => {
    const [a, b] = [window.pictures[first].data, window.pictures[second].data];
    let differing = 0;
    for (let at = 0; at < a.length; at += 4) {
      differing += Math.abs(a[at] - b[at]) + Math.abs(a[at + 1] - b[at + 1]) + Math.abs(a[at + 2] - b[at + 2]) > 60;
    }
    return (4 * differing) / a.length;
  }, [first, second]);
}

// Where the status line is drawn over the scene: rows 0.88 to 0.97 of the page's height.
const statusLine = [0.88, 0.97];

async function ended(page) {
  await page.waitForFunction(() => document.body.classList.contains('ended'), null, { timeout: 20000 });
  return page.locator('#ended').innerText();
}

describe('the viewer', () => {
  it('shows the van at the centre; Left turns the view (45° in three presses); W cycles filled, back faces as lines, all lines', async () => {
    const page = await open('studio.html');
    await framesPass(page);
    assert.match(await page.title(), /^Studio 3D model viewer \| /);
    const first = await picture(page);
    assert.ok((await share(page, first, 'magenta')) > 0.15, 'the van at the centre');
    await framesPass(page);
    const bobbing = await changed(page, first, await picture(page));
    for (let press = 0; press < 3; ++press) {
      await page.keyboard.press('ArrowLeft');
    }
    await framesPass(page);
    const turned = await picture(page);
    const turning = await changed(page, first, turned);
    assert.ok(turning > 2 * bobbing + 0.01, `Left turns the view: ${turning} changed, ${bobbing} by itself`);

    const filled = await share(page, turned, 'magenta');
    const shares = [];
    for (let press = 0; press < 3; ++press) {
      await page.keyboard.press('KeyW');
      await framesPass(page);
      shares.push(await share(page, await picture(page), 'magenta'));
    }
    assert.ok(shares[0] > 0.8 * filled, `back faces as lines keep the front filled: ${shares[0]} of ${filled}`);
    assert.ok(shares[1] < 0.5 * filled, `everything as lines: ${shares[1]} of ${filled}`);
    assert.ok(Math.abs(shares[2] - filled) < 0.2 * filled, `filled again: ${shares[2]} of ${filled}`);
    await page.close();
  });

  for (const model of ['van', 'tank', 'triplane', 'garden-tree', 'conifer']) {
    it(`shows the ${model} named in the query string`, async () => {
      const page = await open(`studio.html?model=${model}`);
      await framesPass(page);
      assert.ok((await share(page, await picture(page), 'scenery')) > 0.05, `${model} drawn at the centre`);
      assert.equal(await page.evaluate(() => document.body.className), '');
      await page.close();
    });
  }

  it('switches the model with Page Down and Page Up, naming it in the title and the address', async () => {
    const page = await open('studio.html?model=tank');
    await framesPass(page);
    await page.keyboard.press('PageDown');
    await framesPass(page);
    assert.match(await page.title(), /^Studio 3D model viewer: triplane \| /);
    assert.equal(new URL(page.url()).searchParams.get('model'), 'triplane');
    await page.keyboard.press('PageUp');
    await page.keyboard.press('PageUp');
    await framesPass(page);
    assert.match(await page.title(), /^Studio 3D model viewer: van \| /);
    assert.equal(new URL(page.url()).searchParams.get('model'), 'van');
    assert.ok((await share(page, await picture(page), 'magenta')) > 0.15, 'the van at the centre');
    await page.close();
  });

  it('shows the usage line instead of the canvas for a model it does not know', async () => {
    const page = await open('studio.html?model=boat');
    assert.match(await ended(page), /usage: studio \[van \| tank \| triplane \| garden-tree \| conifer\]/);
    assert.equal(await page.locator('#canvas').isVisible(), false);
    await page.close();
  });

  it('fills the page at the display\'s pixel density and follows the page\'s size', async () => {
    const page = await open('studio.html', browser, 2);
    await framesPass(page);
    const canvasSize = () => page.evaluate(() => {
      const canvas = document.getElementById('canvas');
      return [canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight];
    });
    assert.deepEqual(await canvasSize(), [960, 600, 480, 300]);
    await page.setViewportSize({ width: 400, height: 320 });
    await framesPass(page);
    assert.deepEqual(await canvasSize(), [800, 640, 400, 320]);
    assert.ok((await share(page, await picture(page), 'magenta')) > 0.15, 'the van still at the centre');
    await page.close();
  });

  it('draws nothing while the page is hidden, and again once it is shown', async () => {
    const page = await open('studio.html');
    await framesPass(page);
    const setHidden = (hidden) => page.evaluate((value) => {
      Object.defineProperty(document, 'hidden', { value, configurable: true });
      Object.defineProperty(document, 'visibilityState', { value: value ? 'hidden' : 'visible', configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    }, hidden);
    await setHidden(true);
    await page.waitForTimeout(300);
    const hiddenFrom = await page.evaluate(() => window.drawCalls);
    await page.waitForTimeout(1000);
    assert.equal(await page.evaluate(() => window.drawCalls), hiddenFrom);
    await setHidden(false);
    await framesPass(page);
    await page.close();
  });

  it('orbits with a drag, zooms with the wheel, and a double click brings the first view back', async () => {
    const page = await open('studio.html');
    await framesPass(page);
    const first = await picture(page);
    await framesPass(page);
    const bobbing = await changed(page, first, await picture(page));
    await page.mouse.move(90, 150);
    await page.mouse.down();
    await page.mouse.move(390, 150, { steps: 10 });
    await page.mouse.up();
    await framesPass(page);
    const orbited = await picture(page);
    const orbiting = await changed(page, first, orbited);
    assert.ok(orbiting > 2 * bobbing + 0.01, `the drag orbits: ${orbiting} changed, ${bobbing} by itself`);

    const sizes = [await share(page, orbited, 'scenery')];
    for (const deltaY of [-100, 300]) {
      await page.mouse.wheel(0, deltaY);
      await framesPass(page);
      sizes.push(await share(page, await picture(page), 'scenery'));
    }
    assert.ok(sizes[1] > sizes[0] && sizes[2] < 0.8 * sizes[0], `away is nearer, towards farther: ${sizes}`);

    await page.mouse.dblclick(240, 150);
    await framesPass(page);
    const reset = await share(page, await picture(page), 'magenta');
    const original = await share(page, first, 'magenta');
    assert.ok(Math.abs(reset - original) < 0.1 * original, `the first view again: ${reset} of ${original}`);
    await page.close();
  });

  it('answers a gamepad connected after the page has loaded: the stick orbits, button 9 quits', async () => {
    const page = await open('studio.html');
    await framesPass(page);
    const before = await picture(page);
    const pad = (axes, pressed) => page.evaluate(([axes, pressed]) => {
      window.testPads = [{ index: 0, id: 'test pad', mapping: 'standard', connected: true, timestamp: performance.now(),
        axes, buttons: Array.from({ length: 12 }, (_, i) => ({ pressed: i === pressed, value: i === pressed ? 1 : 0 })) }];
    }, [axes, pressed]);
    await pad([-1, 0, 0, 0], -1);
    await page.waitForTimeout(700);
    await pad([0, 0, 0, 0], -1);
    await framesPass(page);
    assert.ok((await changed(page, before, await picture(page))) > 0.02, 'the stick pushed left orbits the camera');
    await pad([0, 0, 0, 0], 8);
    assert.match(await ended(page), /The program has ended/);
    await page.close();
  });
});

describe('the combat program', () => {
  it('plays a cue for every shot and shows the score in the title and over the scene after a kill; Escape ends it', async () => {
    const page = await open('firstperson.html');
    await page.waitForFunction(() => document.title.startsWith('Studio 3D first-person combat'));
    assert.equal(await page.title(), 'Studio 3D first-person combat | studio3d.dev');
    assert.equal(await page.evaluate(() => window.audioStarts), 0, 'nothing plays before the first shot');
    await page.keyboard.press('Space');
    await page.waitForFunction(() => window.audioStarts > 0, null, { timeout: 5000 });

    await shootDownATriplane(page);
    await framesPass(page);
    assert.ok((await share(page, await picture(page), 'cyan', statusLine)) > 0.02, 'the status line over the scene');

    await page.keyboard.press('Escape');
    const words = await ended(page);
    assert.match(words, /The program has ended/);
    assert.match(words, /Start it again/);
    await page.close();
  });

  it('takes the mouse at the start and again at a click: moving it turns the view, the left button fires', async () => {
    const page = await open('firstperson.html');
    const locked = () => page.waitForFunction(() => document.pointerLockElement?.id === 'canvas', null, { timeout: 5000 });
    await locked();
    await framesPass(page);
    const still = await picture(page);
    await framesPass(page);
    const moving = await picture(page);
    const byItself = await changed(page, still, moving);
    await page.mouse.move(440, 150, { steps: 10 });
    await framesPass(page);
    const turning = await changed(page, moving, await picture(page));
    assert.ok(turning > 2 * byItself + 0.01, `the view turns: ${turning} changed, ${byItself} by itself`);

    await page.keyboard.press('Tab');
    await page.waitForFunction(() => document.pointerLockElement === null, null, { timeout: 5000 });
    await page.mouse.click(240, 150);
    await locked();
    assert.equal(await page.evaluate(() => window.audioStarts), 0, 'the capturing click does not fire');
    await page.mouse.down();
    await page.waitForFunction(() => window.audioStarts > 0, null, { timeout: 5000 });
    await page.mouse.up();
    await page.close();
  });

  it('reads its settings from local storage, changes them in the F1 panel and keeps a short round there', async () => {
    const page = await open('about:blank');
    await page.goto(new URL('index.html', site).href);
    await page.evaluate(() => {
      localStorage.clear();
      localStorage.setItem('studio3d/settings.toml', 'round_minutes = 0.05\n');
    });
    await page.goto(new URL('firstperson.html', site).href);
    await play(page);
    await framesPass(page);
    // Volume is the third setting: one step down, written at once with the rest as they were.
    await page.keyboard.press('F1');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowLeft');
    await page.waitForFunction(() => /^volume = /m.test(localStorage.getItem('studio3d/settings.toml')), null,
      { timeout: 5000 });
    const settings = await page.evaluate(() => localStorage.getItem('studio3d/settings.toml'));
    assert.match(settings, /^volume = 0\.9$/m);
    assert.match(settings, /^round_minutes = 0\.05$/m);
    // Escape closes the panel and no more; three seconds of play end the round, which is kept.
    await page.keyboard.press('Escape');
    await framesPass(page);
    assert.ok(!(await page.evaluate(() => document.body.classList.contains('ended'))), 'Escape closed the panel only');
    await page.waitForFunction(() => (localStorage.getItem('studio3d/records.toml') ?? '').includes('[[round]]'),
      null, { timeout: 30000 });
    await page.keyboard.press('Escape');
    await ended(page);
    await page.close();
  });

  it('lets a held key go when the page loses the focus: the player stops turning', async () => {
    const page = await open('firstperson.html');
    await framesPass(page);
    await page.keyboard.down('ArrowLeft');
    await page.waitForTimeout(1000);
    const turning = await picture(page);
    await page.waitForTimeout(300);
    const held = await changed(page, turning, await picture(page));
    await page.evaluate(() => window.dispatchEvent(new FocusEvent('blur')));
    await framesPass(page);
    const letGo = await picture(page);
    await page.waitForTimeout(300);
    const after = await changed(page, letGo, await picture(page));
    await page.keyboard.up('ArrowLeft');
    assert.ok(after < held / 2, `the view stops turning: ${after} changed, ${held} while held`);
    await page.close();
  });
});

describe('older browsers', () => {
  it('with WebGL 1 alone draw the scene, and the status shows in the title only', async () => {
    const older = await launch('--disable-webgl2');
    try {
      const page = await open('firstperson.html', older);
      await framesPass(page);
      await shootDownATriplane(page);
      await framesPass(page);
      const scene = await picture(page);
      assert.ok((await share(page, scene, 'scenery')) > 0.01, 'the arena drawn');
      assert.equal(await share(page, scene, 'cyan', statusLine), 0, 'no status line over the scene');
    } finally {
      await older.close();
    }
  });


  it('without WebGL show the program\'s start-up error line instead of a blank canvas', async () => {
    const bare = await launch('--disable-3d-apis');
    try {
      const page = await open('firstperson.html', bare);
      const words = await ended(page);
      assert.match(words, /can't create GL context/);
      assert.match(words, /could not start/);
    } finally {
      await bare.close();
    }
  });
});
