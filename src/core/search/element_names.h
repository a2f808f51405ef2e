#pragma once
// The element codes of the search and the names the user gives the elements.
// The codes never change: "1" for the identity (element 1), then "a" for
// element 2, "b" for 3, ..., "s" for 20 (and "t", one past the last, which
// only a fill over foreign text can write). The display names start as the
// codes; a renaming keeps the names before it, to translate what was typed.

#include <array>
#include <cstddef>
#include <string>

namespace quorix {

// The code of element k (1..21); "" for any other k.
const std::string& ElementCodeText(int k);

class ElementNames {
public:
    static constexpr int kCount = 20;
    using List = std::array<std::string, kCount + 1>;  // [k] for element k, [0] unused

    ElementNames();

    // Display name of element k (1..20); "t" for 21 and "" for other k.
    const std::string& Name(int k) const;
    const std::string& PriorName(int k) const;  // "" outside 1..20
    // The current names become the prior ones and names[k] the current.
    void Rename(const List& names);
    // Code of the first element (1..20) named exactly so; "?" + name if none.
    std::string NameToCode(const std::string& name) const;
    // The current name of the first element whose prior name is `name`.
    std::string Translate(const std::string& name) const;

private:
    static std::size_t At(int k) { return static_cast<std::size_t>(k); }
    List names_{}, prior_{};
};

}  // namespace quorix
