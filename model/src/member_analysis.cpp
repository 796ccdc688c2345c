// The continuous member, solved exactly.
//
// Each span i (length L, stiffness EI) is first taken simply supported under its own load
// p(t), t from its top. Its end rotations then are
//   θtop = A / (6·EI·L),  A = ∫ p·t·(L − t)·(2L − t) dt
//   θbot = B / (6·EI·L),  B = ∫ p·t·(L − t)·(L + t) dt
// and the support moments M (inner face in tension positive) close the slope at every
// support that holds the member continuous or fixed (the three-moment equation, f = L/EI):
//   intermediate support j:  f(j−1)·M(j−1) + 2·(f(j−1) + f(j))·M(j) + f(j)·M(j+1)
//                            = −(B(j−1)/(EI·L)(j−1) + A(j)/(EI·L)(j))
//   fixed top:               2·f(0)·M(0) + f(0)·M(1) = −A(0)/(EI·L)(0)
//   fixed base:              f(n−1)·M(n−1) + 2·f(n−1)·M(n) = −B(n−1)/(EI·L)(n−1)
//   pinned top or base:      M = 0
//   free top:                M(0) = 0 and M(1) = −∫ p·(L − t) dt over the top span, the
//                            cantilever's moment; the top span adds no stiffness.
// The integrals of p·tᵏ over a straight piece are sums of positive multiples of its two end
// pressures (no cancellation).
// Then V(0) = ∫p·(L − t)/L + (M(bottom) − M(top))/L at each span's top, and M and V follow
// from the pieces: over a piece with p(τ) = pa + k·τ,
//   V(τ) = V₀ − pa·τ − k·τ²/2,   M(τ) = M₀ + V₀·τ − pa·τ²/2 − k·τ³/6.
#include "wallcalc/model/member_analysis.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::model {
namespace {

// The load's pieces on one span, in the span's own depth t (from its top).
struct SpanPieces {
    std::array<LoadPiece, PiecewiseLoad::kCapacity> at{};
    std::size_t count = 0;

    std::span<const LoadPiece> pieces() const { return {at.data(), count}; }
};

SpanPieces piecesOn(const PiecewiseLoad& load, double top, double bottom) {
    SpanPieces out;
    for (const LoadPiece& p : load.pieces()) {
        const double lo = std::max(p.x0, top), hi = std::min(p.x1, bottom);
        if (!(hi > lo)) continue;
        out.at[out.count++] = {lo - top, hi - top, p.at(lo), p.at(hi)};
    }
    return out;
}

// ∫ p·tᵏ dt, k = 0 … 3, over a piece from a to a + h with the pressures pa and pb at its
// ends: p = pa·(1 − s) + pb·s with t = a + s·h, each power expanded in s.
std::array<double, 4> powerMoments(const LoadPiece& piece) {
    constexpr double kBinomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    const double a = piece.x0, h = piece.length();
    const std::array<double, 4> ap = {1, a, a * a, a * a * a};
    const std::array<double, 4> hp = {1, h, h * h, h * h * h};
    std::array<double, 4> out{};
    for (std::size_t k = 0; k < 4; ++k) {
        for (std::size_t m = 0; m <= k; ++m) {
            const double term = kBinomial[k][m] * ap[k - m] * hp[m];
            const double m1 = static_cast<double>(m + 1), m2 = static_cast<double>(m + 2);
            out[k] += term * (piece.p0 / (m1 * m2) + piece.p1 / m2);
        }
        out[k] *= h;
    }
    return out;
}

struct SpanIntegrals {
    double W = 0;  // ∫ p dt
    double S = 0;  // ∫ p·t dt
    double A = 0;  // ∫ p·t·(L − t)·(2L − t) dt
    double B = 0;  // ∫ p·t·(L − t)·(L + t) dt
};

SpanIntegrals integrals(const SpanPieces& pieces, double L) {
    std::array<double, 4> m{};
    for (const LoadPiece& piece : pieces.pieces()) {
        const auto pm = powerMoments(piece);
        for (std::size_t k = 0; k < 4; ++k)
            m[k] += pm[k];
    }
    return {m[0], m[1], 2 * L * L * m[1] - 3 * L * m[2] + m[3], L * L * m[1] - m[3]};
}

// A tridiagonal system in the support moments, one row per support.
struct Tridiagonal {
    std::array<double, kMaxStoreys + 1> lower{}, diag{}, upper{}, rhs{};

    std::array<bool, kMaxStoreys + 1> isKnown{};

