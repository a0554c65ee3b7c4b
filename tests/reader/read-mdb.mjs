// Reads an Access file through mdb-reader, a reader independent of libmdb, and prints its
// tables as JSON, or compares them with expected CSV files.
//
//   node read-mdb.mjs FILE.mdb                       print every user table as JSON
//   node read-mdb.mjs FILE.mdb --tables a,b          check the user tables and their order
//             [--expect NAME=EXPECTED.csv]...        check a table's columns and rows
//             [--password TEXT]                      check the database password ("" for none)
//
// Expected CSV: the writer's input format. Null is an empty cell, Yes/No is 1 or 0, dates
// are YYYY-MM-DD or YYYY-MM-DD HH:MM:SS; a ":type" suffix on a header cell is ignored.
// Exits 0 when everything matches, 1 with one line per difference otherwise.
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

// mdb-reader decodes all Jet 3 text as Windows-1252 whatever the file's code page says.
// Every byte a Thai file holds decodes there to a distinct character, so map them back
// to bytes and decode those as code page 874.
// (Windows-1252 is spelled out: Node's own TextDecoder for it drops 0x80-0x9F.)
const CP1252_80_TO_9F = "€\uFFFD‚ƒ„…†‡ˆ‰Š‹Œ\uFFFDŽ\uFFFD\uFFFD‘’“”•–—˜™š›œ\uFFFDžŸ";
const byteOfCp1252 = new Map();
for (let b = 0; b < 256; ++b) {
  const c = b >= 0x80 && b < 0xa0 ? CP1252_80_TO_9F[b - 0x80] : String.fromCharCode(b);
  if (c !== "\uFFFD") byteOfCp1252.set(c, b);
}
const cp874 = new TextDecoder("windows-874");

// Access 2000 and later keep text in UCS-2, which mdb-reader decodes itself.
let jet3 = true;

function thaiText(s) {
  if (!jet3) return s;
  return cp874.decode(Uint8Array.from([...s], (c) => byteOfCp1252.get(c) ?? 0x3f));
}

// mdb-reader turns the stored day count into a Date as if it were a plain number line.
// Before 1899-12-30 Access subtracts the time of day from the (negative) day instead of
// adding it, so recover the day count and read it the way Access does.
function accessDate(date) {
  const days = date.getTime() / 86400000 + 25569;
  const whole = Math.trunc(days);
  const seconds = Math.round(Math.abs(days - whole) * 86400);
  const day = new Date((whole - 25569) * 86400000);
  const pad = (n, w = 2) => String(n).padStart(w, "0");
  const text = `${pad(day.getUTCFullYear(), 4)}-${pad(day.getUTCMonth() + 1)}-${pad(day.getUTCDate())}`;
  if (seconds === 0) return text;
  return `${text} ${pad(Math.floor(seconds / 3600))}:${pad(Math.floor(seconds / 60) % 60)}:${pad(seconds % 60)}`;
}

function cellText(value, column) {
  if (value === null || value === undefined) return "";
  switch (column.type) {
    case "boolean": return value ? "1" : "0";
    case "datetime": return accessDate(value);
    case "text":
    case "memo": return thaiText(value);
    default: return String(value);
  }
}

function readTable(reader, name) {
  const table = reader.getTable(name);
  const columns = table.getColumns();
  const rows = table.getData().map((row) => columns.map((c) => cellText(row[c.name], c)));
  return {
    rowCount: table.rowCount,
    columns: columns.map((c) => ({ name: thaiText(c.name), type: c.type })),
    rows,
  };
}

