// The page: the six fields go to the core exactly as typed, and its answer
// fills the table, the standing and the chart, or names the first bad input.
// What a Calculate showed can then be copied, downloaded or kept as a setup.
//
// The build puts the core's loader (core_loader.js, with the module's bytes
// in it) before this file: one module script, one response, one compile.
// Chromium often hands scripts over only after its first paint, and with the
// core in a file of its own the page then waited for that file too.

const FIELDS = ['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare'];
const OPTIONAL = new Set(['at', 'compare']); // empty: that answer is off
const MAX_UNITS = 63; // like the window's fields: longer texts are cut

const form = document.getElementById('inputs');
const inputs = FIELDS.map((name) => document.getElementById(name));
const message = document.getElementById('message');
const standing = document.getElementById('standing');
const thead = document.querySelector('thead');
const tbody = document.querySelector('tbody');
const chart = document.getElementById('chart');
const timeline = document.getElementById('timeline');
const notice = document.getElementById('notice');
const carryButtons = document.querySelectorAll('[data-carry]');
const setupForm = document.getElementById('save-setup');
const setupList = document.getElementById('setups');
const tableFormat = document.getElementById('table-format');
const exportButton = document.getElementById('export-setups');
const importInput = document.getElementById('import-setups');

// Browsers that refuse to compile a module this size on the main thread
// (before 2023, Chromium's limit was 4 KB) compile it in the background.
async function loadCore() {
  let module;
  try {
    module = compileCore();
  } catch (error) {
    if (!(error instanceof RangeError)) throw error;
    module = await WebAssembly.compile(decodeCore(CORE));
  }
  return instantiateCore(module);
}

const core = await loadCore();

// What the last successful Calculate showed: its six texts and its chart.
let shown = null;

const ANSWER = { shown: 0, table: 1, csv: 2, markdown: 3, wiki: 4, timeline: 5 }; // bindings.cpp

// Writes each text's UTF-16 code units into the core's field buffers and
// returns the core's answer (bindings.cpp).
function calculateInCore(texts, answer = ANSWER.shown) {
  const lengths = texts.map((text, i) => {
    core.writeUnits(core.exports.reacalc_field(i), text);
    return text.length;
  });
  return core.readString(core.exports.reacalc_calculate(...lengths, answer));
}

// The core's reading of a weapon list's bytes (page_list.h), parsed.
function readListInCore(bytes) {
  const at = core.exports.reacalc_list_buffer(bytes.length);
  if (!at) return { error: 'This browser has no room to read the file.' };
  core.write(at, bytes);
  return JSON.parse(core.readString(core.exports.reacalc_read_list()));
}

function row(cells, tag) {
  const tr = document.createElement('tr');
  for (const text of cells) {
    const cell = document.createElement(tag);
    if (tag === 'th') cell.scope = 'col';
    cell.textContent = text;
    tr.append(cell);
  }
  return tr;
}

// lines[0] holds the headers; `current` is the row in effect, or -1.
function showTable(lines, current) {
  thead.replaceChildren(row(lines[0].split('\t'), 'th'));
  tbody.replaceChildren(...lines.slice(1).map((line, k) => {
    const tr = row(line.split('\t'), 'td');
    if (k === current) tr.setAttribute('aria-current', 'true');
    return tr;
  }));
}

// The chart and the timeline hold only numbers the core formatted; parsed
// as SVG, never as HTML.
const parseSvg = (svgText) => document.importNode(
  new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement, true);

function showChart(svgText) {
  chart.replaceChildren(parseSvg(svgText));
}

// The shot timeline at Your REA %: its sentence, then its picture; none
// without a REA %.
function showTimeline(answer) {
  timeline.hidden = answer === '';
  const caption = timeline.firstElementChild;
  if (answer === '') {
    timeline.replaceChildren(caption);
    return;
  }
  const lineEnd = answer.indexOf('\n');
  caption.textContent = answer.slice(0, lineEnd);
  timeline.replaceChildren(caption, parseSvg(answer.slice(lineEnd + 1)));
}

