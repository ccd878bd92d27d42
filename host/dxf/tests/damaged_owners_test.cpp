// Drawings whose owners a writer got wrong (a handle copied into every 330,
// owners left out, a root owned by itself or an entity): each reads with
// its note, and its save holds what the sound drawing holds, group by group
// (compare_dxf.py: layouts with their names and plot settings, groups,
// XRECORDs, the image's definition, a sun), opens again without a note and
// passes the drawing checks.  The damage is made in the samples ezdxf writes.
#include "dxf/reader.h"

#include "dxf/file_io.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace host::dxf;

namespace {

struct Pair {
    std::string code, value;
};
using Pairs = std::vector<Pair>;

Pairs pairsOf(const std::string& path)
{
    std::string text, error;
    readWholeFile(path, text, error);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    Pairs pairs;
    for (size_t at = 0, next; (next = text.find('\n', at)) != std::string::npos;) {
        std::string code = text.substr(at, next - at);
        code.erase(0, code.find_first_not_of(' '));
        at = next + 1;
        next = text.find('\n', at);
        if (next == std::string::npos) break;
        pairs.push_back({code, text.substr(at, next - at)});
        at = next + 1;
    }
    return pairs;
}

std::string textOf(const Pairs& pairs)
{
    std::string text;
    for (const Pair& p : pairs) text += p.code + "\n" + p.value + "\n";
    return text;
}

size_t recordEnd(const Pairs& pairs, size_t at)
{
    do ++at;
    while (at < pairs.size() && pairs[at].code != "0");
    return at;
}

// The record starts of one section, of a type ("" every one).
std::vector<size_t> records(const Pairs& pairs, const std::string& section, const std::string& type = "")
{
    std::vector<size_t> found;
    std::string in;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].code == "2" && i > 0 && pairs[i - 1].value == "SECTION") in = pairs[i].value;
        if (pairs[i].code == "0" && pairs[i].value == "ENDSEC") in.clear();
        if (pairs[i].code == "0" && in == section && (type.empty() || pairs[i].value == type)) found.push_back(i);
    }
    return found;
}

// Where a record's group of that code is (outside its 102 braces): npos when none.
size_t groupAt(const Pairs& pairs, size_t record, const std::string& code)
{
    int depth = 0;
    for (size_t i = record + 1; i < recordEnd(pairs, record); ++i) {
        if (pairs[i].code == "102") depth += pairs[i].value.rfind('{', 0) == 0 ? 1 : -1;
        if (depth == 0 && pairs[i].code == code) return i;
    }
    return std::string::npos;
}

std::string handleOf(const Pairs& pairs, size_t record)
{
    size_t at = groupAt(pairs, record, "5");
    return at == std::string::npos ? "" : pairs[at].value;
}

size_t recordOf(const Pairs& pairs, const std::string& section, const std::string& handle)
{
    for (size_t record : records(pairs, section))
        if (handleOf(pairs, record) == handle) return record;
    return std::string::npos;
}

void setOwner(Pairs& pairs, size_t record, const std::string& owner)
{
    size_t at = groupAt(pairs, record, "330");
    if (at == std::string::npos)
        pairs.insert(pairs.begin() + static_cast<std::ptrdiff_t>(groupAt(pairs, record, "5") + 1), {"330", owner});
    else
        pairs[at].value = owner;
}

void dropOwner(Pairs& pairs, size_t record)
{
    size_t at = groupAt(pairs, record, "330");
    ASSERT_NE(at, std::string::npos);
    pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(at));
}

size_t root(const Pairs& pairs)
{
    return records(pairs, "OBJECTS", "DICTIONARY").front();
}

// The object the root dictionary names under a key.
size_t rootEntry(const Pairs& pairs, const std::string& key)
{
    size_t at = root(pairs);
    while (pairs[at].code != "3" || pairs[at].value != key) ++at;
    return recordOf(pairs, "OBJECTS", pairs[at + 1].value);
}

constexpr const char* kSun = "FFF0";

// A sun that the active viewport holds (ezdxf writes none).
void addSun(Pairs& pairs)
{
    size_t seed = 0;
    while (pairs[seed].value != "$HANDSEED") ++seed;
    pairs[seed + 1].value = "FFF1";
    size_t viewport = records(pairs, "TABLES", "VPORT").front();
    const std::string owner = handleOf(pairs, viewport);
    pairs.insert(pairs.begin() + static_cast<std::ptrdiff_t>(recordEnd(pairs, viewport)), {"361", kSun});
    const Pairs sun = {{"0", "SUN"},  {"5", kSun},     {"330", owner}, {"100", "AcDbSun"}, {"90", "1"},
                       {"290", "1"},  {"63", "7"},     {"421", "16777215"}, {"40", "1.0"}, {"291", "1"},
                       {"91", "2456922"}, {"92", "43200"}, {"292", "0"}, {"70", "0"}, {"71", "256"}, {"280", "1"}};
    size_t end = recordEnd(pairs, records(pairs, "OBJECTS").back());
    pairs.insert(pairs.begin() + static_cast<std::ptrdiff_t>(end), sun.begin(), sun.end());
}

