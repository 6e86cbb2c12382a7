// SPDX-License-Identifier: MIT
// The unit tests built for the browser run under node on Emscripten's own
// file system, where standard output can be captured as the tests do; the
// folder holding the test program is mounted there from the real one, so
// models/ and textures/ lie beside it as on the desktop.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var dir = require('path').dirname(require('path').resolve(process.argv[1]));
  FS.mkdirTree(dir);
  FS.mount(NODEFS, { root: dir }, dir);
});
