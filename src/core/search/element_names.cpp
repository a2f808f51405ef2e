// Element codes and display names.

#include "core/search/element_names.h"

namespace quorix {

namespace {

const std::array<std::string, 23> kCodes = [] {
    std::array<std::string, 23> c{};
    c[1] = "1";
    for (int k = 2; k <= 22; ++k) c[static_cast<std::size_t>(k)] = std::string(1, static_cast<char>(95 + k));
    return c;
}();

}  // namespace

const std::string& ElementCodeText(int k) {
    return k >= 1 && k <= 21 ? kCodes[static_cast<std::size_t>(k)] : kCodes[0];
}

ElementNames::ElementNames() {
    for (int k = 1; k <= kCount; ++k) names_[at(k)] = prior_[at(k)] = kCodes[at(k)];
}

const std::string& ElementNames::name(int k) const {
    if (k >= 1 && k <= kCount) return names_[at(k)];
    if (k == 21) return kCodes[21];
    return kCodes[0];
}

const std::string& ElementNames::priorName(int k) const {
    if (k >= 1 && k <= kCount) return prior_[at(k)];
    return kCodes[0];
}

void ElementNames::rename(const List& names) {
    prior_ = names_;
    for (int k = 1; k <= kCount; ++k) names_[at(k)] = names[at(k)];
}

std::string ElementNames::nameToCode(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kCount; ++k)
        if (names_[at(k)] == name) return kCodes[at(k)];
    return "?" + name;
}

std::string ElementNames::translate(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kCount; ++k)
        if (prior_[at(k)] == name) return names_[at(k)];
    return name;
}

}  // namespace quorix
