#pragma once
// A set of element indices of a group: bit k for index k (bit 0 unused).
//
// Two words are held inline, enough for every group of up to 127 elements;
// a larger set keeps its words on the heap. A bit past the end reads as
// clear, and set(k) makes room for k, so a set sized for one group can be
// compared, joined and hashed with one that grew differently: equality and
// the hash look only at the bits. The interface is the part of std::bitset
// the engine uses; size() is the room held (128 for an inline set), and ~
// flips the bits of that room only, so IsSubsetOf is the test of inclusion
// between sets of different sizes.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

namespace quorix {

class ElementSet {
public:
    using Word = std::uint64_t;
    static constexpr std::size_t kWordBits = 64;
    static constexpr std::size_t kInlineWords = 2;

    ElementSet() noexcept = default;
    // An empty set with room for the indices 0..order.
    static ElementSet ForOrder(int order) {
        ElementSet s;
        s.Grow(WordsFor(static_cast<std::size_t>(order < 0 ? 0 : order) + 1));
        return s;
    }

    ElementSet(const ElementSet& o) : inline_{o.inline_[0], o.inline_[1]}, words_(o.words_) {
        if (o.heap_) {
            heap_ = new Word[words_];
            std::memcpy(heap_, o.heap_, words_ * sizeof(Word));
        }
    }
    ElementSet(ElementSet&& o) noexcept : inline_{o.inline_[0], o.inline_[1]}, heap_(o.heap_), words_(o.words_) {
        o.heap_ = nullptr;
        o.words_ = kInlineWords;
    }
    ElementSet& operator=(const ElementSet& o) {
        if (!heap_ && !o.heap_) {
            inline_[0] = o.inline_[0];
            inline_[1] = o.inline_[1];
            return *this;
        }
        if (this == &o) return *this;
        if (!o.heap_) {
            Release();
            inline_[0] = o.inline_[0];
            inline_[1] = o.inline_[1];
            return *this;
        }
        if (words_ != o.words_) {
            Word* p = new Word[o.words_];
            Release();
            heap_ = p;
            words_ = o.words_;
            inline_[0] = inline_[1] = 0;
        }
        std::memcpy(heap_, o.heap_, words_ * sizeof(Word));
        return *this;
    }
    ElementSet& operator=(ElementSet&& o) noexcept {
        if (!heap_ && !o.heap_) {
            inline_[0] = o.inline_[0];
            inline_[1] = o.inline_[1];
            return *this;
        }
        if (this == &o) return *this;
        Release();
        inline_[0] = o.inline_[0];
        inline_[1] = o.inline_[1];
        heap_ = o.heap_;
        words_ = o.words_;
        o.heap_ = nullptr;
        o.words_ = kInlineWords;
        return *this;
    }
    ~ElementSet() { Release(); }

    // ---- bits ---------------------------------------------------------------
    std::size_t size() const noexcept { return words_ * kWordBits; }
    bool test(std::size_t k) const noexcept {
        if (!heap_) [[likely]]
            return k < kInlineWords * kWordBits && ((inline_[k / kWordBits] >> (k % kWordBits)) & 1u) != 0;
        return k < size() && ((heap_[k / kWordBits] >> (k % kWordBits)) & 1u) != 0;
    }
    bool operator[](std::size_t k) const noexcept { return test(k); }
    ElementSet& set(std::size_t k) {
        if (!heap_ && k < kInlineWords * kWordBits) [[likely]] {
            inline_[k / kWordBits] |= Word{1} << (k % kWordBits);
            return *this;
        }
        if (k >= size()) Grow(std::max<std::size_t>(k / kWordBits + 1, 2 * words_));
        data()[k / kWordBits] |= Word{1} << (k % kWordBits);
        return *this;
    }
    ElementSet& set(std::size_t k, bool value) { return value ? set(k) : reset(k); }
    // Every bit of the room held.
    ElementSet& set() noexcept {
        std::fill_n(data(), words_, ~Word{0});
        return *this;
    }
    ElementSet& reset(std::size_t k) noexcept {
        if (k < size()) data()[k / kWordBits] &= ~(Word{1} << (k % kWordBits));
        return *this;
    }
    ElementSet& reset() noexcept {
        std::fill_n(data(), words_, Word{0});
        return *this;
    }

    std::size_t count() const noexcept {
        if (!heap_) return static_cast<std::size_t>(std::popcount(inline_[0]) + std::popcount(inline_[1]));
        std::size_t c = 0;
        for (std::size_t i = 0; i < words_; ++i) c += static_cast<std::size_t>(std::popcount(data()[i]));
        return c;
    }
    bool any() const noexcept {
        if (!heap_) return (inline_[0] | inline_[1]) != 0;
        for (std::size_t i = 0; i < words_; ++i)
            if (data()[i] != 0) return true;
        return false;
    }
    bool none() const noexcept { return !any(); }
    // Every bit of this set is in `other`.
    bool IsSubsetOf(const ElementSet& other) const noexcept {
        if (!heap_ && !other.heap_) return ((inline_[0] & ~other.inline_[0]) | (inline_[1] & ~other.inline_[1])) == 0;
        for (std::size_t i = 0; i < words_; ++i)
            if ((data()[i] & ~other.word(i)) != 0) return false;
        return true;
    }
    // The smallest index >= from in the set, or size() when there is none.
    std::size_t Next(std::size_t from) const noexcept {
        for (std::size_t i = from / kWordBits; i < words_; ++i) {
            Word w = data()[i];
            if (i == from / kWordBits) w &= ~Word{0} << (from % kWordBits);
            if (w != 0) return i * kWordBits + static_cast<std::size_t>(std::countr_zero(w));
        }
        return size();
    }