    void known(std::size_t j, double value) {
        lower[j] = upper[j] = 0;
        diag[j] = 1;
        rhs[j] = value;
        isKnown[j] = true;
    }
    // The rows as set up, before the elimination changes them.
    std::array<SupportEquation, kMaxStoreys + 1> rows(std::size_t size) const {
        std::array<SupportEquation, kMaxStoreys + 1> out{};
        for (std::size_t j = 0; j < size; ++j)
            out[j] = {lower[j], diag[j], upper[j], rhs[j], isKnown[j]};
        return out;
    }
    // Thomas' algorithm; the rows are diagonally dominant, so no pivoting is needed.
    std::array<double, kMaxStoreys + 1> solve(std::size_t size) {
        for (std::size_t j = 1; j < size; ++j) {
            const double w = lower[j] / diag[j - 1];
            diag[j] -= w * upper[j - 1];
            rhs[j] -= w * rhs[j - 1];
        }
        std::array<double, kMaxStoreys + 1> x{};
        for (std::size_t j = size; j-- > 0;) {
            const double below = j + 1 < size ? upper[j] * x[j + 1] : 0;
            x[j] = (rhs[j] - below) / diag[j];
        }
        return x;
    }
};

std::array<double, kMaxStoreys + 1> supportMoments(
    const Member& mb, const std::array<SpanIntegrals, kMaxStoreys>& I,
    std::array<SupportEquation, kMaxStoreys + 1>& equations) {
    const std::size_t n = mb.spans;
    // The flexibility L/EI of a span, and six times its end rotations simply supported.
    const auto f = [&](std::size_t i) { return mb.length(i) / mb.stiffness[i]; };
    const auto rotTop = [&](std::size_t i) { return I[i].A / (mb.length(i) * mb.stiffness[i]); };
    const auto rotBot = [&](std::size_t i) { return I[i].B / (mb.length(i) * mb.stiffness[i]); };
    Tridiagonal t;
    if (mb.top == TopSupport::Fixed) {
        t.diag[0] = 2 * f(0);
        t.upper[0] = f(0);
        t.rhs[0] = -rotTop(0);
    } else {
        t.known(0, 0);
    }
    for (std::size_t j = 1; j < n; ++j) {
        t.lower[j] = f(j - 1);
        t.diag[j] = 2 * (f(j - 1) + f(j));
        t.upper[j] = f(j);
        t.rhs[j] = -(rotBot(j - 1) + rotTop(j));
    }
    if (mb.base == BaseSupport::Fixed) {
        t.lower[n] = f(n - 1);
        t.diag[n] = 2 * f(n - 1);
        t.rhs[n] = -rotBot(n - 1);
    } else {
        t.known(n, 0);
    }
    if (mb.top == TopSupport::Free) t.known(1, -(I[0].W * mb.length(0) - I[0].S));
    equations = t.rows(n + 1);
    return t.solve(n + 1);
}

// Where the shear (k/2)·τ² + pa·τ − V₀ = 0 vanishes within [0, h], in a form free of
// cancellation; at most two places.
struct Zeros {
    std::array<double, 2> at{};
    std::size_t count = 0;
    void keep(double tau, double h) {
        if (std::isfinite(tau) && tau >= 0 && tau <= h) at[count++] = tau;
    }
};

Zeros shearZeros(double V0, double pa, double k, double h) {
    Zeros z;
    if (k == 0) {
        if (pa != 0) z.keep(V0 / pa, h);
        return z;
    }
    const double disc = pa * pa + 2 * k * V0;
    if (disc < 0) return z;
    const double q = -0.5 * (pa + std::copysign(std::sqrt(disc), pa));
    if (q == 0) {
        z.keep(0, h);
        return z;
    }
    z.keep(q / (0.5 * k), h);
    z.keep(-V0 / q, h);
    return z;
}

bool finite(const MemberAnalysis& a) {
    bool ok = std::isfinite(a.totalLoad());
    for (const double r : a.reactions())
        ok = ok && std::isfinite(r);
    for (const SpanForces& s : a.spans()) {
        ok = ok && std::isfinite(s.momentTop) && std::isfinite(s.momentBottom) &&
             std::isfinite(s.shearTop) && std::isfinite(s.shearBottom);
        if (s.spanMoment) ok = ok && std::isfinite(s.spanMoment->moment);
    }
    return ok;
}

}  // namespace

bool analysable(const Member& mb) {
    if (mb.spans < kMinStoreys || mb.spans > kMaxStoreys) return false;
    if (!std::isfinite(mb.depth[0])) return false;
    for (std::size_t i = 0; i < mb.spans; ++i) {
        const bool span = std::isfinite(mb.depth[i + 1]) && mb.depth[i + 1] > mb.depth[i];
        const bool stiff = std::isfinite(mb.stiffness[i]) && mb.stiffness[i] > 0;
        if (!span || !stiff) return false;
    }
    return !(mb.spans == 1 && mb.top == TopSupport::Free && mb.base == BaseSupport::Pinned);
}

