// PlanTransit in the browser: the converter, compiled to WebAssembly, runs on the
// plans the user drops or picks. Nothing is sent anywhere; the only requests are
// for the page's own files.
import { createZip } from './zip.js';

const BUNDLED_DATA_URL = 'data/Fsb_apts.txt';
const BUNDLED_DATA_PATH = '/data/Fsb_apts.txt';
const DATA_CACHE_NAME = 'plantransit-airport-data';
const TARGETS_KEY = 'plantransit.targets';
const DEFAULT_TARGETS = ['msfs'];  // the converter's default format
const KIND_LABELS = { error: 'Error', warning: 'Warning', information: 'Note' };

const byId = (id) => document.getElementById(id);
const ui = {
  sourceInput: byId('source-files'),
  dropZone: byId('drop-zone'),
  sourceList: byId('source-list'),
  sourceActions: byId('source-actions'),
  sourceTemplate: byId('source-template'),
  targetList: byId('target-list'),
  runways: byId('runways'),
  convert: byId('convert'),
  progress: byId('progress'),
  statusText: byId('status-text'),
  statusDetails: byId('status-details'),
  downloadAll: byId('download-all'),
  downloadAllLink: byId('download-all-link'),
  airportStatus: byId('airport-status'),
  airportMessages: byId('airport-messages'),
  airportInput: byId('airport-file'),
  bundledAirports: byId('bundled-airports'),
};
const runwaySides = ['departure', 'destination'].map((side) => ({
  side,
  select: byId(`${side}-runway`),
  airport: byId(`${side}-airport`),
}));

const page = {
  converter: null,      // the Emscripten module once it is loaded
  bundledData: null,    // the bundled data's bytes, kept to go back to them
  airportPath: null,    // the data file in use, in the module's file system
  sources: [],          // { id, file, bytes (a promise), path, item }
  nextSourceId: 1,
  nextRun: 1,
  runwayRequest: 0,     // only the newest runway lookup may fill the lists
  converting: false,
  downloadUrls: [],
};

// ---- the module ------------------------------------------------------------

function callConverter(name, argTypes = [], args = []) {
  return JSON.parse(page.converter.ccall(name, 'string', argTypes, args));
}

function writeModuleFile(path, bytes) {
  const fs = page.converter.FS;
  fs.mkdirTree(path.slice(0, path.lastIndexOf('/')));
  fs.writeFile(path, bytes);
}

function removeModuleTree(path) {
  const fs = page.converter.FS;
  if (!fs.analyzePath(path).exists) return;
  if (!fs.isDir(fs.stat(path).mode)) {
    fs.unlink(path);
    return;
  }
  for (const name of fs.readdir(path)) {
    if (name !== '.' && name !== '..') removeModuleTree(`${path}/${name}`);
  }
  fs.rmdir(path);
}

async function loadConverter() {
  const { default: createPlanTransit } = await import('./plantransit-web.js');
  return createPlanTransit();
}

// ---- airport data ------------------------------------------------------------

async function fetchOk(request) {
  const response = await fetch(request);
  if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
  return response;
}

// A cached copy is kept while the server's file has not changed, so a new
// release's data replaces the old one; without a connection the copy is used.
async function isStillCurrent(cached) {
  try {
    const head = await fetch(BUNDLED_DATA_URL, { method: 'HEAD', cache: 'no-store' });
    if (!head.ok) return true;
    return ['last-modified', 'content-length', 'etag'].every(
      (name) => head.headers.get(name) === cached.headers.get(name));
  } catch {
    return true;
  }
}

async function fetchBundledData() {
  let cache = null;
  try {
    cache = await caches.open(DATA_CACHE_NAME);
  } catch {
    // No Cache Storage (an insecure origin, a private window): a plain fetch.
  }
  const cached = cache && await cache.match(BUNDLED_DATA_URL);
  if (cached && await isStillCurrent(cached)) return new Uint8Array(await cached.arrayBuffer());
  const response = await fetchOk(BUNDLED_DATA_URL);
  // Keeping a copy is a saving, not a need: a full disk only costs the next visit a download.
  if (cache) await cache.put(BUNDLED_DATA_URL, response.clone()).catch(() => {});
  return new Uint8Array(await response.arrayBuffer());
}

