// The markup tokenizer and its plain renderings on arbitrary text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text/markup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorix::markup;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Token& token : Tokenize(text)) {
        if (token.kind == TokenKind::Text && token.text.empty()) std::abort();
    }
    if (SplitSegments(text).empty()) std::abort();
    if (StripMarkup(text).find('|') != std::string::npos) std::abort();
    (void)PlainText(text);
    // The first bytes, up to a blank, serve as the break text.
    const std::size_t cut = text.find(' ');
    const std::string_view breakText = text.substr(0, cut == std::string_view::npos ? 0 : cut);
    const std::string broken = InsertBreakPoints(text, breakText);
    if (SplitSegments(broken).size() % 2 != SplitSegments(text).size() % 2) std::abort();
    return 0;
}
