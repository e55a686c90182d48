// An independent model of reacalc's rules: the four field rules, the
// breakpoint table and the two cell texts, written from the rules alone so
// that tests can hold the C++ program against a second implementation.
//
// Pure JavaScript, no Node APIs: a browser test can import it too.
// Texts are JS strings, judged one UTF-16 code unit at a time (a surrogate is
// never a digit nor white space, so astral characters always fail a field).
// Numbers are converted with BigInt arithmetic, never with Number() or
// parseFloat: the model must not share the engine's conversion.

export const MESSAGES = Object.freeze({
  baseRea: 'Enter valid baseRea > 0',
  firingMode: 'Enter valid firingMode > 0',
  fps: 'Enter valid FPS > 0',
  reaLimit: 'Enter valid REA % > 0',
});

const INT32_MIN = -2147483648;
const INT32_MAX = 2147483647;

// ---------------------------------------------------------------- characters

const DIGIT_ZEROS = [0x0030, 0x0660, 0x06f0, 0x0966, 0x09e6, 0x0a66, 0x0ae6, 0x0b66, 0x0c66,
  0x0ce6, 0x0d66, 0x0e50, 0x0ed0, 0x0f20, 0x1040, 0x17e0, 0x1810, 0xff10];

/** 0..9 for a decimal digit of any of the 18 accepted scripts, else -1. */
export function digitValue(unit) {
  for (const zero of DIGIT_ZEROS) {
    if (unit >= zero && unit <= zero + 9) return unit - zero;
  }
  return -1;
}

/** Leading white space: C0 blanks, NEL, NBSP and Unicode White_Space above U+00FF. */
export function isWhiteSpace(unit) {
  return (unit >= 0x09 && unit <= 0x0d) || unit === 0x20 || unit === 0x85 || unit === 0xa0 ||
    unit === 0x1680 || (unit >= 0x2000 && unit <= 0x200a) || unit === 0x2028 ||
    unit === 0x2029 || unit === 0x202f || unit === 0x205f || unit === 0x3000;
}

function hexLetterValue(unit) {
  if (unit >= 0x61 && unit <= 0x66) return unit - 0x61 + 10; // a-f
  if (unit >= 0x41 && unit <= 0x46) return unit - 0x41 + 10; // A-F
  return -1;
}

// The C program sees NUL-terminated texts: whatever follows a U+0000 is not there.
function visibleText(text) {
  const nul = text.indexOf('\0');
  return nul < 0 ? text : text.slice(0, nul);
}

// A cursor over one text: the scanners below read it left to right.
function cursor(text) {
  const s = visibleText(text);
  let i = 0;
  while (i < s.length && isWhiteSpace(s.charCodeAt(i))) i++;
  return {
    peek: (k = 0) => (i + k < s.length ? s.charCodeAt(i + k) : -1),
    skip: (n) => { i += n; },
    atEnd: () => i === s.length,
    // An ASCII word in any letter case ("inf", "INFINITY"); setting bit 5
    // folds only 'A'-'Z' onto 'a'-'z', so no other character can match.
    word: (w) => [...w].every((ch, k) => (s.charCodeAt(i + k) | 0x20) === ch.charCodeAt(0)),
    rest: () => s.slice(i),
  };
}

function takeSign(c) {
  const u = c.peek();
  if (u === 0x2b || u === 0x2d) { c.skip(1); return u === 0x2d; }
  return false;
}

// Digits in `valueOf`'s base from the cursor: their values as a BigInt and count.
function takeDigits(c, base, valueOf) {
  let value = 0n;
  let count = 0;
  for (let d = valueOf(c.peek()); d >= 0; d = valueOf(c.peek())) {
    value = value * base + BigInt(d);
    count++;
    c.skip(1);
  }
  return { value, count };
}

const hexDigitValue = (u) => (digitValue(u) >= 0 ? digitValue(u) : hexLetterValue(u));

// ------------------------------------------------------------ exact rounding

/** The double whose IEEE bits are `bits` (a BigInt). */
function fromBits(bits) {
  const view = new DataView(new ArrayBuffer(8));
  view.setBigUint64(0, bits);
  return view.getFloat64(0);
}

/** IEEE bits of a double, as a BigInt. */
export function toBits(x) {
  const view = new DataView(new ArrayBuffer(8));
  view.setFloat64(0, x);
  return view.getBigUint64(0);
}

const bitLength = (n) => (n === 0n ? 0 : n.toString(2).length);
const INFINITY_BITS = 0x7ffn << 52n;

/**
 * The double nearest to p / q (BigInts, p >= 0, q > 0), ties to even,
 * subnormals kept, +Infinity beyond the largest double.
 */
