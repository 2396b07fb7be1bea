#include "render/area_average.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace brontel {
namespace {

// Along one axis, source pixel i spans [i * to, (i + 1) * to) and result pixel j spans
// [j * from, (j + 1) * from) in units of 1 / (from * to) pixel, so every overlap is a whole
// number and the weights of one result pixel add up to `from`.
struct Span {
    int first = 0;    // first source pixel
    int weights = 0;  // offset of its weights in AxisWeights::weight
    int count = 0;
};

struct AxisWeights {
    std::vector<Span> spans;  // one per result pixel in [begin, end)
    std::vector<std::uint32_t> weight;
};

AxisWeights axisWeights(int from, int to, int begin, int end) {
    AxisWeights axis;
    axis.spans.reserve(static_cast<std::size_t>(end - begin));
    for (int j = begin; j < end; ++j) {
        const std::int64_t lo = std::int64_t{j} * from;
        const std::int64_t hi = lo + from;
        Span span{static_cast<int>(lo / to), static_cast<int>(axis.weight.size()), 0};
        for (std::int64_t i = span.first; i * to < hi; ++i, ++span.count) {
            const std::int64_t start = std::max(i * to, lo);
            const std::int64_t stop = std::min((i + 1) * to, hi);
            axis.weight.push_back(static_cast<std::uint32_t>(stop - start));
        }
        axis.spans.push_back(span);
    }
    return axis;
}

struct Channels {
    std::vector<std::uint32_t> red, green, blue;

    explicit Channels(std::size_t columns) : red(columns), green(columns), blue(columns) {}

    void clear() {
        std::fill(red.begin(), red.end(), 0u);
        std::fill(green.begin(), green.end(), 0u);
        std::fill(blue.begin(), blue.end(), 0u);
    }

    void add(const QRgb* row) {
        for (std::size_t x = 0; x < red.size(); ++x) {
            red[x] += (row[x] >> 16) & 0xFFu;
            green[x] += (row[x] >> 8) & 0xFFu;
            blue[x] += row[x] & 0xFFu;
        }
    }

    void add(const QRgb* row, std::uint32_t weight) {
        for (std::size_t x = 0; x < red.size(); ++x) {
            red[x] += ((row[x] >> 16) & 0xFFu) * weight;
            green[x] += ((row[x] >> 8) & 0xFFu) * weight;
            blue[x] += (row[x] & 0xFFu) * weight;
        }
    }

    void weighAndAdd(std::uint32_t weight, Channels& to) const {
        for (std::size_t x = 0; x < red.size(); ++x) {
            to.red[x] += red[x] * weight;
            to.green[x] += green[x] * weight;
            to.blue[x] += blue[x] * weight;
        }
    }
};

// Column sums of the source rows under one result row, channel by channel. Rows wholly
// inside the result row (all but the first and last) share one weight, so they are added
// plainly and weighted once; whole rows at a time keep the loops simple enough for the
// compiler to vectorise.
class ColumnSums {
public:
    ColumnSums(std::size_t columns, std::uint32_t wholeWeight)
        : wholeWeight_(wholeWeight), weighted_(columns), whole_(columns) {}

    void clear() {
        weighted_.clear();
        whole_.clear();
    }

    void add(const QRgb* row, std::uint32_t weight) {
        if (weight == wholeWeight_)
            whole_.add(row);
        else
            weighted_.add(row, weight);
    }

    // The weighted sums of every column; valid until the next clear().
    const Channels& totals() {
        whole_.weighAndAdd(wholeWeight_, weighted_);
        return weighted_;
    }

private:
    std::uint32_t wholeWeight_;
    Channels weighted_, whole_;
};

std::uint64_t weightedSum(const std::uint32_t* sums, const std::uint32_t* weights, int count) {
    std::uint64_t total = 0;
    for (int k = 0; k < count; ++k) total += std::uint64_t{sums[k]} * weights[k];
    return total;
}

// Divides weighted sums by the source area, rounding halves up. One division per channel and
// pixel would dominate the whole resampling, so the quotient is estimated through the
// reciprocal and then corrected to the exact integer result.
class AreaDivider {
public:
    explicit AreaDivider(std::uint64_t area) : area_(area), reciprocal_(1.0 / double(area)) {}

    int meanOf(std::uint64_t sum) const {
        const std::uint64_t rounded = sum + area_ / 2;
        // Sums stay below 2^53, so the estimate is within one of the quotient.
        auto quotient = static_cast<std::uint64_t>(
            static_cast<std::int64_t>(static_cast<double>(rounded) * reciprocal_));
        if (quotient * area_ > rounded) --quotient;
        if ((quotient + 1) * area_ <= rounded) ++quotient;
        return static_cast<int>(quotient);
    }

private:
    std::uint64_t area_;
    double reciprocal_;
};

// Reduces the column sums across to the part's result pixels.
void writeRow(const Channels& sums, const AxisWeights& across, int firstColumn,
              const AreaDivider& area, QRgb* out) {
    for (std::size_t j = 0; j < across.spans.size(); ++j) {
        const Span& span = across.spans[j];
        const auto column = static_cast<std::size_t>(span.first - firstColumn);
        const std::uint32_t* w = &across.weight[static_cast<std::size_t>(span.weights)];
        out[j] = qRgb(area.meanOf(weightedSum(&sums.red[column], w, span.count)),
                      area.meanOf(weightedSum(&sums.green[column], w, span.count)),
                      area.meanOf(weightedSum(&sums.blue[column], w, span.count)));
    }
}

}  // namespace

QImage areaAverage(const QImage& source, QSize size, const QRect& part) {
    if (part.isEmpty() || source.isNull()) return {};
    QImage result(part.size(), QImage::Format_RGB32);
    if (result.isNull()) return {};
    const AxisWeights across =
        axisWeights(source.width(), size.width(), part.left(), part.right() + 1);
    const AxisWeights down =
        axisWeights(source.height(), size.height(), part.top(), part.bottom() + 1);
    const int firstColumn = across.spans.front().first;
    const Span& lastSpan = across.spans.back();
    ColumnSums sums(static_cast<std::size_t>(lastSpan.first + lastSpan.count - firstColumn),
                    static_cast<std::uint32_t>(size.height()));
    const AreaDivider area(std::uint64_t(source.width()) * std::uint64_t(source.height()));

    for (int y = 0; y < part.height(); ++y) {
        const Span& span = down.spans[static_cast<std::size_t>(y)];
        sums.clear();
        for (int k = 0; k < span.count; ++k) {
            const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(span.first + k));
            sums.add(row + firstColumn, down.weight[static_cast<std::size_t>(span.weights + k)]);
        }
        writeRow(sums.totals(), across, firstColumn, area,
                 reinterpret_cast<QRgb*>(result.scanLine(y)));
    }
    return result;
}

}  // namespace brontel
