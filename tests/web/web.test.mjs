// The browser page, in Debian's headless Chromium: it writes the plans the
// native converter writes, byte for byte; it shows the converter's messages
// beside their files; it works with the keyboard alone; and it says how long it
// takes to get ready and to convert a hundred plans.
// Run by run.sh, which serves the site and sets the environment read below.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { chromium } from 'playwright-core';

const siteUrl = process.env.PLANTRANSIT_WEB_URL;
const converter = process.env.PLANTRANSIT_CONVERTER;
const samplesDir = process.env.PLANTRANSIT_SAMPLES;
const airportData = process.env.PLANTRANSIT_AIRPORTS;
const screenshotPath = process.env.PLANTRANSIT_SCREENSHOT;

// One instant for the page's clock and the native converter's SOURCE_DATE_EPOCH:
// the Radar Contact plan carries the day it was made.
const FIXED_EPOCH = 1796644800;
const CHROMIUM = process.env.PLANTRANSIT_CHROMIUM || '/usr/bin/chromium';
const READY = 'body[data-state="ready"]';

let browser;
let workDir;
let downloads = 0;

before(async () => {
  for (const [name, value] of Object.entries({ siteUrl, converter, samplesDir, airportData })) {
    assert.ok(value, `${name} is not set: run the test through run.sh`);
  }
  browser = await chromium.launch({ executablePath: CHROMIUM, headless: true });
  workDir = await fs.mkdtemp(path.join(os.tmpdir(), 'plantransit-web.'));
});

after(async () => {
  await browser?.close();
  if (workDir) await fs.rm(workDir, { recursive: true, force: true });
});

// ---- the page ------------------------------------------------------------------

// A fresh browser profile (empty cache and storage) on the page, ready to convert.
async function openPage({ viewport = { width: 1000, height: 800 } } = {}) {
  const context = await browser.newContext({ timezoneId: 'UTC', locale: 'en-US', viewport });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error));
  await page.clock.setFixedTime(new Date(FIXED_EPOCH * 1000));
  const started = Date.now();
  await page.goto(siteUrl);
  await page.waitForSelector(READY, { timeout: 60_000 });
  return { page, context, errors, readyMs: Date.now() - started };
}

async function closePage({ context, errors }) {
  await context.close();
  assert.deepEqual(errors.map(String), [], 'no script error on the page');
}

// A real drop: the files in a DataTransfer, dispatched on the drop zone as the
// browser does when files are dragged onto it.
async function dropFiles(page, files) {
  const payload = files.map(({ name, bytes }) => ({ name, base64: bytes.toString('base64') }));
  const listed = await page.locator('#source-list > li').count();
  await page.evaluate((items) => {
    const transfer = new DataTransfer();
    for (const { name, base64 } of items) {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      transfer.items.add(new File([bytes], name));
    }
    const zone = document.getElementById('drop-zone');
    for (const type of ['dragenter', 'dragover', 'drop']) {
      zone.dispatchEvent(new DragEvent(type, { bubbles: true, cancelable: true, dataTransfer: transfer }));
    }
  }, payload);
  await page.waitForFunction((count) => document.querySelectorAll('#source-list > li').length === count,
    listed + files.length);
}

async function conversionCount(page) {
  return Number(await page.evaluate(() => document.body.dataset.conversions || 0));
}

// Starts a conversion with `start` and waits for it to end; its time in ms.
async function convertWith(page, start) {
  const before = await conversionCount(page);
  const started = Date.now();
  await start();
  await page.waitForFunction((count) => Number(document.body.dataset.conversions || 0) > count,
    before, { timeout: 300_000 });
  return Date.now() - started;
}

async function targetKeys(page) {
  return page.$$eval('#target-list input[type=checkbox]', (boxes) => boxes.map((box) => box.value));
}

// The file a download started by `start` saved, and its suggested name.
async function downloadWith(page, start) {
  const [download] = await Promise.all([page.waitForEvent('download'), start()]);
  const file = path.join(workDir, `download-${++downloads}`);
  await download.saveAs(file);
  return { file, name: download.suggestedFilename() };
}

