#pragma once
// A finite group of at most kMaxGroupOrder elements, built once by one of its Generate
// methods and read-only afterwards (apart from its ID).
//
// Two index spaces:
//  - source index i (1-based): the order in which the generation method
//    produced the element; SourceElement(i) is its original name.
//  - reductive position k (1-based): the order in which the reductive mapping
//    named the element; Element(k) is its reductive-mapping name ("1", "A",
//    "A|2|", "AB", ... in markup).
// Index 1 is the identity in both spaces.
//
// At generation the whole product table is computed once as integers; every
// member answers from integer tables. Names are only for display.
//
// The PascalCase members are the group's public protocol and refuse invalid
// arguments with InvalidArgument. The lower-case accessors are unchecked
// table look-ups for the engines' inner loops (callers pass valid indices of a
// generated group).

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/group/element_set.h"
#include "core/group/errors.h"

namespace quorix {

class Group;
using GroupPtr = std::shared_ptr<Group>;

// The largest group held as a product table (a 5,040 x 5,040 table of 16-bit
// entries is about 51 MB); larger groups are permutation groups (core/perm).
inline constexpr int kMaxGroupOrder = 5040;
inline constexpr int kMaxTableOrder = 20;
// The largest degree of a symmetric or alternating group held as a table
// (7! = 5,040).
inline constexpr int kMaxTableDegree = 7;
// The largest modulus of a group of units (U<n>, the multiplicative panel).
inline constexpr int kMaxUnitsModulus = 100000;

// The one text that refuses a group above kMaxGroupOrder elements: what was
// asked for, its order (0 when it is not known), the limit, and where such a
// group is handled instead.
std::string TooLargeForTable(const std::string& what, long long order = 0);

// How a group was built (MethodOfGeneration); the numbers are those of
// the register file.
enum class GenerationMethod : int {
    CayleyTable = 0,
    Symmetric = 1,
    Additive = 2,
    Multiplicative = 3,
    Alternating = 4,
    Permutational = 5,
    Subgroup = 6,
    Quotient = 7,
    DirectProduct = 8,
    // A group built from its description (dihedral, dicyclic, matrix groups,
    // presentations): the register stores the description and rebuilds it.
    Described = 9,
};

// A Cayley table of names, 0-based: table[a][b] is the name of the product of
// the (a+1)-th and (b+1)-th elements; row 0 (the identity's row) lists them.
using CayleyTable = std::vector<std::vector<std::string>>;

class Group {
public:
    Group();
    static GroupPtr Create() { return std::make_shared<Group>(); }

    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

    // ---- identity and header ------------------------------------------
    const std::string& GroupID() const { return id_; }
    void SetGroupID(const std::string& id) { id_ = id; }
    GenerationMethod MethodOfGeneration() const { return method_; }
    int Order() const;
    int Modulus() const { return modulus_; }
    int Degree() const { return degree_; }
    bool IsGenerated() const { return generated_; }
    // The description a Described group was built from ("D4", "GL(2,3)",
    // "<a,b|a^2,b^3,(ab)^5>"); empty for every other method.
    const std::string& Description() const { return description_; }

    // ---- element names and lookups (checked) ----------------------------
    std::string SourceElement(int i) const;
    std::string SourceElementInverse(int i) const;
    int SourceElementOrder(int i) const;
    std::string Element(int k) const;
    std::string MappedElement(int i) const;
    std::string MappedSourceElement(int k) const;
    std::string Product(int k1, int k2) const;
    std::string SourceProduct(int i1, int i2) const;
    int NumberOfComponents() const;
    int Suborder(int k) const;
    int ElementIndex(const std::string& name) const;  // -1 if none
    int ElementInverseIndex(int k) const;
    int SourceElementIndex(const std::string& name) const;  // -1 if none
    int SourceElementInverseIndex(int i) const;

