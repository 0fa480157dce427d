// One ZIP archive of several outputs: entries stored as they are (no compression), each with its
// CRC-32, names in UTF-8.
var TrovixZip = (function () {
  'use strict';
  var table = new Uint32Array(256);
  for (var n = 0; n < 256; n++) {
    var c = n;
    for (var k = 0; k < 8; k++) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }

  function crc32(bytes) {
    var crc = 0xFFFFFFFF;
    for (var i = 0; i < bytes.length; i++) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >>> 8);
    return (crc ^ 0xFFFFFFFF) >>> 0;
  }

  // DOS time and date fields of a moment.
  function dosTime(d) {
    return (d.getHours() << 11) | (d.getMinutes() << 5) | (d.getSeconds() >> 1);
  }
  function dosDate(d) {
    return ((Math.max(d.getFullYear(), 1980) - 1980) << 9) | ((d.getMonth() + 1) << 5) | d.getDate();
  }

  function header(size, fields) {
    var bytes = new Uint8Array(size), view = new DataView(bytes.buffer), at = 0;
    fields.forEach(function (f) {
      if (f[0] === 2) view.setUint16(at, f[1], true); else view.setUint32(at, f[1], true);
      at += f[0];
    });
    return bytes;
  }

  // entries: [{name, blob}]; resolves to the archive as a Blob. Files and the archive stay under
  // 4 GB (no ZIP64): the outputs of one page are far smaller.
  async function archive(entries, now) {
    var parts = [], central = [], offset = 0, encoder = new TextEncoder();
    var time = dosTime(now || new Date()), date = dosDate(now || new Date());
    for (var i = 0; i < entries.length; i++) {
      var e = entries[i], name = encoder.encode(e.name);
      var crc = crc32(new Uint8Array(await e.blob.arrayBuffer())), size = e.blob.size;
      // Local header: signature, version 2.0, flag 11 (UTF-8 name), stored, time, date, CRC, sizes,
      // name length, no extra field.
      parts.push(header(30, [[4, 0x04034B50], [2, 20], [2, 0x0800], [2, 0], [2, time], [2, date],
                             [4, crc], [4, size], [4, size], [2, name.length], [2, 0]]), name, e.blob);
      central.push(header(46, [[4, 0x02014B50], [2, 20], [2, 20], [2, 0x0800], [2, 0], [2, time], [2, date],
                               [4, crc], [4, size], [4, size], [2, name.length], [2, 0], [2, 0], [2, 0],
                               [2, 0], [4, 0], [4, offset]]), name);
      offset += 30 + name.length + size;
    }
    var centralSize = central.reduce(function (sum, p) { return sum + p.length; }, 0);
    var end = header(22, [[4, 0x06054B50], [2, 0], [2, 0], [2, entries.length], [2, entries.length],
                          [4, centralSize], [4, offset], [2, 0]]);
    return new Blob(parts.concat(central, [end]), {type: 'application/zip'});
  }

  return {archive: archive, crc32: crc32};
})();
