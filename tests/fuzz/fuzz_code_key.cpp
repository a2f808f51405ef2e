// The manual-entry keyboard rules on arbitrary keys and orders: a key passes
// only as one of the first n element codes, and the typed order is 1..20.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/group/table_order.h"
#include "gui/search/grid_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorix::gui::grid;
    if (size == 0) return 0;
    const int n = data[0] % 22 - 1;  // -1..20
    for (std::size_t i = 1; i < size; ++i) {
        const auto code = FilterCodeKey(static_cast<char>(data[i]), n);
        if (!code) continue;
        const int index = *code == '1' ? 1 : *code - 'a' + 2;
        if (*code != '1' && (*code < 'a' || *code > 's')) std::abort();
        if (index > n) std::abort();
    }
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (const auto order = quorix::ParseTableOrder(text); order && (*order < 1 || *order > 20)) std::abort();
    if (n >= 2) {
        const int next = NextCellIndex(CellIndex(2, 2), n);
        if (next < 0 || next >= kGridSize * kGridSize) std::abort();
    }
    return 0;
}
