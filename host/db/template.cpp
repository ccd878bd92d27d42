// The new drawing of the host's template: what a drawing holds before the
// user draws anything.
#include "db/database.h"
#include "db/template.h"

namespace host::db {

namespace {

using G = Group;

Slot addObject(Database& db, std::string_view type, ObjectClass cls, GroupList groups,
               Handle owner = 0) {
    Object o;
    o.type = internType(type);
    o.cls = cls;
    o.owner = owner;
    o.groups = std::move(groups);
    return db.add(std::move(o));
}

Handle handleOf(const Database& db, Slot slot) { return db.object(slot)->handle; }

Slot makeTable(Database& db, Table table, GroupList extra = {}) {
    GroupList g{G::text(2, tableName(table)), G::text(100, "AcDbSymbolTable"), G::integer(70, 0)};
    for (Group& e : extra) g.push_back(std::move(e));
    Slot head = addObject(db, "TABLE", ObjectClass::TableHead, std::move(g));
    db.setTableHead(table, head);
    return head;
}

Slot makeRecord(Database& db, Table table, std::string_view subclass, std::string_view name,
               GroupList fields, int flags = 0) {
    GroupList g{G::text(100, "AcDbSymbolTableRecord"), G::text(100, subclass), G::text(2, name),
                G::integer(70, flags)};
    for (Group& f : fields) g.push_back(std::move(f));
    Slot record = addObject(db, tableName(table), ObjectClass::TableRecord, std::move(g));
    db.addRecord(table, record);
    return record;
}


void addSpace(Database& db, Slot record, bool paper) {
    std::string_view name = groupText(*db.object(record), 2);
    GroupList begin{G::text(100, "AcDbEntity")};
    if (paper) begin.push_back(G::integer(67, 1));
    begin.push_back(G::text(8, "0"));
    GroupList rest{G::text(100, "AcDbBlockBegin"), G::text(2, name), G::integer(70, 0),
                   G::point(10, 0, 0, 0), G::text(3, name), G::text(1, "")};
    for (Group& g : rest) begin.push_back(std::move(g));
    GroupList end{G::text(100, "AcDbEntity")};
    if (paper) end.push_back(G::integer(67, 1));
    end.push_back(G::text(8, "0"));
    end.push_back(G::text(100, "AcDbBlockEnd"));
    db.addBlock(record);
    Slot b = addObject(db, "BLOCK", ObjectClass::BlockBegin, std::move(begin));
    Slot e = addObject(db, "ENDBLK", ObjectClass::BlockEnd, std::move(end));
    db.setBlockObjects(record, b, e);
}

void addHeader(Database& db) {
    auto& h = db.header();
    auto var = [&h](std::string_view name, GroupList groups) {
        h.push_back({std::string(name), std::move(groups)});
    };
    var("$ACADVER", {G::text(1, "AC1021")});
    var("$DWGCODEPAGE", {G::text(3, "ANSI_1252")});
    var("$INSBASE", {G::point(10, 0, 0, 0)});
    var("$EXTMIN", {G::point(10, 1e20, 1e20, 1e20)});
    var("$EXTMAX", {G::point(10, -1e20, -1e20, -1e20)});
    var("$LIMMIN", {G::point2d(10, 0.0, 0.0)});
    var("$LIMMAX", {G::point2d(10, 420.0, 297.0)});
    var("$LTSCALE", {G::real(40, 1.0)});
    var("$CLAYER", {G::text(8, "0")});
    var("$CELTYPE", {G::text(6, "ByLayer")});
    var("$CECOLOR", {G::integer(62, 256)});
    var("$TEXTSTYLE", {G::text(7, "Standard")});
    var("$TEXTSIZE", {G::real(40, 2.5)});
    var("$DIMSTYLE", {G::text(2, "Standard")});
    var("$DIMSCALE", {G::real(40, 1.0)});
    var("$DIMASZ", {G::real(40, 2.5)});
    var("$DIMEXO", {G::real(40, 0.625)});
    var("$DIMEXE", {G::real(40, 1.25)});
    var("$DIMTXT", {G::real(40, 2.5)});
    var("$DIMGAP", {G::real(40, 0.625)});
    var("$DIMLFAC", {G::real(40, 1.0)});
    var("$INSUNITS", {G::integer(70, 4)});
    var("$MEASUREMENT", {G::integer(70, 1)});
    var("$PLIMMIN", {G::point2d(10, 0.0, 0.0)});
    var("$PLIMMAX", {G::point2d(10, 420.0, 297.0)});
}

void addClasses(Database& db) {
    const char* classes[][2] = {{"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault"},
                                {"ACDBPLACEHOLDER", "AcDbPlaceHolder"},
                                {"LAYOUT", "AcDbLayout"}};
    for (auto& c : classes)
        db.classes().push_back({G::text(1, c[0]), G::text(2, c[1]), G::text(3, "ObjectDBX Classes"),
                                G::integer(90, 0), G::integer(91, 1), G::integer(280, 0), G::integer(281, 0)});
}

} // namespace

GroupList layoutGroups(std::string_view name, int tab, Handle blockRecord) {
    return {G::text(100, "AcDbPlotSettings"), G::text(1, ""), G::text(2, "none_device"),
            G::text(4, "ISO_A3_(420.00_x_297.00_MM)"), G::text(6, ""), G::real(40, 7.5), G::real(41, 20.0),
            G::real(42, 7.5), G::real(43, 20.0), G::real(44, 420.0), G::real(45, 297.0), G::real(46, 0.0),
            G::real(47, 0.0), G::real(48, 0.0), G::real(49, 0.0), G::real(140, 0.0), G::real(141, 0.0),
            G::real(142, 1.0), G::real(143, 1.0), G::integer(70, tab == 0 ? 1024 : 0), G::integer(72, 1),
            G::integer(73, 1), G::integer(74, 5), G::text(7, ""), G::integer(75, 16), G::integer(76, 0),
            G::integer(77, 2), G::integer(78, 300), G::real(147, 1.0), G::real(148, 0.0), G::real(149, 0.0),
            G::text(100, "AcDbLayout"), G::text(1, name), G::integer(70, 1), G::integer(71, tab),
            G::point2d(10, 0.0, 0.0), G::point2d(11, 420.0, 297.0), G::point(12, 0, 0, 0),
            G::point(14, 1e20, 1e20, 1e20), G::point(15, -1e20, -1e20, -1e20), G::real(146, 0.0),
            G::point(13, 0, 0, 0), G::point(16, 1, 0, 0), G::point(17, 0, 1, 0), G::integer(76, 1),
            G::handle(330, blockRecord)};
}

std::unique_ptr<Database> Database::createDefault() {
    auto owned = std::make_unique<Database>();
    Database& db = *owned;
    addHeader(db);
    addClasses(db);

    for (size_t t = 0; t < kTableCount; ++t) {
        Table table = static_cast<Table>(t);
        if (table == Table::Dimstyle)
            makeTable(db, table, {G::text(100, "AcDbDimStyleTable"), G::integer(71, 1)});
        else
            makeTable(db, table);
    }
    Slot nod = addObject(db, "DICTIONARY", ObjectClass::NonGraphical,
                         {G::text(100, "AcDbDictionary"), G::integer(281, 1)});
    db.setNamedObjectDictionary(nod);
    Slot groups = addObject(db, "DICTIONARY", ObjectClass::NonGraphical,
                            {G::text(100, "AcDbDictionary"), G::integer(281, 1)});
    Slot layouts = addObject(db, "DICTIONARY", ObjectClass::NonGraphical,
                             {G::text(100, "AcDbDictionary"), G::integer(281, 1)});
    Slot placeholder = addObject(db, "ACDBPLACEHOLDER", ObjectClass::NonGraphical, {});
    Slot plotStyles = addObject(db, "ACDBDICTIONARYWDFLT", ObjectClass::NonGraphical,
                                {G::text(100, "AcDbDictionary"), G::integer(281, 1)});
    db.dictionaryAdd(nod, "ACAD_GROUP", groups);
    db.dictionaryAdd(nod, "ACAD_LAYOUT", layouts);
    db.dictionaryAdd(nod, "ACAD_PLOTSTYLENAME", plotStyles);
    db.dictionaryAdd(plotStyles, "Normal", placeholder);
    db.object(plotStyles)->groups.push_back(G::text(100, "AcDbDictionaryWithDefault"));
    db.object(plotStyles)->groups.push_back(G::handle(340, handleOf(db, placeholder)));
    Handle normal = handleOf(db, placeholder);

    makeRecord(db, Table::Vport, "AcDbViewportTableRecord", "*Active",
              {G::point2d(10, 0, 0), G::point2d(11, 1, 1), G::point2d(12, 210.0, 148.5), G::point2d(13, 0, 0),
               G::point2d(14, 10, 10), G::point2d(15, 10, 10), G::point(16, 0, 0, 1), G::point(17, 0, 0, 0),
               G::real(40, 297.0), G::real(41, 1.5), G::real(42, 50.0), G::real(43, 0.0), G::real(44, 0.0),
               G::real(50, 0.0), G::real(51, 0.0), G::integer(71, 0), G::integer(72, 100), G::integer(73, 1),
               G::integer(74, 3), G::integer(75, 0), G::integer(76, 0), G::integer(77, 0), G::integer(78, 0)});
    for (const char* lt : {"ByBlock", "ByLayer", "Continuous"})
        makeRecord(db, Table::Ltype, "AcDbLinetypeTableRecord", lt,
                  {G::text(3, std::string_view(lt) == "Continuous" ? "Solid line" : ""), G::integer(72, 65),
                   G::integer(73, 0), G::real(40, 0.0)});
    makeRecord(db, Table::Layer, "AcDbLayerTableRecord", "0",
              {G::integer(62, 7), G::text(6, "Continuous"), G::integer(370, -3), G::handle(390, normal)});
    makeRecord(db, Table::Layer, "AcDbLayerTableRecord", "Defpoints",
              {G::integer(62, 7), G::text(6, "Continuous"), G::integer(290, 0), G::integer(370, -3),
               G::handle(390, normal)});
    Slot style = makeRecord(db, Table::Style, "AcDbTextStyleTableRecord", "Standard",
                           {G::real(40, 0.0), G::real(41, 1.0), G::real(50, 0.0), G::integer(71, 0),
                            G::real(42, 2.5), G::text(3, "txt"), G::text(4, "")});
    makeRecord(db, Table::Appid, "AcDbRegAppTableRecord", "ACAD", {});
    makeRecord(db, Table::Dimstyle, "AcDbDimStyleTableRecord", "Standard",
              {G::real(40, 1.0), G::real(41, 2.5), G::real(42, 0.625), G::real(44, 1.25), G::real(140, 2.5),
               G::real(147, 0.625), G::integer(77, 1), G::integer(271, 0), G::handle(340, handleOf(db, style))});

    Slot layoutModel = addObject(db, "LAYOUT", ObjectClass::NonGraphical, {});
    Slot layoutPaper = addObject(db, "LAYOUT", ObjectClass::NonGraphical, {});
    Slot ms = makeRecord(db, Table::BlockRecord, "AcDbBlockTableRecord", "*Model_Space",
                        {G::handle(340, handleOf(db, layoutModel)), G::integer(70, 0), G::integer(280, 1),
                         G::integer(281, 0)});
    Slot ps = makeRecord(db, Table::BlockRecord, "AcDbBlockTableRecord", "*Paper_Space",
                        {G::handle(340, handleOf(db, layoutPaper)), G::integer(70, 0), G::integer(280, 1),
                         G::integer(281, 0)});
    // The record's 70 flags sit after its name fields; keep the head's 70 at 0.
    for (Slot r : {ms, ps}) {
        auto& g = db.object(r)->groups;
        g.erase(g.begin() + 3);  // the generic 70 after the name
    }
    db.object(layoutModel)->groups = layoutGroups("Model", 0, handleOf(db, ms));
    db.object(layoutPaper)->groups = layoutGroups("Layout1", 1, handleOf(db, ps));
    db.dictionaryAdd(layouts, "Model", layoutModel);
    db.dictionaryAdd(layouts, "Layout1", layoutPaper);
    addSpace(db, ms, false);
    addSpace(db, ps, true);
    db.setSpaces(ms, ps);
    return owned;
}

} // namespace host::db
