// Both programs' speed in Debian's Chromium (headless, software WebGL 2) on a 1280×720 page, each beside a
// bare WebGL 2 page that only clears the same canvas on every animation frame, in the same run: on a
// shared machine only such ratios hold still. Prints the figures and, for each bound, whether it is met;
// exits with 1 if one is not. scripts/bench-web.sh builds the pages, serves them and runs this.
// STUDIO_WEB_URL names the server, STUDIO_CHROMIUM the browser, BENCH_SECONDS the length of a measurement.
import { readFileSync } from 'node:fs';

// Chromium through Playwright as the browser tests launch it.
import { launch as launchChromium, play, site } from '../../tests/web/browser.mjs';

const seconds = Number(process.env.BENCH_SECONDS ?? 5);
const barePage = readFileSync(new URL('bare.html', import.meta.url), 'utf8');
const modes = ['filled', 'back faces as lines', 'all lines'];
const bounds = {
  drawCalls: 40,
  viewerFrameRate: 0.8,
  arenaFrameRate: 0.7,
  arenaFrameWorkMs: 4,
  pageBytes: 2 * 1024 * 1024,
  arenaWireBytes: 300 * 1024,
  readyToFirstFrame: 1.5,
};

// Before any page's own script: counts the WebGL 2 draw calls of each frame (a frame ends where the
// colour buffer is cleared), the frames drawn, and the frames presented (animation frames that follow a
// newly drawn frame).
function instrument() {
  const counts = { draws: 0, drawsPerFrame: [], frameWork: [], frames: 0, presented: 0 };
  window.benchCounts = counts;
  const prototype = WebGL2RenderingContext.prototype;
  for (const name of ['drawArrays', 'drawElements', 'drawArraysInstanced', 'drawElementsInstanced',
    'drawRangeElements']) {
    const draw = prototype[name];
    prototype[name] = function (...args) {
      ++counts.draws;
      return draw.apply(this, args);
    };
  }
  const clear = prototype.clear;
  let drawsAtClear = 0;
  prototype.clear = function (mask) {
    if (mask & this.COLOR_BUFFER_BIT) {
      if (counts.frames > 0) {
        counts.drawsPerFrame.push(counts.draws - drawsAtClear);
      }
      drawsAtClear = counts.draws;
      ++counts.frames;
    }
    return clear.call(this, mask);
  };
  let framesSeen = 0;
  const watch = () => {
    if (counts.frames !== framesSeen) {
      framesSeen = counts.frames;
      ++counts.presented;
    }
    requestAnimationFrame(watch);
  };
  requestAnimationFrame(watch);
}

// Keeps each frame's work: the time from the program getting the page's thread back (Module.onResume)
// to its next pause (Module.onPause).
async function keepFrameWork(page) {
  await page.waitForFunction(() => window.Module?.displayFrames !== undefined, null, { timeout: 30000 });
  await page.evaluate(() => {
    let resumedAt = 0;
    window.Module.onResume = () => { resumedAt = performance.now(); };
    window.Module.onPause = () => {
      if (resumedAt > 0) {
        window.benchCounts.frameWork.push(performance.now() - resumedAt);
      }
    };
  });
}

// Starts a measurement of a page: its counters now, and fresh lists of each frame's draws and work.
function start(page) {
  return page.evaluate(() => {
    const counts = window.benchCounts;
    counts.drawsPerFrame = [];
    counts.frameWork = [];
    return { at: performance.now(), frames: counts.frames, presented: counts.presented };
  });
}

// Ends a measurement: frames drawn and presented a second, draw calls a frame, each frame's work.
async function stop(page, first) {
  const last = await page.evaluate(() => {
    const counts = window.benchCounts;
    return { at: performance.now(), frames: counts.frames, presented: counts.presented,
      drawsPerFrame: counts.drawsPerFrame, frameWork: counts.frameWork };
  });
  return rates({
    seconds: (last.at - first.at) / 1000,
    presentedFrames: last.presented - first.presented,
    drawnFrames: last.frames - first.frames,
    drawsPerFrame: last.drawsPerFrame,
    frameWork: last.frameWork,
  });
}

function rates(measured) {
  return { ...measured, presented: measured.presentedFrames / measured.seconds, drawn: measured.drawnFrames / measured.seconds };
}

// Measurements of one page added up.
function together(measurements) {
  return rates({
    seconds: measurements.reduce((sum, m) => sum + m.seconds, 0),
    presentedFrames: measurements.reduce((sum, m) => sum + m.presentedFrames, 0),
    drawnFrames: measurements.reduce((sum, m) => sum + m.drawnFrames, 0),
    drawsPerFrame: measurements.flatMap((m) => m.drawsPerFrame),
    frameWork: measurements.flatMap((m) => m.frameWork),
  });
}

// Each page's figures over the same seconds.
async function measure(duration, ...pages) {
  const firsts = await Promise.all(pages.map(start));
  await pages[0].waitForTimeout(duration * 1000);
  return Promise.all(pages.map((page, i) => stop(page, firsts[i])));
}