    // ---- words --------------------------------------------------------------
    std::size_t wordCount() const noexcept { return words_; }
    // Word i (bits 64i..64i+63); 0 past the end.
    Word word(std::size_t i) const noexcept { return i < words_ ? data()[i] : 0; }

    // ---- set operations -------------------------------------------------------
    ElementSet& operator&=(const ElementSet& o) noexcept {
        if (!heap_ && !o.heap_) {
            inline_[0] &= o.inline_[0];
            inline_[1] &= o.inline_[1];
            return *this;
        }
        for (std::size_t i = 0; i < words_; ++i) data()[i] &= o.word(i);
        return *this;
    }
    ElementSet& operator|=(const ElementSet& o) {
        if (!heap_ && !o.heap_) {
            inline_[0] |= o.inline_[0];
            inline_[1] |= o.inline_[1];
            return *this;
        }
        if (o.words_ > words_) Grow(o.words_);
        for (std::size_t i = 0; i < o.words_; ++i) data()[i] |= o.data()[i];
        return *this;
    }
    ElementSet& operator^=(const ElementSet& o) {
        if (!heap_ && !o.heap_) {
            inline_[0] ^= o.inline_[0];
            inline_[1] ^= o.inline_[1];
            return *this;
        }
        if (o.words_ > words_) Grow(o.words_);
        for (std::size_t i = 0; i < o.words_; ++i) data()[i] ^= o.data()[i];
        return *this;
    }
    ElementSet operator~() const {
        ElementSet r(*this);
        for (std::size_t i = 0; i < r.words_; ++i) r.data()[i] = ~r.data()[i];
        return r;
    }
    friend ElementSet operator&(ElementSet a, const ElementSet& b) noexcept { return a &= b; }
    friend ElementSet operator|(ElementSet a, const ElementSet& b) { return a |= b; }
    friend ElementSet operator^(ElementSet a, const ElementSet& b) { return a ^= b; }

    friend bool operator==(const ElementSet& a, const ElementSet& b) noexcept {
        if (!a.heap_ && !b.heap_) return a.inline_[0] == b.inline_[0] && a.inline_[1] == b.inline_[1];
        const std::size_t n = std::max(a.words_, b.words_);
        for (std::size_t i = 0; i < n; ++i)
            if (a.word(i) != b.word(i)) return false;
        return true;
    }

    // The bits of the room held, highest first, as '0' and '1'.
    std::string to_string() const {
        std::string s(size(), '0');
        for (std::size_t k = 0; k < size(); ++k)
            if (test(k)) s[size() - 1 - k] = '1';
        return s;
    }

    // Over the bits only: trailing clear words do not change it.
    std::size_t Hash() const noexcept {
        std::size_t n = words_;
        while (n > 0 && data()[n - 1] == 0) --n;
        std::uint64_t h = 0x9E3779B97F4A7C15u;
        for (std::size_t i = 0; i < n; ++i) {
            h ^= data()[i] + 0x9E3779B97F4A7C15u + (h << 6) + (h >> 2);
            h *= 0xBF58476D1CE4E5B9u;
        }
        return static_cast<std::size_t>(h ^ (h >> 31));
    }

private:
    static std::size_t WordsFor(std::size_t bits) { return (bits + kWordBits - 1) / kWordBits; }
    const Word* data() const noexcept { return heap_ ? heap_ : inline_; }
    Word* data() noexcept { return heap_ ? heap_ : inline_; }
    void Release() noexcept {
        delete[] heap_;
        heap_ = nullptr;
        words_ = kInlineWords;
    }
    // Room for `words` words (never shrinks); the new words are clear.
    void Grow(std::size_t words) {
        if (words <= words_) return;
        Word* p = new Word[words];
        std::memcpy(p, data(), words_ * sizeof(Word));
        std::fill(p + words_, p + words, Word{0});
        delete[] heap_;
        heap_ = p;
        inline_[0] = inline_[1] = 0;
        words_ = static_cast<std::uint32_t>(words);
    }

    // The words of a set with room for at most 128 bits; a larger one keeps
    // them on the heap (inline_ then clear and unused).
    Word inline_[kInlineWords] = {0, 0};
    Word* heap_ = nullptr;
    std::uint32_t words_ = kInlineWords;
};

}  // namespace quorix

template <>
struct std::hash<quorix::ElementSet> {
    std::size_t operator()(const quorix::ElementSet& s) const noexcept { return s.Hash(); }
};
