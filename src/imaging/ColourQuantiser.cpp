#include "imaging/ColourQuantiser.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <unordered_map>

namespace vimo::imaging {
namespace {

constexpr int kPaletteSize = 256;
constexpr int kMostExact = 224; // at least 32 entries are left for the colours that are reduced

struct ColourCount {
    QRgb colour;
    std::uint64_t count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : (axis == 1 ? qGreen(c) : qBlue(c));
}

// A box of the median cut: a range of `colours` (the rare colours sorted as the cut goes).
struct Box {
    std::size_t begin;
    std::size_t end;
    std::uint64_t population;
    int longestAxis;
    int extent; // length of the longest axis
};

Box makeBox(const std::vector<ColourCount>& colours, std::size_t begin, std::size_t end)
{
    std::array<int, 3> low{255, 255, 255};
    std::array<int, 3> high{0, 0, 0};
    std::uint64_t population = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], channel(colours[i].colour, a));
            high[a] = std::max(high[a], channel(colours[i].colour, a));
        }
        population += colours[i].count;
    }
    Box box{begin, end, population, 0, high[0] - low[0]};
    for (int a = 1; a < 3; ++a) {
        if (high[a] - low[a] > box.extent) {
            box.extent = high[a] - low[a];
            box.longestAxis = a;
        }
    }
    return box;
}

// Median cut of the colours into at most `entries` boxes; each box gives its population-weighted mean colour.
std::vector<QRgb> medianCut(std::vector<ColourCount> colours, int entries)
{
    std::vector<Box> boxes;
    if (colours.empty() || entries <= 0)
        return {};
    boxes.push_back(makeBox(colours, 0, colours.size()));
    while (int(boxes.size()) < entries) {
        // Split the box whose colours spread most, weighted by how many pixels they cover.
        auto worst = boxes.end();
        double worstScore = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            const double score = double(it->extent) * double(it->population);
            if (it->end - it->begin > 1 && it->extent > 0 && score > worstScore) {
                worstScore = score;
                worst = it;
            }
        }
        if (worst == boxes.end())
            break; // every box holds one colour
        const Box box = *worst;
        const int axis = box.longestAxis;
        std::sort(colours.begin() + std::ptrdiff_t(box.begin), colours.begin() + std::ptrdiff_t(box.end),
                  [axis](const ColourCount& a, const ColourCount& b) {
                      return channel(a.colour, axis) != channel(b.colour, axis)
                                 ? channel(a.colour, axis) < channel(b.colour, axis)
                                 : a.colour < b.colour;
                  });
        std::uint64_t seen = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            seen += colours[i].count;
            split = i + 1;
            if (2 * seen >= box.population)
                break;
        }
        *worst = makeBox(colours, box.begin, split);
        boxes.push_back(makeBox(colours, split, box.end));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        for (std::size_t i = box.begin; i < box.end; ++i)
            for (int a = 0; a < 3; ++a)
                sum[std::size_t(a)] += std::uint64_t(channel(colours[i].colour, a)) * colours[i].count;
        const auto mean = [&](int a) { return int((sum[std::size_t(a)] + box.population / 2) / box.population); };
        palette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    return palette;
}

// Nearest palette entry by squared distance, cached per 6-bit cell of the colour cube.
class NearestColour {
public:
    explicit NearestColour(const std::vector<QRgb>& palette) : m_palette(palette), m_cache(1 << 18, -1) {}

    std::uint8_t operator()(int r, int g, int b)
    {
        const int cell = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
        if (m_cache[std::size_t(cell)] < 0)
            m_cache[std::size_t(cell)] = std::int16_t(search((r & ~3) | 2, (g & ~3) | 2, (b & ~3) | 2));
        return std::uint8_t(m_cache[std::size_t(cell)]);
    }

private:
    int search(int r, int g, int b) const
    {
        int best = 0;
        int bestDistance = 1 << 30;
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(m_palette[i]) - r;
            const int dg = qGreen(m_palette[i]) - g;
            const int db = qBlue(m_palette[i]) - b;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        return best;
    }

    const std::vector<QRgb>& m_palette;
    std::vector<std::int16_t> m_cache;
};

} // namespace

IndexedImage quantise(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));

    std::unordered_map<QRgb, std::uint64_t> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[row[x] | 0xFF000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, count});
    // Most frequent first; equal counts by colour, so the palette never depends on the hash order.
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });

    // Colours kept exactly: all of them when they fit, else the frequent ones.
    const std::uint64_t pixels = out.pixels.size();
    std::size_t exact = colours.size();
    if (colours.size() > kPaletteSize) {
        const std::uint64_t frequent = std::max<std::uint64_t>(16, pixels / 10000);
        exact = 0;
        while (exact < kMostExact && colours[exact].count >= frequent)
            ++exact;
    }
    std::unordered_map<QRgb, std::uint8_t> exactIndex;
    for (std::size_t i = 0; i < exact; ++i) {
        exactIndex.emplace(colours[i].colour, std::uint8_t(i));
        out.palette.push_back(colours[i].colour);
    }
    if (exact == colours.size()) {
        for (int y = 0; y < out.height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < out.width; ++x)
                out.pixels[std::size_t(y) * std::size_t(out.width) + std::size_t(x)] = exactIndex[row[x] | 0xFF000000u];
        }
        return out;
    }

    const std::vector<QRgb> reduced = medianCut(
        std::vector<ColourCount>(colours.begin() + std::ptrdiff_t(exact), colours.end()), kPaletteSize - int(exact));
    out.palette.insert(out.palette.end(), reduced.begin(), reduced.end());

    // Floyd-Steinberg over the reduced colours: an exact colour takes no error and passes none on.
    NearestColour nearest(out.palette);
    const std::size_t w = std::size_t(out.width);
    std::vector<std::array<int, 3>> errorThisRow(w + 2, {0, 0, 0});
    std::vector<std::array<int, 3>> errorNextRow(w + 2, {0, 0, 0});
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::swap(errorThisRow, errorNextRow);
        std::fill(errorNextRow.begin(), errorNextRow.end(), std::array<int, 3>{0, 0, 0});
        for (std::size_t x = 0; x < w; ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            std::uint8_t& target = out.pixels[std::size_t(y) * w + x];
            const auto found = exactIndex.find(colour);
            if (found != exactIndex.end()) {
                target = found->second;
                continue;
            }
            // Errors are kept in sixteenths.
            const std::array<int, 3>& e = errorThisRow[x + 1];
            const int want[3] = {std::clamp(qRed(colour) + e[0] / 16, 0, 255),
                                 std::clamp(qGreen(colour) + e[1] / 16, 0, 255),
                                 std::clamp(qBlue(colour) + e[2] / 16, 0, 255)};
            target = nearest(want[0], want[1], want[2]);
            const QRgb got = out.palette[target];
            const int diff[3] = {want[0] - qRed(got), want[1] - qGreen(got), want[2] - qBlue(got)};
            for (int a = 0; a < 3; ++a) {
                errorThisRow[x + 2][std::size_t(a)] += diff[a] * 7;
                errorNextRow[x][std::size_t(a)] += diff[a] * 3;
                errorNextRow[x + 1][std::size_t(a)] += diff[a] * 5;
                errorNextRow[x + 2][std::size_t(a)] += diff[a] * 1;
            }
        }
    }
    return out;
}

} // namespace vimo::imaging
