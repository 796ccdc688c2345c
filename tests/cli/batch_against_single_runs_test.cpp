// A thousand walls through the real `wallcalc-cli --batch`: good rows of both modes and
// every case, rows that end early (no option, elevations that do not fit, a box that is
// not a number) and rows that are not understood. Every row's results must be those of a
// single `wallcalc-cli` run with the same inputs, and the output must open in Excel as
// it should: a byte-order mark, CR LF, RFC 4180 quoting.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>

#include "cli_process.hpp"
#include "wallcalc/cli/csv.hpp"

namespace {

using wallcalc::cli::CsvReader;
using wallcalc::cli::CsvRecord;
using wallcalc::testing::runCli;

// The session keys less "c2": an absent column keeps the window's default.
const CsvRecord kHeader = {"name", "mode", "case",    "concrete", "steel", "h1",
                           "h2",   "h3",   "h4",      "h5",       "c1",    "gamma",
                           "qfj",  "eta",  "spacing", "limit",    "qrf"};
constexpr std::size_t kRows = 1200;

struct Walls {
    std::mt19937 random{20240501};

    template <typename T>
    T pick(std::initializer_list<T> items) {
        std::uniform_int_distribution<std::size_t> d(0, items.size() - 1);
        return *(items.begin() + static_cast<std::ptrdiff_t>(d(random)));
    }
    std::string number(double low, double high) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f",
                      std::uniform_real_distribution<>(low, high)(random));
        return text;
    }

    // A wall whose water level suits its case, with some cells left empty.
    CsvRecord good(std::size_t i) {
        const double h1 = pick({-0.3, -0.45, -0.6});
        const double h3 = pick({-1.8, -2.45, -3.2});
        const double h4 = pick({-5.5, -6.3, -7.1});
        const std::string kase = pick({"A", "B", "C"});
        std::string h2;
        if (kase == "A") h2 = number(h3 + 0.05, h1 - 0.05);
        if (kase == "B") h2 = number(h4 + 0.05, h3 - 0.05);
        if (kase == "C") h2 = number(h4 - 1.5, h4 - 0.01);
        const std::string mode = pick({"ordinary", "civil-defence"});
        CsvRecord row = {"W" + std::to_string(i),
                         mode,
                         kase,
                         pick({"C15", "C20", "C25", "C30", "C35", "C40", "C50", "C60", "C80"}),
                         pick({"HPB235", "HRB335", "HRB400", "RRB400", "Ⅲ级(HRB400)"}),
                         std::to_string(h1).substr(0, 5),
                         h2,
                         std::to_string(h3).substr(0, 5),
                         std::to_string(h4).substr(0, 4),
                         pick({"250", "300", "350", "400.0", " 350", "500"}),
                         pick({"25", "35", "50"}),
                         pick({"18", "19.5", "20"}),
                         pick({"5", "10", "20"}),
                         pick({"1.2", "1.3", "1.35"}),
                         pick({"100", "120", "150", "200"}),
                         pick({"0.2", "0.25", "0.3"}),
                         mode == "civil-defence" ? pick({"30", "50", "100"}) : ""};
        for (std::size_t c = 2; c < row.size(); ++c) {
            if (std::uniform_int_distribution<>(0, 9)(random) == 0) row[c].clear();
        }
        return row;
    }

    CsvRecord row(std::size_t i) {
        CsvRecord r = good(i);
        switch (i % 10) {
            case 6:  // no option clicked: the reminder
                r[1].clear();
                break;
            case 7:  // a box that is not a number, or water below the base in case A
                if (i % 20 == 17) {
                    r[2] = "A";
                    r[6] = "-99";
                } else {
                    r[pick<std::size_t>({5, 9, 13, 14})] = pick({"abc", "1,5", "3..5", "h"});
                }
                break;
            case 8:  // not understood
                r[pick<std::size_t>({1, 3, 4})] = pick({"C33", "both", "HRB500"});
                break;
            case 9:  // a name Excel must get back whole
                r[0] = "W,\"" + std::to_string(i) + "\"\n第二行";
                break;
        }
        if (i % 97 == 0) r.push_back("extra");  // more cells than the header names
        return r;
    }
};

std::string writeInput(const std::vector<CsvRecord>& rows, bool byteOrderMark) {
    std::string text = byteOrderMark ? std::string(wallcalc::cli::kUtf8Bom) : "";
    for (const CsvRecord& r : rows)
        text += wallcalc::cli::csvRecord(r);
    return text;
}

// The single run of one row: every non-empty cell but the name as an option.
wallcalc::testing::CliRun singleRun(const CsvRecord& row) {
    std::vector<std::string> args;
    for (std::size_t c = 1; c < kHeader.size(); ++c) {
        if (!row[c].empty()) args.insert(args.end(), {"--" + kHeader[c], row[c]});
    }
    args.push_back("--json");
    return runCli(args);
}

