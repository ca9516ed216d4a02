// The programs' pages in Debian's Chromium (headless, software WebGL 2) at 1280x720, each measured right
// after a bare WebGL 2 page that only clears the canvas on every animation frame: on a shared machine only
// such ratios are stable. Prints, for the viewer and the arena in each polygon mode: frames a second and
// their ratio to the bare page's, the most WebGL draw calls of one frame, and the program's own work per
// frame (Module.frameWork: from getting the thread back to the next pause); then each page's size.
// Usage: STUDIO_WEB_URL=http://127.0.0.1:8000/ node bench/web/speed.mjs (scripts/bench-web.sh builds, serves
// and runs it).
import { createRequire } from 'node:module';

const require = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const site = process.env.STUDIO_WEB_URL ?? 'http://127.0.0.1:8000/';
const seconds = Number(process.env.STUDIO_BENCH_SECONDS ?? 5);

const bare = `<canvas id="canvas" style="position:fixed;inset:0;width:100%;height:100%"></canvas><script>
  const canvas = document.getElementById('canvas');
  canvas.width = innerWidth;
  canvas.height = innerHeight;
  const gl = canvas.getContext('webgl2');
  (function frame() { gl.clear(gl.COLOR_BUFFER_BIT); requestAnimationFrame(frame); })();
</script>`;

// Every clear starts a frame; the draws between two clears are that frame's.
function countFrames() {
  window.counted = { frames: 0, draws: 0, mostDraws: 0 };
  const prototype = WebGL2RenderingContext.prototype;
  const clear = prototype.clear;
  prototype.clear = function (...args) {
    ++window.counted.frames;
    window.counted.draws = 0;
    return clear.apply(this, args);
  };
  for (const name of ['drawArrays', 'drawElements']) {
    const draw = prototype[name];
    prototype[name] = function (...args) {
      window.counted.mostDraws = Math.max(window.counted.mostDraws, ++window.counted.draws);
      return draw.apply(this, args);
    };
  }
}

async function measure(browser, path, keys = []) {
  const page = await browser.newPage({ viewport: { width: 1280, height: 720 } });
  await page.addInitScript(countFrames);
  // The bare page comes from the same server's address, so that it is measured as the programs are.
  await page.route('**/bare.html', (route) => route.fulfill({ contentType: 'text/html', body: bare }));
  await page.goto(new URL(path ?? 'bare.html', site).href);
  await page.waitForTimeout(1500);
  for (const key of keys) {
    await page.keyboard.press(key);
  }
  await page.waitForTimeout(500);
  const reading = () => page.evaluate(() => ({ ...window.counted, at: performance.now(), work: { ...window.Module?.frameWork } }));
  const start = await reading();
  await page.evaluate(() => { window.counted.mostDraws = 0; });
  await page.waitForTimeout(seconds * 1000);
  const end = await reading();
  await page.close();
  const frames = end.work.frames - start.work.frames;
  return {
    fps: (end.frames - start.frames) / ((end.at - start.at) / 1000),
    mostDraws: end.mostDraws,
    workMs: frames > 0 ? (end.work.totalMs - start.work.totalMs) / frames : undefined,
    longestWorkMs: end.work.longestMs,
  };
}

const browser = await chromium.launch({
  executablePath: process.env.STUDIO_CHROMIUM ?? '/usr/lib/chromium/chromium',
  args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader', '--ignore-gpu-blocklist'],
});
const modes = [['filled', []], ['back faces as lines', ['KeyW']], ['all lines', ['KeyW', 'KeyW']]];
for (const [program, path] of [['viewer', 'studio.html'], ['arena', 'firstperson.html']]) {
  for (const [mode, keys] of modes) {
    const base = await measure(browser, null);
    const run = await measure(browser, path, keys);
    console.log(`${program}, ${mode}: ${run.fps.toFixed(1)} frames/s, ${(run.fps / base.fps).toFixed(2)} of the bare ` +
      `page's ${base.fps.toFixed(1)}; at most ${run.mostDraws} draw calls a frame; work ${run.workMs?.toFixed(2)} ms ` +
      `a frame (longest ${run.longestWorkMs?.toFixed(1)} ms)`);
  }
}
await browser.close();
for (const program of ['studio', 'firstperson']) {
  let bytes = 0;
  for (const file of [`${program}.html`, `${program}.js`, `${program}.wasm`]) {
    bytes += (await (await fetch(new URL(file, site))).arrayBuffer()).byteLength;
  }
  console.log(`${program}.html with its JavaScript and WebAssembly: ${(bytes / 1e6).toFixed(2)} MB`);
}
