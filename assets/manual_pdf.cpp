// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/manual_pdf.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

namespace assets {
namespace {

// Qt stamps the PDF with the time it was written. A build for a package sets
// SOURCE_DATE_EPOCH, so that one commit gives the same bytes: the stamp is
// rewritten in place with that time, same length, so no offset moves.
bool stampSourceDate(const QString& pdfPath) {
  bool isNumber = false;
  const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&isNumber);
  if (!isNumber) return true;
  QFile pdf(pdfPath);
  if (!pdf.open(QIODevice::ReadWrite)) return false;
  QByteArray bytes = pdf.readAll();
  static const QRegularExpression kStamp(QStringLiteral("/CreationDate \\(D:\\d{14}Z\\)"));
  const QRegularExpressionMatch found = kStamp.match(QString::fromLatin1(bytes));
  if (!found.hasMatch()) return false;
  const QByteArray stamp =
      "/CreationDate (D:" +
      QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).toString("yyyyMMddHHmmss").toLatin1() + "Z)";
  bytes.replace(found.capturedStart(), stamp.size(), stamp);
  return pdf.seek(0) && pdf.write(bytes) == bytes.size();
}

}  // namespace

bool writeManualPdf(const QString& sourceHtml, const QString& pdfPath, QString& error) {
  QFile source(sourceHtml);
  if (!source.open(QIODevice::ReadOnly)) {
    error = "cannot read " + sourceHtml;
    return false;
  }
  QTextDocument document;
  QFont body("Liberation Sans");
  body.setPointSizeF(10.5);
  document.setDefaultFont(body);
  // The pictures are handed over by name, so the layout never looks outside
  // the manual's own folder.
  const QDir folder = QFileInfo(sourceHtml).dir();
  for (const QString& name : folder.entryList({"*.png"}, QDir::Files, QDir::Name)) {
    const QImage picture(folder.filePath(name));
    if (picture.isNull()) {
      error = "cannot read the picture " + folder.filePath(name);
      return false;
    }
    document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }
  document.setHtml(QString::fromUtf8(source.readAll()));

  QDir().mkpath(QFileInfo(pdfPath).absolutePath());
  QFile::remove(pdfPath);
  {
    QPdfWriter pdf(pdfPath);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator("Tavorin and Quillmere asset tool");
    document.print(&pdf);
  }
  if (QFileInfo(pdfPath).size() == 0) {
    error = "cannot write " + pdfPath;
    return false;
  }
  if (!stampSourceDate(pdfPath)) {
    error = "cannot stamp SOURCE_DATE_EPOCH on " + pdfPath;
    return false;
  }
  return true;
}

}  // namespace assets
