// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report/Document.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace report {

enum class Format { Pdf, Text, Html, Csv };

// Paints one page. The painter's coordinates must be points from the page's top-left corner; fonts are
// sized for the painter's device, so any device (screen, image, printer, PDF) shows the same page.
void paintPage(QPainter& painter, const Page& page);

// Paints every page on a paged device (printer, PDF writer) set to the document's paper, stepping
// `progress` by page; a print that `progress` stops is aborted.
bool paintDocument(const Document& document, QPagedPaintDevice& device, const Progress& progress = {});
bool printDocument(const Document& document, QPrinter& printer, const Progress& progress = {});
bool writePdf(const Document& document, const QString& path, const Progress& progress = {});

// The printed texts, page by page: each row holds the texts that stand on the same line, in x order.
// Text lays them out in columns, with a form feed between pages; Html writes a table per page;
// Csv writes one line per row, separated by ",", with fields quoted when they hold a comma or a quote.
QString exportText(const Document& document, Format format, const Progress& progress = {});
// The same handed to `out` a page at a time.
void writeText(const Document& document, Format format, const std::function<void(const QString& part)>& out,
               const Progress& progress = {});

// Writes the document in a format, replacing the file whole (files::Replacement), text in UTF-8 (a CSV file
// starting with the byte-order mark, which spreadsheets need to read it so): false and the user's
// message in *error when it cannot be written, the earlier file then left as it was. What `progress` throws
// stops the writing before the file is touched.
bool save(const Document& document, const QString& path, Format format, QString* error = nullptr,
          const Progress& progress = {});

}  // namespace report