    // ---- isomorphism (orders up to 20) ----------------------------------
    // Neither writes anything: two threads may test the same groups at once.
    using PositionMapping = std::array<int, kMaxTableOrder + 2>;
    // The first isomorphism onto `other` in the enumeration order (the
    // lexicographically smallest image list over reductive positions): slot
    // k (1..Order) = the other group's reductive position of the image of
    // this group's position k, slot 0 unused; none when there is no
    // isomorphism (or the orders differ).
    std::optional<PositionMapping> Isomorphism(const Group& other) const;
    bool IsIsomorphic(const Group& other) const;
    // That isomorphism by source indices: slot j (1..Order) = the source
    // index of this group that it sends to the other group's source index j;
    // empty when there is no isomorphism.
    std::vector<int> IsomorphismSourceMapping(const Group& other) const;
    // One slot of it; 0 when there is no isomorphism.
    int IsomorphismMapping(const Group& other, int j) const;

    // ---- generation (each may run once) ---------------------------------
    void GenerateSymmetric(int degree);
    void GenerateAlternating(int degree);
    void GeneratePermutational(const std::vector<std::string>& permutations);
    void GenerateMultiplicative(int modulus);
    void GenerateAdditive(int modulus);
    // members: the parent's reductive positions that belong to the subgroup.
    void GenerateSubgroup(const GroupPtr& parent, const ElementSet& members);
    void GenerateQuotientGroup(const GroupPtr& g, const GroupPtr& n);
    void GenerateDirectProduct(const GroupPtr& first, const GroupPtr& second);
    void Generate(const CayleyTable& table);
    // A group of up to kMaxGroupOrder elements from its multiplication table:
    // names[0] is the identity, products[a * n + b] the 0-based index of the
    // product of elements a and b. Refuses a table that is not a group
    // with the identity first, or more than kMaxGroupOrder elements.
    void GenerateDescribed(const std::string& id, const std::string& description, const std::vector<std::string>& names,
                           const std::vector<int>& products);
    // The same from 16-bit entries: half the memory for a large table.
    void GenerateDescribed(const std::string& id, const std::string& description, const std::vector<std::string>& names,
                           const std::vector<std::uint16_t>& products);

    // ---- properties -----------------------------------------------------
    bool Abelian() const;
    bool Cyclic() const;
    bool Dihedral() const;

    // ---- derived-group references ---------------------------------------
    const GroupPtr& Parent() const { return parent_; }          // subgroup: parent; quotient: G
    const GroupPtr& NormalSubgroup() const { return normal_; }  // quotient: N
    const GroupPtr& FirstFactor() const { return first_; }
    const GroupPtr& SecondFactor() const { return second_; }
    // Quotient only: for each reductive position p of G (1..|G|), the source
    // index of the coset that contains it. Slot 0 unused.
    const std::vector<int>& CosetLabels() const { return cosetLabels_; }
    // Subgroup only: for each source index i, the parent's source index.
    const std::vector<int>& ParentSourceIndex() const { return parentSource_; }

    // Splits a direct product's source name at the comma that ends the first
    // factor's part. Throws InvalidArgument, naming the text, when it is no
    // element of this product.
    std::pair<std::string, std::string> SplitOrderedPair(const std::string& s) const;

    // ---- unchecked fast accessors (valid indices of a generated group) ----
    int order() const { return order_; }
    // Reductive positions.
    int mul(int k1, int k2) const { return posTable_[static_cast<std::size_t>(k1 * stride_ + k2)]; }
    int inv(int k) const { return posInverse_[static_cast<std::size_t>(k)]; }
    int elementOrder(int k) const { return posOrder_[static_cast<std::size_t>(k)]; }
    const std::string& name(int k) const {
        return mappedNames_[static_cast<std::size_t>(sourceOf_[static_cast<std::size_t>(k)])];
    }
    // Source indices.
    int srcMul(int i1, int i2) const { return srcTable_[static_cast<std::size_t>(i1 * stride_ + i2)]; }
    int srcInv(int i) const { return srcInverse_[static_cast<std::size_t>(i)]; }
    int srcOrder(int i) const { return srcOrder_[static_cast<std::size_t>(i)]; }
    const std::string& sourceName(int i) const { return sourceNames_[static_cast<std::size_t>(i)]; }
    const std::string& mappedName(int i) const { return mappedNames_[static_cast<std::size_t>(i)]; }
    // Between the spaces.
    int sourceOf(int k) const { return sourceOf_[static_cast<std::size_t>(k)]; }
    int positionOf(int i) const { return positionOf_[static_cast<std::size_t>(i)]; }
    // Name lookups through hash maps (-1 if none).
    int positionOfName(const std::string& name) const;
    int sourceIndexOfName(const std::string& name) const;

