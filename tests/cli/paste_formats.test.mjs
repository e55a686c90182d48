// The real reacalc-cli's Markdown read back by the renderers players paste
// it into: GitHub's own (cmark-gfm with its extensions), markdown-it with
// linkify (as forums run it) and micromark with GFM. A weapon's name is its
// heading's text and nothing else, an ordinary name reads as typed, and the
// raw tables line up; the wikitext caption keeps the name inside <nowiki>.
// Run: REACALC_CLI=build/linux/reacalc-cli node --test tests/cli/paste_formats.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';

import MarkdownIt from 'markdown-it';
import { micromark } from 'micromark';
import { gfm, gfmHtml } from 'micromark-extension-gfm';

const cli = process.env.REACALC_CLI;

const ORDINARY = [
  'AK-47 (Mk. II)', 'Lee-Enfield No. 4', 'M4A1-S', 'Sniper, long', 'Désert Eagle', 'P90 / FN',
  'Winchester 1897', 'Sniper: long', "O'Brien's", 'Smith & Wesson', '50% off', '#1 pick',
];
// Names that start markup, links, autolinks, entities, HTML or wikitext.
const HOSTILE = [
  'A|b', '*bold* _it_', 'a*b*c', '__x__', '`code`', '[link](http://x.y)', '![img](x.png)',
  '<b>tag</b>', '<https://x.y>', 'x<!-- c -->y', '~~gone~~', 'back\\slash', '\\*not\\*', 'tail\\',
  'www.example.com', 'WWW.EXAMPLE.COM', 'example.com', '//cdn.example.net', 'sub.domain.co.uk/p',
  'Ünï.dömäin.de', 'http://example.com/a', 'ftp://files.example.org', 'me@example.com',
  'mailto:me@example.com', '&amp; &#41; &lt;', '&copy; 2024', '# not h1', 'Rifle #', '#',
  'Rifle ##', '{{template}} [[Page]]', "'''bold'''", '</nowiki><b>x</b>', '1. item', '> quote',
  'a\ttab', 'esc\x1b[31m', 'del\x7fx', 'c1\u0085\u009bx', 'x "quoted", comma',
];
const NAMES = [...ORDINARY, ...HOSTILE];
// GitHub's renderer links an e-mail address after reading its escapes: the
// one link left, and a harmless one.
const EMAIL = /^(mailto:)?me@example\.com$/;

// As the outputs write a name: one ' before = + - @ ', which the reader drops.
const csvCell = (text) => `"${text.replace(/^[=+\-@']/, "'$&").replaceAll('"', '""')}"`;
const list = 'name,baseRea,firingMode,fps,rea,at\n' +
  NAMES.map((name, k) => `${csvCell(name)},0.45,3,60,${20 + k},${k % 3 === 0 ? 5 : ''}\n`).join('');
const run = (format) => execFileSync(cli, [format, '--list', '-'], { input: list, encoding: 'utf8' });
const spaced = (name) => name.replace(/[\u0000-\u001f\u007f-\u009f]/g, ' ');
const markdown = run('--markdown');

const RENDERERS = {
  'cmark-gfm': (text) => execFileSync('cmark-gfm',
    ['-e', 'table', '-e', 'autolink', '-e', 'strikethrough', '-e', 'tagfilter'], { input: text, encoding: 'utf8' }),
  'markdown-it': (text) => new MarkdownIt({ linkify: true }).render(text),
  micromark: (text) => micromark(text, { extensions: [gfm()], htmlExtensions: [gfmHtml()] }),
};

const decode = (html) => html.replaceAll('&lt;', '<').replaceAll('&gt;', '>')
  .replaceAll('&quot;', '"').replaceAll('&#39;', "'").replaceAll('&amp;', '&');

for (const [renderer, render] of Object.entries(RENDERERS)) {
  test(`${renderer}: every name is its heading's text, and every table parses`, () => {
    const html = render(markdown);
    const headings = [...html.matchAll(/<h3>(.*?)<\/h3>/g)].map((m) => m[1]);
    assert.equal(headings.length, NAMES.length);
    headings.forEach((heading, k) => {
      const link = renderer === 'cmark-gfm' && EMAIL.test(NAMES[k]) &&
        heading.match(/^<a href="mailto:me@example\.com">(.*)<\/a>$/);
      assert.equal(decode(link ? link[1] : heading), spaced(NAMES[k]), heading);
      if (!link) assert.doesNotMatch(heading, /</, heading);
    });
    assert.equal((html.match(/<table>/g) ?? []).length, NAMES.length);
  });
}

test('ordinary names are written as typed, and the raw tables line up', () => {
  const headings = markdown.split('\n').filter((line) => line.startsWith('### '));
  assert.deepEqual(headings.slice(0, ORDINARY.length), ORDINARY.map((name) => `### ${name}`));
  for (const block of markdown.split(/\n\n/).filter((b) => b.startsWith('|'))) {
    const widths = block.trimEnd().split('\n').map((line) => line.length);
    assert.equal(new Set(widths).size, 1, block);
  }
});

test('every wikitext caption holds its name inside <nowiki>, as entities', () => {
  const captions = run('--wiki').split('\n').filter((line) => line.startsWith('|+'));
  const entities = (name) => spaced(name).replaceAll('&', '&amp;').replaceAll('<', '&lt;')
    .replaceAll('>', '&gt;');
  assert.deepEqual(captions, NAMES.map((name) => `|+ <nowiki>${entities(name)}</nowiki>`));
});

test('no control character of a name reaches stdout or stderr', () => {
  const bad = list + '"bad\x1b]0;x\x07\u009b",0.45,3,0,81,\n';
  for (const format of ['--csv', '--json', '--markdown', '--wiki', '--list']) {
    const args = format === '--list' ? ['--list', '-'] : [format, '--list', '-'];
    let out = '';
    let err = '';
    try {
      out = execFileSync(cli, args, { input: bad, encoding: 'utf8', stdio: ['pipe', 'pipe', 'pipe'] });
    } catch (failed) {
      ({ stdout: out, stderr: err } = failed);
    }
    // The formats' own TABs and line ends aside.
    for (const text of [out, err]) assert.doesNotMatch(text, /[\u0000-\u0008\u000b\u000c\u000e-\u001f\u007f-\u009f]/, format);
  }
});
