// The page's module under node: for each test file, every format and its messages and exit code
// are those of the native tool run on the same file with the same options.
//   node web_module_test.js MODULE.js TROVIX FIXTURES.js EXAMPLE.tbk CYRILLIC.tbk
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [modulePath, trovix, fixtures, example, cyrillic] = process.argv.slice(2);
const COMMANDS = ['dump', 'gpx', 'kml', 'geojson', 'csv'];
let failures = 0;

function check(what, ok, detail) {
  console.log((ok ? 'ok    ' : 'FAIL  ') + what + (ok ? '' : ': ' + detail));
  if (!ok) failures++;
}

// What the tool writes for `trovix COMMAND NAME [--codepage CP] [--partial]` in the file's folder.
function tool(command, file, codePage, partial) {
  const args = [command, path.basename(file), '--codepage', String(codePage || 'auto')].concat(partial ? ['--partial'] : []);
  const run = childProcess.spawnSync(trovix, args, {cwd: path.dirname(file), maxBuffer: 1 << 30});
  return {code: run.status, out: run.stdout, err: run.stderr.toString()};
}

function page(module, command, file, codePage, partial) {
  const bytes = fs.readFileSync(file);
  const input = new module.Input(bytes.length);
  input.bytes().set(bytes);
  const pieces = [];
  try {
    const result = module.convert(input, command, path.basename(file), codePage, partial,
                                  (view) => pieces.push(Buffer.from(view)));
    return {code: result.code, out: Buffer.concat(pieces), err: result.messages};
  } finally {
    input.delete();
  }
}

async function main() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'trovix-web-'));
  try {
    childProcess.execFileSync(process.execPath, [fixtures, folder]);
    const module = await require(modulePath)({
      wasmBinary: fs.readFileSync(modulePath.replace(/\.js$/, '.wasm')), print: () => {}, printErr: () => {}});
    const cases = [
      [example, 1252, false], [path.join(folder, 'sjis.tbk'), 932, false], [cyrillic, 1251, false], [cyrillic, 0, false],
      [path.join(folder, 'antimeridian.tbk'), 1252, false], [path.join(folder, 'damaged.tbk'), 1252, false],
      [path.join(folder, 'damaged.tbk'), 1252, true]];
    for (const [file, codePage, partial] of cases) {
      for (const command of COMMANDS) {
        const what = path.basename(file) + ' ' + command + ' --codepage ' + (codePage || 'auto') + (partial ? ' --partial' : '');
        const expected = tool(command, file, codePage, partial);
        const got = page(module, command, file, codePage, partial);
        check(what + ': the same bytes', Buffer.compare(expected.out, got.out) === 0,
              expected.out.length + ' bytes from the tool, ' + got.out.length + ' from the module');
        check(what + ': the same messages and exit code', expected.err === got.err && expected.code === got.code,
              JSON.stringify([expected.code, expected.err, got.code, got.err]));
      }
    }
    const refused = page(module, 'gpx', path.join(folder, 'damaged.tbk'), 1252, false);
    check('a damaged file is refused with the reason', refused.code === 2 && /damaged at byte/.test(refused.err),
          refused.err);
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
  process.exit(failures ? 1 : 0);
}

main().catch((e) => {
  console.log('FAIL  ' + e);
  process.exit(1);
});
