#include "core/presentation/coset_enumeration.h"

#include <cmath>
#include <cstdlib>

namespace quorix {

namespace {

class Enumerator {
public:
    Enumerator(const Presentation& p, Progress& progress, int limit)
        : relators_(p.relators),
          columns_(static_cast<int>(2 * p.generators.size())),
          limit_(limit),
          progress_(progress) {
        table_.assign(static_cast<std::size_t>(columns_), -1);
        forward_.push_back(0);
        count_ = 1;
        defined_ = 1;
    }

    CosetEnumeration Run() {
        CosetEnumeration result;
        result.columns = columns_;
        for (int c = 0; c < count_; ++c) {
            if (scanned_ > kScanLimit) return Finish(result, CosetEnumeration::Status::ScanLimitReached);
            if (!Live(c)) continue;
            bool full = false;
            for (const Word& r : relators_) {
                if (!ScanAndFill(c, r, true)) {
                    full = true;
                    break;
                }
                if (!Live(c)) break;
            }
            for (int x = 0; !full && Live(c) && x < columns_; ++x)
                if (At(c, x) < 0 && !Define(c, x)) full = true;
            if (full) {
                if (progress_.StopRequested()) return Finish(result, CosetEnumeration::Status::Halted);
                // Look ahead: close what the relators force, then pack.
                for (int d = 0; d < count_ && scanned_ <= kScanLimit; ++d)
                    for (const Word& r : relators_) {
                        if (!Live(d)) break;
                        ScanAndFill(d, r, false);
                    }
                const int before = c;
                c = Pack(c);
                // Give up when packing leaves little room, or when the same
                // coset fills the table again (a scan longer than the room).
                fullRepeats_ = before == lastFull_ ? fullRepeats_ + 1 : 0;
                lastFull_ = c;
                if (count_ > limit_ - limit_ / 10 || fullRepeats_ > 2)
                    return Finish(result, CosetEnumeration::Status::LimitReached);
                --c;  // scan the same coset again
                continue;
            }
            if ((c & 1023) == 1023 && progress_.StopRequested())
                return Finish(result, CosetEnumeration::Status::Halted);
        }
        Pack(0);
        result.table = std::move(table_);
        return Finish(result, CosetEnumeration::Status::Complete);
    }

private:
    int& At(int c, int x) {
        return table_[static_cast<std::size_t>(c) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(x)];
    }
    bool Live(int c) const { return forward_[static_cast<std::size_t>(c)] == c; }

    CosetEnumeration& Finish(CosetEnumeration& result, CosetEnumeration::Status status) {
        result.status = status;
        int live = 0;
        for (int c = 0; c < count_; ++c) live += Live(c) ? 1 : 0;
        result.cosets = live;
        result.defined = defined_;
        result.scanned = scanned_;
        return result;
    }

    bool Define(int c, int x) {
        if (count_ >= limit_) return false;
        const int d = count_++;
        ++defined_;
        table_.resize(static_cast<std::size_t>(count_) * static_cast<std::size_t>(columns_), -1);
        forward_.push_back(d);
        At(c, x) = d;
        At(d, InverseLetter(x)) = c;
        return true;
    }

    // Scans relator r at coset c; fills a gap of one letter, defines cosets
    // (when allowed) for longer gaps, and processes the coincidence of a
    // scan that closes with two different cosets. False when a definition
    // was needed but the table is full.
    bool ScanAndFill(int c, const Word& r, bool define) {
        const int n = static_cast<int>(r.size());
        scanned_ += n;
        int f = c, b = c, i = 0, j = n - 1;
        for (;;) {
            while (i <= j && At(f, r[static_cast<std::size_t>(i)]) >= 0) f = At(f, r[static_cast<std::size_t>(i++)]);
            if (i > j) {
                if (f != b) Coincidence(f, b);
                return true;
            }
            while (j >= i && At(b, InverseLetter(r[static_cast<std::size_t>(j)])) >= 0)
                b = At(b, InverseLetter(r[static_cast<std::size_t>(j--)]));
            if (j < i) {
                Coincidence(f, b);
                return true;
            }
            if (i == j) {
                const int x = r[static_cast<std::size_t>(i)];
                At(f, x) = b;
                At(b, InverseLetter(x)) = f;
                return true;
            }
            if (!define) return true;
            if (!Define(f, r[static_cast<std::size_t>(i)])) return false;
        }
    }

