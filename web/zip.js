// A zip archive of stored (uncompressed) files: plans are small text files, so
// compression would buy little and cost a dependency.

const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

export function crc32(bytes) {
  let crc = 0xffffffff;
  for (let i = 0; i < bytes.length; i++) crc = CRC_TABLE[(crc ^ bytes[i]) & 0xff] ^ (crc >>> 8);
  return (crc ^ 0xffffffff) >>> 0;
}

// Zip stores local time at two-second steps, from 1980 on.
function dosDateTime(date) {
  const year = Math.max(date.getFullYear(), 1980);
  return {
    time: (date.getHours() << 11) | (date.getMinutes() << 5) | (date.getSeconds() >> 1),
    day: ((year - 1980) << 9) | ((date.getMonth() + 1) << 5) | date.getDate(),
  };
}

// The fields a local header and a central directory entry share, from "version
// needed" to the extra field's length.
function writeCommonFields(view, at, entry) {
  view.setUint16(at, 20, true);          // version needed: 2.0
  view.setUint16(at + 2, 0x0800, true);  // the name is UTF-8
  view.setUint16(at + 4, 0, true);       // stored
  view.setUint16(at + 6, entry.stamp.time, true);
  view.setUint16(at + 8, entry.stamp.day, true);
  view.setUint32(at + 10, entry.crc, true);
  view.setUint32(at + 14, entry.data.length, true);
  view.setUint32(at + 18, entry.data.length, true);
  view.setUint16(at + 22, entry.name.length, true);
  view.setUint16(at + 24, 0, true);      // no extra field
}

function record(size, signature, fill) {
  const bytes = new Uint8Array(size);
  const view = new DataView(bytes.buffer);
  view.setUint32(0, signature, true);
  fill(view, bytes);
  return bytes;
}

// files: [{ path: 'MSFS2020/plan.pln', data: Uint8Array }]. Returns a Blob.
export function createZip(files, date = new Date()) {
  if (files.length > 0xffff) throw new Error('A zip without Zip64 holds at most 65535 files');
  const encoder = new TextEncoder();
  const stamp = dosDateTime(date);
  const parts = [];
  const central = [];
  let offset = 0;
  for (const file of files) {
    const entry = { name: encoder.encode(file.path), data: file.data, crc: crc32(file.data), stamp };
    const local = record(30 + entry.name.length, 0x04034b50, (view, bytes) => {
      writeCommonFields(view, 4, entry);
      bytes.set(entry.name, 30);
    });
    central.push(record(46 + entry.name.length, 0x02014b50, (view, bytes) => {
      view.setUint16(4, 20, true);  // made by: MS-DOS attributes, version 2.0
      writeCommonFields(view, 6, entry);
      view.setUint32(42, offset, true);
      bytes.set(entry.name, 46);
    }));
    parts.push(local, entry.data);
    offset += local.length + entry.data.length;
  }
  const centralSize = central.reduce((sum, bytes) => sum + bytes.length, 0);
  const end = record(22, 0x06054b50, (view) => {
    view.setUint16(8, files.length, true);
    view.setUint16(10, files.length, true);
    view.setUint32(12, centralSize, true);
    view.setUint32(16, offset, true);
  });
  return new Blob([...parts, ...central, end], { type: 'application/zip' });
}
