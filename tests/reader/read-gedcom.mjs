// Reads a GEDCOM file through read-gedcom, a parser independent of Kinmora, and checks
// that it reads without error as UTF-8 and holds the persons and families expected.
//
//   node read-gedcom.mjs FILE.ged PERSONS FAMILIES
//
// Exits 0 when everything matches, 1 with one line per difference otherwise.
import { readFileSync } from "node:fs";
import { readGedcom } from "read-gedcom";

function main([file, persons, families]) {
  if (!file || persons === undefined || families === undefined) {
    console.error("usage: node read-gedcom.mjs FILE.ged PERSONS FAMILIES");
    return 2;
  }
  const bytes = readFileSync(file);
  // Any structural fault (a bad level, a broken line, an unknown encoding) throws here.
  const gedcom = readGedcom(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length));
  const problems = [];
  const header = gedcom.getHeader();
  const charset = header.getCharacterEncoding().value()[0];
  if (charset !== "UTF-8") problems.push(`character set ${charset}, expected UTF-8`);
  const version = header.getGedcomFile().getVersion().value()[0];
  if (version !== "5.5.1") problems.push(`GEDCOM version ${version}, expected 5.5.1`);
  const individuals = gedcom.getIndividualRecord();
  if (individuals.length !== Number(persons)) problems.push(`${individuals.length} persons, expected ${persons}`);
  const fams = gedcom.getFamilyRecord();
  if (fams.length !== Number(families)) problems.push(`${fams.length} families, expected ${families}`);
  // Names must come through as Thai, not as mojibake from a wrong decoding.
  const names = individuals.getName().value().filter((n) => n !== null);
  const thai = names.filter((n) => /[\u0E00-\u0E7F]/.test(n)).length;
  if (thai === 0) problems.push("no name reads as Thai");
  for (const problem of problems) console.log(`${file}: ${problem}`);
  if (problems.length > 0) return 1;
  console.log(`${file}: read-gedcom reads ${individuals.length} persons and ${fams.length} families, ${thai} names in Thai`);
  return 0;
}

process.exitCode = main(process.argv.slice(2));