// Makes the data file at path the one every later lookup uses; on failure the
// previous one stays in use.
function useAirportData(path, description) {
  const result = callConverter('pt_use_airports', ['string'], [path]);
  showMessages(ui.airportMessages, result.messages || []);
  if (!result.ok) {
    if (page.airportPath) callConverter('pt_use_airports', ['string'], [page.airportPath]);
    return false;
  }
  page.airportPath = path;
  ui.airportStatus.textContent = `In use: ${description}.`;
  ui.bundledAirports.hidden = path === BUNDLED_DATA_PATH;
  if (document.body.dataset.state === 'no-data') setState('ready');
  refreshRunways();
  return true;
}

function useBundledData() {
  writeModuleFile(BUNDLED_DATA_PATH, page.bundledData);
  useAirportData(BUNDLED_DATA_PATH, 'the bundled airport and runway data');
}

// The file in the chooser, once the module is there to take it.
async function useChosenData() {
  const [file] = ui.airportInput.files;
  if (!file || !page.converter) return;
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    showMessages(ui.airportMessages, unreadable(error).messages);
    return;
  }
  const previous = page.airportPath;
  const path = `/data/chosen/${Date.now()}/${file.name}`;
  writeModuleFile(path, bytes);
  if (!useAirportData(path, `${file.name}, until this page is closed`)) {
    removeModuleTree(dirOf(path));
  } else if (previous && previous !== BUNDLED_DATA_PATH) {
    removeModuleTree(dirOf(previous));
  }
}

function dirOf(path) {
  return path.slice(0, path.lastIndexOf('/'));
}

// ---- messages and status -----------------------------------------------------

function kindLabel(kind) {
  return KIND_LABELS[kind] || kind;
}

function messageItem({ kind, text }) {
  const item = document.createElement('li');
  item.className = `message message-${kind}`;
  const label = document.createElement('span');
  label.className = 'message-kind';
  label.textContent = `${kindLabel(kind)}: `;
  const body = document.createElement('span');
  body.className = 'message-text';
  body.textContent = text;
  item.append(label, body);
  return item;
}

function showMessages(list, messages) {
  list.replaceChildren(...messages.map(messageItem));
}

// The visible summary and, for screen readers, every message with its file.
function announce(summary, details = []) {
  ui.statusText.textContent = summary;
  ui.statusDetails.textContent = details.length ? ` ${details.join(' ')}` : '';
}

function describeMessages(name, messages) {
  return messages.map(({ kind, text }) => `${name}: ${kindLabel(kind)}: ${text}`);
}

function counted(count, noun) {
  return `${count} ${noun}${count === 1 ? '' : 's'}`;
}

function setState(state) {
  document.body.dataset.state = state;
}

// ---- sources -----------------------------------------------------------------

function addSources(files) {
  for (const file of files) {
    // Read at once, all in parallel: reading one by one would slow the conversion.
    const bytes = file.arrayBuffer();
    bytes.catch(() => {});  // told beside the file when it is needed
    const source = { id: page.nextSourceId++, file, bytes, path: null, item: null };
    source.item = sourceItem(source);
    ui.sourceList.append(source.item);
    page.sources.push(source);
  }
  sourcesChanged();
}

function sourceItem(source) {
  const item = ui.sourceTemplate.content.firstElementChild.cloneNode(true);
  item.querySelector('.source-name').textContent = source.file.name;
  const remove = item.querySelector('.remove');
  remove.setAttribute('aria-label', `Remove ${source.file.name}`);
  remove.addEventListener('click', () => removeSource(source));
  item.querySelector('.messages').setAttribute('aria-label', `Messages about ${source.file.name}`);
  item.querySelector('.plans').setAttribute('aria-label', `Plans from ${source.file.name}`);
  return item;
}

function removeSource(source) {
  const index = page.sources.indexOf(source);
  page.sources.splice(index, 1);
  source.item.remove();
  if (source.path && page.converter) removeModuleTree(dirOf(source.path));
  // Focus would otherwise fall back to the top of the page.
  const next = page.sources[index] || page.sources[index - 1];
  (next ? next.item.querySelector('.remove') : ui.sourceInput).focus();
  sourcesChanged();
}

