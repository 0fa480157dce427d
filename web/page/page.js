// The page: files chosen or dropped are read into the module, converted by the tool's own
// commands to every format, offered as downloads, and shown with the map, profiles and tables
// of `trovix html`. Messages go into the page; nothing is sent anywhere.
(function () {
  'use strict';
  // The tool's command, the extension `-d` gives its output, and the download's type.
  var FORMATS = [
    ['gpx', '.gpx', 'application/gpx+xml'], ['kml', '.kml', 'application/vnd.google-earth.kml+xml'],
    ['geojson', '.geojson', 'application/geo+json'], ['csv', '.csv', 'text/csv'],
    ['dump', '.json', 'application/json']];
  var EXIT_REFUSED = 2;
  var READ_PIECE = 1 << 20;
  // A larger page of the tool (hundreds of thousands of markers and rows) would take the tab's
  // memory and minutes to lay out.
  var VIEW_LIMIT = 16 << 20;

  var module = null;
  var chosen = [];
  var links = [];  // object URLs of the current results, released before the next run
  var run = 0;

  var $ = function (id) { return document.getElementById(id); };
  var status = $('status');

  function element(tag, attributes, text) {
    var e = document.createElement(tag);
    Object.keys(attributes || {}).forEach(function (k) { e.setAttribute(k, attributes[k]); });
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function decode(base64) {
    var text = atob(base64), bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    return bytes;
  }

  // The name `-d DIR` gives a file's outputs: its name without the last extension.
  function stem(name) {
    var dot = name.lastIndexOf('.');
    return dot > 0 ? name.slice(0, dot) : name;
  }

  function sizeText(bytes) {
    return bytes < 1024 ? bytes + ' B' : bytes < 1048576 ? (bytes / 1024).toFixed(1) + ' KB'
                                                           : (bytes / 1048576).toFixed(1) + ' MB';
  }

  function download(name, blob) {
    var url = URL.createObjectURL(blob);
    links.push(url);
    var a = element('a', {download: name, href: url}, name);
    a.title = sizeText(blob.size);
    return a;
  }

  // The file's bytes into the module's memory, a piece at a time: never twice whole in the tab.
  async function readInto(file) {
    var input;
    try {
      input = new module.Input(file.size);
    } catch (e) {
      throw new Error('out of memory: the file is too large for this browser');
    }
    try {
      // One buffer, handed to the stream and back for each piece: no garbage of the file's size
      // left to the collector.
      var reader = file.stream().getReader({mode: 'byob'}), buffer = new ArrayBuffer(READ_PIECE), at = 0;
      for (;;) {
        var piece = await reader.read(new Uint8Array(buffer));
        if (piece.done) break;
        input.bytes().set(piece.value, at);
        at += piece.value.length;
        buffer = piece.value.buffer;
      }
      if (at !== file.size) throw new Error('the file changed while it was read');
    } catch (e) {
      input.delete();
      throw e;
    }
    return input;
  }

  // One command of the tool; its output as a Blob, built from the pieces the module hands over.
  function convert(input, command, name, type) {
    var pieces = [];
    var started = performance.now();
    var result = module.convert(input, command, name, Number($('codepage').value), $('partial').checked,
                                function (view) { pieces.push(new Blob([view])); });
    return {code: result.code, messages: result.messages, ms: performance.now() - started,
            blob: new Blob(pieces, {type: type})};
  }

  // What the command wrote: its output whole, or for a refused file with "partial" what was read.
  function written(result) {
    return result.code === 0 || (result.code === EXIT_REFUSED && $('partial').checked);
  }

  // The body of the tool's page for the file, without its title and script; element ids made
  // unique on this page of several files (the arrow marker the style names stays as it is).
  function view(html, index) {
    var doc = new DOMParser().parseFromString(html, 'text/html');
    var box = element('div', {class: 'view'});
    Array.prototype.forEach.call(doc.body.children, function (child) {
      if (child.tagName !== 'SCRIPT' && child.tagName !== 'H1') box.appendChild(document.importNode(child, true));
    });
    box.querySelectorAll('[id]').forEach(function (e) {
      if (e.id !== 'arrow') e.id = 'file' + index + '-' + e.id;
    });
    return box;
  }

  // lines: the tool's, in order; refusal: the one that says why the file was refused, if any.
  function showMessages(section, lines, refusal) {
    if (!lines.length) return;
    var list = element('ul', {class: 'messages'});
    lines.forEach(function (line) {
      list.appendChild(element('li', line === refusal ? {class: 'refused'} : {}, line));
    });
    section.appendChild(list);
  }

  async function convertFile(file, index, outputs, names, mine) {
    var section = element('section', {class: 'tbk'});
    section.appendChild(element('h2', {}, file.name));
    $('results').appendChild(section);
    var input = await readInto(file);
    try {
      if (mine !== run) return;
      var lines = [], refusal = null, made = [];
      FORMATS.forEach(function (f) {
        var result = convert(input, f[0], file.name, f[2]);
        section.dataset['ms' + f[0]] = result.ms.toFixed(1);
        result.messages.split('\n').forEach(function (line) {
          if (line && lines.indexOf(line) < 0) lines.push(line);
        });
        // A command that fails says why in its last line.
        if (result.code !== 0 && refusal === null) {
          var said = result.messages.trim().split('\n');
          refusal = said[said.length - 1];
        }
        if (written(result)) made.push([f[1], result.blob]);
      });
      showMessages(section, lines, refusal);
      if (!made.length) return;
      var base = stem(file.name), name = base;
      for (var n = 2; names.has(name); n++) name = base + '-' + n;
      names.add(name);
      var downloads = element('p', {class: 'downloads'});
      made.forEach(function (m) {
        downloads.appendChild(download(name + m[0], m[1]));
        outputs.push({name: name + m[0], blob: m[1]});
      });
      section.appendChild(downloads);
      var page = convert(input, 'html', file.name, 'text/html');
      section.dataset.mshtml = page.ms.toFixed(1);
      if (written(page) && page.blob.size > VIEW_LIMIT) {
        section.appendChild(element('p', {class: 'too-big'}, 'The map and tables of this file (' +
          sizeText(page.blob.size) + ') are too large to show in this page; the files above hold everything.'));
      } else if (written(page)) {
        var box = view(await page.blob.text(), index);
        section.appendChild(box);
        box.querySelectorAll('svg.map').forEach(trovixAttachMap);
      }
    } finally {
      input.delete();
    }
  }

  async function convertAll() {
    if (!module || !chosen.length) return;
    var mine = ++run;
    links.forEach(URL.revokeObjectURL);
    links = [];
    $('results').textContent = '';
    $('all').hidden = true;
    document.body.dataset.state = 'converting';
    var outputs = [], names = new Set();
    for (var i = 0; i < chosen.length && mine === run; i++) {
      status.textContent = 'Converting ' + chosen[i].name + ' (' + (i + 1) + ' of ' + chosen.length + ')…';
      // Let the page show that before the work starts.
      await new Promise(function (r) { setTimeout(r, 0); });
      // Other files or options chosen meanwhile: their run owns the page now.
      if (mine !== run) return;
      try {
        await convertFile(chosen[i], i, outputs, names, mine);
      } catch (e) {
        var section = $('results').lastElementChild;
        var line = chosen[i].name + ': ' + (/memory|Aborted/.test(String(e))
          ? 'out of memory: the file is too large for this browser'
          : 'cannot be read: ' + (e && e.message ? e.message : e));
        showMessages(section, [line], line);
      }
    }
    if (mine !== run) return;
    var files = $('results').querySelectorAll('section.tbk .downloads').length;
    if (files > 1) {
      var zip = await TrovixZip.archive(outputs);
      $('all').textContent = 'All outputs of the ' + files + ' files: ';
      $('all').appendChild(download('trovix-outputs.zip', zip));
      $('all').hidden = false;
    }
    status.textContent = chosen.length === 1 ? 'Converted 1 file.' : 'Converted ' + chosen.length + ' files.';
    document.body.dataset.state = 'done';
  }

  function choose(files) {
    chosen = Array.prototype.slice.call(files);
    convertAll();
  }

  $('files').addEventListener('change', function () { choose(this.files); });
  $('codepage').addEventListener('change', convertAll);
  $('partial').addEventListener('change', convertAll);
  var drop = $('drop');
  ['dragenter', 'dragover'].forEach(function (type) {
    drop.addEventListener(type, function (e) { e.preventDefault(); drop.classList.add('over'); });
  });
  drop.addEventListener('dragleave', function () { drop.classList.remove('over'); });
  drop.addEventListener('drop', function (e) {
    e.preventDefault();
    drop.classList.remove('over');
    choose(e.dataTransfer.files);
  });

  var quiet = function () {};
  TrovixModule({wasmBinary: decode(TROVIX_WASM), print: quiet, printErr: quiet}).then(function (m) {
    module = m;
    document.head.appendChild(element('style', {}, module.style()));
    // auto (0): the page the file's texts look like, as --codepage auto chooses it.
    $('codepage').appendChild(element('option', {value: 0}, 'auto (from the file\'s texts)'));
    module.codePages().forEach(function (c) {
      $('codepage').appendChild(element('option', {value: c[0]}, c[1]));
    });
    status.textContent = 'Ready: choose or drop files. Nothing leaves this computer.';
    document.body.dataset.state = 'ready';
    convertAll();
  }, function (e) {
    status.textContent = 'The converter cannot run in this browser: ' + e;
  });
})();
