// The work one pick, window or crossing may spend on an entity, counted in
// steps (a copy of a block considered, a point of a piece of its runs
// tested, a line of an array's copies cut), never in the points a curve is
// drawn with where it is placed:
// nested blocks and arrays of a file of a few KB can stand for more copies
// than any machine can look at, so a test that runs out of steps stops and
// says it could not decide, and why.
#pragma once

#include <cstdint>

namespace host::db {

// What a bounded question found: no, yes, or that it could not decide
// (OutOfWork; the budget says why).
enum class Found { No, Yes, OutOfWork };

// Why a question was left undecided.
enum class Doubt : uint8_t {
    None,
    Work,      // its steps ran out
    Close,     // a curve lies nearer the question's edge than its search can tell
    Overflow,  // a number it needs lies beyond the doubles
};

class WorkBudget {
public:
    explicit WorkBudget(uint64_t steps = UINT64_MAX) : left_(steps) {}
    // Takes n steps; false (from then on) when there were not so many left.
    bool spend(uint64_t n) {
        spent_ += n;
        if (n > left_) {
            left_ = 0;
            out_ = true;
            if (doubt_ == Doubt::None) doubt_ = Doubt::Work;
            return false;
        }
        left_ -= n;
        return !out_;
    }
    bool out() const { return out_; }
    uint64_t spent() const { return spent_; }
    // Leaves the question undecided for `why` (the first cause stands).
    Found undecided(Doubt why) {
        if (doubt_ == Doubt::None) doubt_ = why;
        return Found::OutOfWork;
    }
    Doubt doubt() const { return doubt_; }

private:
    uint64_t left_;
    uint64_t spent_ = 0;
    bool out_ = false;
    Doubt doubt_ = Doubt::None;
};

} // namespace host::db