function removeAllSources() {
  for (const source of [...page.sources]) removeSource(source);
}

function sourcesChanged() {
  ui.sourceActions.hidden = page.sources.length === 0;
  refreshRunways();
}

// Each source gets a folder of its own: two plans of one name never collide and
// the plans are named after the file the user gave.
async function writeSource(source) {
  if (!source.path) {
    const path = `/in/${source.id}/${source.file.name}`;
    writeModuleFile(path, new Uint8Array(await source.bytes));
    source.path = path;
  }
  return source.path;
}

// ---- runways -----------------------------------------------------------------

function refreshRunways() {
  lookUpRunways().catch((error) => announce(`The runway lookup stopped: ${error.message}`));
}

// Runways are chosen for a single source only: with several, each plan takes
// the runways the lookup proposes.
async function lookUpRunways() {
  const request = ++page.runwayRequest;
  const [source] = page.sources;
  if (page.sources.length !== 1 || !page.converter || !page.airportPath) {
    ui.runways.hidden = true;
    return;
  }
  const path = await writeSource(source).catch((error) => {
    showMessages(source.item.querySelector('.messages'), unreadable(error).messages);
    return null;
  });
  if (request !== page.runwayRequest || path === null) return;
  const result = callConverter('pt_runways', ['string'], [path]);
  showMessages(source.item.querySelector('.messages'), result.messages);
  if (result.messages.length) {
    announce(`${source.file.name}: ${counted(result.messages.length, 'message')}, shown beside it.`,
      describeMessages(source.file.name, result.messages));
  }
  ui.runways.hidden = !result.built;
  if (result.built) runwaySides.forEach((side) => fillRunways(side, result[side.side]));
}

function fillRunways({ select, airport }, end) {
  airport.textContent = end.ident ? `(${end.ident})` : '';
  const options = end.entries.map((entry) => new Option(entry, entry));
  const proposed = end.entries.find((entry) => entry.trim() === end.proposed.trim());
  select.replaceChildren(...(options.length ? options : [new Option('none in the airport data', '')]));
  select.disabled = options.length === 0;
  if (proposed !== undefined) select.value = proposed;
  select.dataset.proposed = proposed ?? '';
}

// "" asks for the proposed runway, as the converter takes it by default.
function chosenRunway({ select }) {
  if (ui.runways.hidden || select.disabled || select.value === select.dataset.proposed) return '';
  return select.value;
}

// ---- targets -----------------------------------------------------------------

function storedTargets() {
  try {
    const stored = JSON.parse(localStorage.getItem(TARGETS_KEY));
    return Array.isArray(stored) ? stored : DEFAULT_TARGETS;
  } catch {
    return DEFAULT_TARGETS;
  }
}

function targetBoxes() {
  return [...ui.targetList.querySelectorAll('input[type=checkbox]')];
}

function chosenTargets() {
  return targetBoxes().filter((box) => box.checked).map((box) => box.value);
}

function rememberTargets() {
  try {
    localStorage.setItem(TARGETS_KEY, JSON.stringify(chosenTargets()));
  } catch {
    // Storage may be off; the choice then lasts until the page is closed.
  }
}

function renderTargets(formats) {
  const chosen = new Set(storedTargets());
  ui.targetList.replaceChildren(...formats.map((format) => {
    const item = document.createElement('li');
    const label = document.createElement('label');
    const box = document.createElement('input');
    box.type = 'checkbox';
    box.value = format.key;
    box.checked = chosen.has(format.key);
    box.addEventListener('change', rememberTargets);
    const text = document.createElement('span');
    const extension = document.createElement('span');
    extension.className = 'format-extension';
    extension.textContent = ` (${format.extension})`;
    text.append(format.label, extension);
    label.append(box, text);
    item.append(label);
    return item;
  }));
}

function checkAllTargets(checked) {
  targetBoxes().forEach((box) => { box.checked = checked; });
  rememberTargets();
}

// ---- conversion ----------------------------------------------------------------

function radioValue(name) {
  return Number(document.querySelector(`input[name="${name}"]:checked`).value);
}

