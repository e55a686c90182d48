// The page: the six fields go to the core exactly as typed, and its answer
// fills the table, the standing and the chart, or names the first bad input.
import createReacalc from './reacalc.js';

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

const core = await createReacalc();

// Writes each text's UTF-16 code units into the core's field buffers, one per
// wchar_t, and returns the core's answer (bindings.cpp).
function calculateInCore(texts) {
  const lengths = texts.map((text, i) => {
    const buffer = core._reacalc_field(i) / 4;
    for (let k = 0; k < text.length; k++) core.HEAPU32[buffer + k] = text.charCodeAt(k);
    return text.length;
  });
  const start = core._reacalc_calculate(...lengths);
  const end = core.HEAPU8.indexOf(0, start);
  return new TextDecoder().decode(core.HEAPU8.subarray(start, end));
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

function showChart(svgText) {
  // The chart holds only numbers the core formatted; parsed as SVG, never as HTML.
  const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
  chart.replaceChildren(document.importNode(svg, true));
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
  showChart(answer.slice(standingEnd + 1));
  // The share link, with the optional answers only when asked; replacing the
  // history entry costs milliseconds, so only when it changes.
  const shared = FIELDS.map((name, i) => [name, texts[i]])
    .filter(([name, text]) => !OPTIONAL.has(name) || text !== '');
  const query = `?${new URLSearchParams(shared)}`;
  if (query !== location.search) history.replaceState(null, '', query);
}

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

// The engine compiles the core's functions on their first call: make that
// call once with the default texts, just after ready, not on the first click.
setTimeout(() => calculateInCore(inputs.map((input) => input.defaultValue)));

// Keeps the site for use with no network (sw.js). Installing it starts a
// worker and fetches every file: not while a new visitor's first clicks run.
setTimeout(() => navigator.serviceWorker?.register('sw.js'), 2000);
