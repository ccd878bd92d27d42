#include "shell/drawing_store.h"

#include "acdb_objects.h"
#include "api/host_api.h"
#include "shell/documents.h"

#include "dxf/reader.h"
#include "dxf/writer.h"

namespace host::shell {

namespace {

void destroyDatabase(AcDbDatabase* database) { delete database; }

} // namespace

void attachNewDatabase(Document& doc) { doc.setDatabase(new AcDbDatabase(true), destroyDatabase); }

bool readDrawing(Document& doc, const std::string& path, std::string& error) {
    dxf::ReadReport report;
    std::unique_ptr<db::Database> drawing = dxf::readDxfFile(path, report);
    if (!drawing) {
        error = "Cannot open " + report.error.text();
        return false;
    }
    api::replaceDatabase(doc.database(), std::move(drawing));
    return true;
}

bool writeDrawing(Document& doc, const std::string& path, std::string& error) {
    db::Database* drawing = doc.database() ? api::databaseOf(doc.database()) : nullptr;
    if (!drawing) {
        error = "Cannot save " + path + ": the drawing has no database.";
        return false;
    }
    if (!dxf::writeDxfFile(*drawing, path, dxf::WriteOptions{}, error)) {
        error = "Cannot save " + path + ": " + error;
        return false;
    }
    return true;
}

void useDatabase(AcDbDatabase* database) { api::setCurrentDatabase(database); }

} // namespace host::shell
