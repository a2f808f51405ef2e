#include "core/counting/burnside.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "core/group/errors.h"

namespace quorix::counting {

namespace {

BurnsideRow RowOf(const EnumeratedGroup& group, const ConjugacyClass& c) {
    BurnsideRow row;
    row.classSize = c.members.size();
    row.representative = c.representative();
    row.cycleType = CycleTypeOf(group.element(row.representative));
    row.cycles = CycleCount(row.cycleType);
    return row;
}

void Total(BurnsideTable& table) {
    for (const BurnsideRow& row : table.rows) table.total += row.fixed * static_cast<unsigned long>(row.classSize);
    if (!mpz_divisible_ui_p(table.total.get_mpz_t(), static_cast<unsigned long>(table.groupOrder)))
        throw ProgramError("CountColourings: the Burnside sum is not a multiple of the group order");
    table.count = table.total / static_cast<unsigned long>(table.groupOrder);
}

// Colourings constant on every cycle with numbers[i] points of colour i:
// colour by colour, choose how many cycles of each length it takes.
class FixedWithNumbers {
public:
    FixedWithNumbers(const CycleType& type, const std::vector<int>& numbers) : numbers_(numbers) {
        for (std::size_t l = 0; l < type.size(); ++l)
            if (type[l] > 0) {
                lengths_.push_back(static_cast<int>(l + 1));
                remaining_.push_back(type[l]);
            }
    }
    mpz_class Count() { return Colour(0, remaining_); }

private:
    mpz_class Colour(std::size_t colour, const std::vector<int>& remaining) {
        if (colour + 1 == numbers_.size()) {
            long points = 0;
            for (std::size_t i = 0; i < remaining.size(); ++i) points += static_cast<long>(remaining[i]) * lengths_[i];
            return points == numbers_[colour] ? 1 : 0;
        }
        auto key = std::make_pair(colour, remaining);
        if (auto it = memo_.find(key); it != memo_.end()) return it->second;
        mpz_class ways = 0;
        std::vector<int> left = remaining;
        Choose(colour, 0, numbers_[colour], mpz_class(1), left, ways);
        memo_.emplace(std::move(key), ways);
        return ways;
    }
    // Takes cycles of lengths_[i..] summing to `points` for this colour.
    void Choose(std::size_t colour, std::size_t i, int points, const mpz_class& factor, std::vector<int>& left,
                mpz_class& ways) {
        if (points == 0) {
            ways += factor * Colour(colour + 1, left);
            return;
        }
        if (i == lengths_.size()) return;
        const int available = left[i];
        mpz_class binomial = 1;
        for (int b = 0; b <= available && b * lengths_[i] <= points; ++b) {
            if (b > 0) {
                binomial *= available - b + 1;
                binomial /= b;
            }
            left[i] = available - b;
            Choose(colour, i + 1, points - b * lengths_[i], factor * binomial, left, ways);
        }
        left[i] = available;
    }

    const std::vector<int>& numbers_;
    std::vector<int> lengths_, remaining_;
    std::map<std::pair<std::size_t, std::vector<int>>, mpz_class> memo_;
};

}  // namespace

BurnsideTable CountColourings(const EnumeratedGroup& group, int colours) {
    if (colours < 1) throw InvalidArgument("the number of colours must be at least 1");
    BurnsideTable table;
    table.groupOrder = group.order();
    for (const ConjugacyClass& c : group.conjugacyClasses()) {
        BurnsideRow row = RowOf(group, c);
        mpz_ui_pow_ui(row.fixed.get_mpz_t(), static_cast<unsigned long>(colours),
                      static_cast<unsigned long>(row.cycles));
        table.rows.push_back(std::move(row));
    }
    Total(table);
    return table;
}

BurnsideTable CountColouringsWithNumbers(const EnumeratedGroup& group, const std::vector<int>& numbers) {
    if (numbers.empty()) throw InvalidArgument("the numbers of each colour are missing");
    long sum = 0;
    for (int a : numbers) {
        if (a < 0) throw InvalidArgument("a number of points of one colour cannot be negative");
        sum += a;
    }
    if (sum != group.degree())
        throw InvalidArgument("the numbers of each colour add up to " + std::to_string(sum) + ", not to the " +
                              std::to_string(group.degree()) + " points");
    BurnsideTable table;
    table.groupOrder = group.order();
    for (const ConjugacyClass& c : group.conjugacyClasses()) {
        BurnsideRow row = RowOf(group, c);
        row.fixed = FixedWithNumbers(row.cycleType, numbers).Count();
        table.rows.push_back(std::move(row));
    }
    Total(table);
    return table;
}

std::vector<CycleIndexTerm> CycleIndex(const EnumeratedGroup& group) {
    std::map<CycleType, std::size_t> counts;
    for (const ConjugacyClass& c : group.conjugacyClasses())
        counts[CycleTypeOf(group.element(c.representative()))] += c.members.size();
    std::vector<CycleIndexTerm> terms;
    for (const auto& [type, elements] : counts) {
        CycleIndexTerm t;
        t.coefficient = mpq_class(static_cast<unsigned long>(elements), static_cast<unsigned long>(group.order()));
        t.coefficient.canonicalize();
        t.cycleType = type;
        t.elements = elements;
        terms.push_back(std::move(t));
    }
    std::sort(terms.begin(), terms.end(), [](const CycleIndexTerm& a, const CycleIndexTerm& b) {
        const int ca = CycleCount(a.cycleType), cb = CycleCount(b.cycleType);
        if (ca != cb) return ca > cb;
        return a.cycleType > b.cycleType;
    });
    return terms;
}

std::string MonomialText(const CycleType& type) {
    std::string text;
    for (std::size_t l = 0; l < type.size(); ++l) {
        if (type[l] == 0) continue;
        if (!text.empty()) text += ' ';
        text += "x" + std::to_string(l + 1);
        if (type[l] > 1) text += "^" + std::to_string(type[l]);
    }
    return text.empty() ? "1" : text;
}

std::string CycleIndexText(const std::vector<CycleIndexTerm>& terms, std::size_t groupOrder) {
    std::string sum;
    for (const CycleIndexTerm& t : terms) {
        if (!sum.empty()) sum += " + ";
        if (t.elements > 1) sum += std::to_string(t.elements) + " ";
        sum += MonomialText(t.cycleType);
    }
    return groupOrder == 1 ? sum : "(1/" + std::to_string(groupOrder) + ")(" + sum + ")";
}

}  // namespace quorix::counting

namespace quorix::counting {

std::string BurnsideSumText(const BurnsideTable& table) {
    std::string sum;
    for (const BurnsideRow& row : table.rows) {
        if (!sum.empty()) sum += " + ";
        if (row.classSize > 1) sum += std::to_string(row.classSize) + "·";
        sum += row.fixed.get_str();
    }
    const std::string order = std::to_string(table.groupOrder);
    return "(" + sum + ")/" + order + " = " + table.total.get_str() + "/" + order + " = " + table.count.get_str();
}

}  // namespace quorix::counting
