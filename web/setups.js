// The setups a player keeps: the six texts of a Calculate under a name, in
// localStorage. Storage may be blocked, full or hold anything under our key,
// so every access is guarded, and what is read is checked entry by entry;
// what does not pass is ignored (and gone with the next save).

const KEY = 'reacalc.setups';
const VERSION = 1;
export const MAX_SETUPS = 50;
const MAX_NAME = 40; // characters, not UTF-16 units
const MAX_UNITS = 63; // a field's text, as the page takes it

// The trimmed name, or null when it is not 1 to 40 characters.
export function setupName(text) {
  const name = text.trim();
  const length = [...name].length;
  return length >= 1 && length <= MAX_NAME ? name : null;
}

function validSetup(entry, fieldNames) {
  return typeof entry === 'object' && entry !== null &&
    typeof entry.name === 'string' && setupName(entry.name) === entry.name &&
    typeof entry.fields === 'object' && entry.fields !== null &&
    fieldNames.every((f) => typeof entry.fields[f] === 'string' && entry.fields[f].length <= MAX_UNITS);
}

// The kept setups, newest first: [{ name, fields: { baseRea: '0.45', ... } }].
export function readSetups(fieldNames) {
  let doc;
  try {
    // Where storage is blocked, even reaching localStorage throws.
    doc = JSON.parse(localStorage.getItem(KEY) ?? 'null');
  } catch {
    return [];
  }
  if (doc?.version !== VERSION || !Array.isArray(doc.setups)) return [];
  const seen = new Set();
  const setups = [];
  for (const entry of doc.setups) {
    if (setups.length === MAX_SETUPS) break;
    if (!validSetup(entry, fieldNames) || seen.has(entry.name)) continue;
    seen.add(entry.name);
    setups.push({ name: entry.name, fields: Object.fromEntries(fieldNames.map((f) => [f, entry.fields[f]])) });
  }
  return setups;
}

// False when the browser would not keep them.
export function writeSetups(setups) {
  try {
    localStorage.setItem(KEY, JSON.stringify({ version: VERSION, setups }));
    return true;
  } catch {
    return false;
  }
}

// The list with `setup` on top, replacing one of the same name; null when
// the list is full and the name is new.
export function withSetup(setups, setup) {
  const others = setups.filter((s) => s.name !== setup.name);
  return others.length < MAX_SETUPS ? [setup, ...others] : null;
}
