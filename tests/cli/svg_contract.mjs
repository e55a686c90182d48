// What `reacalc-cli --svg` promises about its chart, as one function that
// lists every broken promise: checkSvg(bytes, inputs, rows) -> [problem, ...].
// `inputs` are the validated inputs and `rows` the table's cell texts, both
// from the model, so the chart is held against the table, not against itself.
import { scanReal } from '../model/reacalc_model.mjs';
import { allElements, childElements, parseXml, textOf } from './xml_strict.mjs';

const NUMBER = '-?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)'; // plain decimal, no exponent
const SEP = '[ ,]*';
const FIRST_STEP = new RegExp(`^M ?(${NUMBER})${SEP}(${NUMBER}) ?H ?(${NUMBER})$`);
const LATER_STEP = new RegExp(`^M ?(${NUMBER})${SEP}(${NUMBER}) ?V ?(${NUMBER}) ?H ?(${NUMBER})$`);
const num = (text) => scanReal(text);

/** The heading's baseRea text must read back as exactly the validated value. */
function baseReaTextMatches(text, baseRea) {
  if (baseRea === Infinity) return text === 'inf';
  return /^[0-9]+(\.[0-9]+)?([eE][+-]?[0-9]+)?$/.test(text) && Object.is(scanReal(text), baseRea);
}

function checkSafety(svgText, root, problems) {
  for (const word of ['<script', 'url(', 'javascript:']) {
    if (svgText.toLowerCase().includes(word)) problems.push(`contains ${JSON.stringify(word)}`);
  }
  for (const e of allElements(root)) {
    if (/^(script|foreignobject|style)$/i.test(e.name)) problems.push(`<${e.name}> element`);
    for (const name of Object.keys(e.attrs)) {
      if (/^(on|style$|href$|xlink:href$)/i.test(name)) problems.push(`attribute ${name} on <${e.name}>`);
    }
  }
}

function checkRoot(svgText, root, inputs, problems) {
  if (!svgText.startsWith('<svg xmlns="http://www.w3.org/2000/svg"')) problems.push('does not start with <svg xmlns=...');
  if (!svgText.endsWith('</svg>\n')) problems.push('does not end with </svg> and a newline');
  if (root.attrs.version !== '1.1') problems.push(`version is ${root.attrs.version}`);
  if ('width' in root.attrs || 'height' in root.attrs) problems.push('root has width or height');
  const box = new RegExp(`^0 0 (${NUMBER}) (${NUMBER})$`).exec(root.attrs.viewBox ?? '');
  if (!box || !(num(box[1]) > 0 && num(box[2]) > 0)) problems.push(`viewBox ${root.attrs.viewBox}`);
  const [first] = childElements(root);
  const title = first?.name === 'title' ? textOf(first) : null;
  const heading = /^Framebreaks for BaseRea (.*), FiringMode (.*), Fps (.*), Rea (.*)$/.exec(title ?? '');
  if (!heading) {
    problems.push(`first child is not the heading <title>: ${JSON.stringify(title ?? first?.name)}`);
  } else {
    const [, b, f, p, r] = heading;
    if (!baseReaTextMatches(b, inputs.baseRea)) problems.push(`heading baseRea ${b} is not ${inputs.baseRea}`);
    if ([f, p, r].join() !== [inputs.firingMode, inputs.fps, inputs.reaLimit].join()) problems.push(`heading ${title}`);
  }
  return box ? { width: num(box[1]), height: num(box[2]) } : null;
}

