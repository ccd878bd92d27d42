#include "shell/drawing_store.h"

#include <cctype>
#include <filesystem>

#include "acdb_objects.h"
#include "api/host_api.h"
#include "dxf/quoted_text.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "shell/documents.h"
#include "shell/drawing_check.h"
#include "shell/repair_notes.h"

namespace host::shell {

namespace {

void destroyDatabase(AcDbDatabase* database) { delete database; }

} // namespace

void attachNewDatabase(Document& doc) { doc.setDatabase(new AcDbDatabase(true), destroyDatabase); }

bool readDrawing(Document& doc, const std::string& path, std::string& error, std::vector<std::string>& repairs) {
    dxf::ReadReport report;
    std::unique_ptr<db::Database> drawing = dxf::readDxfFile(path, report);
    if (!drawing) {
        const dxf::Diagnostic& why = report.error;
        if (why.line == 0 && why.message.find(path) != std::string::npos) {
            // "cannot open x.dxf: No such file or directory" names the file already.
            error = dxf::withoutControls(why.message);
            error[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(error[0])));
        } else {
            error = "Cannot open " + why.text();
        }
        return false;
    }
    api::replaceDatabase(doc.database(), std::move(drawing));
    repairs = repairLines(report.repairs, report.countedOnly);
    return true;
}

bool writeDrawing(Document& doc, const std::string& path, std::string& error, std::vector<std::string>* notes) {
    db::Database* drawing = doc.database() ? api::databaseOf(doc.database()) : nullptr;
    if (!drawing) {
        error = "Cannot save " + dxf::withoutControls(path) + ": the drawing has no database.";
        return false;
    }
    if (std::string where = firstNonFiniteNumber(*drawing); !where.empty()) {
        error = "Cannot save " + dxf::withoutControls(path) + ": " + where +
                " holds a number that is not finite; the file was not touched.";
        return false;
    }
    std::vector<dxf::Diagnostic> told;
    if (!dxf::writeDxfFile(*drawing, path, dxf::WriteOptions{}, error, &told)) {
        // The writer's message names the file already.
        error = "Cannot save: " + dxf::withoutControls(error);
        return false;
    }
    if (notes) *notes = repairLines(told, {});
    return true;
}

namespace {

uint64_t digestOf(const Document& doc) {
    db::Database* drawing = doc.database() ? api::databaseOf(doc.database()) : nullptr;
    return drawing ? drawingDigest(*drawing) : 0;
}

} // namespace

void markSaved(Document& doc) { doc.setSavedDigest(digestOf(doc)); }

bool hasUnsavedChanges(const Document& doc) { return digestOf(doc) != doc.savedDigest(); }

std::string saveTarget(const Document& doc, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) return path;
    return (std::filesystem::path(path) / std::filesystem::path(doc.name()).filename()).string();
}

bool saveDrawing(Document& doc, const std::string& path, std::string& message) {
    std::vector<std::string> notes;
    if (!writeDrawing(doc, path, message, &notes)) return false;
    markSaved(doc);
    std::error_code ec;
    std::filesystem::path where = std::filesystem::absolute(path, ec);
    size_t count = modelSpaceEntityCount(*api::databaseOf(doc.database()));
    message = "Saved " + dxf::withoutControls(ec ? path : where.lexically_normal().string()) + " (" +
              std::to_string(count) + (count == 1 ? " entity" : " entities") + " in model space).";
    for (const std::string& note : notes) message += "\n" + note;
    return true;
}

void useDatabase(AcDbDatabase* database) { api::setCurrentDatabase(database); }

} // namespace host::shell
