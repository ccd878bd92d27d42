// Whether an element's data fits the room the drawing keeps for one
// object's extended data, and the one notice a command gives when the
// drawing refused to write an element.  The host refuses a write whose
// XDATA outgrows that room; a command checks first where the element may
// grow (a path point, the pieces of a long gap) and reports any refusal it
// meets, so that nobody believes an element is in the drawing when it is
// not.
#pragma once

#include <cstddef>
#include <cstdint>

class LObject;

// The bytes of extended data the drawing keeps for one object.
constexpr long kElementDataRoom = 16383;
// The bytes (UTF-8) of one text group of extended data: a longer name or
// remark cannot be stored with the element.
constexpr size_t kElementTextRoom = 255;

// True when the text (UTF-8) fits one text group of the element's data.
bool ElementTextFits(const char* text);

// The bytes the element's data takes written now; -1 when it cannot be
// written at all.
long ElementDataSize(LObject* e);
// True when the element's data, written now, fits its room with space to
// spare for the longest tag its air system may be renamed to.
bool ElementDataFits(LObject* e);

// What the caller made of the refusal: the whole drawing left as it was, or
// only the element (it keeps the data it had; the command's other writes
// stand).
enum class RefusalEnd { kDrawingKept, kElementKept };

// Says that the element could not be written, and why when its data is too
// large or its points overflow, and what was left as it was.
void ReportElementNotWritten(LObject* e, RefusalEnd end = RefusalEnd::kDrawingKept);
// Says that the copy of the element of the source handle could not be
// written, and why when its data is too large or its points overflow; the
// command goes on with the other copies.
void ReportCopyNotWritten(LObject* copy, const char* sourceHandle);
