// One press of "计算": mode, materials, inputs, case procedure, strength design, bars,
// crack check, result boxes and the calculation text, in that order.
#include "wallcalc/engine/compute.hpp"

#include <algorithm>
#include <cmath>

#include "basis_2010.hpp"
#include "loads.hpp"
#include "per_thread.hpp"
#include "report_values.hpp"
#include "run.hpp"
#include "wallcalc/engine/bars.hpp"
#include "wallcalc/engine/crack.hpp"
#include "wallcalc/engine/design.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc {
namespace {

using detail::Run;
using detail::Step;
using detail::Stop;

inline constexpr std::string_view kReminder = "注意人防选择，搞结构的要细心哟！";
inline constexpr std::string_view kMomentTooLarge = "所受弯矩过大，请增加外墙厚度";
// 1e12/s and 1e12·h5² must stay numbers: the area of any bar per metre (below 1e4·1000/s)
// and the products of the section design then stay far enough from the largest double.
inline constexpr double kRangeHeadroom = 1e12;
inline constexpr std::string_view kNoBarFits = "算不出来，请增加外墙厚度，或采取其他措施";

class Driver {
  public:
    Driver(Host& host, CalcState& state, Mode mode, bool withText = true)
        : run_(host, state, mode, !withText), withText_(withText) {}

    RunEnd operator()() {
        run_.basis = host().selected(List::Combo4) == 1 ? Basis::Gb2010 : Basis::Gb2002;
        if (auto stop = lookupMaterials()) return stopped(*stop);
        if (auto stop = readInputs()) return stopped(*stop);
        const int position = run_.host.selected(List::Combo3);
        if (position < 0 || position > 2) return RunEnd::NoCase;
        run_.loadCase = static_cast<report::Case>(position);

        if (auto stop = detail::caseProcedure(run_)) return stopped(*stop);
        if (basis2010()) return press2010();
        if (auto stop = designStrength()) return stopped(*stop);
        if (auto stop = chooseBarsStep()) return stopped(*stop);
        report::CrackSection crack = report::CrackSection::CivilDefence;
        if (auto stop = crackStep(crack)) return stopped(*stop);
        s().crackSection = crack;
        if (withText_) writeText(crack);
        return RunEnd::Completed;
    }

  private:
    CalcState& s() { return run_.s; }
    Host& host() { return run_.host; }

    Step lookupMaterials() {
        if (basis2010()) {
            if (auto stop = detail::gradesChosen(concretePosition(), steelPosition(), run_.basis)) {
                return stop;
            }
        }
        // A list without a selection finds nothing; the previous run's values stay.
        if (const auto concrete = concreteStrengths(concretePosition(), run_.mode)) {
            s().Fc = concrete->Fc;
            s().Ft = concrete->Ft;
            s().Ftk = concrete->Ftk;
        }
        if (auto stop = detail::civilDefenceGrade(run_, steelPosition())) return stop;
        if (const auto steel = steelStrength(steelPosition(), run_.mode, run_.basis)) {
            s().Fy = *steel;
        }
        if (basis2010()) {
            s().code2010.materials =
                detail::materials2010(run_, concretePosition(), steelPosition());
        }
        return std::nullopt;
    }
    int concretePosition() { return host().selected(List::Combo1); }
    int steelPosition() { return host().selected(List::Combo2); }
    bool basis2010() const { return run_.basis == Basis::Gb2010; }

    // Every input the state keeps as text is stored as typed; h5 and c1 are converted
    // first (for h0), then h3 and h4 (for L).
    Step readInputs() {
        CalcState& st = s();
        for (const InputBox& in : inputBoxes()) {
            if (in.field != nullptr && readIn(in, run_.basis)) st.*in.field = host().text(in.box);
        }
        double h5 = 0, c1 = 0, h3 = 0, h4 = 0;
        if (auto stop = run_.number(Input::h5, h5)) return stop;
        if (auto stop = run_.number(Input::c1, c1)) return stop;
        st.h0 = h5 - c1;
        if (auto stop = run_.number(Input::h3, h3)) return stop;
        if (auto stop = run_.number(Input::h4, h4)) return stop;
        st.L = h3 - h4;
        if (run_.mode == Mode::CivilDefence) {
            // The civil-defence load goes straight into single precision.
            const std::string_view text = host().text(Box::Text20);
            const auto qrf = toNumber(text);
            if (!qrf) return Stop{detail::notANumberMessage(Box::Text20, text)};
            const auto single = toSingle(*qrf);
            if (!single) return Stop{detail::outOfRangeMessage(boxLabel(Box::Text20))};
            st.RFHZ = *single;
        }
        return std::nullopt;
    }

