// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report/Report.h"

#include <QStringList>

#include <memory>

namespace report::testing {

// Rows "id, nome, valor": 1..n, "Nome n", n * 1.5.
inline std::shared_ptr<TableData> numberedRows(int count) {
    auto table = std::make_shared<TableData>(QStringList{"id", "nome", "valor"});
    table->reserve(count);
    for (int i = 1; i <= count; ++i)
        table->addRow({i, QStringLiteral("Nome %1").arg(i), i * 1.5});
    return table;
}

// The texts of a page, in the order they were placed.
inline QStringList textsOf(const Page& page) {
    QStringList texts;
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Text)
            texts << e.text;
    }
    return texts;
}

inline const Element* findText(const Page& page, const QString& text) {
    for (const Element& e : page.elements) {
        if (e.kind == Element::Kind::Text && e.text == text)
            return &e;
    }
    return nullptr;
}

// The text printed right of a label on the same line (e.g. the number beside "Pag.:").
inline QString besideLabel(const Page& page, const QString& label) {
    const Element* found = findText(page, label);
    if (!found)
        return QStringLiteral("<no label>");
    const Element* best = nullptr;
    for (const Element& e : page.elements) {
        if (e.kind != Element::Kind::Text || &e == found || qAbs(e.rect.top() - found->rect.top()) > 0.5 ||
            e.rect.left() <= found->rect.left())
            continue;
        if (!best || e.rect.left() < best->rect.left())
            best = &e;
    }
    return best ? best->text : QStringLiteral("<nothing>");
}

// A list in the shape of the system's reports: page header of 17 mm, detail lines of 5 mm and a page
// footer of 10 mm on A4 with 10 mm margins leave room for exactly 50 lines a page.
inline void defineList(Report& report) {
    report.setTitle(QStringLiteral("Lista"));
    report.setMargins(10);
    Band& header = report.addBand(BandType::PageHeader, 17);
    header.addLabel({0, 0, 80, 6}, QStringLiteral("Nurvalia - NURV")).setBold();
    header.addLabel({0, 8, 30, 5}, QStringLiteral("Cód - Nome"));
    header.addLabel({120, 8, 30, 5}, QStringLiteral("Valor"));
    Band& detail = report.addBand(BandType::Detail, 5);
    detail.addField({0, 0, 15, 5}, QStringLiteral("id"));
    detail.addField({20, 0, 80, 5}, QStringLiteral("nome"));
    detail.addField({120, 0, 30, 5}, QStringLiteral("valor")).setAlignment(Qt::AlignRight);
    Band& footer = report.addBand(BandType::PageFooter, 10);
    footer.addLabel({150, 2, 12, 5}, QStringLiteral("Pag.:"));
    footer.addSystem({163, 2, 15, 5}, SystemField::PageNumber);
}

}  // namespace report::testing
