'use strict';

const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

// --- KML 2.2: xmllint against the OGC KML 2.2 schema (kml-2.2/, offline through
// its catalog), then gpsbabel's reading of the placemarks (name, position,
// altitude in metres) and of the route's line (positions and altitudes).

const SCHEMA_DIR = path.join(__dirname, '..', 'kml-2.2');

function run(program, args, env) {
  const options = { encoding: 'utf8', env: { ...process.env, ...env }, stdio: ['ignore', 'pipe', 'pipe'] };
  return execFileSync(program, args, options);
}

function longitudeDifference(a, b) {
  const d = Math.abs(a - b) % 360;
  return Math.min(d, 360 - d);
}

// gpsbabel's unicsv rows as objects keyed by its header (No, Latitude, Longitude,
// Name, Altitude in metres to one decimal, ...); quotes removed. Our names hold no
// comma, and no field that may hold one is read.
function unicsv(text) {
  const [header, ...rows] = text.split(/\r?\n/).filter((line) => line);
  const columns = header.split(',');
  return rows.map((line) => {
    const fields = line.split(',').map((field) => field.replace(/^"|"$/g, ''));
    return Object.fromEntries(columns.map((column, i) => [column, fields[i]]));
  });
}

function checkKml(c) {
  const plan = c.plan('KML', '.kml');
  if (/(^|[^\r])\n/.test(fs.readFileSync(plan, 'utf8'))) c.fail('kml', 'a line of the plan does not end in CR LF');
  try {
    run('xmllint', ['--nonet', '--noout', '--schema', path.join(SCHEMA_DIR, 'ogckml22.xsd'), plan],
        { XML_CATALOG_FILES: path.join(SCHEMA_DIR, 'catalog.xml') });
  } catch (error) {
    c.fail('kml', `xmllint refused the plan against the KML 2.2 schema: ${error.stderr}`);
  }
  const points = unicsv(run('gpsbabel', ['-i', 'kml', '-f', plan, '-o', 'unicsv', '-F', '-']));
  const count = c.sameCount('kml', points.length);
  for (let i = 0; i < count; i++) {
    const { Latitude: lat, Longitude: lon, Name: name, Altitude: altitude } = points[i];
    const expected = c.route[i];
    c.same('kml', `placemark ${i} name`, name, expected.ident);
    c.near('kml', `placemark ${i} latitude`, lat, expected.lat, 1e-6);
    c.near('kml', `placemark ${i} longitude`, longitudeDifference(Number(lon), expected.lon), 0, 1e-6);
    c.near('kml', `placemark ${i} altitude`, altitude, expected.altitude * c.METRES_PER_FOOT, 0.06);
  }
  const line = unicsv(run('gpsbabel', ['-t', '-i', 'kml', '-f', plan, '-o', 'unicsv', '-F', '-']));
  const lineCount = c.sameCount('kml', line.length);
  for (let i = 0; i < lineCount; i++) {
    const { Latitude: lat, Longitude: lon, Altitude: altitude } = line[i];
    const expected = c.route[i];
    c.near('kml', `line point ${i} latitude`, lat, expected.lat, 1e-6);
    c.near('kml', `line point ${i} longitude`, longitudeDifference(Number(lon), expected.lon), 0, 1e-6);
    c.near('kml', `line point ${i} altitude`, altitude, expected.altitude * c.METRES_PER_FOOT, 0.06);
  }
}

module.exports = checkKml;
