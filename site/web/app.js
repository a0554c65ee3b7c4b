// The family website's pages, one for each address after "#": the search,
// a person's particulars, the chart on either side, "เป็นอะไรกัน" and the
// forebears. Everything is read from data/ beside this file, so the site
// opens from a folder as well as from a web host.
"use strict";

(() => {
  const family = window.KINMORA_FAMILY;
  const main = document.getElementById("main");
  const count = family.name.length;
  const NO_PARENT = " ";
  const PRIVATE = "ไม่เปิดเผย (ผู้ที่ยังมีชีวิตอยู่)";

  // A code names the first person in name order who has it, as the
  // program's look-ups by code do; the others with that code are listed on
  // that person's page.
  const withCode = new Map();
  for (let i = 0; i < count; ++i) {
    const code = family.code[i];
    if (code === null) continue;
    if (!withCode.has(code)) withCode.set(code, []);
    withCode.get(code).push(i);
  }
  const personOf = (code) => (withCode.has(code) ? withCode.get(code)[0] : -1);
  let kinship = null;
  const kinshipTerms = () => (kinship = kinship || KinmoraKinship(family));

  const escape = (text) => String(text).replace(/[&<>"']/g, (c) => "&#" + c.charCodeAt(0) + ";");
  const fullName = (i) => family.name[i] + " " + family.surname[i];
  const personLink = (i, text) =>
    family.code[i] === null
      ? `<span class="person">${escape(text === undefined ? fullName(i) : text)}</span>`
      : `<a class="person ${family.male[i] === "1" ? "male" : "female"}" href="#/person/${family.code[i]}">${escape(text === undefined ? fullName(i) : text)}</a>`;
  const hitLine = (i) => family.name[i] + "          " + family.surname[i];

  // The parent the particulars window names: a 16-bit code's first person.
  const parentRow = (code) => (code === null || code < -32768 || code > 32767 ? -1 : personOf(code));

  // ---- biographies, one script file per kNotesPerFile persons
  const notes = new Map();
  const waiting = new Map();
  window.KinmoraNotes = (file, list) => {
    notes.set(file, list);
    for (const done of waiting.get(file) || []) done(list);
    waiting.delete(file);
  };
  const biographyOf = (i) => new Promise((resolve, reject) => {
    const file = Math.floor(i / family.notesPerFile);
    const pick = (list) => resolve(list[i - file * family.notesPerFile]);
    if (notes.has(file)) return pick(notes.get(file));
    if (!waiting.has(file)) {
      waiting.set(file, []);
      const script = document.createElement("script");
      script.src = `data/notes-${file}.js`;
      script.onerror = () => reject(new Error(script.src));
      document.head.appendChild(script);
    }
    waiting.get(file).push(pick);
  });

  // ---- pages
  const show = (title, html) => {
    document.title = title + " – ครอบครัว";
    main.innerHTML = html;
    const heading = main.querySelector("h1");
    if (heading) { heading.tabIndex = -1; heading.focus({ preventScroll: true }); }
    window.scrollTo(0, 0);
    main.dataset.route = location.hash;
    performance.mark("kinmora-shown");
  };

  const searchHits = (text) => {
    const hits = [];
    for (let i = 0; i < count; ++i) if (hitLine(i).includes(text)) hits.push(i);
    return hits;
  };

  const hitList = (hits) =>
    `<ul class="hits">${hits.map((i) => `<li>${personLink(i)}</li>`).join("")}</ul>`;

  function searchPage(text) {
    document.getElementById("search-text").value = text;
    const hits = text ? searchHits(text) : [];
    show(`ค้นหา “${text}”`,
      `<h1>ค้นหา “${escape(text)}”</h1>` +
      (hits.length ? `<p class="count">พบ ${hits.length} คน</p>${hitList(hits)}`
                   : `<p class="count">ไม่พบชื่อหรือนามสกุลที่มี “${escape(text)}”</p>`));
  }

  function startPage() {
    const first = count ? 0 : -1;
    show("หน้าแรก",
      `<h1>ครอบครัวจาก ${escape(family.source)}</h1>` +
      `<p>ค้นหาญาติด้วยชื่อหรือนามสกุลในช่องค้นหาด้านบน ทั้งหมด ${count} คน</p>` +
      (first < 0 ? "<p>ไม่มีรายชื่อในครอบครัวนี้</p>"
                 : `<h2>คนแรกตามลำดับชื่อ</h2><p>${personLink(first)}</p>`));
    document.getElementById("search-text").focus();
  }

  const marriagesOf = (code) => {
    const list = [];
    for (let m = 0; m < family.husband.length; ++m)
      if (family.husband[m] === code || family.wife[m] === code) list.push(m);
    return list.sort((a, b) => family.weddingOrder[a] - family.weddingOrder[b] || family.weddingRow[a] - family.weddingRow[b]);
  };
  const byBorn = (rows) => rows.sort((a, b) => family.bornOrder[a] - family.bornOrder[b] || family.row[a] - family.row[b]);

  function familyLinks(i) {
    const code = family.code[i];
    if (code === null) return "";
    let html = "";
    const marriages = marriagesOf(code);
    const coupleChildren = new Set();
    if (marriages.length) {
      html += `<h2>คู่สมรสและบุตร</h2><ol class="couples">`;
      for (const m of marriages) {
        const other = family.husband[m] === code ? family.wife[m] : family.husband[m];
        const spouse = personOf(other);
        const children = [];
        for (let c = 0; c < count; ++c)
          if ((family.father[c] === code && family.mother[c] === other) || (family.father[c] === other && family.mother[c] === code)) {
            children.push(c);
            coupleChildren.add(c);
          }
        html += `<li><p>${spouse >= 0 ? personLink(spouse) : "ไม่ทราบชื่อคู่สมรส"}</p>` +
          (children.length ? `<p class="sub">บุตร</p>${hitList(byBorn(children))}` : "") + "</li>";
      }
      html += "</ol>";
    }
    const others = [];
    for (let c = 0; c < count; ++c)
      if ((family.father[c] === code || family.mother[c] === code) && !coupleChildren.has(c)) others.push(c);
    if (others.length) html += `<h2>บุตรที่ไม่ได้ระบุคู่สมรส</h2>${hitList(byBorn(others))}`;
    const f = family.father[i], mo = family.mother[i];
    const siblings = [];
    for (let c = 0; c < count; ++c)
      if (c !== i && family.code[c] !== code &&
          ((f !== null && f !== 0 && family.father[c] === f) || (mo !== null && mo !== 0 && family.mother[c] === mo)))
        siblings.push(c);
    if (siblings.length) html += `<h2>พี่น้อง</h2>${hitList(byBorn(siblings))}`;
    return html;
  }

  function particulars(i) {
    const hidden = family.hidden[i] === "1";
    const parent = (code) => {
      const p = parentRow(code);
      return p < 0 ? escape(NO_PARENT) : personLink(p, family.name[p] + "   " + family.surname[p]);
    };
    const row = (label, value, id) => `<div class="row"><dt>${label}</dt><dd data-field="${id}">${value}</dd></div>`;
    return `<dl class="particulars">` +
      row("ชื่อ", escape(family.name[i]), "name") +
      row("นามสกุล", escape(family.surname[i]), "surname") +
      row("เพศ", family.male[i] === "1" ? "ชาย" : "หญิง", "sex") +
      row("เกิด", hidden ? PRIVATE : escape(family.born[i]), "born") +
      row("ถึงแก่กรรม", hidden ? PRIVATE : escape(family.died[i]), "died") +
      row("อายุ", hidden ? PRIVATE : escape(family.age[i]), "age") +
      row("บิดา", parent(family.father[i]), "father") +
      row("มารดา", parent(family.mother[i]), "mother") +
      `</dl><h2>ประวัติ</h2><div class="biography" data-field="biography" data-person="${i}">` +
      (hidden ? PRIVATE : "กำลังเปิด...") + "</div>";
  }

  function fillBiographies() {
    for (const box of main.querySelectorAll(".biography[data-person]")) {
      const i = Number(box.dataset.person);
      if (family.hidden[i] === "1") continue;
      biographyOf(i).then((text) => { box.textContent = text; },
        () => { box.textContent = "เปิดประวัติไม่ได้: ไม่พบแฟ้มในโฟลเดอร์ data"; });
    }
  }

  const notFound = (code) =>
    show("ไม่พบ", `<h1>ไม่พบรหัส ${escape(code)}</h1><p>ไม่มีผู้ใดในครอบครัวนี้ใช้รหัสนี้ ลองค้นหาด้วยชื่อแทน</p>`);

  const personNav = (code) =>
    `<nav class="actions" aria-label="ดูเพิ่มเติม">` +
    `<a class="button" href="#/chart/${code}/father">ผังตระกูลฝ่ายพ่อ</a>` +
    `<a class="button" href="#/chart/${code}/mother">ผังตระกูลฝ่ายแม่</a>` +
    `<a class="button" href="#/ancestors/${code}">บรรพบุรุษ</a></nav>`;

  function personPage(code) {
    const rows = withCode.get(code);
    if (!rows) return notFound(code);
    const i = rows[0];
    let html = `<h1>${escape(fullName(i))}</h1>` + personNav(code) + particulars(i);
    html += `<section class="relation-pick"><h2>เป็นอะไรกัน</h2>` +
      `<form id="relation-form"><label for="relation-text">ค้นหาญาติที่ต้องการรู้ว่าเป็นอะไรกับ ${escape(family.name[i])}</label>` +
      `<div class="inline"><input id="relation-text" type="search" autocomplete="off"><button type="submit">ค้นหา</button></div></form>` +
      `<div id="relation-hits"></div></section>`;
    html += familyLinks(i);
    if (rows.length > 1)
      html += `<h2>ผู้อื่นที่ใช้รหัส ${code} เดียวกัน</h2>` +
        rows.slice(1).map((j) => `<section class="namesake"><h3>${escape(fullName(j))}</h3>${particulars(j)}</section>`).join("");
    show(fullName(i), html);
    fillBiographies();
    document.getElementById("relation-form").addEventListener("submit", (event) => {
      event.preventDefault();
      const text = document.getElementById("relation-text").value;
      const hits = text ? searchHits(text).filter((j) => family.code[j] !== null) : [];
      document.getElementById("relation-hits").innerHTML = hits.length
        ? `<ul class="hits">${hits.map((j) => `<li><a class="person" href="#/relation/${code}/${family.code[j]}">${escape(fullName(j))}</a></li>`).join("")}</ul>`
        : `<p>ไม่พบ “${escape(text)}”</p>`;
    });
  }

  function chartPage(code, side) {
    const i = personOf(code);
    if (i < 0) return notFound(code);
    const chart = KinmoraChart.build(family, i, side);
    const children = new Map();
    for (const n of chart.nodes) {
      if (!children.has(n.parent)) children.set(n.parent, []);
      children.get(n.parent).push(n);
    }
    const parentOf = new Map(chart.nodes.map((n) => [n.key, n.parent]));
    // A chart small enough to read whole opens whole; a larger one opens, as
    // the window's tree does, the way to the persons made visible.
    const openAll = chart.nodes.length <= 300;
    const open = new Set();
    for (const key of chart.visible) for (let p = parentOf.get(key); p; p = parentOf.get(p)) open.add(p);
    const label = (n) => {
      const role = { wife: "ภรรยา", husband: "สามี" }[n.image] || "";
      if (n.kind === "root") return `<span class="root">${n.image === "upper" ? "มีบรรพบุรุษสูงขึ้นไป" : "ไม่มีบรรพบุรุษที่ทราบ"}</span>`;
      if (n.kind === "unknown") return `<span class="node unknown">${role ? role + " " : ""}?</span>`;
      const centre = n.image === "cmale" || n.image === "cfemale";
      const text = (role ? role + " " : "") + n.text;
      return `<a class="node ${n.image}${centre ? " centre" : ""}" data-key="${n.key}" href="#/person/${n.code}">${escape(text)}</a>`;
    };
    // Iterative, so that a deep chart cannot overflow the stack. A node with
    // children has a button that opens and closes them.
    const parts = [];
    const walk = [[chart.nodes[0], 0]];
    while (walk.length) {
      const [n, stage] = walk.pop();
      if (stage === 1) { parts.push("</ul></li>"); continue; }
      const kids = children.get(n.key) || [];
      if (!kids.length) { parts.push(`<li><span class="leaf">${label(n)}</span></li>`); continue; }
      const opened = openAll || open.has(n.key) || n.kind === "root";
      parts.push(`<li><span class="branch"><button type="button" class="toggle" aria-expanded="${opened}" ` +
        `aria-label="${opened ? "ซ่อน" : "แสดง"}ลูกหลานของ ${escape(n.text)}">${opened ? "−" : "+"}</button>${label(n)}</span>` +
        `<ul${opened ? "" : " hidden"}>`);
      walk.push([n, 1]);
      for (let k = kids.length - 1; k >= 0; --k) walk.push([kids[k], 0]);
    }
    const sideText = side === "father" ? "ฝ่ายพ่อ" : "ฝ่ายแม่";
    const other = side === "father" ? "mother" : "father";
    show(`ผังตระกูล${sideText} ${family.name[i]}`,
      `<h1>ผังตระกูล${sideText}ของ ${escape(fullName(i))}</h1>` +
      `<nav class="actions" aria-label="ดูเพิ่มเติม"><a class="button" href="#/person/${code}">ข้อมูลส่วนตัว</a>` +
      `<a class="button" href="#/chart/${code}/${other}">ผังตระกูล${other === "father" ? "ฝ่ายพ่อ" : "ฝ่ายแม่"}</a></nav>` +
      `<p class="count">รวมทั้งสิ้น ${chart.nodes.length - 1} รายชื่อ</p>` +
      `<ul class="tree">${parts.join("")}</ul>`);
  }

  function relationPage(codeA, codeB) {
    const a = personOf(codeA), b = personOf(codeB);
    if (a < 0) return notFound(codeA);
    if (b < 0) return notFound(codeB);
    const kinship = kinshipTerms();
    const term = kinship.termByCode(codeA, codeB);
    const said = kinship.sentenceByCode(codeA, codeB);
    let sentence;
    if (term === null) sentence = "บอกไม่ได้: รหัสนี้ใช้กับหลายคนในครอบครัว";
    else if (a === b) sentence = `ทั้งสองคือ${personLink(a)}คนเดียวกัน`;
    else if (term === "") sentence = `${personLink(b)}ไม่ได้เป็นญาติกับ${personLink(a)}`;
    else sentence = `${personLink(b)}เป็น<strong class="term">${escape(term)}</strong>ของ${personLink(a)}`;
    show(`เป็นอะไรกัน`,
      `<h1>เป็นอะไรกัน</h1><p class="sentence">${sentence}</p>` +
      `<p data-term="${escape(said === null ? "" : said)}"><a class="button" href="#/relation/${codeB}/${codeA}">ดูกลับกัน</a> ` +
      `<a class="button" href="#/person/${codeA}">กลับไปที่ ${escape(family.name[a])}</a></p>`);
  }

  function ancestorsPage(code) {
    const i = personOf(code);
    if (i < 0) return notFound(code);
    const names = ["บิดา", "มารดา", "ปู่", "ย่า", "ตา", "ยาย"];
    const box = (p, role) =>
      `<div class="ancestor"><span class="role">${role}</span>${p >= 0 ? personLink(p) : "<span class=\"person\">ไม่ทราบ</span>"}</div>`;
    const level = (people, roles) => `<div class="generation">${people.map((p, k) => box(p, roles[k])).join("")}</div>`;
    const parents = (p) => (p < 0 ? [-1, -1] : [parentRow(family.father[p]), parentRow(family.mother[p])]);
    const g1 = parents(i);
    const g2 = [...parents(g1[0]), ...parents(g1[1])];
    const g3 = g2.flatMap(parents);
    const great = ["ทวด (พ่อของปู่)", "ทวด (แม่ของปู่)", "ทวด (พ่อของย่า)", "ทวด (แม่ของย่า)",
      "ทวด (พ่อของตา)", "ทวด (แม่ของตา)", "ทวด (พ่อของยาย)", "ทวด (แม่ของยาย)"];
    show(`บรรพบุรุษของ ${family.name[i]}`,
      `<h1>บรรพบุรุษของ ${escape(fullName(i))}</h1>` +
      `<nav class="actions" aria-label="ดูเพิ่มเติม"><a class="button" href="#/person/${code}">ข้อมูลส่วนตัว</a></nav>` +
      `<h2>พ่อแม่</h2>${level(g1, names.slice(0, 2))}<h2>ปู่ย่าตายาย</h2>${level(g2, names.slice(2))}` +
      `<h2>ทวด</h2>${level(g3, great)}`);
  }

  function route() {
    const hash = location.hash.replace(/^#\/?/, "");
    const parts = hash.split("/");
    const code = (k) => Number(decodeURIComponent(parts[k] || ""));
    try {
      if (parts[0] === "search") return searchPage(decodeURIComponent(hash.slice("search/".length)));
      if (parts[0] === "person" && parts.length === 2) return personPage(code(1));
      if (parts[0] === "chart" && parts.length === 3 && (parts[2] === "father" || parts[2] === "mother"))
        return chartPage(code(1), parts[2]);
      if (parts[0] === "relation" && parts.length === 3) return relationPage(code(1), code(2));
      if (parts[0] === "ancestors" && parts.length === 2) return ancestorsPage(code(1));
    } catch (error) {
      return show("ผิดพลาด", `<h1>เปิดหน้านี้ไม่ได้</h1><p>${escape(error.message)}</p>`);
    }
    return startPage();
  }

  main.addEventListener("click", (event) => {
    const toggle = event.target.closest("button.toggle");
    if (!toggle) return;
    const list = toggle.parentElement.nextElementSibling;
    const opened = list.hidden;
    list.hidden = !opened;
    toggle.setAttribute("aria-expanded", String(opened));
    toggle.textContent = opened ? "−" : "+";
    toggle.setAttribute("aria-label", toggle.getAttribute("aria-label").replace(/^(ซ่อน|แสดง)/, opened ? "ซ่อน" : "แสดง"));
  });
  document.getElementById("search-form").addEventListener("submit", (event) => {
    event.preventDefault();
    const text = document.getElementById("search-text").value;
    if (text) location.hash = "#/search/" + encodeURIComponent(text);
  });
  document.getElementById("footer").textContent =
    `ทำจาก ${family.source} เมื่อ ${family.made}` +
    (family.living === "names" ? " · ไม่เผยแพร่วันเกิด อายุ และประวัติของผู้ที่ยังมีชีวิตอยู่" : "");
  window.addEventListener("hashchange", route);
  route();
})();
