#include "shell/result_lists.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "ads_entity.h"
#include "io/io.h"

namespace host::shell {

namespace {

bool holdsString(short type) {
    if (type == RTSTR) return true;
    // Group codes whose values are strings.
    return (type >= 0 && type <= 9) || type == 100 || type == 102 || type == 105 ||
           (type >= 300 && type <= 309) || (type >= 410 && type <= 419) || (type >= 430 && type <= 439) ||
           (type >= 470 && type <= 479) || type == 999 || (type >= 1000 && type <= 1003) || type == 1005;
}

bool holdsBinary(short type) { return (type >= 310 && type <= 319) || type == 1004; }

} // namespace

ACHAR* newRbString(const std::string& utf8) {
    std::wstring wide = io::fromUtf8(utf8);
    auto* s = static_cast<ACHAR*>(std::malloc((wide.size() + 1) * sizeof(ACHAR)));
    if (!s) return nullptr;
    std::wmemcpy(s, wide.c_str(), wide.size() + 1);
    return s;
}

resbuf* newRb(short type) { return acutNewRb(type); }

resbuf* copyList(const resbuf* list) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        resbuf* node = acutNewRb(rb->restype);
        if (!node) break;
        node->resval = rb->resval;
        node->rbnext = nullptr;
        if (holdsString(rb->restype) && rb->resval.rstring) {
            size_t n = std::wcslen(rb->resval.rstring);
            node->resval.rstring = static_cast<ACHAR*>(std::malloc((n + 1) * sizeof(ACHAR)));
            if (node->resval.rstring) std::wmemcpy(node->resval.rstring, rb->resval.rstring, n + 1);
        } else if (holdsBinary(rb->restype) && rb->resval.rbinary.buf && rb->resval.rbinary.clen > 0) {
            auto n = static_cast<size_t>(rb->resval.rbinary.clen);
            node->resval.rbinary.buf = static_cast<char*>(std::malloc(n));
            if (node->resval.rbinary.buf) std::memcpy(node->resval.rbinary.buf, rb->resval.rbinary.buf, n);
        }
        *tail = node;
        tail = &node->rbnext;
    }
    return head;
}

} // namespace host::shell
