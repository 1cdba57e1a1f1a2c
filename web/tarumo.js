// The page's script: it reads the controls, calls the module (the same C++ core as
// tarumo2-cli, tarumo-module.wasm) and shows what the module returns. Nothing leaves the page.
import createTarumoModule from './tarumo-module.js';

const $ = (id) => document.getElementById(id);
const SPACING_ARROW_MIN = 0;
const SPACING_ARROW_MAX = 10;

let tarumo = null;
let pending = false;
let shown = null;

async function loadGlyphPack() {
  const response = await fetch('glyphs.pack.gz');
  if (!response.ok) throw new Error(`glyphs.pack.gz: ${response.status}`);
  const unzipped = response.body.pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(unzipped).arrayBuffer());
}

// A limit field: 0 when empty (no limit), -1 when it holds no whole number from 1 on.
function limitOf(field) {
  if (field.validity.badInput) return -1;
  if (field.value.trim() === '') return 0;
  return field.validity.valid ? Number(field.value) : -1;
}

function options() {
  return {
    text: $('input').value,
    blank: $('blank').value,
    width: limitOf($('width')),
    postBytes: limitOf($('post-bytes')),
    postLines: limitOf($('post-lines')),
  };
}

// The lines as a board shows a post: text and line breaks, no preformatting.
function giantText(text) {
  const block = document.createElement('div');
  block.className = 'giant';
  const lines = text.split('\n');
  lines.forEach((line, index) => {
    if (index > 0) block.append(document.createElement('br'));
    if (line !== '') block.append(line);
  });
  return block;
}

function postBlock(post, index) {
  const section = document.createElement('section');
  section.className = 'post';
  const title = `投稿 ${index + 1}`;
  section.setAttribute('aria-label', title);
  const header = document.createElement('header');
  const name = document.createElement('span');
  name.className = 'post-title';
  name.textContent = title;
  const size = document.createElement('span');
  size.className = 'post-size';
  size.textContent = `${post.bytes.toLocaleString('ja-JP')} バイト・${post.lines} 行`;
  const copy = document.createElement('button');
  copy.type = 'button';
  copy.className = 'copy';
  copy.textContent = 'コピー';
  copy.setAttribute('aria-label', `${title}をコピー`);
  copy.addEventListener('click', () => copyText(post.text, `${title}をコピーしました`));
  header.append(name, size, copy);
  section.append(header, giantText(post.text));
  return section;
}

function show(result) {
  shown = result;
  const output = $('output');
  if (result.posts.length > 0) {
    output.replaceChildren(...result.posts.map(postBlock));
  } else {
    output.replaceChildren(giantText(result.text));
  }
  $('error').hidden = result.error === '';
  $('error').textContent = result.error;
  $('missing').textContent = result.missing;
  const lines = result.text === '' ? 0 : result.text.split('\n').length;
  $('status').textContent = result.posts.length > 0
    ? `${lines} 行、${result.posts.length} 投稿`
    : `${lines} 行`;
}

function convert() {
  pending = false;
  if (tarumo) show(tarumo.convert(options()));
}

// Typing converts once a frame, however fast the keys come.
function convertSoon() {
  if (pending) return;
  pending = true;
  requestAnimationFrame(convert);
}

async function copyText(text, done) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Without the clipboard API (a page served over plain http from elsewhere than this
    // machine), the old way: a selection copied.
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
  $('status').textContent = done;
}

function save(shiftJis) {
  if (!tarumo) return;
  const bytes = tarumo.textFile(options(), shiftJis);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
  link.download = shiftJis ? 'tarumo.txt' : 'tarumo-utf8.txt';
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// The spacing box's arrows step from the number it holds, within 0 to 10; what is typed is
// taken as the window takes it, by the module.
function stepSpacing(by) {
  const field = $('blank');
  const value = Number.parseInt(field.value, 10);
  const from = Number.isNaN(value) ? 0 : value;
  field.value = Math.min(SPACING_ARROW_MAX, Math.max(SPACING_ARROW_MIN, from + by));
  convertSoon();
}

function choosePreset(select, fields) {
  if (select.value === 'custom') {
    fields[0].focus();
    return;
  }
  const values = select.value === '' ? [] : select.value.split('/');
  fields.forEach((field, i) => { field.value = values[i] ?? ''; });
  convertSoon();
}

function followPreset(select, fields) {
  const typed = fields.map((field) => field.value.trim()).join('/');
  const preset = [...select.options].find((option) => option.value === typed
    || (typed.replaceAll('/', '') === '' && option.value === ''));
  select.value = preset ? preset.value : 'custom';
  convertSoon();
}

async function loadReaderGlyphs(files) {
  tarumo.clearReaderGlyphs();
  let count = 0;
  for (const file of files) {
    // "<the folder>/<ext|low|up|data>/<character>.txt"; names as the file system on a Mac
    // may give them, decomposed, are composed again.
    const parts = file.webkitRelativePath.split('/');
    if (parts.length < 3) continue;
    const name = parts.slice(-2).join('/').normalize('NFC');
    if (tarumo.addReaderGlyph(name, new Uint8Array(await file.arrayBuffer()))) count += 1;
  }
  $('glyph-folder-status').textContent = count > 0
    ? `自分のグリフ ${count} 個を先に使っています。`
    : '選んだフォルダの ext, low, up, data にグリフがありません。';
  $('glyph-folder-clear').hidden = count === 0;
  convert();
}

function listen() {
  $('controls').addEventListener('submit', (event) => {
    event.preventDefault();
    convert();
  });
  $('input').addEventListener('input', convertSoon);
  $('blank').addEventListener('input', convertSoon);
  $('blank').addEventListener('keydown', (event) => {
    if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      event.preventDefault();
      stepSpacing(event.key === 'ArrowUp' ? 1 : -1);
    }
  });
  $('blank-up').addEventListener('click', () => stepSpacing(1));
  $('blank-down').addEventListener('click', () => stepSpacing(-1));
  const widthFields = [$('width')];
  const postFields = [$('post-bytes'), $('post-lines')];
  $('width-preset').addEventListener('change', () => choosePreset($('width-preset'), widthFields));
  $('post-preset').addEventListener('change', () => choosePreset($('post-preset'), postFields));
  widthFields.forEach((f) => f.addEventListener('input', () => followPreset($('width-preset'), widthFields)));
  postFields.forEach((f) => f.addEventListener('input', () => followPreset($('post-preset'), postFields)));
  $('copy').addEventListener('click', () => shown && copyText(shown.text, 'コピーしました'));
  $('save-sjis').addEventListener('click', () => save(true));
  $('save-utf8').addEventListener('click', () => save(false));
  $('glyph-folder').addEventListener('change', (event) => loadReaderGlyphs(event.target.files));
  $('glyph-folder-clear').addEventListener('click', () => {
    tarumo.clearReaderGlyphs();
    $('glyph-folder').value = '';
    $('glyph-folder-clear').hidden = true;
    $('glyph-folder-status').textContent = '同梱のグリフに戻しました。';
    convert();
  });
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F5' || (event.key === 'Enter' && event.ctrlKey)) {
      event.preventDefault();
      convert();
    }
  });
}

async function start() {
  listen();
  try {
    const [module, pack] = await Promise.all([createTarumoModule(), loadGlyphPack()]);
    if (module.loadGlyphPack(pack) === 0) throw new Error('glyphs.pack.gz にグリフがありません');
    tarumo = module;
  } catch (error) {
    $('status').textContent = `読み込めませんでした: ${error.message}`;
    return;
  }
  convert();
  window.tarumoReady = true;
}

start();
