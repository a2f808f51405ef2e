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
    for (int k = 1; k <= kCount; ++k) names_[At(k)] = prior_[At(k)] = kCodes[At(k)];
}

const std::string& ElementNames::Name(int k) const {
    if (k >= 1 && k <= kCount) return names_[At(k)];
    if (k == 21) return kCodes[21];
    return kCodes[0];
}

const std::string& ElementNames::PriorName(int k) const {
    if (k >= 1 && k <= kCount) return prior_[At(k)];
    return kCodes[0];
}

void ElementNames::Rename(const List& names) {
    prior_ = names_;
    for (int k = 1; k <= kCount; ++k) names_[At(k)] = names[At(k)];
}

std::string ElementNames::NameToCode(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kCount; ++k)
        if (names_[At(k)] == name) return kCodes[At(k)];
    return "?" + name;
}

std::string ElementNames::Translate(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kCount; ++k)
        if (prior_[At(k)] == name) return names_[At(k)];
    return name;
}

}  // namespace quorix
