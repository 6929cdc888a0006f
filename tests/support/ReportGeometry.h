// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the texts of laid-out pages keep to their widths: no line wider than its box or passing the right
// margin, no two texts of a printed line over each other. Lines are measured as the layout measures them.

#include "platform/report/Report.h"

#include <QStringList>

#include <vector>

inline QStringList widthFaults(const report::Report& report, const report::Document& document) {
    constexpr qreal eps = 0.05;  // points
    const qreal margin = report::mmToPt(report.bodyRectMm().right());
    QStringList faults;
    for (size_t p = 0; p < document.pages.size(); ++p) {
        struct Ink {
            QRectF box;
            QString text;
            size_t element;
        };
        std::vector<Ink> inks;
        const auto& elements = document.pages[p].elements;
        const QString page = QStringLiteral("page %1: ").arg(p + 1);
        for (size_t i = 0; i < elements.size(); ++i) {
            const report::Element& e = elements[i];
            if (e.kind != report::Element::Kind::Text)
                continue;
            const QStringList lines = e.text.split(QLatin1Char('\n'));
            for (int n = 0; n < lines.size(); ++n) {
                if (lines[n].isEmpty())
                    continue;
                const qreal width = report::textWidth(lines[n], e.textFont());
                qreal x = e.rect.left();
                if (e.alignment & Qt::AlignRight)
                    x = e.rect.right() - width;
                else if (e.alignment & Qt::AlignHCenter)
                    x = e.rect.left() + (e.rect.width() - width) / 2;
                const Ink ink{QRectF(x, e.rect.top() + n * e.lineHeight, width, e.lineHeight), lines[n], i};
                if (width > e.rect.width() + eps)
                    faults << page + QStringLiteral("\"%1\" is %2 pt wide in a box of %3 pt")
                                         .arg(ink.text)
                                         .arg(width, 0, 'f', 1)
                                         .arg(e.rect.width(), 0, 'f', 1);
                if (ink.box.right() > margin + eps)
                    faults << page + QStringLiteral("\"%1\" passes the right margin").arg(ink.text);
                inks.push_back(ink);
            }
        }
        for (size_t a = 0; a < inks.size(); ++a) {
            for (size_t b = a + 1; b < inks.size(); ++b) {
                const QRectF& x = inks[a].box;
                const QRectF& y = inks[b].box;
                if (inks[a].element != inks[b].element && x.top() < y.bottom() - eps && y.top() < x.bottom() - eps &&
                    x.left() < y.right() - eps && y.left() < x.right() - eps)
                    faults << page + QStringLiteral("\"%1\" over \"%2\"").arg(inks[a].text, inks[b].text);
            }
        }
    }
    return faults;
}

inline QStringList widthFaults(const report::Report& report) { return widthFaults(report, report.layout()); }
