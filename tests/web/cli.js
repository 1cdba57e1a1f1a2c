// tarumo2-cli, the yardstick of the page: the same input and options give the same giant text.
import { spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { dirname, join } from 'node:path';

export const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const cliPath = process.env.TARUMO_CLI ?? join(root, 'build', 'native', 'cli', 'tarumo2-cli');
export const shippedGlyphs = join(root, 'glyphs');

// Runs the converter on `text` (UTF-8) with its command-line options; stdout as bytes.
export function runCli(text, args = [], glyphs = shippedGlyphs) {
  const run = spawnSync(cliPath, ['--glyphs', glyphs, ...args], { input: text, maxBuffer: 1 << 28 });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr.toString('utf8') };
}

// The giant text as the page gives it: the output's lines joined by LF.
export function giantTextOf(stdout) {
  const text = stdout.toString('utf8');
  return text.endsWith('\n') ? text.slice(0, -1) : text;
}
