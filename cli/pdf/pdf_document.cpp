#include "pdf/pdf_document.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include "platform/text_codec.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The margins a printer's unprintable edge would leave.
constexpr double kMarginMillimetres = 10.0;

}  // namespace

void PdfPageList::PreviewPageSetup(int printerPageWidth, int printerPageHeight) {
  state_.PrinterResolution = kPdfResolution;
  print_.PageWidth = printerPageWidth;
  print_.PageHeight = printerPageHeight;
}

PdfDocument::PdfDocument(const std::string& pdfFile, PageOrientation orientation, std::string_view title)
    : path_(pdfFile),
      fileName_(QFile::decodeName(QByteArray::fromStdString(pdfFile))),
      writer_(std::make_unique<QPdfWriter>(fileName_)) {
  writer_->setResolution(kPdfResolution);
  writer_->setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4),
      orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter));
  writer_->setCreator(QStringLiteral("quenchel-cli"));
  writer_->setTitle(FromCellText(title));
  if (!painter_.begin(writer_.get())) {
    openError_ = "cannot write '" + path_ + "': the file cannot be created";
    finished_ = true;  // nothing of it exists to remove
    return;
  }
  surface_.emplace(painter_);
}

PdfDocument::~PdfDocument() {
  if (finished_) return;
  painter_.end();
  writer_.reset();
  QFile::remove(fileName_);
}

PdfPrintResult PdfDocument::Failed(std::string_view why) {
  QFile::remove(fileName_);
  return PdfPrintResult{"cannot write '" + path_ + "': " + std::string(why)};
}

PdfPrintResult PdfDocument::Finish() {
  if (!openError_.empty()) return PdfPrintResult{openError_};
  finished_ = true;
  surface_.reset();
  const bool ended = painter_.end();
  writer_.reset();  // closes the file
  if (!ended) return Failed("the file could not be completed");
  const QFileInfo written(fileName_);
  if (!written.exists() || written.size() == 0) return Failed("nothing was written");
  return {};
}

}  // namespace quenchel
