#include "assets/manual_pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace assets {

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
  return true;
}

}  // namespace assets
