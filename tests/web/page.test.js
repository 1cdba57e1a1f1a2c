// The web page against tarumo2-cli, in Chromium, on the site served on the loopback.
import assert from 'node:assert/strict';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import iconv from './cp932.js';
import { fill, launch, openPage, shownBlocks, shownText, siteUrl } from './browser.js';
import { giantTextOf, root, runCli, shippedGlyphs } from './cli.js';

const corpus = readFileSync(join(root, 'tests', 'web', 'corpus.txt'), 'utf8');
const origin = new URL(siteUrl).origin;

let browser;
let page;
const requests = [];

before(async () => {
  browser = await launch();
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
  page = await openPage(browser.context, { requests });
});
after(async () => browser && browser.close());

// Sets the page's options as a reader would and converts with the 変換 button.
async function convertOnPage(text, { blank = '1', width = '', postBytes = '', postLines = '' } = {}) {
  await fill(page, 'blank', blank);
  await fill(page, 'width', width);
  await fill(page, 'post-bytes', postBytes);
  await fill(page, 'post-lines', postLines);
  await fill(page, 'input', text);
  await page.click('#convert');
}

function cliArgs({ blank = '1', width = '', postBytes = '', postLines = '' } = {}) {
  const args = ['--blank', blank];
  if (width) args.push('--width', width);
  if (postBytes) args.push('--post-bytes', postBytes);
  if (postLines) args.push('--post-lines', postLines);
  return args;
}

const clipboard = () => page.evaluate(() => navigator.clipboard.readText());

describe('the giant text', () => {
  const cases = [
    {},
    { blank: '0' },
    { blank: '2', width: '360' },
    { width: '600', postBytes: '2048', postLines: '32' },
  ];
  for (const options of cases) {
    test(`is tarumo2-cli's for the corpus with ${JSON.stringify(options)}`, async () => {
      await convertOnPage(corpus, options);
      const cli = runCli(corpus, cliArgs(options));
      assert.equal(cli.status, 0, cli.stderr);
      assert.equal(await shownText(page), giantTextOf(cli.stdout));
      // The first line of the converter's messages lists the characters without a glyph.
      assert.equal(await page.textContent('#missing'), cli.stderr.split('\n')[0]);
      assert.equal(await page.textContent('#error'), '');
    });
  }

  test('fitted to a width stays within it in the browser\'s own layout, rows ending together', async () => {
    await page.evaluate(() => document.fonts.ready);
    assert.ok(await page.evaluate(() => document.fonts.check('16px "Tarumo Mona"')));
    for (const width of [360, 600]) {
      await convertOnPage(corpus, { blank: '1', width: String(width) });
      const rowSets = await page.evaluate(() => {
        const block = document.querySelector('#output .giant');
        const left = block.getBoundingClientRect().left + parseFloat(getComputedStyle(block).paddingLeft);
        const ends = [0];
        for (const node of block.childNodes) {
          if (node.nodeName === 'BR') {
            ends.push(0);
          } else {
            const range = document.createRange();
            range.selectNodeContents(node);
            ends[ends.length - 1] = range.getBoundingClientRect().right - left;
          }
        }
        // Three rows, then the spacing line.
        const sets = [];
        for (let at = 0; at + 2 < ends.length; at += 4) sets.push(ends.slice(at, at + 3));
        return sets;
      });
      assert.ok(rowSets.length > 300, `${rowSets.length} row sets`);
      for (const [k, rows] of rowSets.entries()) {
        assert.ok(rows[0] <= width, `row set ${k + 1} is ${rows[0]} dots wide`);
        assert.ok(Math.abs(rows[1] - rows[0]) < 0.01 && Math.abs(rows[2] - rows[0]) < 0.01,
          `row set ${k + 1} ends at ${rows.join(', ')}`);
      }
    }
  });
});