TEST(BatchAgainstSingleRuns, AThousandRowsMatchRowByRow) {
    Walls walls;
    std::vector<CsvRecord> rows = {kHeader};
    for (std::size_t i = 1; i <= kRows; ++i)
        rows.push_back(walls.row(i));
    const std::string folder = wallcalc::testing::scratchFolder("thousand-rows");
    const std::string withMark = folder + "/walls-bom.csv";
    const std::string withoutMark = folder + "/walls.csv";
    std::ofstream(withMark, std::ios::binary) << writeInput(rows, true);
    std::ofstream(withoutMark, std::ios::binary) << writeInput(rows, false);

    // Rows ended early and rows not understood: the exit status says so.
    const auto batch = runCli({"--batch", withMark, "--out", folder + "/out-bom.csv"});
    ASSERT_EQ(batch.status, 1) << batch.err;
    EXPECT_NE(batch.err.find("wallcalc-cli：已计算 1"), std::string::npos) << "progress line";
    const auto plain = runCli({"--batch", withoutMark, "--out", folder + "/out.csv"});
    ASSERT_EQ(plain.status, 1) << plain.err;
    const std::string raw = wallcalc::testing::readWhole(folder + "/out-bom.csv");
    EXPECT_EQ(raw, wallcalc::testing::readWhole(folder + "/out.csv"))
        << "input with and without the byte-order mark";

    // As Excel on Chinese Windows reads it.
    ASSERT_EQ(raw.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 byte-order mark";
    EXPECT_EQ(raw.substr(3, raw.find("\r\n") - 3),
              "name,mode,case,concrete,steel,h1,h2,h3,h4,h5,c1,gamma,qfj,eta,spacing,limit,qrf,"
              "MBk,As,bars,crackAs,Wmax,crackBars,member.baseMoment,member.spanMoment,"
              "member.spanDepth,member.topReaction,member.baseShear,span.As,span.bars,xi.base,"
              "xi.span,xi.limit,minAs,horizontal.As,horizontal.bars,horizontal.innerAs,"
              "horizontal.innerBars,shear.design,shear.capacity,"
              "strengthBarsCrack.area,strengthBarsCrack.Wmax,strengthBarsCrack.meets,"
              "plainBarsCrack.Wmax,plainBarsCrack.meets,governing.As,governing.bars,"
              "governing.from,warnings,verdict,failed,status,messages");
    EXPECT_TRUE(raw.ends_with("\r\n"));
    EXPECT_NE(raw.find("\r\n\"W,\"\"9\"\"\n第二行\","), std::string::npos)
        << "a name with a comma, quotes and a line break is quoted, quotes doubled";
    EXPECT_NE(raw.find(",\" 350\","), std::string::npos) << "a leading blank is quoted";

    const std::vector<CsvRecord> out = wallcalc::testing::csvRecords(raw);
    ASSERT_EQ(out.size(), rows.size());
    std::map<std::string, int> statuses;
    for (std::size_t i = 1; i < out.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const CsvRecord& in = rows[i];
        const CsvRecord& got = out[i];
        ASSERT_EQ(got.size(), out[0].size());
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + kHeader.size(), in.begin()))
            << "the input cells are repeated";
        const std::string& status = got[got.size() - 2];
        ++statuses[status];
        if (in.size() > kHeader.size()) {
            EXPECT_EQ(status, "error");
            continue;
        }
        const auto single = singleRun(in);
        if (single.status == 2) {
            EXPECT_EQ(status, "error") << single.err;
            continue;
        }
        const auto press = nlohmann::json::parse(single.out);
        EXPECT_EQ(status, press["completed"].get<bool>() ? "completed" : "ended");
        const bool satisfied = !press["verdict"].is_null() && press["verdict"]["ok"].get<bool>();
        EXPECT_EQ(single.status, press["completed"].get<bool>() ? (satisfied ? 0 : 3) : 1);
        const char* keys[] = {"MBk", "As", "bars", "crackAs", "Wmax", "crackBars"};
        for (std::size_t k = 0; k < 6; ++k) {
            // A box left showing a blank (crack control in civil-defence works) is empty.
            const auto& boxes = press["results"].is_null() ? press["boxes"] : press["results"];
            const std::string box = boxes[keys[k]];
            EXPECT_EQ(got[kHeader.size() + k], box == " " ? "" : box) << keys[k];
        }
        // The verdict's columns: 满足 or 不满足：…, and the keys of the checks that failed.
        std::string failed;
        if (!press["verdict"].is_null()) {
            for (const auto& f : press["verdict"]["failed"]) {
                const std::string key = f["check"];
                if ((";" + failed + ";").find(";" + key + ";") == std::string::npos)
                    failed += (failed.empty() ? "" : ";") + key;
            }
        }
        EXPECT_EQ(got[got.size() - 3], failed);
        const std::string verdict = got[got.size() - 4];
        EXPECT_EQ(verdict.empty(), press["verdict"].is_null());
        EXPECT_EQ(verdict == "满足", satisfied) << verdict;
        std::string messages;
        for (const auto& m : press["messages"])
            messages += (messages.empty() ? "" : "\n") + m["text"].get<std::string>();
        EXPECT_EQ(got.back(), messages);
    }
    // The mix the rows were made for.
    EXPECT_GT(statuses["completed"], 600);
    EXPECT_GT(statuses["ended"], 200);
    EXPECT_GT(statuses["error"], 100);
    EXPECT_EQ(statuses.size(), 3u);
}

}  // namespace
