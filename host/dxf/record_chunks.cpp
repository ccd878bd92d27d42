#include "dxf/record_chunks.h"

#include "dxf/number_text.h"
#include "dxf/parallel.h"

#include <algorithm>
#include <cstring>


namespace host::dxf {

namespace {

// Below this a text is read in one piece: pieces and threads would cost
// more than they save.
constexpr size_t kPiecesFrom = 2 << 20;
constexpr size_t kPieceSize = 512 << 10;

// Counts line ends eight bytes at a time.
size_t countLines(std::string_view text)
{
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr uint64_t kNewlines = 0x0A0A0A0A0A0A0A0Aull;
    size_t count = 0;
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        uint64_t x = word ^ kNewlines;                         // newline bytes become zero
        uint64_t nonzero = (((x & kLow7) + kLow7) | x) & ~kLow7;  // high bit set for each nonzero byte
        count += 8 - static_cast<size_t>(__builtin_popcountll(nonzero));
    }
    for (; at < text.size(); ++at) count += text[at] == '\n';
    return count;
}

// Offset of the first record start (a group 0 on a code line) at or after
// `from`, where `line` is the number of the line that starts at `from`.
// Code lines are the odd ones.  npos when there is none.
size_t firstRecordStart(std::string_view text, size_t from, uint32_t line)
{
    size_t at = from;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view content = text.substr(at, end - at);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (line % 2 == 1 && trimBlanks(content) == "0") return at;
        at = end + 1;
        ++line;
    }
    return std::string_view::npos;
}

// Cuts the text at record starts into pieces of about kPieceSize.
std::vector<Piece> cutIntoPieces(std::string_view text, unsigned threads, uint32_t& lineCount)
{
    size_t rough = (text.size() + kPieceSize - 1) / kPieceSize;
    std::vector<size_t> starts(rough);
    std::vector<uint32_t> lines(rough);
    for (size_t i = 0; i < rough; ++i) {
        size_t at = i * kPieceSize;
        // Move to the start of a line.
        if (at > 0) {
            size_t newline = text.find('\n', at - 1);
            at = newline == std::string_view::npos ? text.size() : newline + 1;
        }
        starts[i] = at;
    }
    runInParallel(rough, threads, [&](size_t i) {
        size_t end = i + 1 < rough ? starts[i + 1] : text.size();
        lines[i] = static_cast<uint32_t>(countLines(text.substr(starts[i], end - starts[i])));
    });
    std::vector<Piece> pieces;
    uint32_t before = 0;
    for (size_t i = 0; i < rough; ++i) {
        size_t start = i == 0 ? 0 : firstRecordStart(text, starts[i], before + 1);
        if (start != std::string_view::npos && (pieces.empty() || start > pieces.back().begin)) {
            if (!pieces.empty()) pieces.back().end = start;
            uint32_t skipped = static_cast<uint32_t>(countLines(text.substr(starts[i], start - starts[i])));
            pieces.push_back(Piece{start, text.size(), before + (i == 0 ? 0 : skipped)});
        }
        before += lines[i];
    }
    lineCount = before + (text.empty() || text.back() == '\n' ? 0 : 1);
    return pieces;
}

// Reads the records of one piece.  False when it did not end exactly at its
// end, which happens only when line parity is broken by damage before it.
bool parsePiece(std::string_view text, const Piece& piece, bool last, std::string_view fileName,
                const TextEncoding& encoding, RecordChunk& chunk)
{
    RecordReader reader(text.substr(piece.begin, piece.end - piece.begin), fileName, piece.linesBefore);
    reader.setEncoding(encoding);
    Record record;
    while (reader.next(record)) {
        chunk.records.emplace_back();
        Record& kept = chunk.records.back();
        kept.type = record.type;
        kept.line = record.line;
        kept.handle = record.handle;
        kept.hasHandle = record.hasHandle;
        kept.owner = record.owner;
        kept.hasOwner = record.hasOwner;
        kept.handleLine = record.handleLine;
        kept.groupLines = std::move(record.groupLines);
        // Exactly as many groups as the record has: the database keeps this vector.
        kept.groups.assign(std::make_move_iterator(record.groups.begin()), std::make_move_iterator(record.groups.end()));
    }
    if (reader.failed()) {
        chunk.failed = true;
        chunk.error = reader.error();
        return last || reader.consumedBytes() < piece.end - piece.begin;
    }
    return true;
}

void releasePiece(MappedFile* mapping, const Piece& piece)
{
    if (mapping) mapping->releaseRange(piece.begin, piece.end);
}

} // namespace

RecordStream::RecordStream(std::string_view text, std::string_view fileName, const TextEncoding& encoding,
                           MappedFile* mapping)
    : text_(text), fileName_(fileName), encoding_(encoding), mapping_(mapping)
{
    unsigned threads = workerCount();
    if (text.size() < kPiecesFrom) {
        pieces_.push_back(Piece{0, text.size(), 0});
        lineCount_ = static_cast<uint32_t>(countLines(text)) + (text.empty() || text.back() == '\n' ? 0 : 1);
    } else {
        pieces_ = cutIntoPieces(text, threads, lineCount_);
    }
    chunks_.resize(pieces_.size());
    state_.assign(pieces_.size(), kWaiting);
    window_ = 2 * threads;
    // With one processor the pieces are read by next() itself, one at a time.
    auto worker = [this] { work(); };
    if (threads > 1 && pieces_.size() > 1) startThreads(workers_, threads, worker);
}

RecordStream::~RecordStream()
{
    stopWorkers();
}

void RecordStream::stopWorkers()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
}

// A worker: reads the next piece that may be read, until none is left.
void RecordStream::work()
{
    for (;;) {
        size_t i;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || next_ >= pieces_.size() || next_ < consumed_ + window_; });
            if (stop_ || next_ >= pieces_.size()) return;
            i = next_++;
        }
        bool last = i + 1 == pieces_.size();
        bool aligned = parsePiece(text_, pieces_[i], last, fileName_, encoding_, chunks_[i]);
        releasePiece(mapping_, pieces_[i]);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            state_[i] = aligned ? kReady : kMisaligned;
        }
        changed_.notify_all();
    }
}

RecordChunk* RecordStream::next()
{
    if (current_ > 0 && current_ <= chunks_.size()) {
        chunks_[current_ - 1] = RecordChunk{};  // its records are in the database now
        {
            std::lock_guard<std::mutex> lock(mutex_);
            consumed_ = current_;
        }
        changed_.notify_all();
    }
    if (current_ >= chunks_.size()) return nullptr;
    size_t i = current_++;
    int state;
    if (workers_.empty()) {
        bool aligned = parsePiece(text_, pieces_[i], i + 1 == pieces_.size(), fileName_, encoding_, chunks_[i]);
        releasePiece(mapping_, pieces_[i]);
        state = aligned ? kReady : kMisaligned;
    } else {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return state_[i] != kWaiting; });
        state = state_[i];
    }
    if (state == kMisaligned) {
        // Damage before this piece's end broke the cut: read the rest here, in one piece.
        stopWorkers();
        chunks_.resize(i + 1);
        chunks_[i] = RecordChunk{};
        parsePiece(text_, Piece{pieces_[i].begin, text_.size(), pieces_[i].linesBefore}, true, fileName_, encoding_,
                   chunks_[i]);
    }
    return &chunks_[i];
}

} // namespace host::dxf
