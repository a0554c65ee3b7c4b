// Families grow generation by generation from four founding couples. Most
// lines marry rarely enough that twelve generations fit in 32,767 persons;
// one line, from the seventh generation on, marries always and has six
// children per couple, and is generated first in every generation so that
// it survives when the person count runs out.
#include "family_generator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace kinmora::bench {
namespace {

constexpr std::array kMaleNames = {
    "สมชาย", "สมศักดิ์", "ประเสริฐ",  "วิชัย",    "สมบูรณ์", "ชัยยศ",   "ธนพล",   "ปรีชา",
    "สุรชัย",  "วีระ",   "อำนาจ",    "บุญเลิศ",  "ทองดี",  "สมพงษ์",  "กมล",    "ณัฐ",
    "ภูมิ",    "กันต์",   "เกียรติศักดิ์", "ไพโรจน์", "ศักดิ์ชัย", "อนุชา",   "ชาญวิทย์", "เอกชัย",
    "ธีระ",   "นพดล",  "ประยุทธ",   "สุเทพ",   "วัชระ",  "พงษ์ศักดิ์", "บุญมี",    "จักรพันธ์",
    "ยุทธนา", "ไกรสร", "มานพ",     "สมหมาย", "ทวี",    "เฉลิม",   "ชูชาติ",   "อภิชาติ"};
constexpr std::array kFemaleNames = {
    "สมศรี",   "มาลี",   "วิไล",    "บุญมา",  "ลำดวน", "อรุณี",  "ธิดา",   "ปราณี",  "เพ็ญศรี",   "สุดา",
    "ใบเตย",  "แก้ว",   "อัญชลี",   "ณิชา",   "ปิยะดา", "ขวัญ",  "น้ำฝน",  "ดวงใจ", "จันทร์เพ็ญ", "สายสุนีย์",
    "กาญจนา", "พรทิพย์", "นงลักษณ์", "รัตนา",  "สุนันทา", "อำไพ", "วรรณา", "ศิริพร",  "จิราพร",   "เยาวลักษณ์",
    "บุษบา",   "ประไพ", "ละเอียด", "ทองใบ", "สมหญิง", "มณี",   "ลัดดา",  "อุไร",   "เกศ",     "พิมพ์"};
constexpr std::array kSurnames = {
    "ศรีสุข",    "แก้วมณี",     "ทองคำ",  "วงศ์ใหญ่",  "บุญยืน",       "พรหมมา",     "มั่นคง",
    "สายทอง",  "จันทร์หอม",   "รุ่งเรือง", "เจริญผล",  "ศรีวงศ์",      "ทองประเสริฐ", "สุขสวัสดิ์",
    "พันธุ์ดี",    "นาคสวัสดิ์",   "ชัยมงคล", "แสงอรุณ",  "ประเสริฐศักดิ์", "วิเศษสุวรรณ",  "อินทร์แก้ว",
    "เพชรรัตน์", "บุญประเสริฐ", "ศรีอ่อน",  "ธรรมรักษ์", "เกิดผล",      "ใจดี",        "สมบัติทอง"};
constexpr std::array kBiographyPieces = {"เกิดที่บ้านริมแม่น้ำเจ้าพระยา ",
                                         "เป็นบุตรคนโตของครอบครัว ",
                                         "รับราชการครูมาตลอดชีวิต ",
                                         "ชอบปลูกต้นไม้และเลี้ยงไก่ ",
                                         "ย้ายไปทำงานที่กรุงเทพฯ เมื่ออายุยี่สิบปี ",
                                         "แต่งงานที่วัดประจำหมู่บ้าน ",
                                         "มีลูกหลานหลายคน ",
                                         "เป็นที่รักของเพื่อนบ้าน ",
                                         "ทำนาและค้าขายข้าวสาร ",
                                         "เคยบวชเรียนอยู่สามพรรษา ",
                                         "เล่าเรื่องเก่า ๆ ให้หลานฟังเสมอ ",
                                         "ช่วยสร้างศาลาการเปรียญของวัด ",
                                         "เดินทางไปเยี่ยมญาติที่เชียงใหม่ทุกปี "};

// Three of these make a given name; there are 32, so 32,768 names in all.
// None is "มหา", so no made name is the largest chart's centre.
constexpr std::array kSyllables = {"กาน",  "ชัย",  "ดา",    "ทอง", "นภา", "บุญ",  "ปรี", "พร",
                                   "ภู",    "มณี",  "ยศ",    "รัตน์", "ลดา", "วร",  "ศรี", "สม",
                                   "หทัย",  "อร",  "เกียรติ", "เพ็ญ", "แก้ว", "โชค", "ใจ", "ไพ",
                                   "จันทร์", "ธนา", "กมล",   "สุข",  "วิทย์", "ศักดิ์", "นิ",  "ขวัญ"};
static_assert(kSyllables.size() * kSyllables.size() * kSyllables.size() >= 32767);
constexpr std::array kShortNotes = {"ครู",   "ชาวนา",  "ค้าขาย",        "รับราชการ",  "บวชเรียน",
                                    "ทหาร", "พยาบาล", "ย้ายไปกรุงเทพฯ", "อยู่เชียงใหม่", "ช่างไม้",
                                    "หมอ",  "ลูกคนโต", "ไม่มีบุตร",       "ตำรวจ"};

constexpr int kFoundingCouples = 4;
constexpr int kLineGeneration = 6;  // where the large line starts

// splitmix64: the same numbers on every machine and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int between(int low, int high) {  // inclusive
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(double p) { return static_cast<double>(next() % 1000000) < p * 1000000.0; }

private:
    std::uint64_t m_state;
};

