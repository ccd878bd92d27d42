// Singly linked chains whose nodes own their successor.
#pragma once

// Deletes the chain after a node one node at a time, so that a long chain
// never recurses as deep as it is long.  Called from a node's destructor.
template <typename Node>
void DeleteChainAfter(Node*& next) {
    Node* node = next;
    next = nullptr;
    while (node) {
        Node* after = node->next;
        node->next = nullptr;
        delete node;
        node = after;
    }
}
