// Prints a result-buffer list on the host's text screen, one line a group:
// what the element inspection command shows of an entity's data.
#pragma once

#include <string>

#include "ads_types.h"

// The text of one group, ending in a line break.
std::string DescribeResbuf(const resbuf* rb);
// Switches to the text screen and prints every group of the list.
void DumpResbufList(const resbuf* list);
