// The bracket around the drawing of an element's block: opened at the
// element's origin when made, closed by Close (or when it goes out of scope
// on an early return).  One error rule for every class: MakeBlock answers
// 0 when the host started and named the block, else -1 with the name left
// empty.
#pragma once

#include <cstddef>
#include <cstdint>

class ElementBlock {
public:
    ElementBlock(char* name, size_t nameSize);
    ElementBlock(const ElementBlock&) = delete;
    ElementBlock& operator=(const ElementBlock&) = delete;
    ~ElementBlock();
    // Closes the block and takes its name: 0, or -1 when it has none.
    int16_t Close();

private:
    char* name;
    size_t nameSize;
    bool open = true;
    bool begun = false;  // the host started the block
};