async function downloadZip(page) {
  const zip = await downloadWith(page, () => page.click('#download-all-link'));
  return { ...zip, entries: readZip(await fs.readFile(zip.file)) };
}

// The texts shown beside the file named `name`.
async function messagesBeside(page, name) {
  const item = page.locator('#source-list > li', { has: page.locator('.source-name', { hasText: name }) });
  return item.locator('.message-text').allTextContents();
}

// ---- files ---------------------------------------------------------------------

// The stored entries of a zip, each checked against its CRC-32.
function readZip(buffer) {
  const end = buffer.length - 22;
  assert.equal(buffer.readUInt32LE(end), 0x06054b50, 'the zip ends with its directory');
  const count = buffer.readUInt16LE(end + 10);
  const entries = new Map();
  let at = buffer.readUInt32LE(end + 16);
  for (let i = 0; i < count; i++) {
    assert.equal(buffer.readUInt32LE(at), 0x02014b50, 'a central directory entry');
    const nameLength = buffer.readUInt16LE(at + 28);
    const name = buffer.toString('utf8', at + 46, at + 46 + nameLength);
    assert.equal(buffer.readUInt16LE(at + 10), 0, `${name} is stored`);
    const size = buffer.readUInt32LE(at + 24);
    const local = buffer.readUInt32LE(at + 42);
    assert.equal(buffer.readUInt32LE(local), 0x04034b50, `${name}: a local header`);
    const start = local + 30 + buffer.readUInt16LE(local + 26) + buffer.readUInt16LE(local + 28);
    const data = buffer.subarray(start, start + size);
    assert.equal(zlib.crc32(data), buffer.readUInt32LE(at + 16), `${name}: its CRC-32`);
    entries.set(name, data);
    at += 46 + nameLength + buffer.readUInt16LE(at + 30) + buffer.readUInt16LE(at + 32);
  }
  return entries;
}

// Every file under dir by its path relative to dir, with '/' between folders.
async function readTree(dir) {
  const files = new Map();
  for (const entry of await fs.readdir(dir, { recursive: true, withFileTypes: true })) {
    if (!entry.isFile()) continue;
    const full = path.join(entry.parentPath ?? entry.path, entry.name);
    files.set(path.relative(dir, full).split(path.sep).join('/'), await fs.readFile(full));
  }
  return files;
}

async function sampleFiles() {
  const names = (await fs.readdir(samplesDir)).filter((name) => name.endsWith('.txt')).sort();
  assert.ok(names.length >= 3, `the FliteStar samples in ${samplesDir}`);
  return Promise.all(names.map(async (name) => ({
    name, file: path.join(samplesDir, name), bytes: await fs.readFile(path.join(samplesDir, name)),
  })));
}

// The native converter on `sources`; its options as the page's controls set them.
function runNative(sources, { outDir, formats, flightType = 'vfr', routeType = 'vor', airports = airportData }) {
  const started = Date.now();
  const run = spawnSync(converter, ['--out-dir', outDir, '--format', formats, '--airports', airports,
    '--flight-type', flightType, '--route-type', routeType, ...sources], {
    encoding: 'utf8',
    env: {
      ...process.env, SOURCE_DATE_EPOCH: String(FIXED_EPOCH), TZ: 'UTC', LC_ALL: 'C',
      PLANTRANSIT_CONFIG: path.join(workDir, 'no-such.cfg'),
    },
  });
  assert.equal(run.error, undefined, `${converter} runs`);
  const messages = run.stderr.split('\n').filter(Boolean).map((line) => line.replace(/^plantransit-convert: /, ''));
  return { status: run.status, messages, ms: Date.now() - started };
}

// The console puts a multi-line message on one line.
function asOneLine(text) {
  return text.replace(/[\r\n]+$/, '').replace(/[\r\n]/g, ' ');
}

// ---- the tests -----------------------------------------------------------------