std::optional<MemberAnalysis> analyse(const Member& mb, const PiecewiseLoad& load) {
    if (!analysable(mb)) return std::nullopt;
    MemberAnalysis a;
    a.member_ = mb;
    a.load_ = load;
    const std::size_t n = mb.spans;
    std::array<SpanIntegrals, kMaxStoreys> I{};
    for (std::size_t i = 0; i < n; ++i)
        I[i] = integrals(piecesOn(load, mb.depth[i], mb.depth[i + 1]), mb.length(i));
    const auto M = supportMoments(mb, I, a.equations_);

    for (std::size_t i = 0; i < n; ++i) {
        const double L = mb.length(i);
        SpanForces& s = a.spans_[i];
        s.momentTop = M[i];
        s.momentBottom = M[i + 1];
        s.load = I[i].W;
        s.loadMoment = I[i].S;
        s.rotationTop = I[i].A;
        s.rotationBottom = I[i].B;
        // A free top carries nothing: the top span hangs from the support below it.
        const bool freeEnd = i == 0 && mb.top == TopSupport::Free;
        s.shearTop = freeEnd ? 0 : I[i].W - I[i].S / L + (M[i + 1] - M[i]) / L;
        s.shearBottom = s.shearTop - I[i].W;
        a.total_ += I[i].W;
    }
    for (std::size_t j = 0; j <= n; ++j) {
        const double below = j < n ? a.spans_[j].shearTop : 0;
        const double above = j > 0 ? a.spans_[j - 1].shearBottom : 0;
        a.reactions_[j] = below - above;
    }
    for (std::size_t i = 0; i < n; ++i)
        a.spans_[i].spanMoment = a.largestInner(i);
    if (!finite(a)) return std::nullopt;
    return a;
}

MemberAnalysis::AtPoint MemberAnalysis::forcesIn(std::size_t i, double t) const {
    if (i >= member_.spans) return {};
    t = std::clamp(t, 0.0, member_.length(i));
    const SpanForces& s = spans_[i];
    AtPoint f{s.momentTop, s.shearTop};
    double pos = 0;
    const SpanPieces on = piecesOn(load_, member_.depth[i], member_.depth[i + 1]);
    for (const LoadPiece& p : on.pieces()) {
        if (p.x0 >= t) break;
        f.moment += f.shear * (p.x0 - pos);
        const double tau = std::min(p.x1, t) - p.x0;
        const double k = (p.p1 - p.p0) / p.length();
        f.moment += tau * (f.shear - tau * (p.p0 / 2 + k * tau / 6));
        f.shear -= tau * (p.p0 + k * tau / 2);
        pos = p.x0 + tau;
    }
    f.moment += f.shear * (t - pos);
    return f;
}

std::optional<SpanMoment> MemberAnalysis::largestInner(std::size_t i) const {
    const SpanForces& s = spans_[i];
    SpanMoment best{s.momentTop, 0};
    const auto consider = [&](double m, double t) {
        if (m > best.moment) best = {m, t};
    };
    double M = s.momentTop, V = s.shearTop, pos = 0;
    const SpanPieces on = piecesOn(load_, member_.depth[i], member_.depth[i + 1]);
    for (const LoadPiece& p : on.pieces()) {
        M += V * (p.x0 - pos);
        consider(M, p.x0);
        const double h = p.length(), k = (p.p1 - p.p0) / h;
        const Zeros zeros = shearZeros(V, p.p0, k, h);
        for (std::size_t z = 0; z < zeros.count; ++z) {
            const double tau = zeros.at[z];
            consider(M + tau * (V - tau * (p.p0 / 2 + k * tau / 6)), p.x0 + tau);
        }
        M += h * (V - h * (2 * p.p0 + p.p1) / 6);
        V -= h * (p.p0 + p.p1) / 2;
        pos = p.x1;
        consider(M, pos);
    }
    consider(s.momentBottom, member_.length(i));
    if (!(best.moment > 0)) return std::nullopt;
    return best;
}

double MemberAnalysis::momentIn(std::size_t i, double t) const {
    return forcesIn(i, t).moment;
}
double MemberAnalysis::shearIn(std::size_t i, double t) const {
    return forcesIn(i, t).shear;
}

std::optional<std::size_t> MemberAnalysis::spanAt(double x) const {
    const std::size_t n = member_.spans;
    if (n == 0 || !(x >= member_.depth[0] && x <= member_.depth[n])) return std::nullopt;
    std::size_t i = 0;
    while (i + 1 < n && x >= member_.depth[i + 1])
        ++i;
    return i;
}

double MemberAnalysis::moment(double x) const {
    const auto i = spanAt(x);
    return i ? momentIn(*i, x - member_.depth[*i]) : 0;
}

double MemberAnalysis::shear(double x) const {
    const auto i = spanAt(x);
    return i ? shearIn(*i, x - member_.depth[*i]) : 0;
}

}  // namespace wallcalc::model
