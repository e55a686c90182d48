// A deliberately strict XML reader for the chart reacalc-cli writes: elements,
// attributes in double quotes, text, and only the five predefined entities.
// Anything else (<!DOCTYPE>, comments, <?...?>, CDATA, character references,
// single quotes) is an error: the chart needs none of it, and a reader that
// accepts less catches more.

const ENTITIES = { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'" };
const NAME = /[A-Za-z_:][A-Za-z0-9._:-]*/y;
const SPACE = /[ \t\r\n]*/y;

class XmlError extends Error {}

function reader(text) {
  let at = 0;
  const fail = (what) => { throw new XmlError(`${what} at offset ${at}: ${JSON.stringify(text.slice(at, at + 30))}`); };
  const match = (re) => {
    re.lastIndex = at;
    const m = re.exec(text);
    if (m) at += m[0].length;
    return m ? m[0] : null;
  };
  const expect = (s) => { if (!text.startsWith(s, at)) fail(`expected ${JSON.stringify(s)}`); at += s.length; };
  // Text up to `stop` with the five entities replaced.
  const chars = (stop) => {
    let out = '';
    while (at < text.length && !stop.includes(text[at])) {
      if (text[at] === '&') {
        const end = text.indexOf(';', at);
        const name = end < 0 ? null : text.slice(at + 1, end);
        if (!Object.hasOwn(ENTITIES, name)) fail('unknown entity or character reference');
        out += ENTITIES[name];
        at = end + 1;
      } else {
        out += text[at++];
      }
    }
    return out;
  };
  return { text, fail, match, expect, chars, pos: () => at, peek: (s) => text.startsWith(s, at) };
}

function readAttributes(r) {
  const attrs = {};
  for (;;) {
    const space = r.match(SPACE);
    if (r.peek('>') || r.peek('/>')) return attrs;
    if (!space) r.fail('expected white space before an attribute');
    const name = r.match(NAME) ?? r.fail('expected an attribute name');
    if (Object.hasOwn(attrs, name)) r.fail(`duplicate attribute ${name}`);
    r.match(SPACE); r.expect('='); r.match(SPACE); r.expect('"');
    attrs[name] = r.chars('"<');
    r.expect('"');
  }
}

// One element from '<' to its end; text children are strings.
function readElement(r) {
  r.expect('<');
  const name = r.match(NAME) ?? r.fail('expected an element name');
  const element = { name, attrs: readAttributes(r), children: [] };
  if (r.peek('/>')) { r.expect('/>'); return element; }
  r.expect('>');
  for (;;) {
    const text = r.chars('<');
    if (text.includes(']]>')) r.fail("']]>' in text");
    if (text) element.children.push(text);
    if (r.pos() >= r.text.length) r.fail(`<${name}> is not closed`);
    if (r.peek('</')) break;
    if (r.peek('<!') || r.peek('<?')) r.fail('markup declaration, comment, CDATA or processing instruction');
    element.children.push(readElement(r));
  }
  r.expect('</'); r.expect(name); r.match(SPACE); r.expect('>');
  return element;
}

/** The root element of a document that is exactly one element (and what `tail` allows after it). */
export function parseXml(text, tail = /^\s*$/) {
  const r = reader(text);
  const root = readElement(r);
  if (!tail.test(text.slice(r.pos()))) r.fail('text after the root element');
  return root;
}

export const childElements = (e) => e.children.filter((c) => typeof c !== 'string');
export const textOf = (e) => e.children.map((c) => (typeof c === 'string' ? c : textOf(c))).join('');

/** Every element below and including `e`, in document order. */
export function* allElements(e) {
  yield e;
  for (const c of childElements(e)) yield* allElements(c);
}
