#include "core/presentation/presentation.h"

#include <cctype>
#include <optional>

#include "core/group/errors.h"

namespace quorix {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

Word Inverse(const Word& w) {
    Word out;
    out.reserve(w.size());
    for (auto it = w.rbegin(); it != w.rend(); ++it) out.push_back(InverseLetter(*it));
    return out;
}

// Appends a letter, cancelling it against the last one.
void Push(Word& w, int letter) {
    if (!w.empty() && w.back() == InverseLetter(letter))
        w.pop_back();
    else
        w.push_back(letter);
}

void Append(Word& w, const Word& v) {
    for (int letter : v) Push(w, letter);
}

void CyclicallyReduce(Word& w) {
    std::size_t lo = 0, hi = w.size();
    while (hi - lo >= 2 && w[lo] == InverseLetter(w[hi - 1])) {
        ++lo;
        --hi;
    }
    w = Word(w.begin() + static_cast<std::ptrdiff_t>(lo), w.begin() + static_cast<std::ptrdiff_t>(hi));
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Presentation Parse() {
        Presentation p;
        Expect('<', "a presentation starts with '<'");
        // Generators.
        for (;;) {
            const char c = Peek();
            if (!IsLetter(c)) Fail("expected a generator (a single letter)");
            if (p.generators.find(c) != std::string::npos)
                Fail(std::string("the generator '") + c + "' is named twice");
            p.generators += c;
            ++pos_;
            const char next = Peek();
            if (next == ',') {
                ++pos_;
                continue;
            }
            if (IsLetter(next)) Fail("generators are single letters, separated by commas");
            break;
        }
        generators_ = p.generators;
        if (Peek() == '|') {
            ++pos_;
            int relation = 0;
            if (Peek() != '>')
                for (;;) {
                    ++relation;
                    relation_ = relation;
                    ReadRelation(p.relators);
                    if (Peek() != ',') break;
                    ++pos_;
                }
        }
        Expect('>', "expected ',' between relations or '>' at the end");
        if (Peek() != '\0') Fail("nothing may follow the closing '>'");
        return p;
    }

private:
    // The next character that is not a blank ('\0' at the end); pos_ moves to it.
    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void Expect(char c, const char* what) {
        if (Peek() != c) Fail(what);
        ++pos_;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        std::string at = "the end";
        if (pos_ < text_.size()) {
            const unsigned char c = static_cast<unsigned char>(text_[pos_]);
            at = "character " + std::to_string(pos_ + 1) +
                 (c < 0x20 || c >= 0x7f ? " (a symbol that is not allowed: use letters, digits and ^ ( ) [ ] , = * |)"
                                        : " ('" + std::string(1, text_[pos_]) + "')");
        }
        throw InvalidArgument("The presentation has an error at " + at + ": " + what + ".");
    }

    void CheckLength(const Word& w) const {
        if (w.size() > kMaxRelatorLength)
            throw InvalidArgument("Relation " + std::to_string(relation_) + " of the presentation is longer than " +
                                  std::to_string(kMaxRelatorLength) + " letters once its exponents are expanded.");
    }

    void ReadRelation(std::vector<Word>& relators) {
        Word left = ReadWord();
        if (Peek() != '=') {
            CyclicallyReduce(left);
            if (!left.empty()) relators.push_back(std::move(left));
            return;
        }
        while (Peek() == '=') {
            ++pos_;
            Word right = ReadWord();
            Word r = left;
            Append(r, Inverse(right));
            CyclicallyReduce(r);
            if (!r.empty()) relators.push_back(std::move(r));
            left = std::move(right);
        }
    }

    Word ReadWord() {
        Word w;
        bool any = false;
        for (;;) {
            const char c = Peek();
            if (c == '*') {
                if (!any) Fail("expected a generator, '(' or '['");
                ++pos_;
                if (!StartsFactor(Peek())) Fail("expected a generator, '(' or '[' after '*'");
                continue;
            }
            if (!StartsFactor(c)) break;
            Append(w, ReadFactor());
            CheckLength(w);
            any = true;
        }
        if (!any) Fail("expected a generator, '(' or '['");
        return w;
    }

    bool StartsFactor(char c) const { return IsLetter(c) || c == '(' || c == '[' || c == '1'; }

    Word ReadFactor() {
        Word base;
        const char c = Peek();
        if (c == '(') {
            ++pos_;
            base = ReadWord();
            Expect(')', "expected ')'");
        } else if (c == '[') {
            ++pos_;
            base = ReadWord();
            if (Peek() != ',') Fail("a commutator [u,v] needs at least two words");
            while (Peek() == ',') {
                ++pos_;
                Word v = ReadWord();
                Word comm = Inverse(base);
                Append(comm, Inverse(v));
                Append(comm, base);
                Append(comm, v);
                base = std::move(comm);
                CheckLength(base);
            }
            Expect(']', "expected ']' or ',' in the commutator");
        } else if (c == '1') {
            ++pos_;
        } else {
            const std::size_t g = generators_.find(c);
            if (g == std::string::npos)
                throw InvalidArgument(
                    "Relation " + std::to_string(relation_) + " uses '" + std::string(1, c) + "' (character " +
                    std::to_string(pos_ + 1) +
                    "), which is not a generator of the presentation (generators: " + ListGenerators() + ").");
            ++pos_;
            base = {static_cast<int>(2 * g)};
        }
        ReadExponents(base);
        return base;
    }

    // "^n", "^-n" (any number of them, applied in turn) on a word.
    void ReadExponents(Word& base) {
        while (Peek() == '^') {
            ++pos_;
            bool negative = false;
            if (Peek() == '-') {
                negative = true;
                ++pos_;
            }
            const char d = Peek();
            if (d < '0' || d > '9') Fail("expected a whole number after '^'");
            long e = 0;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
                e = e * 10 + (text_[pos_] - '0');
                if (e > static_cast<long>(kMaxRelatorLength)) Fail("the exponent is too large");
                ++pos_;
            }
            const Word unit = negative ? Inverse(base) : base;
            if (!unit.empty() && static_cast<std::size_t>(e) * unit.size() > kMaxRelatorLength * 2)
                Fail("the power is too long");
            Word power;
            for (long i = 0; i < e; ++i) Append(power, unit);
            base = std::move(power);
            CheckLength(base);
        }
    }

    std::string ListGenerators() const {
        std::string out;
        for (char g : generators_) {
            if (!out.empty()) out += ", ";
            out += g;
        }
        return out;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string generators_;
    int relation_ = 0;
};

}  // namespace

bool IsPresentation(std::string_view text) {
    for (char c : text)
        if (!IsBlank(c)) return c == '<';
    return false;
}

std::string CompactPresentation(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!IsBlank(c)) out += c;
    return out;
}

Presentation ParsePresentation(std::string_view text) { return Parser(text).Parse(); }

std::string WordName(const Word& word, const std::string& generators) {
    if (word.empty()) return "1";
    std::string out;
    for (std::size_t i = 0; i < word.size();) {
        const int g = word[i] / 2;
        int e = 0;
        std::size_t j = i;
        while (j < word.size() && word[j] / 2 == g) {
            e += word[j] % 2 ? -1 : 1;
            ++j;
        }
        out += generators[static_cast<std::size_t>(g)];
        if (e != 1) out += "|" + std::to_string(e) + "|";
        i = j;
    }
    return out;
}

}  // namespace quorix
