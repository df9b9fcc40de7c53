// Reads a Language.mdb with the npm package mdb-reader (an independent Access reader) and
// compares it with the text table it was made from: the table list, the columns, the row
// count of the table definition and every value (NULL and "" apart).
// Usage: node check.mjs LANGUAGE.mdb TEXTS.tsv   Exit 0 = all equal.
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";
import { isDeepStrictEqual } from "node:util";

const [mdbPath, tsvPath] = process.argv.slice(2);
if (!mdbPath || !tsvPath) {
    console.error("usage: node check.mjs LANGUAGE.mdb TEXTS.tsv");
    process.exit(2);
}

const unescape = (field) =>
    field === "\\N"
        ? null
        : field.replace(/\\(.)/g, (_, c) => ({ r: "\r", n: "\n", t: "\t", "\\": "\\" })[c] ?? c);
const lines = readFileSync(tsvPath, "utf8").split("\n").filter((l) => l !== "" && !l.startsWith("#"));
const columns = lines[0].split("\t");
const expected = lines.slice(1).map((line) => {
    const fields = line.split("\t").map(unescape);
    return Object.fromEntries(columns.map((c, i) => [c, fields[i]]));
});

let passed = 0;
let failed = 0;
const check = (what, actual, wanted) => {
    if (isDeepStrictEqual(actual, wanted)) {
        console.log(`ok: ${what}`);
        ++passed;
    } else {
        console.log(`FAIL: ${what}\n  expected ${JSON.stringify(wanted)}\n  actual   ${JSON.stringify(actual)}`);
        ++failed;
    }
};

const reader = new MDBReader(readFileSync(mdbPath));
check("table list", reader.getTableNames(), ["tblComponents"]);
check("system tables", reader.getTableNames({ normalTables: false, systemTables: true }).sort(),
      ["MSysACEs", "MSysObjects", "MSysQueries", "MSysRelationships"]);
const table = reader.getTable("tblComponents");
check("columns", table.getColumnNames(), columns);
check("column types", table.getColumns().map((c) => [c.type, c.size]), columns.map(() => ["text", 510]));
check("row count", table.rowCount, expected.length);
check("rows", table.getData(), expected);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
