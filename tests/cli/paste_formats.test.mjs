// The real reacalc-cli's Markdown read back by a GFM parser (micromark with
// its GFM extension): a weapon's name is text in its heading, whatever it
// holds, and every table parses with its rows; the wikitext caption keeps
// the name inside its <nowiki>.
// Run: REACALC_CLI=build/linux/reacalc-cli node --test tests/cli/paste_formats.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';

import { micromark } from 'micromark';
import { gfm, gfmHtml } from 'micromark-extension-gfm';

const cli = process.env.REACALC_CLI;

// Names that start markup, links, autolinks, entities, HTML or wikitext.
const NAMES = [
  'Plain Rifle', 'A|b', '*bold* _it_', '`code`', '[link](http://x.y)', '<b>tag</b>',
  'www.example.com', 'http://example.com/a', 'me@example.com', '&amp; &#41; &lt;', '# not h1',
  '![img](x.png)', '~~gone~~', 'back\\slash', '{{template}} [[Page]]', "'''bold'''",
  '</nowiki><b>x</b>', '1. item', '> quote', 'a\ttab', 'x "quoted", comma',
];

// As the outputs write a name: one ' before = + - @ ', which the reader drops.
const csvCell = (text) => `"${text.replace(/^[=+\-@']/, "'$&").replaceAll('"', '""')}"`;
const list = 'name,baseRea,firingMode,fps,rea,at\n' +
  NAMES.map((name, k) => `${csvCell(name)},0.45,3,60,${20 + k},${k % 3 === 0 ? 5 : ''}\n`).join('');

function runList(format) {
  return execFileSync(cli, [format, '--list', '-'], { input: list, encoding: 'utf8' });
}

const decode = (html) => html.replaceAll('&lt;', '<').replaceAll('&gt;', '>')
  .replaceAll('&quot;', '"').replaceAll('&amp;', '&');

test('every name is its heading text, and every table parses', () => {
  const html = micromark(runList('--markdown'), { extensions: [gfm()], htmlExtensions: [gfmHtml()] });
  const headings = [...html.matchAll(/<h3>(.*?)<\/h3>/g)].map((m) => m[1]);
  // Text only: no element inside a heading, and the text is the name.
  for (const heading of headings) assert.doesNotMatch(heading, /</, heading);
  assert.deepEqual(headings.map(decode), NAMES.map((name) => name.replaceAll('\t', ' ')));
  assert.equal((html.match(/<table>/g) ?? []).length, NAMES.length);
  assert.doesNotMatch(html, /<(a|em|strong|code|img|del|blockquote|ol|h1)\b/);
});

test('every wikitext caption holds its name inside <nowiki>, as entities', () => {
  const captions = runList('--wiki').split('\n').filter((line) => line.startsWith('|+'));
  const entities = (name) => name.replaceAll('&', '&amp;').replaceAll('<', '&lt;')
    .replaceAll('>', '&gt;').replaceAll('\t', ' ');
  assert.deepEqual(captions, NAMES.map((name) => `|+ <nowiki>${entities(name)}</nowiki>`));
});
