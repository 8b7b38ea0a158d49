// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace assets {

// Lays out a manual written in HTML, with the PNG pictures of its folder, on
// A4 pages with page numbers and writes them as a PDF file.
bool writeManualPdf(const QString& sourceHtml, const QString& pdfPath, QString& error);

}  // namespace assets
