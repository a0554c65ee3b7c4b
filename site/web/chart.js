// The family chart of one person on one side, built in the browser as
// kinmora-cli chart builds it: the top generation, then four passes of
// marriages, couples' children and children with one parent unknown. Rows
// the chart's queries return "order by" a column come in that column's order
// (ranks the data carries); ties keep the order the look-up gave them: by
// code in file order, by one parent ordered by the other parent's code
// (unknown first) then file order, as the family table's indexes keep them,
// and marriages in the married table's row order.
"use strict";

const KinmoraChart = (() => {
  const INT16_MIN = -32768, INT16_MAX = 32767, INT32_MAX = 2147483647;
  const PASSES = 4;

  function indexes(family) {
    if (family._chartIndex) return family._chartIndex;
    const count = family.name.length;
    const firstWithCode = new Map();
    const byFather = new Map(), byMother = new Map(), byCode = new Map();
    const add = (map, key, i) => {
      if (key === null) return;
      let list = map.get(key);
      if (!list) map.set(key, (list = []));
      list.push(i);
    };
    for (let i = 0; i < count; ++i) {
      const code = family.code[i];
      if (code !== null && !firstWithCode.has(code)) firstWithCode.set(code, i);
      add(byCode, code, i);
      add(byFather, family.father[i], i);
      add(byMother, family.mother[i], i);
    }
    // The index on both parents: by one, then the other (unknown first), then row.
    const other = (list, key) => list.sort((a, b) => {
      const x = key[a], y = key[b];
      if (x !== y) return x === null ? -1 : y === null ? 1 : x - y;
      return family.row[a] - family.row[b];
    });
    for (const list of byFather.values()) other(list, family.mother);
    for (const list of byMother.values()) other(list, family.father);
    for (const list of byCode.values()) list.sort((a, b) => family.row[a] - family.row[b]);
    // A person's marriages are read from the married table in its row order.
    const marriagesBy = new Map();
    const couples = family.husband.map((_, m) => m).sort((a, b) => family.weddingRow[a] - family.weddingRow[b]);
    for (const m of couples) {
      add(marriagesBy, family.husband[m], m);
      if (family.wife[m] !== family.husband[m]) add(marriagesBy, family.wife[m], m);
    }
    return (family._chartIndex = { firstWithCode, byFather, byMother, byCode, marriagesBy });
  }

  // A code as the chart's look-ups use it: a 16-bit whole number, else 0.
  const codeOf = (v) => (v !== null && v >= INT16_MIN && v <= INT16_MAX ? v : 0);
  // A person's own code for their marriages and children: 1 to INT32_MAX, else null.
  const personCode = (v) => (v !== null && v >= 1 && v <= INT32_MAX ? v : null);

  // A stable sort: ties keep the look-up's order.
  function byBorn(family, rows) {
    return rows.slice().sort((a, b) => family.bornOrder[a] - family.bornOrder[b]);
  }

  // The nodes of the chart of the person at name-order position `centre`
  // on `side` ("father" or "mother"): {key, text, image, parent, kind, code}
  // in the order they were added, and the keys made visible.
  function build(family, centre, side) {
    const ix = indexes(family);
    const centreName = family.name[centre];
    const nodes = [];
    const visible = [];
    let keyCounter = 1;
    const nextKey = () => "M" + keyCounter++;
    const entryFor = (i, parentKey) => ({ parentKey, nodeKey: nextKey(), i, code: family.code[i], name: family.name[i], male: family.male[i] === "1" });
    const addPerson = (e) => {
      const centreHere = e.name === centreName;
      const image = e.male ? (centreHere ? "cmale" : "male") : (centreHere ? "cfemale" : "female");
      nodes.push({ key: e.nodeKey, text: e.name, image, parent: e.parentKey, kind: "person", code: personCode(e.code) || 0, i: e.i });
    };
    const findByCode = (code) => (ix.firstWithCode.has(code) ? ix.firstWithCode.get(code) : -1);
    const parentField = side === "father" ? family.father : family.mother;
    const childrenOf = (map, code) => byBorn(family, map.get(code) || []);

    // The top generation.
    const p = codeOf(parentField[centre]);
    const c = codeOf(family.code[centre]);
    let top, upper = false;
    if (p === 0) top = childrenOf(ix.byCode, c);
    else {
      const parentRow = findByCode(p);
      if (parentRow < 0) top = childrenOf(ix.byCode, c);
      else {
        const g = codeOf(parentField[parentRow]);
        if (g === 0) top = childrenOf(ix.byCode, p);
        else { top = childrenOf(side === "father" ? ix.byFather : ix.byMother, g); upper = true; }
      }
    }
    nodes.push(upper ? { key: "Root", text: "upper", image: "upper", parent: "", kind: "root" }
                     : { key: "Root", text: "no upper", image: "noupper", parent: "", kind: "root" });
    let current = top.map((i) => entryFor(i, "Root"));
    for (const e of current) { addPerson(e); visible.push(e.nodeKey); }

    const addChildren = (rows, parentKey, next) => {
      for (const i of rows) {
        const child = entryFor(i, parentKey);
        next.push(child);
        addPerson(child);
        if (child.name === centreName) visible.push(child.nodeKey);
      }
    };
    for (let pass = 0; pass < PASSES && current.length; ++pass) {
      const next = [];
      for (const person of current) {
        const code = personCode(person.code);
        if (code === null) continue;
        const marriages = (ix.marriagesBy.get(code) || []).slice().sort(
          (a, b) => family.weddingOrder[a] - family.weddingOrder[b]);
        for (const m of marriages) {
          const spouseKey = nextKey();
          const husband = personCode(family.husband[m]) === code;
          const s = personCode(husband ? family.wife[m] : family.husband[m]);
          const spouseRow = findByCode(s !== null && s <= INT16_MAX ? s : 0);
          const text = spouseRow >= 0 ? family.name[spouseRow] : "?";
          nodes.push({ key: spouseKey, text, image: husband ? "wife" : "husband", parent: person.nodeKey,
                       kind: spouseRow >= 0 ? "spouse" : "unknown", code: spouseRow >= 0 ? s || 0 : 0, i: spouseRow });
          if (spouseRow >= 0 && text === centreName) visible.push(spouseKey);
          if (s === null) continue;
          const children = [];
          for (const i of ix.byFather.get(code) || []) if (family.mother[i] === s) children.push(i);
          if (s !== code) for (const i of ix.byFather.get(s) || []) if (family.mother[i] === code) children.push(i);
          addChildren(byBorn(family, children), spouseKey, next);
        }
        const alone = [];
        for (const i of ix.byFather.get(code) || []) if (family.mother[i] === 0) alone.push(i);
        for (const i of ix.byMother.get(code) || []) if (family.father[i] === 0) alone.push(i);
        if (alone.length) {
          const key = nextKey();
          nodes.push({ key, text: "?", image: person.male ? "wife" : "husband", parent: person.nodeKey, kind: "unknown", code: 0 });
          addChildren(byBorn(family, alone), key, next);
        }
      }
      current = next;
    }
    return { nodes, visible };
  }

  // The chart as kinmora-cli chart prints it: depth, key, text, image,
  // expanded, one line a node in display order, then the status line.
  function lines(chart) {
    const children = new Map();
    const parentOf = new Map();
    for (const n of chart.nodes) {
      parentOf.set(n.key, n.parent);
      if (!children.has(n.parent)) children.set(n.parent, []);
      children.get(n.parent).push(n);
    }
    const expanded = new Set();
    for (const key of chart.visible)
      for (let p = parentOf.get(key); p; p = parentOf.get(p)) expanded.add(p);
    const out = [];
    const stack = (children.get("") || []).slice().reverse().map((n) => [n, 0]);
    while (stack.length) {
      const [n, depth] = stack.pop();
      out.push([depth, n.key, n.text, n.image, expanded.has(n.key) ? 1 : 0].join("\t"));
      const kids = children.get(n.key) || [];
      for (let k = kids.length - 1; k >= 0; --k) stack.push([kids[k], depth + 1]);
    }
    out.push("status\t  รวมทั้งสิ้น " + (chart.nodes.length - 1) + "  รายชื่อ");
    return out;
  }

  return { build, lines };
})();
