// Where a first visit's time goes, from Chromium's own trace: one load of
// each URL in a fresh context, printed as a timeline from navigation start
// (ms): each file's request and finish, and the main thread's script, style,
// layout and paint before the page is ready (html[data-ready]).
// Usage: node bench/web/trace_load.mjs URL [URL ...]   (LOADS=N each, default 1)
import { chromium } from '@playwright/test';

const CATEGORIES = ['devtools.timeline', 'blink.user_timing', 'v8.execute', 'loading'];
const MAIN_THREAD_WORK = new Set(['ParseHTML', 'EvaluateScript', 'v8.evaluateModule', 'UpdateLayoutTree',
  'Layout', 'PrePaint', 'Paint', 'FunctionCall', 'TimerFire', 'FireAnimationFrame', 'v8.compileModule']);
const SHORTEST_MS = 0.5; // main-thread events shorter than this are left out

// Before any of the page's scripts: a mark in the trace when it is ready.
function markReady() {
  new MutationObserver((_, observer) => {
    if (document.documentElement?.dataset.ready) {
      performance.mark('ready');
      observer.disconnect();
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
}

const fileName = (url) => url.replace(/^.*\//, '') || '/';

function timeline(events, origin) {
  const start = events.find((e) => e.name === 'navigationStart' && e.args?.data?.isLoadingMainFrame);
  const ready = events.find((e) => e.name === 'ready' && e.cat.includes('blink.user_timing'));
  if (!start || !ready) return ['(no navigationStart or ready mark in the trace)'];
  const ms = (ts) => ((ts - start.ts) / 1000).toFixed(1).padStart(6);
  const renderer = ready.pid;
  const mainThread = ready.tid;
  const names = new Map();
  const lines = [];
  for (const e of events) {
    if (e.ts < start.ts || e.ts > ready.ts) continue;
    const data = e.args?.data ?? {};
    if (e.name === 'ResourceSendRequest' && !data.url.startsWith(origin)) continue;
    if (e.name === 'ResourceSendRequest') {
      names.set(data.requestId, fileName(data.url));
      lines.push([e.ts, `request   ${fileName(data.url)} (${data.priority})`]);
    } else if (e.name === 'ResourceReceiveResponse' && names.has(data.requestId)) {
      lines.push([e.ts, `response  ${names.get(data.requestId)}`]);
    } else if (e.name === 'ResourceFinish' && names.has(data.requestId)) {
      lines.push([e.ts, `finished  ${names.get(data.requestId)} (${data.encodedDataLength} bytes)`]);
    } else if (e.pid === renderer && e.tid === mainThread && e.ph === 'X' && MAIN_THREAD_WORK.has(e.name)) {
      const duration = (e.dur ?? 0) / 1000;
      if (duration < SHORTEST_MS) continue;
      const what = data.url ? ` ${fileName(data.url)}` : '';
      lines.push([e.ts, `main      ${e.name}${what} ${duration.toFixed(1)} ms`]);
    }
  }
  lines.push([ready.ts, 'READY']);
  return lines.sort((a, b) => a[0] - b[0]).map(([ts, text]) => `${ms(ts)}  ${text}`);
}

const urls = process.argv.slice(2);
const loads = Number(process.env.LOADS ?? 1);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
for (let k = 0; k < loads; k++) {
  for (const url of urls) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.addInitScript(markReady);
    await browser.startTracing(page, { categories: CATEGORIES });
    await page.goto(url);
    await page.locator('html[data-ready]').waitFor({ state: 'attached' });
    const trace = JSON.parse((await browser.stopTracing()).toString());
    console.log(`== ${url}`);
    console.log(timeline(trace.traceEvents ?? trace, new URL(url).origin).join('\n'));
    await context.close();
  }
}
await browser.close();