// One row <g>: its cell texts, tooltip, step path and point.
function readRow(g, [rea, bps], index, problems) {
  const where = `row ${rea}`;
  if (g.name !== 'g' || g.attrs.class !== 'row') problems.push(`${where}: is <${g.name} class=${g.attrs.class}>`);
  if (g.attrs['data-rea'] !== rea || g.attrs['data-bps'] !== bps) {
    problems.push(`${where}: data-rea=${g.attrs['data-rea']} data-bps=${g.attrs['data-bps']}, table says ${rea} ${bps}`);
  }
  const [first] = childElements(g);
  const tooltip = `${rea} %: ${bps} BPS`;
  if (first?.name !== 'title' || textOf(first) !== tooltip) problems.push(`${where}: first child is not <title>${tooltip}</title>`);
  const paths = [...allElements(g)].filter((e) => e.name === 'path');
  const circles = [...allElements(g)].filter((e) => e.name === 'circle');
  if (paths.length !== 1 || circles.length !== 1) {
    problems.push(`${where}: ${paths.length} paths and ${circles.length} circles, not one of each`);
    return null;
  }
  const d = paths[0].attrs.d ?? '';
  const m = (index === 0 ? FIRST_STEP : LATER_STEP).exec(d);
  if (!m) { problems.push(`${where}: path d=${JSON.stringify(d)}`); return null; }
  const [x, yFrom, y, x2] = index === 0 ? [m[1], m[2], m[2], m[3]] : m.slice(1, 5);
  const point = { x: num(x), y: num(y), yFrom: num(yFrom), x2: num(x2), bps: num(bps), bpsText: bps };
  const { cx, cy } = circles[0].attrs;
  if (!(new RegExp(`^${NUMBER}$`).test(cx ?? '') && num(cx) === point.x && num(cy ?? '') === point.y)) {
    problems.push(`${where}: circle at ${cx},${cy}, step starts at ${x},${y}`);
  }
  return point;
}

// The steps drawn must be the table: left to right by REA, joined end to
// start, higher for more BPS, on the level of the row before.
function checkSteps(points, box, problems) {
  points.forEach((p, i) => {
    const next = points[i + 1];
    if (next && !(next.x > p.x)) problems.push(`row ${i + 1} x ${next.x} not right of ${p.x}`);
    if (next && next.x !== p.x2) problems.push(`row ${i} ends at ${p.x2}, row ${i + 1} starts at ${next.x}`);
    // The last step runs to the end of the scanned range, which a row at the
    // last scanned percentage already stands on.
    if (!next && !(p.x2 >= p.x)) problems.push(`last step ends at ${p.x2}, left of ${p.x}`);
    if (i > 0 && p.yFrom !== points[i - 1].y) problems.push(`row ${i} rises from ${p.yFrom}, row ${i - 1} is at ${points[i - 1].y}`);
    if (box && [p.x, p.x2].some((v) => v < 0 || v > box.width)) problems.push(`row ${i} x outside the viewBox`);
    if (box && (p.y < 0 || p.y > box.height)) problems.push(`row ${i} y outside the viewBox`);
    for (const q of points) {
      const sameText = p.bpsText === q.bpsText;
      if (sameText ? p.y !== q.y : (p.bps < q.bps) !== (p.y > q.y)) {
        problems.push(`BPS ${p.bpsText} at y ${p.y} and ${q.bpsText} at y ${q.y}`);
      }
    }
  });
}

/**
 * Every way the chart `bytes` (a Uint8Array) breaks its promises for these
 * validated inputs and table rows ([[reaText, bpsText], ...]); [] if none.
 * Also returns the end of the last step, which must depend on the scanned
 * range only.
 */
export function checkSvg(bytes, inputs, rows) {
  let svgText;
  try {
    svgText = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return { problems: ['not valid UTF-8'] };
  }
  let root;
  try {
    root = parseXml(svgText, /^\n$/);
  } catch (e) {
    return { problems: [`not well-formed: ${e.message}`] };
  }
  const problems = [];
  if (root.name !== 'svg') problems.push(`root is <${root.name}>`);
  checkSafety(svgText, root, problems);
  const box = checkRoot(svgText, root, inputs, problems);
  const carriers = [...allElements(root)].filter((e) => 'data-rea' in e.attrs || 'data-bps' in e.attrs);
  if (carriers.length !== rows.length) problems.push(`${carriers.length} elements carry data-rea/data-bps, the table has ${rows.length} rows`);
  const points = carriers.slice(0, rows.length).map((g, i) => readRow(g, rows[i], i, problems));
  if (points.length === rows.length && points.every(Boolean)) checkSteps(points, box, problems);
  return { problems, end: points.at(-1)?.x2 };
}
