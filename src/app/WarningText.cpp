#include "app/WarningText.h"

#include <QLabel>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor warningRed(const QColor &background)
{
    QColor red(255, 0, 0);
    if (luminance(background) >= luminance(red))
        return red;
    for (int white = 0; white < 255 && contrast(red, background) < 4.5; ++white)
        red = QColor(255, white, white);
    return red;
}

void showAsWarning(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warningRed(palette.color(QPalette::Window)));
    label->setPalette(palette);
}