test('the page writes every plan the native converter writes, byte for byte', async () => {
  const samples = await sampleFiles();
  const opened = await openPage();
  const { page } = opened;
  const keys = await targetKeys(page);
  await dropFiles(page, samples);
  await page.click('#all-targets');
  await page.check('input[name="flight-type"][value="1"]');    // IFR
  await page.check('input[name="route-type"][value="3"]');     // high airways
  await convertWith(page, () => page.click('#convert'));
  const zip = await downloadZip(page);
  const dated = 'RC99/frankfurt-munich.apl';
  const single = await downloadWith(page, () => page.click(`a.plan-link[title="${dated}"]`));
  await closePage(opened);

  const nativeDir = path.join(workDir, 'native-samples');
  const native = runNative(samples.map((sample) => sample.file),
    { outDir: nativeDir, formats: keys.join(','), flightType: 'ifr', routeType: 'high' });
  assert.equal(native.status, 0, native.messages.join('\n'));
  const expected = await readTree(nativeDir);

  assert.equal(zip.entries.size, samples.length * keys.length, 'a plan per sample and target');
  assert.deepEqual([...zip.entries.keys()].sort(), [...expected.keys()].sort(), 'the same folders and names');
  for (const [name, bytes] of expected) {
    assert.ok(bytes.equals(zip.entries.get(name)), `${name}: the same bytes`);
  }
  assert.equal(single.name, path.basename(dated));
  assert.ok(expected.get(dated).equals(await fs.readFile(single.file)), `${dated} on its own: the same bytes`);
  const unzip = spawnSync('unzip', ['-tq', zip.file], { encoding: 'utf8' });
  if (!unzip.error) assert.equal(unzip.status, 0, `unzip -t: ${unzip.stdout}${unzip.stderr}`);
  console.log(`# ${zip.entries.size} plans from ${samples.length} samples into ${keys.length} formats: the same bytes`);
});

test('the converter\'s message about a file that is not a plan is shown beside it', async () => {
  const notAPlan = { name: 'shopping-list.txt', bytes: Buffer.from('Bread\nMilk\nCoffee\n') };
  const notAPlanFile = path.join(workDir, notAPlan.name);
  await fs.writeFile(notAPlanFile, notAPlan.bytes);
  const native = runNative([notAPlanFile], { outDir: path.join(workDir, 'native-none'), formats: 'msfs' });
  assert.notEqual(native.status, 0);
  const [firstNativeMessage] = native.messages;
  assert.match(firstNativeMessage, /shopping-list\.txt/);

  const expectNativeWords = async (page, when) => {
    const shown = (await messagesBeside(page, notAPlan.name)).map(asOneLine);
    assert.ok(shown.includes(firstNativeMessage),
      `${when}, beside the file: ${JSON.stringify(shown)}\nthe native converter: ${firstNativeMessage}`);
    for (const text of shown) assert.ok(native.messages.includes(text), `${when}, the converter's words: ${text}`);
    assert.match(await page.textContent('#status'), /shopping-list\.txt/, `${when}, the live region tells it too`);
  };

  const opened = await openPage();
  const { page } = opened;
  // Alone, the file is read at once for its runways.
  await dropFiles(page, [notAPlan]);
  await page.waitForSelector('#source-list .message-text');
  await expectNativeWords(page, 'dropped alone');
  // With a good plan beside it, it is read when converted.
  const [sample] = await sampleFiles();
  await dropFiles(page, [{ name: sample.name, bytes: sample.bytes }]);
  await convertWith(page, () => page.click('#convert'));
  await expectNativeWords(page, 'converted');
  assert.deepEqual(await messagesBeside(page, sample.name), [], 'nothing beside the good plan');
  await closePage(opened);
});

