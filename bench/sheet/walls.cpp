#include "walls.hpp"

#include <cstdio>
#include <initializer_list>
#include <random>
#include <vector>

#include "wallcalc/cli/csv.hpp"

namespace wallcalc::bench {
namespace {

class Draw {
  public:
    explicit Draw(unsigned seed) : random_(seed) {}

    template <typename T>
    T pick(std::initializer_list<T> items) {
        std::uniform_int_distribution<std::size_t> d(0, items.size() - 1);
        return *(items.begin() + static_cast<std::ptrdiff_t>(d(random_)));
    }
    std::string number(double low, double high) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f",
                      std::uniform_real_distribution<>(low, high)(random_));
        return text;
    }

  private:
    std::mt19937 random_;
};

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

cli::CsvRecord wall(Draw& draw, std::size_t row) {
    const double h1 = draw.pick({-0.3, -0.45, -0.6});
    const double h3 = draw.pick({-1.8, -2.45, -3.2});
    const double h4 = draw.pick({-5.5, -6.3, -7.1});
    const std::string kase = draw.pick<std::string>({"A", "B", "C"});
    std::string h2;
    if (kase == "A") h2 = draw.number(h3 + 0.05, h1 - 0.05);
    if (kase == "B") h2 = draw.number(h4 + 0.05, h3 - 0.05);
    if (kase == "C") h2 = draw.number(h4 - 1.5, h4 - 0.01);
    const std::string mode = draw.pick<std::string>({"ordinary", "civil-defence"});
    return {"W" + std::to_string(row + 1),
            mode,
            kase,
            draw.pick<std::string>({"C20", "C25", "C30", "C35", "C40", "C50"}),
            draw.pick<std::string>({"HPB235", "HRB335", "HRB400", "RRB400"}),
            decimal(h1),
            h2,
            decimal(h3),
            decimal(h4),
            draw.pick<std::string>({"250", "300", "350", "400", "500"}),
            draw.pick<std::string>({"25", "35", "50"}),
            draw.pick<std::string>({"18", "19.5", "20"}),
            draw.pick<std::string>({"5", "10", "20"}),
            draw.pick<std::string>({"1.2", "1.3", "1.35"}),
            draw.pick<std::string>({"100", "120", "150", "200"}),
            draw.pick<std::string>({"0.2", "0.25", "0.3"}),
            mode == "civil-defence" ? draw.pick<std::string>({"30", "50", "100"}) : ""};
}

}  // namespace

std::string wallsCsv(std::size_t rows, unsigned seed) {
    static const cli::CsvRecord header = {"name", "mode", "case",    "concrete", "steel", "h1",
                                          "h2",   "h3",   "h4",      "h5",       "c1",    "gamma",
                                          "qfj",  "eta",  "spacing", "limit",    "qrf"};
    Draw draw(seed);
    std::string text = cli::csvRecord(header);
    for (std::size_t row = 0; row < rows; ++row)
        text += cli::csvRecord(wall(draw, row));
    return text;
}

}  // namespace wallcalc::bench