struct Date {
    int year = 0, month = 0, day = 0;  // year 0: unknown
    std::string text() const {
        if (!year) return {};
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
        return buffer;
    }
};

struct Person {
    int code = 0;
    std::string name;
    std::string surname;
    bool male = false;
    Date born, die;
    bool still = false;
    int biographyBytes = 0;
    int father = 0, mother = 0;
    bool shortNote = false;  // a biography of a few words (0 to 40 characters)
    int birthYear = 0;       // planned, even when `born` is unknown
    bool large = false;      // in the large line
};

// A given name no other code gets: the code, shuffled so that name order is
// not code order, written as three syllables.
std::string uniqueName(int code) {
    const unsigned n = (static_cast<unsigned>(code - 1) * 7919u + 12345u) % 32768u;
    const unsigned base = kSyllables.size();
    return std::string(kSyllables[n / (base * base)]) + kSyllables[n / base % base] +
           kSyllables[n % base];
}

class Generator {
public:
    // The shape draws from a stream of its own, so the tree is the same in every shape.
    Generator(int persons, std::uint64_t seed, FamilyShape shape)
        : m_limit(persons),
          m_random(seed),
          m_shapeRandom(seed ^ 0x5EEDF00DCAFEULL),
          m_shape(shape) {}

    GeneratedFamily run() {
        std::vector<int> current;
        for (int i = 0; i < kFoundingCouples && !full(); ++i)
            current.push_back(
                addPerson(0, 0, true, 1700 + m_random.between(-5, 5), surname(), false));
        // About twelve generations: later ones are added only while persons are still
        // wanted, and a new founder stands in should every line end early.
        for (int generation = 0; !full(); ++generation) {
            if (current.empty())
                current.push_back(addPerson(0, 0, true, 1700 + 27 * generation, surname(), false));
            // The large line goes first, so that it survives the person limit.
            std::stable_partition(current.begin(), current.end(),
                                  [&](int code) { return person(code).large; });
            std::vector<int> next;
            for (int code : current) {
                if (full()) break;
                marryAndHaveChildren(code, generation, next);
            }
            current = std::move(next);
        }
        return write();
    }

private:
    bool full() const { return static_cast<int>(m_persons.size()) >= m_limit; }
    Person& person(int code) { return m_persons[static_cast<std::size_t>(code - 1)]; }
    std::string surname() { return kSurnames[m_random.between(0, kSurnames.size() - 1)]; }

