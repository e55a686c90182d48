// The floor for the page's timings: the page's own DOM work with the core's
// answer taken as constants (no WebAssembly). web_timings.mjs writes FLOOR
// above this text from what the real page showed for the default inputs.
/* global FLOOR */
const FIELDS = ['baseRea', 'firingMode', 'fps', 'rea'];
const MAX_UNITS = 63;

const form = document.getElementById('inputs');
const inputs = FIELDS.map((name) => document.getElementById(name));
const message = document.getElementById('message');
const tbody = document.querySelector('tbody');
const chart = document.getElementById('chart');

function showRows(rows) {
  tbody.replaceChildren(...rows.map((cells) => {
    const tr = document.createElement('tr');
    for (const text of cells) {
      const td = document.createElement('td');
      td.textContent = text;
      tr.append(td);
    }
    return tr;
  }));
}

function showChart(svgText) {
  const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
  chart.replaceChildren(document.importNode(svg, true));
}

form.addEventListener('submit', (event) => {
  event.preventDefault();
  const texts = inputs.map((input) => input.value.slice(0, MAX_UNITS));
  message.textContent = '';
  showRows(FLOOR.rows);
  showChart(FLOOR.svg);
  const query = `?${new URLSearchParams(FIELDS.map((name, i) => [name, texts[i]]))}`;
  if (query !== location.search) history.replaceState(null, '', query);
});

const shared = new URLSearchParams(location.search);
if (FIELDS.some((name) => shared.has(name))) form.requestSubmit();
form.querySelector('button').disabled = false;
document.documentElement.dataset.ready = 'true';