describe('posts', () => {
  test('are blocks with their counts and their own copy buttons, as the converter cuts them', async () => {
    await fill(page, 'input', corpus);
    await page.selectOption('#width-preset', '360');
    await page.selectOption('#post-preset', '2048/32');
    const cli = runCli(corpus, cliArgs({ width: '360', postBytes: '2048', postLines: '32' }));
    const summary = cli.stderr.trim().split('\n').at(-1).match(/^(\d+) posts \(bytes\/lines\): (.*)$/);
    assert.ok(summary, cli.stderr);
    const sizes = summary[2].split(' ').map((size) => size.split('/').map(Number));
    await page.waitForFunction((count) => document.querySelectorAll('.post').length === count,
      Number(summary[1]));
    const texts = giantTextOf(cli.stdout).split('\n\f\n');
    const posts = await page.$$('.post');
    assert.equal(posts.length, sizes.length);
    for (const [k, post] of posts.entries()) {
      const [bytes, lines] = sizes[k];
      assert.equal(await post.$eval('.post-size', (e) => e.textContent),
        `${bytes.toLocaleString('ja-JP')} バイト・${lines} 行`);
      assert.ok(bytes <= 2048 && lines <= 32);
      if (k === 0 || k === posts.length - 1) {
        await (await post.$('button.copy')).click();
        assert.equal(await clipboard(), texts[k]);
      }
    }
  });

  test('a row set over the limit is told, with the line it comes from', async () => {
    await convertOnPage('あいうえおかきくけこさしすせそ', { postBytes: '100' });
    assert.match(await page.textContent('#error'), /^1 行目: .* 1 投稿の上限を超えます/);
  });
});

describe('copying and saving', () => {
  test('コピー puts the whole giant text on the clipboard, lines joined by LF', async () => {
    await convertOnPage(corpus, { blank: '2' });
    await page.click('#copy');
    assert.equal(await clipboard(), giantTextOf(runCli(corpus, cliArgs({ blank: '2' })).stdout));
  });

  test('the saved files are the window\'s Shift-JIS with CR LF, and the converter\'s UTF-8', async () => {
    await convertOnPage(corpus, { width: '360' });
    for (const [button, args] of [['#save-sjis', ['--encoding', 'cp932', '--crlf']], ['#save-utf8', []]]) {
      const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
      const saved = readFileSync(await download.path());
      const input = args.length ? iconv.encode(corpus) : corpus;
      const expected = runCli(input, [...cliArgs({ width: '360' }), ...args]).stdout;
      assert.ok(saved.equals(expected), `${button}: ${saved.length} bytes, the converter ${expected.length}`);
    }
  });
});

describe('a glyph folder of the reader\'s own', () => {
  test('takes precedence for the characters it has, for the visit', async () => {
    const work = mkdtempSync(join(tmpdir(), 'tarumo-glyphs-'));
    try {
      const own = join(work, 'mine');
      mkdirSync(join(own, 'data'), { recursive: true });
      mkdirSync(join(own, 'ext'), { recursive: true });
      // "あ" redrawn, "鬱" which the library lacks, in code page 932 with CR LF.
      writeFileSync(join(own, 'data', 'あ.txt'), iconv.encode('＼／\r\n／＼\r\n＼／\r\n'));
      writeFileSync(join(own, 'ext', '鬱.txt'), iconv.encode('鬱鬱\r\n鬱鬱\r\n鬱鬱\r\n'));
      // What the converter gives with the reader's files laid over the shipped library.
      const merged = join(work, 'merged');
      cpSync(shippedGlyphs, merged, { recursive: true });
      cpSync(own, merged, { recursive: true });
      const text = 'あい鬱\n鬱あ';
      await convertOnPage(text);
      await page.setInputFiles('#glyph-folder', own);
      await page.waitForFunction(() => !document.querySelector('#glyph-folder-clear').hidden);
      assert.equal(await shownText(page), giantTextOf(runCli(text, cliArgs(), merged).stdout));
      assert.equal(await page.textContent('#missing'), '');
      await page.click('#glyph-folder-clear');
      assert.equal(await shownText(page), giantTextOf(runCli(text, cliArgs()).stdout));
    } finally {
      rmSync(work, { recursive: true, force: true });
    }
  });

  test('may draw a row as a lone form feed: each post still holds its own lines', async () => {
    const work = mkdtempSync(join(tmpdir(), 'tarumo-glyphs-'));
    try {
      const own = join(work, 'mine');
      mkdirSync(join(own, 'data'), { recursive: true });
      writeFileSync(join(own, 'data', 'う.txt'), '\f\r\n\f\r\n\f\r\n');
      const merged = join(work, 'merged');
      cpSync(shippedGlyphs, merged, { recursive: true });
      cpSync(own, merged, { recursive: true });
      // Three lines a post: the row sets of the two lines go to a post each.
      await convertOnPage('う\nあ', { postLines: '3' });
      await page.setInputFiles('#glyph-folder', own);
      await page.waitForFunction(() => !document.querySelector('#glyph-folder-clear').hidden);
      const post = (text) => giantTextOf(runCli(text, cliArgs({ postLines: '3' }), merged).stdout);
      assert.deepEqual(await shownBlocks(page), [post('う'), post('あ')]);
      await (await page.$('.post button.copy')).click();
      assert.equal(await clipboard(), post('う'));
      await page.click('#glyph-folder-clear');
    } finally {
      rmSync(work, { recursive: true, force: true });
    }
  });
});

