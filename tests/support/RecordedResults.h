#pragma once
// Results recorded to a text file as hex floats, so that every bit of every
// double survives the round trip, under any locale. A file holds named
// cases:
//
//   # comment lines
//   case <name without blanks> <count>
//   <count values, eight to a line>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace veltrane::test {

struct RecordedCase {
    std::string name;
    std::vector<double> values;
};

using RecordedCases = std::vector<RecordedCase>;

inline std::string hexText(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::hex);
    return std::string(buf, r.ptr);
}

inline bool writeRecorded(const std::string& path, const std::string& comment, const RecordedCases& cases)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::istringstream lines(comment);
    for (std::string line; std::getline(lines, line);)
        out << "# " << line << '\n';
    for (const RecordedCase& c : cases) {
        out << "case " << c.name << ' ' << c.values.size() << '\n';
        for (std::size_t i = 0; i < c.values.size(); ++i)
            out << hexText(c.values[i]) << ((i % 8 == 7 || i + 1 == c.values.size()) ? '\n' : ' ');
    }
    out.flush();
    return bool(out);
}

// The cases of the file; empty when it cannot be read or is malformed.
inline RecordedCases readRecorded(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    RecordedCases cases;
    std::string word;
    while (in >> word) {
        if (word.starts_with("#")) {
            std::getline(in, word);
            continue;
        }
        RecordedCase c;
        std::size_t count = 0;
        if (word != "case" || !(in >> c.name >> count))
            return {};
        c.values.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            if (!(in >> word))
                return {};
            double v = 0.0;
            const auto r = std::from_chars(word.data(), word.data() + word.size(), v, std::chars_format::hex);
            if (r.ec != std::errc() || r.ptr != word.data() + word.size())
                return {};
            c.values.push_back(v);
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

// Two results agree when they are equal (the same no-value marker, the same
// infinity, both NaN) or differ by at most `relative` of the larger.
inline bool agree(double recorded, double now, double relative)
{
    if (recorded == now || (std::isnan(recorded) && std::isnan(now)))
        return true;
    return std::abs(recorded - now) <= relative * std::max(std::abs(recorded), std::abs(now));
}

}  // namespace veltrane::test