    int Rep(int c) {
        int r = c;
        while (forward_[static_cast<std::size_t>(r)] != r) r = forward_[static_cast<std::size_t>(r)];
        while (forward_[static_cast<std::size_t>(c)] != r) {
            const int next = forward_[static_cast<std::size_t>(c)];
            forward_[static_cast<std::size_t>(c)] = r;
            c = next;
        }
        return r;
    }

    void Merge(int k, int l) {
        k = Rep(k);
        l = Rep(l);
        if (k == l) return;
        if (k > l) std::swap(k, l);
        forward_[static_cast<std::size_t>(l)] = k;
        queue_.push_back(l);
    }

    void Coincidence(int a, int b) {
        queue_.clear();
        Merge(a, b);
        for (std::size_t q = 0; q < queue_.size(); ++q) {
            const int g = queue_[q];
            for (int x = 0; x < columns_; ++x) {
                const int d = At(g, x);
                if (d < 0) continue;
                const int xi = InverseLetter(x);
                if (At(d, xi) == g) At(d, xi) = -1;
                const int mu = Rep(g), nu = Rep(d);
                if (At(mu, x) >= 0)
                    Merge(nu, At(mu, x));
                else if (At(nu, xi) >= 0)
                    Merge(mu, At(nu, xi));
                else {
                    At(mu, x) = nu;
                    At(nu, xi) = mu;
                }
            }
        }
    }

    // Renumbers the live cosets 0, 1, ... in their order; returns the new
    // number of the first live coset at or after `c`.
    int Pack(int c) {
        std::vector<int> renumber(static_cast<std::size_t>(count_), -1);
        int live = 0;
        for (int d = 0; d < count_; ++d)
            if (Live(d)) renumber[static_cast<std::size_t>(d)] = live++;
        int newC = live;
        for (int d = count_ - 1; d >= c && d >= 0; --d)
            if (Live(d)) newC = renumber[static_cast<std::size_t>(d)];
        for (int d = 0; d < count_; ++d) {
            const int to = renumber[static_cast<std::size_t>(d)];
            if (to < 0) continue;
            for (int x = 0; x < columns_; ++x) {
                const int v = At(d, x);
                At(to, x) = v < 0 ? -1 : renumber[static_cast<std::size_t>(Rep(v))];
            }
        }
        table_.resize(static_cast<std::size_t>(live) * static_cast<std::size_t>(columns_));
        count_ = live;
        forward_.resize(static_cast<std::size_t>(live));
        for (int d = 0; d < live; ++d) forward_[static_cast<std::size_t>(d)] = d;
        return newC;
    }

    const std::vector<Word>& relators_;
    int columns_;
    int limit_;
    Progress& progress_;
    std::vector<int> table_;
    std::vector<int> forward_;  // forward_[c] == c for a live coset, else a smaller coset it equals
    std::vector<int> queue_;
    int count_ = 0;
    long defined_ = 0;
    long long scanned_ = 0;
    int lastFull_ = -1;  // the coset whose scan last filled the table (packed number)
    int fullRepeats_ = 0;
};

}  // namespace

CosetEnumeration EnumerateCosets(const Presentation& presentation, Progress& progress, int limit) {
    if (presentation.generators.empty()) {
        CosetEnumeration trivial;
        trivial.cosets = 1;
        trivial.defined = 1;
        return trivial;
    }
    return Enumerator(presentation, progress, limit).Run();
}

bool HasInfiniteAbelianisation(const Presentation& presentation) {
    const std::size_t n = presentation.generators.size();
    std::vector<std::vector<double>> rows;
    for (const Word& r : presentation.relators) {
        std::vector<double> row(n, 0.0);
        for (int letter : r) row[static_cast<std::size_t>(letter / 2)] += letter % 2 ? -1.0 : 1.0;
        rows.push_back(std::move(row));
    }
    std::size_t rank = 0;
    for (std::size_t col = 0; col < n && rank < rows.size(); ++col) {
        std::size_t pivot = rank;
        for (std::size_t i = rank; i < rows.size(); ++i)
            if (std::fabs(rows[i][col]) > std::fabs(rows[pivot][col])) pivot = i;
        if (std::fabs(rows[pivot][col]) < 1e-9) continue;
        std::swap(rows[pivot], rows[rank]);
        for (std::size_t i = rank + 1; i < rows.size(); ++i) {
            const double f = rows[i][col] / rows[rank][col];
            for (std::size_t k = col; k < n; ++k) rows[i][k] -= f * rows[rank][k];
        }
        ++rank;
    }
    return rank < n;
}

}  // namespace quorix
