#pragma once
// The homomorphism search written out step by step, without any shortcut:
// images tried in ascending order position by position, and at every depth
// the order test, the onto count and the product test over all pairs of
// assigned positions. The engine's search must return the same mappings in
// the same order.

#include <vector>

#include "core/compare/homomorphism.h"

namespace quorix::testing {

class LiteralHomomorphismSearch {
public:
    LiteralHomomorphismSearch(const MultiplicationTable& a, const MultiplicationTable& b) : a_(a), b_(b) {
        image_.assign(static_cast<std::size_t>(a_.n + 2), 0);
    }

    bool Find(bool resume) {
        exhausted_ = false;
        bool found = false;
        if (resume) {
            Advance();
        } else {
            image_[1] = 1;
            for (int i = 2; i <= a_.n; ++i) image_[static_cast<std::size_t>(i)] = 0;
            k_ = 1;
        }
        while (!exhausted_ && !found) {
            if (!Consistent()) {
                Advance();
                continue;
            }
            if (k_ < a_.n) {
                ++k_;
                image_[static_cast<std::size_t>(k_)] = 1;
                continue;
            }
            found = true;
        }
        return found;
    }

    std::vector<int> Mapping() const { return {image_.begin() + 1, image_.begin() + 1 + a_.n}; }

    std::vector<std::vector<int>> All() {
        std::vector<std::vector<int>> out;
        for (bool resume = false; Find(resume); resume = true) out.push_back(Mapping());
        return out;
    }

private:
    int& Img(int i) { return image_[static_cast<std::size_t>(i)]; }

    void Advance() {
        while (true) {
            if (Img(k_) < b_.n) {
                if (k_ == 0) {
                    exhausted_ = true;
                    return;
                }
                ++Img(k_);
                return;
            }
            --k_;
        }
    }

    bool Consistent() {
        const int k = k_;
        if (Img(k) > b_.n) return false;
        const int oa = a_.order[static_cast<std::size_t>(k)];
        const int ob = b_.order[static_cast<std::size_t>(Img(k))];
        if (a_.n == b_.n ? oa != ob : oa % ob != 0) return false;
        int missing = 0;
        for (int j = 1; j <= b_.n; ++j) {
            bool present = false;
            for (int i = 1; i <= k && !present; ++i) present = Img(i) == j;
            if (!present) ++missing;
        }
        if (missing > a_.n - k) return false;
        for (int j = 2; j <= k; ++j)
            for (int i = 2; i <= k; ++i) {
                const int p = a_.Product(j, i);
                if (p <= k && Img(p) != b_.Product(Img(j), Img(i))) return false;
            }
        return true;
    }

    MultiplicationTable a_, b_;
    std::vector<int> image_;
    int k_ = 0;
    bool exhausted_ = false;
};

}  // namespace quorix::testing
