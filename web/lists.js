// Saved setups to and from a weapon list: the CSV file the CLI's --list
// reads. Export writes it here; import has the core read and judge it
// (page_list.h) and merges its good lines into the kept setups here.

// The columns the core's reader knows; a setup's six texts in field order.
const COLUMNS = ['name', 'baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare'];

// RFC 4180: a cell with a comma, a quote or a line break is quoted, its
// quotes doubled; every other cell stays exactly as it is.
const cell = (text) => (/[",\r\n]/.test(text) ? `"${text.replaceAll('"', '""')}"` : text);

// A spreadsheet runs a cell starting with = + - @ as a formula: such a name,
// and one starting with ', goes behind one ', which it reads as text and the
// list reader drops again (as reacalc-cli --list --csv writes names).
const nameCell = (name) => cell(/^[=+\-@']/.test(name) ? `'${name}` : name);

// The setups as a weapon list, newest first, with a byte-order mark:
// spreadsheets read a file without one as their own code page, not UTF-8.
export function weaponList(setups, fieldNames) {
  const lines = [COLUMNS, ...setups.map(({ name, fields }) =>
    [nameCell(name), ...fieldNames.map((f) => cell(fields[f]))])];
  return `\uFEFF${lines.map((cells) => `${cells.join(',')}\r\n`).join('')}`;
}

/**
 * The kept setups after importing a list's good lines (`read.setups`, in file
 * order): the file's lines on top in file order, then the setups kept before.
 * A name that comes again later in the file is replaced by that line; a name
 * already kept is replaced. No kept setup makes room: past `max` setups, the
 * file's new names are refused. Returns { setups, imported, refused }, each
 * refused entry { line, name, message } beside the core's failures.
 */
export function mergeList(kept, read, max) {
  const lastLine = new Map(read.setups.map(({ name, line }) => [name, line]));
  const keptNames = new Set(kept.map(({ name }) => name));
  let room = max - kept.length;
  const taken = [];
  const refused = [];
  for (const { line, name, fields } of read.setups) {
    if (lastLine.get(name) !== line) {
      refused.push({ line, name, message: `replaced by line ${lastLine.get(name)}` });
    } else if (keptNames.has(name) || room-- > 0) {
      taken.push({ name, fields });
    } else {
      refused.push({ line, name, message: `over the limit of ${max} saved setups` });
    }
  }
  const takenNames = new Set(taken.map(({ name }) => name));
  return { setups: [...taken, ...kept.filter(({ name }) => !takenNames.has(name))], imported: taken.length, refused };
}

const LISTED = 100; // as many lines as the core lists (page_list.h)

// The lines not imported, in line order, one per line: the core's text of a
// failing line, the CLI's own ("line 5 (Shotgun): fps "0": Enter valid FPS
// > 0"), or "line 2 (Rifle): replaced by line 6"; past the first hundred, how
// many more.
export function notImported(read, refused) {
  const all = [...read.failures, ...refused].sort((a, b) => a.line - b.line);
  const count = read.failureCount + refused.length;
  const lines = all.slice(0, LISTED)
    .map(({ line, name, message, text }) => text ?? `line ${line} (${name}): ${message}`);
  if (count > lines.length) lines.push(`… and ${count - lines.length} more lines.`);
  return lines.join('\n');
}