    // Names this group object apart from every other, also from one created
    // later at the same address: caches keep the token and ask IsObject.
    using Identity = std::weak_ptr<const char>;
    Identity IdentityToken() const { return identity_; }
    bool IsObject(const Identity& token) const {
        return !token.owner_before(identity_) && !identity_.owner_before(token);
    }

private:
    void RefuseIfGenerated() const;
    void RequireGenerated() const;
    void RequireIndex(int i) const;
    template <class F>
    void Guarded(F&& build);
    void CompletePermutations(std::vector<std::string> names);
    struct BuildTable;
    void CompleteGeneration(std::vector<std::string> names, BuildTable table);
    template <class Entry>
    void GenerateDescribedFrom(const std::string& id, const std::string& description,
                               const std::vector<std::string>& names, const std::vector<Entry>& products);
    bool AssignReductiveNames();
    void NameLetterProducts(int letterStart, int& count);
    void NameElement(int sourceIndex, std::string name, int& count);
    void AssignFactorNames();
    void BuildPositionTables();
    void BuildNameMaps() const;
    std::vector<int> AtomicSuborders() const;
    std::optional<PositionMapping> FindIsomorphism(const Group& other) const;
    void PrepareSignatures() const;
    void PrepareDefinitions() const;

    std::string id_;
    std::string description_;
    GenerationMethod method_ = GenerationMethod::CayleyTable;
    int order_ = 0;
    int modulus_ = 0;
    int degree_ = 0;
    bool generated_ = false;
    bool naming_ = false;
    int lettersUsed_ = 0;
    std::shared_ptr<const char> identity_ = std::make_shared<const char>('g');

    std::vector<std::string> sourceNames_;  // [source index]
    std::vector<std::string> mappedNames_;  // [source index]
    std::vector<int> sourceOf_;             // [position] -> source index
    std::vector<int> positionOf_;           // [source index] -> position
    int stride_ = 0;                        // row length of the two tables: order + 1
    std::vector<std::uint16_t> srcTable_;   // [i1 * stride_ + i2] -> source index
    std::vector<std::uint16_t> posTable_;   // [k1 * stride_ + k2] -> position
    std::vector<int> srcInverse_, posInverse_, srcOrder_, posOrder_;
    // Runs a build once per group, also when several threads ask at the same
    // time; a refused generation starts it afresh.
    class BuildOnce {
    public:
        template <class F>
        void operator()(F&& build) const {
            std::call_once(*flag_, std::forward<F>(build));
        }
        void Reset() { flag_ = std::make_unique<std::once_flag>(); }

    private:
        std::unique_ptr<std::once_flag> flag_ = std::make_unique<std::once_flag>();
    };
    BuildOnce nameMapsBuilt_;
    mutable std::unordered_map<std::string, int> sourceIndexByName_;
    mutable std::unordered_map<std::string, int> positionByName_;

    GroupPtr parent_, normal_, first_, second_;
    std::vector<int> cosetLabels_;
    std::vector<int> parentSource_;

    // Invariants for the isomorphism test, computed on first use (orders up
    // to 20): per position a signature that every isomorphism preserves, the
    // sorted signatures, and for each position a pair of earlier positions
    // whose product it is (0 when none).
    BuildOnce signaturesBuilt_, definitionsBuilt_;
    mutable std::vector<std::uint32_t> signature_;
    mutable std::vector<std::uint32_t> sortedSignature_;
    mutable std::vector<std::pair<int, int>> definition_;
};

}  // namespace quorix