// The bare page runs or stands still; a program's page is shown or hidden (a hidden page draws nothing,
// as a minimised window, while its loop goes on).
function setRunning(bare, running) {
  return bare.evaluate((value) => { window.running = value; }, running);
}

function setHidden(page, hidden) {
  return page.evaluate((value) => {
    Object.defineProperty(document, 'hidden', { value, configurable: true });
    Object.defineProperty(document, 'visibilityState', { value: value ? 'hidden' : 'visible', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden);
}

// The program alone and the bare page alone, in turns of a second or two, so that both see the same
// changes of the machine's load: the bare page stands still while the program is measured, and the
// program is hidden while the bare page is.
async function inTurns(program, bare) {
  const turns = 3;
  const programTurns = [];
  const bareTurns = [];
  for (let turn = 0; turn <= turns; ++turn) {
    await setHidden(program, true);
    await setRunning(bare, true);
    await framesPass(bare, 5);
    bareTurns.push((await measure(seconds / turns, bare))[0]);
    if (turn === turns) {
      break;
    }
    await setRunning(bare, false);
    await setHidden(program, false);
    await framesPass(program, 5);
    programTurns.push((await measure(seconds / turns, program))[0]);
  }
  await setHidden(program, false);
  return { program: together(programTurns), bare: together(bareTurns) };
}

async function framesPass(page, count) {
  const from = await page.evaluate(() => window.benchCounts.frames);
  await page.waitForFunction((least) => window.benchCounts.frames >= least, from + count, { timeout: 30000 });
}

// A second of each polygon mode (W cycles them, back to the first).
async function perPolygonMode(page) {
  const perMode = [];
  for (const mode of modes) {
    await framesPass(page, 3);
    const first = await start(page);
    await page.waitForTimeout(1000);
    await framesPass(page, 3);
    perMode.push({ mode, ...(await stop(page, first)) });
    await page.keyboard.press('KeyW');
  }
  return perMode;
}

// Opens a program's page, adding up what the page loads (HTML, JavaScript, WebAssembly) as served.
async function openProgram(context, path) {
  const page = await context.newPage();
  const files = [];
  page.on('response', async (response) => {
    const body = await response.body().catch(() => Buffer.alloc(0));
    // On the wire: compressed where the server sends the build's .br or .gz copy.
    const sizes = await response.request().sizes().catch(() => ({ responseBodySize: body.length }));
    files.push({ name: new URL(response.url()).pathname.slice(1), bytes: body.length, wire: sizes.responseBodySize });
  });
  await page.goto(new URL(path, site).href);
  await play(page);
  await keepFrameWork(page);
  await framesPass(page, 30);
  return { page, files };
}

// The time from navigation to a mark of a page's (a program's start screen ready, the bare page's first
// frame) on a first visit, each page alone in its browser: the median of a few rounds of every page in
// turn, so that all see the same changes of the machine's load.
async function timesToMarks(pages) {
  const times = pages.map(() => []);
  for (let round = 0; round < 7; ++round) {
    for (const [i, { browser, url, mark }] of pages.entries()) {
      const context = await newContext(browser);
      const page = await context.newPage();
      await page.goto(url);
      const entry = await page.waitForFunction((name) => performance.getEntriesByName(name)[0]?.startTime, mark,
        { timeout: 30000 });
      times[i].push(await entry.jsonValue());
      await context.close();
    }
  }
  return times.map((list) => statistics(list).median);
}

function statistics(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (share) => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
  return { mean: sorted.reduce((a, b) => a + b, 0) / sorted.length, median: at(0.5), p90: at(0.9), most: sorted.at(-1) };
}

const verdicts = [];
function judge(what, met) {
  verdicts.push(met);
  console.log(`  ${what}: ${met ? 'met' : 'NOT MET'}`);
}

// Headless Chromium gives the full frame rate only to the page in front: a second page of the same browser
// gets about 20 frames a second, whatever it draws. So the bare page has a browser of its own.
function launch() {
  return launchChromium('--headless=new', '--disable-background-networking', '--disable-component-update',
    '--disable-sync');
}

const bareUrl = new URL('bench-bare.html', site).href;

async function newContext(browser) {
  // No service worker: each page's files come over the network, as on a first visit.
  const context = await browser.newContext({ viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1,
    serviceWorkers: 'block' });
  await context.addInitScript(instrument);
  await context.route(bareUrl, (route) => route.fulfill({ contentType: 'text/html', body: barePage }));
  return context;
}

const [browser, bareBrowser] = await Promise.all([launch(), launch()]);
try {
  const context = await newContext(browser);
  const bareContext = await newContext(bareBrowser);
  const [firstFrame, ...readyTimes] = await timesToMarks([{ browser: bareBrowser, url: bareUrl, mark: 'first-frame' },
    ...['studio.html', 'firstperson.html'].map((path) => ({ browser, url: new URL(path, site).href, mark: 'start-ready' }))]);
  const ready = { 'studio.html': readyTimes[0], 'firstperson.html': readyTimes[1] };
  const bare = await bareContext.newPage();
  await bare.goto(bareUrl);
  await framesPass(bare, 30);
  console.log(`Chromium ${browser.version()}, 1280×720, ${seconds} s a measurement`);

  // Each program in turns with the bare page, then both at once: at once, the program's drawing slows the
  // bare page too (two cores for both browsers), which flatters the ratio.
  const programs = [
    { name: 'viewer', path: 'studio.html', rateBound: bounds.viewerFrameRate },
    { name: 'arena', path: 'firstperson.html', rateBound: bounds.arenaFrameRate },
  ];
  for (const program of programs) {
    const { page, files } = await openProgram(context, program.path);
    const turns = await inTurns(page, bare);
    const alone = turns.program;
    const [atOnce, bareAtOnce] = await measure(seconds, page, bare);
    const perMode = await perPolygonMode(page);
    await page.close();

    console.log(`\n${program.name} (${program.path})`);
    const readyRatio = ready[program.path] / firstFrame;
    console.log(`  start screen ready ${ready[program.path].toFixed(0)} ms after navigation, the bare page's first frame` +
      ` ${firstFrame.toFixed(0)} ms (medians of 7 first visits): ratio ${readyRatio.toFixed(2)}`);
    judge(`start screen ready within ${bounds.readyToFirstFrame} × the bare page's first frame`,
      readyRatio <= bounds.readyToFirstFrame);
    const ratioAlone = alone.presented / turns.bare.presented;
    console.log(`  frames/s in turns: ${alone.presented.toFixed(1)} presented (${alone.drawn.toFixed(1)} drawn),` +
      ` the bare page ${turns.bare.presented.toFixed(1)} (${turns.bare.drawn.toFixed(1)} drawn): ratio ${ratioAlone.toFixed(2)}`);
    judge(`frame rate in turns at least ${program.rateBound} of the bare page's`, ratioAlone >= program.rateBound);
    const ratioAtOnce = atOnce.presented / bareAtOnce.presented;
    console.log(`  frames/s at once: ${atOnce.presented.toFixed(1)} presented, the bare page meanwhile` +
      ` ${bareAtOnce.presented.toFixed(1)}: ratio ${ratioAtOnce.toFixed(2)}`);
    judge(`frame rate at once at least ${program.rateBound} of the bare page's`, ratioAtOnce >= program.rateBound);

    const measured = [['in turns', alone], ['at once', atOnce], ...perMode.map((m) => [m.mode, m])];
    console.log('  WebAssembly+JavaScript work a frame (between the program\'s pauses), mean / median / 90th percentile / longest:');
    for (const [what, { frameWork }] of measured) {
      const { mean, median, p90, most } = statistics(frameWork);
      console.log(`    ${what}: ${mean.toFixed(2)} / ${median.toFixed(2)} / ${p90.toFixed(2)} / ${most.toFixed(1)} ms` +
        ` over ${frameWork.length} frames`);
    }
    const allWork = statistics(measured.flatMap(([, m]) => m.frameWork));
    console.log(`    all: ${allWork.mean.toFixed(2)} / ${allWork.median.toFixed(2)} / ${allWork.p90.toFixed(2)} /` +
      ` ${allWork.most.toFixed(1)} ms`);
    if (program.name === 'arena') {
      judge(`frame work at most ${bounds.arenaFrameWorkMs} ms (the mean over all)`, allWork.mean <= bounds.arenaFrameWorkMs);
    }

    for (const { mode, drawsPerFrame } of perMode) {
      const { mean, most } = statistics(drawsPerFrame);
      console.log(`  WebGL draw calls a frame, ${mode}: at most ${most} (mean ${mean.toFixed(1)})`);
    }
    const mostDraws = Math.max(...perMode.flatMap((m) => m.drawsPerFrame));
    judge(`at most ${bounds.drawCalls} draw calls a frame in every mode`, mostDraws <= bounds.drawCalls);

    const bytes = files.reduce((sum, file) => sum + file.bytes, 0);
    console.log(`  page: ${bytes} bytes (${files.map((f) => `${f.name} ${f.bytes}`).join(', ')})`);
    judge(`page at most ${bounds.pageBytes} bytes`, bytes <= bounds.pageBytes);
    const wire = files.reduce((sum, file) => sum + file.wire, 0);
    console.log(`  on the wire, compressed: ${wire} bytes (${files.map((f) => `${f.name} ${f.wire}`).join(', ')})`);
    if (program.name === 'arena') {
      judge(`first visit at most ${bounds.arenaWireBytes} bytes on the wire`, wire <= bounds.arenaWireBytes);
    }
  }
} finally {
  await Promise.all([browser.close(), bareBrowser.close()]);
}
process.exit(verdicts.every(Boolean) ? 0 : 1);