test('an airport data file the user chooses is used, and the converter\'s words about it shown', async () => {
  // Geneva alone: Zurich is an airport the data does not know.
  const genevaOnly = path.join(workDir, 'geneva-only.txt');
  await fs.writeFile(genevaOnly, 'LSGG Geneva 1411 46.238098 6.108950 04_12795-22_12795\n');
  const [sample] = (await sampleFiles()).filter((file) => file.name === 'zurich-geneva.txt');
  // A GPX route whose points say not what they are: its ends must be airports
  // the data knows.
  const gpx = { name: 'zurich-geneva.gpx', file: path.join(workDir, 'zurich-geneva.gpx') };
  gpx.bytes = Buffer.from(`<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="test">
  <rte>
    <rtept lat="47.458" lon="8.548"><name>LSZH</name></rtept>
    <rtept lat="47.689167" lon="8.437"><name>TRA</name></rtept>
    <rtept lat="46.238" lon="6.109"><name>LSGG</name></rtept>
  </rte>
</gpx>
`);
  await fs.writeFile(gpx.file, gpx.bytes);

  const opened = await openPage();
  const { page } = opened;
  const keys = await targetKeys(page);
  await page.setInputFiles('#airport-file', genevaOnly);
  await page.waitForFunction(() => document.getElementById('airport-status').textContent.includes('geneva-only.txt'));

  await dropFiles(page, [sample]);
  await page.waitForSelector('#runways:not([hidden])');
  await page.click('#all-targets');
  await convertWith(page, () => page.click('#convert'));
  const zip = await downloadZip(page);
  const nativeDir = path.join(workDir, 'native-geneva-only');
  assert.equal(runNative([sample.file], { outDir: nativeDir, formats: keys.join(','), airports: genevaOnly }).status, 0);
  for (const [name, bytes] of await readTree(nativeDir)) {
    assert.ok(bytes.equals(zip.entries.get(name)), `${name}: the same bytes with the chosen data`);
  }

  await page.click('#remove-all');
  await dropFiles(page, [gpx]);
  await page.waitForSelector('#source-list .message-text');
  const native = runNative([gpx.file], { outDir: path.join(workDir, 'native-gpx'), formats: 'msfs', airports: genevaOnly });
  assert.notEqual(native.status, 0);
  const shown = (await messagesBeside(page, gpx.name)).map(asOneLine);
  assert.ok(shown.length > 0 && shown.every((text) => native.messages.includes(text)),
    `beside the file: ${JSON.stringify(shown)}\nthe native converter: ${JSON.stringify(native.messages)}`);

  // Back to the bundled data, the route builds again.
  await page.click('#bundled-airports');
  await page.waitForSelector('#runways:not([hidden])');
  assert.deepEqual(await messagesBeside(page, gpx.name), []);
  await closePage(opened);
});

// Tab (or `key`) until the focused element matches `selector`; the ids passed
// on the way.
async function tabTo(page, selector, key = 'Tab', limit = 60) {
  const passed = [];
  for (let i = 0; i < limit; i++) {
    await page.keyboard.press(key);
    const focused = await page.evaluate((wanted) => {
      const element = document.activeElement;
      return { id: element.id || element.value || element.textContent.trim(), matches: element.matches(wanted) };
    }, selector);
    passed.push(focused.id);
    if (focused.matches) return passed;
  }
  throw new Error(`${selector} not reached with Tab; passed ${passed.join(', ')}`);
}