export function roundRatio(p, q) {
  if (p === 0n) return 0;
  // Choose e so that the quotient p / q / 2^e has 53 bits (52 for subnormals).
  let e = bitLength(p) - bitLength(q) - 53;
  const quotient = (exp) => (exp >= 0 ? [p, q << BigInt(exp)] : [p << BigInt(-exp), q]);
  let [num, den] = quotient(e);
  if (num / den >= 1n << 53n) [num, den] = quotient(++e);
  if (e < -1074) [num, den] = quotient((e = -1074));
  let m = num / den;
  const twiceRest = 2n * (num % den);
  if (twiceRest > den || (twiceRest === den && (m & 1n) === 1n)) m++;
  // With m in [2^52, 2^53] this is the biased exponent above the 52 fraction
  // bits; for subnormals (e = -1074, m < 2^52) the exponent field is 0. A
  // carry into 2^53 moves into the exponent by itself.
  const bits = (BigInt(e + 1074) << 52n) + m;
  return bits >= INFINITY_BITS ? Infinity : fromBits(bits);
}

// digits x radix^exponent (BigInts) as the nearest double. Exponents far
// outside the double range are settled first, so "1e999999999999" costs
// nothing: `magnitude` bounds the value as radix^(magnitude-1) <= v < radix^magnitude.
function roundScaled(digits, radix, exponent, maxMagnitude, minMagnitude) {
  if (digits === 0n) return 0;
  const magnitude = exponent + BigInt(digits.toString(radix).length);
  if (magnitude > maxMagnitude) return Infinity;
  if (magnitude < minMagnitude) return 0;
  const r = BigInt(radix);
  return exponent >= 0n ? roundRatio(digits * r ** exponent, 1n) : roundRatio(digits, r ** -exponent);
}

// Decimal: v >= 10^309 > DBL_MAX once magnitude > 309; v < 10^-324, below
// half the smallest subnormal (2^-1075 ~ 2.47e-324), once magnitude <= -324.
const roundDecimal = (digits, exp) => roundScaled(digits, 10, exp, 309n, -323n);
// Binary: v >= 2^1024 once magnitude > 1024; v < 2^-1075 once magnitude <= -1075.
const roundBinary = (digits, exp) => roundScaled(digits, 2, exp, 1024n, -1074n);

// ------------------------------------------------------------- baseRea rule

// Optional exponent: marker, optional sign, at least one decimal digit. An
// incomplete exponent is not part of the number, so it is left unread.
function takeExponent(c, markers) {
  if (!markers.includes(c.peek())) return 0n;
  const sign = c.peek(1);
  const signed = sign === 0x2b || sign === 0x2d;
  if (digitValue(c.peek(signed ? 2 : 1)) < 0) return 0n;
  c.skip(signed ? 2 : 1);
  const { value } = takeDigits(c, 10n, digitValue);
  return sign === 0x2d ? -value : value;
}

// Integer and fraction digits around an optional '.': value and fraction length.
function takeMantissa(c, base, valueOf) {
  const whole = takeDigits(c, base, valueOf);
  let fraction = { value: 0n, count: 0 };
  if (c.peek() === 0x2e && (whole.count > 0 || valueOf(c.peek(1)) >= 0)) {
    c.skip(1);
    fraction = takeDigits(c, base, valueOf);
  }
  return {
    count: whole.count + fraction.count,
    digits: whole.value * base ** BigInt(fraction.count) + fraction.value,
    fractionCount: fraction.count,
  };
}

function scanHex(c) {
  c.skip(2); // "0x"
  const m = takeMantissa(c, 16n, hexDigitValue);
  const exponent = takeExponent(c, [0x70, 0x50]) - 4n * BigInt(m.fractionCount);
  return roundBinary(m.digits, exponent);
}

function scanDecimal(c) {
  const m = takeMantissa(c, 10n, digitValue);
  if (m.count === 0) return null;
  const exponent = takeExponent(c, [0x65, 0x45]) - BigInt(m.fractionCount);
  return roundDecimal(m.digits, exponent);
}

// "nan" and "nan(n-chars)", n-chars being ASCII letters, digits and '_'.
function scanNaN(c) {
  c.skip(3);
  const m = /^\([0-9A-Za-z_]*\)/.exec(c.rest());
  if (m) c.skip(m[0].length);
  return NaN;
}

function scanRealMagnitude(c) {
  if (c.word('infinity')) { c.skip(8); return Infinity; }
  if (c.word('inf')) { c.skip(3); return Infinity; }
  if (c.word('nan')) return scanNaN(c);
  if (c.peek() === 0x30 && (c.peek(1) | 0x20) === 0x78 && takesHex(c)) return scanHex(c);
  return scanDecimal(c);
}

// "0x" starts a hex number only when a hex digit follows (after an optional
// '.'): otherwise the number is the "0" and the "x..." is trailing text.
function takesHex(c) {
  const at = c.peek(2) === 0x2e ? 3 : 2;
  return hexDigitValue(c.peek(at)) >= 0;
}

/**
 * The value of a whole baseRea text, or null when the text is not exactly one
 * number after leading white space: " 0.45" -> 0.45, "0x1p-2" -> 0.25,
 * "-inf" -> -Infinity, "nan" -> NaN, "1e" / "0.45 " / "0,45" -> null.
 */
export function scanReal(text) {
  const c = cursor(text);
  const negative = takeSign(c);
  const magnitude = scanRealMagnitude(c);
  if (magnitude === null || !c.atEnd()) return null;
  return negative ? -magnitude : magnitude;
}