    Step designStrength() {
        CalcState& st = s();
        if (!st.Fc) return Stop{"没有选择砼强度等级，请在“砼强度等级：”中选择"};
        if (!st.Fy) return Stop{"没有选择钢筋种类，请在“钢筋种类：”中选择"};
        // A wall and cover typed near the ends of the number range give no depth at all.
        if (!std::isfinite(st.h0)) return Stop{detail::outOfRangeMessage("h0")};
        if (!(st.h0 > 0)) {
            return Stop{"墙厚度h5（mm）减去迎水面保护层厚度c1(mm)得到的有效高度h0=" +
                        report::doubleText(st.h0) + "，不大于0，请检查墙厚度和保护层厚度"};
        }
        const StrengthDesign design = strengthDesign(st.MB, *st.Fc, st.h0, value(*st.Fy));
        if (!design.outOfRange.empty()) return Stop{detail::outOfRangeMessage(design.outOfRange)};
        st.alfas = design.alfas;
        if (design.momentTooLarge) host().showMessage(kMessageTitle, kMomentTooLarge);
        st.kese = design.kese;
        st.Aas = design.Aas;
        writeResultNumber(st.MBk);
        writeResultNumber(st.Aas);
        return std::nullopt;
    }

    Step chooseBarsStep() {
        CalcState& st = s();
        double spacing = 0;
        if (auto stop = run_.number(Input::ss, spacing)) return stop;
        if (!(spacing > 0)) return Stop{detail::mustBePositiveMessage(Box::Text10, st.ss)};
        const BarChoice bars = chooseBars(st.Aas, spacing);
        if (!bars.outOfRange.empty()) return Stop{detail::outOfRangeMessage(bars.outOfRange)};
        st.SAas = bars.SAas;
        st.d = bars.d;
        st.deq = bars.d;
        if (bars.noneFits) host().showMessage(kMessageTitle, kNoBarFits);
        writeResultDiameter(st.d);
        return std::nullopt;
    }

    Step crackStep(report::CrackSection& crack) {
        using report::CrackSection;
        CalcState& st = s();
        if (run_.mode == Mode::CivilDefence || std::holds_alternative<std::string>(st.d)) {
            // No crack width for civil-defence works, nor without a bar to check.
            crack = run_.mode == Mode::CivilDefence ? CrackSection::CivilDefence
                                                    : CrackSection::NoBarFits;
            for (int i = 0; i < 3; ++i)
                writeResult(" ");
            return std::nullopt;
        }

        double limit = 0;
        if (auto stop = run_.number(Input::Wmax, limit)) return stop;
        if (!(limit > 0)) return Stop{detail::mustBePositiveMessage(Box::Text8, st.Wmax)};

        if (!(st.MBk > 0)) {
            // The water face is not in tension: no crack width to check.
            crack = CrackSection::NoTension;
            st.W = 0;
            writeResult(written(Box::Text7));
            writeResult("0");
            writeResultDiameter(st.deq);
            return std::nullopt;
        }

        const CrackCheck check = crackCheck2002(limit);
        if (check.end == CrackEnd::OutOfRange) {
            return Stop{detail::outOfRangeMessage(check.outOfRange)};
        }
        st.Rte = check.last.Rte;
        st.Csk = check.last.Csk;
        st.Fai = check.last.Fai;
        st.W = check.last.W;
        st.Aas = check.Aas;
        st.deq = check.deq;

        if (check.end == CrackEnd::NotMet) {
            crack = CrackSection::LimitNotReached;
            host().showMessage(
                kMessageTitle,
                "选用50mm钢筋时裂缝宽度仍大于裂缝限值，请增加外墙厚度或减小钢筋间距");
            for (int i = 0; i < 3; ++i)
                writeResult(" ");
            return std::nullopt;
        }
        crack = CrackSection::Checked;
        writeResultNumber(st.Aas);
        writeResultNumber(st.W);
        writeResultDiameter(st.deq);
        return std::nullopt;
    }

    // From the strength area and the strength bars (h5, c1 and the spacing were
    // converted earlier in this run).
    CrackCheck crackCheck2002(double limit) {
        CalcState& st = s();
        CrackInputs section;
        section.MBk = st.MBk;
        section.h0 = st.h0;
        section.Ftk = *st.Ftk;
        section.limit = limit;
        (void)run_.number(Input::h5, section.h5);
        (void)run_.number(Input::c1, section.c1);
        (void)run_.number(Input::ss, section.spacing);
        return crackCheck(section, st.Aas, std::get<int>(st.deq));
    }