function calculate() {
  const texts = inputs.map((input) => input.value.slice(0, MAX_UNITS));
  const answer = calculateInCore(texts);
  if (answer.startsWith('!')) {
    // The old rows, standing and chart stay, as in the window.
    message.textContent = answer.slice(1);
    return;
  }
  message.textContent = '';
  // The table, an empty line, the standing line, then the chart.
  const tableEnd = answer.indexOf('\n\n');
  const standingEnd = answer.indexOf('\n', tableEnd + 2);
  const [current, sentence = ''] = answer.slice(tableEnd + 2, standingEnd).split('\t');
  showTable(answer.slice(0, tableEnd).split('\n'), sentence ? Number(current) : -1);
  standing.textContent = sentence;
  const svg = answer.slice(standingEnd + 1);
  showChart(svg);
  showTimeline(texts[4] === '' ? '' : calculateInCore(texts, ANSWER.timeline));
  const query = shareQuery(texts);
  if (query !== location.search) requestAnimationFrame(() => setTimeout(() => showLink(query)));
  if (!shown) for (const button of carryButtons) button.disabled = false;
  shown = { texts, svg, query };
}

// The share link goes into the address once the answer is drawn: a history
// entry's first replacement waits on the browser (up to 15 ms here, under
// load), and the rows need not. A later Calculate's link wins.
function showLink(query) {
  if (query === shown?.query && query !== location.search) history.replaceState(null, '', query);
}

// The share link's query, with the optional answers only when asked.
function shareQuery(texts) {
  const shared = FIELDS.map((name, i) => [name, texts[i]])
    .filter(([name, text]) => !OPTIONAL.has(name) || text !== '');
  return `?${new URLSearchParams(shared)}`;
}

// A confirmation goes to the polite status, a refusal to the alert; a
// confirmation clears an earlier refusal, never a field's message.
let refusal = null;
function tell(text) {
  if (message.textContent === refusal) message.textContent = '';
  notice.textContent = text;
}
function refuse(text) {
  notice.textContent = '';
  message.textContent = refusal = text;
}

// Copies, downloads, setups and their lists are not needed to calculate:
// their modules (carry.js, setups.js, lists.js) load just after ready, so
// they never hold it back. Resolves to the exports of all three.
let extras;

const shareUrl = (query) => new URL(query, location.href).href;
const refusedClipboard = () => refuse('The browser refused the clipboard: nothing was copied.');

const CARRY = {
  'copy-table': ({ copyText }) => copyText(calculateInCore(shown.texts, ANSWER[tableFormat.value]))
    .then(() => tell('Table copied'), refusedClipboard),
  'copy-link': ({ copyText }) => copyText(shareUrl(shown.query))
    .then(() => tell('Link copied'), refusedClipboard),
  'download-csv': ({ download, fileName }) => {
    const csv = calculateInCore(shown.texts, ANSWER.csv);
    download(new Blob([csv], { type: 'text/csv' }), fileName(shown.texts.slice(0, 4), 'csv'));
    tell('CSV downloaded');
  },
  'download-svg': ({ download, fileName }) => {
    download(new Blob([shown.svg], { type: 'image/svg+xml' }), fileName(shown.texts.slice(0, 4), 'svg'));
    tell('SVG downloaded');
  },
  'download-png': ({ chartPng, download, fileName }) => {
    const name = fileName(shown.texts.slice(0, 4), 'png');
    return chartPng(shown.svg, 2).then((png) => {
      download(png, name);
      tell('PNG downloaded');
    }, () => refuse('The chart could not be drawn as a PNG.'));
  },
};
for (const button of carryButtons) {
  const carry = CARRY[button.dataset.carry];
  if (carry) button.addEventListener('click', async () => carry(await extras));
}

// Saved setups: each a link that opens like a share link, and its Delete.
function showSetups(setups) {
  setupList.replaceChildren(...setups.map(({ name, fields }) => {
    const link = document.createElement('a');
    link.href = shareQuery(FIELDS.map((f) => fields[f]));
    link.textContent = name;
    const remove = document.createElement('button');
    remove.type = 'button';
    remove.textContent = 'Delete';
    remove.setAttribute('aria-label', `Delete ${name}`);
    remove.addEventListener('click', () => deleteSetup(name));
    const item = document.createElement('li');
    item.append(link, ' ', remove);
    return item;
  }));
  exportButton.disabled = setups.length === 0;
}

