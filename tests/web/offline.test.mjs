// Both programs as an installed app meets them: compressed on the wire, installable, and playable without
// the network once visited.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launchWithProfile, play, site } from './browser.mjs';

let profile;
let context;
before(async () => {
  profile = await mkdtemp(path.join(tmpdir(), 'studio3d-profile-'));
  context = await launchWithProfile(profile, { viewport: { width: 480, height: 300 } });
  await context.addInitScript(() => {
    window.drawCalls = 0;
    const draw = WebGL2RenderingContext.prototype.drawArrays;
    WebGL2RenderingContext.prototype.drawArrays = function (...args) {
      ++window.drawCalls;
      return draw.apply(this, args);
    };
  });
});
after(async () => {
  await context?.close();
  await rm(profile, { recursive: true, force: true });
});

// Waits until the service worker holds the file of that name.
function kept(page, name) {
  return page.waitForFunction(async (name) => !!(await caches.match(new URL(name, location.href).href)), name,
    { timeout: 20000, polling: 200 });
}

// Starts the program on page and waits until it draws.
async function drawing(page) {
  await play(page);
  await page.waitForFunction(() => window.drawCalls > 50, null, { timeout: 20000 });
}

describe('the pages as an app', () => {
  it('comes compressed, installs, and both programs start and draw offline after one visit', async () => {
    const page = await context.newPage();
    const transfers = [];
    page.on('requestfinished', async (request) => {
      const response = await request.response();
      const sizes = await request.sizes();
      transfers.push({ url: request.url(), encoding: response?.headers()['content-encoding'],
        bytes: sizes.responseBodySize + sizes.responseHeadersSize });
    });
    await page.goto(new URL('firstperson.html', site).href);
    await drawing(page);
    const bytes = transfers.reduce((sum, transfer) => sum + transfer.bytes, 0);
    for (const name of ['firstperson.html', 'firstperson.js', 'firstperson.wasm']) {
      const transfer = transfers.find((t) => new URL(t.url).pathname.endsWith(name));
      assert.match(transfer?.encoding ?? 'none', /^(br|gzip)$/, `${name} compressed`);
    }
    assert.ok(bytes <= 300 * 1024, `the game's first visit moved ${bytes} bytes`);
    console.log(`first visit of the game page: ${bytes} bytes`);

    const devTools = await context.newCDPSession(page);
    const { installabilityErrors } = await devTools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);

    const viewer = await context.newPage();
    await viewer.goto(new URL('studio.html?model=tank', site).href);
    await drawing(viewer);
    await kept(page, 'firstperson.wasm');
    await kept(viewer, 'studio.wasm');

    await context.setOffline(true);
    try {
      for (const [opened, address] of [[page, 'firstperson.html'], [viewer, 'studio.html?model=conifer']]) {
        const response = await opened.goto(new URL(address, site).href);
        assert.ok(response.fromServiceWorker(), `${address} from the offline copy`);
        await drawing(opened);
        assert.equal(await opened.evaluate(() => document.body.className), '', `${address} runs`);
      }
    } finally {
      await context.setOffline(false);
    }
  });
});
