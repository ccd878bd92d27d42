// The work one pick, window or crossing may spend on an entity, counted in
// steps (a copy of a block considered, a point of a piece of its runs
// tested, a line of an array's copies cut), never in the points a curve is
// drawn with where it is placed:
// nested blocks and arrays of a file of a few KB can stand for more copies
// than any machine can look at, so a test that runs out of steps stops and
// says it could not decide.
#pragma once

#include <cstdint>

namespace host::db {

// What a bounded question found: no, yes, or that it ran out of work
// before it could decide.
enum class Found { No, Yes, OutOfWork };

class WorkBudget {
public:
    explicit WorkBudget(uint64_t steps = UINT64_MAX) : left_(steps) {}
    // Takes n steps; false (from then on) when there were not so many left.
    bool spend(uint64_t n) {
        spent_ += n;
        if (n > left_) {
            left_ = 0;
            out_ = true;
            return false;
        }
        left_ -= n;
        return !out_;
    }
    bool out() const { return out_; }
    uint64_t spent() const { return spent_; }

private:
    uint64_t left_;
    uint64_t spent_ = 0;
    bool out_ = false;
};

} // namespace host::db