    // The 2010 basis after its moments: MBk, then the earth face at the base designed at
    // once (h0 depends on the bars, which need the spacing), its boxes written in the
    // order of a run with the messages where they belong.
    RunEnd press2010() {
        CalcState& st = s();
        CalcState::Code2010& c = st.code2010;
        writeResultShown(c.MBk);
        if (auto stop = readThickness()) return stopped(*stop);
        if (auto stop = readSpacingAndLimit()) return stopped(*stop);
        c.base = detail::designBase2010(run_);
        const design::FaceDesign& f = c.base;
        // A wall no thicker than its cover and half a bar has no effective depth to design.
        if (!(f.strength.h0 > 0)) {
            return stopped(Stop{"有效高度h0=h5-c1-d/2=" + report::shownText(f.strength.h0) +
                                "(mm)不大于0，请增加墙厚度h5或减小迎水面保护层厚度c1"});
        }
        if (f.strength.tooSmall) host().showMessage(kMessageTitle, kMomentTooLarge);
        const design::Materials& m = c.materials;
        c.xiB = design::limitXi(m.concrete->beta1, m.fy(), m.steel->Es, m.concrete->epsCu());
        if (f.strength.xi > c.xiB) {
            return stopped(Stop{"相对受压区高度ξ=" + report::shownText(f.strength.xi) +
                                " 大于界限值ξb=" + report::shownText(c.xiB) +
                                "（超筋），请增加外墙厚度或提高砼强度等级"});
        }
        if (!std::isfinite(f.strength.As)) return stopped(Stop{detail::outOfRangeMessage("As")});
        writeResultShown(f.strength.As);
        st.d = f.strengthBars ? Diameter{f.strengthBars->d} : Diameter{std::string(kTooLarge)};
        st.deq = st.d;
        if (!f.strengthBars) host().showMessage(kMessageTitle, kNoBarFits);
        writeResultDiameter(st.d);
        report::CrackSection crack = crackBoxes2010();
        s().crackSection = crack;
        if (withText_) writeText(crack);
        return RunEnd::Completed;
    }

    // The 2010 design divides by the thickness (ρte = As/(0.5·1000·h5)) and takes the
    // cover as it stands into h0 and cs: a wall of no thickness, or a cover of none or
    // below none (which lifts h0 beyond the wall), is no wall to design.
    Step readThickness() {
        double h5 = 0, c1 = 0;
        if (auto stop = run_.number(Input::h5, h5)) return stop;
        if (!(h5 > 0)) return Stop{detail::mustBePositiveMessage(Box::Text4, s().h5)};
        // 1000·h0² (αs) and the steel of so thick a wall (As,min = ρ·1000·h5) must stay
        // numbers: a thickness whose square leaves the range is no wall to design.
        if (!std::isfinite(h5 * h5 * kRangeHeadroom)) {
            return Stop{detail::tooLargeMessage(Box::Text4, s().h5)};
        }
        if (auto stop = run_.number(Input::c1, c1)) return stop;
        if (!(c1 > 0)) return Stop{detail::mustBePositiveMessage(Box::Text13, s().c1)};
        return std::nullopt;
    }

    // The spacing, and in ordinary works the crack-width limit, before the design needs them.
    Step readSpacingAndLimit() {
        double spacing = 0, limit = 0;
        if (auto stop = run_.number(Input::ss, spacing)) return stop;
        if (!(spacing > 0)) return Stop{detail::mustBePositiveMessage(Box::Text10, s().ss)};
        // The bars' area per metre is 1000/s times a bar's; a spacing so small that this
        // (with room for the products of the crack width) leaves the range of numbers would
        // write inf and nan into the text and the verdict.
        if (!std::isfinite(kRangeHeadroom / spacing)) {
            return Stop{detail::tooSmallMessage(Box::Text10, s().ss)};
        }
        if (run_.mode == Mode::CivilDefence) return std::nullopt;
        if (auto stop = run_.number(Input::Wmax, limit)) return stop;
        if (!(limit > 0)) return Stop{detail::mustBePositiveMessage(Box::Text8, s().Wmax)};
        return std::nullopt;
    }

