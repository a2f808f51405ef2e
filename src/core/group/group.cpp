#include "core/group/group.h"

#include <algorithm>
#include <charconv>

#include "core/group/math_functions.h"
#include "core/text/text.h"
#include <cassert>

namespace quorix {

namespace {

[[noreturn]] void Refuse(const std::string& what) { throw InvalidArgument(what); }

std::string OrderRange() { return "1.." + std::to_string(kMaxGroupOrder); }

// A permutation of up to 15 points packed 4 bits a point, for hashing.
std::uint64_t PackPermutation(const std::string& s) {
    std::uint64_t key = s.size();
    for (char c : s) key = (key << 4) | static_cast<std::uint64_t>(MathFunctions::PermutationDigitValue(c) & 15);
    return key;
}

// The source index of each packed permutation: open addressing in a table
// at most half full (a packed key is never 0, the mark of a free slot).
class PackedIndex {
public:
    explicit PackedIndex(std::size_t n) {
        std::size_t capacity = 16;
        while (capacity < 2 * n + 2) capacity <<= 1;
        keys_.assign(capacity, 0);
        values_.assign(capacity, 0);
        mask_ = capacity - 1;
    }
    // Keeps the first index given for a key.
    void Insert(std::uint64_t key, int value) {
        const std::size_t slot = Slot(key);
        if (keys_[slot] != 0) return;
        keys_[slot] = key;
        values_[slot] = value;
    }
    int Find(std::uint64_t key) const { return values_[Slot(key)]; }  // 0 if none

private:
    std::size_t Slot(std::uint64_t key) const {
        std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 20) & mask_;
        while (keys_[slot] != 0 && keys_[slot] != key) slot = (slot + 1) & mask_;
        return slot;
    }
    std::vector<std::uint64_t> keys_;
    std::vector<int> values_;
    std::size_t mask_ = 0;
};

std::string Power(char letter, int p) { return std::string(1, letter) + "|" + std::to_string(p) + "|"; }

}  // namespace

// The source-index product table while a group is being built, rows of
// order + 1 entries (row and column 0 unused).
struct Group::BuildTable {
    explicit BuildTable(int n) : stride(n + 1) {
        if (n < 1 || n > kMaxGroupOrder) Refuse("a group needs " + OrderRange() + " elements");
        cells.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(stride), 0);
    }
    std::uint16_t& operator()(int a, int b) {
        return cells[static_cast<std::size_t>(a) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(b)];
    }
    int stride;
    std::vector<std::uint16_t> cells;
};

std::string TooLargeForTable(const std::string& what, long long order) {
    return what + " has " + (order > 0 ? std::to_string(order) + " elements, more than the " : "more than the ") +
           std::to_string(kMaxGroupOrder) + (order > 0 ? "" : " elements") +
           " a table holds: a larger group is a permutation group (S<d>, A<d> or perm:... with the verbs facts, "
           "orbits, contains, stabilizer and random)";
}

Group::Group() = default;

// ---------------------------------------------------------------- checks

void Group::RefuseIfGenerated() const {
    if (generated_) Refuse("Group cannot be generated twice");
}

void Group::RequireGenerated() const {
    if (!generated_) Refuse("group " + id_ + " is not generated");
}

void Group::RequireIndex(int i) const {
    RequireGenerated();
    if (i < 1 || i > order_) Refuse("index " + std::to_string(i) + " outside 1.." + std::to_string(order_));
}

// ---------------------------------------------------------------- members

int Group::Order() const {
    RequireGenerated();
    return order_;
}

std::string Group::SourceElement(int i) const {
    RequireIndex(i);
    return sourceName(i);
}

std::string Group::SourceElementInverse(int i) const {
    RequireIndex(i);
    return sourceName(srcInv(i));
}

int Group::SourceElementOrder(int i) const {
    RequireIndex(i);
    return srcOrder(i);
}

std::string Group::Element(int k) const {
    RequireIndex(k);
    return name(k);
}

std::string Group::MappedElement(int i) const {
    RequireIndex(i);
    return mappedName(i);
}

