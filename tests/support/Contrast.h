#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

#include <algorithm>
#include <cmath>

// How well a text stands out, and the desktop themes it is checked under.
namespace support {

// WCAG 2.1 relative luminance and contrast ratio.
inline double luminance(QColor colour)
{
    auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

inline double contrast(QColor a, QColor b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Text of 18 points, or 14 points bold, counts as large and needs less.
inline double neededContrast(const QFont &font)
{
    const bool large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
    return large ? 3.0 : 4.5;
}

// A dark desktop theme, as dark colour schemes of Plasma and qt6ct set it.
inline QPalette darkPalette()
{
    QPalette palette;
    const QColor dark(0x35, 0x35, 0x35);
    const QColor darker(0x2A, 0x2A, 0x2A);
    const QColor light(0xE8, 0xE8, 0xE8);
    for (const auto &[role, colour] : {std::pair{QPalette::Window, dark},
                                       {QPalette::WindowText, light},
                                       {QPalette::Base, darker},
                                       {QPalette::AlternateBase, dark},
                                       {QPalette::Text, light},
                                       {QPalette::Button, dark},
                                       {QPalette::ButtonText, light},
                                       {QPalette::ToolTipBase, dark},
                                       {QPalette::ToolTipText, light}})
        palette.setColor(role, colour);
    return palette;
}

// The desktop's palette for as long as it lives.
class DesktopPalette
{
public:
    explicit DesktopPalette(const QPalette &palette)
        : m_previous(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(m_previous); }
    DesktopPalette(const DesktopPalette &) = delete;
    DesktopPalette &operator=(const DesktopPalette &) = delete;

private:
    QPalette m_previous;
};

} // namespace support
