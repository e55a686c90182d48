// Seeded inputs for the black-box run of reacalc-cli: each group aims at one
// way the program can go wrong. Every case is four texts [baseRea,
// firingMode, fps, reaLimit]; the model decides what the program must print.

// xorshift32: small, seeded, and the same sequence on every run.
export function prng(seed) {
  let s = seed >>> 0 || 1;
  const next = () => {
    s ^= s << 13; s >>>= 0;
    s ^= s >>> 17;
    s ^= s << 5; s >>>= 0;
    return s;
  };
  const int = (lo, hi) => lo + (next() % (hi - lo + 1)); // lo..hi, hi - lo < 2^32
  const pick = (list) => list[next() % list.length];
  // Spread over magnitudes: 10^lo .. 10^hi.
  const logUniform = (lo, hi) => 10 ** (lo + (hi - lo) * (next() / 2 ** 32));
  return { next, int, pick, logUniform, chance: (p) => next() / 2 ** 32 < p };
}

const DIGIT_ZEROS = [0x30, 0x660, 0x6f0, 0x966, 0x9e6, 0xa66, 0xae6, 0xb66, 0xc66, 0xce6,
  0xd66, 0xe50, 0xed0, 0xf20, 0x1040, 0x17e0, 0x1810, 0xff10];
const WHITE = ['\t', '\n', '\v', '\f', '\r', ' ', '\u0085', '\u00a0', '\u1680', '\u2000',
  '\u2005', '\u200a', '\u2028', '\u2029', '\u202f', '\u205f', '\u3000'];
// Look like blanks but are not white space here.
const NOT_WHITE = ['\u180e', '\u200b', '\ufeff', '\u00ad', '\u2060'];

/** ASCII digits rewritten one by one in random scripts. */
export const transliterate = (r, text) =>
  text.replace(/[0-9]/g, (d) => String.fromCharCode(r.pick(DIGIT_ZEROS) + Number(d)));
const blanks = (r) => Array.from({ length: r.int(1, 3) }, () => r.pick(WHITE)).join('');

const intText = (r) => String(Math.floor(r.logUniform(0, 9.33)));
const smallInt = (r, hi) => String(r.int(1, hi));

// A double as one of the forms the baseRea field takes.
function realText(r, x) {
  switch (r.int(0, 3)) {
    case 0: return x.toPrecision(r.int(1, 21));
    case 1: return x.toExponential(r.int(0, 20)).replace('e+', r.pick(['e', 'E+', 'e+']));
    case 2: return `0x${x.toString(16)}`.replace(/^0x([0-9a-f]*)\.?([0-9a-f]*)$/, (_, i, f) => `0x${i}${f ? `.${f}` : ''}`);
    default: return String(x);
  }
}

const known = [
  ['0.45', '3', '60', '81'], ['0.45', '3', '60', '250'], ['0.1', '1', '120', '100'],
  ['0.1', '3', '120', '26'], ['0.5', '1', '120', '100'], ['0.01', '3', '30', '5'],
  ['100', '1', '60', '100'], ['inf', '1', '60', '100'], ['0.92', '1', '17', '1'],
  ['1.2e-299', '2147483647', '60', '100'], ['1e-310', '1', '60', '100'],
  ['0.45', '2147483647', '2147483647', '2147483647'], ['1e308', '1', '2147483647', '100'],
];

// The exact decimal text of a double (finite, > 0) and of the points halfway
// to its neighbours, where a conversion that is off by one ulp shows.
function exactText(mantissa, exponent) {
  if (exponent >= 0) return (mantissa << BigInt(exponent)).toString();
  const k = -exponent;
  const digits = (mantissa * 5n ** BigInt(k)).toString().padStart(k + 1, '0');
  return `${digits.slice(0, -k)}.${digits.slice(-k)}`.replace(/0+$/, '');
}
function halfwayTexts(r, x) {
  const bits = new BigUint64Array(new Float64Array([x]).buffer)[0];
  const field = bits >> 52n;
  const m = field === 0n ? bits : (bits & ((1n << 52n) - 1n)) | (1n << 52n);
  const e = Number(field === 0n ? -1074n : field - 1075n);
  // (2m ± 1) x 2^(e-1): the halfway points above and below (below is off by
  // a little at powers of two, which only makes it an ordinary case).
  const texts = [];
  for (const mid of [exactText(2n * m + 1n, e - 1), exactText(2n * m - 1n, e - 1)]) {
    // Just above: a 1 after up to 800 digits in all; just below: ...4999999999.
    const point = mid.includes('.') ? '' : '.';
    const zeros = '0'.repeat(r.int(0, Math.max(0, 800 - mid.length)));
    texts.push(mid, `${mid}${point}${zeros}1`, mid.includes('.') ? mid.replace(/5$/, '4999999999') : `${mid}.${zeros}`);
  }
  return texts;
}