// RFC 4180, as the writer reads it: blank lines are skipped, a BOM is tolerated.
function parseCsv(text) {
  const records = [];
  let i = text.startsWith("\uFEFF") ? 1 : 0;
  while (i < text.length) {
    if (text[i] === "\n" || (text[i] === "\r" && text[i + 1] === "\n")) {
      i += text[i] === "\r" ? 2 : 1;
      continue;
    }
    const fields = [];
    for (;;) {
      let field = "";
      if (text[i] === '"') {
        ++i;
        for (;;) {
          const q = text.indexOf('"', i);
          if (q < 0) throw new Error("unclosed quote in expected CSV");
          field += text.slice(i, q);
          i = q + 1;
          if (text[i] === '"') { field += '"'; ++i; } else break;
        }
      } else {
        while (i < text.length && text[i] !== "," && text[i] !== "\n" &&
               !(text[i] === "\r" && text[i + 1] === "\n")) field += text[i++];
      }
      fields.push(field);
      if (text[i] === ",") { ++i; continue; }
      if (text[i] === "\r") i += 2; else if (text[i] === "\n") ++i;
      break;
    }
    records.push(fields);
  }
  return records;
}

function expectedCell(text, type) {
  if (type === "datetime") return text.replace(/ 00:00:00$/, "");
  if (type === "double" && text !== "") return String(Number(text));
  if (type === "integer" || type === "long") return text === "" ? "" : String(Number(text));
  return text;
}

function compare(file, actual, name, expectedPath, problems) {
  const [header, ...rows] = parseCsv(readFileSync(expectedPath, "utf8"));
  const where = `${file}: table ${name}`;
  const names = header.map((h) => h.replace(/:[A-Za-z]+$/, ""));
  const got = actual.columns.map((c) => c.name);
  if (names.join(",") !== got.join(",")) {
    problems.push(`${where}: columns ${got.join(",")}, expected ${names.join(",")}`);
    return;
  }
  if (actual.rowCount !== rows.length || actual.rows.length !== rows.length) {
    problems.push(`${where}: definition says ${actual.rowCount} rows, read ${actual.rows.length}, expected ${rows.length}`);
  }
  rows.forEach((row, r) => {
    row.forEach((cell, c) => {
      const want = expectedCell(cell, actual.columns[c].type);
      const have = actual.rows[r]?.[c];
      if (want !== have) {
        const show = (s) => JSON.stringify(s === undefined ? s : s.length > 80 ? `${s.slice(0, 80)}... (${s.length} chars)` : s);
        problems.push(`${where} row ${r + 1} column ${names[c]}: expected ${show(want)}, got ${show(have)}`);
      }
    });
  });
}

function main(argv) {
  const [file, ...options] = argv;
  if (!file) {
    console.error("usage: node read-mdb.mjs FILE.mdb [--tables a,b] [--expect NAME=FILE.csv]...");
    return 2;
  }
  const bytes = readFileSync(file);
  jet3 = bytes[0x14] === 0;
  const reader = new MDBReader(bytes);
  const tableNames = reader.getTableNames().map(thaiText);
  const rawName = new Map(reader.getTableNames().map((raw) => [thaiText(raw), raw]));
  if (options.length === 0) {
    const tables = {};
    for (const name of tableNames) tables[name] = readTable(reader, rawName.get(name));
    console.log(JSON.stringify(tables, null, 2));
    return 0;
  }
  const problems = [];
  let checkedRows = 0;
  for (let i = 0; i < options.length; i += 2) {
    const [option, value] = [options[i], options[i + 1] ?? ""];
    if (option === "--tables") {
      if (tableNames.join(",") !== value) problems.push(`${file}: tables ${tableNames.join(",")}, expected ${value}`);
    } else if (option === "--password") {
      const password = reader.getPassword();
      const have = password === null ? "" : thaiText(password);
      if (have !== value) problems.push(`${file}: password ${JSON.stringify(have)}, expected ${JSON.stringify(value)}`);
    } else if (option === "--expect") {
      const [name, expectedPath] = value.split(/=(.*)/s);
      if (!rawName.has(name)) {
        problems.push(`${file}: no table ${name}`);
        continue;
      }
      const actual = readTable(reader, rawName.get(name));
      checkedRows += actual.rows.length;
      compare(file, actual, name, expectedPath, problems);
    } else {
      console.error(`unknown option ${option}`);
      return 2;
    }
  }
  for (const problem of problems) console.log(problem);
  if (problems.length > 0) return 1;
  console.log(`${file}: ok, ${checkedRows} rows match`);
  return 0;
}

process.exitCode = main(process.argv.slice(2));
