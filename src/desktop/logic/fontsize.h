#pragma once

#include <QtGlobal>

// A font size in points as a currency value: exact decimal with four places,
// so repeated steps of 2 never drift the way binary fractions do.
class FontSize
{
public:
    // Rounded to four decimal places, halves to even (as the currency type does).
    static FontSize fromPoints(double points);

    double points() const { return double(m_tenThousandths) / kScale; }

    // The "=" key: two points larger, without an upper limit.
    FontSize enlarged() const;
    // The "-" key: two points smaller, only while larger than 6 points, so an
    // even size stops at 6 and an odd one at 5.
    FontSize reduced() const;

    bool operator==(const FontSize &o) const { return m_tenThousandths == o.m_tenThousandths; }

private:
    static constexpr qint64 kScale = 10000;
    explicit FontSize(qint64 tenThousandths) : m_tenThousandths(tenThousandths) {}

    qint64 m_tenThousandths = 0;
};
