#include "core/counting/actions.h"

#include <algorithm>
#include <unordered_map>

#include "core/group/errors.h"

namespace quorix::counting {

namespace {

class PointAction : public GroupAction {
public:
    using GroupAction::GroupAction;
    std::size_t size() const override { return static_cast<std::size_t>(group().degree()); }
    std::size_t Image(std::size_t element, std::size_t point) const override {
        return static_cast<std::size_t>(group().element(element)(static_cast<int>(point)));
    }
    std::string PointName(std::size_t point) const override { return std::to_string(point + 1); }
};

class ColouringAction : public GroupAction {
public:
    ColouringAction(const EnumeratedGroup& group, int colours) : GroupAction(group), colours_(colours) {
        if (colours < 1) throw InvalidArgument("the number of colours must be at least 1");
        size_ = 1;
        for (int i = 0; i < group.degree(); ++i) {
            if (size_ > kMaxActionSize / static_cast<std::size_t>(colours))
                throw InvalidArgument(std::to_string(colours) + " colours of " + std::to_string(group.degree()) +
                                      " points are more than " + std::to_string(kMaxActionSize) + " colourings");
            size_ *= static_cast<std::size_t>(colours);
        }
    }
    std::size_t size() const override { return size_; }
    std::size_t Image(std::size_t element, std::size_t point) const override {
        const Permutation& g = group().element(element);
        const int n = group().degree();
        std::vector<std::size_t> digits(static_cast<std::size_t>(n));
        for (int i = n - 1; i >= 0; --i) {
            digits[static_cast<std::size_t>(g(i))] = point % static_cast<std::size_t>(colours_);
            point /= static_cast<std::size_t>(colours_);
        }
        std::size_t image = 0;
        for (std::size_t d : digits) image = image * static_cast<std::size_t>(colours_) + d;
        return image;
    }
    // Colour numbers from 1, as digits for up to nine colours, else blank-separated.
    std::string PointName(std::size_t point) const override {
        std::vector<std::size_t> digits(static_cast<std::size_t>(group().degree()));
        for (std::size_t i = digits.size(); i-- > 0;) {
            digits[i] = point % static_cast<std::size_t>(colours_) + 1;
            point /= static_cast<std::size_t>(colours_);
        }
        std::string text;
        for (std::size_t d : digits) text += (colours_ > 9 && !text.empty() ? " " : "") + std::to_string(d);
        return text;
    }

private:
    int colours_;
    std::size_t size_;
};

class SubsetAction : public GroupAction {
public:
    SubsetAction(const EnumeratedGroup& group, int k) : GroupAction(group) {
        const int n = group.degree();
        if (k < 0 || k > n)
            throw InvalidArgument("a subset of " + std::to_string(n) + " points cannot have " + std::to_string(k) +
                                  " points");
        std::vector<int> subset(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i) subset[static_cast<std::size_t>(i)] = i;
        while (true) {
            if (subsets_.size() == kMaxActionSize)
                throw InvalidArgument("the " + std::to_string(k) + "-subsets of " + std::to_string(n) +
                                      " points are more than " + std::to_string(kMaxActionSize));
            index_.emplace(subset, subsets_.size());
            subsets_.push_back(subset);
            int i = k - 1;
            while (i >= 0 && subset[static_cast<std::size_t>(i)] == n - k + i) --i;
            if (i < 0) break;
            ++subset[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j)
                subset[static_cast<std::size_t>(j)] = subset[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
    std::size_t size() const override { return subsets_.size(); }
    std::size_t Image(std::size_t element, std::size_t point) const override {
        const Permutation& g = group().element(element);
        std::vector<int> image;
        for (int x : subsets_[point]) image.push_back(g(x));
        std::sort(image.begin(), image.end());
        return index_.at(image);
    }
    std::string PointName(std::size_t point) const override {
        std::string text = "{";
        for (int x : subsets_[point]) text += (text.size() > 1 ? "," : "") + std::to_string(x + 1);
        return text + "}";
    }

private:
    struct Hash {
        std::size_t operator()(const std::vector<int>& v) const { return PermutationHash()(Permutation{v}); }
    };
    std::vector<std::vector<int>> subsets_;
    std::unordered_map<std::vector<int>, std::size_t, Hash> index_;
};

class ConjugationAction : public GroupAction {
public:
    using GroupAction::GroupAction;
    std::size_t size() const override { return group().order(); }
    std::size_t Image(std::size_t element, std::size_t point) const override {
        const Permutation& g = group().element(element);
        return static_cast<std::size_t>(group().IndexOf(Compose(g, Compose(group().element(point), Inverse(g)))));
    }
    std::string PointName(std::size_t point) const override { return CycleNotation(group().element(point)); }
};

class CosetAction : public GroupAction {
public:
    CosetAction(const EnumeratedGroup& group, const std::vector<Permutation>& subgroup)
        : GroupAction(group), subgroup_(group.degree(), subgroup) {
        for (const Permutation& h : subgroup_.elements())
            if (group.IndexOf(h) < 0)
                throw InvalidArgument("the subgroup's element " + CycleNotation(h) + " is not in the group");
        coset_.assign(group.order(), kNone);
        for (std::size_t x = 0; x < group.order(); ++x) {
            if (coset_[x] != kNone) continue;
            for (const Permutation& h : subgroup_.elements())
                coset_[static_cast<std::size_t>(group.IndexOf(Compose(group.element(x), h)))] = leaders_.size();
            leaders_.push_back(x);
        }
    }
    std::size_t size() const override { return leaders_.size(); }
    std::size_t Image(std::size_t element, std::size_t point) const override {
        const Permutation gx = Compose(group().element(element), group().element(leaders_[point]));
        return coset_[static_cast<std::size_t>(group().IndexOf(gx))];
    }
    std::string PointName(std::size_t point) const override {
        const std::size_t x = leaders_[point];
        return (x == 0 ? std::string() : CycleNotation(group().element(x))) + "H";
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    EnumeratedGroup subgroup_;
    std::vector<std::size_t> coset_;    // per element: its coset
    std::vector<std::size_t> leaders_;  // per coset: its first element
};

}  // namespace

std::unique_ptr<GroupAction> ActionOnPoints(const EnumeratedGroup& group) {
    return std::make_unique<PointAction>(group);
}
std::unique_ptr<GroupAction> ActionOnColourings(const EnumeratedGroup& group, int colours) {
    return std::make_unique<ColouringAction>(group, colours);
}
std::unique_ptr<GroupAction> ActionOnSubsets(const EnumeratedGroup& group, int k) {
    return std::make_unique<SubsetAction>(group, k);
}
std::unique_ptr<GroupAction> ActionByConjugation(const EnumeratedGroup& group) {
    return std::make_unique<ConjugationAction>(group);
}
std::unique_ptr<GroupAction> ActionOnCosets(const EnumeratedGroup& group, const std::vector<Permutation>& subgroup) {
    return std::make_unique<CosetAction>(group, subgroup);
}

std::vector<std::size_t> OrbitOf(const GroupAction& action, std::size_t point) {
    std::vector<std::size_t> orbit{point};
    std::unordered_map<std::size_t, bool> seen{{point, true}};
    for (std::size_t k = 0; k < orbit.size(); ++k)
        for (std::size_t g : action.group().generators()) {
            const std::size_t y = action.Image(g, orbit[k]);
            if (seen.emplace(y, true).second) orbit.push_back(y);
        }
    std::sort(orbit.begin(), orbit.end());
    return orbit;
}

Orbits FindOrbits(const GroupAction& action, Progress& progress) {
    Orbits result;
    std::vector<bool> seen(action.size(), false);
    for (std::size_t x = 0; x < action.size(); ++x) {
        if (seen[x]) continue;
        if (result.orbits.size() % 256 == 255 && progress.StopRequested()) {
            result.halted = true;
            break;
        }
        std::vector<std::size_t> orbit{x};
        seen[x] = true;
        for (std::size_t k = 0; k < orbit.size(); ++k)
            for (std::size_t g : action.group().generators()) {
                const std::size_t y = action.Image(g, orbit[k]);
                if (seen[y]) continue;
                seen[y] = true;
                orbit.push_back(y);
            }
        std::sort(orbit.begin(), orbit.end());
        result.orbits.push_back(std::move(orbit));
    }
    return result;
}

std::vector<std::size_t> Stabilizer(const GroupAction& action, std::size_t point) {
    std::vector<std::size_t> stabilizer;
    for (std::size_t g = 0; g < action.group().order(); ++g)
        if (action.Image(g, point) == point) stabilizer.push_back(g);
    return stabilizer;
}

}  // namespace quorix::counting
