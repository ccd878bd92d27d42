// Label numbers on their way into the elements, gathered per element: a
// straight duct carries one label per standard piece, and reading and
// writing it again for each of them made numbering and listing grow with
// the square of its pieces.  Each element is read and written once.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "ads_types.h"
#include "core/system_entities.h"

class LObject;
class WriteRollback;
struct LDocState;

// The writes of a numbering run, kept for the run's whole length: the
// document state names the run's rollback from the start of the run to
// every way out of it, and no longer.
class NumberingWritesScope {
public:
    NumberingWritesScope(LDocState* state, WriteRollback& undo);
    ~NumberingWritesScope();
    NumberingWritesScope(const NumberingWritesScope&) = delete;
    NumberingWritesScope& operator=(const NumberingWritesScope&) = delete;

private:
    LDocState* state_;
};

// Writes an element whose labels the numbering changed with the insert
// option.  While a numbering run keeps its writes, the element's data and
// labels are kept first, and a refusal is said, stops the run and marks it
// refused; false then.
bool WriteNumberedElement(LObject* e, uint16_t option);

class LabelNumberWrites {
public:
    // Label i of the element insert is to show the number.
    void Add(const ads_name insert, int16_t label, int32_t number);
    // Reads each element named once, in the order first named, gives its
    // labels their numbers and writes it with the insert option: always, or
    // with skipWhenSame only when one of its labels showed another number.
    // Forgets what it wrote.
    void Write(int16_t option, bool skipWhenSame);

private:
    struct Number {
        int16_t label;
        int32_t number;
    };
    struct Element {
        EntityRef insert;
        std::vector<Number> numbers;
    };
    std::vector<Element> elements_;
    std::map<EntityRef, size_t> byInsert_;
};