std::string Group::MappedSourceElement(int k) const {
    RequireIndex(k);
    return sourceName(sourceOf(k));
}

std::string Group::Product(int k1, int k2) const {
    RequireIndex(k1);
    RequireIndex(k2);
    return name(mul(k1, k2));
}

std::string Group::SourceProduct(int i1, int i2) const {
    RequireIndex(i1);
    RequireIndex(i2);
    return sourceName(srcMul(i1, i2));
}

int Group::NumberOfComponents() const {
    if (!generated_ && !naming_) Refuse("group " + id_ + " is not generated");
    if (method_ == GenerationMethod::DirectProduct) return first_->NumberOfComponents() + second_->NumberOfComponents();
    return 1;
}

std::vector<int> Group::AtomicSuborders() const {
    if (method_ != GenerationMethod::DirectProduct) return {order_};
    std::vector<int> out = first_->AtomicSuborders();
    std::vector<int> b = second_->AtomicSuborders();
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

int Group::Suborder(int k) const {
    if (!generated_ && !naming_) Refuse("group " + id_ + " is not generated");
    std::vector<int> orders = AtomicSuborders();
    if (orders.size() > 10) Refuse("more than 10 atomic factors");
    if (k < 1 || k > static_cast<int>(orders.size())) Refuse("Suborder " + std::to_string(k) + " out of range");
    return orders[static_cast<std::size_t>(k - 1)];
}

int Group::positionOfName(const std::string& n) const {
    BuildNameMaps();
    auto it = positionByName_.find(n);
    return it == positionByName_.end() ? -1 : it->second;
}

int Group::sourceIndexOfName(const std::string& n) const {
    BuildNameMaps();
    auto it = sourceIndexByName_.find(n);
    return it == sourceIndexByName_.end() ? -1 : it->second;
}

int Group::ElementIndex(const std::string& n) const {
    if (!generated_) return -1;
    return positionOfName(n);
}

int Group::ElementInverseIndex(int k) const {
    RequireIndex(k);
    return inv(k);
}

int Group::SourceElementIndex(const std::string& n) const {
    RequireGenerated();
    return sourceIndexOfName(n);
}

int Group::SourceElementInverseIndex(int i) const {
    RequireIndex(i);
    return srcInv(i);
}

// ---------------------------------------------------------------- properties

bool Group::Abelian() const {
    RequireGenerated();
    for (int i = 2; i <= order_; ++i)
        for (int j = 1; j < i; ++j)
            if (mul(i, j) != mul(j, i)) return false;
    return true;
}

bool Group::Cyclic() const {
    RequireGenerated();
    return order_ < 3 || name(order_) == Power('A', order_ - 1);
}

bool Group::Dihedral() const {
    RequireGenerated();
    if (order_ % 2 != 0 || order_ < 6) return false;
    const int h = order_ / 2;
    if (name(h) != Power('A', h - 1)) return false;
    if (name(h + 1) != "B") return false;
    if (name(order_) != Power('A', h - 1) + "B") return false;
    if (mul(h + 1, h + 1) != 1) return false;
    return mul(h + 1, 2) == mul(h, h + 1);
}

// ---------------------------------------------------------------- generation

template <class F>
void Group::Guarded(F&& build) {
    const std::string savedId = id_;
    try {
        build();
    } catch (...) {
        // A refused generation leaves the group as it was: empty.
        method_ = GenerationMethod::CayleyTable;
        order_ = modulus_ = degree_ = lettersUsed_ = 0;
        description_.clear();
        naming_ = false;
        sourceNames_.clear();
        mappedNames_.clear();
        sourceOf_.clear();
        positionOf_.clear();
        stride_ = 0;
        srcTable_.clear();
        posTable_.clear();
        srcInverse_.clear();
        posInverse_.clear();
        srcOrder_.clear();
        posOrder_.clear();
        sourceIndexByName_.clear();
        positionByName_.clear();
        nameMapsBuilt_.Reset();
        signaturesBuilt_.Reset();
        definitionsBuilt_.Reset();
        parent_.reset();
        normal_.reset();
        first_.reset();
        second_.reset();
        cosetLabels_.clear();
        parentSource_.clear();
        id_ = savedId;
        throw;
    }
}

void Group::GenerateSymmetric(int degree) {
    RefuseIfGenerated();
    if (degree < 1) Refuse("symmetric degree must be 1.." + std::to_string(kMaxTableDegree));
    if (degree > kMaxTableDegree)
        Refuse(TooLargeForTable("S" + std::to_string(degree), (degree <= 20 ? MathFunctions::Factorial(degree) : 0)));
    std::vector<std::string> names{""};
    names.push_back(MathFunctions::IdentityPermutation(degree));
    const auto n = MathFunctions::Factorial(degree);
    for (std::int64_t i = 2; i <= n; ++i) names.push_back(MathFunctions::ComputeNextPermutation(names.back()));
    Guarded([&] {
        method_ = GenerationMethod::Symmetric;
        degree_ = degree;
        id_ = "S|@" + std::to_string(degree) + "|";
        CompletePermutations(std::move(names));
    });
}

void Group::GenerateAlternating(int degree) {
    RefuseIfGenerated();
    if (degree < 1) Refuse("alternating degree must be 1.." + std::to_string(kMaxTableDegree));
    if (degree > kMaxTableDegree)
        Refuse(
            TooLargeForTable("A" + std::to_string(degree), (degree <= 20 ? MathFunctions::Factorial(degree) / 2 : 0)));
    std::vector<std::string> names{"", MathFunctions::IdentityPermutation(degree)};
    const auto n = MathFunctions::Factorial(degree);
    std::string p = names.back();
    for (std::int64_t i = 2; i <= n; ++i) {
        p = MathFunctions::ComputeNextPermutation(p);
        if (MathFunctions::PermutationSign(p) == 1) names.push_back(p);
    }
    Guarded([&] {
        method_ = GenerationMethod::Alternating;
        degree_ = degree;
        id_ = "A|@" + std::to_string(degree) + "|";
        CompletePermutations(std::move(names));
    });
}

void Group::GeneratePermutational(const std::vector<std::string>& permutations) {
    RefuseIfGenerated();
    if (permutations.size() > static_cast<std::size_t>(kMaxGroupOrder))
        Refuse("more than " + std::to_string(kMaxGroupOrder) + " permutations");
    if (permutations.empty()) Refuse("no permutations");
    const std::string& first = permutations[0];
    if (first.empty() || first.size() > 15 ||
        first != MathFunctions::IdentityPermutation(static_cast<int>(first.size())))
        Refuse("the first permutation must be the identity");
    std::vector<std::string> names{""};
    for (const std::string& p : permutations) {
        if (p.empty()) break;
        if (p.size() != first.size() || !MathFunctions::IsPermutationString(p))
            Refuse("'" + p + "' is not a permutation of degree " + std::to_string(first.size()));
        names.push_back(p);
    }
    Guarded([&] {
        method_ = GenerationMethod::Permutational;
        degree_ = static_cast<int>(first.size());
        CompletePermutations(std::move(names));
    });
}

void Group::CompletePermutations(std::vector<std::string> names) {
    const int n = static_cast<int>(names.size()) - 1;
    PackedIndex index(static_cast<std::size_t>(n));
    std::vector<std::array<std::uint8_t, 16>> perm(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const std::string& s = names[static_cast<std::size_t>(i)];
        index.Insert(PackPermutation(s), i);
        for (std::size_t c = 0; c < s.size(); ++c)
            perm[static_cast<std::size_t>(i)][c] =
                static_cast<std::uint8_t>(MathFunctions::PermutationDigitValue(s[c]));
    }
    const std::size_t d = names[1].size();
    BuildTable table(n);
    for (int a = 1; a <= n; ++a) {
        const auto& p = perm[static_cast<std::size_t>(a)];
        for (int b = 1; b <= n; ++b) {
            const auto& q = perm[static_cast<std::size_t>(b)];
            // p first, then q: r(i) = q(p(i)).
            std::uint64_t key = d;
            for (std::size_t i = 0; i < d; ++i) key = (key << 4) | q[static_cast<std::size_t>(p[i] - 1)];
            const int r = index.Find(key);
            if (r == 0)
                Refuse("the permutations are not closed under composition (" + names[static_cast<std::size_t>(a)] +
                       " . " + names[static_cast<std::size_t>(b)] + ")");
            table(a, b) = static_cast<std::uint16_t>(r);
        }
    }
    CompleteGeneration(std::move(names), std::move(table));
}

void Group::GenerateMultiplicative(int modulus) {
    RefuseIfGenerated();
    if (modulus < 2 || modulus > kMaxUnitsModulus || MathFunctions::EulerPhi(modulus) > kMaxGroupOrder)
        Refuse("no multiplicative group for modulus " + std::to_string(modulus));
    std::vector<std::string> names{""};
    std::vector<int> units{0}, indexOf(static_cast<std::size_t>(modulus) + 1, 0);
    for (int k = 1; k <= modulus; ++k)
        if (MathFunctions::RelativelyPrime(modulus, k)) {
            units.push_back(k);
            indexOf[static_cast<std::size_t>(k)] = static_cast<int>(units.size()) - 1;
            names.push_back(std::to_string(k));
        }
    const int n = static_cast<int>(units.size()) - 1;
    BuildTable table(n);
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b) {
            const std::int64_t r = static_cast<std::int64_t>(units[static_cast<std::size_t>(a)]) *
                                   units[static_cast<std::size_t>(b)] % modulus;
            table(a, b) = static_cast<std::uint16_t>(indexOf[static_cast<std::size_t>(r)]);
        }
    Guarded([&] {
        method_ = GenerationMethod::Multiplicative;
        modulus_ = modulus;
        id_ = "Z|@" + std::to_string(modulus) + "|^*|";
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::GenerateAdditive(int modulus) {
    RefuseIfGenerated();
    if (modulus < 1 || modulus > kMaxGroupOrder) Refuse("additive modulus must be " + OrderRange());
    std::vector<std::string> names{""};
    for (int i = 0; i < modulus; ++i) names.push_back(std::to_string(i));
    BuildTable table(modulus);
    for (int a = 1; a <= modulus; ++a)
        for (int b = 1; b <= modulus; ++b) table(a, b) = static_cast<std::uint16_t>((a + b - 2) % modulus + 1);
    Guarded([&] {
        method_ = GenerationMethod::Additive;
        modulus_ = modulus;
        id_ = "Z|@" + std::to_string(modulus) + "|";
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::GenerateSubgroup(const GroupPtr& parent, const ElementSet& members) {
    RefuseIfGenerated();
    if (!parent || !parent->generated_) Refuse("subgroup of an ungenerated group");
    if (!members.test(1)) Refuse("a subgroup must contain the identity");
    const Group& p = *parent;
    std::vector<std::string> names{""};
    std::vector<int> parentSource{0};
    std::vector<int> subIndex(static_cast<std::size_t>(p.order_) + 1, 0);  // parent source index -> subgroup index
    for (int k = 1; k <= p.order_; ++k)
        if (members.test(static_cast<std::size_t>(k))) {
            parentSource.push_back(p.sourceOf(k));
            names.push_back(p.sourceName(p.sourceOf(k)));
            subIndex[static_cast<std::size_t>(p.sourceOf(k))] = static_cast<int>(parentSource.size()) - 1;
        }
    const int n = static_cast<int>(parentSource.size()) - 1;
    BuildTable table(n);
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b) {
            int r = subIndex[static_cast<std::size_t>(
                p.srcMul(parentSource[static_cast<std::size_t>(a)], parentSource[static_cast<std::size_t>(b)]))];
            if (r == 0) Refuse("the chosen elements are not closed under the product");
            table(a, b) = static_cast<std::uint16_t>(r);
        }
    Guarded([&] {
        method_ = GenerationMethod::Subgroup;
        modulus_ = p.modulus_;
        degree_ = p.degree_;
        parent_ = parent;
        parentSource_ = std::move(parentSource);
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::GenerateQuotientGroup(const GroupPtr& g, const GroupPtr& nsub) {
    RefuseIfGenerated();
    if (!g || !nsub || !g->generated_ || !nsub->generated_) Refuse("quotient of an ungenerated group");
    const Group& G = *g;
    const Group& N = *nsub;
    if (G.order_ > kMaxGroupOrder) Refuse("quotient of a group above " + std::to_string(kMaxGroupOrder) + " elements");

    std::string nId = N.id_;
    if (nId.rfind("Subgroup", 0) == 0) {
        auto paren = nId.find('(');
        if (paren != std::string::npos) nId = nId.substr(0, paren);
    }

    std::vector<int> labels(static_cast<std::size_t>(G.order_) + 1, 0);
    for (int i = 1; i <= N.order_; ++i) {
        int si = G.sourceIndexOfName(N.sourceName(i));
        if (si < 1) Refuse("the normal subgroup is not made of elements of the group");
        labels[static_cast<std::size_t>(G.positionOf(si))] = 1;
    }
    if (labels[1] != 1) Refuse("the normal subgroup does not contain the identity");
    const std::string prefix = "|%b|N|/b|";
    std::vector<std::string> names{"", prefix};
    std::vector<int> reps{0, 1};
    int count = 1;
    for (int p = 2; p <= G.order_; ++p) {
        if (labels[static_cast<std::size_t>(p)] != 0) continue;
        ++count;
        names.push_back(prefix + G.name(p));
        reps.push_back(p);
        for (int q = 1; q <= G.order_; ++q)
            if (labels[static_cast<std::size_t>(q)] == 1) labels[static_cast<std::size_t>(G.mul(q, p))] = count;
    }
    assert(count * N.order_ == G.order_);  // N is normal in G

    BuildTable table(count);
    for (int a = 1; a <= count; ++a)
        for (int b = 1; b <= count; ++b)
            table(a, b) = static_cast<std::uint16_t>(labels[static_cast<std::size_t>(
                G.mul(reps[static_cast<std::size_t>(a)], reps[static_cast<std::size_t>(b)]))]);

    Guarded([&] {
        method_ = GenerationMethod::Quotient;
        modulus_ = G.modulus_;
        degree_ = G.degree_;
        parent_ = g;
        normal_ = nsub;
        cosetLabels_ = labels;
        id_ = G.id_ + "/" + nId;
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::GenerateDirectProduct(const GroupPtr& first, const GroupPtr& second) {
    RefuseIfGenerated();
    if (!first || !second || !first->generated_ || !second->generated_)
        Refuse("direct product of an ungenerated group");
    const Group& A = *first;
    const Group& B = *second;
    if (A.order_ * B.order_ > kMaxGroupOrder)
        Refuse("Direct Product Group Order cannot exceed " + std::to_string(kMaxGroupOrder));
    const int nb = B.order_;
    std::vector<std::string> names{""};
    for (int a = 1; a <= A.order_; ++a)
        for (int b = 1; b <= nb; ++b) names.push_back(A.sourceName(a) + "," + B.sourceName(b));
    const int n = A.order_ * nb;
    BuildTable table(n);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            int a = A.srcMul((x - 1) / nb + 1, (y - 1) / nb + 1);
            int b = B.srcMul((x - 1) % nb + 1, (y - 1) % nb + 1);
            table(x, y) = static_cast<std::uint16_t>((a - 1) * nb + b);
        }
    Guarded([&] {
        method_ = GenerationMethod::DirectProduct;
        first_ = first;
        second_ = second;
        id_ = A.id_ + "x" + B.id_;
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::Generate(const CayleyTable& t) {
    RefuseIfGenerated();
    std::vector<std::string> names{""};
    if (!t.empty())
        for (std::size_t c = 0; c < t[0].size() && c < static_cast<std::size_t>(kMaxTableOrder); ++c) {
            if (t[0][c].empty()) break;
            names.push_back(t[0][c]);
        }
    const int n = static_cast<int>(names.size()) - 1;
    if (n < 1) Refuse("the table's first row is empty");
    // Tables from the search name their elements with single characters: a
    // character look-up is much cheaper than hashing every cell.
    const bool singleChars =
        std::all_of(names.begin() + 1, names.end(), [](const std::string& s) { return s.size() == 1; });
    std::array<int, 256> byChar{};
    std::unordered_map<std::string, int> index;
    for (int i = 1; i <= n; ++i) {
        const std::string& nm = names[static_cast<std::size_t>(i)];
        if (!index.emplace(nm, i).second) Refuse("the table's first row repeats a name");
        if (singleChars) byChar[static_cast<unsigned char>(nm[0])] = i;
    }
    auto lookup = [&](const std::string& cellName) {
        if (singleChars) return cellName.size() == 1 ? byChar[static_cast<unsigned char>(cellName[0])] : 0;
        auto it = index.find(cellName);
        return it == index.end() ? 0 : it->second;
    };
    if (static_cast<int>(t.size()) < n) Refuse("the table has fewer rows than elements");
    BuildTable table(n);
    for (int a = 1; a <= n; ++a) {
        const auto& row = t[static_cast<std::size_t>(a - 1)];
        if (static_cast<int>(row.size()) < n) Refuse("row " + std::to_string(a) + " of the table is short");
        for (int b = 1; b <= n; ++b) {
            const int v = lookup(row[static_cast<std::size_t>(b - 1)]);
            if (v == 0)
                Refuse("cell (" + std::to_string(a) + ", " + std::to_string(b) +
                       ") is not an element of the first row");
            table(a, b) = static_cast<std::uint16_t>(v);
        }
    }
    Guarded([&] {
        method_ = GenerationMethod::CayleyTable;
        CompleteGeneration(std::move(names), std::move(table));
    });
}

void Group::GenerateDescribed(const std::string& id, const std::string& description,
                              const std::vector<std::string>& names, const std::vector<int>& products) {
    GenerateDescribedFrom(id, description, names, products);
}

void Group::GenerateDescribed(const std::string& id, const std::string& description,
                              const std::vector<std::string>& names, const std::vector<std::uint16_t>& products) {
    GenerateDescribedFrom(id, description, names, products);
}

template <class Entry>
void Group::GenerateDescribedFrom(const std::string& id, const std::string& description,
                                  const std::vector<std::string>& names, const std::vector<Entry>& products) {
    RefuseIfGenerated();
    const int n = static_cast<int>(names.size());
    if (n < 1 || n > kMaxGroupOrder) Refuse("a group needs " + OrderRange() + " elements");
    if (products.size() != static_cast<std::size_t>(n) * static_cast<std::size_t>(n))
        Refuse("the product table does not fit the names");
    std::vector<std::string> sourceNames{""};
    sourceNames.insert(sourceNames.end(), names.begin(), names.end());
    BuildTable table(n);
    for (int a = 0; a < n; ++a) {
        std::vector<bool> seen(static_cast<std::size_t>(n), false);
        for (int b = 0; b < n; ++b) {
            const int v = static_cast<int>(
                products[static_cast<std::size_t>(a) * static_cast<std::size_t>(n) + static_cast<std::size_t>(b)]);
            if (v < 0 || v >= n || seen[static_cast<std::size_t>(v)])
                Refuse("the product table of " + description + " is not a group table");
            seen[static_cast<std::size_t>(v)] = true;
            table(a + 1, b + 1) = static_cast<std::uint16_t>(v + 1);
        }
    }
    Guarded([&] {
        method_ = GenerationMethod::Described;
        description_ = description;
        id_ = id;
        CompleteGeneration(std::move(sourceNames), std::move(table));
    });
}

// ---------------------------------------------------------------- completion

void Group::CompleteGeneration(std::vector<std::string> names, BuildTable table) {
    const int n = static_cast<int>(names.size()) - 1;
    // Nothing below may leave the object half-built: work on locals and
    // commit at the end.
    if (n < 1 || n > kMaxGroupOrder) Refuse("a group needs " + OrderRange() + " elements");
    if (table.stride != n + 1) throw ProgramError("Group::CompleteGeneration");

    // The first element must be the identity of the table.
    for (int x = 1; x <= n; ++x)
        if (table(1, x) != x || table(x, 1) != x) Refuse("the first element is not the identity");

    std::vector<int> srcOrder(static_cast<std::size_t>(n) + 1, 0);
    for (int x = 1; x <= n; ++x) {
        int y = x, p = 1;
        while (y != 1) {
            y = table(y, x);
            if (++p > n)
                Refuse("the product table is not a group (element " + names[static_cast<std::size_t>(x)] +
                       " has no finite order)");
        }
        srcOrder[static_cast<std::size_t>(x)] = p;
    }

    order_ = n;
    sourceNames_ = std::move(names);
    stride_ = table.stride;
    srcTable_ = std::move(table.cells);
    srcOrder_ = std::move(srcOrder);

    if (!AssignReductiveNames()) Refuse("program error--aborting");
    if (method_ == GenerationMethod::DirectProduct) {
        naming_ = true;
        if (lettersUsed_ >= NumberOfComponents()) AssignFactorNames();
        naming_ = false;
    }
    BuildPositionTables();
    generated_ = true;
}

void Group::NameElement(int sourceIndex, std::string nm, int& count) {
    mappedNames_[static_cast<std::size_t>(sourceIndex)] = std::move(nm);
    ++count;
    sourceOf_[static_cast<std::size_t>(count)] = sourceIndex;
}

void Group::NameLetterProducts(int start, int& count) {
    auto src = [&](int k) { return sourceOf_[static_cast<std::size_t>(k)]; };
    for (int i = start; i <= count; ++i)
        for (int j = 2; j < start; ++j) {
            int prod = srcMul(src(j), src(i));
            if (mappedNames_[static_cast<std::size_t>(prod)].empty())
                NameElement(
                    prod,
                    mappedNames_[static_cast<std::size_t>(src(j))] + mappedNames_[static_cast<std::size_t>(src(i))],
                    count);
        }
    for (int i = start; i <= count; ++i)
        for (int j = 2; j < start; ++j) {
            int prod = srcMul(src(i), src(j));
            if (mappedNames_[static_cast<std::size_t>(prod)].empty())
                NameElement(
                    prod,
                    mappedNames_[static_cast<std::size_t>(src(i))] + mappedNames_[static_cast<std::size_t>(src(j))],
                    count);
        }
}

bool Group::AssignReductiveNames() {
    const int n = order_;
    mappedNames_.assign(static_cast<std::size_t>(n) + 1, std::string());
    mappedNames_[1] = "1";
    sourceOf_.assign(static_cast<std::size_t>(n) + 1, 0);
    sourceOf_[1] = 1;
    int count = 1;
    int letterCode = 65;
    while (count < n) {
        const char letter = static_cast<char>(letterCode);
        int best = 0;
        for (int i = 2; i <= n; ++i)
            if (mappedNames_[static_cast<std::size_t>(i)].empty() &&
                (best == 0 || srcOrder_[static_cast<std::size_t>(i)] > srcOrder_[static_cast<std::size_t>(best)]))
                best = i;
        NameElement(best, std::string(1, letter), count);
        const int start = count;
        if (letterCode > 65 && count < n) NameLetterProducts(start, count);
        int y = best;
        for (int p = 2;; ++p) {
            y = srcMul(y, best);
            if (y == 1) break;
            if (mappedNames_[static_cast<std::size_t>(y)].empty()) {
                NameElement(y, Power(letter, p), count);
                if (letterCode > 65 && count < n) NameLetterProducts(start, count);
            }
        }
        ++letterCode;
        // Each letter at least doubles what is named, so 22 letters name the
        // generators of any group of at most kMaxGroupOrder (5,040) elements.
        assert(letterCode <= 86);
        if (letterCode > 86) return false;
    }
    lettersUsed_ = letterCode - 65;
    return true;
}

void Group::AssignFactorNames() {
    for (char c : id_)
        if (!(c == 'Z' || c == '|' || c == '@' || c == 'x' || (c >= '0' && c <= '9'))) return;
    const int n = order_;
    std::vector<std::vector<int>> components(static_cast<std::size_t>(n) + 1);
    std::vector<std::string> keys;
    for (int i = 1; i <= n; ++i) {
        const std::string& s = sourceNames_[static_cast<std::size_t>(i)];
        std::vector<int>& comp = components[static_cast<std::size_t>(i)];
        std::size_t start = 0;
        while (true) {
            std::size_t comma = s.find(',', start);
            const std::optional<int> v = text::ParseInteger(
                std::string_view(s).substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (!v || *v > 9999) return;  // not residues: keep the general names
            comp.push_back(*v);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        // Fixed-width numbers sort as they compare.
        char buf[16];
        std::string key;
        for (auto it = comp.rbegin(); it != comp.rend(); ++it) {
            std::snprintf(buf, sizeof buf, "%04d", *it);
            key += buf;
        }
        std::snprintf(buf, sizeof buf, "%04d", i);
        keys.push_back(key + buf);
    }
    MathFunctions::SortStrings(keys);
    for (int k = 1; k <= n; ++k) {
        const std::string& key = keys[static_cast<std::size_t>(k - 1)];
        const int i = text::ParseInteger(std::string_view(key).substr(key.size() - 4)).value_or(0);
        std::string nm;
        const auto& comp = components[static_cast<std::size_t>(i)];
        for (std::size_t f = 0; f < comp.size(); ++f) {
            int e = comp[f];
            if (e == 0) continue;
            nm += static_cast<char>(65 + f);
            if (e != 1) nm += "|" + std::to_string(e) + "|";
        }
        mappedNames_[static_cast<std::size_t>(i)] = nm.empty() ? "1" : nm;
        sourceOf_[static_cast<std::size_t>(k)] = i;
    }
}

void Group::BuildPositionTables() {
    const int n = order_;
    positionOf_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k) positionOf_[static_cast<std::size_t>(sourceOf_[static_cast<std::size_t>(k)])] = k;
    posTable_.assign(srcTable_.size(), 0);
    srcInverse_.assign(static_cast<std::size_t>(n) + 1, 0);
    posInverse_.assign(static_cast<std::size_t>(n) + 1, 0);
    posOrder_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            int p = srcMul(i, j);
            if (p == 1 && srcInverse_[static_cast<std::size_t>(j)] == 0) srcInverse_[static_cast<std::size_t>(j)] = i;
        }
    for (int k1 = 1; k1 <= n; ++k1) {
        const int i1 = sourceOf_[static_cast<std::size_t>(k1)];
        posOrder_[static_cast<std::size_t>(k1)] = srcOrder_[static_cast<std::size_t>(i1)];
        posInverse_[static_cast<std::size_t>(k1)] =
            positionOf_[static_cast<std::size_t>(srcInverse_[static_cast<std::size_t>(i1)])];
        for (int k2 = 1; k2 <= n; ++k2)
            posTable_[static_cast<std::size_t>(k1) * static_cast<std::size_t>(stride_) + static_cast<std::size_t>(k2)] =
                static_cast<std::uint16_t>(
                    positionOf_[static_cast<std::size_t>(srcMul(i1, sourceOf_[static_cast<std::size_t>(k2)]))]);
    }
}

void Group::BuildNameMaps() const {
    // Built on the first look-up by name: most groups made by the search are
    // only classified and never asked for a name.
    if (order_ == 0) return;
    nameMapsBuilt_([this] {
        const int n = order_;
        sourceIndexByName_.reserve(static_cast<std::size_t>(n) * 2);
        positionByName_.reserve(static_cast<std::size_t>(n) * 2);
        for (int i = 1; i <= n; ++i) sourceIndexByName_.emplace(sourceNames_[static_cast<std::size_t>(i)], i);
        for (int k = 1; k <= n; ++k) positionByName_.emplace(name(k), k);
    });
}

// ---------------------------------------------------------------- ordered pairs

std::pair<std::string, std::string> Group::SplitOrderedPair(const std::string& s) const {
    const int c = first_ ? first_->NumberOfComponents() : 1;
    int seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == ',' && ++seen == c) return {s.substr(0, i), s.substr(i + 1)};
    throw InvalidArgument("'" + s + "' is not an element of the direct product " + id_);
}

}  // namespace quorix
