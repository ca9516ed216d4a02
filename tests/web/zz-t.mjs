import { launch, site } from './browser.mjs';
const browser = await launch('--headless=new');
for (let i = 0; i < 4; ++i) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 720 }, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.addInitScript(() => {
    window.marks = {};
    const orig = WebAssembly.compileStreaming;
    WebAssembly.compileStreaming = function (...a) { window.marks.compileStart = performance.now(); return orig.apply(this, a).then((m) => { window.marks.compiled = performance.now(); return m; }); };
    const inst = WebAssembly.instantiate;
    WebAssembly.instantiate = function (...a) { window.marks.instStart = performance.now(); return inst.apply(this, a).then((r) => { window.marks.instantiated = performance.now(); return r; }); };
  });
  await page.goto(new URL(process.argv[2] ?? 'firstperson.html', site).href);
  await page.waitForFunction(() => performance.getEntriesByName('start-ready').length);
  console.log(JSON.stringify(await page.evaluate(() => ({
    res: performance.getEntriesByType('resource').map((e) => [e.name.split('/').pop(), Math.round(e.startTime), Math.round(e.responseEnd)]),
    nav: [Math.round(performance.getEntriesByType('navigation')[0].responseEnd), Math.round(performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd)],
    marks: Object.fromEntries(Object.entries(window.marks).map(([k, v]) => [k, Math.round(v)])),
    ready: Math.round(performance.getEntriesByName('start-ready')[0].startTime) }))));
  await context.close();
}
await browser.close();
