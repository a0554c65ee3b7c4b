// What one person is to another in Thai kinship terms, worked out in the
// browser the way kinmora-cli relation does: persons are the rows whose code
// is a positive whole number no other row has; parents and spouses that name
// nobody are no link; births are compared by their order, never their dates.
"use strict";

function KinmoraKinship(family) {
  const count = family.name.length;
  const uses = new Map();
  for (const code of family.code) if (code !== null) uses.set(code, (uses.get(code) || 0) + 1);
  // graph position -> family index, and back
  const rowOf = [];
  const byCode = new Map();
  for (let i = 0; i < count; ++i) {
    const code = family.code[i];
    if (code === null || code <= 0 || uses.get(code) !== 1) continue;
    byCode.set(code, rowOf.length);
    rowOf.push(i);
  }
  const size = rowOf.length;
  const personOf = (code) => (code === null || !byCode.has(code) ? -1 : byCode.get(code));
  const father = new Int32Array(size);
  const mother = new Int32Array(size);
  for (let p = 0; p < size; ++p) {
    father[p] = personOf(family.father[rowOf[p]]);
    mother[p] = personOf(family.mother[rowOf[p]]);
  }
  const male = (p) => family.male[rowOf[p]] === "1";

  // Union-find groups for "is there any chain between them".
  const groups = () => {
    const up = new Int32Array(size);
    for (let i = 0; i < size; ++i) up[i] = i;
    const find = (p) => {
      while (up[p] !== p) p = up[p] = up[up[p]];
      return p;
    };
    return { up, find, join: (p, q) => { if (p >= 0 && q >= 0) up[find(p)] = find(q); } };
  };
  const birth = groups();
  for (let p = 0; p < size; ++p) { birth.join(p, father[p]); birth.join(p, mother[p]); }
  const birthGroup = Array.from({ length: size }, (_, p) => birth.find(p));
  const any = groups();
  any.up.set(birth.up);
  const spouses = Array.from({ length: size }, () => []);
  const isSpouse = (p, q) => spouses[p].includes(q);
  // The married table in its stored row order.
  const couples = family.husband.map((_, i) => i).sort((a, b) => family.weddingRow[a] - family.weddingRow[b]);
  for (const i of couples) {
    const husband = personOf(family.husband[i]);
    const wife = personOf(family.wife[i]);
    if (husband < 0 || wife < 0 || husband === wife || isSpouse(husband, wife)) continue;
    spouses[husband].push(wife);
    spouses[wife].push(husband);
    any.join(husband, wife);
  }
  const anyGroup = Array.from({ length: size }, (_, p) => any.find(p));

  // "older", "younger" or "unknown": p's birth against other's.
  const age = (p, other) => {
    const i = rowOf[p], j = rowOf[other];
    if (family.bornKnown[i] !== "1" || family.bornKnown[j] !== "1") return "unknown";
    const a = family.bornOrder[i], b = family.bornOrder[j];
    if (a === b) return "unknown";
    return a < b ? "older" : "younger";
  };
  const isParentOf = (parent, child) => parent >= 0 && (father[child] === parent || mother[child] === parent);

  const ancestors = (start) => {
    const distance = new Map([[start, 0]]);
    let level = [start];
    for (let generation = 1; level.length; ++generation) {
      const next = [];
      for (const p of level)
        for (const parent of [father[p], mother[p]])
          if (parent >= 0 && !distance.has(parent)) { distance.set(parent, generation); next.push(parent); }
      level = next;
    }
    return distance;
  };

  const bloodTie = (a, b) => {
    const fromA = ancestors(a);
    const fromB = ancestors(b);
    let best = null;
    let nearest = [];
    for (const [ancestor, down] of fromB) {
      if (!fromA.has(ancestor)) continue;
      const up = fromA.get(ancestor);
      const better = !best || up + down < best.up + best.down ||
        (up + down === best.up + best.down && up < best.up);
      if (better) { best = { up, down, parent: -1, fatherSide: false }; nearest = []; }
      if (best.up === up && best.down === down) nearest.push(ancestor);
    }
    if (!best || best.up === 0) return best;
    if (father[a] >= 0) {
      const fromFather = ancestors(father[a]);
      for (const ancestor of nearest)
        if (fromFather.get(ancestor) === best.up - 1) {
          best.parent = father[a];
          best.fatherSide = true;
          return best;
        }
    }
    best.parent = mother[a];
    return best;
  };

  const bySex = (p, m, f) => (male(p) ? m : f);

  const siblingTerm = (b, x) => {
    switch (age(b, x)) {
      case "older": return bySex(b, "พี่ชาย", "พี่สาว");
      case "younger": return bySex(b, "น้องชาย", "น้องสาว");
    }
    return bySex(b, "พี่ชายหรือน้องชาย", "พี่สาวหรือน้องสาว");
  };

  const elderOrYounger = (b, parent, fatherSide) => {
    switch (age(b, parent)) {
      case "older": return bySex(b, "ลุง", "ป้า");
      case "younger": return fatherSide ? "อา" : "น้า";
    }
    return fatherSide ? bySex(b, "ลุงหรืออา", "ป้าหรืออา") : bySex(b, "ลุงหรือน้า", "ป้าหรือน้า");
  };

  const bloodTerm = (a, b, tie) => {
    const u = tie.up, d = tie.down;
    const grandparent = () => (tie.fatherSide ? bySex(b, "ปู่", "ย่า") : bySex(b, "ตา", "ยาย"));
    if (u === 0 && d === 0) return "ตัวเอง";
    if (d === 0) {
      if (u === 1) return bySex(b, "พ่อ", "แม่");
      if (u === 2) return grandparent();
      if (u === 3) return "ทวด";
      if (u === 4) return "เทียด";
    }
    if (u === 0) {
      if (d === 1) return bySex(b, "ลูกชาย", "ลูกสาว");
      if (d === 2) return bySex(b, "หลานชาย", "หลานสาว");
      if (d === 3) return "เหลน";
      if (d === 4) return "ลื่อ";
    }
    if (u === 1 && d === 1) {
      const sameFather = father[a] >= 0 && father[a] === father[b];
      const sameMother = mother[a] >= 0 && mother[a] === mother[b];
      let sibling = siblingTerm(b, a);
      if (sameMother && !sameFather) sibling += "ต่างพ่อ";
      else if (sameFather && !sameMother) sibling += "ต่างแม่";
      return sibling;
    }
    if (u === d && u >= 2 && u <= 4) return "ลูกพี่ลูกน้อง";
    if (u === d + 1 && d >= 1 && d <= 3) return elderOrYounger(b, tie.parent, tie.fatherSide);
    if (u === d + 2 && d >= 1 && d <= 2) return grandparent();
    if (u === 4 && d === 1) return "ทวด";
    if (u === 1 && d === 4) return "เหลน";
    if ((d === u + 1 && u >= 1 && u <= 3) || (d === u + 2 && u >= 1 && u <= 2))
      return bySex(b, "หลานชาย", "หลานสาว");
    return "ญาติ";
  };

  const bloodTermOf = (a, b) => {
    const tie = bloodTie(a, b);
    return tie ? bloodTerm(a, b, tie) : "";
  };
  const areSiblings = (p, q) => {
    const tie = bloodTie(p, q);
    return !!tie && tie.up === 1 && tie.down === 1;
  };

  const elders = [["ลุง", "ป้า"], ["ลุงหรืออา", "ป้าหรืออา"], ["ลุงหรือน้า", "ป้าหรือน้า"], ["อา", "อา"], ["น้า", "น้า"]];

  const byMarriage = (a, b) => {
    for (const parent of [father[a], mother[a]])
      if (parent >= 0 && isSpouse(parent, b) && !isParentOf(b, a)) return bySex(b, "พ่อเลี้ยง", "แม่เลี้ยง");
    for (const parent of [father[b], mother[b]])
      if (parent >= 0 && isSpouse(a, parent) && !isParentOf(a, b)) return "ลูกเลี้ยง";
    for (const spouse of spouses[a])
      if (isParentOf(b, spouse)) return male(a) ? bySex(b, "พ่อตา", "แม่ยาย") : bySex(b, "พ่อสามี", "แม่สามี");
    for (const spouse of spouses[b])
      if (isParentOf(a, spouse)) return bySex(b, "ลูกเขย", "ลูกสะใภ้");
    for (const spouse of spouses[b]) {
      if (!areSiblings(a, spouse)) continue;
      switch (age(spouse, a)) {
        case "older": return bySex(b, "พี่เขย", "พี่สะใภ้");
        case "younger": return bySex(b, "น้องเขย", "น้องสะใภ้");
      }
      return bySex(b, "พี่เขยหรือน้องเขย", "พี่สะใภ้หรือน้องสะใภ้");
    }
    for (const spouse of spouses[a])
      if (areSiblings(spouse, b)) return siblingTerm(b, spouse) + "ของ" + (male(spouse) ? "สามี" : "ภรรยา");
    for (const spouse of spouses[b]) {
      const elder = bloodTermOf(a, spouse);
      for (const [m, f] of elders) if (elder === m || elder === f) return bySex(b, m, f);
    }
    for (const spouse of spouses[b]) {
      const tie = bloodTie(a, spouse);
      if (tie && tie.up === 1 && tie.down === 2) return bySex(b, "หลานเขย", "หลานสะใภ้");
    }
    return "";
  };

  const term = (a, b) => {
    if (a === b) return "ตัวเอง";
    if (isSpouse(a, b)) return bySex(b, "สามี", "ภรรยา");
    const tie = bloodTie(a, b);
    if (tie) return bloodTerm(a, b, tie);
    const inLaw = byMarriage(a, b);
    if (inLaw) return inLaw;
    if (birthGroup[a] === birthGroup[b]) return "ญาติ";
    if (anyGroup[a] === anyGroup[b]) return "ญาติทางการแต่งงาน";
    return "";
  };

  return {
    // What the person coded `codeB` is to the one coded `codeA`, or null
    // when either code names no person of the graph.
    termByCode(codeA, codeB) {
      const a = personOf(codeA), b = personOf(codeB);
      return a < 0 || b < 0 ? null : term(a, b);
    },
    // The sentence that says it, as Thai writes it: no spaces between the
    // words, a sentence of its own for the same person and for no relation;
    // null as termByCode.
    sentenceByCode(codeA, codeB) {
      const a = personOf(codeA), b = personOf(codeB);
      if (a < 0 || b < 0) return null;
      const nameA = family.name[rowOf[a]], nameB = family.name[rowOf[b]];
      if (a === b) return `ทั้งสองคือ${nameA}คนเดียวกัน`;
      const t = term(a, b);
      return t === "" ? `${nameB}ไม่ได้เป็นญาติกับ${nameA}` : `${nameB}เป็น${t}ของ${nameA}`;
    },
  };
}
