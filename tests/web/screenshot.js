// docs/web.png's two halves: the page on a phone (360 px) and on a desktop, with a sample
// text converted as a reader would convert it. Usage: node screenshot.js PHONE.png DESKTOP.png
import { fill, launch, openPage } from './browser.js';

const [phonePath, desktopPath] = process.argv.slice(2);
const sample = 'タルモ２で\nでかい文字！\n(´・ω・`) ok';

const browser = await launch();
try {
  const phone = await openPage(browser.context, { viewport: { width: 360, height: 780 } });
  await fill(phone, 'input', sample);
  await phone.selectOption('#width-preset', '360');
  await phone.selectOption('#post-preset', '2048/32');
  await phone.waitForFunction(() => document.querySelectorAll('.post').length > 0);
  await phone.evaluate(() => document.fonts.ready);
  await phone.screenshot({ path: phonePath, fullPage: true });

  const desktop = await openPage(browser.context, { viewport: { width: 1280, height: 780 } });
  await fill(desktop, 'input', `${sample}\n鬱な日も鼾をかく`);
  await desktop.selectOption('#width-preset', '1000');
  await desktop.waitForFunction(() => document.querySelector('#missing').textContent !== '');
  await desktop.evaluate(() => document.fonts.ready);
  await desktop.screenshot({ path: desktopPath });
} finally {
  await browser.close();
}
