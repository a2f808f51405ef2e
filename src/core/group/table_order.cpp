#include "core/group/table_order.h"

#include "core/group/group.h"
#include "core/text/text.h"

namespace quorix {

std::optional<int> ParseTableOrder(std::string_view text) {
    const std::optional<int> order = text::ParseDigits(text::TrimSpace(text));
    if (!order || *order < 1 || *order > kMaxTableOrder) return std::nullopt;
    return order;
}

}  // namespace quorix
