// Debian's Chromium, driven by Playwright, with the flags that work on the build machines and a
// fresh profile for every launch; the page at the site's address, each request it makes noted.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export const siteUrl = process.env.TARUMO_SITE_URL ?? 'http://127.0.0.1:47310/';

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'tarumo-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TARUMO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    context,
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page and waits until it can convert. `requests` gets the address of every request.
export async function openPage(context, { viewport = { width: 1280, height: 900 }, requests } = {}) {
  const page = await context.newPage();
  await page.setViewportSize(viewport);
  if (requests) page.on('request', (request) => requests.push(request.url()));
  await page.goto(siteUrl);
  await page.waitForFunction(() => window.tarumoReady === true);
  return page;
}

// Types into a field as a reader would, replacing what it holds.
export async function fill(page, id, value) {
  await page.fill(`#${id}`, String(value));
}

// The text of every block of #output as the page shows it: one block, or one a post.
export function shownBlocks(page) {
  return page.evaluate(() => {
    const blockText = (block) => {
      const lines = [''];
      for (const node of block.childNodes) {
        if (node.nodeName === 'BR') lines.push('');
        else lines[lines.length - 1] += node.textContent;
      }
      return lines.join('\n');
    };
    return [...document.querySelectorAll('#output .giant')].map(blockText);
  });
}

// The giant text as the page shows it, posts apart by a form-feed line, as tarumo2-cli writes
// them.
export async function shownText(page) {
  return (await shownBlocks(page)).join('\n\f\n');
}
