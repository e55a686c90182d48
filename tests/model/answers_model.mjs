// The model of the player's answers, beside reacalc_model.mjs: frames per
// shot, the REA % a player stands at, and frame rates side by side, written
// from the rules alone.
import {
  breakpointTable, formatBps, formatRea, isWhiteSpace, parseCalcInputs, parseInt32Field, rateAt,
  scanInt32,
} from './reacalc_model.mjs';

export const LIST_MESSAGE = 'Enter 1 to 4 frame rates > 0 to compare';
export const scanned = (inputs) => Math.min(inputs.reaLimit, 100);
export const standingMessage = (inputs) => `Enter your REA % from 0 to ${scanned(inputs) - 1}`;

/** The frames text of a row: the frames per shot, '' when its bps is 0. */
export function framesText(row, inputs) {
  const { frames } = rateAt(row.rea, inputs);
  return row.bps === 0 ? '' : String(frames);
}

/** {value} for an integer REA % within the scan, else {message}. */
export function parseStanding(text, inputs) {
  const value = scanInt32(text);
  return value !== null && value >= 0 && value < scanned(inputs)
    ? { value } : { message: standingMessage(inputs) };
}

/** {value: [fps, ...]} for 1 to 4 pieces that each pass the Fps rule, else {message}. */
export function parseFrameRates(text) {
  const pieces = [];
  let piece = '';
  for (const ch of `${text},`) {
    if (ch === ',' || isWhiteSpace(ch.charCodeAt(0))) {
      if (piece) pieces.push(piece);
      piece = '';
    } else {
      piece += ch;
    }
  }
  const values = pieces.map((p) => parseInt32Field(p, LIST_MESSAGE));
  return pieces.length >= 1 && pieces.length <= 4 && values.every((v) => 'value' in v)
    ? { value: values.map((v) => v.value) } : { message: LIST_MESSAGE };
}

/** The row in effect at percent: the last one at or before it. */
export const inEffect = (rows, percent) => rows.filter((r) => r.rea <= percent).at(-1);

/** {series: [{fps, rows}], percents}: the main fps first, repeats dropped. */
export function compare(inputs, others) {
  const fpsList = [...new Set([inputs.fps, ...others])];
  const series = fpsList.map((fps) => ({ fps, rows: breakpointTable({ ...inputs, fps }) }));
  const percents = [...new Set(series.flatMap((s) => s.rows.map((r) => r.rea)))].sort((a, b) => a - b);
  return { series, percents };
}

/** The standing at percent: {at, since, next} with each row's texts (next may be null). */
export function standing(inputs, percent) {
  const rows = breakpointTable(inputs);
  const since = inEffect(rows, percent);
  const next = rows.find((r) => r.rea > percent) ?? null;
  const texts = (r) => r && { rea: formatRea(r.rea), bps: formatBps(r.bps), frames: framesText(r, inputs) };
  return { at: percent, since: texts(since), next: texts(next), end: scanned(inputs) - 1 };
}

/** The page's status sentence for a standing. */
export function standingSentence({ at, since, next, end }) {
  const frames = (f) => (f ? ` (${f} frames a shot)` : '');
  const head = `At ${at} %: ${since.bps} BPS${frames(since.frames)} since ${since.rea} %. `;
  if (!next) return `${head}No further framebreak up to ${end} %.`;
  return `${head}Next framebreak at ${next.rea} % (+${Number(next.rea) - at}): ${next.bps} BPS${frames(next.frames)}.`;
}

/**
 * What the page shows for its six texts: {message}, or {headers, rows,
 * current (index or -1), status, marker (or null), series ([] or the fps list)}.
 */
export function calculatePage([baseRea, firingMode, fps, rea, at, others]) {
  const parsed = parseCalcInputs([baseRea, firingMode, fps, rea]);
  if ('message' in parsed) return parsed;
  const { inputs } = parsed;
  let marker = null;
  if (at !== '') {
    const p = parseStanding(at, inputs);
    if ('message' in p) return p;
    marker = p.value;
  }
  let list = null;
  if (others !== '') {
    const l = parseFrameRates(others);
    if ('message' in l) return l;
    list = l.value;
  }
  const status = marker === null ? '' : standingSentence(standing(inputs, marker));
  if (list === null) {
    const rows = breakpointTable(inputs);
    return {
      headers: ['REA', 'BPS', 'Frames'],
      rows: rows.map((r) => [formatRea(r.rea), formatBps(r.bps), framesText(r, inputs)]),
      current: marker === null ? -1 : rows.indexOf(inEffect(rows, marker)),
      status, marker, series: [],
    };
  }
  const { series, percents } = compare(inputs, list);
  return {
    headers: ['REA', ...series.map((s) => `BPS @ ${s.fps}`)],
    rows: percents.map((p) => [formatRea(p), ...series.map((s) => formatBps(inEffect(s.rows, p).bps))]),
    current: marker === null ? -1 : percents.filter((p) => p <= marker).length - 1,
    status, marker, series: series.map((s) => String(s.fps)),
  };
}
