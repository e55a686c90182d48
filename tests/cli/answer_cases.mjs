// Seeded inputs for the player's answers, shared by the CLI's and the page's
// black boxes: each case is six texts [baseRea, firingMode, fps, reaLimit,
// REA %, Compare Fps], the last two '' when not asked.
import { prng, transliterate } from './cli_cases.mjs';

const BASES = ['0.45', '0.1', '0.5', '1.2', '0.92', '2', '100', '0.01', '3.75', '0x1p-3', 'inf', '1e-310'];
const FPS = [1, 17, 30, 60, 75, 120, 144, 165, 240, 2147483647];

export function answerCases(seed, count) {
  const r = prng(seed);
  const rea = () => r.pick([1, 2, 13, 52, 81, 100, 250, r.int(1, 120)]);
  const standing = (limit) => {
    const last = Math.min(limit, 100) - 1;
    return r.pick([
      () => String(r.int(0, last)), () => '0', () => String(last), () => String(last + 1),
      () => '-1', () => `${r.int(0, last)} `, () => ` ${r.int(0, last)}`, () => '3.0', () => '1e1',
      () => transliterate(r, String(r.int(0, last))), () => `00${r.int(0, last)}`,
      () => '99999999999', () => '+', () => 'x',
    ])();
  };
  const list = (fps) => {
    const n = r.pick([1, 1, 2, 3, 4, 4, 5]);
    const values = Array.from({ length: n }, () => String(r.chance(0.2) ? fps : r.pick(FPS)));
    if (r.chance(0.1)) values[r.int(0, n - 1)] = r.pick(['0', '6e1', '-60', '60;120', '1.5', '']);
    if (r.chance(0.15)) values[0] = transliterate(r, values[0]);
    const separators = [',', ', ', ' ', ',,', '\t', '\u3000', ' , '];
    return values.reduce((text, v) => (text === null ? v : text + r.pick(separators) + v), null);
  };
  return Array.from({ length: count }, () => {
    const fps = r.pick(FPS);
    const limit = rea();
    const texts = [r.pick(BASES), String(r.pick([1, 1, 2, 3, 5, 7])), String(fps), String(limit)];
    if (r.chance(0.05)) texts[r.int(0, 3)] = 'x'; // a bad field is still named first
    const asks = r.int(0, 3); // 0 neither, 1 REA %, 2 list, 3 both
    texts.push(asks & 1 ? standing(limit) : '', asks & 2 ? list(fps) : '');
    return texts;
  });
}