function keep({ writeSetups }, setups, done) {
  if (!writeSetups(setups)) {
    refuse('This browser would not keep the setup: its storage is blocked or full.');
    return;
  }
  showSetups(setups);
  tell(done);
}

async function deleteSetup(name) {
  const lib = await extras;
  keep(lib, lib.readSetups(FIELDS).filter((s) => s.name !== name), 'Setup deleted');
}

setupForm.addEventListener('submit', async (event) => {
  event.preventDefault();
  if (!shown) return;
  const lib = await extras;
  const { MAX_SETUPS, readSetups, setupName, withSetup } = lib;
  const name = setupName(setupForm.elements.name.value);
  if (!name) {
    refuse('Enter a setup name of 1 to 40 characters.');
    return;
  }
  const fields = Object.fromEntries(FIELDS.map((f, i) => [f, shown.texts[i]]));
  // Read again: another tab may have changed the list.
  const setups = withSetup(readSetups(FIELDS), { name, fields });
  if (!setups) {
    refuse(`${MAX_SETUPS} setups are saved: delete one before saving another.`);
    return;
  }
  keep(lib, setups, 'Setup saved');
});

exportButton.addEventListener('click', async () => {
  const { download, readSetups, weaponList } = await extras;
  const csv = weaponList(readSetups(FIELDS), FIELDS);
  download(new Blob([csv], { type: 'text/csv' }), 'reacalc-setups.csv');
  tell('Setups exported');
});

// Larger files are refused before they are read: a file of millions of
// short lines takes the core seconds and hundreds of megabytes.
const MAX_LIST_BYTES = 8 << 20;

async function importList(file) {
  const lib = await extras;
  if (file.size > MAX_LIST_BYTES) {
    refuse('The file is larger than 8 MiB: the page reads weapon lists up to that size.');
    return;
  }
  let read;
  try {
    read = readListInCore(new Uint8Array(await file.arrayBuffer()));
  } catch {
    refuse('The file could not be read.');
    return;
  }
  if (read.error) {
    refuse(read.error);
    return;
  }
  // Read again: another tab may have changed the list.
  const { setups, imported, refused } = lib.mergeList(lib.readSetups(FIELDS), read, lib.MAX_SETUPS);
  if (imported > 0 && !lib.writeSetups(setups)) {
    refuse('This browser would not keep the imported setups: its storage is blocked or full. ' +
      'Nothing was imported.');
    return;
  }
  if (imported > 0) showSetups(setups);
  const done = `${imported} ${imported === 1 ? 'setup' : 'setups'} imported`;
  const listed = lib.notImported(read, refused);
  if (!listed) {
    tell(done);
    return;
  }
  refuse(`Lines not imported:\n${listed}`);
  notice.textContent = done;
}

importInput.addEventListener('change', async () => {
  const [file] = importInput.files;
  if (!file) return;
  await importList(file);
  importInput.value = ''; // the same file may be chosen again
});

form.addEventListener('submit', (event) => {
  event.preventDefault();
  calculate();
});

// A share link fills the fields it names and calculates at once.
const shared = new URLSearchParams(location.search);
if (FIELDS.some((name) => shared.has(name))) {
  FIELDS.forEach((name, i) => {
    if (shared.has(name)) inputs[i].value = shared.get(name).slice(0, MAX_UNITS);
  });
  calculate();
}
form.querySelector('button').disabled = false;
document.documentElement.dataset.ready = 'true';

// Once ready, in tasks of their own, before a person's first click can come:
// the engine compiles the core's functions on their first call, so make that
// call once with the default texts (a share link's Calculate has made it);
// then the optional modules. Before ready they held it back by 10 to 25 ms.
if (!shown) setTimeout(() => calculateInCore(inputs.map((input) => input.defaultValue)));
extras = new Promise((resolve) => setTimeout(resolve))
  .then(() => Promise.all([import('./carry.js'), import('./setups.js'), import('./lists.js')]))
  .then((modules) => Object.assign({}, ...modules));
extras.then(({ readSetups }) => showSetups(readSetups(FIELDS)));

// Keeps the site for use with no network (sw.js). Installing it starts a
// worker and fetches every file: not while a new visitor's first clicks run.
setTimeout(() => navigator.serviceWorker?.register('sw.js'), 2000);
