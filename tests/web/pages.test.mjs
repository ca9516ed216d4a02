// The pages around both programs: taller than wide, as a phone held upright shows them (the scene keeps its
// field across and the status line shrinks to the page's width), and what the page says for the program.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { launch, site } from './browser.mjs';

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser?.close());

async function openUpright(path, width, height) {
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
  });
  await page.goto(new URL(path, site).href);
  return page;
}

// The columns, left to right, of the rows from top to bottom (shares of the height) with a pixel of the colour.
function columnsWith(page, colour, top, bottom) {
  return page.evaluate(([colour, top, bottom]) => {
    const canvas = document.getElementById('canvas');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    const { width, height, data } = context.getImageData(0, 0, copy.width, copy.height);
    const tests = {
      magenta: (r, g, b) => r > 100 && b > 100 && g < 80,
      cyan: (r, g, b) => r < 80 && g > 150 && b > 150,
    };
    const columns = new Set();
    for (let y = Math.floor(top * height); y < bottom * height; ++y) {
      for (let x = 0; x < width; ++x) {
        const at = 4 * (y * width + x);
        if (tests[colour](data[at], data[at + 1], data[at + 2])) {
          columns.add(x);
        }
      }
    }
    return { width, columns: [...columns].sort((a, b) => a - b) };
  }, [colour, top, bottom]);
}

describe('upright pages', () => {
  it('show the whole van across a phone held upright', async () => {
    const page = await openUpright('studio.html', 390, 844);
    await page.waitForFunction(() => document.title.startsWith('Studio 3D model viewer'));
    let van;
    for (let tries = 0; tries < 100; ++tries) {
      van = await columnsWith(page, 'magenta', 0.25, 0.75);
      if (van.columns.length > 0) {
        break;
      }
      await page.waitForTimeout(100);
    }
    const [left, right] = [van.columns[0], van.columns.at(-1)];
    assert.ok(left > 2 && right < van.width - 3, `the van from ${left} to ${right} of ${van.width}`);
    assert.ok(right - left > van.width / 3, `the van as wide as a landscape window shows it: ${right - left}`);
    await page.close();
  });

  it('keep the status line off both edges of a narrow page', async () => {
    const page = await openUpright('firstperson.html', 600, 900);
    await page.waitForFunction(() => document.title.startsWith('Studio 3D first-person combat'));
    await page.keyboard.press('KeyP');
    await page.waitForFunction(() => document.title.includes('paused'));
    let status;
    for (let tries = 0; tries < 100; ++tries) {
      status = await columnsWith(page, 'cyan', 0.85, 1);
      if (status.columns.length > 0) {
        break;
      }
      await page.waitForTimeout(100);
    }
    const [left, right] = [status.columns[0], status.columns.at(-1)];
    assert.ok(left > 0 && right < status.width - 1, `the status from ${left} to ${right} of ${status.width}`);
    assert.ok(right - left > status.width / 2, `the status as wide as the page allows: ${right - left}`);
    await page.close();
  });
});

describe('the page around a program', () => {
  it('answers --help and --version on the page', async () => {
    for (const [path, words] of [['studio.html?model=--help', /usage: studio \[/],
      ['firstperson.html?model=--version', /^firstperson \d+\.\d+/]]) {
      const page = await openUpright(path, 480, 300);
      await page.waitForFunction(() => document.body.classList.contains('ended'), null, { timeout: 20000 });
      assert.match(await page.locator('#reason').innerText(), words);
      assert.match(await page.locator('#what').innerText(), /The program has ended/);
      await page.close();
    }
  });

  it('says why a program could not load, with a way to try again', async () => {
    for (const blocked of ['studio.wasm', 'studio.js']) {
      const page = await browser.newPage();
      await page.route(`**/${blocked}`, (route) => route.abort());
      await page.goto(new URL('studio.html', site).href);
      await page.waitForFunction(() => document.body.classList.contains('ended'), null, { timeout: 20000 });
      assert.match(await page.locator('#ended').innerText(), new RegExp(blocked.replace('.', '\\.')));
      assert.equal(await page.locator('#again').getAttribute('href'), page.url());
      await page.close();
    }
  });

  it('says so while the graphics are lost, and goes on where it was once they are back', async () => {
    const page = await openUpright('firstperson.html', 480, 300);
    await page.waitForFunction(() => window.drawCalls > 50, null, { timeout: 20000 });
    await page.keyboard.press('KeyP');
    await page.waitForFunction(() => document.title.includes('paused'));
    const loseContext = (restore) => page.evaluate((restore) => {
      const extension = document.getElementById('canvas').getContext('webgl2').getExtension('WEBGL_lose_context');
      window.loseContext = window.loseContext ?? extension;
      if (restore) {
        window.loseContext.restoreContext();
      } else {
        window.loseContext.loseContext();
      }
    }, restore);
    await loseContext(false);
    await page.waitForFunction(() => document.body.classList.contains('lost'), null, { timeout: 5000 });
    assert.match(await page.locator('#lost').innerText(), /Lost the graphics; waiting for the browser to restore them/);
    // A few display frames pass without a draw.
    const drawnWhenLost = await page.evaluate(() => window.drawCalls);
    await page.evaluate(() => new Promise((done) => {
      let frames = 10;
      const frame = () => (--frames > 0 ? requestAnimationFrame(frame) : done());
      requestAnimationFrame(frame);
    }));
    assert.equal(await page.evaluate(() => window.drawCalls), drawnWhenLost, 'nothing drawn while lost');

    await loseContext(true);
    await page.waitForFunction(() => !document.body.classList.contains('lost'), null, { timeout: 5000 });
    await page.waitForFunction((from) => window.drawCalls > from + 20, drawnWhenLost, { timeout: 20000 });
    let status;
    for (let tries = 0; tries < 100; ++tries) {
      status = await columnsWith(page, 'cyan', 0.85, 1);
      if (status.columns.length > 20) {
        break;
      }
      await page.waitForTimeout(100);
    }
    assert.ok(status.columns.length > 20, 'the status line drawn again with a new font texture');
    assert.match(await page.title(), /paused/, 'the game as it was');
    await page.keyboard.press('KeyP');
    await page.waitForFunction(() => !document.title.includes('paused'));
    await page.close();
  });

  it('keeps the focus on the game\'s page at Tab, which lets the mouse go without pausing', async () => {
    const page = await openUpright('firstperson.html', 480, 300);
    await page.waitForFunction(() => document.title.startsWith('Studio 3D first-person combat'));
    await page.mouse.click(240, 150);
    await page.waitForFunction(() => document.pointerLockElement?.id === 'canvas', null, { timeout: 5000 });
    // Heard after the program's own listener, which the page set first.
    await page.evaluate(() => window.addEventListener('keydown', (event) => {
      window.tabKept = event.code === 'Tab' && event.defaultPrevented;
    }));
    await page.keyboard.press('Tab');
    await page.waitForFunction(() => document.pointerLockElement === null, null, { timeout: 5000 });
    assert.equal(await page.evaluate(() => window.tabKept), true, 'the browser did not move the focus');
    assert.equal(await page.evaluate(() => document.hasFocus()), true);
    assert.doesNotMatch(await page.title(), /paused/);
    await page.close();
  });
});