/** The baseRea rule: {value} for a number > 0, else {message}. */
export function parseBaseRea(text) {
  const value = scanReal(text);
  return value !== null && value > 0 ? { value } : { message: MESSAGES.baseRea };
}

// ----------------------------------------------------------- integer fields

/** A whole base-10 integer text saturated to int32, or null: "007" -> 7. */
export function scanInt32(text) {
  const c = cursor(text);
  const negative = takeSign(c);
  const { value, count } = takeDigits(c, 10n, digitValue);
  if (count === 0 || !c.atEnd()) return null;
  const signed = negative ? -value : value;
  if (signed > BigInt(INT32_MAX)) return INT32_MAX;
  if (signed < BigInt(INT32_MIN)) return INT32_MIN;
  return Number(signed); // exact: it is within the int32 range
}

/** The rule of firingMode, fps and reaLimit: {value} when >= 1, else {message}. */
export function parseInt32Field(text, message) {
  const value = scanInt32(text);
  return value !== null && value >= 1 ? { value } : { message };
}

/**
 * The four texts [baseRea, firingMode, fps, reaLimit] as {inputs}, or the
 * {message} of the first field, in that order, that fails.
 */
export function parseCalcInputs([baseRea, firingMode, fps, reaLimit]) {
  const fields = [
    ['baseRea', () => parseBaseRea(baseRea)],
    ['firingMode', () => parseInt32Field(firingMode, MESSAGES.firingMode)],
    ['fps', () => parseInt32Field(fps, MESSAGES.fps)],
    ['reaLimit', () => parseInt32Field(reaLimit, MESSAGES.reaLimit)],
  ];
  const inputs = {};
  for (const [name, rule] of fields) {
    const result = rule();
    if ('message' in result) return { message: result.message };
    inputs[name] = result.value;
  }
  return { inputs };
}

// ------------------------------------------------------------------- table

// ceil(framesExact) when it fits int32, else null (+Infinity included).
function framesPerShotOf(framesExact) {
  const frames = Math.ceil(framesExact);
  return frames >= INT32_MIN && frames <= INT32_MAX ? frames : null;
}

/**
 * {frames, bps} at one percentage; every step is one rounded double
 * operation, in this order. frames is null when out of range (bps 0).
 */
export function rateAt(i, { baseRea, firingMode, fps }) {
  const factor = 1 - i / 100;
  const reaTime = factor * baseRea;
  const shotsPerSecond = (1 / reaTime) * firingMode;
  const framesExact = fps / shotsPerSecond;
  const framesPerShot = framesPerShotOf(framesExact);
  return framesPerShot !== null && framesPerShot >= 1 && framesPerShot <= fps
    ? { frames: framesPerShot, bps: fps / framesPerShot }
    : { frames: null, bps: 0 };
}

/** bps at one percentage. */
export const bpsAt = (i, inputs) => rateAt(i, inputs).bps;

/** The framebreaks: [{rea, bps}], the first percentage and every change by more than 1e-6. */
export function breakpointTable(inputs) {
  const count = Math.min(inputs.reaLimit, 100);
  const rows = [];
  let prevBps = -1;
  for (let i = 0; i < count; i++) {
    const bps = bpsAt(i, inputs);
    if (Math.abs(prevBps - bps) > 1e-6) {
      rows.push({ rea: i, bps });
      prevBps = bps;
    }
  }
  return rows;
}

// --------------------------------------------------------------- cell texts

/** x = mantissa x 2^exponent exactly (BigInt mantissa), for a finite x >= 0. */
export function decompose(x) {
  const bits = toBits(x) & ((1n << 63n) - 1n);
  const field = Number(bits >> 52n);
  const fraction = bits & ((1n << 52n) - 1n);
  return field === 0
    ? { mantissa: fraction, exponent: -1074 }
    : { mantissa: fraction | (1n << 52n), exponent: field - 1075 };
}

/** "%.3f" from the exact binary value, ties to even: 17/16 -> "1.062". */
export function formatBps(x) {
  if (Number.isNaN(x)) return 'nan';
  const sign = x < 0 || Object.is(x, -0) ? '-' : '';
  if (!Number.isFinite(x)) return `${sign}inf`;
  const { mantissa, exponent } = decompose(x);
  const scaled = mantissa * 1000n;
  let thousandths;
  if (exponent >= 0) {
    thousandths = scaled << BigInt(exponent);
  } else {
    const den = 1n << BigInt(-exponent);
    thousandths = scaled / den;
    const twiceRest = 2n * (scaled % den);
    if (twiceRest > den || (twiceRest === den && (thousandths & 1n) === 1n)) thousandths++;
  }
  const digits = thousandths.toString().padStart(4, '0');
  return `${sign}${digits.slice(0, -3)}.${digits.slice(-3)}`;
}

/** The REA cell: the percentage in decimal. */
export const formatRea = (rea) => String(rea);

/** The whole calculation: {rows: [[reaText, bpsText], ...]} or {message}. */
export function calculate(texts) {
  const parsed = parseCalcInputs(texts);
  if ('message' in parsed) return parsed;
  return { rows: breakpointTable(parsed.inputs).map((r) => [formatRea(r.rea), formatBps(r.bps)]) };
}
