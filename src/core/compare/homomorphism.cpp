#include "core/compare/homomorphism.h"

#include <charconv>

namespace quorix {

void MultiplicationTable::Allocate(int elements) {
    n = elements;
    const auto cells = static_cast<std::size_t>(n + 1) * static_cast<std::size_t>(n + 1);
    mul.clear();
    wide.clear();
    if (n <= 255)
        mul.assign(cells, 0);
    else
        wide.assign(cells, 0);
    order.assign(static_cast<std::size_t>(n + 1), 0);
}

void MultiplicationTable::SetProduct(int a, int b, int product) {
    const auto i = static_cast<std::size_t>(a * (n + 1) + b);
    if (wide.empty())
        mul[i] = static_cast<std::uint8_t>(product);
    else
        wide[i] = static_cast<std::uint16_t>(product);
}

void MultiplicationTable::Widen() {
    if (!wide.empty()) return;
    wide.assign(mul.begin(), mul.end());
    mul.clear();
    mul.shrink_to_fit();
}

MultiplicationTable MultiplicationTable::FromGroup(const Group& g) {
    MultiplicationTable t;
    t.Allocate(g.order());
    for (int a = 1; a <= t.n; ++a) {
        t.order[static_cast<std::size_t>(a)] = g.srcOrder(a);
        for (int b = 1; b <= t.n; ++b) t.SetProduct(a, b, g.srcMul(a, b));
    }
    return t;
}

MultiplicationTable MultiplicationTable::FromProducts(const std::vector<std::vector<int>>& products) {
    MultiplicationTable t;
    t.Allocate(static_cast<int>(products.size()));
    for (int a = 1; a <= t.n; ++a)
        for (int b = 1; b <= t.n; ++b)
            t.SetProduct(a, b, products[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)]);
    for (int a = 1; a <= t.n; ++a) {
        int k = 1;
        for (int p = a; p != 1 && k <= t.n; p = t.Product(p, a)) ++k;
        t.order[static_cast<std::size_t>(a)] = k;
    }
    return t;
}

std::string MappingText(const std::vector<int>& images) {
    std::string s;
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (i) s += ' ';
        s += std::to_string(images[i]);
    }
    return s;
}

std::vector<int> ParseMappingText(const std::string& text) {
    std::vector<int> out;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        while (p < end && *p == ' ') ++p;
        if (p == end) break;
        int v = 0;
        auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || (next < end && *next != ' ')) return {};
        out.push_back(v);
        p = next;
    }
    return out;
}

// ---------------------------------------------------------------------------

void HomomorphismSearch::Start(const MultiplicationTable& source, const MultiplicationTable& target) {
    a_ = source;
    b_ = target;
    if (a_.wide.empty() != b_.wide.empty()) {
        a_.Widen();
        b_.Widen();
    }
    const int nA = a_.n, nB = b_.n;
    equalOrders_ = nA == nB;
    started_ = true;
    exhausted_ = false;
    polls_ = 0;
    const auto sa = static_cast<std::size_t>(nA + 2);
    img_.assign(static_cast<std::size_t>(nA + 1), 0);
    uses_.assign(static_cast<std::size_t>(nB + 1), 0);
    distinctImages_ = 0;
    trail_.clear();
    trail_.reserve(sa);
    processed_ = 0;
    mark_.assign(sa, 0);
    candidate_.assign(sa, 0);
    free_.assign(sa, 0);
    k_ = 1;
    // An onto homomorphism needs |B| to divide |A|; the identity goes to the identity.
    if (nA < 1 || nB < 1 || nA % nB != 0 || !Assign(1, 1)) exhausted_ = true;
}

bool HomomorphismSearch::FitsOrder(int a, int b) const {
    const int oa = a_.order[static_cast<std::size_t>(a)];
    const int ob = b_.order[static_cast<std::size_t>(b)];
    return equalOrders_ ? oa == ob : oa % ob == 0;
}

void HomomorphismSearch::UndoTo(std::size_t mark) {
    while (trail_.size() > mark) {
        const int a = trail_.back();
        trail_.pop_back();
        int& img = img_[static_cast<std::size_t>(a)];
        if (--uses_[static_cast<std::size_t>(img)] == 0) --distinctImages_;
        img = 0;
    }
    processed_ = mark;
}

bool HomomorphismSearch::Assign(int a, int b) {
    return a_.wide.empty() ? Close(a, b, a_.mul.data(), b_.mul.data()) : Close(a, b, a_.wide.data(), b_.wide.data());
}

