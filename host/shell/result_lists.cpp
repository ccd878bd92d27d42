#include "shell/result_lists.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "ads_entity.h"
#include "api/result_kinds.h"
#include "io/io.h"

namespace host::shell {

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
        api::Payload payload = api::payloadOf(rb->restype);
        if (payload == api::Payload::Text && rb->resval.rstring) {
            size_t n = std::wcslen(rb->resval.rstring);
            node->resval.rstring = static_cast<ACHAR*>(std::malloc((n + 1) * sizeof(ACHAR)));
            if (node->resval.rstring) std::wmemcpy(node->resval.rstring, rb->resval.rstring, n + 1);
        } else if (payload == api::Payload::Binary && rb->resval.rbinary.buf) {
            // An empty chunk still has a block of its own, which release frees.
            size_t n = rb->resval.rbinary.clen > 0 ? static_cast<size_t>(rb->resval.rbinary.clen) : 0;
            node->resval.rbinary.buf = static_cast<char*>(std::malloc(n > 0 ? n : 1));
            if (node->resval.rbinary.buf && n > 0) std::memcpy(node->resval.rbinary.buf, rb->resval.rbinary.buf, n);
        }
        *tail = node;
        tail = &node->rbnext;
    }
    return head;
}

} // namespace host::shell
