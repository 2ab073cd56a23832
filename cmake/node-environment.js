// The converter run by Node.js sees the process's environment (SOURCE_DATE_EPOCH,
// TZ), as the native converter does; Emscripten would give it a fixed one.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
