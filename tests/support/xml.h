#pragma once
// Enough of an XML check to tell a browser's parser would take a picture:
// start and end tags nest, attributes are quoted, and text holds no bare '&'.

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace quorix::testing {

inline bool wellFormedXml(const std::string& xml) {
    std::vector<std::string> open;
    for (std::size_t i = xml.find('<'); i != std::string::npos; i = xml.find('<', i + 1)) {
        const std::size_t end = xml.find('>', i);
        if (end == std::string::npos) return false;
        const std::string tag = xml.substr(i + 1, end - i - 1);
        if (tag.empty() || tag[0] == '?') continue;
        if (std::count(tag.begin(), tag.end(), '"') % 2 != 0) return false;
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return false;
            open.pop_back();
        } else if (tag.back() != '/') {
            open.push_back(tag.substr(0, tag.find_first_of(" \n")));
        }
    }
    const std::string text = std::regex_replace(xml, std::regex("<[^>]*>"), "");
    return open.empty() && !std::regex_search(text, std::regex("&(?!amp;|lt;|gt;|quot;)"));
}

}  // namespace quorix::testing
