// Text to code page 932 bytes for the tests, by the machine's iconv, as the converter reads it.
import { spawnSync } from 'node:child_process';

export default {
  encode(text) {
    const run = spawnSync('iconv', ['-f', 'UTF-8', '-t', 'CP932'], { input: text });
    if (run.status !== 0) throw new Error(`iconv: ${run.stderr}`);
    return run.stdout;
  },
};
