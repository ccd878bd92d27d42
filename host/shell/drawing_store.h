// Drawings behind documents: a new database from the template, reading
// and writing DXF files, and pointing the C interface at the current one.
#pragma once

#include <string>
#include <vector>

class AcDbDatabase;

namespace host::shell {

class Document;

// Gives doc a new drawing as the host's template makes it.
void attachNewDatabase(Document& doc);
// Reads path into doc's database; false with a message naming the file.
// `repairs` gets the lines that tell what the read repaired in the file
// (see repairLines), none for a sound file.
bool readDrawing(Document& doc, const std::string& path, std::string& error, std::vector<std::string>& repairs);
// Writes doc's drawing to path (atomically); false with a message.
// `notes`, when given, gets the lines that tell what the file holds
// otherwise than the drawing (see repairLines), none for most drawings.
bool writeDrawing(Document& doc, const std::string& path, std::string& error,
                  std::vector<std::string>* notes = nullptr);
// The file a save to path writes: a folder gets the drawing's own name
// inside it.
std::string saveTarget(const Document& doc, const std::string& path);
// Writes doc's drawing to path; `message` says where it went and how many
// entities it holds, with the save's notes on lines after it, or why
// nothing was written.
bool saveDrawing(Document& doc, const std::string& path, std::string& message);
// The drawing as it is now counts as saved.
void markSaved(Document& doc);
// True when the drawing changed since it was made, opened or saved.
bool hasUnsavedChanges(const Document& doc);
// The C interface acts on this database from now on (null: none).
void useDatabase(AcDbDatabase* database);

} // namespace host::shell
