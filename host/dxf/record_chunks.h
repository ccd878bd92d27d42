// Splits DXF text into its records, piece by piece.  Large texts are cut
// at record starts into pieces that worker threads read side by side while
// the caller takes the pieces in file order; only a few pieces wait at a
// time, so the records never pile up in memory.
#pragma once

#include "dxf/mapped_file.h"
#include "dxf/record_reader.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace host::dxf {

struct RecordChunk {
    std::vector<Record> records;
    bool failed = false;  // damage after the last record
    Diagnostic error;
};

struct Piece {
    size_t begin = 0;
    size_t end = 0;
    uint32_t linesBefore = 0;
};

class RecordStream {
public:
    // With a mapping, the pages of each piece are given back once it is
    // read (records keep no views into the text).
    RecordStream(std::string_view text, std::string_view fileName, const TextEncoding& encoding,
                 MappedFile* mapping);
    ~RecordStream();
    RecordStream(const RecordStream&) = delete;
    RecordStream& operator=(const RecordStream&) = delete;

    // The next piece's records in file order; null after the last.  The
    // piece before is freed: take its records' groups before asking again.
    RecordChunk* next();
    uint32_t lineCount() const { return lineCount_; }

private:
    enum : int { kWaiting, kReady, kMisaligned };

    void work();
    void stopWorkers();

    std::string_view text_;
    std::string fileName_;
    TextEncoding encoding_;
    MappedFile* mapping_;
    uint32_t lineCount_ = 0;
    std::vector<Piece> pieces_;
    std::vector<RecordChunk> chunks_;
    std::vector<int> state_;  // per piece
    size_t current_ = 0;      // the piece next() gives next
    size_t next_ = 0;         // the piece a worker reads next
    size_t consumed_ = 0;     // pieces given out and done with
    size_t window_ = 0;       // pieces read ahead at most
    bool stop_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};

} // namespace host::dxf