    int addPerson(int father, int mother, bool male, int birthYear, const std::string& family,
                  bool large) {
        Person p;
        p.code = static_cast<int>(m_persons.size()) + 1;
        p.male = male;
        p.name = male ? kMaleNames[m_random.between(0, kMaleNames.size() - 1)]
                      : kFemaleNames[m_random.between(0, kFemaleNames.size() - 1)];
        p.surname = m_random.chance(0.03) ? std::string() : family;
        p.father = father;
        p.mother = mother;
        p.birthYear = birthYear;
        p.large = large;
        if (!m_random.chance(0.03))
            p.born = Date{birthYear, m_random.between(1, 12), m_random.between(1, 28)};
        if (birthYear < 1940) {
            if (m_random.chance(0.85))
                p.die = Date{std::min(2025, birthYear + m_random.between(30, 95)),
                             m_random.between(1, 12), m_random.between(1, 28)};
            else
                p.still = true;
        } else if (m_random.chance(0.08)) {
            p.die = Date{std::min(2025, birthYear + m_random.between(1, 60)),
                         m_random.between(1, 12), m_random.between(1, 28)};
        }
        p.biographyBytes = m_random.chance(0.4) ? 0 : m_random.between(1, 2048);
        const bool compact = m_shape == FamilyShape::Compact ||
                             (m_shape == FamilyShape::Mixed && m_shapeRandom.chance(0.5));
        if (compact) {
            p.name = uniqueName(p.code);
            p.shortNote = true;
            p.biographyBytes = m_shapeRandom.chance(0.3) ? 0 : m_shapeRandom.between(1, 40);
        }
        m_persons.push_back(p);
        return p.code;
    }

    void marryAndHaveChildren(int code, int generation, std::vector<int>& next) {
        const Person self = person(code);
        const bool lineHead = generation == kLineGeneration && !m_lineStarted && onLine(code);
        if (lineHead) {
            m_lineStarted = true;
            person(code).large = true;
        }
        const bool large = person(code).large;
        const bool line = onLine(code);
        // Lines that are not the large one marry rarely enough for twelve
        // generations to fit; the ancestors of the large line always marry.
        if (generation > 0 && !large && !line && !m_random.chance(0.42)) return;
        const int marriages = lineHead ? 2 : (m_random.chance(0.1) ? 2 : 1);
        for (int m = 0; m < marriages && !full(); ++m) {
            const int spouseYear = self.birthYear + m_random.between(-4, 6);
            const int spouse = addPerson(0, 0, !self.male, spouseYear, surname(), false);
            const int husband = self.male ? code : spouse;
            const int wife = self.male ? spouse : code;
            const int weddingYear = std::max(self.birthYear, spouseYear) + m_random.between(18, 30);
            m_marriages.push_back(
                {husband, wife,
                 Date{weddingYear, m_random.between(1, 12), m_random.between(1, 28)}});
            int children = large && m == 0 ? 6 : m_random.between(2, 6);
            if (lineHead) children = 6;
            const std::string family =
                person(husband).surname.empty() ? surname() : person(husband).surname;
            for (int c = 0; c < children && !full(); ++c) {
                int father = husband, mother = wife;
                if (m_random.chance(0.05))
                    (self.male ? mother : father) = 0;  // the other parent is unknown
                // The first line runs from father to son, so the large line's head is a
                // grandfather on the father's side of the chart's centre.
                const bool male = (line && !large && c == 0) || m_random.chance(0.5);
                const int child =
                    addPerson(father, mother, male,
                              weddingYear + 1 + 2 * c + m_random.between(0, 1), family, large);
                next.push_back(child);
                if (line && c == 0 && !large) m_line.push_back(child);
                if (lineHead && m == 0 && c == 0) m_firstChildOfHead = child;
                if (m_firstChildOfHead && self.code == m_firstChildOfHead && c == 0 && m == 0)
                    m_centre = child;
            }
        }
    }

