// The web page's figures (docs/performance.md): time to ready and bytes loaded from the
// loopback server, 1,000 lines converted and shown, and the module's conversion against the
// native tarumo2-cli on the same texts, in one run. Usage: node benchmark.js [RUNS]
import { spawnSync } from 'node:child_process';
import { writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, siteUrl } from './browser.js';
import { cliPath, shippedGlyphs } from './cli.js';

const runs = Number(process.argv[2] ?? 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

// Lines of 40 characters: kana, kanji, ASCII and marks, as a reader's text mixes them.
function text(lines) {
  const pieces = 'でかい文字を作るタルモ変換日本語の掲示板にＡＡを貼るabcXYZ123、。！？「」（）ーッャ';
  const out = [];
  for (let i = 0; i < lines; i += 1) {
    let line = '';
    for (let k = 0; k < 40; k += 1) line += pieces[(i * 7 + k * 13) % pieces.length];
    out.push(line);
  }
  return `${out.join('\n')}\n`;
}

const browser = await launch();
const work = mkdtempSync(join(tmpdir(), 'tarumo-benchmark-'));
try {
  // Ready and bytes: every load without the browser's cache, as a first visit.
  const ready = [];
  let bytes = null;
  for (let run = 0; run < runs; run += 1) {
    const page = await browser.context.newPage();
    const cdp = await browser.context.newCDPSession(page);
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    const responses = [];
    page.on('response', (response) => responses.push(response));
    await page.goto(siteUrl);
    ready.push(await page.waitForFunction(() => window.tarumoReady === true && performance.now(),
      null, { polling: 'raf' }).then((handle) => handle.jsonValue()));
    if (run === 0) {
      bytes = [];
      for (const response of responses) {
        const body = await response.body();
        bytes.push([new URL(response.url()).pathname, body.length]);
      }
    }
    await page.close();
  }
  console.log(`ready after opening the page: median ${ms(median(ready))} of ${runs} (${ready.map(ms).join(', ')})`);
  const total = bytes.reduce((sum, [, size]) => sum + size, 0);
  console.log(`loaded: ${total} bytes in ${bytes.length} files: ${bytes.map(([p, s]) => `${p} ${s}`).join(', ')}`);

  const page = await browser.context.newPage();
  await page.goto(siteUrl);
  await page.waitForFunction(() => window.tarumoReady === true);

  // 1,000 lines typed at once: the 変換 button to the frame that shows them.
  const thousand = text(1000);
  const shown = [];
  for (let run = 0; run < runs; run += 1) {
    shown.push(await page.evaluate(async (value) => {
      document.getElementById('input').value = value;
      const start = performance.now();
      document.getElementById('convert').click();
      void document.getElementById('output').offsetHeight;
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      return performance.now() - start;
    }, thousand));
  }
  console.log(`1,000 lines of 40 characters converted and shown: median ${ms(median(shown))} (${shown.map(ms).join(', ')})`);

  // The module alone against tarumo2-cli, the same texts and options.
  const module = await page.evaluateHandle(async () => {
    const { default: create } = await import('./tarumo-module.js');
    const tarumo = await create();
    const response = await fetch('glyphs.pack.gz');
    const unzipped = response.body.pipeThrough(new DecompressionStream('gzip'));
    tarumo.loadGlyphPack(new Uint8Array(await new Response(unzipped).arrayBuffer()));
    return tarumo;
  });
  for (const lines of [1000, 10000]) {
    const input = text(lines);
    const file = join(work, `${lines}.txt`);
    writeFileSync(file, input);
    for (const [name, args, options] of [
      ['plain', [], { width: 0, postBytes: 0, postLines: 0 }],
      ['--width 360 --post-bytes 2048 --post-lines 32', ['--width', '360', '--post-bytes', '2048', '--post-lines', '32'],
        { width: 360, postBytes: 2048, postLines: 32 }],
    ]) {
      // The first runs go while the browser still compiles the module's busy functions
      // better (its tiers); they are timed apart.
      const moduleTimes = await page.evaluate(([tarumo, value, limits, count]) => {
        const times = [];
        for (let run = 0; run < 2 * count; run += 1) {
          const start = performance.now();
          tarumo.convert({ text: value, blank: '1', ...limits });
          times.push(performance.now() - start);
        }
        return times;
      }, [module, input, options, runs]);
      const nativeTimes = [];
      for (let run = 0; run < runs; run += 1) {
        const start = process.hrtime.bigint();
        const cli = spawnSync(cliPath, ['--glyphs', shippedGlyphs, ...args, file], { maxBuffer: 1 << 28 });
        nativeTimes.push(Number(process.hrtime.bigint() - start) / 1e6);
        if (cli.status !== 0) throw new Error(cli.stderr.toString());
      }
      const first = moduleTimes.slice(0, runs);
      const [m, n] = [median(moduleTimes.slice(runs)), median(nativeTimes)];
      console.log(`${lines} lines, ${name}: module ${ms(m)} (its first ${runs} runs ${first.map(ms).join(', ')}), `
        + `tarumo2-cli ${ms(n)}, ratio ${(m / n).toFixed(2)}`);
    }
  }
} finally {
  rmSync(work, { recursive: true, force: true });
  await browser.close();
}