function conversionOptions() {
  return {
    targets: chosenTargets().join(','),
    flightType: radioValue('flight-type'),
    routeType: radioValue('route-type'),
    departureRunway: page.sources.length === 1 ? chosenRunway(runwaySides[0]) : '',
    destinationRunway: page.sources.length === 1 ? chosenRunway(runwaySides[1]) : '',
  };
}

// Why Convert cannot start yet, or null when it can.
function convertBlocker() {
  if (page.converting) return 'A conversion is running.';
  if (!page.converter || !page.airportPath) return 'The converter and its airport data are still loading.';
  if (page.sources.length === 0) return 'Add a flight plan first.';
  if (chosenTargets().length === 0) return 'Choose at least one target.';
  return null;
}

function releaseDownloads() {
  page.downloadUrls.forEach((url) => URL.revokeObjectURL(url));
  page.downloadUrls = [];
  ui.downloadAll.hidden = true;
  page.sources.forEach((source) => source.item.querySelector('.plans').replaceChildren());
}

// An object URL lives until the next conversion releases it.
function objectUrl(blob) {
  const url = URL.createObjectURL(blob);
  page.downloadUrls.push(url);
  return url;
}

// A plan link's object URL is made when the link is about to be used (pointed
// at, focused, clicked): making a thousand at once costs more than converting.
const pendingPlans = new WeakMap();

function preparePlanLink(event) {
  const link = event.target.closest?.('a.plan-link');
  const data = link && pendingPlans.get(link);
  if (!data) return;
  pendingPlans.delete(link);
  link.href = objectUrl(new Blob([data]));
}

// Each link shows the format's folder, compactly; its whole path is its name for
// screen readers and its tooltip.
function planLink(plan) {
  const slash = plan.path.lastIndexOf('/');
  const fileName = plan.path.slice(slash + 1);
  const link = document.createElement('a');
  link.className = 'plan-link';
  link.href = '#';
  pendingPlans.set(link, plan.data);
  link.download = fileName;
  link.title = plan.path;
  if (slash < 0) {
    link.textContent = fileName;
  } else {
    const rest = document.createElement('span');
    rest.className = 'visually-hidden';
    rest.textContent = plan.path.slice(slash);
    link.append(plan.path.slice(0, slash), rest);
  }
  return link;
}

function showPlanLinks(source, plans) {
  source.item.querySelector('.plans').replaceChildren(...plans.map((plan) => {
    const item = document.createElement('li');
    item.append(planLink(plan));
    return item;
  }));
}

// Runs the converter on one source; its plans come back with their paths
// relative to the run's folder, as the zip holds them.
async function convertSource(source, options, outDir) {
  const path = await writeSource(source);
  const result = callConverter('pt_convert',
    ['string', 'string', 'number', 'number', 'string', 'string', 'string'],
    [path, options.targets, options.flightType, options.routeType,
      options.departureRunway, options.destinationRunway, outDir]);
  const plans = result.written.map((written) => ({
    path: written.slice(outDir.length + 1),
    data: page.converter.FS.readFile(written),
  }));
  return { plans, messages: result.messages };
}

// A file the browser cannot read (a dropped folder, a file removed meanwhile)
// never reaches the converter: the page says so in its own words.
function unreadable(error) {
  if (!(error instanceof DOMException)) throw error;
  return { plans: [], messages: [{ kind: 'error', text: `The browser could not read this file: ${error.message}` }] };
}

// Every so often a pause for the page to repaint (the progress bar): pausing
// after each plan would cost more than converting it.
function repaintPacer(intervalMs = 50) {
  let last = performance.now();
  return async () => {
    if (performance.now() - last < intervalMs) return;
    await new Promise((resolve) => setTimeout(resolve));
    last = performance.now();
  };
}