    report::CrackSection crackBoxes2010() {
        using report::CrackSection;
        CalcState& st = s();
        const design::FaceDesign& f = st.code2010.base;
        const auto blanks = [this] {
            for (int i = 0; i < 3; ++i)
                writeResult(" ");
        };
        if (run_.mode == Mode::CivilDefence) return blanks(), CrackSection::CivilDefence;
        if (!f.strengthBars) return blanks(), CrackSection::NoBarFits;
        if (!(st.code2010.Mq > 0)) {
            writeResult(written(Box::Text7));
            writeResult("0");
            writeResultDiameter(st.deq);
            return CrackSection::NoTension;
        }
        st.deq = f.placed->d;
        if (!f.crackMet) {
            host().showMessage(
                kMessageTitle,
                "选用50mm钢筋时裂缝宽度仍大于裂缝限值，请增加外墙厚度或减小钢筋间距");
            blanks();
            return CrackSection::LimitNotReached;
        }
        writeResultShown(f.placed->area);
        writeResultShown(f.crack->w);
        writeResultDiameter(st.deq);
        return CrackSection::Checked;
    }

    // A value of the 2010 basis as the window shows it (three decimals).
    void writeResultShown(double value) {
        if (!withText_) {
            ++count_;
            return;
        }
        std::array<char, report::kNumberTextRoom> text;
        writeResult(upTo(text.data(), report::writeDouble(text.data(), report::shown(value))));
    }

    // The steel areas of sections 2 and 3 are cited as their boxes show them.
    void writeText(report::CrackSection crack) {
        const std::string& text7 = written(Box::Text7);
        const std::string& text9 = written(Box::Text9);
        const auto mode =
            run_.mode == Mode::CivilDefence ? report::Mode::CivilDefence : report::Mode::Ordinary;
        const auto basis = basis2010() ? report::Basis::Gb2010 : report::Basis::Gb2002;
        const report::Values values = basis2010() ? detail::reportValues2010(s(), text7, text9)
                                                  : detail::reportValues(s(), text7, text9);
        // Written in room kept from one press to the next, then copied into the box.
        WALLCALC_PER_THREAD std::string room;
        host().setText(Box::Text12, report::writeCalculationText(room, basis, mode, run_.loadCase,
                                                                 crack, values));
    }

    // The next result box in the order of a run; the run keeps what it wrote. A run
    // without text (the supplementary design's second opinion) shows no result boxes
    // either, and does not make their texts.
    void writeResult(std::string_view text) {
        if (!withText_) {
            ++count_;
            return;
        }
        host().setText(resultBoxes()[count_].box, text);
        written_[count_++].assign(text);
    }
    // The text a number's writer wrote from `from` to `end`.
    static std::string_view upTo(const char* from, const char* end) {
        return {from, static_cast<std::size_t>(end - from)};
    }
    void writeResultNumber(float value) {
        if (!withText_) {
            ++count_;
            return;
        }
        std::array<char, report::kNumberTextRoom> text;
        writeResult(upTo(text.data(), report::writeSingle(text.data(), value)));
    }
    void writeResultDiameter(const Diameter& diameter) {
        if (const int* mm = std::get_if<int>(&diameter)) {
            std::array<char, report::kNumberTextRoom> text;
            writeResult(upTo(text.data(), report::writeWhole(text.data(), *mm)));
        } else {
            writeResult(std::get<std::string>(diameter));
        }
    }
    const std::string& written(Box box) const {
        std::size_t i = 0;
        while (resultBoxes()[i].box != box)
            ++i;
        return written_[i];
    }

    // A run that ends early shows its message. Result boxes it had already written keep
    // their new texts; the ones it had not reached are emptied, so that no result of an
    // earlier run stands beside them. The calculation text is left as it was.
    RunEnd stopped(const Stop& stop) {
        if (!stop.message.empty()) host().showMessage(kMessageTitle, stop.message);
        if (count_ > 0) {
            while (count_ < kResultCount)
                writeResult("");
        }
        return RunEnd::Stopped;
    }

    Run run_;
    bool withText_;
    std::array<std::string, kResultCount> written_;
    std::size_t count_ = 0;
};

}  // namespace

RunEnd detail::computeWithoutText(Host& host, Mode mode, CalcState& state) {
    return Driver(host, state, mode, false)();
}

RunEnd COMPUTE(Host& host, int X, CalcState& state) {
    // The choice is tested three times, each test on its own; a run never changes X.
    RunEnd end = RunEnd::NoRun;
    if (X == kOrdinary) end = Driver(host, state, Mode::Ordinary)();
    if (X == kCivilDefence) end = Driver(host, state, Mode::CivilDefence)();
    if (X == kNoChoiceYet) {
        host.showMessage(kMessageTitle, kReminder);
        end = RunEnd::Reminder;
    }
    return end;
}

}  // namespace wallcalc
