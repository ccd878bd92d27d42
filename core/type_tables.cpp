#include "core/type_tables.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/lcustom.h"
#include "core/messages.h"

const double StandardDiameters[kStandardDiameterCount] = {
    80,  90,  100, 112, 125, 130, 140, 150, 160, 180, 200,  220,  235,  250,  300, 315,
    350, 375, 400, 450, 500, 600, 630, 700, 800, 900, 1000, 1100, 1250, 1400, 1600};

namespace {

// One built row and the arrays it points at.
struct BuiltRow {
    LTypeDescriptor row;
    std::vector<int16_t> counts, kinds, flows;
    std::vector<const void*> lists;
    std::vector<const char* const*> labels;
    std::vector<const char*> captions;
    std::string prefix;
};

struct Family {
    LFamilyEntry entry;
    std::vector<std::unique_ptr<BuiltRow>> rows;  // subtype k at k - 1
};

// By family code, in code order; alias codes are looked up through
// FamilyOfCode.
std::map<int, Family>& Families() {
    static std::map<int, Family> families;
    return families;
}

void FillCaptions(BuiltRow& b, const LTypeEntry& t) {
    for (int k = 0; k < t.params.count; ++k) {
        int16_t caption = t.params.items[k].caption;
        b.captions[k] = caption ? MessageText(caption) : "";
    }
    b.row.message = MessageText(0);
}

std::unique_ptr<BuiltRow> BuildRow(const LTypeEntry& t) {
    auto b = std::make_unique<BuiltRow>();
    int n = t.params.count > 0 ? t.params.count : 1;
    int f = t.flows.count > 0 ? t.flows.count : 1;
    b->counts.assign(n, 0);
    b->kinds.assign(n, kParamFree);
    b->lists.assign(n, nullptr);
    b->labels.assign(n, nullptr);
    b->captions.assign(n, "");
    b->flows.assign(f, -1);
    for (int k = 0; k < t.params.count; ++k) {
        const LParamEntry& p = t.params.items[k];
        b->kinds[k] = p.kind;
        b->counts[k] = p.count;
        b->lists[k] = p.list;
        b->labels[k] = p.labels;
    }
    for (int k = 0; k < t.flows.count && k < kMaxTypeFlows; ++k)
        b->flows[k] = t.flows.connectors[k];
    b->prefix = t.blockPrefix ? t.blockPrefix : std::string(t.block) + "-";
    LTypeDescriptor& r = b->row;
    r.paramCount = t.params.count;
    r.flowCount = t.flows.count;
    r.switchParam = t.switchParam;
    r.valueCounts = b->counts.data();
    r.kinds = b->kinds.data();
    r.valueLists = b->lists.data();
    r.textLists = b->labels.data();
    r.captions = b->captions.data();
    r.flowConnectors = b->flows.data();
    r.dialogKey = t.dialog;
    r.slideName = t.block;
    r.blockPrefix = b->prefix.c_str();
    r.cataloguePage = t.page;
    r.displayCode = t.name;
    r.pieceShape = t.pieceShape;
    r.lengthParam = t.lengthParam;
    FillCaptions(*b, t);
    return b;
}

// The custom element: one text parameter and one airflow entry that names
// no connector; every subtype is this one.
const LTypeEntry kCustomTypes[] = {
    {.code = 1, .params = ParamRow(Plain(0, kParamText)), .flows = Flows(-1),
     .make = MakeElementOf<LCustom>},
};
const LFamilyEntry kCustomFamily = {.code = kCustomFamilyCode, .types = kCustomTypes, .typeCount = 1};

void EnsureCustomFamily() {
    if (!Families().count(kCustomFamilyCode))
        RegisterFamily(kCustomFamily);
}

const Family* FindFamily(int code) {
    EnsureCustomFamily();
    for (const auto& [key, family] : Families())
        if (code >= key && code <= (family.entry.lastAliasCode > key ? family.entry.lastAliasCode : key))
            return &family;
    return nullptr;
}

// The row index of a subtype, aliases followed; -1 when there is none.
int RowIndex(const Family& family, int subtype) {
    const LFamilyEntry& s = family.entry;
    if (s.code == kCustomFamilyCode)
        return 0;
    for (int i = 0; i < s.aliasCount; ++i)
        if (s.aliases[i].subtype == subtype)
            subtype = s.aliases[i].sameAs;
    if (subtype < 1 || subtype > static_cast<int>(family.rows.size()))
        return -1;
    return subtype - 1;
}

}  // namespace

void RegisterFamily(const LFamilyEntry& entry) {
    Family family{entry, {}};
    for (int i = 0; i < entry.typeCount; ++i) {
        LTypeEntry t = entry.types[i];
        t.flags |= entry.typeFlags;
        auto row = BuildRow(t);
        row->row.flags = t.flags;
        family.rows.push_back(std::move(row));
    }
    Families()[entry.code] = std::move(family);
}

int16_t InitTypeTables() {
    EnsureCustomFamily();
    for (auto& [code, family] : Families())
        for (int i = 0; i < family.entry.typeCount; ++i)
            FillCaptions(*family.rows[i], family.entry.types[i]);
    return 0;
}

void ReleaseTypeTables() { Families().clear(); }

int16_t FamilyOfCode(int code) {
    const Family* family = FindFamily(code);
    return family ? family->entry.code : 0;
}

const LTypeEntry* TypeEntryOf(int code, int subtype) {
    const Family* family = FindFamily(code);
    int i = family ? RowIndex(*family, subtype) : -1;
    return i >= 0 ? &family->entry.types[i] : nullptr;
}

LTypeDescriptor* TypeRow(int code, int subtype) {
    const Family* family = FindFamily(code);
    int i = family ? RowIndex(*family, subtype) : -1;
    return i >= 0 ? &family->rows[i]->row : nullptr;
}

bool IsAliasSubtype(int code, int subtype) {
    const Family* family = FindFamily(code);
    if (!family)
        return false;
    for (int i = 0; i < family->entry.aliasCount; ++i)
        if (family->entry.aliases[i].subtype == subtype)
            return true;
    return false;
}

int TypeRowCount(int code) {
    const Family* family = FindFamily(code);
    return family ? family->entry.typeCount : 0;
}

const double* TypeDefaults(int code, int subtype) {
    const LTypeEntry* t = TypeEntryOf(code, subtype);
    return t ? t->defaults : nullptr;
}

const LTypeEntry* StandardPieceOf(int16_t shape, int16_t* familyOut) {
    EnsureCustomFamily();
    for (const auto& [code, family] : Families())
        for (int i = 0; i < family.entry.typeCount; ++i) {
            const LTypeDescriptor& row = family.rows[i]->row;
            if (HasTypeFlag(&row, kTypeStandardPiece) && row.pieceShape == shape) {
                if (familyOut)
                    *familyOut = static_cast<int16_t>(code);
                return &family.entry.types[i];
            }
        }
    return nullptr;
}

int FamilyDialogCount(int code) {
    const Family* family = FindFamily(code);
    return family ? family->entry.dialogCount : 0;
}

const char* FamilyDialog(int code, int i) {
    const Family* family = FindFamily(code);
    if (!family || i < 0 || i >= family->entry.dialogCount || !family->entry.dialogs[i])
        return "";
    return family->entry.dialogs[i];
}