    // The founders' first line down to the head of the large line.
    bool onLine(int code) const {
        return code == 1 || std::find(m_line.begin(), m_line.end(), code) != m_line.end();
    }

    // Words from kShortNotes, a space between two, at most `characters` Thai characters.
    std::string shortNote(int characters) {
        std::string text;
        int count = 0;
        for (int tries = 0; tries < 4; ++tries) {
            const std::string word = kShortNotes[m_random.between(0, kShortNotes.size() - 1)];
            const int wordCharacters = static_cast<int>(
                std::count_if(word.begin(), word.end(), [](char c) { return (c & 0xC0) != 0x80; }));
            const int needed = wordCharacters + (text.empty() ? 0 : 1);
            if (count + needed > characters) break;
            text += (text.empty() ? "" : " ") + word;
            count += needed;
        }
        return text;
    }

    std::string biography(int bytes) {
        std::string text;
        int count = 0;  // in code page 874 bytes: one per Thai character
        while (true) {
            const std::string piece =
                kBiographyPieces[m_random.between(0, kBiographyPieces.size() - 1)];
            // Code page 874 keeps a character in one byte: count characters, not UTF-8 bytes.
            const int pieceBytes = static_cast<int>(std::count_if(
                piece.begin(), piece.end(), [](char c) { return (c & 0xC0) != 0x80; }));
            if (count + pieceBytes > bytes) break;
            text += piece;
            count += pieceBytes;
        }
        return text;
    }

    GeneratedFamily write() {
        GeneratedFamily out;
        out.persons = static_cast<int>(m_persons.size());
        if (m_centre) {
            person(m_centre).name = "มหาสมบัติ";  // one of a kind, so a name finds this person
            out.largestChartName = person(m_centre).name;
        } else {
            out.largestChartName = person(1).name;
        }
        out.familyCsv = "code,name,surname,sex,born,die,still,biography,fathercode,mothercode\n";
        out.familyCsv.reserve(static_cast<std::size_t>(out.persons) * 1200);
        for (const Person& p : m_persons) {
            const std::string bio =
                p.shortNote ? shortNote(p.biographyBytes) : biography(p.biographyBytes);
            out.familyCsv += std::to_string(p.code) + ',' + p.name + ',' + p.surname + ',' +
                             (p.male ? "1," : "0,") + p.born.text() + ',' + p.die.text() + ',' +
                             (p.still ? "1,\"" : "0,\"") + bio + "\"," + std::to_string(p.father) +
                             ',' + std::to_string(p.mother) + '\n';
        }
        out.marriedCsv = "fathercode,mothercode,wedding\n";
        for (const auto& [husband, wife, wedding] : m_marriages)
            out.marriedCsv +=
                std::to_string(husband) + ',' + std::to_string(wife) + ',' + wedding.text() + '\n';
        return out;
    }

    struct Marriage {
        int husband, wife;
        Date wedding;
    };
    int m_limit;
    Random m_random;
    Random m_shapeRandom;
    FamilyShape m_shape;
    std::vector<Person> m_persons;
    std::vector<Marriage> m_marriages;
    std::vector<int> m_line;
    bool m_lineStarted = false;
    int m_firstChildOfHead = 0;
    int m_centre = 0;
};

}  // namespace

std::optional<FamilyShape> shapeNamed(std::string_view name) {
    if (name == "long-notes") return FamilyShape::LongNotes;
    if (name == "compact") return FamilyShape::Compact;
    if (name == "mixed") return FamilyShape::Mixed;
    return std::nullopt;
}

GeneratedFamily generateFamily(int persons, std::uint64_t seed, FamilyShape shape) {
    if (persons < 1 || persons > 32767)
        throw std::invalid_argument("a family file holds 1 to 32,767 persons");
    return Generator(persons, seed, shape).run();
}

}  // namespace kinmora::bench
