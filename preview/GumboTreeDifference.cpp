#include "preview/GumboTreeDifference.h"

#include <cstring>

namespace quillet {
namespace {

std::string NodeName(const GumboNode& node) {
    if (node.type == GUMBO_NODE_ELEMENT || node.type == GUMBO_NODE_TEMPLATE) {
        return gumbo_normalized_tagname(node.v.element.tag);
    }
    return "#" + std::to_string(node.type);
}

std::string AttributesDifference(const GumboVector& a, const GumboVector& b) {
    if (a.length != b.length) {
        return "attribute count " + std::to_string(a.length) + " vs " + std::to_string(b.length);
    }
    for (unsigned i = 0; i < a.length; ++i) {
        const auto& x = *static_cast<const GumboAttribute*>(a.data[i]);
        const auto& y = *static_cast<const GumboAttribute*>(b.data[i]);
        if (x.attr_namespace != y.attr_namespace || std::strcmp(x.name, y.name) != 0 ||
            std::strcmp(x.value, y.value) != 0) {
            return std::string("attribute ") + x.name + "=\"" + x.value + "\" vs " + y.name +
                   "=\"" + y.value + "\"";
        }
    }
    return {};
}

} // namespace

std::string GumboTreeDifference(const GumboNode& a, const GumboNode& b) {
    if (a.type != b.type) {
        return "node " + NodeName(a) + " vs " + NodeName(b);
    }
    if (a.type != GUMBO_NODE_ELEMENT && a.type != GUMBO_NODE_TEMPLATE) {
        if (a.type == GUMBO_NODE_DOCUMENT || std::strcmp(a.v.text.text, b.v.text.text) == 0) {
            return {};
        }
        return std::string("text \"") + a.v.text.text + "\" vs \"" + b.v.text.text + "\"";
    }
    const GumboElement& x = a.v.element;
    const GumboElement& y = b.v.element;
    if (x.tag != y.tag || x.tag_namespace != y.tag_namespace) {
        return "element " + NodeName(a) + " vs " + NodeName(b);
    }
    if (std::string difference = AttributesDifference(x.attributes, y.attributes);
        !difference.empty()) {
        return NodeName(a) + ": " + difference;
    }
    if (x.children.length != y.children.length) {
        return NodeName(a) + ": child count " + std::to_string(x.children.length) + " vs " +
               std::to_string(y.children.length);
    }
    for (unsigned i = 0; i < x.children.length; ++i) {
        const auto& p = *static_cast<const GumboNode*>(x.children.data[i]);
        const auto& q = *static_cast<const GumboNode*>(y.children.data[i]);
        if (std::string difference = GumboTreeDifference(p, q); !difference.empty()) {
            return NodeName(a) + "[" + std::to_string(i) + "] " + difference;
        }
        if (p.parent != &a || p.index_within_parent != i) {
            return NodeName(a) + "[" + std::to_string(i) + "] parent link";
        }
    }
    return {};
}

} // namespace quillet