struct OwnerDamage {
    const char* name;
    const char* version;       // of the sample
    void (*sound)(Pairs&);     // what the sound drawing adds to the sample, if anything
    void (*damage)(Pairs&);
    const char* note;          // part of a note the read gives
};

const OwnerDamage kOwnerDamages[] = {
    {"root_naming_nothing_beside_a_group_dictionary_without_owner", "R2000", nullptr,
     [](Pairs& p) {
         setOwner(p, root(p), "FFFFF");
         dropOwner(p, rootEntry(p, "ACAD_GROUP"));
     },
     "the root dictionary A named FFFFF as its owner, which does not exist: set to none"},
    // As a DXF library writes objects: no owners, but for the root's.
    {"root_naming_nothing_among_objects_without_owners", "R2000", nullptr,
     [](Pairs& p) {
         const std::vector<size_t> objects = records(p, "OBJECTS");
         std::for_each(objects.rbegin(), objects.rend(), [&](size_t record) { dropOwner(p, record); });
         setOwner(p, root(p), "FFFFF");
     },
     "the root dictionary A named FFFFF as its owner, which does not exist: set to none"},
    // A writer that copies model space's record into every owner.
    {"every_owner_but_the_entities_naming_model_space", "R2000", nullptr,
     [](Pairs& p) {
         size_t model = records(p, "TABLES", "BLOCK_RECORD").front();
         const std::string handle = handleOf(p, model);
         for (const char* section : {"TABLES", "BLOCKS", "OBJECTS"})
             for (size_t record : records(p, section))
                 if (record != model && groupAt(p, record, "330") != std::string::npos) setOwner(p, record, handle);
     },
     "BLOCK GRILLE_TAG had a wrong owner: set to its block record"},
    {"root_naming_itself", "R2007", nullptr, [](Pairs& p) { setOwner(p, root(p), handleOf(p, root(p))); },
     "the root dictionary A named itself as its owner: set to none"},
    {"root_naming_an_image", "R2007", nullptr,
     [](Pairs& p) { setOwner(p, root(p), handleOf(p, records(p, "ENTITIES", "IMAGE").front())); },
     "as its owner, which is no dictionary: set to none"},
    {"extension_dictionary_without_owner", "R2007", nullptr,
     [](Pairs& p) {
         size_t insert = records(p, "ENTITIES", "INSERT").front();
         size_t at = insert;
         while (p[at].value != "{ACAD_XDICTIONARY") ++at;
         dropOwner(p, recordOf(p, "OBJECTS", p[at + 1].value));
     },
     "1 objects without an owner were given the record that names them"},
    {"sun_whose_owner_names_nothing", "R2007", addSun,
     [](Pairs& p) { setOwner(p, recordOf(p, "OBJECTS", kSun), "FFFFF"); },
     "SUN FFF0 named FFFFF as its owner, which does not exist: set to the record that names it"},
};

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

} // namespace

TEST(DamagedOwners, SaveWhatTheSoundDrawingHolds)
{
    std::vector<std::string> saved;
    for (const OwnerDamage& damage : kOwnerDamages) {
        SCOPED_TRACE(damage.name);
        std::string sound = sampleDrawing(damage.version);
        ASSERT_NE(sound, "");
        Pairs pairs = pairsOf(sound);
        std::string error;
        if (damage.sound) {
            damage.sound(pairs);
            sound = outputPath(std::string("owners_sound_") + damage.name + ".dxf");
            ASSERT_TRUE(writeFileAtomically(sound, textOf(pairs), error)) << error;
        }
        damage.damage(pairs);
        ReadReport report;
        auto db = readDxfText(textOf(pairs), "owners.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_NE(notesOf(report).find(damage.note), std::string::npos) << notesOf(report);
        std::string path = outputPath(std::string("owners_") + damage.name + ".dxf");
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
        ReadReport again;
        EXPECT_TRUE(readDxfFile(path, again)) << again.error.text();
        EXPECT_EQ(notesOf(again), "");
        EXPECT_EQ(runCompare(sound, path), "");
        saved.push_back(path);
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}
