#include "toolkit/ImageBlur.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One box pass along a line of `count` pixels (4 channels each) `stride` floats apart.
void blurLine(const float* in, float* out, int count, std::ptrdiff_t stride, int radius) {
    const float window = static_cast<float>(2 * radius + 1);
    float sums[4] = {0, 0, 0, 0};
    auto at = [&](int i) {
        return in + static_cast<std::ptrdiff_t>(std::clamp(i, 0, count - 1)) * stride;
    };
    for (int i = -radius; i <= radius; ++i)  // edges repeat their last pixel
        for (int c = 0; c < 4; ++c)
            sums[c] += at(i)[c];
    for (int i = 0; i < count; ++i) {
        float* target = out + static_cast<std::ptrdiff_t>(i) * 4;
        for (int c = 0; c < 4; ++c)
            target[c] = sums[c] / window;
        const float* entering = at(i + radius + 1);
        const float* leaving = at(i - radius);
        for (int c = 0; c < 4; ++c)
            sums[c] += entering[c] - leaving[c];
    }
}

}  // namespace

int ImageBlur::radiusForStrength(double strength) {
    return static_cast<int>(std::lround(std::clamp(strength, 0.0, 1.0) * 40));
}

QImage ImageBlur::blurredImage(const QImage& image, double strength) {
    const int radius = radiusForStrength(strength);
    // A wide blur leaves no detail finer than a few pixels: blur a smaller copy (at most a
    // 6-pixel radius) and scale it back up, which looks the same for a fraction of the work.
    const int factor = std::max(1, radius / 6);
    if (factor == 1 || image.isNull()) return boxBlur(image, radius);
    const QImage small =
        image.scaled(std::max(1, image.width() / factor), std::max(1, image.height() / factor),
                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return boxBlur(small, std::max(1, radius / factor))
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ImageBlur::boxBlur(const QImage& source, int radius, int passes) {
    if (source.isNull() || radius <= 0 || passes <= 0) return source;
    const QImage input = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = input.width();
    const int height = input.height();
    // Floats between passes: eight-bit rounding would lose faint detail after a few passes.
    std::vector<float> pixels(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(input.constScanLine(y));
        float* out = pixels.data() + static_cast<std::ptrdiff_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            out[x * 4 + 0] = static_cast<float>(qAlpha(row[x]));
            out[x * 4 + 1] = static_cast<float>(qRed(row[x]));
            out[x * 4 + 2] = static_cast<float>(qGreen(row[x]));
            out[x * 4 + 3] = static_cast<float>(qBlue(row[x]));
        }
    }
    std::vector<float> line(static_cast<std::size_t>(std::max(width, height)) * 4);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            float* row = pixels.data() + static_cast<std::ptrdiff_t>(y) * width * 4;
            blurLine(row, line.data(), width, 4, radius);
            std::copy(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(width) * 4, row);
        }
        for (int x = 0; x < width; ++x) {
            float* column = pixels.data() + static_cast<std::ptrdiff_t>(x) * 4;
            blurLine(column, line.data(), height, static_cast<std::ptrdiff_t>(width) * 4, radius);
            for (int y = 0; y < height; ++y)
                std::copy_n(line.data() + static_cast<std::ptrdiff_t>(y) * 4, 4,
                            column + static_cast<std::ptrdiff_t>(y) * width * 4);
        }
    }
    QImage output(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(output.scanLine(y));
        const float* in = pixels.data() + static_cast<std::ptrdiff_t>(y) * width * 4;
        auto channel = [](float value) {
            return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
        };
        for (int x = 0; x < width; ++x)
            row[x] = qRgba(channel(in[x * 4 + 1]), channel(in[x * 4 + 2]), channel(in[x * 4 + 3]),
                           channel(in[x * 4 + 0]));
    }
    return output;
}

QImage ImageBlur::snapshot(QWidget* view) {
    if (!view) return {};
    return view->grab().toImage();
}
