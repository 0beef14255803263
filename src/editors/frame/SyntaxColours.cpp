#include "editors/frame/SyntaxColours.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace {

// The contrast every colour keeps with the background: WCAG's level for normal text.
constexpr double LeastContrast = 4.5;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

struct Hue {
    float degrees;
    float saturation;
};

Hue hueOf(SyntaxKind kind)
{
    switch (kind) {
    case SyntaxKind::Comment:
        return {210, 0.12f}; // a bluish grey
    case SyntaxKind::Command:
        return {215, 0.80f}; // blue
    case SyntaxKind::Number:
        return {285, 0.55f}; // purple
    case SyntaxKind::String:
        return {125, 0.60f}; // green
    case SyntaxKind::Keyword:
        return {25, 0.85f}; // orange, brown on a light background
    case SyntaxKind::ScoreName:
        return {180, 0.70f}; // teal
    }
    return {0, 0};
}

// The hue at the lightness nearest the middle that keeps the contrast with `base`: a darker text
// on a light background, a lighter and softer one (pastel, as dark schemes have it) on a dark
// background. Where no lightness does (a background of middle grey), the palette's own text
// colour.
QColor readableColour(Hue hue, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool lighter = relativeLuminance(text) > relativeLuminance(base);
    const float saturation = lighter ? hue.saturation * 0.75f : hue.saturation;
    for (int step = 0; step <= 50; ++step) {
        const float lightness = lighter ? std::min(0.6f + step / 100.0f, 1.0f) : 0.5f - step / 100.0f;
        const QColor colour = QColor::fromHslF(hue.degrees / 360, saturation, lightness).toRgb();
        if (contrastRatio(colour, base) >= LeastContrast)
            return colour;
    }
    return text;
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QTextCharFormat syntaxFormat(SyntaxKind kind, const QPalette &palette)
{
    QTextCharFormat format;
    format.setForeground(readableColour(hueOf(kind), palette));
    if (kind == SyntaxKind::Comment)
        format.setFontItalic(true);
    if (kind == SyntaxKind::Command || kind == SyntaxKind::Keyword)
        format.setFontWeight(QFont::Bold);
    return format;
}
