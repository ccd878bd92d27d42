// Whose label entities an element takes when it reads its data: its own
// (a label's data names its element), or any, for a copy that reads its
// source's labels before they are followed to their copies.
#pragma once

enum class LabelOwner { kThisElement, kAnyElement };