const badBaseRea = ['', ' ', '0', '-1', '-0.45', '-inf', 'nan', 'NAN(12_x)', 'nan(', '1e', '1e+',
  '0x', '0x.', '0x1p', '0.45 ', '0,45', '\u200b0.45', '1e-400', '0x1p-1075', '\u0be7', '+', '.',
  '\u22121', '0.45\u00a0', 'abc', '1..2', 'infinit', '0e99', '٠٫٤٥', '0.45\t', '2.4703282292062327e-324'];
const badInt = ['', ' ', '0', '-1', '3.0', '0x10', '+', '60 ', '1e3', '-99999999999', '\u0be8',
  '٣,٠', '6\u200b0', '0.5', '\u22121', '+-1', '00', '1\u00a0', 'inf'];
const goodTexts = () => ['0.45', '3', '60', '81'];

/** The case groups, each a list of four-text inputs. */
export function caseGroups(seed = 20240611) {
  const r = prng(seed);
  const times = (n, make) => Array.from({ length: n }, make);
  const validInt = () => (r.chance(0.7) ? smallInt(r, r.pick([10, 200, 5000])) : intText(r));
  return {
    known,
    // Small baseRea and a high frame rate: bps changes at nearly every percentage.
    hundredRows: times(40, () => [realText(r, r.logUniform(-3.3, -1.5)), smallInt(r, 3),
      smallInt(r, 10_000_000), String(r.int(100, 2147483647))]),
    random: times(250, () => [realText(r, r.logUniform(-4, 2)), validInt(), validInt(), validInt()]),
    // Intervals of 16 frames with an odd frame rate: bps ends in ...5 at the fourth decimal.
    ties: times(40, () => {
      const firingMode = r.int(1, 5);
      const fps = 2 * r.int(8, 3000) + 1;
      return [((15.5 * firingMode) / fps).toPrecision(12), String(firingMode), String(fps), smallInt(r, 100)];
    }),
    saturated: times(30, () => {
      const huge = () => r.pick(['2147483647', '2147483648', '99999999999', `+${'0'.repeat(r.int(0, 40))}${'9'.repeat(r.int(10, 300))}`]);
      return [realText(r, r.logUniform(-3, 0)), r.chance(0.5) ? huge() : '3', r.chance(0.6) ? huge() : '60', r.chance(0.7) ? huge() : '81'];
    }),
    extremes: times(50, () => [r.pick(['4.9e-324', '5e-324', '1e-310', '0x1p-1074', '0x0.0000000000001p-1022',
      '0x1.0000000000001p-1075', '0x3p-1076', '2.4703282292062328e-324', '2.2250738585072014e-308',
      '1e308', '1.7976931348623157e308', '1.7976931348623159e308', '1e309', '0x1p1023', '0x1p1024',
      'INF', 'Infinity', '+inf', `1e${'9'.repeat(r.int(3, 30))}`, '1.2e-299', '1.1e-299', '5.6e-309']),
    r.pick(['1', '3', '2147483647', '1000000']), r.pick(['1', '60', '2147483647']), r.pick(['1', '100', '2147483647'])]),
    halfway: [[0.45, '3', '60', '81'], [0.1, '1', '120', '100'], [0.5, '1', '120', '100'],
      [0.92, '1', '17', '1'], [0.1, '3', '120', '26'], [r.logUniform(-3, 0), '1', '1000', '100'],
      [r.logUniform(-300, -1), '7', '144', '100'], [r.logUniform(1, 300), '1', '60', '5']]
      .flatMap(([x, ...rest]) => halfwayTexts(r, x).map((t) => [t, ...rest])),
    invalid: times(200, () => {
      const texts = goodTexts();
      const first = r.int(0, 3);
      texts[first] = r.pick(first === 0 ? badBaseRea : badInt);
      for (let k = first + 1; k < 4; k++) if (r.chance(0.5)) texts[k] = r.pick(badInt);
      return texts;
    }),
    scripts: times(100, () => {
      const texts = [realText(r, r.logUniform(-3, 1)), validInt(), validInt(), validInt()]
        .map((t) => (r.chance(0.8) ? transliterate(r, t) : t))
        .map((t) => (r.chance(0.4) ? blanks(r) + t : t));
      if (r.chance(0.2)) {
        const k = r.int(0, 3);
        texts[k] = r.pick(NOT_WHITE) + texts[k];
      }
      if (r.chance(0.1)) texts[r.int(0, 3)] += r.pick(WHITE);
      return texts;
    }),
    junk: times(150, () => times(4, () => junkText(r))),
  };
}

// Random short texts over characters the rules give meaning to, and a few they do not.
const JUNK = ['0', '1', '5', '9', '٣', '۷', '१', '০', '๙', '０', '௧', '+', '-', '.', 'e', 'E', 'x', 'X',
  'p', 'P', 'a', 'f', 'F', 'inf', 'nan', 'infinity', '(', ')', '_', ' ', '\u00a0', '\u3000', '\u200b',
  '\u180e', ',', '\u{1d7cf}', '\u{1f600}', 'é', '%', '0x'];
function junkText(r) {
  let s = '';
  for (let n = r.int(0, 8); n > 0; n--) s += r.pick(JUNK);
  return s;
}
