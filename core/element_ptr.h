// An owner of an element object: destroys it with DestroyElement, the one
// way an element is deleted, on every path out of the owner's scope.
#pragma once

#include <memory>

#include "core/lobject.h"

struct ElementDeleter {
    void operator()(LObject* element) const { DestroyElement(element); }
};

using ElementPtr = std::unique_ptr<LObject, ElementDeleter>;