describe('the page', () => {
  test('converts by the keyboard: Ctrl+Enter, F5, and the spacing box\'s arrows from 0 to 10', async () => {
    await convertOnPage('a');
    // A text set without an input event converts only when asked.
    await page.$eval('#input', (input) => { input.value = 'b'; });
    await page.focus('#input');
    await page.keyboard.press('Control+Enter');
    assert.equal(await shownText(page), giantTextOf(runCli('b', cliArgs()).stdout));
    await page.$eval('#input', (input) => { input.value = 'c'; });
    await page.keyboard.press('F5');
    assert.equal(await shownText(page), giantTextOf(runCli('c', cliArgs()).stdout));
    await page.focus('#blank');
    for (let i = 0; i < 12; i += 1) await page.keyboard.press('ArrowUp');
    assert.equal(await page.inputValue('#blank'), '10');
    await page.keyboard.press('ArrowDown');
    await page.click('#convert');
    assert.equal(await shownText(page), giantTextOf(runCli('c', ['--blank', '9']).stdout));
  });

  test('takes typed spacing values as the window does, and tells those it does not take', async () => {
    await convertOnPage('a', { blank: '$3' });
    assert.equal(await shownText(page), giantTextOf(runCli('a', ['--blank', '$3']).stdout));
    await convertOnPage('a', { blank: 'x' });
    assert.equal(await page.textContent('#error'), "'x' は整数ではありません");
  });

  test('fits a 360 px phone: only the giant text scrolls, in its own box', async () => {
    const phone = await openPage(browser.context, { viewport: { width: 360, height: 740 } });
    try {
      await fill(phone, 'input', 'とても長い一行のでかい文字は画面からはみ出す');
      await phone.click('#convert');
      const sizes = await phone.evaluate(() => ({
        page: document.documentElement.scrollWidth,
        output: document.querySelector('#output').scrollWidth,
      }));
      assert.ok(sizes.page <= 360, `the page is ${sizes.page} px wide`);
      assert.ok(sizes.output > 360, `the giant text is ${sizes.output} px wide`);
    } finally {
      await phone.close();
    }
  });

  test('converts with the network cut, and asked nothing of another origin', async () => {
    await browser.context.setOffline(true);
    try {
      await convertOnPage('オフライン');
      assert.equal(await shownText(page), giantTextOf(runCli('オフライン', cliArgs()).stdout));
    } finally {
      await browser.context.setOffline(false);
    }
    assert.ok(requests.length >= 6, requests.join('\n'));
    assert.deepEqual(requests.filter((url) => new URL(url).origin !== origin), []);
  });
});