async function convertAll() {
  const blocker = convertBlocker();
  if (blocker) {
    announce(blocker);
    return;
  }
  page.converting = true;
  setState('converting');
  releaseDownloads();
  const options = conversionOptions();
  const outDir = `/out/${page.nextRun++}`;
  const sources = [...page.sources];
  const allPlans = [];
  const details = [];
  const pauseToRepaint = repaintPacer();
  ui.progress.max = sources.length;
  ui.progress.value = 0;
  ui.progress.hidden = false;
  announce(`Converting ${sources.length === 1 ? sources[0].file.name : `${sources.length} plans`}…`);
  try {
    for (const source of sources) {
      const { plans, messages } = await convertSource(source, options, outDir).catch(unreadable);
      showMessages(source.item.querySelector('.messages'), messages);
      showPlanLinks(source, plans);
      allPlans.push(...plans);
      details.push(...describeMessages(source.file.name, messages));
      ui.progress.value += 1;
      await pauseToRepaint();
    }
    offerZip(allPlans);
    announce(conversionSummary(sources.length, allPlans.length, details.length), details);
  } catch (error) {
    announce(`The conversion stopped: ${error.message}`);
  } finally {
    if (page.converter) removeModuleTree(outDir);
    ui.progress.hidden = true;
    page.converting = false;
    document.body.dataset.conversions = String(Number(document.body.dataset.conversions || 0) + 1);
    setState('ready');
  }
}

function conversionSummary(sourceCount, planCount, messageCount) {
  const messages = messageCount === 0 ? '' : ` ${counted(messageCount, 'message')}, shown beside the files.`;
  return `Wrote ${counted(planCount, 'plan')} from ${counted(sourceCount, 'source')}.${messages}`;
}

function offerZip(plans) {
  if (plans.length === 0) return;
  const link = ui.downloadAllLink;
  link.href = objectUrl(createZip(plans));
  link.download = 'plantransit-plans.zip';
  link.textContent = `Download all as one zip (${counted(plans.length, 'plan')})`;
  ui.downloadAll.hidden = false;
}

// ---- drag and drop -------------------------------------------------------------

// Files dropped anywhere on the page are plans to convert, except on the airport
// data chooser, which takes its drop itself; a drop elsewhere must not make the
// browser leave the page for the file.
function isPlanDrop(event) {
  return event.target !== ui.airportInput && event.dataTransfer?.types.includes('Files');
}

function watchDrops() {
  document.addEventListener('dragover', (event) => {
    if (!isPlanDrop(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    ui.dropZone.classList.add('dragging');
  });
  document.addEventListener('dragleave', (event) => {
    if (event.relatedTarget === null) ui.dropZone.classList.remove('dragging');
  });
  document.addEventListener('drop', (event) => {
    ui.dropZone.classList.remove('dragging');
    if (!isPlanDrop(event)) return;
    event.preventDefault();
    addSources([...event.dataTransfer.files]);
  });
}

// ---- start -----------------------------------------------------------------------

function watchControls() {
  ui.sourceInput.addEventListener('change', () => {
    addSources([...ui.sourceInput.files]);
    ui.sourceInput.value = '';  // picking the same file again adds it again
  });
  byId('remove-all').addEventListener('click', removeAllSources);
  byId('all-targets').addEventListener('click', () => checkAllTargets(true));
  byId('no-targets').addEventListener('click', () => checkAllTargets(false));
  ui.convert.addEventListener('click', convertAll);
  for (const type of ['pointerover', 'focusin', 'click']) ui.sourceList.addEventListener(type, preparePlanLink);
  ui.airportInput.addEventListener('change', useChosenData);
  ui.bundledAirports.addEventListener('click', () => {
    ui.airportInput.value = '';
    useBundledData();
  });
  watchDrops();
}

async function start() {
  watchControls();
  const data = fetchBundledData();
  data.catch(() => {});  // its failure is reported below, once the module is there
  try {
    page.converter = await loadConverter();
    renderTargets(callConverter('pt_formats'));
  } catch (error) {
    announce(`The converter did not load: ${error.message}`);
    setState('failed');
    return;
  }
  try {
    page.bundledData = await data;
    useBundledData();
  } catch (error) {
    ui.airportStatus.textContent =
      `The bundled airport data did not load (${error.message}): choose a data file below.`;
  }
  await useChosenData();  // a file chosen while the page was loading
  announce(page.airportPath ? 'Ready: add flight plans, choose the targets, then Convert.'
    : 'The bundled airport data did not load: choose an airport data file to convert.');
  setState(page.airportPath ? 'ready' : 'no-data');
}

start();