test('a plan is picked, converted and offered with the keyboard alone', async () => {
  const opened = await openPage();
  const { page } = opened;
  const [sample] = (await sampleFiles()).filter((file) => file.name === 'zurich-geneva.txt');
  assert.ok(sample, 'samples/zurich-geneva.txt');

  const toPicker = await tabTo(page, '#source-files');
  assert.equal(toPicker.length, 1, 'the plan picker comes first');
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.keyboard.press('Space')]);
  await chooser.setFiles(sample.file);
  await page.waitForSelector('#runways:not([hidden])');
  const departure = await page.$eval('#departure-runway', (select) => select.options.length);
  assert.ok(departure > 0, 'the departure runways are listed');

  const toTargets = await tabTo(page, '#all-targets');
  for (const id of ['departure-runway', 'destination-runway']) {
    assert.ok(toTargets.includes(id), `${id} comes after the plan (${toTargets.join(', ')})`);
  }
  await page.keyboard.press('Enter');
  await tabTo(page, '#convert');
  await convertWith(page, () => page.keyboard.press('Enter'));
  assert.ok(await page.locator('.plan-link').count() > 0, 'a download link per plan');
  await tabTo(page, '#download-all-link');
  const zip = await downloadWith(page, () => page.keyboard.press('Enter'));
  assert.equal(zip.name, 'plantransit-plans.zip');
  const entries = readZip(await fs.readFile(zip.file));
  assert.equal(entries.size, await page.locator('.plan-link').count(), 'the zip holds every plan');

  // Back to the last plan's own link: its file is the zip's.
  await tabTo(page, 'a.plan-link', 'Shift+Tab');
  const title = await page.evaluate(() => document.activeElement.title);
  const plan = await downloadWith(page, () => page.keyboard.press('Enter'));
  assert.equal(plan.name, path.basename(title));
  assert.ok((await fs.readFile(plan.file)).equals(entries.get(title)), `${title}: the zip's bytes`);

  if (screenshotPath) {
    await page.evaluate(() => {
      document.activeElement.blur();
      window.scrollTo(0, 0);
    });
    await page.screenshot({ path: screenshotPath });
    console.log(`# screenshot: ${screenshotPath}`);
  }
  await closePage(opened);
});

// 320 px: a phone's width, and a 1280 px window at 400% zoom.
test('the page reads on a phone\'s width without scrolling sideways', async () => {
  const opened = await openPage({ viewport: { width: 320, height: 640 } });
  const { page } = opened;
  await dropFiles(page, (await sampleFiles()).slice(0, 1));
  await page.waitForSelector('#runways:not([hidden])');
  await page.click('#all-targets');
  await convertWith(page, () => page.click('#convert'));
  const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  assert.ok(overflow <= 0, `${overflow} px wider than the screen`);
  await closePage(opened);
});

test('times: ready, and a hundred plans against the native converter', async () => {
  const opened = await openPage();
  const { page, readyMs } = opened;
  const dataRequests = [];
  page.on('request', (request) => {
    if (request.url().endsWith('/data/Fsb_apts.txt')) dataRequests.push(request.method());
  });
  const reloadStarted = Date.now();
  await page.reload();
  await page.waitForSelector(READY, { timeout: 60_000 });
  const cachedReadyMs = Date.now() - reloadStarted;
  assert.ok(!dataRequests.includes('GET'), `the airport data comes from the cache (${dataRequests.join(', ')})`);

  const [sample] = (await sampleFiles()).filter((file) => file.name === 'zurich-geneva.txt');
  const copies = Array.from({ length: 100 }, (_, i) => ({
    name: `copy-${String(i + 1).padStart(3, '0')}.txt`, bytes: sample.bytes,
  }));
  await dropFiles(page, copies);
  await page.click('#all-targets');
  const keys = await targetKeys(page);
  const browserMs = await convertWith(page, () => page.click('#convert'));
  const links = await page.locator('.plan-link').count();
  assert.equal(links, copies.length * keys.length, 'a plan per copy and target');
  await closePage(opened);

  const copiesDir = path.join(workDir, 'copies');
  await fs.mkdir(copiesDir);
  await Promise.all(copies.map((copy) => fs.writeFile(path.join(copiesDir, copy.name), copy.bytes)));
  const native = runNative(copies.map((copy) => path.join(copiesDir, copy.name)),
    { outDir: path.join(workDir, 'native-copies'), formats: keys.join(',') });
  assert.equal(native.status, 0, native.messages.join('\n'));

  console.log(`# ready after ${readyMs} ms (first visit), ${cachedReadyMs} ms (airport data from the cache)`);
  console.log(`# ${copies.length} sources into ${keys.length} formats: ${browserMs} ms in the browser, ` +
    `${native.ms} ms with the native converter`);
});
