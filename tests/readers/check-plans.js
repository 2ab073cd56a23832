// Reads the plans PlanTransit wrote for one FliteStar export back with readers
// someone else wrote, and with the rules of each format's published description
// where no reader installs here, and compares what they got (identifiers,
// kinds, positions, altitudes) with the export itself and the airport data file,
// read here on their own. Each format's check is a module of checks/.
//
//   node check-plans.js SOURCE AIRPORTS OUT
//
// OUT holds the plans as `plantransit-convert -f all -o OUT` writes them, and
// GPX/<name>.csv, gpsbabel's reading of the GPX route. Prints one line per
// difference and exits 1 when there was any.
'use strict';

const fs = require('fs');
const path = require('path');
const { makeContext } = require('./checks/common.js');

const [sourcePath, airportsPath, outDir] = process.argv.slice(2);
const failures = [];
const context = makeContext(sourcePath, airportsPath, outDir, failures);

const checksDir = path.join(__dirname, 'checks');
for (const file of fs.readdirSync(checksDir).sort()) {
  if (file === 'common.js' || !file.endsWith('.js')) continue;
  const check = require(path.join(checksDir, file));
  try {
    check(context);
  } catch (error) {
    context.fail(path.basename(file, '.js'), `the reader refused the plan: ${error.message}`);
  }
}
for (const failure of failures) console.log(`${sourcePath}: ${failure}`);
process.exit(failures.length === 0 ? 0 : 1);