template <class Entry>
bool HomomorphismSearch::Close(int a, int b, const Entry* sourceProducts, const Entry* targetProducts) {
    const auto sa = static_cast<std::size_t>(a_.n + 1), sb = static_cast<std::size_t>(b_.n + 1);
    auto inA = [&](int x, int y) {
        return static_cast<int>(sourceProducts[static_cast<std::size_t>(x) * sa + static_cast<std::size_t>(y)]);
    };
    auto inB = [&](int x, int y) {
        return static_cast<int>(targetProducts[static_cast<std::size_t>(x) * sb + static_cast<std::size_t>(y)]);
    };
    auto set = [this](int x, int y) {
        img_[static_cast<std::size_t>(x)] = y;
        if (uses_[static_cast<std::size_t>(y)]++ == 0) ++distinctImages_;
        trail_.push_back(x);
    };
    auto imply = [&](int p, int q) {
        const int cur = img_[static_cast<std::size_t>(p)];
        if (cur != 0) return cur == q;
        if (!FitsOrder(p, q)) return false;
        if (equalOrders_ && uses_[static_cast<std::size_t>(q)] != 0) return false;
        set(p, q);
        return true;
    };
    set(a, b);
    // Close the mapped set under products: every pair of processed elements
    // has been checked both ways, so the mapped set ends up a subgroup on
    // which the mapping is a homomorphism.
    while (processed_ < trail_.size()) {
        const int g = trail_[processed_];
        const int ig = img_[static_cast<std::size_t>(g)];
        for (std::size_t idx = 0; idx <= processed_; ++idx) {
            const int x = trail_[idx];
            const int ix = img_[static_cast<std::size_t>(x)];
            if (!imply(inA(g, x), inB(ig, ix))) return false;
            if (!imply(inA(x, g), inB(ix, ig))) return false;
        }
        ++processed_;
    }
    return true;
}

bool HomomorphismSearch::Viable() const {
    const int mapped = static_cast<int>(trail_.size());
    // The remaining elements must still be able to cover the target.
    if (b_.n - distinctImages_ > a_.n - mapped) return false;
    // The mapped subgroup H meets the kernel in |H| / |f(H)| elements, a
    // subgroup of the kernel, whose order is |A| / |B|.
    const int kernelPart = mapped / distinctImages_;
    return (a_.n / b_.n) % kernelPart == 0;
}

bool HomomorphismSearch::Poll() {
    if (!progress_) return true;
    if ((polls_++ & 255u) == 0 ? progress_->StopRequested() : progress_->Stopped()) {
        exhausted_ = true;
        return false;
    }
    return true;
}

bool HomomorphismSearch::TryNextCandidate(int k) {
    const auto sk = static_cast<std::size_t>(k);
    UndoTo(mark_[sk]);
    for (int b = candidate_[sk] + 1; b <= b_.n; ++b) {
        if (!FitsOrder(k, b)) continue;
        if (equalOrders_ && uses_[static_cast<std::size_t>(b)] != 0) continue;
        if (Assign(k, b) && Viable()) {
            candidate_[sk] = b;
            return true;
        }
        UndoTo(mark_[sk]);
    }
    candidate_[sk] = b_.n;
    return false;
}

int HomomorphismSearch::PreviousFree(int k) const {
    for (int j = k; j >= 1; --j)
        if (free_[static_cast<std::size_t>(j)]) return j;
    return 0;
}

bool HomomorphismSearch::Descend() {
    while (k_ <= a_.n) {
        const auto sk = static_cast<std::size_t>(k_);
        if (img_[sk] != 0) {
            free_[sk] = 0;
            ++k_;
            continue;
        }
        free_[sk] = 1;
        mark_[sk] = trail_.size();
        candidate_[sk] = 0;
        int k = k_;
        while (!TryNextCandidate(k)) {
            k = PreviousFree(k - 1);
            if (k == 0) {
                exhausted_ = true;
                return false;
            }
        }
        if (!Poll()) return false;
        k_ = k + 1;
    }
    return true;
}

bool HomomorphismSearch::Next(Progress* progress) {
    progress_ = progress;
    if (!started_ || exhausted_) return false;
    if (k_ > a_.n) {
        // Resume after a complete mapping: the next one differs first at
        // the last position that was chosen by trial.
        int k = PreviousFree(a_.n);
        while (true) {
            if (k == 0) {
                exhausted_ = true;
                return false;
            }
            if (TryNextCandidate(k)) break;
            k = PreviousFree(k - 1);
        }
        if (!Poll()) return false;
        k_ = k + 1;
    }
    return Descend();
}

// ---------------------------------------------------------------------------

}  // namespace quorix
