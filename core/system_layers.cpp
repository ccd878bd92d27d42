#include "core/system_layers.h"

#include <cstdio>
#include <memory>

#include "core/layer_names.h"
#include "core/string_convert.h"
#include "core/system_text.h"

Acad::ErrorStatus CreateLayer(int16_t colour, const ACHAR* name, AcDbDatabase* database) {
    if (database == nullptr || name == nullptr)
        return Acad::eInvalidInput;
    AcCmColor colourObject;
    colourObject.setColorIndex(static_cast<Adesk::UInt16>(colour));
    AcDbLayerTable* table = nullptr;
    Acad::ErrorStatus es = database->getLayerTable(table, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    if (table->has(name)) {
        table->close();
        return Acad::eOk;
    }
    es = table->upgradeOpen();
    if (es != Acad::eOk) {
        table->close();
        return es;
    }
    AcDbLayerTableRecord* record = new AcDbLayerTableRecord;
    if (record->setName(name) != Acad::eOk) {
        delete record;
        table->close();
        return Acad::eInvalidInput;
    }
    record->setLinetypeObjectId(database->continuousLinetype());
    record->setColor(colourObject);
    es = table->add(record);
    if (es == Acad::eOk)
        record->close();
    else
        delete record;
    table->close();
    return es;
}

AcDbObjectId EnsureLayer(const char* name, AcDbDatabase* database) {
    AcDbObjectId id;
    if (database == nullptr || name == nullptr || name[0] == '\0')
        return id;
    std::wstring wide = ToWide(name);
    AcDbLayerTable* table = nullptr;
    if (database->getLayerTable(table, AcDb::kForWrite) != Acad::eOk)
        return id;
    if (table->getAt(wide.c_str(), id) != Acad::eOk) {
        AcDbLayerTableRecord* record = new AcDbLayerTableRecord;
        if (record->setName(wide.c_str()) == Acad::eOk && table->add(id, record) == Acad::eOk) {
            record->close();
        } else {
            delete record;
            id = AcDbObjectId();
        }
    }
    table->close();
    return id;
}

bool LayerNameErased(const ACHAR* name, AcDbDatabase* database) {
    AcDbLayerTable* table = nullptr;
    if (database == nullptr || name == nullptr || database->getLayerTable(table, AcDb::kForRead) != Acad::eOk)
        return false;
    AcDbObjectId id;
    bool erased = !table->has(name) && table->getAt(name, id, true) == Acad::eOk;
    table->close();
    return erased;
}

void SystemLayerName(char* out, size_t outSize, const char* tag) {
    char text[64];
    snprintf(text, sizeof text, "%s%.15s", kSystemLayerPrefix, tag ? tag : "");
    CopyFieldText(out, outSize, text);
}

void SystemLabelLayerName(char* out, size_t outSize, const char* tag, const char* sizeText) {
    char text[96];
    snprintf(text, sizeof text, "%s%.15s-%.31s", kSystemLayerPrefix, tag ? tag : "", sizeText ? sizeText : "");
    CopyFieldText(out, outSize, text);
}

std::string FoldedLayerName(const char* name) {
    std::string folded(name ? name : "");
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

namespace {

// Calls visit(entity) for every live entity of one block.
template <class Visit>
void ForEachEntity(const AcDbBlockTableRecord* block, Visit visit) {
    AcDbBlockTableRecordIterator* it = nullptr;
    if (block->newIterator(it) != Acad::eOk || it == nullptr)
        return;
    std::unique_ptr<AcDbBlockTableRecordIterator> owned(it);
    for (; !it->done(); it->step()) {
        AcDbEntity* entity = nullptr;
        if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk)
            continue;
        visit(entity);
        entity->close();
    }
}

// Calls visit(record) for every block record of the database.
template <class Visit>
void ForEachBlock(AcDbDatabase* database, Visit visit) {
    AcDbBlockTable* table = nullptr;
    if (database->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return;
    AcDbSymbolTableIterator* it = nullptr;
    if (table->newIterator(it) == Acad::eOk && it != nullptr) {
        std::unique_ptr<AcDbSymbolTableIterator> owned(it);
        for (; !it->done(); it->step()) {
            AcDbSymbolTableRecord* record = nullptr;
            if (it->getRecord(record, AcDb::kForRead) != Acad::eOk)
                continue;
            if (AcDbBlockTableRecord* block = AcDbBlockTableRecord::cast(record))
                visit(block);
            record->close();
        }
    }
    table->close();
}

// Dimension blocks ("*D") belong to their dimensions and always count.
bool IsInsertableAnonymous(const AcDbBlockTableRecord* block) {
    if (!block->isAnonymous() || block->isLayout())
        return false;
    const ACHAR* name = nullptr;
    if (block->getName(name) != Acad::eOk || name == nullptr)
        return true;
    return !(name[0] == L'*' && (name[1] == L'D' || name[1] == L'd'));
}

}  // namespace

std::set<std::string> CollectUsedLayers(AcDbDatabase* database) {
    std::set<std::string> used;
    if (database == nullptr)
        return used;
    std::set<AcDbObjectId> referenced;
    ForEachBlock(database, [&](AcDbBlockTableRecord* block) {
        ForEachEntity(block, [&](AcDbEntity* entity) {
            if (AcDbBlockReference* insert = AcDbBlockReference::cast(entity))
                referenced.insert(insert->blockTableRecord());
        });
    });
    ForEachBlock(database, [&](AcDbBlockTableRecord* block) {
        if (IsInsertableAnonymous(block) && referenced.count(block->objectId()) == 0)
            return;
        ForEachEntity(block, [&](AcDbEntity* entity) {
            ACHAR* layer = entity->layer();
            used.insert(FoldedLayerName(ToNarrowString(layer).c_str()));
            acutDelString(layer);
        });
    });
    return used;
}

bool IsCurrentLayer(const char* name, AcDbDatabase* database) {
    AcDbLayerTableRecord* record = nullptr;
    AcDbObjectId clayer = database->clayer();
    if (acdbOpenObject(record, clayer, AcDb::kForRead) != Acad::eOk)
        return false;
    const ACHAR* current = nullptr;
    bool same = record->getName(current) == Acad::eOk && SameName(ToNarrowString(current).c_str(), name);
    record->close();
    return same;
}

static bool NamedBySystem(const char* name, const LSystemList& list, const LSystemNode* self) {
    for (const LSystemNode* node = list.systems; node; node = node->next) {
        const LSystemRecord& r = node->record;
        for (const char* layer : {r.penLayer[0], r.penLayer[1], r.penLayer[2], r.centreLayer, r.labelLayer})
            if (SameName(layer, name))
                return true;
        if (node != self && node->labelLayerChanged && SameName(node->oldLabelLayer, name))
            return true;
    }
    return false;
}

bool LayerMayBeErased(const char* name, AcDbDatabase* database, const std::set<std::string>& used,
                      const LSystemList& list, const LSystemNode* self, bool currentMayGo) {
    if (name == nullptr || name[0] == '\0' || database == nullptr)
        return false;
    if (SameName(name, kLayerZero) || SameName(name, kLayerDefpoints))
        return false;
    if (!currentMayGo && IsCurrentLayer(name, database))
        return false;
    if (used.count(FoldedLayerName(name)) != 0)
        return false;
    return !NamedBySystem(name, list, self);
}

Acad::ErrorStatus EraseLayer(const char* name, AcDbDatabase* database) {
    if (database == nullptr || name == nullptr)
        return Acad::eInvalidInput;
    AcDbLayerTable* table = nullptr;
    Acad::ErrorStatus es = database->getLayerTable(table, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    AcDbLayerTableRecord* record = nullptr;
    es = table->getAt(ToWide(name).c_str(), record, AcDb::kForWrite);
    table->close();
    if (es != Acad::eOk)
        return es;
    es = record->erase();
    record->close();
    return es;
}
