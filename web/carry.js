// Carrying what the page shows out of it: to the clipboard, or as a file.

// Rejects where the browser refuses (no permission, no clipboard at all).
export async function copyText(text) {
  if (!navigator.clipboard) throw new Error('no clipboard');
  await navigator.clipboard.writeText(text);
}

// "reacalc-0.45-3-60-81": only A-Z a-z 0-9 . _ - whatever was typed.
export function fileName(texts, extension) {
  const part = (text) => text.replace(/[^A-Za-z0-9._-]+/g, '_').slice(0, 24);
  return `reacalc-${texts.map(part).join('-')}.${extension}`;
}

export function download(blob, name) {
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.click();
  // After the click has handed the blob to the download.
  setTimeout(() => URL.revokeObjectURL(url));
}

// The chart drawn at `scale` times its viewBox, as a PNG.
export async function chartPng(svgText, scale) {
  const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
  const [, , width, height] = svg.getAttribute('viewBox').split(/\s+/).map(Number);
  const url = URL.createObjectURL(new Blob([svgText], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = width * scale;
    canvas.height = height * scale;
    canvas.getContext('2d').drawImage(image, 0, 0, canvas.width, canvas.height);
    return await new Promise((resolve, reject) => canvas.toBlob(
      (blob) => (blob ? resolve(blob) : reject(new Error('no PNG'))), 'image/png'));
  } finally {
    URL.revokeObjectURL(url);
  }
}
