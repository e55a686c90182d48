// A chat bot's answer to "!framebreaks BASEREA FIRINGMODE FPS REA [at P]
// [compare LIST]": the padded Markdown table in a code block, which reads the
// same in every chat (most don't render tables), then the standing sentence
// as plain text when a REA % is given; or the message of the first bad
// input. No network: plug reply()
// into any chat library, e.g. discord.js:
//
//   client.on('messageCreate', (message) => {
//     const text = reply(message.content);
//     if (text) message.reply(text);
//   });
//
// Try it: node chat-bot.mjs '!framebreaks 0.45 3 60 81 at 37'
import { pathToFileURL } from 'node:url';

import { run } from 'reacalc';

const USAGE = 'Usage: !framebreaks BASEREA FIRINGMODE FPS REA [at P] [compare LIST], ' +
  'e.g. !framebreaks 0.45 3 60 81 at 37 compare 120,144';
const OPTIONS = { at: '--at', compare: '--compare' };

/** The reply to a chat message, or null when the message is not for us. */
export function reply(message) {
  const [command, ...words] = message.trim().split(/\s+/);
  if (command !== '!framebreaks') return null;
  const values = words.slice(0, 4);
  const options = [];
  for (let i = 4; i < words.length; i += 2) {
    const option = OPTIONS[words[i].toLowerCase()];
    if (!option || i + 1 === words.length) return USAGE;
    options.push(option, words[i + 1]);
  }
  // The player's words go to the core as they stand: it judges them.
  const { status, stdout, stderr } = run(['--markdown', ...options, '--', ...values]);
  if (status === 0) {
    const [table, sentence] = stdout.trimEnd().split('\n\n');
    return `\`\`\`\n${table}\n\`\`\`${sentence ? `\n${sentence}` : ''}`;
  }
  return status === 1 ? stderr.trimEnd() : USAGE;
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  for (const message of process.argv.slice(2)) console.log(reply(message) ?? '(not for us)');
}
